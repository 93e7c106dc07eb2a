#pragma once
#include <QDate>
#include <QList>
#include <QString>

#include "project/Project.h"
#include "project/ProjectDocument.h"
#include "project/Schedule.h"

// What a printed plan is made of: the project, the day it is printed on
// (the title shows it), the plan of its tasks when the project has a start
// date, and each sub-goal's late flags on that day.
struct Plan {
    Project project;
    QDate printedOn;
    Schedule schedule;          // empty: no dates beside the tasks
    QList<Lateness> lateness;   // per sub-goal
};

// The open project as a plan printed on day.
Plan planOf(const ProjectDocument &document, const QDate &day);

// One task as the plan shows it: its text as one line, without the done mark.
struct PlanTask {
    QString text;
    bool done = false;
    int lineNumber = 0;   // its line in the task text, counted from 0, every line counted
};

// The mark beside a late sub-goal's due date: "Overdue" when the date has
// passed with tasks pending, "Ends late" when only its plan runs past it,
// "" when it is on time.
QString lateMark(const Lateness &lateness);
// A text as one printed line: line breaks and other control characters
// become blanks.
QString plainLine(QString text);
// The tasks of a task text, in order: exactly the lines the card counters
// count, a line holding "--" done.
QList<PlanTask> planTasks(const QString &taskText);
// The project's name as the name of an exported file ending in .suffix:
// characters that cannot stand in a file name on any desktop are
// replaced, and the name is never empty.
QString exportFileName(const QString &projectName, const QString &suffix);
inline QString pdfFileName(const QString &projectName) { return exportFileName(projectName, QStringLiteral("pdf")); }
