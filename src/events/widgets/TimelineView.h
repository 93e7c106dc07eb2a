#pragma once
#include <QAbstractScrollArea>
#include <QDate>

#include "events/Timeline.h"
#include "events/widgets/TimelinePaint.h"

class QHelpEvent;
class QMouseEvent;
class QWheelEvent;

// The timeline tab of the schedule panel, timelineView: the plan as bars
// over the days, the names down the left and the dates along the top in
// sight however far it scrolls. Ctrl+wheel switches between days and
// weeks. A click on a bar or a task's name says which task it is; the
// window selects its sub-goal and goes to its line.
class TimelineView : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit TimelineView(QWidget *parent = nullptr);

    // The plan to show; laid out at once while in sight, else when shown.
    void showPlan(const Project &project, const Schedule &schedule, const QDate &today, int selectedSubGoal);
    void showSelection(int selectedSubGoal);

    TimelineScale scale() const { return m_scale; }
    // The date in the middle of the bars stays where it is.
    void setScale(TimelineScale scale);
    const TimelineLayout &layout() const { return m_layout; }
    // A row's bar where the viewport shows it.
    QRectF barInView(int row) const;

signals:
    void scaleChanged(TimelineScale scale);
    // A bar or a name was clicked: the sub-goal, and the task's line in its
    // text (1-based; 0 for the sub-goal's own row).
    void taskClicked(int subGoal, int lineNumber);

protected:
    // What happens on the viewport: paints, sizes, clicks, wheels, tips.
    bool viewportEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void paintViewport();
    // True when the event was the view's own: a click on a task, Ctrl+wheel.
    bool pressed(const QMouseEvent &event);
    bool turned(const QWheelEvent &event);
    void showTip(const QHelpEvent &event);
    void relayout();
    void updateScrollBars();
    void setScaleAt(TimelineScale scale, double viewX);
    // The row under a point of the viewport: a bar, or a name; -1: neither.
    int rowAt(QPoint point) const;
    const ScheduledTask *taskOf(int row) const;

    Project m_project;
    Schedule m_schedule;
    QDate m_today;
    int m_selected = -1;
    bool m_stale = true;
    TimelineScale m_scale = TimelineScale::Days;
    TimelineStyle m_style;
    TimelineLayout m_layout;
};
