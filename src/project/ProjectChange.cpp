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

QString onlyDueDateOf(const Project &before, const Project &after)
{
    if (before.name != after.name || !(before.settings == after.settings)
        || before.subGoals.size() != after.subGoals.size())
        return {};
    QString key;
    for (qsizetype i = 0; i < before.subGoals.size(); ++i) {
        const SubGoal &was = before.subGoals[i], &is = after.subGoals[i];
        if (was.key != is.key || was.name != is.name)
            return {};
        if (was.due != is.due) {
            if (!key.isEmpty())
                return {};
            key = is.key;
        }
    }
    return key;
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

Project restoreWhole(const Project &now, const Project &from, const Project &target)
{
    const auto find = [](const Project &project, const QString &key) -> const SubGoal * {
        for (const SubGoal &goal : project.subGoals) {
            if (goal.key == key)
                return &goal;
        }
        return nullptr;
    };
    Project project = target;
    for (SubGoal &goal : project.subGoals) {
        const SubGoal *current = find(now, goal.key);
        const SubGoal *was = find(from, goal.key);
        if (current && (!was || current->tasks != was->tasks))
            goal.tasks = current->tasks;
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
