#include "project/GoalKeys.h"

#include "base/Folders.h"
#include "component/KestrelTools.h"
#include "project/GpjFormat.h"
#include "project/Project.h"

namespace {
constexpr int kMaxKeyDraws = 10000;
} // namespace

namespace GoalKeys {

QString newKey(const KestrelTools &tools, const Folders &folders, const QSet<QString> &taken)
{
    // The key must differ from every key in use and from every task file
    // left in tmp/ by a project opened earlier. The space is 9001^3 keys,
    // so a few draws do.
    QString key;
    for (int attempt = 0; attempt < kMaxKeyDraws; ++attempt) {
        const qint16 first = static_cast<qint16>(tools.RandomNumber(9000)) + 100;
        const qint16 second = static_cast<qint16>(tools.RandomNumber(9000)) + 300;
        const qint16 third = static_cast<qint16>(tools.RandomNumber(9000)) + 300;
        key = QStringLiteral("%1-%2-%3").arg(first).arg(second).arg(third);
        if (!taken.contains(key.toLower()) && !tools.PathExists(folders.taskFile(key), false))
            break;
    }
    return key;
}

QSet<QString> keysOf(const Project &project)
{
    QSet<QString> keys;
    for (const SubGoal &goal : project.subGoals)
        keys.insert(goal.key.toLower());
    return keys;
}

void makeSafe(Project &project, const KestrelTools &tools, const Folders &folders)
{
    QSet<QString> keys;
    for (SubGoal &goal : project.subGoals) {
        if (!Gpj::isSafeKey(goal.key) || keys.contains(goal.key.toLower()))
            goal.key = newKey(tools, folders, keys + keysOf(project));
        keys.insert(goal.key.toLower());
    }
}

} // namespace GoalKeys
