// The event list as CSV and iCalendar bytes.
#include "events/CalendarExport.h"

#include <charconv>

#include "app/Texts.h"
#include "events/EventList.h"

namespace {

constexpr qsizetype kPiece = 64 * 1024;   // bytes handed on at a time
constexpr qsizetype kFoldAt = 75;         // octets of a content line, line break not counted

// The bytes of an export, handed on in pieces as they are made: held whole,
// a calendar of 80,000 events would cost more in fresh memory than in
// writing.
class Pieces {
public:
    explicit Pieces(const KestrelFile::ByteSink &sink) : m_sink(sink) { bytes.reserve(kPiece + 4096); }
    ~Pieces() { flush(); }
    void eventDone()
    {
        if (bytes.size() >= kPiece)
            flush();
    }
    QByteArray bytes;

private:
    void flush()
    {
        if (!bytes.isEmpty())
            m_sink(bytes);
        bytes.resize(0);   // keeps the room
    }
    const KestrelFile::ByteSink &m_sink;
};

// Writes the character at text[i] at d as UTF-8, moving i past a surrogate
// pair; at most three bytes for one UTF-16 unit, four for a pair. A lone
// surrogate becomes U+FFFD.
inline char *putUtf8(char *d, QStringView text, qsizetype &i)
{
    char32_t c = text[i].unicode();
    if (c < 0x80) {   // nearly every character of a task line
        *d++ = char(c);
        return d;
    }
    if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text[i + 1].isLowSurrogate())
        c = QChar::surrogateToUcs4(char16_t(c), text[++i].unicode());
    else if (QChar::isSurrogate(c))
        c = 0xFFFD;
    if (c < 0x800) {
        *d++ = char(0xC0 | (c >> 6));
        *d++ = char(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        *d++ = char(0xE0 | (c >> 12));
        *d++ = char(0x80 | ((c >> 6) & 0x3F));
        *d++ = char(0x80 | (c & 0x3F));
    } else {
        *d++ = char(0xF0 | (c >> 18));
        *d++ = char(0x80 | ((c >> 12) & 0x3F));
        *d++ = char(0x80 | ((c >> 6) & 0x3F));
        *d++ = char(0x80 | (c & 0x3F));
    }
    return d;
}

// Appends text through put(d, text, i), which writes at most three bytes
// per UTF-16 unit it moves over.
template <typename Put> void appendEncoded(QByteArray &out, QStringView text, Put put)
{
    const qsizetype at = out.size();
    out.resize(at + 3 * text.size());
    char *d = out.data() + at;
    for (qsizetype i = 0; i < text.size(); ++i)
        d = put(d, text, i);
    out.truncate(d - out.constData());
}

void appendDigits(QByteArray &out, int value, int width)
{
    char digits[8];
    for (int i = width - 1; i >= 0; --i, value /= 10)
        digits[i] = char('0' + value % 10);
    out.append(digits, width);
}

// ---------------------------------------------------------------- CSV

// A spreadsheet runs a cell that starts with one of these as a formula.
bool startsLikeFormula(QStringView field)
{
    if (field.isEmpty())
        return false;
    const QChar c = field.front();
    return c == u'=' || c == u'+' || c == u'-' || c == u'@' || c == u'\t' || c == u'\r';
}

void appendCsvField(QByteArray &out, QStringView field, bool first = false)
{
    out += first ? "\"" : ",\"";
    if (startsLikeFormula(field))
        out += '\'';
    appendEncoded(out, field, [](char *d, QStringView text, qsizetype &i) {
        if (text[i] == u'"')
            *d++ = '"';
        return putUtf8(d, text, i);
    });
    out += '"';
}

void appendCsvDate(QByteArray &out, const QDate &date)
{
    int year, month, day;
    date.getDate(&year, &month, &day);
    out += ",\"";
    appendDigits(out, month, 2);
    out += '/';
    appendDigits(out, day, 2);
    out += '/';
    appendDigits(out, year, 4);
    out += '"';
}

// ---------------------------------------------------------------- iCalendar

// TEXT as the RFC escapes it. Line breaks become "\n"; other control
// characters, which the RFC does not allow in TEXT, are dropped.
void appendIcsText(QByteArray &out, QStringView text)
{
    appendEncoded(out, text, [](char *d, QStringView t, qsizetype &i) {
        const char16_t c = t[i].unicode();
        switch (c) {
        case u'\\': *d++ = '\\'; *d++ = '\\'; return d;
        case u';': *d++ = '\\'; *d++ = ';'; return d;
        case u',': *d++ = '\\'; *d++ = ','; return d;
        case u'\r':
            if (i + 1 < t.size() && t[i + 1] == u'\n')
                ++i;
            [[fallthrough]];
        case u'\n': *d++ = '\\'; *d++ = 'n'; return d;
        default:
            if ((c < 0x20 && c != u'\t') || c == 0x7F)
                return d;
            return putUtf8(d, t, i);
        }
    });
}

// Appends one content line, folded: no line longer than 75 octets, each
// continuation begun with a blank, and no UTF-8 character cut in two.
void appendContentLine(QByteArray &out, const QByteArray &line)
{
    qsizetype at = 0;
    qsizetype room = kFoldAt;
    while (line.size() - at > room) {
        qsizetype cut = at + room;
        while (cut > at && (uchar(line[cut]) & 0xC0) == 0x80)
            --cut;
        out.append(line.constData() + at, cut - at);
        out += "\r\n ";
        at = cut;
        room = kFoldAt - 1;   // the leading blank counts
    }
    out.append(line.constData() + at, line.size() - at);
    out += "\r\n";
}

void appendIcsDate(QByteArray &out, const QDate &date)
{
    int year, month, day;
    date.getDate(&year, &month, &day);
    appendDigits(out, year, 4);
    appendDigits(out, month, 2);
    appendDigits(out, day, 2);
}

QByteArray whole(const std::function<void(const KestrelFile::ByteSink &)> &produce)
{
    QByteArray all;
    produce([&all](QByteArrayView piece) { all += piece; });
    return all;
}

} // namespace

