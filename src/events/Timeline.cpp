// The timeline's geometry: rows, bars, due dates, today, days not worked.
#include "events/Timeline.h"

#include <algorithm>
#include <cmath>

#include "base/Texts.h"
#include "events/Plan.h"
#include "project/DueDate.h"

namespace {

constexpr double kBarInset = 0.2;      // of a row's height, above and below its bar
constexpr qint64 kDueReach = 366;      // days after the plan a due date may stretch it
constexpr qint64 kShortestSpan = 14;   // days shown when there is little or nothing to show

QDate mondayOf(const QDate &day) { return day.addDays(1 - day.dayOfWeek()); }
QDate sundayOf(const QDate &day) { return day.addDays(7 - day.dayOfWeek()); }

// The days the timeline must show: the plan, and the due dates just after it.
std::pair<QDate, QDate> spanOf(const Project &project, const Schedule &schedule, const QList<QDate> &dues)
{
    QDate from = project.settings.start, to;
    for (const GoalPlan &goal : schedule.goals) {
        if (!goal.tasks.isEmpty() && (!from.isValid() || goal.tasks.constFirst().start < from))
            from = goal.tasks.constFirst().start;
        if (goal.lastDay.isValid() && (!to.isValid() || goal.lastDay > to))
            to = goal.lastDay;
    }
    if (!from.isValid())
        from = QDate::currentDate();
    if (!to.isValid() || to < from)
        to = from.addDays(kShortestSpan - 1);
    const QDate planEnd = to;
    for (const QDate &due : dues) {
        if (due.isValid() && due > to && planEnd.daysTo(due) <= kDueReach)
            to = due;
    }
    // A week more: a due date on the last day still shows its marker.
    return {mondayOf(from), sundayOf(to.addDays(7))};
}

TimelineRow taskRow(const TimelineLayout &layout, const ScheduledTask &task, int goal, int index, double top,
                    const QDate &due)
{
    TimelineRow row;
    row.subGoal = goal;
    row.task = index;
    row.label = plainLine(task.subject);
    const double inset = layout.rowHeight * kBarInset;
    const double left = layout.xOf(task.start), right = layout.xOf(task.end) + layout.dayWidth;
    row.bar = QRectF(left, top + inset, right - left, layout.rowHeight - 2 * inset);
    row.done = task.done;
    row.late = task.late;
    // Done work is never late, wherever it lies.
    if (!task.done && due.isValid() && task.end > due)
        row.overrunFrom = std::max(left, layout.xOf(due) + layout.dayWidth);
    return row;
}

} // namespace

QDate TimelineLayout::dayAt(double x) const
{
    return first.addDays(qint64(std::floor(x / dayWidth)));
}

int TimelineLayout::rowAt(double y) const
{
    if (y < 0 || y >= height())
        return -1;
    return std::min(int(y / rowHeight), int(rows.size()) - 1);
}

int TimelineLayout::barAt(QPointF point) const
{
    const int row = rowAt(point.y());
    if (row < 0 || rows.at(row).isGoal())
        return -1;
    // The whole height of its row counts: a thin bar is easy to hit.
    const QRectF &bar = rows.at(row).bar;
    return point.x() >= bar.left() && point.x() < bar.right() ? row : -1;
}

int TimelineLayout::goalRowOf(int row) const
{
    while (row > 0 && !rows.at(row).isGoal())
        --row;
    return row;
}

QList<std::pair<double, double>> TimelineLayout::shadedWithin(double x0, double x1) const
{
    QList<std::pair<double, double>> ranges;
    const qint64 firstDay = std::max<qint64>(0, qint64(std::floor(x0 / dayWidth)));
    const qint64 endDay = std::min<qint64>(days, qint64(std::ceil(x1 / dayWidth)));
    QDate day = first.addDays(firstDay);
    for (qint64 d = firstDay; d < endDay; ++d, day = day.addDays(1)) {
        if (calendar.isWorkingDay(day))
            continue;
        const double left = double(d) * dayWidth;
        if (!ranges.isEmpty() && ranges.last().second == left)
            ranges.last().second = left + dayWidth;
        else
            ranges.append({left, left + dayWidth});
    }
    return ranges;
}

double dayWidthOf(TimelineScale scale, double numberWidth)
{
    // A day's number fits its column; a week's fits its seven.
    const double day = std::ceil(numberWidth * 1.8);
    return scale == TimelineScale::Days ? day : std::ceil(day / 4);
}

TimelineLayout layoutTimeline(const Project &project, const Schedule &schedule, const QDate &today, double dayWidth,
                              double rowHeight)
{
    QList<QDate> dues;
    for (const SubGoal &goal : project.subGoals)
        dues.append(goal.due.isEmpty() ? QDate() : DueDate::parse(goal.due));
    const auto [first, last] = spanOf(project, schedule, dues);
    TimelineLayout layout;
    layout.first = first;
    layout.days = first.daysTo(last) + 1;
    layout.dayWidth = dayWidth;
    layout.rowHeight = rowHeight;
    layout.calendar = WorkCalendar::of(project.settings);
    if (today >= first && today <= last)
        layout.today = layout.xOf(today);
    for (int g = 0; g < project.subGoals.size(); ++g) {
        TimelineRow goalRow;
        goalRow.subGoal = g;
        goalRow.label = plainLine(project.subGoals[g].name);
        if (dues[g].isValid() && dues[g] >= first && dues[g] <= last)
            goalRow.due = layout.xOf(dues[g]) + dayWidth;
        layout.rows.append(goalRow);
        if (g >= schedule.goals.size())
            continue;
        const QList<ScheduledTask> &tasks = schedule.goals[g].tasks;
        for (int t = 0; t < tasks.size(); ++t)
            layout.rows.append(taskRow(layout, tasks[t], g, t, layout.height(), dues[g]));
    }
    return layout;
}

qint64 workingDaysOf(const WorkCalendar &calendar, const ScheduledTask &task)
{
    return 1 + calendar.workingDaysAfter(task.start, task.end);
}

QString timelineTip(const ScheduledTask &task, const WorkCalendar &calendar)
{
    return Texts::timelineTip(plainLine(task.subject), Texts::fromTo(DueDate::text(task.start), DueDate::text(task.end)),
                              workingDaysOf(calendar, task));
}
