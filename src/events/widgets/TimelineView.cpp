// The timeline on screen: a scrolling view over the one drawing routine.
#include "events/widgets/TimelineView.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QToolTip>
#include <QWheelEvent>
#include <cmath>

#include "base/Texts.h"

TimelineView::TimelineView(QWidget *parent) : QAbstractScrollArea(parent), m_style(screenTimelineStyle(*this))
{
    setObjectName(QStringLiteral("timelineView"));
    setAccessibleName(Texts::timelineName());
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setMouseTracking(true);
    relayout();
}

void TimelineView::showPlan(const Project &project, const Schedule &schedule, const QDate &today, int selectedSubGoal)
{
    // Copies share their data: showing costs nothing until it is laid out.
    m_project = project;
    m_schedule = schedule;
    m_today = today;
    m_selected = selectedSubGoal;
    m_stale = true;
    if (isVisible())
        relayout();
}

void TimelineView::showSelection(int selectedSubGoal)
{
    if (m_selected == selectedSubGoal)
        return;
    m_selected = selectedSubGoal;
    viewport()->update();
}

void TimelineView::relayout()
{
    m_layout = layoutTimeline(m_project, m_schedule, m_today, m_style.dayWidth(m_scale), m_style.rowHeight);
    m_stale = false;
    updateScrollBars();
    viewport()->update();
}

void TimelineView::updateScrollBars()
{
    const QSize view = viewport()->size();
    const int chartWidth = std::max(0, view.width() - int(m_style.nameWidth));
    const int chartHeight = std::max(0, view.height() - int(m_style.headerHeight));
    QScrollBar *across = horizontalScrollBar(), *down = verticalScrollBar();
    across->setRange(0, std::max(0, int(std::ceil(m_layout.width())) - chartWidth));
    across->setPageStep(chartWidth);
    across->setSingleStep(int(std::ceil(m_layout.dayWidth)) * (m_scale == TimelineScale::Days ? 1 : 7));
    down->setRange(0, std::max(0, int(std::ceil(m_layout.height())) - chartHeight));
    down->setPageStep(chartHeight);
    down->setSingleStep(int(m_layout.rowHeight));
}

void TimelineView::setScale(TimelineScale scale)
{
    setScaleAt(scale, m_style.nameWidth + (viewport()->width() - m_style.nameWidth) / 2);
}

void TimelineView::setScaleAt(TimelineScale scale, double viewX)
{
    if (scale == m_scale)
        return;
    const double chartX = std::max(0.0, viewX - m_style.nameWidth);
    const double days = (horizontalScrollBar()->value() + chartX) / m_layout.dayWidth;
    m_scale = scale;
    relayout();
    horizontalScrollBar()->setValue(int(std::lround(days * m_layout.dayWidth - chartX)));
    emit scaleChanged(scale);
}

QRectF TimelineView::barInView(int row) const
{
    return m_layout.rows.value(row).bar.translated(m_style.nameWidth - horizontalScrollBar()->value(),
                                                   m_style.headerHeight - verticalScrollBar()->value());
}

int TimelineView::rowAt(QPoint point) const
{
    if (point.y() < m_style.headerHeight)
        return -1;
    const QPointF at(point.x() - m_style.nameWidth + horizontalScrollBar()->value(),
                     point.y() - m_style.headerHeight + verticalScrollBar()->value());
    if (point.x() < m_style.nameWidth)
        return m_layout.rowAt(at.y());
    return m_layout.barAt(at);
}

const ScheduledTask *TimelineView::taskOf(int row) const
{
    if (row < 0 || row >= m_layout.rows.size() || m_layout.rows.at(row).isGoal())
        return nullptr;
    const TimelineRow &r = m_layout.rows.at(row);
    if (r.subGoal >= m_schedule.goals.size() || r.task >= m_schedule.goals.at(r.subGoal).tasks.size())
        return nullptr;
    return &m_schedule.goals.at(r.subGoal).tasks.at(r.task);
}

bool TimelineView::viewportEvent(QEvent *event)
{
    switch (event->type()) {
    case QEvent::Paint:
        paintViewport();
        return true;
    case QEvent::Resize:
        updateScrollBars();
        break;
    case QEvent::ToolTip:
        showTip(*static_cast<QHelpEvent *>(event));
        return true;
    case QEvent::MouseButtonPress:
        if (pressed(*static_cast<QMouseEvent *>(event)))
            return true;
        break;
    case QEvent::Wheel:
        if (turned(*static_cast<QWheelEvent *>(event)))
            return true;
        break;
    default:
        break;
    }
    return QAbstractScrollArea::viewportEvent(event);
}

void TimelineView::paintViewport()
{
    QPainter painter(viewport());
    const QRectF target = viewport()->rect();
    const QRectF source(horizontalScrollBar()->value(), verticalScrollBar()->value(),
                        target.width() - m_style.nameWidth, target.height() - m_style.headerHeight);
    paintTimeline(painter, m_layout, m_style, target, source, m_selected);
}

void TimelineView::showEvent(QShowEvent *event)
{
    QAbstractScrollArea::showEvent(event);
    if (m_stale)
        relayout();
}

bool TimelineView::turned(const QWheelEvent &event)
{
    if (!(event.modifiers() & Qt::ControlModifier))
        return false;
    // Towards the user: closer, in days; away: further, in weeks.
    if (const int turn = event.angleDelta().y(); turn != 0)
        setScaleAt(turn > 0 ? TimelineScale::Days : TimelineScale::Weeks, event.position().x());
    return true;
}

bool TimelineView::pressed(const QMouseEvent &event)
{
    const int row = event.button() == Qt::LeftButton ? rowAt(event.position().toPoint()) : -1;
    if (row < 0)
        return false;
    const ScheduledTask *task = taskOf(row);
    emit taskClicked(m_layout.rows.at(row).subGoal, task ? task->lineNumber : 0);
    return true;
}

void TimelineView::showTip(const QHelpEvent &event)
{
    if (const ScheduledTask *task = taskOf(rowAt(event.pos())))
        QToolTip::showText(event.globalPos(), timelineTip(*task, m_layout.calendar), viewport());
    else
        QToolTip::hideText();
}

void TimelineView::changeEvent(QEvent *event)
{
    QAbstractScrollArea::changeEvent(event);
    // The desktop's colours or the panel's font changed: sizes follow the font.
    if (event->type() == QEvent::FontChange || event->type() == QEvent::PaletteChange
        || event->type() == QEvent::StyleChange) {
        m_style = screenTimelineStyle(*this);
        relayout();
    }
}
