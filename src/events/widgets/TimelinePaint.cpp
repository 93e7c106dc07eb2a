// The timeline drawn: one routine for the screen, the paper and pictures.
#include "events/widgets/TimelinePaint.h"

#include <QWidget>
#include <cmath>

#include "base/Texts.h"
#include "base/widgets/WidgetKit.h"
#include "events/widgets/PlanSheet.h"
#include "events/widgets/TimelineFrame.h"

namespace {

QColor mix(const QColor &ink, const QColor &paper, double share)
{
    return QColor::fromRgbF(float(ink.redF() * share + paper.redF() * (1 - share)),
                            float(ink.greenF() * share + paper.greenF() * (1 - share)),
                            float(ink.blueF() * share + paper.blueF() * (1 - share)));
}

const QColor kTodayInk(224, 122, 0);   // apart from the bars' colours, on light and dark desktops alike

// Sizes that follow the font, so the timeline grows with the desktop's scaling.
void measure(TimelineStyle &style, double nameColumnEms)
{
    const QFontMetricsF fm = style.device ? QFontMetricsF(style.nameFont, style.device) : QFontMetricsF(style.nameFont);
    style.rowHeight = std::ceil(fm.height() * 1.5);
    style.numberWidth = fm.horizontalAdvance(QStringLiteral("00"));
    style.nameWidth = std::ceil(fm.averageCharWidth() * nameColumnEms);
    style.headerHeight = std::ceil(fm.height() * 2.6);
}

void paintRowBands(const TimelineFrame &f, const QRectF &across, int selected)
{
    for (int r = f.firstRow; r < f.endRow; ++r) {
        const TimelineRow &row = f.layout.rows.at(r);
        const QRectF band(across.left(), f.y(r * f.layout.rowHeight), across.width(), f.layout.rowHeight);
        if (row.isGoal())
            f.p.fillRect(band, f.style.stripe);
        if (row.subGoal == selected)
            f.p.fillRect(band, f.style.selection);
        if (row.isGoal() && r > 0) {
            f.p.setPen(QPen(f.style.grid, f.style.line));
            f.p.drawLine(band.topLeft(), band.topRight());
        }
    }
}

// The days not worked, and a line at each week, or month, or year: the
// finest whose lines stand apart.
void paintColumns(const TimelineFrame &f)
{
    const TimelineLayout &l = f.layout;
    const double left = f.origin.x(), right = left + f.chart.width();
    if (l.dayWidth >= 2 * f.style.line) {
        for (const auto &[from, to] : l.shadedWithin(left, right))
            f.p.fillRect(QRectF(f.x(from), f.chart.top(), to - from, f.chart.height()), f.style.shade);
    }
    const double apart = 4 * f.style.line;
    const int months = 7 * l.dayWidth >= apart ? 0 : 28 * l.dayWidth >= apart ? 1 : 12;
    const QDate from = l.first.addDays(f.firstDay());
    // The first line in sight: a Monday, or the first of a month or a year.
    QDate day = months == 0 ? from.addDays((8 - from.dayOfWeek()) % 7)
                            : QDate(from.year(), months == 1 ? from.month() : 1, 1);
    if (day < from)
        day = day.addMonths(months);
    f.p.setPen(QPen(f.style.grid, f.style.line));
    for (; l.first.daysTo(day) < f.endDay(); day = months == 0 ? day.addDays(7) : day.addMonths(months)) {
        const double x = f.x(l.xOf(day));
        f.p.drawLine(QPointF(x, f.chart.top()), QPointF(x, f.chart.bottom()));
    }
}

// A diamond on each sub-goal's row at the end of its due day, and a
// dashed line down through its tasks so a bar is seen to cross it.
void paintDues(const TimelineFrame &f)
{
    const TimelineLayout &l = f.layout;
    const double half = l.rowHeight * 0.28;
    int goal = l.goalRowOf(f.firstRow);
    while (goal < f.endRow) {
        int end = goal + 1;
        while (end < f.endRow && !l.rows.at(end).isGoal())
            ++end;
        if (const std::optional<double> due = l.rows.at(goal).due) {
            const double x = f.x(*due), middle = f.y((goal + 0.5) * l.rowHeight);
            f.p.setPen(QPen(f.style.due, f.style.line * 1.5, Qt::DashLine));
            f.p.drawLine(QPointF(x, std::max(middle, f.chart.top())), QPointF(x, f.y(end * l.rowHeight)));
            const QPointF diamond[] = {{x, middle - half}, {x + half, middle}, {x, middle + half}, {x - half, middle}};
            f.p.setPen(Qt::NoPen);
            f.p.setBrush(f.style.due);
            f.p.drawPolygon(diamond, 4);
        }
        goal = end;
    }
}

void paintBars(const TimelineFrame &f)
{
    f.p.setPen(Qt::NoPen);
    for (int r = f.firstRow; r < f.endRow; ++r) {
        const TimelineRow &row = f.layout.rows.at(r);
        if (row.isGoal())
            continue;
        const QRectF bar = row.bar.translated(f.chart.left() - f.origin.x(), f.chart.top() - f.origin.y());
        if (bar.right() < f.chart.left() || bar.left() > f.chart.right())
            continue;
        f.p.fillRect(bar, row.done ? f.style.done : row.late ? f.style.late : f.style.bar);
        if (!row.overrunFrom)
            continue;
        // Past the due date the bar is hatched, from a mark where it crosses it.
        const double cross = f.x(*row.overrunFrom);
        f.p.fillRect(QRectF(cross, bar.top(), bar.right() - cross, bar.height()),
                     QBrush(f.style.hatch, Qt::BDiagPattern));
        f.p.fillRect(QRectF(cross - f.style.line, bar.top() - bar.height() * 0.3, 2 * f.style.line, bar.height() * 1.6),
                     f.style.ink);
    }
}

void paintNames(const TimelineFrame &f, const QRectF &column)
{
    const QFontMetricsF names = f.metrics(f.style.nameFont), goals = f.metrics(f.style.goalFont);
    const double pad = f.style.numberWidth / 2;
    for (int r = f.firstRow; r < f.endRow; ++r) {
        const TimelineRow &row = f.layout.rows.at(r);
        const QFontMetricsF &fm = row.isGoal() ? goals : names;
        const double indent = row.isGoal() ? pad : pad + f.style.numberWidth;
        const QString text = row.done ? Texts::doneTick() + u' ' + row.label : row.label;
        const double middle = f.y((r + 0.5) * f.layout.rowHeight);
        f.p.setFont(row.isGoal() ? f.style.goalFont : f.style.nameFont);
        f.p.setPen(row.done ? f.style.done : row.late ? f.style.late : f.style.ink);
        f.p.drawText(QPointF(column.left() + indent, middle + (fm.ascent() - fm.descent()) / 2),
                     fm.elidedText(text, Qt::ElideRight, column.width() - indent - pad));
    }
}

// Above the names: the sub-goal whose tasks go on from above, so its name
// is in sight however far down the view is scrolled or the pages go.
void paintCorner(const TimelineFrame &f, const QRectF &corner)
{
    f.p.fillRect(corner, f.style.header);
    if (f.firstRow >= f.endRow || f.layout.rows.at(f.firstRow).isGoal())
        return;
    const QString &name = f.layout.rows.at(f.layout.goalRowOf(f.firstRow)).label;
    const QFontMetricsF fm = f.metrics(f.style.goalFont);
    const double pad = f.style.numberWidth / 2;
    f.p.setFont(f.style.goalFont);
    f.p.setPen(f.style.ink);
    f.p.drawText(QPointF(corner.left() + pad, corner.bottom() - pad - fm.descent()),
                 fm.elidedText(name, Qt::ElideRight, corner.width() - 2 * pad));
}

} // namespace

