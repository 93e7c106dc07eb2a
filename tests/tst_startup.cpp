// Start-up: the task folder, the instance lock and the splash window.
#include <QDir>
#include <QLabel>
#include <QLockFile>
#include <QProcess>
#include <QTest>

#include "ScriptedModals.h"
#include "TempAppFolder.h"
#include "app/StartUp.h"
#include "app/widgets/frmSplash.h"
#include "component/KestrelTools.h"

class TestStartUp : public QObject {
    Q_OBJECT
private slots:
    void createsAMissingTaskFolder();
    void emptiesTheTaskFolderButKeepsFoldersAndHiddenFiles();
    void anEmptyTaskFolderStaysEmpty();
    void anUndeletableFileStays();
    void secondInstanceIsRefusedAndTouchesNothing();
    void staleLockIsTakenOver();
    void splashLooksAsDesignedAndOpensTheMainWindow();
};

void TestStartUp::createsAMissingTaskFolder()
{
    TempAppFolder app;
    prepareTaskFolder(app.path(), KestrelTools());
    QVERIFY(QFileInfo(app.file("tmp")).isDir());
}

void TestStartUp::emptiesTheTaskFolderButKeepsFoldersAndHiddenFiles()
{
    TempAppFolder app;
    app.write("tmp/101-301-301.txt", "tasks");
    app.write("tmp/202-302-302.txt", "more");
    app.write("tmp/notes", "");
    app.write("tmp/.hidden", "kept");
    app.write("tmp/sub/inner.txt", "kept");
    app.write("projects/p.gpj", "[Project]\r\n");
    prepareTaskFolder(app.path(), KestrelTools());
    QCOMPARE(QDir(app.file("tmp")).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             (QStringList{".hidden", "sub"}));
    QVERIFY(app.exists("tmp/sub/inner.txt"));
    QVERIFY(app.exists("projects/p.gpj"));
}

void TestStartUp::anEmptyTaskFolderStaysEmpty()
{
    TempAppFolder app;
    QDir().mkpath(app.file("tmp"));
    prepareTaskFolder(app.path(), KestrelTools());
    QVERIFY(QDir(app.file("tmp")).isEmpty());
}

void TestStartUp::anUndeletableFileStays()
{
    // The tests run as root, whom permission bits do not stop; the
    // immutable attribute does, where the file system has it.
    TempAppFolder app;
    app.write("tmp/locked.txt", "x");
    app.write("tmp/free.txt", "x");
    if (QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("+i"), app.file("tmp/locked.txt")}) != 0)
        QSKIP("this file system cannot make a file undeletable");
    prepareTaskFolder(app.path(), KestrelTools());
    const bool lockedStays = app.exists("tmp/locked.txt");
    const bool freeGone = !app.exists("tmp/free.txt");
    QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("-i"), app.file("tmp/locked.txt")});
    QVERIFY(lockedStays);
    QVERIFY(freeGone);
}

void TestStartUp::secondInstanceIsRefusedAndTouchesNothing()
{
    TempAppFolder app;
    app.write("tmp/101-301-301.txt", "the first Tarvo's tasks");
    ScriptedModals modals;
    QLockFile first(instanceLockPath(app.path()));
    QVERIFY(takeInstanceLock(first, modals));
    QVERIFY(modals.asked.isEmpty());

    QLockFile second(instanceLockPath(app.path()));
    QVERIFY(!takeInstanceLock(second, modals));
    QCOMPARE(modals.asked.size(), 1);
    QCOMPARE(modals.asked[0].text, QStringLiteral("Tarvo is already running from this folder."));
    QCOMPARE(modals.asked[0].title, QStringLiteral("Tarvo"));
    QCOMPARE(modals.asked[0].style, 64);
    QCOMPARE(app.read("tmp/101-301-301.txt"), QByteArray("the first Tarvo's tasks"));

    // The lock is a hidden file: emptying tmp/ and listing projects never see it.
    QVERIFY(QFileInfo(instanceLockPath(app.path())).fileName().startsWith(u'.'));
    first.unlock();
    QVERIFY(takeInstanceLock(second, modals));
}

void TestStartUp::staleLockIsTakenOver()
{
    TempAppFolder app;
    // A lock naming a process that no longer runs, as a crash leaves it.
    QProcess gone;
    gone.start(QStringLiteral("true"));
    QVERIFY(gone.waitForFinished());
    const qint64 deadPid = gone.processId() ? gone.processId() : 999999;
    app.write(".tarvo.lock", QByteArray::number(deadPid) + "\nTarvo\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    ScriptedModals modals;
    QLockFile lock(instanceLockPath(app.path()));
    QVERIFY(takeInstanceLock(lock, modals));
    QVERIFY(modals.asked.isEmpty());
}

void TestStartUp::splashLooksAsDesignedAndOpensTheMainWindow()
{
    TempAppFolder app;
    app.write("tmp/old.txt", "x");
    QWidget *opened = nullptr;
    auto main = std::make_unique<QWidget>();
    frmSplash splash(app.path(), [&] {
        opened = main.get();
        return main.get();
    });
    splash.show();
    QCOMPARE(splash.windowTitle(), QStringLiteral("Loading..."));
    QCOMPARE(splash.size(), QSize(605, 253));
    QCOMPARE(splash.palette().color(QPalette::Window), QColor(64, 64, 64));
    QCOMPARE(splash.findChild<QLabel *>("lblAppName")->text(), QStringLiteral("Tarvo"));
    QCOMPARE(splash.findChild<QLabel *>("Label1")->text(), QStringLiteral("Please Wait ..."));
    QVERIFY(!(splash.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QCOMPARE(splash.tmrLoad.interval(), 2000);
    QVERIFY(splash.tmrLoad.isActive() && splash.tmrLoad.isSingleShot());

    QTRY_VERIFY_WITH_TIMEOUT(opened != nullptr, 4000);
    QVERIFY(main->isVisible());
    QVERIFY(!splash.isVisible());
    QVERIFY(!splash.tmrLoad.isActive());
    QVERIFY(!app.exists("tmp/old.txt"));
}

QTEST_MAIN(TestStartUp)
#include "tst_startup.moc"
