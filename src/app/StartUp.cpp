#include "app/StartUp.h"

#include <QDir>
#include <QFile>

#include "component/KestrelTools.h"

void prepareTaskFolder(const QString &appFolder, const KestrelTools &tools)
{
    const QString folder = appFolder + QStringLiteral("/tmp/");
    if (!tools.PathExists(folder, true)) {
        QDir().mkpath(folder);
        return;
    }
    // The listing is taken once; hidden files are not in it.
    const QStringList listing = QDir(folder).entryList(QDir::Files, QDir::Name);
    for (const QString &name : listing)
        QFile::remove(folder + name);
}

QString instanceLockPath(const QString &appFolder)
{
    // Hidden, so emptying tmp/ and listing projects/ never meet it.
    return appFolder + QStringLiteral("/.tarvo.lock");
}
