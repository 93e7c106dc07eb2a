// Task lines as a plan of working days.
#include "project/Schedule.h"

#include <algorithm>

#include "base/Rules.h"
#include "component/KestrelFile.h"
#include "project/DueDate.h"
#include "project/Sequence.h"
#include "project/TaskText.h"

namespace {

constexpr int kMaxDays = 9999;
// Four-digit years in every export, and the day after the last one is the
// calendar file's end of an event.
const QDate kLastCalendarDay(9999, 12, 30);

bool isAsciiDigit(QChar c) { return c >= u'0' && c <= u'9'; }
bool isAsciiLetter(QChar c) { return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'); }

QStringView trimmedEnd(QStringView v)
{
    while (!v.isEmpty() && v.back().isSpace())
        v.chop(1);
    return v;
}

// The words a duration mark may end with.
struct Unit {
    QStringView word;
    bool weeks;
};
constexpr Unit kUnits[] = {{u"days", false}, {u"day", false}, {u"weeks", true}, {u"week", true}, {u"w", true}};

// A "+" that may begin a mark stands at the start or after a blank, so a
// phone number such as "Call+44" is no mark.
bool standsAlone(QStringView text, qsizetype plus) { return plus == 0 || text[plus - 1].isSpace(); }

// Where the duration mark of text begins, with its count and unit; -1 when
// text ends in none.
qsizetype durationMark(QStringView text, int &count, bool &weeks)
{
    QStringView v = trimmedEnd(text);
    // The letters at the end: none, or one of the units.
    qsizetype letters = 0;
    while (letters < v.size() && letters < 6 && isAsciiLetter(v[v.size() - 1 - letters]))
        ++letters;
    bool inWeeks = false;
    if (letters > 0) {
        const QStringView word = v.last(letters);
        const auto unit = std::find_if(std::begin(kUnits), std::end(kUnits), [word](const Unit &u) {
            return u.word.size() == word.size() && u.word.compare(word, Qt::CaseInsensitive) == 0;
        });
        if (unit == std::end(kUnits))
            return -1;
        inWeeks = unit->weeks;
        v.chop(letters);
    }
    v = trimmedEnd(v);
    qsizetype digits = v.size();
    while (digits > 0 && isAsciiDigit(v[digits - 1]))
        --digits;
    if (digits == v.size())
        return -1;
    const QStringView number = v.sliced(digits);
    const QStringView before = trimmedEnd(v.first(digits));
    if (!before.endsWith(u'+') || !standsAlone(before, before.size() - 1))
        return -1;
    qsizetype first = 0;   // leading zeros are no digits of the count
    while (first < number.size() - 1 && number[first] == u'0')
        ++first;
    if (number.size() - first > 4)
        return -1;
    const int n = number.sliced(first).toInt();
    if (n < 1 || n > kMaxDays)
        return -1;
    count = n;
    weeks = inWeeks;
    return before.size() - 1;
}

// The last "+" of text that stands alone; -1 when none does.
qsizetype lastLonePlus(QStringView text)
{
    for (qsizetype i = text.lastIndexOf(u'+'); i >= 0; i = i > 0 ? text.first(i).lastIndexOf(u'+') : -1) {
        if (standsAlone(text, i))
            return i;
    }
    return -1;
}

// Most lines carry no mark and no extra blank: their subject is the line
// itself, shared rather than built anew.
bool isPlainLine(QStringView line)
{
    if (line.isEmpty() || line.front().isSpace() || line.back().isSpace() || line.startsWith(u"//"))
        return false;
    QChar previous;
    for (QChar c : line) {
        if (c == u'+' || (c == u'-' && previous == u'-') || (c.isSpace() && (c != u' ' || previous == u' ')))
            return false;
        previous = c;
    }
    return true;
}

struct Placer {
    const WorkCalendar &calendar;
    QDate firstDay;
    QDate previousStart;   // of the task before; invalid before the first
    QDate latestEnd;       // among the sub-goal's tasks so far

    // Places a task of days working days; false when it would end past the
    // last day a calendar holds.
    bool place(bool parallel, int days, QDate &start, QDate &end)
    {
        if (parallel)
            start = previousStart.isValid() ? previousStart : firstDay;
        else
            start = latestEnd.isValid() ? calendar.firstWorkingDayFrom(latestEnd.addDays(1)) : firstDay;
        end = calendar.nthWorkingDay(start, days);
        if (end > kLastCalendarDay)
            return false;
        previousStart = start;
        if (!latestEnd.isValid() || end > latestEnd)
            latestEnd = end;
        return true;
    }
};

// The task of a line: read afresh, or taken from the plan before an edit
// when that held the same line, at the same number or moved by as many
// lines as the edit added or took away. Two cursors walk the plan before
// once.
class LineReader {
public:
    LineReader(const GoalPlan *before, qsizetype lineCount)
        : m_before(before ? &before->tasks : nullptr), m_shift(before ? lineCount - before->lineCount : 0)
    {
    }

    ScheduledTask read(int index, int lineNumber, QStringView line)
    {
        const ScheduledTask *kept = find(m_same, lineNumber, line);
        if (!kept)
            kept = find(m_moved, lineNumber - m_shift, line);
        if (kept) {
            ScheduledTask task = *kept;   // its strings shared, not copied
            task.subGoal = index;
            task.lineNumber = lineNumber;
            return task;
        }
        QString written = line.toString();
        TaskLineParts parts = isPlainLine(written) ? TaskLineParts{false, false, 1, false, written, {}}
                                                   : readTaskLine(written);
        return {index, lineNumber, std::move(parts.subject), std::move(written), {}, {}, parts.done, false,
                parts.parallel, parts.weeks, !parts.notUnderstood.isEmpty(), qint16(parts.count)};
    }

private:
    // The task of the plan before on line number, when it holds line.
    const ScheduledTask *find(qsizetype &cursor, qsizetype number, QStringView line) const
    {
        if (!m_before)
            return nullptr;
        while (cursor < m_before->size() && m_before->at(cursor).lineNumber < number)
            ++cursor;
        if (cursor == m_before->size())
            return nullptr;
        const ScheduledTask &task = m_before->at(cursor);
        return task.lineNumber == number && task.line == line ? &task : nullptr;
    }

    const QList<ScheduledTask> *m_before;
    qsizetype m_shift;
    qsizetype m_same = 0, m_moved = 0;
};

} // namespace

TaskLineParts readTaskLine(QStringView line)
{
    TaskLineParts parts;
    QString text = line.toString();
    qsizetype lead = 0;
    while (lead < text.size() && text[lead].isSpace())
        ++lead;
    parts.parallel = QStringView(text).sliced(lead).startsWith(u"//");
    if (parts.parallel)
        text.remove(lead, 2);
    // A done mark may follow the duration ("Draw logo + 3 --"): marking a
    // task done must not change the plan.
    static const QString doneMark = Rules::kDoneMark.toString();
    const qsizetype length = text.size();
    text.replace(doneMark, QStringLiteral(" "));
    parts.done = text.size() != length;   // one pass finds and blanks the marks
    const qsizetype mark = durationMark(text, parts.count, parts.weeks);
    if (mark >= 0)
        text.truncate(mark);
    else if (const qsizetype plus = lastLonePlus(text); plus >= 0)
        parts.notUnderstood = QStringView(text).sliced(plus).toString().simplified();
    parts.subject = std::move(text).simplified();   // in place
    return parts;
}

qsizetype Schedule::size() const
{
    qsizetype n = 0;
    for (const GoalPlan &goal : goals)
        n += goal.tasks.size();
    return n;
}

const ScheduledTask &Schedule::at(qsizetype row) const
{
    for (const GoalPlan &goal : goals) {
        if (row < goal.tasks.size())
            return goal.tasks.at(row);
        row -= goal.tasks.size();
    }
    Q_UNREACHABLE();
}

qsizetype Schedule::leftOut() const
{
    qsizetype n = 0;
    for (const GoalPlan &goal : goals)
        n += goal.leftOut;
    return n;
}

const ScheduledTask *Schedule::taskOnLine(int subGoal, int lineNumber) const
{
    if (subGoal < 0 || subGoal >= goals.size())
        return nullptr;
    const QList<ScheduledTask> &tasks = goals.at(subGoal).tasks;
    const auto it = std::lower_bound(tasks.begin(), tasks.end(), lineNumber,
                                     [](const ScheduledTask &task, int line) { return task.lineNumber < line; });
    return it != tasks.end() && it->lineNumber == lineNumber ? &*it : nullptr;
}

GoalPlan planSubGoal(const SubGoal &goal, int index, const QDate &start, const WorkCalendar &calendar,
                     const GoalPlan *before)
{
    GoalPlan result;
    if (!calendar.hasWorkingDay() || !start.isValid())
        return result;
    const QDate firstDay = start > kLastCalendarDay ? start : calendar.firstWorkingDayFrom(start);
    const QDate due = goal.due.isEmpty() ? QDate() : DueDate::parse(goal.due);
    const qsizetype lines = KestrelFile::lineCount(goal.tasks);
    result.tasks.reserve(lines);
    result.lineCount = int(lines);
    Placer plan{calendar, firstDay, {}, {}};
    LineReader reader(before, lines);
    int lineNumber = 0;
    bool full = firstDay > kLastCalendarDay;
    KestrelFile::forEachLine(goal.tasks, [&](QStringView line, bool) {
        ++lineNumber;
        if (!TaskText::isTaskLine(line))
            return;
        ScheduledTask task = reader.read(index, lineNumber, line);
        // Past the calendar's end, so is every later task of the sub-goal.
        const int days = task.weeks ? task.count * calendar.daysPerWeek() : task.count;
        if (full || !plan.place(task.parallel, days, task.start, task.end)) {
            full = true;
            ++result.leftOut;
            return;
        }
        task.late = !task.done && due.isValid() && task.end > due;
        if (!task.done && task.end > result.lastPendingDay)
            result.lastPendingDay = task.end;
        result.tasks.append(std::move(task));
    });
    result.lastDay = plan.latestEnd;
    return result;
}

QDate sequenceStart(const Project &project, const Schedule &schedule, int after)
{
    if (after < 0 || after >= schedule.goals.size())
        return project.settings.start;
    const GoalPlan &before = schedule.goals.at(after);
    // The other's tasks run past the calendar's end: so does all that follows it.
    if (before.leftOut > 0)
        return kLastCalendarDay.addDays(1);
    return before.end().isValid() ? before.end().addDays(1) : project.settings.start;
}

Schedule scheduleProject(const Project &project)
{
    Schedule schedule;
    const WorkCalendar calendar = WorkCalendar::of(project.settings);
    if (!calendar.hasWorkingDay() || !project.settings.start.isValid())
        return schedule;
    schedule.goals.resize(project.subGoals.size());
    const QList<int> links = Sequence::links(project);
    for (int g : Sequence::planOrder(links))
        schedule.goals[g] = planSubGoal(project.subGoals.at(g), g, sequenceStart(project, schedule, links.at(g)), calendar);
    return schedule;
}
