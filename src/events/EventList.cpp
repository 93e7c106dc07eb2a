#include "events/EventList.h"

#include <QHash>
#include <algorithm>
#include <numeric>

#include "base/Ask.h"
#include "base/Output.h"
#include "base/Texts.h"
#include "events/Plan.h"
#include "project/DueDate.h"
#include "project/ProjectDocument.h"

namespace {

// FNV-1a over the subject's UTF-16 units: the same on every machine and in
// every version, unlike a seeded hash. Written as 16 hex digits.
void appendSubjectHash(QString &to, QStringView subject)
{
    quint64 hash = 14695981039346656037ULL;
    for (QChar c : subject) {
        hash ^= c.unicode();
        hash *= 1099511628211ULL;
    }
    static constexpr char16_t kDigits[] = u"0123456789abcdef";
    for (int shift = 60; shift >= 0; shift -= 4)
        to += QChar(kDigits[(hash >> shift) & 0xf]);
}

} // namespace

QStringList eventUids(const QString &key, const QList<ScheduledTask> &tasks)
{
    QStringList uids;
    uids.reserve(tasks.size());
    QHash<QStringView, int> seen;   // the subjects live in tasks
    seen.reserve(tasks.size());
    for (const ScheduledTask &task : tasks) {
        const int n = ++seen[task.subject];
        QString uid;
        uid.reserve(key.size() + 18 + (n > 1 ? 8 : 0));
        uid += key;
        uid += u'-';
        appendSubjectHash(uid, task.subject);
        if (n > 1)
            uid += u'-' + QString::number(n);
        uids.append(std::move(uid));
    }
    return uids;
}

EventList::EventList(ProjectDocument &document, Ask &ask, Output &output)
    : m_document(document), m_ask(ask), m_output(output)
{
    connect(&document, &ProjectDocument::changed, this, [this](const DocumentChange &change) {
        // Another project's rows were never taken out of this one.
        if (change.cause == DocumentChange::Cause::New || change.cause == DocumentChange::Cause::Load)
            bringAllBack();
    });
}

const QStringList &EventList::columnHeaders()
{
    static const QStringList headers = {
        QStringLiteral("Subject"),  QStringLiteral("Start Date"),    QStringLiteral("Start Time"),
        QStringLiteral("End Date"), QStringLiteral("End Time"),      QStringLiteral("All Day Event"),
        QStringLiteral("Description"), QStringLiteral("Location"), QStringLiteral("Private")};
    return headers;
}

QString EventList::columnText(const Project &project, const ScheduledTask &task, int column)
{
    switch (column) {
    case 0: return task.subject;
    case 1: return DueDate::text(task.start);
    case 3: return DueDate::text(task.end);
    case 5: return Texts::trueValue();
    case 6: return project.subGoals.value(task.subGoal).name;
    case 8: return Texts::falseValue();
    default: return QString();
    }
}

namespace {
// Each shown row's task and its uid, walking the plan once.
// Each shown row's task and its uid, walking the plan once. Without rows
// taken out and without uids wanted, who each task is is not worked out
// (the uid handed on is empty).
template <typename F>
void forEachShown(const Project &project, const Schedule &schedule, const QSet<QString> &removed, bool withUids,
                  F &&f)
{
    const bool uidsNeeded = withUids || !removed.isEmpty();
    const QString none;
    qsizetype row = 0;
    for (qsizetype g = 0; g < schedule.goals.size(); ++g) {
        const QList<ScheduledTask> &tasks = schedule.goals.at(g).tasks;
        const QStringList uids = uidsNeeded ? eventUids(project.subGoals.at(g).key, tasks) : QStringList();
        for (qsizetype t = 0; t < tasks.size(); ++t, ++row) {
            const QString &uid = uidsNeeded ? uids.at(t) : none;
            if (removed.isEmpty() || !removed.contains(uid))
                f(row, tasks.at(t), uid);
        }
    }
}
} // namespace

template <typename F> void EventList::forEachShown(F &&f) const
{
    ::forEachShown(m_document.project(), m_document.schedule(), m_removed, true, std::forward<F>(f));
}

QList<CalendarEvent> calendarEvents(const Project &project, const Schedule &schedule, bool includeDone,
                                    const QSet<QString> &removed, bool withUids)
{
    QList<CalendarEvent> events;
    events.reserve(schedule.size());
    forEachShown(project, schedule, removed, withUids, [&](qsizetype, const ScheduledTask &task, const QString &uid) {
        if (task.done && !includeDone)
            return;
        events.append({task.done ? Texts::donePrefix() + task.subject : task.subject,
                       project.subGoals.at(task.subGoal).name, uid, task.start, task.end});
    });
    return events;
}

