#pragma once
#include <QDate>
#include <QList>
#include <QPointF>
#include <QRectF>
#include <optional>
#include <utility>

#include "project/Project.h"
#include "project/Schedule.h"
#include "project/WorkCalendar.h"

// The timeline as geometry, worked out from the plan alone: one row per
// sub-goal (its name and due date) followed by one row per planned task,
// in card order; days run left to right, dayWidth each, from a Monday.
// The screen, the printed pages and the exported pictures all draw this
// one layout, so they agree; drawing it is the widgets' business.

enum class TimelineScale { Days, Weeks };

struct TimelineRow {
    int subGoal = 0;
    int task = -1;   // index into the sub-goal's planned tasks; -1: the sub-goal's own row
    QString label;   // the sub-goal's name or the task's subject, as one line
    // A task's bar: from the start of its first working day to the end of
    // its last one. Empty on a sub-goal's row.
    QRectF bar;
    bool done = false;
    bool late = false;
    // A bar that runs past its sub-goal's due date: where it does. The
    // bar's left end when all of it lies after the date.
    std::optional<double> overrunFrom;
    // A sub-goal's row: the end of its due day, when the timeline shows it.
    std::optional<double> due;

    bool isGoal() const { return task < 0; }
};

struct TimelineLayout {
    QDate first;   // the day at x = 0, a Monday
    qint64 days = 0;
    double dayWidth = 1;
    double rowHeight = 1;
    QList<TimelineRow> rows;
    std::optional<double> today;   // the start of today, when it lies within the days shown
    WorkCalendar calendar;

    double width() const { return double(days) * dayWidth; }
    double height() const { return double(rows.size()) * rowHeight; }
    double xOf(const QDate &day) const { return double(first.daysTo(day)) * dayWidth; }
    QDate dayAt(double x) const;
    int rowAt(double y) const;      // -1: no row there
    int barAt(QPointF point) const;  // the row whose bar holds point; -1: none
    // The row of the sub-goal that row belongs to.
    int goalRowOf(int row) const;
    // The days not worked whose columns meet [x0, x1), as x ranges, runs
    // of days joined into one.
    QList<std::pair<double, double>> shadedWithin(double x0, double x1) const;
};

// Pixels per day of each scale, for a width a day's number needs.
double dayWidthOf(TimelineScale scale, double numberWidth);

// The timeline of a plan. The days run from the Monday of the project's
// start to the week after the last task ends; a due date up to a year
// later stretches them so its marker shows.
TimelineLayout layoutTimeline(const Project &project, const Schedule &schedule, const QDate &today, double dayWidth,
                              double rowHeight);

// The working days a planned task lasts.
qint64 workingDaysOf(const WorkCalendar &calendar, const ScheduledTask &task);
// A bar's tool tip: the task's text, its dates, its length in working days.
QString timelineTip(const ScheduledTask &task, const WorkCalendar &calendar);
