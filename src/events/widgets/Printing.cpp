#include "events/widgets/Printing.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

bool printLinesOnPrinter(QPrinter &printer, const QStringList &lines, QString *error)
{
    QPainter painter;
    if (!painter.begin(&printer)) {
        if (error)
            *error = QStringLiteral("The printer could not be started.");
        return false;
    }
    painter.setFont(QFont(QStringLiteral("Verdana"), 10));
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

bool printLinesOnDefaultPrinter(const QStringList &lines, QString *error)
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) {
        if (error)
            *error = QStringLiteral("no printer is set up on this computer.");
        return false;
    }
    QPrinter printer(info);
    return printLinesOnPrinter(printer, lines, error);
}
