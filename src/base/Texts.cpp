// The longer texts of another copy of the project (a synced folder,
// another device) and of merging it, out of line so that Texts.h stays a
// table one can read.
#include "base/Texts.h"

QString Texts::changedOnDisk()
{
    return tr("The project's file changed on disk: the next Save merges it with your changes.");
}

QString Texts::mergedAtSave(const QStringList &lines)
{
    return tr("The project's file had changed on disk since Tarvo last read or saved it. Both versions "
              "are merged and saved:\n\n") + lines.join(u'\n');
}

QString Texts::mergedCopy(const QString &file, const QStringList &lines)
{
    return tr("\"%1\" is merged into the open project:\n\n").arg(file) + lines.join(u'\n');
}

QString Texts::mergedChanged(const QString &names)
{
    return tr("• Changes from the other copy taken in: %1.").arg(names);
}

QString Texts::mergedRemoved(const QString &names)
{
    return tr("• Deleted in the other copy, so deleted here too: %1.").arg(names);
}

QString Texts::mergedKeptDeleted(const QString &names)
{
    return tr("• Kept, because one copy deleted it and the other changed it: %1.").arg(names);
}

QString Texts::mergedBothTexts(const QString &names)
{
    return tr("• Lines changed in both copies, so both texts are kept (the other copy's lines end "
              "in “ (other copy)”): %1.").arg(names);
}

QString Texts::otherValue(const QString &what, const QString &value)
{
    return tr("• Both copies changed %1: yours is kept; the other copy's is %2.").arg(what, value);
}

QString Texts::movedInNote(const QString &name, const QString &due)
{
    return due.isEmpty() ? QStringLiteral("From the other copy: %1:").arg(name)
                         : QStringLiteral("From the other copy: %1 (due %2):").arg(name, due);
}

QString Texts::mergedMovedIn(const QString &name, const QString &card, const QString &note)
{
    return tr("• %1 found no free card: its name and tasks are on %2, under the line \"%3\".")
        .arg(quoted(name), quoted(card), note);
}

QString Texts::fileGone(const QString &path)
{
    return tr("The project's file \"%1\" is no longer there: it was moved, renamed or deleted after "
              "Tarvo opened it. Tarvo does not make it again on its own. Choose where to save the "
              "project.").arg(path);
}

QString Texts::fileUnreadable(const QString &path, const QString &reason)
{
    return tr("The project's file \"%1\" can no longer be read: %2\n\nTarvo does not write over "
              "what it cannot read. Choose where to save the project.").arg(path, reason);
}

QString Texts::conflictCopyQuestion(const QString &file)
{
    return tr("A copy of this project made by a sync tool was found: %1. Merge it in?").arg(file);
}
