#include "app/widgets/frmSplash.h"

#include "app/StartUp.h"
#include "project/Recovery.h"
#include "base/widgets/WidgetKit.h"
#include "ui_frmSplash.h"

frmSplash::frmSplash(const QString &appFolder, MainWindowFactory openMainWindow, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint), m_appFolder(appFolder),
      m_openMainWindow(std::move(openMainWindow))
{
    Ui::frmSplash ui;
    ui.setupUi(this);
    fileTMP = ui.fileTMP;
    setFixedSize(size());
    Kit::fillBackground(this, QColor(64, 64, 64));
    Kit::centreOnScreen(*this);

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
    // Before the emptying, for the question once the window shows; the base
    // the unsaved work was made from goes aside with it.
    Recovery::keepAside(m_appFolder);
    fileTMP->addItems(prepareTaskFolder(m_appFolder, KestrelTools1));
    if (m_openMainWindow) {
        if (QWidget *main = m_openMainWindow())
            main->show();
    }
    close();
}
