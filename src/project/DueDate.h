#pragma once
#include <QDate>
#include <QString>

// Due dates as the project stores them: text in the user's short date
// format, read back under any locale a file may have come from.
namespace DueDate {

// A date as due-date text: the locale's short format with a four-digit year.
QString text(const QDate &date);
// That format, for callers that write many dates at once.
QString format();
// A stored due-date text back as a date; invalid when no form reads it.
QDate parse(const QString &text);

} // namespace DueDate
