// Task lines as a plan of working days.
#include "project/Schedule.h"

#include <algorithm>

#include "component/KestrelFile.h"
#include "project/DueDate.h"
#include "project/TaskText.h"

namespace {

constexpr int kMaxDays = 9999;
// Four-digit years in every export, and the day after the last one is the
// calendar file's end of an event.
const QDate kLastCalendarDay(9999, 12, 30);

bool isAsciiDigit(QChar c) { return c >= u'0' && c <= u'9'; }

QStringView trimmedEnd(QStringView v)
{
    while (!v.isEmpty() && v.back().isSpace())
        v.chop(1);
    return v;
}

// Where the duration mark of text begins, and its days; -1 when text ends
// in none. The "+" must stand alone, after a blank or at the start, so a
// phone number such as "Call+44" is no duration.
qsizetype durationMark(QStringView text, int &days)
{
    QStringView v = trimmedEnd(text);
    if (v.endsWith(u"days", Qt::CaseInsensitive))
        v.chop(4);
    else if (v.endsWith(u"day", Qt::CaseInsensitive))
        v.chop(3);
    v = trimmedEnd(v);
    qsizetype digits = v.size();
    while (digits > 0 && isAsciiDigit(v[digits - 1]))
        --digits;
    if (digits == v.size())
        return -1;
    const QStringView number = v.sliced(digits);
    const QStringView before = trimmedEnd(v.first(digits));
    if (!before.endsWith(u'+'))
        return -1;
    const qsizetype plus = before.size() - 1;
    if (plus > 0 && !before[plus - 1].isSpace())
        return -1;
    qsizetype first = 0;   // leading zeros are no digits of the count
    while (first < number.size() - 1 && number[first] == u'0')
        ++first;
    if (number.size() - first > 4)
        return -1;
    const int n = number.sliced(first).toInt();
    if (n < 1 || n > kMaxDays)
        return -1;
    days = n;
    return plus;
}

int dayIndex(const QDate &date) { return date.dayOfWeek() - 1; }

QDate firstWorkingDayFrom(QDate date, const WorkWeek &week)
{
    while (!isWorkingDay(week, date))
        date = date.addDays(1);
    return date;
}

// The nth working day counting start, itself a working day: whole weeks
// at once, so a task of 9,999 days costs no more than one of a day.
QDate nthWorkingDay(const QDate &start, int n, const WorkWeek &week, int perWeek)
{
    int rest = n - 1;
    QDate date = start.addDays(qint64(rest / perWeek) * 7);
    rest %= perWeek;
    while (rest > 0) {
        date = date.addDays(1);
        if (isWorkingDay(week, date))
            --rest;
    }
    return date;
}

// Most lines carry no mark and no extra blank: their subject is the line
// itself, shared rather than built anew.
bool isPlainLine(QStringView line)
{
    if (line.isEmpty() || line.front().isSpace() || line.back().isSpace() || line.startsWith(u"//"))
        return false;
    QChar previous;
    for (QChar c : line) {
        if (c == u'+' || (c == u'-' && previous == u'-') || (c.isSpace() && (c != u' ' || previous == u' ')))
            return false;
        previous = c;
    }
    return true;
}

struct Placer {
    const WorkWeek &week;
    int perWeek;
    QDate firstDay;
    QDate previousStart;   // of the task before; invalid before the first
    QDate latestEnd;       // among the sub-goal's tasks so far

    // Places a task of days working days; false when it would end past the
    // last day a calendar holds.
    bool place(bool parallel, int days, QDate &start, QDate &end)
    {
        if (parallel)
            start = previousStart.isValid() ? previousStart : firstDay;
        else
            start = latestEnd.isValid() ? firstWorkingDayFrom(latestEnd.addDays(1), week) : firstDay;
        end = nthWorkingDay(start, days, week, perWeek);
        if (end > kLastCalendarDay)
            return false;
        previousStart = start;
        if (!latestEnd.isValid() || end > latestEnd)
            latestEnd = end;
        return true;
    }
};

} // namespace

