// Start-up: the task folder, the instance lock and the splash window.
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QLockFile>
#include <QProcess>
#include <QStandardPaths>
#include <QSysInfo>
#include <unistd.h>
#include <QTest>
#include <sys/stat.h>

#include "Patience.h"
#include "ScriptedModals.h"
#include "TempAppFolder.h"
#include "app/StartUp.h"
#include "app/widgets/frmSplash.h"
#include "component/KestrelTools.h"
#include "project/TmpFolder.h"

class TestStartUp : public QObject {
    Q_OBJECT
private slots:
    void createsAMissingTaskFolder();
    void emptiesTheTaskFolderButKeepsFoldersAndHiddenFiles();
    void anEmptyTaskFolderStaysEmpty();
    void anUndeletableFileStays();
    void secondInstanceIsRefusedAndTouchesNothing();
    void realInstancesShareOneFolder();
    void lockSituations_data();
    void lockSituations();
    void aTaskFolderTakenAwayComesBackWithItsLock();
    void aLinkedTaskFolderIsNotEmptied();
    void aReadOnlyInstallStillLocksItsFolder();
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
    QVERIFY(QFile::link(app.file("projects/p.gpj"), app.file("tmp/link.txt")));
    QCOMPARE(::mkfifo(QFile::encodeName(app.file("tmp/pipe")).constData(), 0600), 0); // a special file
    QCOMPARE(prepareTaskFolder(app.path(), KestrelTools()),
             (QStringList{"101-301-301.txt", "202-302-302.txt", "link.txt", "notes"}));
    QCOMPARE(QDir(app.file("tmp")).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
             (QStringList{".hidden", "pipe", "sub"}));
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
    QVERIFY(takeInstanceLock(first, app.path(), modals));
    QVERIFY(modals.asked.isEmpty());

    QLockFile second(instanceLockPath(app.path()));
    QVERIFY(!takeInstanceLock(second, app.path(), modals));
    QCOMPARE(modals.asked.size(), 1);
    QCOMPARE(modals.asked[0].text, QStringLiteral("Tarvo is already running from this folder."));
    QCOMPARE(modals.asked[0].title, QStringLiteral("Tarvo"));
    QCOMPARE(modals.asked[0].style, Msg::Information);
    QCOMPARE(app.read("tmp/101-301-301.txt"), QByteArray("the first Tarvo's tasks"));

    // The lock is a hidden file: emptying tmp/ and listing projects never see it.
    QVERIFY(QFileInfo(instanceLockPath(app.path())).fileName().startsWith(u'.'));
    first.unlock();
    QVERIFY(takeInstanceLock(second, app.path(), modals));
}

void TestStartUp::realInstancesShareOneFolder()
{
    const QString built = qEnvironmentVariable("TARVO_BUILD_DIR") + QStringLiteral("/tarvo");
    if (!QFileInfo(built).isExecutable())
        QSKIP("the tarvo program is not built");
    TempAppFolder app;
    QVERIFY(QFile::copy(built, app.file("tarvo")));
    app.write("tmp/old.txt", "from an earlier run");
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    const auto start = [&](QProcess &p) {
        p.setProcessEnvironment(env);
        p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        p.start(app.file("tarvo"), {});
        return p.waitForStarted();
    };

    QProcess first;
    QVERIFY(start(first));
    QTRY_VERIFY_WITH_TIMEOUT(!app.exists("tmp/old.txt"), 60000); // its splash emptied tmp/
    QCOMPARE(first.state(), QProcess::Running);
    app.write("tmp/101-301-301.txt", "the first Tarvo's tasks");

    // The lock is held across processes ...
    ScriptedModals modals;
    QLockFile here(instanceLockPath(app.path()));
    QVERIFY(!takeInstanceLock(here, app.path(), modals));
    QCOMPARE(modals.lastText(), QStringLiteral("Tarvo is already running from this folder."));

    // ... and a second real Tarvo, stopped at its message, leaves tmp/ alone
    // well past the two seconds after which a splash would have emptied it.
    QProcess second;
    QVERIFY(start(second));
    QTest::qWait(3500);
    QCOMPARE(app.read("tmp/101-301-301.txt"), QByteArray("the first Tarvo's tasks"));
    second.kill();
    second.waitForFinished();

    // tmp/ taken away while the first runs: it makes the folder and its lock
    // again at once, and a Tarvo started now is still refused.
    QVERIFY(QDir(app.file("tmp")).removeRecursively());
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(instanceLockPath(app.path())), 60000);
    QVERIFY(!takeInstanceLock(here, app.path(), modals));
    QCOMPARE(modals.asked.size(), 2);

    // A crash leaves the lock file behind; the next start takes it over.
    first.kill();
    QVERIFY(first.waitForFinished());
    QVERIFY(QFileInfo::exists(instanceLockPath(app.path())));
    QVERIFY(takeInstanceLock(here, app.path(), modals));
    QCOMPARE(modals.asked.size(), 2);
}

