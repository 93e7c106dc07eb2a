#pragma once
#include <QColor>
#include <QFont>
#include <QLabel>
#include <QPlainTextEdit>

// Small pieces every window of Tarvo uses.

// A label that reports a click, as a caption or a link does.
class ClickLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;
signals:
    void clicked();
protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
};

// The task box: a plain-text box whose inner margins can be set.
class TaskBox : public QPlainTextEdit {
    Q_OBJECT
public:
    using QPlainTextEdit::QPlainTextEdit;
    void setMargins(int left, int right) { setViewportMargins(left, 0, right, 0); }
};

namespace Kit {
// A late task, a late sub-goal's band: one red wherever lateness shows.
inline const QColor lateRed{192, 0, 0};
// A done task in the schedule's list and timeline.
inline const QColor doneGrey{128, 128, 128};

// A font as the designs give it: family, points (fractions too), weight.
QFont font(const char *family, double points, bool bold = false, bool underline = false);
void setTextColour(QWidget *widget, const QColor &colour);
void fillBackground(QWidget *widget, const QColor &colour);
// A fixed-size dialog with a title and a close box only, at its form's size.
void useDialogFrame(QWidget &dialog);
// Centres a top-level window on its screen's available area.
void centreOnScreen(QWidget &window);
// Changes only what differs, so showing the same state again costs nothing.
void setShown(QWidget *widget, bool shown);
void setText(QLabel *label, const QString &text);
// Shows text whole in the label: at its own font size when it fits, a
// little smaller when that makes it fit, else cut short with "…" and the
// whole text in the tool tip. Never cut off without a mark. The label's
// own size (its base size) is kept as the size to come back to.
void fitText(QLabel *label, const QString &text);
// The size fitText starts from; scaling a window changes it.
void setBasePointSize(QWidget *widget, double points);
} // namespace Kit

// Sets an edit box's inner left and right margins, in pixels.
void SetEditMargins(int left, int right, QWidget *editBox);
