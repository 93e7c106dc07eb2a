#pragma once
#include <QString>
#include <QStringList>

class QPrinter;

// Prints plain text lines, one under the other, page after page.
bool printLinesOnPrinter(QPrinter &printer, const QStringList &lines, QString *error);
// The same on the system's default printer; false, with the reason, when
// there is none.
bool printLinesOnDefaultPrinter(const QStringList &lines, QString *error);