// Before each write into tmp/: the folder is there and the lock still this
// Tarvo's; taken away, both are made again, unless another Tarvo holds the
// folder by then, which is said, and nothing is written there.
void TestStartUp::aTaskFolderTakenAwayComesBackWithItsLock()
{
    TempAppFolder app;
    ScriptedModals modals;
    QLockFile lock(instanceLockPath(app.path()));
    QVERIFY(takeInstanceLock(lock, app.path(), modals));
    TmpFolder tmp(app.file("tmp/"), &lock);
    QVERIFY(tmp.ready());
    QVERIFY(QDir(app.file("tmp")).removeRecursively());
    QVERIFY(tmp.ready());
    QLockFile second(instanceLockPath(app.path()));
    QVERIFY(!takeInstanceLock(second, app.path(), modals));

    QVERIFY(QDir(app.file("tmp")).removeRecursively());
    app.write("tmp/.tarvo.lock", "1\ntarvo\n" + QSysInfo::machineHostName().toUtf8() + "\n");   // alive, not us
    QString why;
    QVERIFY(!tmp.ready(&why));
    QVERIFY2(why.startsWith("Another Tarvo now uses the folder"), qPrintable(why));
    QCOMPARE(app.read("tmp/.tarvo.lock").left(2), QByteArray("1\n"));   // the other's lock is left alone
}

void TestStartUp::lockSituations_data()
{
    QTest::addColumn<QByteArray>("lockFile");   // what the lock file holds before the start; "-" for none
    QTest::addColumn<bool>("tmpIsAFile");       // no folder, so no lock, can be made
    QTest::addColumn<bool>("starts");
    QTest::addColumn<QString>("said");          // in the message, with {lock} and {tmp} for the paths
    const QByteArray here = QSysInfo::machineHostName().toUtf8();
    QTest::newRow("free") << QByteArray("-") << false << true << "";
    QTest::newRow("owner gone") << "999999\ntarvo\n" + here + "\n" << false << true << "";
    QTest::newRow("another computer") << QByteArray("4242\ntarvo\nlaptop-at-home\n") << false << false
                                      << "\"laptop-at-home\"|delete the lock file \"{lock}\"";
    QTest::newRow("unreadable") << QByteArray("\x01garbage") << false << false << "\"{lock}\" cannot be read|delete";
    QTest::newRow("no folder for it") << QByteArray("-") << true << false << "cannot write in the folder \"{tmp}\"";
}

void TestStartUp::lockSituations()
{
    QFETCH(QByteArray, lockFile);
    QFETCH(bool, tmpIsAFile);
    QFETCH(bool, starts);
    QFETCH(QString, said);
    TempAppFolder app;
    if (tmpIsAFile)
        app.write("tmp", "a file where the folder should be");
    else if (lockFile != "-")
        app.write("tmp/.tarvo.lock", lockFile);
    ScriptedModals modals;
    QLockFile lock(instanceLockPath(app.path()));
    QCOMPARE(takeInstanceLock(lock, app.path(), modals), starts);
    QCOMPARE(modals.asked.size(), starts ? 0 : 1);
    const QString text = modals.lastText();
    for (QString part : said.split(u'|', Qt::SkipEmptyParts)) {
        part.replace("{lock}", instanceLockPath(app.path())).replace("{tmp}", app.file("tmp"));
        QVERIFY2(text.contains(part), qPrintable(text));
    }
}

void TestStartUp::aLinkedTaskFolderIsNotEmptied()
{
    TempAppFolder app, elsewhere;
    elsewhere.write("someone-elses.txt", "not Tarvo's");
    QVERIFY(QFile::link(elsewhere.path(), app.file("tmp")));
    QCOMPARE(prepareTaskFolder(app.path(), KestrelTools()), QStringList());
    QCOMPARE(elsewhere.read("someone-elses.txt"), QByteArray("not Tarvo's"));

    // In a real tmp/, a link to a file elsewhere goes as a link.
    TempAppFolder other;
    QVERIFY(QFile::link(elsewhere.file("someone-elses.txt"), other.file("tmp/link.txt"))
            || (QDir().mkpath(other.file("tmp")) && QFile::link(elsewhere.file("someone-elses.txt"), other.file("tmp/link.txt"))));
    prepareTaskFolder(other.path(), KestrelTools());
    QVERIFY(!QFileInfo(other.file("tmp/link.txt")).isSymLink());
    QCOMPARE(elsewhere.read("someone-elses.txt"), QByteArray("not Tarvo's"));
}

