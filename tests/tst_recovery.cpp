// Crash recovery: unsaved work kept in a snapshot, offered at the next
// start. The kill test starts this program as a child ("--typist <folder>"):
// a real main window typing task lines, killed at random moments; every
// restart, through the splash as Tarvo starts, answered Yes must show each
// line typed more than two seconds before the kill, and nothing that was
// not typed.
#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QRandomGenerator>
#include <QTest>

#include <csignal>
#include <unistd.h>
#include <ctime>
#include <cstdio>
#include <cstring>

#include "Planner.h"
#include "app/Termination.h"
#include "app/widgets/Form1.h"
#include "app/widgets/MainWindowStart.h"
#include "component/FileNames.h"
#include "project/GpjFormat.h"

Q_DECLARE_METATYPE(MsgAnswer)

namespace {

// The monotonic clock every process on the machine shares, in ms.
qint64 monotonicMs()
{
    timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    return qint64(now.tv_sec) * 1000 + now.tv_nsec / 1000000;
}

QString typedLine(int i) { return QStringLiteral("Line %1 of the typing test").arg(i); }

// The next start in the same folder, as main() runs it: the splash's time
// is up, it opens the main window, and the question follows once the
// window shows. Returns once it was asked, or there was nothing to ask.
struct Restart {
    std::unique_ptr<Form1> window;
    Restart(const QString &appFolder, ScriptedModals &modals)
    {
        frmSplash splash(appFolder, mainWindowFactory(appFolder, window, modals, modals));
        splash.tmrLoad_Timer();
        QTest::qWait(0);   // the question waits for the window to show
        QCoreApplication::processEvents();
    }
    Session &s() { return window->session(); }
};

// The child: a real window that types line after line and says when each
// line is in the box, by the clock all processes share.
int runTypist(const QString &appFolder)
{
    ScriptedModals modals;
    Form1 w(appFolder, modals, modals);
    w.show();
    bool ending = false;
    whenAskedToEnd([&] {
        w.session().recovery.writeNow();
        ending = true;
    });
    auto *name = w.findChild<QLineEdit *>(QStringLiteral("txtSubGoal"));
    QTest::keyClicks(name, QStringLiteral("Typing"));
    QTest::keyClick(name, Qt::Key_Return);
    QTest::mouseClick(w.findChild<QWidget *>(QStringLiteral("lblGoal_1")), Qt::LeftButton);
    auto *box = w.findChild<QPlainTextEdit *>(QStringLiteral("txtGoalTasks"));
    for (int i = 1; !ending; ++i) {
        QTest::keyClicks(box, typedLine(i));
        QTest::keyClick(box, Qt::Key_Return);
        printf("typed %d %lld\n", i, monotonicMs());
        fflush(stdout);
        QTest::qWait(15);
    }
    return 0;
}

} // namespace

class TestRecovery : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom)); }
    void restartOffersUnsavedWork_data();
    void restartOffersUnsavedWork();
    void savedOrDroppedWorkLeavesNoSnapshot();
    void aCopyThatCannotBeRestoredKeepsTheNewerOne();
    void theRestoredWorkIsSafeBeforeItsCopyGoes();
    void aFileNameThatIsNotUtf8ComesBack();
    void aCraftedCopyWritesNothingOutside_data();
    void aCraftedCopyWritesNothingOutside();
    void anUnreadableCopyIsKeptAndSaid();
    void killedWhileTypingLosesNothingOlderThanTwoSeconds();
};

void TestRecovery::restartOffersUnsavedWork_data()
{
    QTest::addColumn<MsgAnswer>("answer");
    QTest::addColumn<bool>("restored");
    QTest::newRow("Yes") << Msg::Yes << true;
    QTest::newRow("No throws it away") << Msg::No << false;
    QTest::newRow("Esc drops nothing") << Msg::Cancel << true;
}

