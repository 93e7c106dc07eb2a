#include "component/KestrelTools.h"

#include <QFileInfo>
#include <QRandomGenerator>

void KestrelTools::FillListFromText(const QString &text, const QString &delimiter, QStringList &list,
                                    const QString &filter) const
{
    if (text.isEmpty())
        return;
    const qsizetype n = text.size();
    const qsizetype step = delimiter.isEmpty() ? n : delimiter.size();
    qsizetype start = 0;
    while (start < n) {
        qsizetype end = delimiter.isEmpty() ? -1 : text.indexOf(delimiter, start);
        if (end < 0)
            end = n;
        const QStringView piece = QStringView(text).sliced(start, end - start);
        if (filter.isEmpty() || piece.contains(filter))
            list.append(piece.toString());
        start = end + step;
    }
}

bool KestrelTools::PathExists(const QString &path, bool isFolder) const
{
    const QFileInfo info(path);
    return isFolder ? info.isDir() : (info.exists() && !info.isDir());
}

int KestrelTools::RandomNumber(int bound) const
{
    if (randomSource)
        return randomSource(bound);
    return static_cast<int>(QRandomGenerator::global()->bounded(static_cast<quint32>(bound) + 1));
}
