#include "project/GpjFormat.h"

#include <algorithm>
#include <optional>
#include <limits>

#include "app/Texts.h"
#include "component/KestrelFile.h"
#include "component/TextScan.h"
#include "project/IniIndex.h"

namespace {

// No value may break the line it is written on, or the rest of it would be
// read as a line of its own. Each line break inside a value (CR LF, or a
// lone CR or LF) is written as one blank: the task box counts such a line
// as one task, so it stays one task with its words still apart, and
// nothing the user typed is dropped. Splitting it instead would add tasks.
QString oneLine(QStringView value)
{
    QString out;
    out.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value.at(i);
        if (c == u'\r' || c == u'\n') {
            if (c == u'\r' && i + 1 < value.size() && value.at(i + 1) == u'\n')
                ++i;
            out += u' ';
        } else {
            out += c;
        }
    }
    return out;
}

// Per entry beyond its key stem and value: up to 20 digits of a number,
// "=", a pair of quotes and the line break.
constexpr qsizetype kEntryRoom = 25;

// The value written at d the way the reader gets it back; it needs room for
// the value and a pair of quotes. A line break inside becomes a blank.
QChar *writeValueAt(QChar *d, QStringView value, bool holdsLineBreak)
{
    if (holdsLineBreak) {
        const QString written = IniIndex::writeValue(oneLine(value));
        return std::copy(written.begin(), written.end(), d);
    }
    const bool quoted = IniIndex::needsQuotes(value);
    if (quoted)
        *d++ = u'"';
    d = std::copy(value.begin(), value.end(), d);
    if (quoted)
        *d++ = u'"';
    return d;
}

void appendLine(QString &out, QStringView line)
{
    out += line;
    out += Rules::kCrLf;
}

void appendEntry(QString &out, QStringView key, QStringView value)
{
    out += key;
    out += u'=';
    const qsizetype before = out.size();
    out.resize(before + value.size() + 2);
    QChar *d = writeValueAt(out.data() + before, value, findEither(value, 0, u'\r', u'\n') < value.size());
    out.resize(d - out.data());
    out += Rules::kCrLf;
}

QChar *writeNumber(QChar *out, qint64 n)
{
    char16_t digits[20];
    int i = 20;
    do {
        digits[--i] = char16_t(u'0' + n % 10);
        n /= 10;
    } while (n > 0);
    return std::copy(digits + i, digits + 20, out);
}

// Room for the task entries of a task text of count lines.
qsizetype taskEntriesSize(qsizetype stemSize, QStringView tasks, qsizetype count)
{
    return tasks.size() + count * (stemSize + kEntryRoom);
}

// stem1=… to stemN=… for the lines of a task text, written straight into
// the text: a save may write 200,000 of them. The room is made for count
// lines once; a line break inside a value only shortens it.
void appendTaskEntries(QString &out, const QString &stem, QStringView tasks, qsizetype count)
{
    const qsizetype before = out.size();
    out.resize(before + taskEntriesSize(stem.size(), tasks, count));
    QChar *d = out.data() + before;
    QChar *end = out.data() + out.size();
    qint64 k = 0;
    KestrelFile::forEachLine(tasks, [&](QStringView line, bool holdsCr) {
        const qsizetype need = stem.size() + kEntryRoom + line.size();
        if (end - d < need) {   // more lines than counted: never with a right count
            const qsizetype at = d - out.data();
            out.resize(out.size() + need);
            d = out.data() + at;
            end = out.data() + out.size();
        }
        d = std::copy(stem.begin(), stem.end(), d);
        d = writeNumber(d, ++k);
        *d++ = u'=';
        d = writeValueAt(d, line, holdsCr);
        *d++ = u'\r';
        *d++ = u'\n';
    });
    out.resize(d - out.data());
}

// Each task line followed by CR LF, built in one piece.
QString taskText(const QList<QStringView> &lines)
{
    qsizetype size = 0;
    for (QStringView line : lines)
        size += line.size() + 2;
    QString text(size, Qt::Uninitialized);
    QChar *out = text.data();
    for (QStringView line : lines) {
        out = std::copy(line.begin(), line.end(), out);
        *out++ = u'\r';
        *out++ = u'\n';
    }
    return text;
}

// The settings keys: the date as yyyy-mm-dd, the week as seven "1" or "0"
// from Monday on. Anything else reads as not set.
constexpr QStringView kDateForm = u"yyyy-MM-dd";

QString weekText(const WorkWeek &week)
{
    QString text;
    for (bool working : week)
        text += working ? u'1' : u'0';
    return text;
}

