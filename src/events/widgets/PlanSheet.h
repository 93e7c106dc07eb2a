#pragma once
// Inside the printed plan: what the chart and the list pages share.
#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QList>
#include <QPainter>
#include <QRectF>
#include <utility>

#include "project/TaskText.h"
#include "events/widgets/TimelinePaint.h"

struct Plan;

namespace PlanInk {
inline const QColor navy{0, 0, 128};         // card names, as on the dashboard
inline const QColor totalInk{0, 0, 64};      // "Tasks: "
inline const QColor completedInk{0, 64, 0};  // "Completed: "
inline const QColor pendingInk{128, 0, 0};   // "Pending: "
inline const QColor overdueBand{160, 0, 0};
inline const QColor green{46, 150, 70};      // the card's green circle
inline const QColor blue{40, 100, 200};      // the card's blue circle
inline const QColor muted{110, 110, 120};
inline const QColor hairline{178, 184, 204};
inline const QColor track{226, 230, 238};
} // namespace PlanInk

// One device's pages as the plan uses them: the painter, the paint area
// (its top left at 0,0) and the resolution every length is taken in.
struct Sheet {
    QPainter &painter;
    QPaintDevice *device;
    QRectF area;
    double dpi;

    double mm(double v) const { return v * dpi / 25.4; }
    QFontMetricsF metrics(const QFont &font) const { return QFontMetricsF(font, device); }
    // The page less its foot, which holds the page number.
    QRectF body() const;
};

QFont planFont(double points, bool bold = false);

// Where the lines of a text break within a width: (start, length) of each
// line, at word boundaries, or between graphemes in a word that is wider
// than the width. An empty text is one empty line.
QList<std::pair<int, int>> wrapLines(const Sheet &sheet, const QFont &font, const QString &text, double width);
// One line of text on a baseline, cut short with "…" between graphemes when
// it is wider than width; x is the left edge, or the right one with
// Qt::AlignRight, or the middle with Qt::AlignHCenter.
void drawLine(Sheet &sheet, const QFont &font, const QColor &ink, QPointF baseline, const QString &text,
              double width, Qt::Alignment align = Qt::AlignLeft);
// A wrapped text of at most maxLines lines, the last one cut short when
// more would be needed; returns the height used.
double drawWrapped(Sheet &sheet, const QFont &font, const QColor &ink, const QRectF &box, const QString &text,
                   int maxLines, Qt::Alignment align = Qt::AlignLeft);
// A task's box on the baseline, ticked when done; returns the width taken,
// the gap after it included.
double drawTickBox(Sheet &sheet, const QFont &font, QPointF baseline, bool done);
double tickBoxWidth(const Sheet &sheet, const QFont &font);
// A bar of how much is done with the fraction beside it.
void drawProgress(Sheet &sheet, const QRectF &box, qsizetype done, qsizetype total);
// The foot of every page: a text on the left, the page number on the right.
void drawFoot(Sheet &sheet, const QString &left, int page, int pages);

// Page 1: the title and the three-by-three chart of the cards.
void drawChart(Sheet &sheet, const Plan &plan, int pages);

// The pages after the chart: every sub-goal with its due date, counters and
// complete task list, flowing down two columns a page. Laid out first, so
// that every page can say how many there are, then drawn.
class PlanLists {
public:
    PlanLists(const Sheet &sheet, const Plan &plan);
    int pageCount() const { return m_pages; }
    // Draws list page `index` (0 = the first after the chart).
    void drawPage(Sheet &sheet, int index, int firstNumber, int pages) const;

private:
    enum class Kind : quint8 { Heading, Counters, Due, Task, NoTasks };
    struct Row {
        Kind kind;
        int goal;
        int task = -1;        // Task: its index in the goal's tasks
        int from = 0, length = 0;   // Heading, Task: the part of the text on this line
        bool first = true;    // Task: the line with its box and dates
        double before = 0;    // space above, dropped at the top of a column
        double height = 0;
        int page = 0, column = 0;
        double y = 0;
    };
    struct Task {
        QString text;
        bool done;
        QString dates;   // "" when the schedule has none
    };

    void place(double top, double bottom);
    void drawRow(Sheet &sheet, const Row &row, double x) const;
    void drawCounters(Sheet &sheet, const QFont &font, const TaskCounts &counts, QPointF baseline, double x) const;
    void drawTask(Sheet &sheet, const QFont &font, const Row &row, QPointF baseline, double slack) const;

    const Plan &m_plan;
    QList<QList<Task>> m_tasks;   // per sub-goal
    QList<QString> m_names;
    QList<Row> m_rows;
    QList<qsizetype> m_firstRow;  // per page: its first row
    double m_columnWidth = 0, m_columnGap = 0, m_datesWidth = 0;
    int m_pages = 0;
};

// The timeline pages, after the chart and before the lists, when the plan
// has dates: the rows in bands a page high, each band over the days its
// bars take, fitted to the page's width or split across pages by time; the
// names down the left of every page. Laid out first, so that every page can say how many there are.
class TimelinePages {
public:
    TimelinePages(const Sheet &sheet, const Plan &plan);
    int pageCount() const { return int(m_pages.size()); }
    // Draws timeline page `index` as page `number` of `pages`.
    void drawPage(Sheet &sheet, int index, int number, int pages) const;

private:
    struct Page {
        int firstRow = 0, endRow = 0;   // the rows it shows
        qint64 fromDay = 0, toDay = 0;  // the days it shows, counted from the timeline's first
        double dayWidth = 0;
    };
    void addBand(int firstRow, int endRow, double chartWidth);
    const TimelineLayout &layoutFor(double dayWidth) const;

    const Plan &m_plan;
    TimelineStyle m_style;
    TimelineLayout m_days, m_weeks;
    mutable TimelineLayout m_other;   // the last of any other width
    QList<Page> m_pages;
    double m_top = 0;   // where the timeline starts under the title
};
