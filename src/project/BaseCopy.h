#pragma once
#include <QByteArray>
#include <QString>

#include "base/Folders.h"
#include "component/BackgroundWriter.h"

// The base of the open project: the bytes of its file exactly as Tarvo
// last read or wrote them. Another device's change shows as a file that
// differs from them, and a merge starts from them.
//
// While there is unsaved work they are kept in tmp/ too, flushed to the
// device as a save is, so that work brought back after a crash is merged
// from the same base: kept aside at start-up with the recovery copy, taken
// back with it. With nothing unsaved no copy is needed, and a save waits
// for no second file.
class BaseCopy {
public:
    explicit BaseCopy(const Folders &folders);

    static QString copyPath(const QString &appFolder);   // tmp/.base.gpj; put aside by Recovery::keepAside

    // The file the base belongs to; "" while there is none.
    const QString &file() const { return m_file; }
    const QByteArray &bytes() const { return m_bytes; }
    bool holds(const QString &file) const { return !m_file.isEmpty() && m_file == file; }

    void set(const QString &file, const QByteArray &bytes);
    void clear();
    // There is unsaved work: the copy in tmp/ is brought up to date.
    void keepForUnsavedWork();
    // Work put aside was brought back: the base put aside with it (kept)
    // becomes the base again when the work belongs to its file. It goes.
    void takeKept(const QString &kept, const QString &restoredFile);
    // Waits until the copy in tmp/ is written.
    void waitUntilIdle() { m_writer.waitUntilIdle(); }

private:
    Folders m_folders;
    QString m_path;
    QString m_file;
    QByteArray m_bytes;
    bool m_unwritten = false;   // the copy in tmp/ is not these bytes
    BackgroundWriter m_writer;
};
