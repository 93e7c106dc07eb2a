#include "app/widgets/frmTips.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

#include "app/Layout.h"

using Layout::px;

namespace {

QLabel *tip(QWidget *parent, const char *name, const QString &text, int x, int y, int w = 0, int h = 0,
            QColor colour = Qt::black, double points = 9.75, bool bold = false)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    QFont font(QStringLiteral("Verdana"));
    font.setPointSizeF(points);
    font.setBold(bold);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    label->move(px(x), px(y));
    if (w > 0) {
        label->setWordWrap(true);
        label->setFixedWidth(px(w));
    }
    if (h > 0)
        label->setFixedHeight(px(h));
    label->adjustSize();
    return label;
}

} // namespace

frmTips::frmTips(const QString &, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmTips"));
    setWindowTitle(QStringLiteral("Tips"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setModal(true);
    setFixedSize(px(12555), px(4875));

    const QColor blue(0, 0, 192);
    tip(this, "Label1", QStringLiteral("Tips:"), 450, 180, 0, 0, Qt::black, 14.25, true);
    tip(this, "Label2",
        QStringLiteral("You can set the duration of each task by adding a \"+ X days\"  of it."), 450, 765, 11220);
    tip(this, "Label3", QStringLiteral("Example: "), 1755, 1215);
    tip(this, "Label7", QStringLiteral(" Do This + 7 Days"), 2970, 1215, 0, 0, blue);
    tip(this, "Label5", QStringLiteral("or "), 1755, 1620);
    tip(this, "Label6", QStringLiteral(" Do This + 7"), 2250, 1620, 0, 0, blue);
    tip(this, "Label4", QStringLiteral("This will set the duration of the task to 7 days."), 495, 2340, 11220);
    tip(this, "lblPro",
        QStringLiteral("In the \"Pro\" version, you can create parallel tasks (tasks that begin on the same date). To "
                       "make a parallel task simply add // at the beginning of it and it and it will inherit the "
                       "start date of the previous task."),
        495, 3015, 11220, 870);

    auto *close = new QPushButton(QStringLiteral("Close"), this);
    close->setObjectName(QStringLiteral("Command1"));
    QFont bold = close->font();
    bold.setBold(true);
    close->setFont(bold);
    close->setGeometry(px(4680), px(3915), px(3300), px(690));
    close->setAutoDefault(false);
    connect(close, &QPushButton::clicked, this, &QDialog::reject); // Esc rejects as well

    if (QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}
