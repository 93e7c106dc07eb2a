#pragma once
#include <QByteArray>
#include <QString>

// The anchor for the load: a reader that finds every key by scanning the
// file from its top, as the classic profile-string reader does. It keeps
// the bytes in memory (the classic one reads the file on every call), so
// it is the kindest form of that approach; only the benchmark uses it.
class RescanningReader {
public:
    explicit RescanningReader(QByteArray bytes) : m_bytes(std::move(bytes)) {}
    // The first matching key of the first section of that name, compared
    // without regard to ASCII case; the value after "=", blanks trimmed.
    QString value(const QByteArray &section, const QByteArray &key) const;

private:
    QByteArray m_bytes;
};

// What LoadProject does with the file, but through the rescanning reader:
// every key in the same order, and the same task files written into tmpFolder.
// Returns false when a task file could not be written.
bool loadWithRescanningReader(const QString &projectFile, const QString &tmpFolder, QString *tasksOfFirstGoal);
