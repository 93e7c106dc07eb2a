#pragma once
#include <QColor>
#include <QFont>
#include <QRectF>

#include "events/Timeline.h"

class QPainter;
class QPaintDevice;
class QWidget;

// How the timeline looks on one kind of device: its fonts, its colours and
// the sizes of its parts, in that device's units.
struct TimelineStyle {
    QFont nameFont;     // task names and the header's dates
    QFont goalFont;     // sub-goal names
    QPaintDevice *device = nullptr;   // the fonts are measured for it; none: the screen
    QColor paper, stripe, header, ink, muted, grid, shade, bar, done, late, hatch, today, due, selection;
    double nameWidth = 0;      // the column of names at the left
    double headerHeight = 0;   // the dates at the top
    double rowHeight = 0;
    double numberWidth = 0;    // a day's number, "00"
    double line = 1;           // a hairline

    double dayWidth(TimelineScale scale) const { return dayWidthOf(scale, numberWidth); }
};

// The screen's: the widget's font and palette.
TimelineStyle screenTimelineStyle(const QWidget &widget);
// Paper and pictures: black on white whatever the desktop's colours, in
// the printed plan's fonts; dpi is the device's resolution.
TimelineStyle paperTimelineStyle(QPaintDevice *device, double dpi);

// The one routine that draws the timeline, on the screen, on paper and in
// pictures: the part source of the layout (in its own units) drawn into
// target, the names down its left and the dates along its top whatever
// part is shown. Rows of selectedSubGoal are tinted. Text is drawn as
// text, so a PDF or SVG of it can be searched.
void paintTimeline(QPainter &painter, const TimelineLayout &layout, const TimelineStyle &style, const QRectF &target,
                   QRectF source, int selectedSubGoal = -1);
// The size paintTimeline needs to show all of layout.
QSizeF timelineSize(const TimelineLayout &layout, const TimelineStyle &style);
