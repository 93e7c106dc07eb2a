// The list pages of the printed plan: every task, in order, over two columns.
#include <QDate>

#include "base/Texts.h"
#include "events/Plan.h"
#include "events/widgets/PlanSheet.h"
#include "project/DueDate.h"
#include "project/TaskText.h"

namespace {
QFont headingFont() { return planFont(12, true); }
QFont metaFont() { return planFont(9); }
QFont taskFont() { return planFont(9.5); }
constexpr qsizetype kWholeTaskLines = 4;   // a longer task may go on in the next column
} // namespace

PlanLists::PlanLists(const Sheet &sheet, const Plan &plan) : m_plan(plan)
{
    const QRectF body = sheet.body();
    m_columnGap = sheet.mm(10);
    m_columnWidth = (body.width() - m_columnGap) / 2;
    const double heading = sheet.metrics(headingFont()).lineSpacing();
    const double meta = sheet.metrics(metaFont()).lineSpacing();
    const QFontMetricsF fm = sheet.metrics(taskFont());
    if (!plan.schedule.goals.isEmpty()) {
        const QString widest = DueDate::text(QDate(2000, 12, 28));
        m_datesWidth = fm.horizontalAdvance(Texts::fromTo(widest, widest));
    }
    const double textWidth =
        m_columnWidth - tickBoxWidth(sheet, taskFont()) - (m_datesWidth > 0 ? m_datesWidth + sheet.mm(4) : 0);

    for (int g = 0; g < plan.project.subGoals.size(); ++g) {
        const SubGoal &goal = plan.project.subGoals[g];
        m_names.append(plainLine(goal.name));
        const auto nameLines = wrapLines(sheet, headingFont(), m_names.last(), m_columnWidth);
        for (qsizetype i = 0; i < nameLines.size(); ++i)
            m_rows.append({.kind = Kind::Heading, .goal = g, .from = nameLines[i].first,
                           .length = nameLines[i].second, .first = i == 0, .before = i == 0 ? sheet.mm(7) : 0,
                           .height = heading});
        m_rows.append({.kind = Kind::Counters, .goal = g, .before = sheet.mm(0.8), .height = meta});
        if (!goal.due.isEmpty())
            m_rows.append({.kind = Kind::Due, .goal = g, .height = meta});

        QList<Task> tasks;
        for (const PlanTask &t : planTasks(goal.tasks)) {
            QString dates;
            if (const ScheduledTask *task = plan.schedule.taskOnLine(g, t.lineNumber + 1))
                dates = Texts::fromTo(DueDate::text(task->start), DueDate::text(task->end));
            const int index = int(tasks.size());
            tasks.append({t.text, t.done, dates});
            const auto lines = wrapLines(sheet, taskFont(), t.text, textWidth);
            for (qsizetype i = 0; i < lines.size(); ++i)
                m_rows.append({.kind = Kind::Task, .goal = g, .task = index, .from = lines[i].first,
                               .length = lines[i].second, .first = i == 0,
                               .before = i > 0 ? 0 : sheet.mm(index == 0 ? 2 : 0.9), .height = fm.lineSpacing()});
        }
        if (tasks.isEmpty())
            m_rows.append({.kind = Kind::NoTasks, .goal = g, .before = sheet.mm(2), .height = fm.lineSpacing()});
        m_tasks.append(std::move(tasks));
    }
    place(body.top(), body.bottom());
}

void PlanLists::place(double top, double bottom)
{
    int page = 0, column = 0;
    double y = top;
    bool atTop = true;
    for (qsizetype i = 0; i < m_rows.size(); ++i) {
        Row &row = m_rows[i];
        // A sub-goal's heading stays with its counters and its first line;
        // a task of a few lines stays whole.
        double need = (atTop ? 0 : row.before) + row.height;
        if (row.kind == Kind::Heading && row.first) {
            for (qsizetype j = i + 1; j < m_rows.size(); ++j) {
                need += m_rows[j].before + m_rows[j].height;
                if (m_rows[j].kind == Kind::Task || m_rows[j].kind == Kind::NoTasks)
                    break;
            }
        } else if (row.kind == Kind::Task && row.first) {
            qsizetype j = i + 1;
            double rest = 0;
            for (; j < m_rows.size() && m_rows[j].kind == Kind::Task && !m_rows[j].first; ++j)
                rest += m_rows[j].height;
            if (j - i <= kWholeTaskLines)
                need += rest;
        }
        if (!atTop && y + need > bottom) {
            if (++column == 2) {
                column = 0;
                ++page;
            }
            y = top;
            atTop = true;
        }
        row.page = page;
        row.column = column;
        row.y = y + (atTop ? 0 : row.before);
        y = row.y + row.height;
        atTop = false;
        if (m_firstRow.size() == page)
            m_firstRow.append(i);
    }
    m_pages = int(m_firstRow.size());
}

