// The scheduler on arbitrary task lines, start dates, working weeks and
// days off.
// Properties: every task ends on or after its start, on working days; a
// "//" line starts with the task before it (the first with the sub-goal's
// first day); any other starts on the first working day after every
// earlier end; short tasks last exactly their days; nothing but non-task
// lines and tasks past the calendar's end is left out; each subject is the
// one its line gives; planned again after an edit, lent the plan before,
// the plan is the one made from nothing. The iCalendar bytes of the plan
// keep every line within 75 octets, split between characters.
#include <QDate>
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "component/KestrelFile.h"
#include "events/CalendarExport.h"
#include "project/Schedule.h"
#include "project/TaskText.h"

namespace {

[[noreturn]] void fail(const char *what)
{
    fprintf(stderr, "property violated: %s\n", what);
    abort();
}

int workingDaysBetween(const WorkCalendar &calendar, QDate from, const QDate &to)
{
    int n = 0;
    for (; from <= to; from = from.addDays(1))
        n += calendar.isWorkingDay(from);
    return n;
}

bool sameTask(const ScheduledTask &a, const ScheduledTask &b)
{
    return a.subGoal == b.subGoal && a.lineNumber == b.lineNumber && a.subject == b.subject && a.line == b.line
           && a.start == b.start && a.end == b.end && a.done == b.done && a.late == b.late && a.parallel == b.parallel
           && a.weeks == b.weeks && a.count == b.count && a.unclear == b.unclear;
}

// Planned again after an edit (here: the text had lost its first third),
// lent the plan before, a sub-goal's plan is the one made from nothing.
void checkReplan(const Project &project, const WorkCalendar &calendar, const GoalPlan &fresh)
{
    const SubGoal &goal = project.subGoals[0];
    const GoalPlan before = planSubGoal({goal.key, goal.name, goal.due, goal.tasks.mid(goal.tasks.size() / 3)}, 0,
                                        project.settings.start, calendar);
    const GoalPlan again = planSubGoal(goal, 0, project.settings.start, calendar, &before);
    if (again.tasks.size() != fresh.tasks.size() || again.leftOut != fresh.leftOut || again.end() != fresh.end()
        || !std::equal(again.tasks.begin(), again.tasks.end(), fresh.tasks.begin(), sameTask))
        fail("a plan made again after an edit differs from one made from nothing");
}

void checkFolding(const QByteArray &ics)
{
    for (const QByteArray &line : ics.split('\n')) {
        const QByteArray content = line.endsWith('\r') ? line.chopped(1) : line;
        if (content.size() > 75)
            fail("an iCalendar line is longer than 75 octets");
        if (content.startsWith(' ') && content.size() > 1 && (uchar(content[1]) & 0xC0) == 0x80)
            fail("a fold splits a UTF-8 character");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 4)
        return 0;
    WorkWeek week{};
    for (int d = 0; d < 7; ++d)
        week[d] = data[0] & (1 << d);
    const QDate start = QDate(2027, 1, 1).addDays(data[1] | (data[2] << 8));
    // A run of days off from the start, its length and offset in one byte.
    QList<QDate> daysOff;
    for (int d = 0; d < (data[3] & 0x07); ++d)
        daysOff.append(start.addDays((data[3] >> 3) + d));
    const QString tasks = QString::fromUtf8(reinterpret_cast<const char *>(data + 4), qsizetype(size - 4));
    const Project project{"Fuzz", {{"1-2-3", "Goal", "", tasks}}, {start, week, daysOff}};
    const WorkCalendar calendar(week, daysOff);

    const Schedule schedule = scheduleProject(project);
    if (!hasWorkingDay(week)) {
        if (schedule.size() != 0)
            fail("a week without a working day planned a task");
        return 0;
    }
    checkReplan(project, calendar, schedule.goals.at(0));

    const QStringList lines = KestrelFile::splitLines(tasks);
    qsizetype taskLines = 0;
    for (const QString &line : lines)
        taskLines += TaskText::isTaskLine(line);
    if (schedule.size() + schedule.leftOut() != taskLines)
        fail("a task line was neither planned nor counted as left out");

    QDate firstDay = start;
    while (!calendar.isWorkingDay(firstDay))
        firstDay = firstDay.addDays(1);
    QDate latestEnd;
    const ScheduledTask *previous = nullptr;
    int previousLine = 0;
    QList<CalendarEvent> events;
    for (qsizetype row = 0; row < schedule.size(); ++row) {
        const ScheduledTask &task = schedule.at(row);
        if (task.lineNumber <= previousLine || task.lineNumber > lines.size() || lines[task.lineNumber - 1] != task.line)
            fail("a task does not carry its own line and number");
        previousLine = task.lineNumber;
        if (task.end < task.start)
            fail("a task ends before it starts");
        if (!calendar.isWorkingDay(task.start) || !calendar.isWorkingDay(task.end))
            fail("a task starts or ends on a day off");
        const TaskLineParts parts = readTaskLine(task.line);
        if (task.subject != parts.subject || task.done != parts.done || task.unclear == parts.notUnderstood.isEmpty())
            fail("a task's subject or marks are not the ones its line gives");
        if (parts.parallel) {
            if (task.start != (previous ? previous->start : firstDay))
                fail("a parallel task does not start with the task before it");
        } else if (latestEnd.isValid()) {
            QDate next = latestEnd.addDays(1);
            while (!calendar.isWorkingDay(next))
                next = next.addDays(1);
            if (task.start != next)
                fail("a task does not start on the first working day after every earlier end");
        } else if (task.start != firstDay) {
            fail("the first task does not start on the first working day");
        }
        const int days = parts.days(calendar.daysPerWeek());
        if (days <= 60 && workingDaysBetween(calendar, task.start, task.end) != days)
            fail("a task does not last its days");
        if (!latestEnd.isValid() || task.end > latestEnd)
            latestEnd = task.end;
        previous = &task;
        events.append({task.subject, project.subGoals[0].name, QStringLiteral("1-2-3-%1").arg(task.lineNumber), task.start,
                       task.end});
    }
    checkFolding(calendarIcs(events, QDateTime(QDate(2027, 1, 1), QTime(0, 0), Qt::UTC)));
    return 0;
}