qint64 TimelineFrame::firstDay() const
{
    return std::max<qint64>(0, qint64(std::floor(origin.x() / layout.dayWidth)));
}

qint64 TimelineFrame::endDay() const
{
    return std::min<qint64>(layout.days, qint64(std::ceil((origin.x() + chart.width()) / layout.dayWidth)));
}

TimelineStyle screenTimelineStyle(const QWidget &widget)
{
    TimelineStyle s;
    s.nameFont = widget.font();
    s.goalFont = widget.font();
    s.goalFont.setBold(true);
    const QPalette &palette = widget.palette();
    s.paper = palette.color(QPalette::Base);
    s.ink = palette.color(QPalette::Text);
    s.stripe = palette.color(QPalette::AlternateBase);
    s.header = palette.color(QPalette::Button);
    s.muted = mix(s.ink, s.paper, 0.55);
    s.grid = mix(s.ink, s.paper, 0.22);
    s.shade = mix(s.ink, s.paper, 0.08);
    s.bar = palette.color(QPalette::Highlight);
    s.done = Kit::doneGrey;
    s.late = Kit::lateRed;
    s.hatch = QColor(255, 255, 255, 170);   // light stripes on the red: past the due date
    s.today = kTodayInk;
    s.due = s.ink;
    s.selection = palette.color(QPalette::Highlight);
    s.selection.setAlphaF(0.16f);
    measure(s, 30);
    return s;
}

