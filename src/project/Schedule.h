#pragma once
#include <QDate>
#include <QList>
#include <QString>
#include <QStringView>

#include "project/Project.h"

// Task lines as a plan of working days. Each sub-goal is planned on its
// own from the project's start: its task lines in order, a line lasting the
// days its "+ N" mark says (1 without one), starting once every task before
// it has ended, or, when it begins with "//", on the day the task before it
// starts.

// What one task line says about its place in the plan.
struct TaskLineParts {
    bool parallel = false;   // begins with "//": starts with the task before it
    int days = 1;            // "+ N", "+ N day" or "+ N days" at the end, N 1 to 9999
    QString subject;         // the line without those marks and "--", blanks simplified
};
TaskLineParts readTaskLine(QStringView line);

struct ScheduledTask {
    int subGoal = 0;      // index into the project's sub-goals
    int lineNumber = 0;   // 1-based, within the sub-goal's task text
    QString subject;
    QString line;         // the task line as written
    QDate start, end;     // both working days; end is the last day
    bool late = false;    // ends after the sub-goal's due date
};

// One sub-goal's plan.
struct GoalPlan {
    QList<ScheduledTask> tasks;   // in line order
    // Tasks not planned because they would end after the last day a
    // calendar file can hold (30 December 9999).
    qsizetype leftOut = 0;
    QDate end() const;            // the last day of its last task; invalid when none
};

// Every sub-goal's plan, in card order; the rows of the event list are
// its tasks, sub-goal by sub-goal.
struct Schedule {
    QList<GoalPlan> goals;
    qsizetype size() const;
    const ScheduledTask &at(qsizetype row) const;
    qsizetype leftOut() const;
    // The task on a line (1-based) of a sub-goal's text; null when that
    // line has no planned task.
    const ScheduledTask *taskOnLine(int subGoal, int lineNumber) const;
};

constexpr WorkWeek kDefaultWorkWeek = {true, true, true, true, true, false, false};
bool hasWorkingDay(const WorkWeek &week);
bool isWorkingDay(const WorkWeek &week, const QDate &date);

// The plan of one sub-goal (its index in the project) from start.
GoalPlan planSubGoal(const SubGoal &goal, int index, const QDate &start, const WorkWeek &week);
// The plan of every sub-goal from start; nothing when the week has no
// working day or start is not set.
Schedule scheduleProject(const Project &project, const QDate &start, const WorkWeek &week);
