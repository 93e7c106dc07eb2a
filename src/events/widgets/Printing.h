#pragma once
#include <QString>
#include <QStringList>

#include "base/Output.h"

class QPrinter;
class QWidget;

// Prints plain text lines, one under the other, page after page.
bool printLinesOnPrinter(QPrinter &printer, const QStringList &lines, QString *error);
// The same on the printer the user picks in the print dialog, which offers
// a PDF file too.
PrintOutcome printLinesThroughDialog(QWidget *parent, const QStringList &lines, QString *error);
