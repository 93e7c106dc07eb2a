#include "app/AppFolders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

// Tarvo writes only into projects/ and tmp/, making them when missing: it
// can keep its files in folder when each is there and writable, or can be
// made there. Writable is what the system says for this user (a read-only
// mount or an immutable folder stops even root).
bool canKeepFilesIn(const QString &folder)
{
    if (!QFileInfo(folder).isDir())
        return false;
    const bool folderWritable = QFileInfo(folder).isWritable();
    for (const char *sub : {"projects", "tmp"}) {
        const QFileInfo info(folder + u'/' + QLatin1String(sub));
        if (info.exists() ? !(info.isDir() && info.isWritable()) : !folderWritable)
            return false;
    }
    return true;
}

} // namespace

AppFolders chooseAppFolders(const QString &programDir, const QString &xdgDataHome, const QString &home)
{
    const QString dir = QDir::cleanPath(programDir);
    const QString beside = dir + QStringLiteral("/imgs");
    const bool picturesBeside = QFileInfo(beside).isDir();
    if (picturesBeside && canKeepFilesIn(dir))
        return {dir, beside};

    // The XDG rules: an unset, empty or relative XDG_DATA_HOME is ignored.
    const QString dataHome = QDir::isAbsolutePath(xdgDataHome) ? xdgDataHome : home + QStringLiteral("/.local/share");
    return {QDir::cleanPath(dataHome + QStringLiteral("/Tarvo")),
            picturesBeside ? beside : QDir::cleanPath(dir + QStringLiteral("/../share/tarvo/imgs"))};
}

bool linkImages(const AppFolders &folders, QString *error)
{
    const QString link = folders.data + QStringLiteral("/imgs");
    if (QDir::cleanPath(link) == QDir::cleanPath(folders.images))
        return true;
    const QFileInfo info(link);
    if (info.isSymLink()) {
        if (info.symLinkTarget() == QFileInfo(folders.images).absoluteFilePath())
            return true;
        QFile::remove(link);   // an older install's pictures, or gone
    } else if (info.exists()) {
        return true;
    }
    if (QDir().mkpath(folders.data) && QFile::link(folders.images, link))
        return true;
    if (error)
        *error = QStringLiteral("cannot link \"%1\" to the pictures in \"%2\"").arg(link, folders.images);
    return false;
}
