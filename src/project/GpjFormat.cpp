#include "project/GpjFormat.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <optional>

#include "base/Rules.h"
#include "component/KestrelFile.h"
#include "component/Utf8.h"
#include "project/GpjKeys.h"
#include "project/IniIndex.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

// Each task line followed by the break between task lines, in one piece.
QString taskText(const QList<QStringView> &lines)
{
    qsizetype size = 0;
    for (QStringView line : lines)
        size += line.size() + Gpj::kTaskLineBreak.size();
    QString text(size, Qt::Uninitialized);
    QChar *out = text.data();
    for (QStringView line : lines) {
        out = std::copy(line.begin(), line.end(), out);
        out = std::copy(Gpj::kTaskLineBreak.begin(), Gpj::kTaskLineBreak.end(), out);
    }
    return text;
}

bool isBlankByte(char c)
{
    return c == ' ' || c == '\t';
}

// The reader's value rule on the bytes after "=": blanks and quotes are
// ASCII, which no other UTF-8 character holds, so this is the rule on text.
QByteArrayView valueOf(QByteArrayView raw)
{
    while (!raw.isEmpty() && isBlankByte(raw.front()))
        raw = raw.sliced(1);
    while (!raw.isEmpty() && isBlankByte(raw.back()))
        raw.chop(1);
    if (raw.size() >= 2 && raw.front() == raw.back() && (raw.front() == '"' || raw.front() == '\''))
        raw = raw.sliced(1, raw.size() - 2);
    return raw;
}

// The count as the writer writes it: plain digits, no leading zero; -1
// for anything else.
qint64 writtenCount(QByteArrayView raw)
{
    if (raw.isEmpty() || raw.size() > 15 || (raw.size() > 1 && raw[0] == '0'))
        return -1;
    qint64 count = 0;
    for (char c : raw) {
        if (c < '0' || c > '9')
            return -1;
        count = count * 10 + (c - '0');
    }
    return count;
}

// A file exactly as Tarvo writes it, read in one pass straight from its
// bytes, without decoding the whole file first or an index: every line
// ends with CR LF and holds the next key of the layout, in the letter case
// written, once, and every value is well-formed UTF-8. For such a file the
// general reader gives the same project; any other file is nothing here
// and goes to the index.
class StrictReader {
public:
    explicit StrictReader(QByteArrayView bytes) : m_bytes(bytes)
    {
        if (bytes.startsWith("\xEF\xBB\xBF"))   // dropped once, as decode() does
            m_pos = 3;
    }

    std::optional<Project> read()
    {
        Project project;
        if (!line("[Project]") || !text("Name", project.name))
            return std::nullopt;
        QString start, week, daysOff;
        if (!optionalText("Start", start) || !optionalText("WorkWeek", week) || !optionalText("DaysOff", daysOff))
            return std::nullopt;
        project.settings = Gpj::readSettings(start, week, daysOff);
        if (!line("[Goals]"))
            return std::nullopt;
        for (int n = 1; m_pos < m_bytes.size(); ++n) {
            if (n > Rules::kSubGoalCards || !readGoal(n, project))
                return std::nullopt;
        }
        return project;
    }

private:
    bool readGoal(int n, Project &project)
    {
        SubGoal goal;
        QByteArrayView count;
        if (!text(GoalKey(n, ""), goal.key) || goal.key.isEmpty() || !text(GoalKey(n, "_Name"), goal.name)
            || !text(GoalKey(n, "_Due"), goal.due) || !optionalText(GoalKey(n, "_After"), goal.after)
            || !entry(GoalKey(n, "_Tasks"), count))
            return false;
        const qint64 lines = writtenCount(count);
        if (lines < 0 || !readTasks(GoalKey(n, "_Task"), lines, goal.tasks))
            return false;
        project.subGoals.append(std::move(goal));
        return true;
    }

    // stem1=… to stem<lines>=…, each value decoded where it goes in the
    // task text. The text cannot hold more units than the rest of the file
    // has bytes, whatever the count says: that is its room, and what it
    // does not use is given back.
    bool readTasks(QByteArrayView stem, qint64 lines, QString &tasks)
    {
        tasks = QString();
        if (lines == 0)
            return true;
        tasks.resize(m_bytes.size() - m_pos + Utf8::kReadSlack);
        char16_t *const begin = reinterpret_cast<char16_t *>(tasks.data());
        char16_t *d = begin;
        TaskKey key(stem);
        for (qint64 k = 1; k <= lines; ++k) {
            if (!(d = readTask(key, d)))
                return false;
            for (QChar c : Gpj::kTaskLineBreak)
                *d++ = c.unicode();
        }
        tasks.resize(d - begin);
        tasks.squeeze();
        return true;
    }

