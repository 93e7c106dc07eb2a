// The ".gpj" writer. One set of rules writes both forms of the file: the
// text (UTF-16: writeInto, the recovery snapshot) and the bytes a save can
// hand to the disk (writeFile). A save of 200,000 task lines writes each byte
// once: the task text is read a single time, sixteen characters a step,
// no whole text is made first and copied, and no line costs a call.
#include "project/GpjFormat.h"

#include <charconv>
#include <type_traits>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "component/KestrelFile.h"
#include "component/TextScan.h"
#include "component/Utf8.h"
#include "project/GpjOut.h"
#include "project/GpjKeys.h"
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

// The reader's rule for quotes, asked of a value as written: its first and
// last characters are ASCII exactly when their first and last units are.
template <typename Char> bool needsQuotes(const Char *begin, const Char *end)
{
    if (begin == end)
        return false;
    const auto unit = [](Char c) { return std::make_unsigned_t<Char>(c); };
    const auto first = unit(*begin), last = unit(end[-1]);
    if (first > '\'' && last > '\'')   // blanks and quotes all come before it: the common case
        return false;
    const auto blank = [](auto c) { return c == ' ' || c == '\t'; };
    return blank(first) || blank(last) || (end - begin >= 2 && first == last && (first == '"' || first == '\''));
}

// A value as the reader gets it back; a line break inside becomes a
// blank. Needs room for the value and a pair of quotes.
template <typename Out> typename Out::Char *putValue(typename Out::Char *d, QStringView value)
{
    if (findEither(value, 0, u'\r', u'\n') < value.size()) [[unlikely]]
        return Out::put(d, IniIndex::writeValue(oneLine(value)));
    const bool quoted = IniIndex::needsQuotes(value);
    if (quoted)
        *d++ = '"';
    d = Out::put(d, value);
    if (quoted)
        *d++ = '"';
    return d;
}

template <typename Out> void putLine(Out &out, QByteArrayView line)
{
    typename Out::Char *d = Out::putAscii(out.room(line.size() + 2), line);
    *d++ = '\r';
    *d++ = '\n';
    out.done(d);
}

template <typename Out> void putEntry(Out &out, QByteArrayView key, QStringView value)
{
    typename Out::Char *d = Out::putAscii(out.room(key.size() + 1 + Out::kRoomPerUnit * (value.size() + 2) + 2), key);
    *d++ = '=';
    d = putValue<Out>(d, value);
    *d++ = '\r';
    *d++ = '\n';
    out.done(d);
}

// key=count: a number needs neither quotes nor encoding.
template <typename Out> void putCount(Out &out, QByteArrayView key, qsizetype count)
{
    char digits[24];
    const QByteArrayView number(digits, std::to_chars(digits, digits + sizeof digits, count).ptr - digits);
    typename Out::Char *d = Out::putAscii(out.room(key.size() + number.size() + 3), key);
    *d++ = '=';
    d = Out::putAscii(d, number);
    *d++ = '\r';
    *d++ = '\n';
    out.done(d);
}

// One line's value, from p to the end of its line, moving p past the line
// break: sixteen characters a step while none of them is a line break (or,
// in UTF-8, anything but ASCII). A lone CR inside the line is a blank.
template <typename Out>
typename Out::Char *putTaskValue(Out &out, typename Out::Char *d, const char16_t *&p, const char16_t *end)
{
    using Char = typename Out::Char;
    constexpr qsizetype kStepRoom = 16 * Out::kRoomPerUnit + 8;
    Char *value = d;
    Char *limit = out.limit();
    for (;;) {
        if (limit - d < kStepRoom) [[unlikely]] {
            const qsizetype written = d - value;
            out.done(d);
            d = out.room(kStepRoom);
            value = d - written;
            limit = out.limit();
        }
#if defined(__SSE2__)
        if (end - p >= 16) {
            const __m128i low = _mm_loadu_si128(reinterpret_cast<const __m128i *>(p));
            const __m128i high = _mm_loadu_si128(reinterpret_cast<const __m128i *>(p + 8));
            // One bit a character: where the plain run ends.
            const __m128i refused = _mm_packs_epi16(Out::refused(low), Out::refused(high));
            const unsigned stops = unsigned(_mm_movemask_epi8(refused));
            Out::store(d, low, high);
            const int run = stops ? std::countr_zero(stops) : 16;
            d += run;
            p += run;
            if (run == 16)
                continue;
        }
#endif
        if (p == end)
            break;
        if (*p == u'\n') {
            ++p;
            break;
        }
        if (*p == u'\r') {
            if (end - p >= 2 && p[1] == u'\n') {
                p += 2;
                break;
            }
            *d++ = ' ';
            ++p;
            continue;
        }
        d = Out::putUnit(d, p, end);
    }
    if (needsQuotes(value, d)) [[unlikely]] {
        std::copy_backward(value, d, d + 1);
        *value = '"';
        d[1] = '"';
        d += 2;
    }
    return d;
}

