#pragma once
#include <QFont>
#include <QGuiApplication>
#include <QScreen>
#include <QString>
#include <QWidget>

// What the two project dialogs share: fixed size, title and close box
// only, centred on the screen; geometry given in twips.
namespace DialogFrame {

constexpr int px(int twips) { return twips / 15; }

inline void setUp(QWidget &dialog, const char *name, const QString &title, int widthTwips, int heightTwips)
{
    dialog.setObjectName(QString::fromLatin1(name));
    dialog.setWindowTitle(title);
    dialog.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowCloseButtonHint);
    dialog.setFixedSize(px(widthTwips), px(heightTwips));
}

inline void centre(QWidget &dialog)
{
    QScreen *screen = dialog.screen() ? dialog.screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame = dialog.frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    dialog.move(frame.topLeft());
}

inline QFont verdana(double points, bool bold = false)
{
    QFont font(QStringLiteral("Verdana"));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

inline void place(QWidget *widget, const char *name, int x, int y, int w, int h)
{
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(px(x), px(y), px(w), px(h));
}

} // namespace DialogFrame
