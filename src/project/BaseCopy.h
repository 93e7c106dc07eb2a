#pragma once
#include <QByteArray>
#include <QString>

#include "base/Folders.h"
#include "component/BackgroundWriter.h"

// The base of the open project: the bytes of its file exactly as Tarvo
// last read or wrote them. Another device's change shows as a file that
// differs from them, and a merge starts from them.
//
// They are kept in tmp/ too, flushed to the device as a save is, so that
// unsaved work brought back after a crash is merged from the same base:
// kept aside at start-up with the recovery copy, taken back with it.
class BaseCopy {
public:
    explicit BaseCopy(const Folders &folders);

    static QString copyPath(const QString &appFolder);   // tmp/.base.gpj
    static QString keptPath(const QString &appFolder);   // tmp/.base-kept.gpj
    // At start-up, beside Recovery::keepAside.
    static void keepAside(const QString &appFolder);

    // The file the base belongs to; "" while there is none.
    const QString &file() const { return m_file; }
    const QByteArray &bytes() const { return m_bytes; }
    bool holds(const QString &file) const { return !m_file.isEmpty() && m_file == file; }

    void set(const QString &file, const QByteArray &bytes);
    void clear();
    // Once the question about the recovery copy is answered: the base put
    // aside becomes the base again when the work restored belongs to its
    // file; otherwise it goes. Kept while the recovery copy stays aside.
    void takeKept(bool restored, const QString &restoredFile, bool recoveryStillAside);
    // Waits until the copy in tmp/ is written.
    void waitUntilIdle() { m_writer.waitUntilIdle(); }

private:
    Folders m_folders;
    QString m_path;
    QString m_keptPath;
    QString m_file;
    QByteArray m_bytes;
    BackgroundWriter m_writer;
};
