// The event list as CSV and iCalendar bytes.
#include "events/CalendarExport.h"

#include <algorithm>
#include <charconv>

#include "base/Texts.h"
#include "component/Utf8.h"
#include "events/EventList.h"

namespace {

constexpr qsizetype kPiece = 64 * 1024;   // bytes handed on at a time
constexpr qsizetype kFoldAt = 75;         // octets of a content line, line break not counted

// The bytes of an export, handed on in pieces as they are made: held whole,
// a calendar of 80,000 events would cost more in fresh memory than in
// writing.
class Pieces {
public:
    explicit Pieces(const PieceWriter::ByteSink &sink) : m_sink(sink) { bytes.reserve(kPiece + 4096); }
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
    const PieceWriter::ByteSink &m_sink;
};

// A write position in a byte array, with room made beforehand for all that
// is written until it goes out of scope, when the array is cut to what was
// written. Appending piece by piece through the array costs more than the
// bytes themselves.
class Cursor {
public:
    Cursor(QByteArray &out, qsizetype room) : m_out(out)
    {
        const qsizetype at = out.size();
        out.resize(at + room);
        d = out.data() + at;
    }
    ~Cursor() { m_out.truncate(d - m_out.constData()); }
    Cursor(const Cursor &) = delete;
    Cursor &operator=(const Cursor &) = delete;

    template <size_t N> Cursor &operator<<(const char (&literal)[N])
    {
        d = std::copy_n(literal, N - 1, d);
        return *this;
    }
    Cursor &operator<<(QByteArrayView bytes)
    {
        d = std::copy(bytes.begin(), bytes.end(), d);
        return *this;
    }
    Cursor &operator<<(char c)
    {
        *d++ = c;
        return *this;
    }
    void digits(int value, int width)
    {
        for (int i = width - 1; i >= 0; --i, value /= 10)
            d[i] = char('0' + value % 10);
        d += width;
    }
    // text through put(d, text, i), which writes at most three bytes per
    // UTF-16 unit it moves over.
    template <typename Put> void encode(QStringView text, Put put)
    {
        for (qsizetype i = 0; i < text.size(); ++i)
            d = put(d, text, i);
    }

    char *d = nullptr;

private:
    QByteArray &m_out;
};

// ---------------------------------------------------------------- CSV

// A "-" as a bullet: alone, or a blank after it and then words that hold
// none of a formula's operators, calls or references. Such a field can
// neither compute nor call anything, so a calendar shows it as typed. A
// lone word holding a digit would still be a number or a cell ("- 5",
// "- A1"), and "-1+2" or "-A1" have no blank: those stay formulas.
bool isBullet(QStringView field)
{
    if (field.size() == 1)
        return true;
    if (field[1] != u' ')
        return false;
    const QStringView rest = field.sliced(2).trimmed();
    constexpr QStringView kFormulaCharacters = u"=+-*/^&<>%()[]{}|!:@\"";
    bool digit = false;
    for (QChar c : rest) {
        if (kFormulaCharacters.contains(c))
            return false;
        digit = digit || c.isDigit();
    }
    return !digit || rest.contains(u' ');
}

// A spreadsheet runs a cell that starts with one of these as a formula.
bool startsLikeFormula(QStringView field)
{
    if (field.isEmpty())
        return false;
    const QChar c = field.front();
    if (c == u'-')
        return !isBullet(field);
    return c == u'=' || c == u'+' || c == u'@' || c == u'\t' || c == u'\r';
}

// Needs room for 3 + 3 × its length.
void putCsvField(Cursor &c, QStringView field)
{
    c << '"';
    if (startsLikeFormula(field))
        c << '\'';
    c.encode(field, [](char *d, QStringView text, qsizetype &i) {
        if (text[i] == u'"')
            *d++ = '"';
        return Utf8::putChar(d, text, i);
    });
    c << '"';
}

void putCsvDate(Cursor &c, const QDate &date)
{
    int year, month, day;
    date.getDate(&year, &month, &day);
    c << ",\"";
    c.digits(month, 2);
    c << '/';
    c.digits(day, 2);
    c << '/';
    c.digits(year, 4);
    c << '"';
}

// ---------------------------------------------------------------- iCalendar

// TEXT as the RFC escapes it. Line breaks become "\n"; other control
// characters, which the RFC does not allow in TEXT, are dropped.
char *putIcsText(char *d, QStringView t, qsizetype &i)
{
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
        return Utf8::putChar(d, t, i);
    }
}

// One content line before folding, in line (whose room is kept from line
// to line): the name, the escaped text and, for a UID, "@tarvo".
QByteArrayView contentLine(QByteArray &line, QByteArrayView name, QStringView text, bool uid = false)
{
    line.resize(0);
    {
        Cursor c(line, name.size() + 3 * text.size() + 24);
        c << name;
        c.encode(text, putIcsText);
        if (uid)
            c << "@tarvo";
    }
    return line;
}

