// Tarvo started from an application folder keeps everything beside itself;
// installed for every user, it keeps each user's files in their own folder
// (app/AppFolders.h). With an export option it runs without a window.
#include <QApplication>
#include <QDir>
#include <QLocale>
#include <QLockFile>

#include "app/AppFolders.h"
#include "app/CommandLine.h"
#include "app/StartUp.h"
#include "app/Termination.h"
#include "app/widgets/CommandLineRun.h"
#include "app/widgets/FontSetup.h"
#include "app/widgets/Form1.h"
#include "app/widgets/MainWindowStart.h"
#include "app/widgets/QtModals.h"
#include "app/widgets/frmSplash.h"
#include "base/Translations.h"
#include "component/QtSettingsFolder.h"

int main(int argc, char *argv[])
{
    if (CommandLine::wanted(argc, argv))
        return runCommandLine(argc, argv);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tarvo"));
    installFontSubstitutions();
    installTranslations(QLocale());
    const AppFolders folders = chooseAppFolders(QCoreApplication::applicationDirPath(),
                                                qEnvironmentVariable("XDG_DATA_HOME"), QDir::homePath());
    QString problem;
    if (!linkImages(folders, &problem))
        qWarning("Tarvo: %s", qUtf8Printable(problem));   // the cards show without their pictures
    const QString appFolder = folders.data;
    // Qt's file dialog remembers its folder in QtProject.conf: in tmp/, not ~/.config.
    keepQtSettingsIn(appFolder + QStringLiteral("/tmp"));

    // A second Tarvo in this folder would empty tmp/ under the first one.
    QLockFile lock(instanceLockPath(appFolder));
    QtModals modals(appFolder);
    if (!takeInstanceLock(lock, appFolder, modals))
        return 1;

    std::unique_ptr<Form1> mainWindow;
    // Logout or shutdown: the snapshot of unsaved work is brought up to
    // date and kept; the next start offers it.
    whenAskedToEnd([&] {
        if (mainWindow)
            mainWindow->session().recovery.writeNow();
        QCoreApplication::exit(0);
    });
    frmSplash splash(appFolder, mainWindowFactory(appFolder, mainWindow, &lock));
    splash.show();
    return app.exec();
}
