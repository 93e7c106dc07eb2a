#pragma once
// Inside the timeline's drawing: one part of the layout placed on a device.
#include <QFontMetricsF>
#include <QPainter>
#include <QPointF>
#include <QRectF>

#include "events/widgets/TimelinePaint.h"

struct TimelineFrame {
    QPainter &p;
    const TimelineLayout &layout;
    const TimelineStyle &style;
    QRectF chart;                   // where the part shown goes, on the device
    QPointF origin;                 // the layout's point at the chart's top left
    int firstRow = 0, endRow = 0;   // the rows in sight: [firstRow, endRow)

    double x(double layoutX) const { return chart.left() + layoutX - origin.x(); }
    double y(double layoutY) const { return chart.top() + layoutY - origin.y(); }
    QFontMetricsF metrics(const QFont &font) const
    {
        return style.device ? QFontMetricsF(font, style.device) : QFontMetricsF(font);
    }
    // The days in sight: [first, end) counted from the layout's first day.
    qint64 firstDay() const;
    qint64 endDay() const;
};

// The dates along the top of the chart: months or years above, days,
// weeks, months or years below, as many as the scale leaves room for.
void paintTimelineHeader(const TimelineFrame &frame);
