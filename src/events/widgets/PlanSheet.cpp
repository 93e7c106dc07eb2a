// The drawing pieces of the printed plan: lines, wraps, tick boxes, bars.
#include "events/widgets/PlanSheet.h"

#include <QTextLayout>

#include "base/Texts.h"

QRectF Sheet::body() const
{
    const QFontMetricsF foot = metrics(planFont(8));
    return area.adjusted(0, 0, 0, -(foot.height() + mm(3)));
}

QFont planFont(double points, bool bold)
{
    // The dashboard's faces first; fonts-dejavu where they are missing.
    QFont font;
    font.setFamilies({QStringLiteral("Trebuchet MS"), QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")});
    font.setPointSizeF(points);
    font.setBold(bold);
    // No ligatures in Latin text: "fi" drawn as one glyph reads back from
    // the PDF as one character, and a search for "five" misses it. Any
    // letter spacing turns them off, while scripts that must be shaped
    // (Arabic, say) stay shaped; a twentieth of a device pixel shows nowhere.
    font.setLetterSpacing(QFont::AbsoluteSpacing, 0.05);
    return font;
}

QList<std::pair<int, int>> wrapLines(const Sheet &sheet, const QFont &font, const QString &text, double width)
{
    // Most tasks fit on one line: no layout needed to know it.
    if (sheet.metrics(font).horizontalAdvance(text) <= width)
        return {{0, int(text.size())}};
    QTextLayout layout(text, font, sheet.device);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    QList<std::pair<int, int>> lines;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        lines.append({line.textStart(), line.textLength()});
    }
    layout.endLayout();
    if (lines.isEmpty())
        lines.append({0, 0});
    return lines;
}

void drawLine(Sheet &sheet, const QFont &font, const QColor &ink, QPointF baseline, const QString &text,
              double width, Qt::Alignment align)
{
    if (width <= 0)
        return;
    const QFontMetricsF fm = sheet.metrics(font);
    const QString shown = fm.elidedText(text, Qt::ElideRight, width);
    const double advance = fm.horizontalAdvance(shown);
    if (align.testFlag(Qt::AlignRight))
        baseline.rx() -= advance;
    else if (align.testFlag(Qt::AlignHCenter))
        baseline.rx() -= advance / 2;
    sheet.painter.setFont(font);
    sheet.painter.setPen(ink);
    sheet.painter.drawText(baseline, shown);
}

double drawWrapped(Sheet &sheet, const QFont &font, const QColor &ink, const QRectF &box, const QString &text,
                   int maxLines, Qt::Alignment align)
{
    const QFontMetricsF fm = sheet.metrics(font);
    const QList<std::pair<int, int>> lines = wrapLines(sheet, font, text, box.width());
    const int shown = int(std::min<qsizetype>(lines.size(), std::max(maxLines, 1)));
    const double x = align.testFlag(Qt::AlignHCenter) ? box.center().x() : box.left();
    for (int i = 0; i < shown; ++i) {
        // The last line shown takes the rest of the text, cut short.
        const QString part = i + 1 == shown ? text.mid(lines[i].first) : text.mid(lines[i].first, lines[i].second);
        drawLine(sheet, font, ink, {x, box.top() + i * fm.lineSpacing() + fm.ascent()}, part.trimmed(), box.width(),
                 align);
    }
    return shown * fm.lineSpacing();
}

double tickBoxWidth(const Sheet &sheet, const QFont &font)
{
    return sheet.metrics(font).ascent() * 0.85 + sheet.mm(1.6);
}

double drawTickBox(Sheet &sheet, const QFont &font, QPointF baseline, bool done)
{
    QPainter &p = sheet.painter;
    const QFontMetricsF fm = sheet.metrics(font);
    const double side = fm.ascent() * 0.85;
    const QRectF box(baseline.x(), baseline.y() - side, side, side);
    p.setPen(QPen(done ? PlanInk::green : PlanInk::muted, sheet.mm(0.2)));
    p.setBrush(Qt::NoBrush);
    p.drawRect(box);
    if (done) {
        // The tick is a character, so the PDF's text says which are done.
        QFont tick = font;
        tick.setBold(true);
        const QString mark = Texts::doneTick();
        const QFontMetricsF tm = sheet.metrics(tick);
        p.setFont(tick);
        p.setPen(PlanInk::green);
        p.drawText(QPointF(box.center().x() - tm.horizontalAdvance(mark) / 2, baseline.y() - sheet.mm(0.15)), mark);
    }
    return tickBoxWidth(sheet, font);
}

void drawProgress(Sheet &sheet, const QRectF &box, qsizetype done, qsizetype total)
{
    QPainter &p = sheet.painter;
    const QFont font = planFont(8);
    const QFontMetricsF fm = sheet.metrics(font);
    const QString fraction = Texts::doneOfAll(done, total);
    const double textWidth = fm.horizontalAdvance(fraction);
    const double height = sheet.mm(1.8);
    const QRectF bar(box.left(), box.center().y() - height / 2, std::max(0.0, box.width() - textWidth - sheet.mm(2)),
                     height);
    p.setPen(Qt::NoPen);
    p.setBrush(PlanInk::track);
    p.drawRoundedRect(bar, height / 2, height / 2);
    if (total > 0 && done > 0) {
        p.setBrush(done == total ? PlanInk::green : PlanInk::blue);
        p.drawRoundedRect(QRectF(bar.topLeft(), QSizeF(bar.width() * double(done) / double(total), height)),
                          height / 2, height / 2);
    }
    drawLine(sheet, font, PlanInk::muted, {box.right(), box.center().y() + (fm.ascent() - fm.descent()) / 2},
             fraction, textWidth + 1, Qt::AlignRight);
}

void drawFoot(Sheet &sheet, const QString &left, int page, int pages)
{
    const QFont font = planFont(8);
    const QFontMetricsF fm = sheet.metrics(font);
    const double baseline = sheet.area.bottom() - fm.descent();
    const QString number = Texts::pageOf(page, pages);
    const double numberWidth = fm.horizontalAdvance(number);
    QPainter &p = sheet.painter;
    p.setPen(QPen(PlanInk::hairline, sheet.mm(0.2)));
    const double rule = sheet.area.bottom() - fm.height() - sheet.mm(1);
    p.drawLine(QPointF(sheet.area.left(), rule), QPointF(sheet.area.right(), rule));
    drawLine(sheet, font, PlanInk::muted, {sheet.area.right(), baseline}, number, numberWidth + 1, Qt::AlignRight);
    drawLine(sheet, font, PlanInk::muted, {sheet.area.left(), baseline}, left,
             sheet.area.width() - numberWidth - sheet.mm(6));
}
