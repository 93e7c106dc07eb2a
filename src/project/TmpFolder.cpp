#include "project/TmpFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QSysInfo>

#include "base/Folders.h"
#include "base/Texts.h"

bool TmpFolder::stillOurs() const
{
    qint64 pid = 0;
    QString host, application;
    return m_lock->getLockInfo(&pid, &host, &application) && pid == QCoreApplication::applicationPid()
           && (host.isEmpty() || host == QSysInfo::machineHostName());
}

bool TmpFolder::ready(QString *why)
{
    const auto fail = [why](const QString &reason) {
        if (why)
            *why = reason;
        return false;
    };
    if (!m_lock)
        return Folders::ensure(m_folder) || fail(Texts::folderNotCreated(m_folder));
    if (QFileInfo(m_folder).isDir() && stillOurs())
        return true;
    // Taken away: the folder is made again and the lock taken again, unless
    // another Tarvo got there first.
    if (QFileInfo::exists(QDir(m_folder).filePath(QStringLiteral(".tarvo.lock"))) && !stillOurs())
        return fail(Texts::lockLost(m_folder));
    if (!Folders::ensure(m_folder))
        return fail(Texts::folderNotCreated(m_folder));
    m_lock->unlock();
    if (!m_lock->tryLock(0))
        return fail(Texts::lockLost(m_folder));
    return true;
}
