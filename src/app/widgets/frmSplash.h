#pragma once
#include <QTimer>
#include <QWidget>
#include <functional>

#include "component/KestrelTools.h"

class QListWidget;

// The start-up window: shown for two seconds, then its timer prepares the
// task folder, opens the main window and closes the splash.
class frmSplash : public QWidget {
    Q_OBJECT
public:
    using MainWindowFactory = std::function<QWidget *()>;
    frmSplash(const QString &appFolder, MainWindowFactory openMainWindow, QWidget *parent = nullptr);

    QTimer tmrLoad;
    QListWidget *fileTMP = nullptr;   // hidden: the listing of tmp/ the tick worked through
    void tmrLoad_Timer();
    void stopTimer() { tmrLoad.stop(); }

private:
    QString m_appFolder;
    MainWindowFactory m_openMainWindow;
    KestrelTools KestrelTools1;
};
