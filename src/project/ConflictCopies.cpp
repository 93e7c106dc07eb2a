#include "project/ConflictCopies.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace ConflictCopies {

bool isCopyOf(const QString &fileName, const QString &projectFileName)
{
    const QFileInfo project(projectFileName);
    const QString stem = QRegularExpression::escape(project.completeBaseName());
    const QString suffix = QRegularExpression::escape(u'.' + project.suffix());
    const QString syncthing = QStringLiteral("\\.sync-conflict-\\d{8}-\\d{6}-[A-Z0-9]{7}");
    const QString dropbox = QStringLiteral(" \\((?:[^()]+'s )?conflicted copy (?:[^()]+ )?\\d{4}-\\d{2}-\\d{2}(?: \\d{6})?\\)");
    const QRegularExpression copy(QStringLiteral("\\A%1(?:%2|%3)(?: \\(\\d+\\))?%4\\z")
                                      .arg(stem, syncthing, dropbox, suffix));
    return copy.match(fileName).hasMatch();
}

QStringList beside(const QString &projectPath)
{
    const QFileInfo project(projectPath);
    const QDir folder = project.absoluteDir();
    QStringList copies;
    for (const QString &name : folder.entryList(QDir::Files, QDir::Name)) {
        if (isCopyOf(name, project.fileName()))
            copies << folder.filePath(name);
    }
    return copies;
}

} // namespace ConflictCopies
