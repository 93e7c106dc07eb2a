#pragma once
#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>

#include "component/PieceWriter.h"

// The event list as files that calendars import: a CSV in the columns of
// the list, and an iCalendar file. Both are UTF-8 without a byte-order mark
// and end every line with CR LF.

// One all-day event as the exports see it.
struct CalendarEvent {
    QString subject;
    QString description;   // the sub-goal's name
    QString uid;           // who the event is, the same from one export to the next
    QDate first, last;     // last is the event's last day
};

// A header row of the nine column names, then one row per event. Every
// field in double quotes, dates as MM/DD/YYYY; a field that a spreadsheet
// would run as a formula gets a leading apostrophe.
QByteArray calendarCsv(const QList<CalendarEvent> &events);

// An iCalendar object with one all-day VEVENT per event. stamp is the
// DTSTAMP of every event; the UID stays the same across exports.
QByteArray calendarIcs(const QList<CalendarEvent> &events, const QDateTime &stamp);

// The same bytes handed to sink in pieces as they are made, for writing a
// large calendar without holding it whole; the count events are read
// through eventAt where they lie, without a copy.
using EventAt = std::function<const CalendarEvent &(qsizetype)>;
void calendarCsv(qsizetype count, const EventAt &eventAt, const PieceWriter::ByteSink &sink);
void calendarIcs(qsizetype count, const EventAt &eventAt, const QDateTime &stamp, const PieceWriter::ByteSink &sink);

// The events written to path as an iCalendar file (stamped now) or a CSV,
// in pieces as they are made; the file is replaced whole or left as it was.
bool writeCalendarFile(const QList<CalendarEvent> &events, bool iCalendar, const QString &path, QString *error);
