// Tarvo keeps nothing outside its folder: Qt's file dialog, which remembers
// its folder and view in QtProject.conf, writes it in the application
// folder's tmp/, not in the user's configuration folder.
#include <QApplication>
#include <QDirIterator>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QTest>

#include "TempAppFolder.h"
#include "component/QtSettingsFolder.h"

class TestQtSettings : public QObject {
    Q_OBJECT
public:
    explicit TestQtSettings(const QString &home) : m_home(home) {}

private slots:
    void fileDialogWritesInTheApplicationFolder();

private:
    QString m_home;
};

void TestQtSettings::fileDialogWritesInTheApplicationFolder()
{
    TempAppFolder app;
    keepQtSettingsIn(app.file("tmp"));
    {
        QFileDialog dialog(nullptr, QStringLiteral("Export CSV"), app.path());
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        dialog.close();
    }   // the dialog writes its state as it goes
    QVERIFY(app.exists("tmp/QtProject.conf"));
    QDirIterator written(m_home, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    QVERIFY2(!written.hasNext(), qPrintable(written.hasNext() ? written.next() : QString()));
}

int main(int argc, char *argv[])
{
    // A home of the test's own, set before Qt first looks for it.
    QTemporaryDir home;
    qputenv("HOME", QFile::encodeName(home.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path() + QStringLiteral("/.config")));
    QApplication application(argc, argv);
    TestQtSettings test(home.path());
    return QTest::qExec(&test, argc, argv);
}

#include "tst_qtsettings.moc"
