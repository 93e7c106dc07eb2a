// The timeline's dates along its top, as fine as the scale leaves room for.
#include <QLocale>

#include "base/Texts.h"
#include "events/widgets/TimelineFrame.h"

namespace {

enum class Unit { Day, Week, Month, Year, None };

QDate startOf(Unit unit, const QDate &day)
{
    switch (unit) {
    case Unit::Day: return day;
    case Unit::Week: return day.addDays(1 - day.dayOfWeek());
    case Unit::Month: return QDate(day.year(), day.month(), 1);
    default: return QDate(day.year(), 1, 1);
    }
}

QDate nextOf(Unit unit, const QDate &day)
{
    switch (unit) {
    case Unit::Day: return day.addDays(1);
    case Unit::Week: return day.addDays(7);
    case Unit::Month: return day.addMonths(1);
    default: return day.addYears(1);
    }
}

double shortestDays(Unit unit)
{
    switch (unit) {
    case Unit::Day: return 1;
    case Unit::Week: return 7;
    case Unit::Month: return 28;
    default: return 365;
    }
}

// What each of the two lines counts, and how the upper one writes its dates.
struct Lines {
    Unit low = Unit::None, high = Unit::None;
    QString lowFormat, highFormat;
};

Lines linesFor(const TimelineFrame &f)
{
    const QFontMetricsF fm = f.metrics(f.style.nameFont);
    const auto fits = [&](Unit unit, const QString &sample) {
        return shortestDays(unit) * f.layout.dayWidth >= fm.horizontalAdvance(sample) + f.style.numberWidth / 2;
    };
    const QString month = QStringLiteral("MMM"), year = Texts::timelineYear();
    Lines lines;
    if (fits(Unit::Day, QStringLiteral("00")))
        lines = {Unit::Day, Unit::Month, QStringLiteral("d"), {}};
    else if (fits(Unit::Week, QStringLiteral("00")))
        lines = {Unit::Week, Unit::Month, QStringLiteral("d"), {}};
    else if (fits(Unit::Month, QStringLiteral("Mmm")))
        return {Unit::Month, Unit::Year, month, year};
    else if (fits(Unit::Year, QStringLiteral("0000")))
        return {Unit::Year, Unit::None, year, {}};
    else
        return {};
    const QDate september(2000, 9, 30);   // the longest month's name
    if (fits(Unit::Month, QLocale().toString(september, Texts::timelineMonth())))
        lines.highFormat = Texts::timelineMonth();
    else if (fits(Unit::Month, QLocale().toString(september, Texts::timelineShortMonth())))
        lines.highFormat = Texts::timelineShortMonth();
    else
        lines = {lines.low, Unit::Year, lines.lowFormat, year};
    return lines;
}

// One line of the header: a tick and a label for each unit in sight. A
// sticky label stays in sight while its unit does; a centred one sits in
// the middle of its column.
void paintUnits(const TimelineFrame &f, Unit unit, const QString &format, const QRectF &band, bool sticky)
{
    const TimelineLayout &l = f.layout;
    const QFontMetricsF fm = f.metrics(f.style.nameFont);
    const double pad = f.style.numberWidth / 4;
    const double baseline = band.center().y() + (fm.ascent() - fm.descent()) / 2;
    const double bottom = f.chart.top();
    f.p.setFont(f.style.nameFont);
    for (QDate day = startOf(unit, l.first.addDays(f.firstDay())); f.x(l.xOf(day)) < f.chart.right();) {
        const QDate next = nextOf(unit, day);
        const double x0 = f.x(l.xOf(day)), x1 = f.x(l.xOf(next));
        f.p.setPen(QPen(f.style.grid, f.style.line));
        f.p.drawLine(QPointF(x0, band.top()), QPointF(x0, bottom));
        const QString text = QLocale().toString(day, format);
        f.p.setPen(unit == Unit::Day && !l.calendar.isWorkingDay(day) ? f.style.muted : f.style.ink);
        if (unit == Unit::Day) {
            f.p.drawText(QPointF((x0 + x1 - fm.horizontalAdvance(text)) / 2, baseline), text);
        } else {
            const double left = (sticky ? std::max(x0, f.chart.left()) : x0) + pad;
            if (x1 - left - pad > pad)
                f.p.drawText(QPointF(left, baseline), fm.elidedText(text, Qt::ElideRight, x1 - left - pad));
        }
        day = next;
    }
}

} // namespace

void paintTimelineHeader(const TimelineFrame &f)
{
    const QRectF header(f.chart.left(), f.chart.top() - f.style.headerHeight, f.chart.width(), f.style.headerHeight);
    f.p.save();
    f.p.setClipRect(header);
    f.p.fillRect(header, f.style.header);
    const Lines lines = linesFor(f);
    const QRectF upper(header.left(), header.top(), header.width(), header.height() / 2);
    const QRectF lower = upper.translated(0, header.height() / 2);
    if (lines.high != Unit::None)
        paintUnits(f, lines.high, lines.highFormat, upper, true);
    if (lines.low != Unit::None)
        paintUnits(f, lines.low, lines.lowFormat, lines.high == Unit::None ? header : lower, false);
    if (f.layout.today) {
        // Today's mark where the dates meet the bars.
        const double x = f.x(*f.layout.today);
        f.p.fillRect(QRectF(x - f.style.line, lower.top(), 2 * f.style.line, lower.height()), f.style.today);
    }
    f.p.restore();
}
