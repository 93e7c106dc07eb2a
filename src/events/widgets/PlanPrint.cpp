// The printed plan on a device: the chart, the timeline, then the lists;
// the PDF export and the print preview around it.
#include "events/widgets/PlanPrint.h"

#include <QBuffer>
#include <QLocale>
#include <QPdfWriter>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include "base/Texts.h"
#include "component/KestrelFile.h"
#include "events/Plan.h"
#include "events/widgets/PlanSheet.h"

bool drawPlan(QPagedPaintDevice &device, const Plan &plan, QString *error)
{
    QPainter painter;
    if (!painter.begin(&device)) {
        if (error)
            *error = Texts::deviceNotOpened();
        return false;
    }
    painter.setRenderHint(QPainter::Antialiasing);
    Sheet sheet{painter, &device, QRectF(0, 0, device.width(), device.height()), double(device.logicalDpiY())};
    // Laid out first: every page says how many there are.
    const TimelinePages timeline(sheet, plan);
    const PlanLists lists(sheet, plan);
    const int pages = 1 + timeline.pageCount() + lists.pageCount();
    drawChart(sheet, plan, pages);
    for (int i = 0; i < pages - 1; ++i) {
        if (!device.newPage()) {
            painter.end();
            if (error)
                *error = Texts::pageNotStarted();
            return false;
        }
        if (i < timeline.pageCount())
            timeline.drawPage(sheet, i, 2 + i, pages);
        else
            lists.drawPage(sheet, i - timeline.pageCount(), 2 + timeline.pageCount(), pages);
    }
    if (!painter.end()) {
        if (error)
            *error = Texts::pagesNotFinished();
        return false;
    }
    return true;
}

bool writePlanPdf(const Plan &plan, const QString &path, QString *error)
{
    // Drawn in memory, then written in one piece by the writer every file
    // of Tarvo goes through: a failed or short write leaves the old file.
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&buffer);
        pdf.setTitle(plainLine(plan.project.name));
        pdf.setCreator(Texts::productName());
        const bool letter = QLocale().measurementSystem() == QLocale::ImperialUSSystem;
        pdf.setPageLayout(QPageLayout(QPageSize(letter ? QPageSize::Letter : QPageSize::A4), QPageLayout::Landscape,
                                      QMarginsF(12, 12, 12, 12), QPageLayout::Millimeter));
        if (!drawPlan(pdf, plan, error))
            return false;
    }
    return KestrelFile::writeBytes(bytes, path, KestrelFile::Durability::Flushed, error);
}

bool printPlanWithPreview(const Plan &plan, QWidget *parent, QString *target, QString *error)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setDocName(plainLine(plan.project.name));
    QPrintPreviewDialog preview(&printer, parent);
    // The preview and the print both come from here; the last one counts.
    bool printed = true;
    QString reason;
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&](QPrinter *device) { printed = drawPlan(*device, plan, &reason); });
    if (preview.exec() != QDialog::Accepted || printed)
        return true;
    if (target)
        *target = printer.outputFileName().isEmpty() ? printer.printerName() : printer.outputFileName();
    if (error)
        *error = reason;
    return false;
}