std::optional<WorkWeek> readWeek(QStringView text)
{
    if (text.size() != 7)
        return std::nullopt;
    WorkWeek week{};
    for (int d = 0; d < 7; ++d) {
        if (text[d] != u'0' && text[d] != u'1')
            return std::nullopt;
        week[d] = text[d] == u'1';
    }
    return week;
}

// A file exactly as Tarvo writes it, read in one pass without an index:
// every line ends with CR LF and holds the next key of the layout, in the
// letter case written, once. For such a file the general reader gives the
// same project; any other file is nothing here and goes to the index.
class StrictReader {
public:
    explicit StrictReader(QStringView text) : m_text(text), m_linesLeft(countEither(text, u'\n', u'\n')) {}

    std::optional<Project> read()
    {
        Project project;
        QStringView value;
        if (!line(u"[Project]") || !entry(u"Name", value))
            return std::nullopt;
        project.name = value.toString();
        QStringView next;
        if (!peek(next))
            return std::nullopt;
        QStringView start, week;
        if (next.startsWith(u"Start=") && !entry(u"Start", start))
            return std::nullopt;
        if (peek(next) && next.startsWith(u"WorkWeek=") && !entry(u"WorkWeek", week))
            return std::nullopt;
        project.settings = Gpj::readSettings(start, week);
        if (!line(u"[Goals]"))
            return std::nullopt;
        for (int n = 1; m_pos < m_text.size(); ++n) {
            if (n > Rules::kSubGoalCards || !readGoal(n, project))
                return std::nullopt;
        }
        return project;
    }

private:
    bool readGoal(int n, Project &project)
    {
        SubGoal goal;
        QStringView key, name, due, count;
        if (!entry(Gpj::goalKey(n), key) || key.isEmpty() || !entry(Gpj::goalKey(n, u"_Name"), name)
            || !entry(Gpj::goalKey(n, u"_Due"), due) || !entry(Gpj::goalKey(n, u"_Tasks"), count))
            return false;
        // The count as the writer writes it: plain digits, no leading zero.
        if (count.isEmpty() || count.size() > 15 || (count.size() > 1 && count[0] == u'0')
            || !std::all_of(count.begin(), count.end(), [](QChar c) { return c >= u'0' && c <= u'9'; }))
            return false;
        const qint64 lines = count.toLongLong();
        const QString stem = Gpj::goalKey(n, u"_Task");
        QList<QStringView> tasks;
        // Room for what the rest of the file can hold, whatever the count says.
        tasks.reserve(qsizetype(std::min<qint64>(lines, m_linesLeft)));
        for (qint64 k = 1; k <= lines; ++k) {
            QStringView raw;
            if (!nextLine(raw) || !raw.startsWith(stem))
                return false;
            // The number after the stem, then "=": compared as a number.
            qsizetype i = stem.size();
            qint64 number = 0;
            while (i < raw.size() && raw[i] >= u'0' && raw[i] <= u'9' && i - stem.size() < 15)
                number = number * 10 + (raw[i++].unicode() - u'0');
            if (number != k || i == stem.size() || raw[stem.size()] == u'0' || i >= raw.size() || raw[i] != u'=')
                return false;
            tasks.append(IniIndex::readValueView(raw.sliced(i + 1)));
        }
        goal.key = key.toString();
        goal.name = name.toString();
        goal.due = due.toString();
        goal.tasks = taskText(tasks);
        project.subGoals.append(std::move(goal));
        return true;
    }

    // The next line, which must end with CR LF and hold no other break.
    bool nextLine(QStringView &line)
    {
        if (!peek(line))
            return false;
        m_pos += line.size() + 2;
        --m_linesLeft;
        return true;
    }
    bool peek(QStringView &line) const
    {
        const qsizetype end = findEither(m_text, m_pos, u'\r', u'\n');
        if (end + 1 >= m_text.size() || m_text[end] != u'\r' || m_text[end + 1] != u'\n')
            return false;
        line = m_text.sliced(m_pos, end - m_pos);
        return true;
    }
    bool line(QStringView expected)
    {
        QStringView got;
        return nextLine(got) && got == expected;
    }
    bool entry(QStringView key, QStringView &value)
    {
        QStringView got;
        if (!nextLine(got) || got.size() <= key.size() || !got.startsWith(key) || got[key.size()] != u'=')
            return false;
        value = IniIndex::readValueView(got.sliced(key.size() + 1));
        return true;
    }

    QStringView m_text;
    qsizetype m_pos = 0;
    qsizetype m_linesLeft;   // line breaks after m_pos
};

} // namespace