QList<qsizetype> EventList::shownRows() const
{
    QList<qsizetype> rows;
    if (m_removed.isEmpty()) {
        // Nothing taken out: every row, without working out who each is.
        const qsizetype n = m_document.schedule().size();
        rows.resize(n);
        std::iota(rows.begin(), rows.end(), qsizetype(0));
        return rows;
    }
    forEachShown([&](qsizetype row, const ScheduledTask &, const QString &) { rows.append(row); });
    return rows;
}

QList<CalendarEvent> EventList::events(bool withUids) const
{
    return calendarEvents(m_document.project(), m_document.schedule(), m_includeDone, m_removed, withUids);
}

void EventList::setChkIncludeDone(bool include)
{
    m_includeDone = include;
}

void EventList::cmdConvertToList_Click()
{
    const Schedule &schedule = m_document.schedule();
    const QList<qsizetype> rows = shownRows();
    QString text;
    for (qsizetype row : rows)
        text += schedule.at(row).line + QStringLiteral("\r\n");
    m_output.setClipboardText(text);
    m_ask.MsgBox(Texts::taskLinesCopied(rows.size()), Texts::productName(), Msg::Information);
}

void EventList::cmdRemoveSelected_Click(const QList<int> &rows)
{
    if (rows.isEmpty())
        return;
    const QSet<int> chosen(rows.begin(), rows.end());
    int shown = 0;
    forEachShown([&](qsizetype, const ScheduledTask &, const QString &uid) {
        if (chosen.contains(shown++))
            m_removed.insert(uid);
    });
    emit rowsChanged();
}

void EventList::cmdRemove_Click()
{
    forEachShown([&](qsizetype, const ScheduledTask &, const QString &uid) { m_removed.insert(uid); });
    emit rowsChanged();
}

void EventList::bringAllBack()
{
    if (m_removed.isEmpty())
        return;
    m_removed.clear();
    emit rowsChanged();
}

void EventList::cmdPrint_Click()
{
    QString error;
    const QStringList lines = printedLines(m_document.project(), m_document.schedule(), shownRows(), QDate::currentDate());
    switch (m_output.printLines(lines, &error)) {
    case PrintOutcome::Cancelled:
        return;
    case PrintOutcome::Failed:
        m_ask.MsgBox(Texts::nothingPrinted(error), Texts::productName(), Msg::Information);
        return;
    case PrintOutcome::Printed:
        m_ask.MsgBox(Texts::printFinished(), Texts::productName(), Msg::OkOnly);
        return;
    }
}

namespace {

constexpr qsizetype kSubjectWidth = 40;   // characters of the widest subject printed
constexpr qsizetype kNameWidth = 16;      // of a sub-goal's name: as long as a name may be typed

// text as one printed line of at most width characters.
QString cell(const QString &text, qsizetype width)
{
    const QString line = plainLine(text);
    return line.size() <= width ? line : line.first(width - 1) + QChar(0x2026);
}

// The cells side by side, each padded to its column's width, two blanks
// apart; a column empty throughout (no task done) left out, and no blanks
// at the end.
QString tableLine(const QStringList &cells, const QList<qsizetype> &widths)
{
    QString line;
    for (qsizetype c = 0; c < cells.size(); ++c) {
        if (widths[c] > 0)
            line += (line.isEmpty() ? QString() : QStringLiteral("  ")) + cells[c].leftJustified(widths[c]);
    }
    while (line.endsWith(u' '))
        line.chop(1);
    return line;
}

} // namespace

QStringList printedLines(const Project &project, const Schedule &schedule, const QList<qsizetype> &rows,
                         const QDate &day)
{
    QList<QStringList> table = {QStringList{QString()} + Texts::printedColumns()};
    for (qsizetype row : rows) {
        const ScheduledTask &task = schedule.at(row);
        table.append({task.done ? Texts::doneTick() : QString(), cell(task.subject, kSubjectWidth),
                      cell(project.subGoals.value(task.subGoal).name, kNameWidth), DueDate::text(task.start),
                      DueDate::text(task.end)});
    }
    QList<qsizetype> widths(table.first().size(), 0);
    for (const QStringList &cells : std::as_const(table)) {
        for (qsizetype c = 0; c < cells.size(); ++c)
            widths[c] = std::max(widths[c], cells[c].size());
    }
    QStringList lines = {cell(Texts::scheduleOf(project.name), 2 * kSubjectWidth), Texts::printedOn(DueDate::text(day)),
                         QString(), tableLine(table.first(), widths)};
    lines.append(QString(lines.last().size(), u'-'));
    for (qsizetype r = 1; r < table.size(); ++r)
        lines.append(tableLine(table.at(r), widths));
    return lines;
}