TimelineStyle paperTimelineStyle(QPaintDevice *device, double dpi)
{
    TimelineStyle s;
    s.device = device;
    s.nameFont = planFont(7.5);
    s.goalFont = planFont(7.5, true);
    s.paper = Qt::white;
    s.ink = QColor(24, 24, 32);
    s.stripe = QColor(236, 241, 252);
    s.header = QColor(244, 246, 252);
    s.muted = PlanInk::muted;
    s.grid = PlanInk::hairline;
    s.shade = QColor(236, 236, 240);
    s.bar = PlanInk::blue;
    s.done = Kit::doneGrey;
    s.late = Kit::lateRed;
    s.hatch = QColor(255, 255, 255, 170);
    s.today = kTodayInk;
    s.due = PlanInk::navy;
    s.selection = Qt::transparent;
    measure(s, 34);
    s.line = 0.15 * dpi / 25.4;
    return s;
}

QSizeF timelineSize(const TimelineLayout &layout, const TimelineStyle &style)
{
    return {style.nameWidth + layout.width(), style.headerHeight + layout.height()};
}

void paintTimeline(QPainter &painter, const TimelineLayout &layout, const TimelineStyle &style, const QRectF &target,
                   QRectF source, int selectedSubGoal)
{
    // The part shown never runs past the timeline's ends.
    source.setRight(std::min(source.right(), layout.width()));
    source.setBottom(std::min(source.bottom(), layout.height()));
    const QRectF chart(target.left() + style.nameWidth, target.top() + style.headerHeight,
                       std::max(0.0, std::min(target.width() - style.nameWidth, source.width())),
                       std::max(0.0, std::min(target.height() - style.headerHeight, source.height())));
    const int firstRow = std::max(0, int(source.top() / layout.rowHeight));
    const int endRow = std::min(int(layout.rows.size()),
                                int(std::ceil((source.top() + chart.height()) / layout.rowHeight - 1e-9)));
    const TimelineFrame f{painter, layout, style, chart, source.topLeft(), firstRow, endRow};
    painter.save();
    painter.fillRect(target, style.paper);
    const QRectF names(target.left(), chart.top(), style.nameWidth, chart.height());
    painter.setClipRect(names.united(chart));
    paintRowBands(f, names.united(chart), selectedSubGoal);
    painter.setClipRect(chart);
    paintColumns(f);
    paintDues(f);
    paintBars(f);
    if (layout.today) {
        painter.setPen(QPen(style.today, style.line * 2));
        painter.drawLine(QPointF(f.x(*layout.today), chart.top()), QPointF(f.x(*layout.today), chart.bottom()));
    }
    painter.setClipRect(names);
    paintNames(f, names);
    painter.setClipping(false);
    paintTimelineHeader(f);
    paintCorner(f, QRectF(target.left(), target.top(), style.nameWidth, style.headerHeight));
    // The rules that keep the names and the dates apart from the bars.
    painter.setPen(QPen(style.grid, style.line));
    painter.drawLine(QPointF(chart.left(), target.top()), QPointF(chart.left(), chart.bottom()));
    painter.drawLine(QPointF(target.left(), chart.top()), QPointF(chart.right(), chart.top()));
    painter.restore();
}
