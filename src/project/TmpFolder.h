#pragma once
#include <QString>

class QLockFile;

// The tmp/ folder of a running Tarvo: where the task files and the recovery
// copy go, and the lock that keeps a second Tarvo out. Anything may take the
// folder away while Tarvo runs; before each write it is made again, and the
// lock taken again with it, so that a second Tarvo never finds it free.
class TmpFolder {
public:
    // lock: the instance lock this Tarvo holds, or none (tests, a command
    // line run), where only the folder is made.
    TmpFolder(QString folder, QLockFile *lock) : m_folder(std::move(folder)), m_lock(lock) {}

    const QString &path() const { return m_folder; }
    // Whether there is a lock to keep: a run of the program, not a test.
    bool guardsLock() const { return m_lock != nullptr; }
    // The folder is there and the lock still this Tarvo's; false, with the
    // reason, when the folder cannot be made or another Tarvo holds it now.
    bool ready(QString *why = nullptr);

private:
    bool stillOurs() const;

    QString m_folder;
    QLockFile *m_lock;
};