namespace Gpj {

ReadResult readFile(const QByteArray &bytes)
{
    const QString text = KestrelFile::decode(bytes);
    if (std::optional<Project> project = StrictReader(text).read())
        return {std::move(*project), false};
    return read(IniIndex(text));
}

ProjectSettings readSettings(QStringView start, QStringView workWeek)
{
    return {QDate::fromString(start, kDateForm), readWeek(workWeek)};
}

QString goalKey(int n, QStringView suffix)
{
    return QStringLiteral("Goal") + QString::number(n) + suffix.toString();
}

void writeInto(const Project &project, QString &out)
{
    QList<qsizetype> lines;
    qsizetype size = 256 + project.name.size();
    for (const SubGoal &goal : project.subGoals) {
        lines.append(KestrelFile::lineCount(goal.tasks));
        size += goal.name.size() + goal.due.size() + 128 + taskEntriesSize(12, goal.tasks, lines.last());
    }
    out.resize(0);   // keeps its room
    out.reserve(size);
    appendLine(out, u"[Project]");
    appendEntry(out, u"Name", project.name);
    // Written only once set, so an older project's file stays as it was.
    const ProjectSettings &settings = project.settings;
    if (settings.start.isValid() && settings.start.year() >= 1 && settings.start.year() <= 9999)
        appendEntry(out, u"Start", settings.start.toString(kDateForm));
    if (settings.workWeek)
        appendEntry(out, u"WorkWeek", weekText(*settings.workWeek));
    appendLine(out, u"[Goals]");
    for (qsizetype i = 0; i < project.subGoals.size(); ++i) {
        const SubGoal &goal = project.subGoals.at(i);
        const int n = int(i + 1);
        appendEntry(out, goalKey(n), goal.key);
        appendEntry(out, goalKey(n, u"_Name"), goal.name);
        appendEntry(out, goalKey(n, u"_Due"), goal.due);
        appendEntry(out, goalKey(n, u"_Tasks"), QString::number(lines.at(i)));
        appendTaskEntries(out, goalKey(n, u"_Task"), goal.tasks, lines.at(i));
    }
}

QString write(const Project &project)
{
    QString out;
    writeInto(project, out);
    return out;
}

ReadResult read(const IniIndex &index)
{
    ReadResult result;
    const QStringView goals = u"GOALS";
    result.noProjectSections = !index.hasSection(u"PROJECT") && !index.hasSection(goals);
    result.project.name = index.value(u"PROJECT", u"Name");
    result.project.settings = readSettings(index.valueView(u"PROJECT", u"Start"), index.valueView(u"PROJECT", u"WorkWeek"));
    for (int n = 1; n <= Rules::kSubGoalCards; ++n) {
        SubGoal goal;
        goal.key = index.value(goals, goalKey(n));
        if (goal.key.isEmpty())
            break;
        goal.name = index.value(goals, goalKey(n, u"_Name"));
        goal.due = index.value(goals, goalKey(n, u"_Due"));
        // Only the lines the file holds are read: a count beyond the last
        // task line present would only add empty lines, which are no tasks.
        const QString stem = goalKey(n, u"_Task");
        const qint64 count = std::min(taskCount(index.valueView(goals, goalKey(n, u"_Tasks"))),
                                      index.highestNumber(goals, stem));
        goal.tasks = taskText(index.numberedValues(goals, stem, count));
        result.project.subGoals.append(std::move(goal));
    }
    return result;
}

qint64 taskCount(QStringView value)
{
    qsizetype i = 0;
    if (i < value.size() && value[i] == u'+')
        ++i;
    const qsizetype digitsStart = i;
    while (i < value.size() && value[i] >= u'0' && value[i] <= u'9')
        ++i;
    const QStringView digits = value.sliced(digitsStart, i - digitsStart);
    if (i < value.size() && value[i] == u'.') {
        ++i;
        while (i < value.size() && value[i] >= u'0' && value[i] <= u'9')
            ++i;
    }
    if (digits.isEmpty() || i != value.size())
        return 0;
    if (digits.size() > 15)
        return std::numeric_limits<qint64>::max();
    return digits.toLongLong();
}

bool isSafeKey(QStringView key)
{
    if (key.isEmpty() || key.size() > kMaxKeyLength)
        return false;
    for (QChar c : key) {
        const char16_t u = c.unicode();
        const bool ok = (u >= u'0' && u <= u'9') || (u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z')
                        || u == u'-' || u == u'_';
        if (!ok)
            return false;
    }
    return true;
}

} // namespace Gpj
