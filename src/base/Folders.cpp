#include "base/Folders.h"

#include <QDir>
#include <QFileInfo>

bool Folders::ensure(const QString &folder)
{
    return QFileInfo(folder).isDir() || QDir().mkpath(folder);
}
