// Page 1 of the printed plan: the cards in their places on the dashboard.
#include <QDate>

#include "base/Rules.h"
#include "base/Texts.h"
#include "events/Plan.h"
#include "events/widgets/PlanSheet.h"
#include "project/DueDate.h"
#include "project/TaskText.h"

namespace {

// Row and column of cards 1 to 8 on the three-by-three grid, as picGoal_1
// to picGoal_8 sit on the dashboard: numbered row by row around the middle.
constexpr int kPlace[Rules::kSubGoalCards][2] = {{0, 0}, {0, 1}, {0, 2}, {1, 0}, {1, 2}, {2, 0}, {2, 1}, {2, 2}};

void drawCounters(Sheet &sheet, double &y, const QRectF &inner, const TaskCounts &counts)
{
    const QFont font = planFont(9);
    const QFontMetricsF fm = sheet.metrics(font);
    const std::pair<QString, QColor> counters[] = {
        {Texts::tasksCounter(counts.total), PlanInk::totalInk},
        {Texts::completedCounter(counts.completed), PlanInk::completedInk},
        {Texts::pendingCounter(counts.total - counts.completed), PlanInk::pendingInk}};
    const double gap = sheet.mm(4);
    double row = 2 * gap;
    for (const auto &c : counters)
        row += fm.horizontalAdvance(c.first);
    // Side by side when they fit, else one under the other as on the card.
    const bool oneRow = row <= inner.width();
    double x = inner.left();
    for (const auto &[text, ink] : counters) {
        drawLine(sheet, font, ink, {x, y + fm.ascent()}, text, inner.right() - x);
        if (oneRow) {
            x += fm.horizontalAdvance(text) + gap;
        } else {
            y += fm.lineSpacing();
        }
    }
    if (oneRow)
        y += fm.lineSpacing();
}

void drawDueBand(Sheet &sheet, double &y, const QRectF &inner, const SubGoal &goal, const Lateness &lateness)
{
    const QFont font = planFont(8.5, true);
    const QFontMetricsF fm = sheet.metrics(font);
    // Red as on the card: the date has passed, or the plan runs past it.
    const bool late = lateness.late();
    const QRectF band(inner.left(), y, inner.width(), fm.height() + sheet.mm(1.6));
    sheet.painter.setPen(Qt::NoPen);
    sheet.painter.setBrush(late ? PlanInk::overdueBand : PlanInk::navy);
    sheet.painter.drawRect(band);
    const double pad = sheet.mm(1.5);
    const double baseline = band.top() + sheet.mm(0.8) + fm.ascent();
    double room = band.width() - 2 * pad;
    if (late) {
        const QString mark = lateMark(lateness);
        const double markWidth = fm.horizontalAdvance(mark);
        drawLine(sheet, font, Qt::white, {band.right() - pad, baseline}, mark, markWidth + 1, Qt::AlignRight);
        room -= markWidth + sheet.mm(3);
    }
    drawLine(sheet, font, Qt::white, {band.left() + pad, baseline}, Texts::dueDateCaption(plainLine(goal.due)), room);
    y = band.bottom() + sheet.mm(1.5);
}

void drawTaskLines(Sheet &sheet, double y, const QRectF &inner, const QString &taskText)
{
    const QList<PlanTask> tasks = planTasks(taskText);
    const QFont font = planFont(8.5);
    const QFontMetricsF fm = sheet.metrics(font);
    const qsizetype fit = qsizetype((inner.bottom() - y) / fm.lineSpacing());
    // The last line that fits says how many more there are.
    const qsizetype shown = tasks.size() <= fit ? tasks.size() : std::max<qsizetype>(0, fit - 1);
    for (qsizetype i = 0; i < shown; ++i, y += fm.lineSpacing()) {
        const QPointF baseline(inner.left(), y + fm.ascent());
        const double box = drawTickBox(sheet, font, baseline, tasks[i].done);
        drawLine(sheet, font, tasks[i].done ? PlanInk::muted : Qt::black, baseline + QPointF(box, 0), tasks[i].text,
                 inner.width() - box);
    }
    if (shown < tasks.size() && fit > 0) {
        QFont more = font;
        more.setItalic(true);
        drawLine(sheet, more, PlanInk::muted, {inner.left(), y + fm.ascent()}, Texts::andMore(tasks.size() - shown),
                 inner.width());
    }
}

void drawCard(Sheet &sheet, const QRectF &card, const SubGoal &goal, const Lateness &lateness)
{
    QPainter &p = sheet.painter;
    p.save();
    p.setPen(QPen(PlanInk::hairline, sheet.mm(0.3)));
    p.setBrush(Qt::white);
    p.drawRoundedRect(card, sheet.mm(2), sheet.mm(2));
    // Whatever the paper, nothing of a card reaches into its neighbours.
    p.setClipRect(card);
    const QRectF inner = card.adjusted(sheet.mm(3), sheet.mm(2.5), -sheet.mm(3), -sheet.mm(2.5));
    const TaskCounts counts = TaskText::count(goal.tasks);
    const bool green = counts.completed > 0 && counts.completed == counts.total;

    const double dot = sheet.mm(3.2);
    p.setPen(Qt::NoPen);
    p.setBrush(green ? PlanInk::green : PlanInk::blue);
    p.drawEllipse(QRectF(inner.right() - dot, inner.top() + sheet.mm(0.6), dot, dot));

    QFont name = planFont(12, true);
    name.setUnderline(true);
    double y = inner.top();
    y += drawWrapped(sheet, name, PlanInk::navy, QRectF(inner.left(), y, inner.width() - dot - sheet.mm(2), 0),
                     plainLine(goal.name), 2);
    y += sheet.mm(1);
    drawCounters(sheet, y, inner, counts);
    y += sheet.mm(1);
    if (!goal.due.isEmpty())
        drawDueBand(sheet, y, inner, goal, lateness);
    drawProgress(sheet, QRectF(inner.left(), y, inner.width(), sheet.mm(3.5)), counts.completed, counts.total);
    y += sheet.mm(5);
    drawTaskLines(sheet, y, inner, goal.tasks);
    p.restore();
}

void drawMainGoal(Sheet &sheet, const QRectF &cell, const Plan &plan)
{
    QPainter &p = sheet.painter;
    // As on the dashboard: smaller than a card, in the middle of its place.
    const QRectF box(cell.center().x() - cell.width() * 0.46, cell.center().y() - cell.height() * 0.32,
                     cell.width() * 0.92, cell.height() * 0.64);
    p.save();
    p.setPen(QPen(PlanInk::navy, sheet.mm(0.6)));
    p.setBrush(QColor(236, 241, 252));
    p.drawRoundedRect(box, sheet.mm(2.5), sheet.mm(2.5));
    p.setClipRect(box);
    const QRectF inner = box.adjusted(sheet.mm(4), sheet.mm(3), -sheet.mm(4), -sheet.mm(3));
    QFont font = planFont(16, true);
    font.setUnderline(true);
    const QFontMetricsF fm = sheet.metrics(font);
    const double bar = sheet.mm(5);
    const int lines = std::max(1, int((inner.height() - bar) / fm.lineSpacing()));
    const QString name = plainLine(plan.project.name);
    const double height = std::min<double>(lines, wrapLines(sheet, font, name, inner.width()).size()) * fm.lineSpacing();
    const double top = inner.top() + (inner.height() - bar - height) / 2;
    drawWrapped(sheet, font, PlanInk::navy, QRectF(inner.left(), top, inner.width(), height), name, lines,
                Qt::AlignHCenter);
    TaskCounts all;
    for (const SubGoal &goal : plan.project.subGoals) {
        const TaskCounts counts = TaskText::count(goal.tasks);
        all.total += counts.total;
        all.completed += counts.completed;
    }
    if (!plan.project.subGoals.isEmpty())
        drawProgress(sheet, QRectF(inner.left() + inner.width() * 0.15, top + height + sheet.mm(1.5),
                                   inner.width() * 0.7, sheet.mm(3.5)), all.completed, all.total);
    p.restore();
}

} // namespace