void TestRecovery::restartOffersUnsavedWork()
{
    QFETCH(MsgAnswer, answer);
    QFETCH(bool, restored);
    TempAppFolder app;
    Project before;
    QString key;
    {
        ScriptedModals modals;
        Session s(app.path(), modals, modals);
        s.document.setFilePath(s.folders.projects() + "Plan.gpj");
        s.dashboard.txtProjectName_Change("Plan");
        QString name = "Design";
        s.dashboard.txtSubGoal_KeyPress(13, name);
        s.dashboard.lblGoal_Click(1);
        s.tasks.txtGoalTasks_Change(" Pick colours --\n\"quoted\"\nlast line");
        s.dueDates.chkDueDate_Click(true, QDate(2027, 3, 1));
        s.recovery.update();
        s.recovery.waitUntilIdle();
        before = s.document.project();
        key = s.document.subGoal(0).key;
        s.taskFiles.flush();
        app.write("tmp/" + key + ".txt", "stale");   // the next start empties tmp/
    }   // ends without a save: the snapshot stays
    QVERIFY(app.exists("tmp/.recovery.gpj"));

    ScriptedModals modals;
    modals.answer(answer);
    Restart restart(app.path(), modals);
    Session &s = restart.s();
    QCOMPARE(modals.asked.size(), 1);
    QCOMPARE(modals.asked[0].text, QString("Tarvo was closed before your changes were saved. Restore them?"));
    QCOMPARE(modals.asked[0].title + "|" + QString::number(int(modals.asked[0].style)), QString("Restore|36"));
    QVERIFY(!app.exists("tmp/.recovery-kept.gpj"));
    if (!restored) {
        QVERIFY(s.document.project().subGoals.isEmpty());
        QVERIFY(!s.document.isModified());
        return;
    }
    Project now = s.document.project();
    before.subGoals[0].tasks += "\n";   // the last line comes back ended, as every stored line is
    QVERIFY(now == before);
    QCOMPARE(s.document.filePath(), s.folders.projects() + "Plan.gpj");
    QVERIFY(s.document.isModified());
    QVERIFY(restart.window->isWindowModified());
    QCOMPARE(s.document.selectedCard(), 0);
    QCOMPARE(app.read("tmp/" + key + ".txt"), QString(now.subGoals[0].tasks).replace("\n", "\r\n").toUtf8());
}

void TestRecovery::savedOrDroppedWorkLeavesNoSnapshot()
{
    Planner p;
    TempAppFolder &app = p.app;
    ScriptedModals &modals = p.modals;
    Session &s = p.s;
    const auto change = [&] {
        s.dashboard.txtProjectName_Change(s.document.project().name + "!");
        s.recovery.update();
        s.recovery.waitUntilIdle();
        return app.exists("tmp/.recovery.gpj");
    };
    const auto gone = [&] {
        s.recovery.update();
        s.recovery.waitUntilIdle();
        return !app.exists("tmp/.recovery.gpj");
    };
    QVERIFY(gone());   // nothing changed, nothing kept
    QVERIFY(change());
    QVERIFY(s.project.SaveProject(s.folders.projects() + "Saved.gpj"));
    QVERIFY(gone());
    QVERIFY(change());
    s.project.mnuNew_Click();   // answered No: dropped on purpose
    QVERIFY(gone());
    QVERIFY(change());
    modals.answer(Msg::Cancel);
    QVERIFY(!s.project.maybeSave());   // closing cancelled: the work and its snapshot stay
    s.recovery.waitUntilIdle();
    QVERIFY(app.exists("tmp/.recovery.gpj"));
}

namespace {
// Unsaved work named name left in app's tmp/ by a run that ended without
// a save, as a crash leaves it.
void leaveUnsavedWork(const QString &app, const QString &name, const QString &file = {})
{
    ScriptedModals modals;
    Session s(app, modals, modals);
    s.dashboard.txtProjectName_Change(name);
    s.document.setFilePath(file);
    s.recovery.writeNow();
}
} // namespace

// The copy kept aside after a restore that failed is not thrown away when
// the next run, too, ends without a save: the newer is offered first, and
// the older stays for the start after.
void TestRecovery::aCopyThatCannotBeRestoredKeepsTheNewerOne()
{
    TempAppFolder app;
    app.write("tmp/.recovery.gpj", "[Project]\r\nName=Older\r\n[Goals]\r\nGoal1=1-2-3\r\nGoal1_Name=G\r\n"
                                   "Goal1_Tasks=1\r\nGoal1_Task1=older task\r\n");
    QDir().mkpath(app.file("tmp/1-2-3.txt"));   // a folder where its task file goes: the restore fails
    {
        ScriptedModals modals;
        modals.answer(Msg::Yes);
        Restart first(app.path(), modals);
        QVERIFY(modals.lastText().startsWith("The changes could not be restored"));
        QVERIFY(first.s().document.project().subGoals.isEmpty());
    }
    leaveUnsavedWork(app.path(), "Newer");   // worked on, and ended without a save again
    ScriptedModals modals;
    modals.answer(Msg::Yes);
    Restart second(app.path(), modals);
    QCOMPARE(second.s().document.project().name, QStringLiteral("Newer"));
    QCOMPARE(Recovery::keptCopies(app.path()).size(), 1);   // the older one, still aside
    second.s().recovery.discard();   // this time the work was saved
    second.s().recovery.waitUntilIdle();
    QDir(app.file("tmp/1-2-3.txt")).removeRecursively();
    ScriptedModals later;
    later.answer(Msg::Yes);
    Restart third(app.path(), later);
    QCOMPARE(third.s().document.project().name, QStringLiteral("Older"));
    QVERIFY(Recovery::keptCopies(app.path()).isEmpty());
}

