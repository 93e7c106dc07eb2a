#pragma once
#include <QDate>
#include <QList>
#include <QString>
#include <functional>
#include <optional>
#include <utility>

#include "project/Project.h"

// A task's planned start and end, asked by its sub-goal (0 = card 1) and its
// line in the task text (0 = the first line, every line counted, task line
// or not). Nothing for a task without dates.
using TaskDates = std::function<std::optional<std::pair<QDate, QDate>>(int subGoalIndex, int lineNumber)>;

// What a printed plan is made of: the project, the day it is printed on
// (the title shows it, and a due date before it is overdue), and the
// schedule's dates when the project has them.
struct Plan {
    Project project;
    QDate printedOn;
    TaskDates taskDates;   // empty: no dates beside the tasks
};

// One task as the plan shows it: its text as one line, without the done mark.
struct PlanTask {
    QString text;
    bool done = false;
    int lineNumber = 0;   // its line in the task text, every line counted
};

// A text as one printed line: line breaks and other control characters
// become blanks.
QString plainLine(QString text);
// The tasks of a task text, in order: exactly the lines the card counters
// count, a line holding "--" done.
QList<PlanTask> planTasks(const QString &taskText);
// Past its due date on the given day with its work not all done (the card
// is not green). A due date that reads as no date is never overdue.
bool isOverdue(const SubGoal &goal, const QDate &day);
// The project's name as a PDF file name: characters that cannot stand in a
// file name on any desktop are replaced, and the name is never empty.
QString pdfFileName(const QString &projectName);
