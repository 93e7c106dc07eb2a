// The event list as CSV and iCalendar bytes.
#include "events/CalendarExport.h"

#include "app/Texts.h"
#include "events/EventList.h"

namespace {

constexpr char kCrLf[] = "\r\n";
constexpr qsizetype kFoldAt = 75;   // octets of a content line, line break not counted

void appendDigits(QByteArray &out, int value, int width)
{
    char digits[8];
    for (int i = width - 1; i >= 0; --i, value /= 10)
        digits[i] = char('0' + value % 10);
    out.append(digits, width);
}

// ---------------------------------------------------------------- CSV

// A spreadsheet runs a cell that starts with one of these as a formula.
bool startsLikeFormula(const QString &field)
{
    if (field.isEmpty())
        return false;
    const QChar c = field.front();
    return c == u'=' || c == u'+' || c == u'-' || c == u'@' || c == u'\t' || c == u'\r';
}

void appendCsvField(QByteArray &out, const QString &field, bool first = false)
{
    if (!first)
        out += ',';
    out += '"';
    if (startsLikeFormula(field))
        out += '\'';
    const QByteArray bytes = field.toUtf8();
    if (bytes.contains('"'))
        out += QByteArray(bytes).replace("\"", "\"\"");
    else
        out += bytes;
    out += '"';
}

void appendCsvDate(QByteArray &out, const QDate &date)
{
    out += ",\"";
    appendDigits(out, date.month(), 2);
    out += '/';
    appendDigits(out, date.day(), 2);
    out += '/';
    appendDigits(out, date.year(), 4);
    out += '"';
}

// ---------------------------------------------------------------- iCalendar

// TEXT as the RFC escapes it. Line breaks become "\n"; other control
// characters, which the RFC does not allow in TEXT, are dropped.
QByteArray icsText(const QString &text)
{
    QByteArray out;
    out.reserve(text.size() + 8);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        switch (c.unicode()) {
        case u'\\': out += "\\\\"; break;
        case u';': out += "\\;"; break;
        case u',': out += "\\,"; break;
        case u'\r':
            if (i + 1 < text.size() && text.at(i + 1) == u'\n')
                ++i;
            out += "\\n";
            break;
        case u'\n': out += "\\n"; break;
        default:
            if ((c.unicode() < 0x20 && c != u'\t') || c.unicode() == 0x7F)
                break;
            if (c.unicode() < 0x80) {
                out += char(c.unicode());
            } else {
                const qsizetype run = i;   // the rest of a non-ASCII run in one conversion
                while (i + 1 < text.size() && text.at(i + 1).unicode() >= 0x80)
                    ++i;
                out += QStringView(text).sliced(run, i - run + 1).toUtf8();
            }
        }
    }
    return out;
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
    out += kCrLf;
}

void appendIcsDate(QByteArray &out, const QDate &date)
{
    appendDigits(out, date.year(), 4);
    appendDigits(out, date.month(), 2);
    appendDigits(out, date.day(), 2);
}

// Room for the exports in one piece: per event its texts (UTF-8 takes at
// most three bytes for each UTF-16 unit, escaping and folding less than
// that again) and its fixed part. Growing a file of 80,000 events in steps
// would copy it over and over.
qsizetype roomFor(const QList<CalendarEvent> &events, qsizetype perEvent, int textFactor)
{
    qsizetype room = 512;
    for (const CalendarEvent &e : events)
        room += perEvent + textFactor * (e.subject.size() + e.description.size() + e.key.size());
    return room;
}

} // namespace

QByteArray calendarCsv(const QList<CalendarEvent> &events)
{
    QByteArray out;
    out.reserve(roomFor(events, 80, 3));
    bool first = true;
    for (const QString &header : EventList::columnHeaders()) {
        appendCsvField(out, header, first);
        first = false;
    }
    out += kCrLf;
    for (const CalendarEvent &e : events) {
        appendCsvField(out, e.subject, true);
        appendCsvDate(out, e.first);
        out += ",\"\"";
        appendCsvDate(out, e.last);
        out += ",\"\",\"True\"";
        appendCsvField(out, e.description);
        out += ",\"\",\"False\"";
        out += kCrLf;
    }
    return out;
}

QByteArray calendarIcs(const QList<CalendarEvent> &events, const QDateTime &stamp)
{
    QByteArray out;
    out.reserve(roomFor(events, 240, 4));
    const QByteArray product = Texts::productName().toUtf8();
    out += "BEGIN:VCALENDAR\r\nVERSION:2.0\r\n";
    appendContentLine(out, "PRODID:-//" + product + "//" + product + "//EN");
    out += "CALSCALE:GREGORIAN\r\n";
    const QByteArray dtstamp = "DTSTAMP:" + stamp.toUTC().toString(QStringLiteral("yyyyMMdd'T'HHmmss'Z'")).toLatin1();
    QByteArray line;
    for (const CalendarEvent &e : events) {
        out += "BEGIN:VEVENT\r\n";
        line = "UID:" + icsText(e.key) + '-' + QByteArray::number(e.lineNumber) + "@tarvo";
        appendContentLine(out, line);
        out += dtstamp;
        out += "\r\nDTSTART;VALUE=DATE:";
        appendIcsDate(out, e.first);
        out += "\r\nDTEND;VALUE=DATE:";
        appendIcsDate(out, e.last.addDays(1));   // the end is exclusive
        out += kCrLf;
        appendContentLine(out, "SUMMARY:" + icsText(e.subject));
        appendContentLine(out, "DESCRIPTION:" + icsText(e.description));
        out += "TRANSP:TRANSPARENT\r\nEND:VEVENT\r\n";
    }
    out += "END:VCALENDAR\r\n";
    return out;
}