void drawChart(Sheet &sheet, const Plan &plan, int pages)
{
    const QRectF body = sheet.body();
    const QFont title = planFont(20, true);
    const QFont dateFont = planFont(10);
    const QFontMetricsF tm = sheet.metrics(title);
    const QString printed = Texts::printedOn(DueDate::text(plan.printedOn));
    const double dateWidth = sheet.metrics(dateFont).horizontalAdvance(printed);
    const double baseline = body.top() + tm.ascent();
    drawLine(sheet, title, PlanInk::navy, {body.left(), baseline}, plainLine(plan.project.name),
             body.width() - dateWidth - sheet.mm(8));
    drawLine(sheet, dateFont, PlanInk::muted, {body.right(), baseline}, printed, dateWidth + 1, Qt::AlignRight);
    const double rule = body.top() + tm.height() + sheet.mm(1.5);
    sheet.painter.setPen(QPen(PlanInk::navy, sheet.mm(0.5)));
    sheet.painter.drawLine(QPointF(body.left(), rule), QPointF(body.right(), rule));

    const double gap = sheet.mm(4);
    const QRectF grid(body.left(), rule + gap, body.width(), body.bottom() - rule - gap);
    const double w = (grid.width() - 2 * gap) / 3, h = (grid.height() - 2 * gap) / 3;
    auto cell = [&](int row, int column) {
        return QRectF(grid.left() + column * (w + gap), grid.top() + row * (h + gap), w, h);
    };
    const qsizetype cards = std::min<qsizetype>(plan.project.subGoals.size(), Rules::kSubGoalCards);
    for (qsizetype k = 0; k < cards; ++k)
        drawCard(sheet, cell(kPlace[k][0], kPlace[k][1]), plan.project.subGoals[k], plan.lateness.value(k));
    drawMainGoal(sheet, cell(1, 1), plan);
    drawFoot(sheet, QString(), 1, pages);
}
