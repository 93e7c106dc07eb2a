#include "app/StartUp.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSysInfo>

#include "base/Ask.h"
#include "base/Texts.h"
#include "component/KestrelTools.h"

namespace {

// What a killed atomic write leaves behind: its temporary file. Only the
// Tarvo holding the lock runs this, so none of them is being written.
void removeLeftoverTemporaries(const QString &folder)
{
    QDir dir(folder);
    for (const QString &name : dir.entryList({QStringLiteral(".tarvo-*")}, QDir::Files | QDir::Hidden))
        dir.remove(name);
}

} // namespace

QStringList prepareTaskFolder(const QString &appFolder, const KestrelTools &tools)
{
    const QString folder = appFolder + QStringLiteral("/tmp/");
    if (!tools.PathExists(folder, true)) {
        QDir().mkpath(folder);
        return {};
    }
    // A folder elsewhere, linked in by the user, may hold anything.
    if (QFileInfo(appFolder + QStringLiteral("/tmp")).isSymLink())
        return {};
    // The listing is taken once; hidden and special files are not in it.
    // A link among the files is removed as a link, never followed.
    const QStringList listing = QDir(folder).entryList(QDir::Files, QDir::Name);
    for (const QString &name : listing)
        QFile::remove(folder + name);
    removeLeftoverTemporaries(folder);
    if (!QFileInfo(appFolder + QStringLiteral("/projects")).isSymLink())
        removeLeftoverTemporaries(appFolder + QStringLiteral("/projects"));
    return listing;
}

QString instanceLockPath(const QString &appFolder)
{
    return appFolder + QStringLiteral("/tmp/.tarvo.lock");
}

bool takeInstanceLock(QLockFile &lock, const QString &appFolder, Ask &modals)
{
    const QString path = instanceLockPath(appFolder);
    const QString tmp = QFileInfo(path).path();
    const auto refuse = [&](const QString &text) {
        modals.MsgBox(text, Texts::productName(), Msg::Information);
        return false;
    };
    // No age limit: a live Tarvo may run for weeks. A crashed one's lock
    // names a process that is gone, which QLockFile treats as stale.
    lock.setStaleLockTime(0);
    if (QDir().mkpath(tmp) && lock.tryLock(0))
        return true;
    if (lock.error() != QLockFile::LockFailedError) {
        // Without the lock a second Tarvo could empty tmp/ under this one.
        return refuse(Texts::folderNotWritable(tmp));
    }
    qint64 pid = 0;
    QString host, application;
    if (!lock.getLockInfo(&pid, &host, &application)) {
        return refuse(Texts::lockUnreadable(appFolder, path));
    }
    if (!host.isEmpty() && host != QSysInfo::machineHostName()) {
        return refuse(Texts::usedOnOtherComputer(appFolder, host, path));
    }
    return refuse(Texts::alreadyRunning());
}
