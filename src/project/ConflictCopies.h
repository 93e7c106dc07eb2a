#pragma once
#include <QString>
#include <QStringList>

// The copies a sync tool leaves beside a file when two devices changed it
// at once. For "plan.gpj":
//   Syncthing   plan.sync-conflict-20270101-120000-ABCDEFG.gpj
//   Dropbox     plan (conflicted copy 2027-01-01).gpj,
//               plan (Ann's conflicted copy 2027-01-01).gpj
//   Nextcloud   plan (conflicted copy 2027-01-01 120000).gpj
// A number added to make the name unique, " (1)", may follow.
namespace ConflictCopies {

bool isCopyOf(const QString &fileName, const QString &projectFileName);
// The paths of the copies of a project file lying beside it, by name.
QStringList beside(const QString &projectPath);

} // namespace ConflictCopies