// A content line folded: no line longer than 75 octets, each continuation
// begun with a blank, and no UTF-8 character cut in two. Needs room for
// 1.05 × its length + 3.
void putFolded(Cursor &c, QByteArrayView line)
{
    qsizetype at = 0;
    qsizetype room = kFoldAt;
    while (line.size() - at > room) {
        qsizetype cut = at + room;
        while (cut > at && (uchar(line[cut]) & 0xC0) == 0x80)
            --cut;
        c << line.sliced(at, cut - at) << "\r\n ";
        at = cut;
        room = kFoldAt - 1;   // the leading blank counts
    }
    c << line.sliced(at) << "\r\n";
}

void putIcsDate(Cursor &c, const QDate &date)
{
    int year, month, day;
    date.getDate(&year, &month, &day);
    c.digits(year, 4);
    c.digits(month, 2);
    c.digits(day, 2);
}

EventAt eventOf(const QList<CalendarEvent> &events)
{
    return [&events](qsizetype i) -> const CalendarEvent & { return events.at(i); };
}

QByteArray whole(const std::function<void(const PieceWriter::ByteSink &)> &produce)
{
    QByteArray all;
    produce([&all](QByteArrayView piece) { all += piece; });
    return all;
}

} // namespace

void calendarCsv(qsizetype count, const EventAt &eventAt, const PieceWriter::ByteSink &sink)
{
    Pieces out(sink);
    {
        Cursor c(out.bytes, 256);
        for (const QString &header : EventList::columnHeaders()) {
            if (header != EventList::columnHeaders().first())
                c << ',';
            putCsvField(c, header);
        }
        c << "\r\n";
    }
    for (qsizetype i = 0; i < count; ++i) {
        const CalendarEvent &e = eventAt(i);
        {
            Cursor c(out.bytes, 3 * (e.subject.size() + e.description.size()) + 96);
            putCsvField(c, e.subject);
            putCsvDate(c, e.first);
            c << ",\"\"";
            putCsvDate(c, e.last);
            c << ",\"\",\"True\",";
            putCsvField(c, e.description);
            c << ",\"\",\"False\"\r\n";
        }
        out.eventDone();
    }
}

void calendarIcs(qsizetype count, const EventAt &eventAt, const QDateTime &stamp, const PieceWriter::ByteSink &sink)
{
    Pieces out(sink);
    QByteArray line;
    const QByteArray product = Texts::productName().toUtf8();
    const QByteArray dtstamp = "DTSTAMP:" + stamp.toUTC().toString(QStringLiteral("yyyyMMdd'T'HHmmss'Z'")).toLatin1();
    {
        Cursor c(out.bytes, 128 + 4 * product.size());
        c << "BEGIN:VCALENDAR\r\nVERSION:2.0\r\n";
        putFolded(c, "PRODID:-//" + product + "//" + product + "//EN");
        c << "CALSCALE:GREGORIAN\r\n";
    }
    for (qsizetype i = 0; i < count; ++i) {
        const CalendarEvent &e = eventAt(i);
        {
            Cursor c(out.bytes, 4 * (e.subject.size() + e.description.size() + e.uid.size()) + 400);
            c << "BEGIN:VEVENT\r\n";
            putFolded(c, contentLine(line, "UID:", e.uid, true));
            c << dtstamp << "\r\nDTSTART;VALUE=DATE:";
            putIcsDate(c, e.first);
            c << "\r\nDTEND;VALUE=DATE:";
            putIcsDate(c, e.last.addDays(1));   // the end is exclusive
            c << "\r\n";
            putFolded(c, contentLine(line, "SUMMARY:", e.subject));
            putFolded(c, contentLine(line, "DESCRIPTION:", e.description));
            c << "TRANSP:TRANSPARENT\r\nEND:VEVENT\r\n";
        }
        out.eventDone();
    }
    out.bytes += "END:VCALENDAR\r\n";
}

QByteArray calendarCsv(const QList<CalendarEvent> &events)
{
    return whole([&](const PieceWriter::ByteSink &sink) { calendarCsv(events.size(), eventOf(events), sink); });
}

QByteArray calendarIcs(const QList<CalendarEvent> &events, const QDateTime &stamp)
{
    return whole([&](const PieceWriter::ByteSink &sink) { calendarIcs(events.size(), eventOf(events), stamp, sink); });
}

bool writeCalendarFile(const QList<CalendarEvent> &events, bool iCalendar, const QString &path, QString *error)
{
    const QDateTime stamp = QDateTime::currentDateTimeUtc();
    return PieceWriter::writeFile(path, [&](const PieceWriter::ByteSink &sink) {
        if (iCalendar)
            calendarIcs(events.size(), eventOf(events), stamp, sink);
        else
            calendarCsv(events.size(), eventOf(events), sink);
    }, error);
}
