#include "TempAppFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

TempAppFolder::TempAppFolder()
{
    const QString source = qEnvironmentVariable("TARVO_SOURCE_DIR") + QStringLiteral("/imgs");
    QDir().mkpath(path() + QStringLiteral("/imgs"));
    const QStringList pictures = QDir(source).entryList({QStringLiteral("*.svg")}, QDir::Files);
    for (const QString &name : pictures)
        QFile::copy(source + u'/' + name, path() + QStringLiteral("/imgs/") + name);
}

QByteArray TempAppFolder::read(const QString &relative) const
{
    QFile f(file(relative));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

void TempAppFolder::write(const QString &relative, const QByteArray &bytes) const
{
    const QString full = file(relative);
    QDir().mkpath(QFileInfo(full).path());
    QFile f(full);
    if (f.open(QIODevice::WriteOnly))
        f.write(bytes);
}

bool TempAppFolder::exists(const QString &relative) const
{
    return QFileInfo::exists(file(relative));
}