// A root-owned install used by a normal user: the application folder is
// read-only, tmp/ and projects/ are writable. The lock lives in tmp/, so a
// second Tarvo is refused and leaves the first one's tasks alone.
void TestStartUp::aReadOnlyInstallStillLocksItsFolder()
{
    const QString built = qEnvironmentVariable("TARVO_BUILD_DIR") + QStringLiteral("/tarvo");
    if (!QFileInfo(built).isExecutable())
        QSKIP("the tarvo program is not built");
    if (::geteuid() != 0 || QStandardPaths::findExecutable(QStringLiteral("setpriv")).isEmpty())
        QSKIP("needs root and setpriv to run Tarvo as another user");
    const QString user = QStringLiteral("tarvo-test");
    if (QProcess::execute(QStringLiteral("id"), {user}) != 0
        && QProcess::execute(QStringLiteral("useradd"), {QStringLiteral("--system"), QStringLiteral("--no-create-home"), user}) != 0)
        QSKIP("no user to run Tarvo as");
    TempAppFolder app;
    QVERIFY(QFile::copy(built, app.file("tarvo")));
    QDir().mkpath(app.file("projects"));
    app.write("tmp/old.txt", "from an earlier run");
    QVERIFY(::chmod(QFile::encodeName(app.path()).constData(), 0755) == 0);   // read-only for the user
    for (const char *writable : {"tmp", "projects"})
        QVERIFY(::chmod(QFile::encodeName(app.file(writable)).constData(), 0777) == 0);
    const auto start = [&](QProcess &p) {
        p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        // setpriv becomes Tarvo itself, so killing the process ends Tarvo.
        p.start(QStringLiteral("setpriv"), {QStringLiteral("--reuid=") + user, QStringLiteral("--regid=") + user,
                                            QStringLiteral("--clear-groups"), QStringLiteral("--"), QStringLiteral("env"),
                                            QStringLiteral("QT_QPA_PLATFORM=offscreen"), app.file("tarvo")});
        return p.waitForStarted();
    };
    QProcess first;
    QVERIFY(start(first));
    QTRY_VERIFY_WITH_TIMEOUT(!app.exists("tmp/old.txt"), 60000);   // it started, and emptied tmp/
    QVERIFY(app.exists("tmp/.tarvo.lock"));
    app.write("tmp/101-301-301.txt", "the first Tarvo's tasks");
    QProcess second;
    QVERIFY(start(second));
    QTest::qWait(3500);   // well past its splash's two seconds
    QCOMPARE(app.read("tmp/101-301-301.txt"), QByteArray("the first Tarvo's tasks"));
    for (QProcess *p : {&second, &first}) {
        p->kill();
        p->waitForFinished();
    }
    QFile::remove(instanceLockPath(app.path()));   // the user's, which this process did not take
}

namespace {
// Notes whether another window is still up when the watched one is shown.
class ShowWatch : public QObject {
public:
    explicit ShowWatch(QWidget *other) : m_other(other) {}
    bool otherVisibleAtShow = false;
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Show)
            otherVisibleAtShow = m_other->isVisible();
        return false;
    }

private:
    QWidget *m_other;
};
} // namespace

void TestStartUp::splashLooksAsDesignedAndOpensTheMainWindow()
{
    TempAppFolder app;
    app.write("tmp/old.txt", "x");
    int opened = 0;
    bool tmpEmptiedFirst = false;
    auto main = std::make_unique<QWidget>();
    frmSplash splash(app.path(), [&] {
        ++opened;
        tmpEmptiedFirst = !app.exists("tmp/old.txt");
        return main.get();
    });
    ShowWatch watch(&splash);
    main->installEventFilter(&watch);
    splash.show();
    const auto label = [&](const char *name) { return splash.findChild<QLabel *>(name); };
    QCOMPARE(splash.windowTitle(), QStringLiteral("Loading..."));
    QCOMPARE(splash.size(), QSize(605, 253));
    QCOMPARE(splash.palette().color(QPalette::Window), QColor(64, 64, 64));
    QCOMPARE(label("lblAppName")->text(), QStringLiteral("Tarvo"));
    QVERIFY(label("lblAppName")->font().bold());
    QCOMPARE(label("lblAppName")->palette().color(QPalette::WindowText), QColor(Qt::white));
    QVERIFY(!label("lblFilename")->text().isEmpty());
    QCOMPARE(label("lblFilename")->palette().color(QPalette::WindowText), QColor(128, 128, 128));
    QCOMPARE(label("Label1")->text(), QStringLiteral("Please Wait ..."));
    QCOMPARE(label("Label1")->palette().color(QPalette::WindowText), QColor(192, 192, 192));
    QVERIFY(!(splash.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QCOMPARE(splash.tmrLoad.interval(), 2000);
    QVERIFY(splash.tmrLoad.isActive() && splash.tmrLoad.isSingleShot());

    QTest::qWait(1500);
    QCOMPARE(opened, 0); // not before the two seconds
    QVERIFY(app.exists("tmp/old.txt"));
    QTRY_COMPARE_WITH_TIMEOUT(opened, 1, 60000);
    QVERIFY(tmpEmptiedFirst);
    auto *fileTMP = splash.findChild<QListWidget *>(QStringLiteral("fileTMP"));
    QVERIFY(fileTMP && fileTMP->isHidden());
    QCOMPARE(fileTMP->count(), 1);
    QCOMPARE(fileTMP->item(0)->text(), QStringLiteral("old.txt"));
    QVERIFY(main->isVisible());
    QVERIFY(watch.otherVisibleAtShow); // the main window came up before the splash went
    QVERIFY(!splash.isVisible());
    QVERIFY(!splash.tmrLoad.isActive());
    QTest::qWait(2500);
    QCOMPARE(opened, 1); // the tick runs once
}

QTEST_MAIN(TestStartUp)
#include "tst_startup.moc"
