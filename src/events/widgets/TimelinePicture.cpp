// Export Timeline's pictures: the whole timeline as PNG or SVG, drawn by
// the routine that draws it on screen and on paper.
#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>
#include <cmath>

#include "base/Output.h"
#include "base/Texts.h"
#include "component/KestrelFile.h"
#include "events/Plan.h"
#include "events/widgets/PlanPrint.h"
#include "events/widgets/TimelinePaint.h"

namespace {

constexpr double kWidestInDays = 6000;   // pixels; a longer plan is drawn in weeks
// What a PNG may be: the painter's spans reach 32767 pixels across, and a
// quarter of a gigabyte of memory is as much as a picture should take.
constexpr int kLongestSide = 32767;
constexpr qint64 kMostPixels = 64LL * 1024 * 1024;
constexpr double kPictureDpi = 96;

TimelineLayout pictureLayout(const Plan &plan, const TimelineStyle &style)
{
    TimelineLayout layout = layoutTimeline(plan.project, plan.schedule, plan.printedOn,
                                           style.dayWidth(TimelineScale::Days), style.rowHeight);
    if (layout.width() > kWidestInDays)
        layout = layoutTimeline(plan.project, plan.schedule, plan.printedOn, style.dayWidth(TimelineScale::Weeks),
                                style.rowHeight);
    return layout;
}

QSize pixelsOf(const TimelineLayout &layout, const TimelineStyle &style)
{
    const QSizeF size = timelineSize(layout, style);
    return {int(std::min<double>(std::ceil(size.width()), INT_MAX)),
            int(std::min<double>(std::ceil(size.height()), INT_MAX))};
}

void paintWhole(QPainter &painter, const TimelineLayout &layout, const TimelineStyle &style, const QSize &size)
{
    painter.setRenderHint(QPainter::Antialiasing);
    paintTimeline(painter, layout, style, QRectF(QPointF(), QSizeF(size)), QRectF(0, 0, layout.width(), layout.height()));
}

bool drawPng(const Plan &plan, QIODevice &out, QString *error)
{
    QImage probe(1, 1, QImage::Format_ARGB32_Premultiplied);   // fonts are measured for the picture
    TimelineStyle style = paperTimelineStyle(&probe, kPictureDpi);
    const TimelineLayout layout = pictureLayout(plan, style);
    const QSize size = pixelsOf(layout, style);
    QImage image;
    if (size.width() <= kLongestSide && size.height() <= kLongestSide
        && qint64(size.width()) * size.height() <= kMostPixels)
        image = QImage(size, QImage::Format_ARGB32_Premultiplied);
    if (image.isNull()) {
        if (error)
            *error = Texts::pictureTooLarge(size.width(), size.height());
        return false;
    }
    image.setDotsPerMeterX(probe.dotsPerMeterX());
    image.setDotsPerMeterY(probe.dotsPerMeterY());
    style.device = &image;
    {
        QPainter painter(&image);
        paintWhole(painter, layout, style, size);
    }
    if (!image.save(&out, "PNG")) {
        if (error)
            *error = Texts::pictureNotEncoded();
        return false;
    }
    return true;
}

bool drawSvg(const Plan &plan, QIODevice &out, QString *error)
{
    QSvgGenerator svg;
    svg.setOutputDevice(&out);
    svg.setResolution(int(kPictureDpi));
    svg.setTitle(plainLine(plan.project.name));
    svg.setDescription(Texts::timelineTitle());
    const TimelineStyle style = paperTimelineStyle(&svg, kPictureDpi);
    const TimelineLayout layout = pictureLayout(plan, style);
    const QSize size = pixelsOf(layout, style);
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(), size));
    QPainter painter;
    if (!painter.begin(&svg)) {
        if (error)
            *error = Texts::deviceNotOpened();
        return false;
    }
    paintWhole(painter, layout, style, size);
    if (!painter.end()) {
        if (error)
            *error = Texts::pictureNotEncoded();
        return false;
    }
    return true;
}

} // namespace

bool writeTimelinePicture(const Plan &plan, const QString &path, PictureFormat format, QString *error)
{
    // Drawn in memory, then written in one piece by the writer every file
    // of Tarvo goes through: a failed or short write leaves the old file.
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    const bool drawn = format == PictureFormat::Svg ? drawSvg(plan, buffer, error) : drawPng(plan, buffer, error);
    return drawn && KestrelFile::writeBytes(bytes, path, KestrelFile::Durability::Flushed, error);
}