// key=value for each line of a task text, the key counted up from 1;
// gives the number of lines.
template <typename Out> qsizetype putTasks(Out &out, TaskKey key, QStringView tasks)
{
    const char16_t *p = tasks.utf16();
    const char16_t *const end = p + tasks.size();
    qsizetype count = 0;
    while (p < end) {
        ++count;
        typename Out::Char *d = Out::putKey(out.room(TaskKey::kRoom), key);
        key.next();
        d = putTaskValue(out, d, p, end);
        *d++ = '\r';
        *d++ = '\n';
        out.done(d);
    }
    return count;
}

// The count of a sub-goal's task lines, then the lines. The bytes of a
// save are made in a block of their own while they are counted, so the
// task text is read once; the text counts its lines first.
void putTaskEntries(TextOut &out, int n, QStringView tasks)
{
    putCount(out, GoalKey(n, "_Tasks"), KestrelFile::lineCount(tasks));
    putTasks(out, TaskKey(GoalKey(n, "_Task")), tasks);
}

void putTaskEntries(BytesOut &out, int n, QStringView tasks)
{
    BlockOut &block = out.block();
    block.start(2 * tasks.size() + 4096);   // room for ASCII lines of ten characters and more
    const qsizetype count = putTasks(block, TaskKey(GoalKey(n, "_Task")), tasks);
    putCount(out, GoalKey(n, "_Tasks"), count);
    out.append(block.bytes());
}

template <typename Out> void putProject(const Project &project, Out &out)
{
    putLine(out, "[Project]");
    putEntry(out, "Name", project.name);
    // Written only once set, so an older project's file stays as it was.
    for (const auto &[key, value] : Gpj::settingsEntries(project.settings))
        putEntry(out, key.toLatin1(), value);
    putLine(out, "[Goals]");
    for (qsizetype i = 0; i < project.subGoals.size(); ++i) {
        const SubGoal &goal = project.subGoals.at(i);
        const int n = int(i + 1);
        putEntry(out, GoalKey(n, ""), goal.key);
        putEntry(out, GoalKey(n, "_Name"), goal.name);
        putEntry(out, GoalKey(n, "_Due"), goal.due);
        if (!goal.after.isEmpty())
            putEntry(out, GoalKey(n, "_After"), goal.after);
        putTaskEntries(out, n, goal.tasks);
    }
}

// A first guess at the file's size: the texts, and as much again as the
// task texts for keys and numbers (lines of ten characters and more).
qsizetype expectedSize(const Project &project)
{
    qsizetype expected = 1024 + project.name.size();
    for (const SubGoal &goal : project.subGoals)
        expected += 256 + goal.name.size() + goal.due.size() + 2 * goal.tasks.size();
    return expected;
}

} // namespace

namespace Gpj {

void writeInto(const Project &project, QString &out)
{
    TextOut text(out, expectedSize(project));
    putProject(project, text);
}

QString write(const Project &project)
{
    QString out;
    writeInto(project, out);
    return out;
}

void writeUtf8(const Project &project, const PieceWriter::ByteSink &sink)
{
    BytesOut bytes(sink, expectedSize(project));
    putProject(project, bytes);
}

QByteArray toUtf8(const Project &project)
{
    QByteArray bytes;
    bytes.reserve(expectedSize(project));
    writeUtf8(project, [&](QByteArrayView piece) { bytes.append(piece); });
    return bytes;
}

bool writeFile(const Project &project, const QString &path, QString *error)
{
    return KestrelFile::writePieces(
        path, [&](const PieceWriter::ByteSink &sink) { writeUtf8(project, sink); }, KestrelFile::Durability::Flushed,
        error);
}

} // namespace Gpj
