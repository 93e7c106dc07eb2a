#include "app/widgets/frmSplash.h"

#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QScreen>

#include "app/Layout.h"
#include "app/StartUp.h"

using Layout::px;

namespace {

QLabel *label(QWidget *parent, const char *name, const QString &text, int y, int h, QColor colour, double points,
              bool bold = false)
{
    auto *l = new QLabel(text, parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setGeometry(px(2025), px(y), px(5010), px(h));
    l->setAlignment(Qt::AlignCenter);
    QFont font(QStringLiteral("Verdana"));
    font.setPointSizeF(points);
    font.setBold(bold);
    l->setFont(font);
    QPalette palette = l->palette();
    palette.setColor(QPalette::WindowText, colour);
    l->setPalette(palette);
    return l;
}

} // namespace

frmSplash::frmSplash(const QString &appFolder, MainWindowFactory openMainWindow, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint), m_appFolder(appFolder),
      m_openMainWindow(std::move(openMainWindow))
{
    setObjectName(QStringLiteral("frmSplash"));
    setWindowTitle(QStringLiteral("Loading..."));
    setFixedSize(px(9075), px(3795));
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(64, 64, 64));
    setPalette(palette);

    label(this, "lblAppName", QStringLiteral("Tarvo"), 1215, 555, Qt::white, 15.75, true);
    label(this, "lblFilename", QStringLiteral("A planner for one project at a time"), 1800, 375,
          QColor(128, 128, 128), 9.75);
    label(this, "Label1", QStringLiteral("Please Wait ..."), 2475, 375, QColor(192, 192, 192), 9.75);

    fileTMP = new QListWidget(this);
    fileTMP->setObjectName(QStringLiteral("fileTMP"));
    fileTMP->hide();

    if (QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    tmrLoad.setObjectName(QStringLiteral("tmrLoad"));
    tmrLoad.setInterval(2000);
    tmrLoad.setSingleShot(true);
    connect(&tmrLoad, &QTimer::timeout, this, &frmSplash::tmrLoad_Timer);
    tmrLoad.start();
}

void frmSplash::tmrLoad_Timer()
{
    tmrLoad.stop();
    fileTMP->clear();
    fileTMP->addItems(prepareTaskFolder(m_appFolder, KestrelTools1));
    if (m_openMainWindow) {
        if (QWidget *main = m_openMainWindow())
            main->show();
    }
    close();
}
