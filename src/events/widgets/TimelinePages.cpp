// The timeline pages of the printed plan: the routine that draws the
// screen's timeline, a band of rows and a stretch of days to a page.
#include <QDate>
#include <cmath>

#include "base/Texts.h"
#include "events/Plan.h"
#include "events/widgets/PlanSheet.h"
#include "project/DueDate.h"

namespace {

QFont titleFont() { return planFont(14, true); }
// A band wider than this many pages of weeks is drawn narrower instead: a
// task of years takes a few pages, not hundreds.
constexpr qint64 kMostPagesAcross = 4;

qint64 dayOf(double x, double dayWidth) { return qint64(std::floor(x / dayWidth + 0.5)); }

} // namespace

TimelinePages::TimelinePages(const Sheet &sheet, const Plan &plan)
    : m_plan(plan), m_style(paperTimelineStyle(sheet.device, sheet.dpi))
{
    if (plan.schedule.goals.isEmpty())
        return;   // no start date: no dates to draw
    m_days = layoutTimeline(plan.project, plan.schedule, plan.printedOn, m_style.dayWidth(TimelineScale::Days),
                            m_style.rowHeight);
    m_weeks = layoutTimeline(plan.project, plan.schedule, plan.printedOn, m_style.dayWidth(TimelineScale::Weeks),
                             m_style.rowHeight);
    const QRectF body = sheet.body();
    m_top = body.top() + sheet.metrics(titleFont()).height() + sheet.mm(3);
    const int rowsFit = std::max(1, int((body.bottom() - m_top - m_style.headerHeight) / m_style.rowHeight));
    const int rows = int(m_days.rows.size());
    for (int first = 0; first < rows;) {
        int end = std::min(rows, first + rowsFit);
        // A sub-goal's name goes over to the next page with its first task.
        if (end < rows && end - first > 1 && m_days.rows.at(end - 1).isGoal())
            --end;
        addBand(first, end, body.width() - m_style.nameWidth);
        first = end;
    }
}

void TimelinePages::addBand(int firstRow, int endRow, double chartWidth)
{
    // The days the band's bars and due dates take, in whole weeks.
    const double width = m_days.dayWidth;
    qint64 from = m_days.days, to = 0;
    for (int r = firstRow; r < endRow; ++r) {
        const TimelineRow &row = m_days.rows.at(r);
        if (!row.isGoal()) {
            from = std::min(from, dayOf(row.bar.left(), width));
            to = std::max(to, dayOf(row.bar.right(), width));
        } else if (row.due) {
            from = std::min(from, dayOf(*row.due, width) - 1);
            to = std::max(to, dayOf(*row.due, width) + 1);
        }
    }
    if (from >= to) {   // nothing dated: the first fortnight
        from = 0;
        to = std::min<qint64>(m_days.days, 14);
    }
    from -= from % 7;
    to = std::min(m_days.days, (to + 6) / 7 * 7);
    // On one page when it fits, between days and weeks; else in weeks
    // across pages, or narrower still for a band of years.
    const qint64 span = to - from;
    const double fitting = chartWidth / double(span);
    if (fitting >= m_weeks.dayWidth) {
        m_pages.append({firstRow, endRow, from, to, std::min(width, fitting)});
        return;
    }
    qint64 perPage = std::max<qint64>(7, qint64(chartWidth / m_weeks.dayWidth) / 7 * 7);
    double dayWidth = m_weeks.dayWidth;
    if (span > perPage * kMostPagesAcross) {
        perPage = (span + kMostPagesAcross - 1) / kMostPagesAcross;
        dayWidth = chartWidth / double(perPage);
    }
    for (qint64 day = from; day < to; day += perPage)
        m_pages.append({firstRow, endRow, day, std::min(to, day + perPage), dayWidth});
}

const TimelineLayout &TimelinePages::layoutFor(double dayWidth) const
{
    if (dayWidth == m_days.dayWidth)
        return m_days;
    if (dayWidth == m_weeks.dayWidth)
        return m_weeks;
    // The pages of a band follow each other: one layout serves them all.
    if (m_other.dayWidth != dayWidth || m_other.rows.isEmpty())
        m_other = layoutTimeline(m_plan.project, m_plan.schedule, m_plan.printedOn, dayWidth, m_style.rowHeight);
    return m_other;
}

void TimelinePages::drawPage(Sheet &sheet, int index, int number, int pages) const
{
    const Page &page = m_pages.at(index);
    const TimelineLayout *layout = &layoutFor(page.dayWidth);
    const QRectF body = sheet.body();
    const QFont title = titleFont(), datesFont = planFont(9);
    const double baseline = body.top() + sheet.metrics(title).ascent();
    const QString dates = Texts::fromTo(DueDate::text(layout->first.addDays(page.fromDay)),
                                        DueDate::text(layout->first.addDays(page.toDay - 1)));
    const double datesWidth = sheet.metrics(datesFont).horizontalAdvance(dates);
    drawLine(sheet, title, PlanInk::navy, {body.left(), baseline}, Texts::timelineTitle(),
             body.width() - datesWidth - sheet.mm(8));
    drawLine(sheet, datesFont, PlanInk::muted, {body.right(), baseline}, dates, datesWidth + 1, Qt::AlignRight);

    const double left = double(page.fromDay) * layout->dayWidth, right = double(page.toDay) * layout->dayWidth;
    const QRectF source(left, page.firstRow * m_style.rowHeight, right - left,
                        (page.endRow - page.firstRow) * m_style.rowHeight);
    paintTimeline(sheet.painter, *layout, m_style, QRectF(body.left(), m_top, body.width(), body.bottom() - m_top),
                  source);
    drawFoot(sheet, plainLine(m_plan.project.name), number, pages);
}
