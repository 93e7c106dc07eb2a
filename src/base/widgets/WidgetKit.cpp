#include "base/widgets/WidgetKit.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScreen>

void ClickLabel::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QLabel::mouseReleaseEvent(event);
}

namespace Kit {

QFont font(const char *family, double points, bool bold, bool underline)
{
    QFont f(QString::fromLatin1(family));
    f.setPointSizeF(points);
    f.setBold(bold);
    f.setUnderline(underline);
    return f;
}

// Both change the palette only when the colour changes: a palette set
// again still repaints the widget and tells its children.
void setTextColour(QWidget *widget, const QColor &colour)
{
    if (widget->palette().color(QPalette::WindowText) == colour)
        return;
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

void fillBackground(QWidget *widget, const QColor &colour)
{
    if (widget->autoFillBackground() && widget->palette().color(QPalette::Window) == colour)
        return;
    widget->setAutoFillBackground(true);
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
}

void useDialogFrame(QWidget &dialog)
{
    dialog.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowCloseButtonHint);
    dialog.setFixedSize(dialog.size());
}

void centreOnScreen(QWidget &window)
{
    QScreen *screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame = window.frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window.move(frame.topLeft());
}

void setShown(QWidget *widget, bool shown)
{
    if (widget->isVisibleTo(widget->parentWidget()) != shown)
        widget->setVisible(shown);
}

void setText(QLabel *label, const QString &text)
{
    if (label->text() != text)
        label->setText(text);
}

namespace {

constexpr char kBaseSize[] = "tarvoBasePointSize";
constexpr double kSmallest = 0.75;   // of the base size: smaller is no longer read at a glance

double basePointSize(QWidget *widget)
{
    const QVariant base = widget->property(kBaseSize);
    return base.isValid() ? base.toDouble() : widget->font().pointSizeF();
}

bool fits(const QLabel *label, const QFont &font, const QString &text)
{
    const QFontMetricsF metrics(font);
    const QRectF room = label->contentsRect();
    if (!label->wordWrap())
        return metrics.horizontalAdvance(text) <= room.width();
    return metrics.boundingRect(room, Qt::TextWordWrap | label->alignment(), text).height() <= room.height();
}

QString elided(const QLabel *label, const QFont &font, const QString &text)
{
    const QFontMetricsF metrics(font);
    const double width = label->contentsRect().width();
    const int lines = label->wordWrap() ? std::max(1, int(label->contentsRect().height() / metrics.lineSpacing())) : 1;
    QString shown = metrics.elidedText(text, Qt::ElideRight, width * lines);
    while (shown.size() > 1 && !fits(label, font, shown))
        shown = metrics.elidedText(text, Qt::ElideRight, metrics.horizontalAdvance(shown) - metrics.averageCharWidth());
    return shown;
}

} // namespace

void setBasePointSize(QWidget *widget, double points)
{
    widget->setProperty(kBaseSize, points);
    QFont font = widget->font();
    font.setPointSizeF(points);
    widget->setFont(font);
}

void fitText(QLabel *label, const QString &text)
{
    const double base = basePointSize(label);
    label->setProperty(kBaseSize, base);
    QFont font = label->font();
    QString shown = text;
    QString tip;
    double size = base;
    for (; size >= base * kSmallest; size -= 0.25) {
        font.setPointSizeF(size);
        if (fits(label, font, text))
            break;
    }
    if (size < base * kSmallest) {
        font.setPointSizeF(base * kSmallest);
        shown = elided(label, font, text);
        tip = text;
    }
    if (label->font() != font)
        label->setFont(font);
    setText(label, shown);
    if (label->toolTip() != tip)
        label->setToolTip(tip);
}

} // namespace Kit

void SetEditMargins(int left, int right, QWidget *editBox)
{
    if (auto *line = qobject_cast<QLineEdit *>(editBox))
        line->setTextMargins(left, 0, right, 0);
    else if (auto *box = qobject_cast<TaskBox *>(editBox))
        box->setMargins(left, right);
}
