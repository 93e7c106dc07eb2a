#include "project/ProjectChange.h"

#include "base/Texts.h"

namespace ProjectChange {

namespace {
bool sameOutline(const SubGoal &a, const SubGoal &b)
{
    return a.key == b.key && a.name == b.name && a.due == b.due && a.after == b.after;
}
} // namespace

bool sameOutline(const Project &a, const Project &b)
{
    return a.name == b.name && a.settings == b.settings && a.subGoals.size() == b.subGoals.size()
           && std::equal(a.subGoals.begin(), a.subGoals.end(), b.subGoals.begin(),
                         [](const SubGoal &x, const SubGoal &y) { return sameOutline(x, y); });
}

bool onlyNameChanged(const Project &before, const Project &after)
{
    Project renamed = before;
    renamed.name = after.name;
    return before.name != after.name && sameOutline(renamed, after);
}

Project restoreOutline(const Project &now, const Project &target)
{
    Project project = target;
    for (SubGoal &goal : project.subGoals) {
        for (const SubGoal &current : now.subGoals) {
            if (current.key == goal.key) {
                goal.tasks = current.tasks;
                break;
            }
        }
    }
    return project;
}

QString describe(const Project &before, const Project &after)
{
    const qsizetype n = std::min(before.subGoals.size(), after.subGoals.size());
    // The first sub-goal that differs says what happened to it.
    qsizetype i = 0;
    while (i < n && sameOutline(before.subGoals[i], after.subGoals[i]))
        ++i;
    if (after.subGoals.size() > before.subGoals.size())
        return Texts::stepAdd(after.subGoals.last().name);
    if (after.subGoals.size() < before.subGoals.size())
        return Texts::stepDelete(before.subGoals[i].name);
    if (i < n) {
        const SubGoal &was = before.subGoals[i];
        if (was.name != after.subGoals[i].name)
            return Texts::stepRename(was.name);
        return was.due != after.subGoals[i].due ? Texts::stepDueDate(was.name) : Texts::stepStartsAfter(was.name);
    }
    if (before.name != after.name)
        return Texts::stepProjectName();
    if (before.settings.start != after.settings.start)
        return Texts::stepStartDate();
    if (before.settings.workWeek != after.settings.workWeek)
        return Texts::stepWorkingWeek();
    return Texts::stepDaysOff();
}

} // namespace ProjectChange
