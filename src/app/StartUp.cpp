#include "app/StartUp.h"

#include <QDir>
#include <QFile>
#include <QLockFile>

#include "app/Modals.h"
#include "app/Texts.h"

#include "component/KestrelTools.h"

QStringList prepareTaskFolder(const QString &appFolder, const KestrelTools &tools)
{
    const QString folder = appFolder + QStringLiteral("/tmp/");
    if (!tools.PathExists(folder, true)) {
        QDir().mkpath(folder);
        return {};
    }
    // The listing is taken once; hidden and special files are not in it.
    const QStringList listing = QDir(folder).entryList(QDir::Files, QDir::Name);
    for (const QString &name : listing)
        QFile::remove(folder + name);
    return listing;
}

QString instanceLockPath(const QString &appFolder)
{
    // Hidden, so emptying tmp/ and listing projects/ never meet it.
    return appFolder + QStringLiteral("/.tarvo.lock");
}

bool takeInstanceLock(QLockFile &lock, Modals &modals)
{
    // No age limit: a live Tarvo may run for weeks. A crashed one's lock
    // names a process that is gone, which QLockFile treats as stale.
    lock.setStaleLockTime(0);
    if (lock.tryLock(0))
        return true;
    // Only a live Tarvo refuses. Where no lock file can be made at all
    // (a read-only folder), Tarvo starts as it would without the lock.
    if (lock.error() != QLockFile::LockFailedError)
        return true;
    modals.MsgBox(Texts::alreadyRunning(), Texts::productName(), Msg::Information);
    return false;
}