TaskLineParts readTaskLine(QStringView line)
{
    TaskLineParts parts;
    QString text = line.toString();
    qsizetype lead = 0;
    while (lead < text.size() && text[lead].isSpace())
        ++lead;
    parts.parallel = QStringView(text).sliced(lead).startsWith(u"//");
    if (parts.parallel)
        text.remove(lead, 2);
    // A done mark may follow the duration ("Draw logo + 3 --"): marking a
    // task done must not change the plan.
    text.replace(QStringLiteral("--"), QStringLiteral(" "));
    const qsizetype mark = durationMark(text, parts.days);
    if (mark >= 0)
        text.truncate(mark);
    parts.subject = std::move(text).simplified();   // in place
    return parts;
}

bool hasWorkingDay(const WorkWeek &week)
{
    for (bool working : week)
        if (working)
            return true;
    return false;
}

bool isWorkingDay(const WorkWeek &week, const QDate &date) { return week[dayIndex(date)]; }

QDate GoalPlan::end() const
{
    QDate last;
    for (const ScheduledTask &task : tasks) {
        if (!last.isValid() || task.end > last)
            last = task.end;
    }
    return last;
}

qsizetype Schedule::size() const
{
    qsizetype n = 0;
    for (const GoalPlan &goal : goals)
        n += goal.tasks.size();
    return n;
}

const ScheduledTask &Schedule::at(qsizetype row) const
{
    for (const GoalPlan &goal : goals) {
        if (row < goal.tasks.size())
            return goal.tasks.at(row);
        row -= goal.tasks.size();
    }
    Q_UNREACHABLE();
}

qsizetype Schedule::leftOut() const
{
    qsizetype n = 0;
    for (const GoalPlan &goal : goals)
        n += goal.leftOut;
    return n;
}

const ScheduledTask *Schedule::taskOnLine(int subGoal, int lineNumber) const
{
    if (subGoal < 0 || subGoal >= goals.size())
        return nullptr;
    const QList<ScheduledTask> &tasks = goals.at(subGoal).tasks;
    const auto it = std::lower_bound(tasks.begin(), tasks.end(), lineNumber,
                                     [](const ScheduledTask &task, int line) { return task.lineNumber < line; });
    return it != tasks.end() && it->lineNumber == lineNumber ? &*it : nullptr;
}

GoalPlan planSubGoal(const SubGoal &goal, int index, const QDate &start, const WorkWeek &week)
{
    GoalPlan result;
    const int perWeek = int(std::count(week.begin(), week.end(), true));
    if (perWeek == 0 || !start.isValid())
        return result;
    const QDate firstDay = firstWorkingDayFrom(start, week);
    const QDate due = goal.due.isEmpty() ? QDate() : DueDate::parse(goal.due);
    result.tasks.reserve(KestrelFile::lineCount(goal.tasks));
    Placer plan{week, perWeek, firstDay, {}, {}};
    int lineNumber = 0;
    bool full = firstDay > kLastCalendarDay;
    KestrelFile::forEachLine(goal.tasks, [&](QStringView line, bool) {
        ++lineNumber;
        if (!TaskText::isTaskLine(line))
            return;
        QString written = line.toString();
        TaskLineParts parts = isPlainLine(written) ? TaskLineParts{false, 1, written} : readTaskLine(written);
        ScheduledTask task{index, lineNumber, std::move(parts.subject), std::move(written), {}, {}, false};
        // Past the calendar's end, so is every later task of the sub-goal.
        if (full || !plan.place(parts.parallel, parts.days, task.start, task.end)) {
            full = true;
            ++result.leftOut;
            return;
        }
        task.late = due.isValid() && task.end > due;
        result.tasks.append(std::move(task));
    });
    return result;
}

Schedule scheduleProject(const Project &project, const QDate &start, const WorkWeek &week)
{
    Schedule schedule;
    if (!hasWorkingDay(week) || !start.isValid())
        return schedule;
    for (qsizetype g = 0; g < project.subGoals.size(); ++g)
        schedule.goals.append(planSubGoal(project.subGoals.at(g), int(g), start, week));
    return schedule;
}