// Yes: the restored work is in the new copy, flushed, before the copy it
// came from is removed; a crash right after the answer loses nothing.
void TestRecovery::theRestoredWorkIsSafeBeforeItsCopyGoes()
{
    TempAppFolder app;
    leaveUnsavedWork(app.path(), "Precious");
    ScriptedModals modals;
    modals.answer(Msg::Yes);
    Restart restart(app.path(), modals);
    QVERIFY(Recovery::keptCopies(app.path()).isEmpty());
    QVERIFY(app.read("tmp/.recovery.gpj").contains("Name=Precious\r\n"));
}

void TestRecovery::aFileNameThatIsNotUtf8ComesBack()
{
    TempAppFolder app;
    const QString file = app.file("projects/") + FileNames::fromNative("caf\xE9.gpj");
    leaveUnsavedWork(app.path(), "Café", file);
    ScriptedModals modals;
    modals.answer(Msg::Yes);
    Restart restart(app.path(), modals);
    QCOMPARE(restart.s().document.filePath(), file);
    QVERIFY(restart.s().project.SaveProject());
    const QByteArray bytes = FileNames::toNative(file);
    QVERIFY(bytes.endsWith("/caf\xE9.gpj"));
    QCOMPARE(::access(bytes.constData(), F_OK), 0);   // saved under the very same bytes
    QVERIFY(!app.exists("projects/caf?.gpj") && !app.exists("projects/caf\uFFFD.gpj"));
    ::unlink(bytes.constData());   // a name the temporary folder's clean-up cannot spell
}

void TestRecovery::aCraftedCopyWritesNothingOutside_data()
{
    QTest::addColumn<QByteArray>("goals");
    QTest::newRow("a key that climbs out") << QByteArray("Goal1=../../../x/evil\r\nGoal1_Tasks=1\r\nGoal1_Task1=t\r\n");
    QTest::newRow("keys alike but for case") << QByteArray("Goal1=AB-1\r\nGoal1_Tasks=1\r\nGoal1_Task1=a\r\n"
                                                          "Goal2=ab-1\r\nGoal2_Tasks=1\r\nGoal2_Task1=b\r\n");
    QTest::newRow("an absolute key") << QByteArray("Goal1=/tmp/evil\r\nGoal1_Tasks=1\r\nGoal1_Task1=t\r\n");
}

// A copy in tmp/ may have been made by anything: its keys go through the
// checks an opened project's keys go through.
void TestRecovery::aCraftedCopyWritesNothingOutside()
{
    QFETCH(QByteArray, goals);
    TempAppFolder app;
    QDir().mkpath(app.file("x"));
    app.write("tmp/.recovery.gpj", "[Project]\r\nName=Crafted\r\n[Goals]\r\n" + goals);
    ScriptedModals modals;
    modals.answer(Msg::Yes);
    Restart restart(app.path(), modals);
    const Project &project = restart.s().document.project();
    QCOMPARE(project.name, QStringLiteral("Crafted"));
    QSet<QString> keys;
    for (const SubGoal &goal : project.subGoals) {
        QVERIFY(Gpj::isSafeKey(goal.key));
        keys.insert(goal.key.toLower());
    }
    QCOMPARE(keys.size(), project.subGoals.size());
    QVERIFY(!QFile::exists(app.file("x/evil.txt")) && !QFile::exists("/tmp/evil.txt"));
    QCOMPARE(QDir(app.file("tmp")).entryList(QDir::Files).size(), project.subGoals.size());
}

