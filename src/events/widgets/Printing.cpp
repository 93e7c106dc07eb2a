#include "events/widgets/Printing.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>
#include <QPrintDialog>

#include "base/Texts.h"

bool printLinesOnPrinter(QPrinter &printer, const QStringList &lines, QString *error)
{
    QPainter painter;
    if (!painter.begin(&printer)) {
        if (error)
            *error = Texts::printerNotStarted();
        return false;
    }
    // Fixed-width, so the columns of a table printed as lines stay in line.
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setStyleHint(QFont::Monospace);
    font.setPointSizeF(9);
    painter.setFont(font);
    const QFontMetrics metrics(painter.font(), &printer);
    const int lineHeight = metrics.lineSpacing();
    const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
    int y = metrics.ascent();
    for (const QString &line : lines) {
        if (y > page.height()) {
            printer.newPage();
            y = metrics.ascent();
        }
        painter.drawText(0, y, line);
        y += lineHeight;
    }
    painter.end();
    return true;
}

PrintOutcome printLinesThroughDialog(QWidget *parent, const QStringList &lines, QString *error)
{
    QPrinter printer;
    QPrintDialog dialog(&printer, parent);
    if (dialog.exec() != QDialog::Accepted)
        return PrintOutcome::Cancelled;
    return printLinesOnPrinter(printer, lines, error) ? PrintOutcome::Printed : PrintOutcome::Failed;
}