    // One task line, "key=value" and CR LF, its value decoded at d with
    // the reader's value rule; null when the line is not that.
    char16_t *readTask(TaskKey &key, char16_t *d)
    {
        const char *p = m_bytes.data() + m_pos;
        const char *const end = m_bytes.data() + m_bytes.size();
        if (!startsWithKey(p, end, key))
            return nullptr;
        p += key.size();
        key.next();
        while (p < end && isBlankByte(*p))
            ++p;
        char16_t *const value = d;
        d = Utf8::getUntilBreak(p, end, d);
        if (!d || end - p < 2 || p[0] != '\r' || p[1] != '\n')
            return nullptr;
        m_pos = p + 2 - m_bytes.data();
        while (d > value && (d[-1] == u' ' || d[-1] == u'\t'))
            --d;
        if (d - value >= 2 && value[0] == d[-1] && (value[0] == u'"' || value[0] == u'\'')) {
            std::copy(value + 1, d - 1, value);
            d -= 2;
        }
        return d;
    }

    static bool startsWithKey(const char *p, const char *end, const TaskKey &key)
    {
#if defined(__SSE2__)
        if (end - p >= TaskKey::kRoom) {   // the whole key compared at once
            const auto equal = [&](int at) {
                return _mm_movemask_epi8(_mm_cmpeq_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i *>(p + at)),
                                                        _mm_loadu_si128(reinterpret_cast<const __m128i *>(key.data() + at))));
            };
            const quint32 same = quint32(equal(0)) | quint32(equal(16)) << 16;
            const quint32 wanted = key.size() >= 32 ? ~0u : (1u << key.size()) - 1;
            return (same & wanted) == wanted;
        }
#endif
        return end - p >= key.size() && std::memcmp(p, key.data(), size_t(key.size())) == 0;
    }

    // The next line, which must end with CR LF; a lone CR inside it is
    // refused where the line is compared or decoded.
    bool peek(QByteArrayView &line) const
    {
        const char *begin = m_bytes.data() + m_pos;
        const auto *end = static_cast<const char *>(std::memchr(begin, '\n', size_t(m_bytes.size() - m_pos)));
        if (!end || end == begin || end[-1] != '\r')
            return false;
        line = QByteArrayView(begin, end - 1 - begin);
        return true;
    }
    bool nextLine(QByteArrayView &line)
    {
        if (!peek(line))
            return false;
        m_pos += line.size() + 2;
        return true;
    }
    bool line(QByteArrayView expected)
    {
        QByteArrayView got;
        return nextLine(got) && got == expected;
    }
    bool entry(QByteArrayView key, QByteArrayView &value)
    {
        QByteArrayView got;
        if (!nextLine(got) || got.size() <= key.size() || !got.startsWith(key) || got[key.size()] != '=')
            return false;
        value = valueOf(got.sliced(key.size() + 1));
        return true;
    }
    // A key written only when set: read when the next line holds it.
    bool optionalText(QByteArrayView key, QString &value)
    {
        QByteArrayView next;
        if (!peek(next) || next.size() <= key.size() || !next.startsWith(key) || next[key.size()] != '=')
            return true;
        return text(key, value);
    }
    bool text(QByteArrayView key, QString &value)
    {
        QByteArrayView raw;
        if (!entry(key, raw))
            return false;
        value.resize(raw.size() + Utf8::kReadSlack);
        char16_t *begin = reinterpret_cast<char16_t *>(value.data());
        const char *p = raw.data();
        char16_t *end = Utf8::getUntilBreak(p, raw.data() + raw.size(), begin);
        value.resize(end ? end - begin : 0);
        value.squeeze();
        return end && p == raw.data() + raw.size();   // a CR inside is no such line
    }

    QByteArrayView m_bytes;
    qsizetype m_pos = 0;
};

} // namespace

namespace Gpj {

ReadResult readFile(const QByteArray &bytes)
{
    if (std::optional<Project> project = StrictReader(bytes).read())
        return {std::move(*project), false};
    return read(IniIndex(KestrelFile::decode(bytes)));
}


QString goalKey(int n, QStringView suffix)
{
    return QStringLiteral("Goal") + QString::number(n) + suffix.toString();
}

ReadResult read(const IniIndex &index)
{
    ReadResult result;
    const QStringView goals = u"GOALS";
    result.noProjectSections = !index.hasSection(u"PROJECT") && !index.hasSection(goals);
    result.project.name = index.value(u"PROJECT", u"Name");
    result.project.settings = readSettings(index.valueView(u"PROJECT", u"Start"), index.valueView(u"PROJECT", u"WorkWeek"),
                                           index.valueView(u"PROJECT", u"DaysOff"));
    for (int n = 1; n <= Rules::kSubGoalCards; ++n) {
        SubGoal goal;
        goal.key = index.value(goals, goalKey(n));
        if (goal.key.isEmpty())
            break;
        goal.name = index.value(goals, goalKey(n, u"_Name"));
        goal.due = index.value(goals, goalKey(n, u"_Due"));
        goal.after = index.value(goals, goalKey(n, u"_After"));
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
