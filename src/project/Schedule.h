#pragma once
#include <QDate>
#include <QList>
#include <QString>
#include <QStringView>

#include "project/Project.h"
#include "project/WorkCalendar.h"

// Task lines as a plan of working days (the working week less the days
// off). Each sub-goal is planned on its own from the project's start, or
// from the first working day after the sub-goal it starts after ends: its
// task lines in order, a line lasting the days its "+ N" mark says (1
// without one), starting once every task before it has ended, or, when it
// begins with "//", on the day the task before it starts. A done line keeps
// its place and its days.

// What one task line says about its place in the plan.
// The duration mark at the end of a line: a "+" at the start or after a
// blank, N (1 to 9999), then "day", "days", "week", "weeks", "w" or
// nothing, in any case, blanks between them optional.
struct TaskLineParts {
    bool parallel = false;   // begins with "//": starts with the task before it
    bool done = false;       // holds the done mark "--"
    int count = 1;           // N of the duration mark
    bool weeks = false;      // N counts weeks: N times the working days of a week
    QString subject;         // the line without those marks and "--", blanks simplified
    // A "+" at the start or after a blank that begins no duration: the text
    // from it on, blanks simplified; the line then lasts one day.
    QString notUnderstood;

    int days(int perWeek) const { return weeks ? count * perWeek : count; }
};
TaskLineParts readTaskLine(QStringView line);

struct ScheduledTask {
    int subGoal = 0;      // index into the project's sub-goals
    int lineNumber = 0;   // 1-based, within the sub-goal's task text
    QString subject;
    QString line;         // the task line as written
    QDate start, end;     // both working days; end is the last day
    bool done = false;    // the line holds the done mark
    bool late = false;    // not done, and ends after the sub-goal's due date
    // What else the line says (see TaskLineParts), kept so that the line
    // can be placed again without being read again; small, since a plan
    // may hold 80,000 of them.
    bool parallel = false;
    bool weeks = false;
    bool unclear = false;   // a "+" that begins no duration: readTaskLine(line) says which
    qint16 count = 1;
};

// One sub-goal's plan.
struct GoalPlan {
    QList<ScheduledTask> tasks;   // in line order
    // Tasks not planned because they would end after the last day a
    // calendar file can hold (30 December 9999).
    qsizetype leftOut = 0;
    QDate lastDay;                // the last day of its tasks; invalid when none
    QDate lastPendingDay;         // the same of those not done
    qsizetype lineCount = 0;      // lines of the task text it was made from
    QDate end() const { return lastDay; }
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

// The plan of one sub-goal (its index in the project) from the first
// working day on or after start. before, when given, is the sub-goal's plan
// before an edit of its text: a line it holds unchanged (before the edit,
// or after it, moved by the lines the edit added or took away) is taken
// from it instead of being read again, so planning again after an edit
// costs little more than placing every task.
GoalPlan planSubGoal(const SubGoal &goal, int index, const QDate &start, const WorkCalendar &calendar,
                     const GoalPlan *before = nullptr);
// The day from which a sub-goal that starts after sub-goal `after` (-1:
// none) is planned, as schedule has the other planned: the day after its
// end, or the project's start when it has no task. Past the calendar's end
// when the other's tasks already run past it.
QDate sequenceStart(const Project &project, const Schedule &schedule, int after);
// The plan of every sub-goal from the project's start, each after the one
// it waits for; nothing when the week has no working day or no start is set.
Schedule scheduleProject(const Project &project);