void TestRecovery::anUnreadableCopyIsKeptAndSaid()
{
    TempAppFolder app;
    app.write("tmp/.recovery.gpj", "not a project at all");
    ScriptedModals modals;
    Restart restart(app.path(), modals);
    QCOMPARE(modals.asked.size(), 1);
    QVERIFY(modals.lastText().contains(".recovery-unreadable"));
    QVERIFY(Recovery::keptCopies(app.path()).isEmpty());
    const QStringList aside = QDir(app.file("tmp")).entryList({".recovery-unreadable*"}, QDir::Files | QDir::Hidden);
    QCOMPARE(aside.size(), 1);
    QCOMPARE(app.read("tmp/" + aside[0]), QByteArray("not a project at all"));
}

void TestRecovery::killedWhileTypingLosesNothingOlderThanTwoSeconds()
{
    const int wanted = qEnvironmentVariableIntValue("TARVO_RESTORE_KILLS") > 0
                           ? qEnvironmentVariableIntValue("TARVO_RESTORE_KILLS") : 100;
    QRandomGenerator random(20261207);
    QElapsedTimer clock;
    clock.start();
    int kills = 0, terms = 0, restores = 0, checkedLines = 0;
    qint64 newestLost = -1;   // age at the kill of the newest typed line not restored, in ms
    while (kills < wanted) {
        TempAppFolder app;
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        child.setProcessEnvironment(env);
        child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--typist"), app.path()});
        QVERIFY(child.waitForStarted());
        // Every tenth end is a polite one (logout, shutdown): then nothing
        // typed at all may be missing.
        const bool polite = kills % 10 == 9;
        const qint64 killAt = monotonicMs() + random.bounded(300, 3600);
        while (monotonicMs() < killAt && child.state() == QProcess::Running)
            child.waitForReadyRead(int(std::max<qint64>(1, killAt - monotonicMs())));
        const qint64 endedAt = monotonicMs();
        polite ? void(::kill(pid_t(child.processId()), SIGTERM)) : child.kill();
        QVERIFY(child.waitForFinished(30000));
        ++kills;
        terms += polite;

        // The lines the child had in its box, and when.
        QList<qint64> typedAt;
        for (const QByteArray &line : child.readAllStandardOutput().split('\n')) {
            const QList<QByteArray> parts = line.split(' ');
            if (parts.size() == 3 && parts[0] == "typed" && parts[1].toInt() == typedAt.size() + 1)
                typedAt.append(parts[2].toLongLong());
        }
        QString typed;
        for (int i = 1; i <= typedAt.size(); ++i)
            typed += typedLine(i) + QStringLiteral("\n");

        ScriptedModals modals;
        modals.answer(Msg::Yes);
        Restart restart(app.path(), modals);
        Session &s = restart.s();
        restores += !modals.asked.isEmpty();
        QString restored = s.document.isSubGoal(0) ? s.document.subGoal(0).tasks : QString();
        if (restored.endsWith(u'\n') && !typed.startsWith(restored))
            restored.chop(1);   // a line caught half typed comes back ended
        QVERIFY2(typed.startsWith(restored), qPrintable(QStringLiteral("kill %1: restored what was not typed").arg(kills)));
        for (int i = 0; i < typedAt.size(); ++i) {
            const qint64 age = endedAt - typedAt[i];
            const bool kept = restored.contains(typedLine(i + 1) + QStringLiteral("\n"));
            if (age > 2000 || polite) {
                ++checkedLines;
                QVERIFY2(kept, qPrintable(QStringLiteral("kill %1: line %2, typed %3 ms before, is lost")
                                              .arg(kills).arg(i + 1).arg(age)));
            } else if (!kept) {
                newestLost = std::max(newestLost, age);
            }
        }
        s.recovery.discard();
        s.recovery.waitUntilIdle();
    }
    qInfo("kills: %d (%d of them SIGTERM), restores offered: %d, lines that had to come back: %d, all did; "
          "oldest line not yet in a snapshot: %lld ms before its kill; time: %lld s",
          kills, terms, restores, checkedLines, newestLost, clock.elapsed() / 1000);
}

int main(int argc, char **argv)
{
    if (argc == 3 && std::strcmp(argv[1], "--typist") == 0) {
        QApplication app(argc, argv);
        return runTypist(QString::fromLocal8Bit(argv[2]));
    }
    QApplication app(argc, argv);
    TestRecovery test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_recovery.moc"
