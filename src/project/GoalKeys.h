#pragma once
#include <QSet>
#include <QString>

class Folders;
class KestrelTools;
struct Project;

// Sub-goal keys: three numbers joined by "-", drawn once per sub-goal. A key
// names a task file in the shared tmp folder.
namespace GoalKeys {

// A key that no key of taken (in lower case) and no task file in tmp/ uses,
// whatever the letter case.
QString newKey(const KestrelTools &tools, const Folders &folders, const QSet<QString> &taken);
// The keys of a project, in lower case, as taken.
QSet<QString> keysOf(const Project &project);
// Gives each sub-goal whose key could point outside the task folder, or
// that another sub-goal's key names too on a file system blind to letter
// case, a fresh key. The key only ties tasks to their file.
void makeSafe(Project &project, const KestrelTools &tools, const Folders &folders);

} // namespace GoalKeys