void calendarCsv(const QList<CalendarEvent> &events, const KestrelFile::ByteSink &sink)
{
    Pieces out(sink);
    bool first = true;
    for (const QString &header : EventList::columnHeaders()) {
        appendCsvField(out.bytes, header, first);
        first = false;
    }
    out.bytes += "\r\n";
    for (const CalendarEvent &e : events) {
        appendCsvField(out.bytes, e.subject, true);
        appendCsvDate(out.bytes, e.first);
        out.bytes += ",\"\"";
        appendCsvDate(out.bytes, e.last);
        out.bytes += ",\"\",\"True\"";
        appendCsvField(out.bytes, e.description);
        out.bytes += ",\"\",\"False\"\r\n";
        out.eventDone();
    }
}

void calendarIcs(const QList<CalendarEvent> &events, const QDateTime &stamp, const KestrelFile::ByteSink &sink)
{
    Pieces out(sink);
    QByteArray &o = out.bytes;
    const QByteArray product = Texts::productName().toUtf8();
    o += "BEGIN:VCALENDAR\r\nVERSION:2.0\r\n";
    appendContentLine(o, "PRODID:-//" + product + "//" + product + "//EN");
    o += "CALSCALE:GREGORIAN\r\n";
    const QByteArray dtstamp = "DTSTAMP:" + stamp.toUTC().toString(QStringLiteral("yyyyMMdd'T'HHmmss'Z'")).toLatin1();
    QByteArray line;   // one content line before folding, its room kept
    const auto contentLine = [&](const char *name, QStringView text, int lineNumber = 0) {
        line.resize(0);
        line += name;
        appendIcsText(line, text);
        if (lineNumber > 0) {   // the UID: the sub-goal's key and the line's number
            char digits[16];
            line += '-';
            line.append(digits, std::to_chars(digits, digits + sizeof digits, lineNumber).ptr - digits);
            line += "@tarvo";
        }
        appendContentLine(o, line);
    };
    for (const CalendarEvent &e : events) {
        o += "BEGIN:VEVENT\r\n";
        contentLine("UID:", e.key, e.lineNumber);
        o += dtstamp;
        o += "\r\nDTSTART;VALUE=DATE:";
        appendIcsDate(o, e.first);
        o += "\r\nDTEND;VALUE=DATE:";
        appendIcsDate(o, e.last.addDays(1));   // the end is exclusive
        o += "\r\n";
        contentLine("SUMMARY:", e.subject);
        contentLine("DESCRIPTION:", e.description);
        o += "TRANSP:TRANSPARENT\r\nEND:VEVENT\r\n";
        out.eventDone();
    }
    o += "END:VCALENDAR\r\n";
}

QByteArray calendarCsv(const QList<CalendarEvent> &events)
{
    return whole([&](const KestrelFile::ByteSink &sink) { calendarCsv(events, sink); });
}

QByteArray calendarIcs(const QList<CalendarEvent> &events, const QDateTime &stamp)
{
    return whole([&](const KestrelFile::ByteSink &sink) { calendarIcs(events, stamp, sink); });
}