void PlanLists::drawPage(Sheet &sheet, int index, int firstNumber, int pages) const
{
    const qsizetype end = index + 1 < m_firstRow.size() ? m_firstRow[index + 1] : m_rows.size();
    for (qsizetype i = m_firstRow[index]; i < end; ++i)
        drawRow(sheet, m_rows[i], sheet.area.left() + m_rows[i].column * (m_columnWidth + m_columnGap));
    drawFoot(sheet, plainLine(m_plan.project.name), firstNumber + index, pages);
}

void PlanLists::drawRow(Sheet &sheet, const Row &row, double x) const
{
    const SubGoal &goal = m_plan.project.subGoals[row.goal];
    const QFont font = row.kind == Kind::Heading ? headingFont() : row.kind == Kind::Task ? taskFont() : metaFont();
    const QFontMetricsF fm = sheet.metrics(font);
    const QPointF baseline(x, row.y + fm.ascent());
    // Lines that were measured to fit get some slack, so that rounding
    // never cuts their last letter.
    const double slack = sheet.mm(2);
    switch (row.kind) {
    case Kind::Heading:
        if (row.first) {
            const double rule = std::max(row.y - sheet.mm(1.5), sheet.area.top());
            sheet.painter.setPen(QPen(PlanInk::navy, sheet.mm(0.5)));
            sheet.painter.drawLine(QPointF(x, rule), QPointF(x + m_columnWidth, rule));
        }
        drawLine(sheet, font, PlanInk::navy, baseline, m_names[row.goal].mid(row.from, row.length).trimmed(),
                 m_columnWidth + slack);
        break;
    case Kind::Counters:
        drawCounters(sheet, font, TaskText::count(goal.tasks), baseline, x);
        break;
    case Kind::Due: {
        const QString due = Texts::dueDateCaption(plainLine(goal.due));
        drawLine(sheet, font, PlanInk::navy, baseline, due, m_columnWidth);
        if (const Lateness lateness = m_plan.lateness.value(row.goal); lateness.late()) {
            QFont bold = font;
            bold.setBold(true);
            const double at = fm.horizontalAdvance(due) + sheet.mm(3);
            drawLine(sheet, bold, PlanInk::overdueBand, baseline + QPointF(at, 0), lateMark(lateness), m_columnWidth - at);
        }
        break;
    }
    case Kind::Task:
        drawTask(sheet, font, row, baseline, slack);
        break;
    case Kind::NoTasks: {
        QFont italic = font;
        italic.setItalic(true);
        drawLine(sheet, italic, PlanInk::muted, baseline, Texts::noTasks(), m_columnWidth);
        break;
    }
    }
}

void PlanLists::drawCounters(Sheet &sheet, const QFont &font, const TaskCounts &counts, QPointF baseline,
                             double x) const
{
    const QFontMetricsF fm = sheet.metrics(font);
    double at = x;
    for (const auto &[text, ink] :
         {std::pair{Texts::tasksCounter(counts.total), PlanInk::totalInk},
          std::pair{Texts::completedCounter(counts.completed), PlanInk::completedInk},
          std::pair{Texts::pendingCounter(counts.total - counts.completed), PlanInk::pendingInk}}) {
        drawLine(sheet, font, ink, {at, baseline.y()}, text, x + m_columnWidth - at);
        at += fm.horizontalAdvance(text) + sheet.mm(5);
    }
}

void PlanLists::drawTask(Sheet &sheet, const QFont &font, const Row &row, QPointF baseline, double slack) const
{
    const Task &task = m_tasks[row.goal][row.task];
    const double box = tickBoxWidth(sheet, font);
    if (row.first) {
        drawTickBox(sheet, font, baseline, task.done);
        if (!task.dates.isEmpty())
            drawLine(sheet, font, PlanInk::muted, baseline + QPointF(m_columnWidth, 0), task.dates, m_datesWidth,
                     Qt::AlignRight);
    }
    const double width = m_columnWidth - box - (m_datesWidth > 0 ? m_datesWidth + sheet.mm(4) : 0);
    drawLine(sheet, font, task.done ? PlanInk::muted : Qt::black, baseline + QPointF(box, 0),
             task.text.mid(row.from, row.length).trimmed(), width + slack);
}
