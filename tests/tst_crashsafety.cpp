// A saving Tarvo killed with SIGKILL at random moments. The test program
// starts itself as the child ("--saver <app folder>"): it opens a large
// project (eight sub-goals of 2,000 tasks each, about 0.75 MB) and saves it
// again and again, each time with the next generation number as its name.
// After every kill the project file must be one generation's file, byte
// for byte, no older than the last save the child finished, and it opens.
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTest>
#include <QThread>

#include <cstdio>
#include <cstring>

#include "Planner.h"

namespace {

constexpr int kSubGoals = 8;
constexpr int kTasksEach = 2000;

QString generationName(qint64 g) { return QStringLiteral("Gen %1").arg(g, 6, 10, QChar(u'0')); }

// The same keys in the child and in the test, so both build the same file.
void fixKeys(Session &s)
{
    s.tools.randomSource = [n = 0](int bound) mutable { return (n++ * 2477 + 11) % (bound + 1); };
}

// The large project, built through the handlers as a user would.
void buildProject(Session &s)
{
    fixKeys(s);
    for (int i = 1; i <= kSubGoals; ++i) {
        QString name = QStringLiteral("Sub-goal %1").arg(i);
        s.dashboard.txtSubGoal_KeyPress(13, name);
    }
    for (int i = 1; i <= kSubGoals; ++i) {
        QStringList lines;
        for (int k = 1; k <= kTasksEach; ++k)
            lines.append(QStringLiteral("Task %1.%2 of the big project%3").arg(i).arg(k).arg(k % 3 ? "" : " --"));
        s.dashboard.lblGoal_Click(i);
        s.tasks.txtGoalTasks_Change(lines.join(u'\n'));
    }
    s.dashboard.lblGoal_Click(0);
    s.dashboard.txtProjectName_Change(generationName(0));
}

// The child: open (or build) the project, then save it forever, telling the
// parent after each save that has finished.
int runSaver(const QString &appFolder)
{
    ScriptedModals modals;
    Session s(appFolder, modals, modals);
    const QString path = appFolder + QStringLiteral("/projects/big.gpj");
    qint64 generation = 0;
    if (QFile::exists(path)) {
        modals.openActions.append(pickAndOpen(QStringLiteral("big.gpj")));
        s.project.mnuOpen_Click();
        generation = s.document.project().name.mid(4).toLongLong();
    } else {
        buildProject(s);
        s.document.setFilePath(path);
    }
    if (s.document.filePath() != path || s.document.subGoalCount() != kSubGoals)
        return 3;
    printf("ready %lld\n", generation);
    fflush(stdout);
    for (;;) {
        s.dashboard.txtProjectName_Change(generationName(++generation));
        if (!s.project.SaveProject())
            return 4;
        printf("saved %lld\n", generation);
        fflush(stdout);
    }
}

} // namespace

class TestCrashSafety : public QObject {
    Q_OBJECT
private slots:
    void killedWhileSavingLosesNothing();
};

void TestCrashSafety::killedWhileSavingLosesNothing()
{
    // The bytes of generation 0, made here with the same keys and tasks.
    QByteArray reference;
    {
        TempAppFolder app;
        ScriptedModals modals;
        Session s(app.path(), modals, modals);
        buildProject(s);
        QVERIFY(s.project.SaveProject(app.file("projects/big.gpj")));
        reference = app.read("projects/big.gpj");
    }
    const QByteArray nameLine = "Name=" + generationName(0).toUtf8() + "\r\n";
    QVERIFY(reference.size() > 700 * 1000 && reference.count(nameLine) == 1);
    auto expectedFor = [&](qint64 g) {
        QByteArray bytes = reference;
        return bytes.replace(nameLine, "Name=" + generationName(g).toUtf8() + "\r\n");
    };

    const int maxKills = qEnvironmentVariableIntValue("TARVO_KILLS") > 0 ? qEnvironmentVariableIntValue("TARVO_KILLS")
                                                                         : 200;
    const qint64 budgetMs = 100 * 1000;   // fewer kills on a slow (sanitizer) build, never a longer test
    TempAppFolder app;
    const QString path = app.file("projects/big.gpj");
    QRandomGenerator random(20240315);
    QElapsedTimer clock;
    clock.start();
    int kills = 0;
    qint64 savesFinished = 0;
    qint64 lastFinished = -1;   // the newest generation known to be whole on disk
    int leftovers = 0;
    int killedBeforeReady = 0;

    while (kills < maxKills && clock.elapsed() < budgetMs) {
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--saver"), app.path()});
        QVERIFY(child.waitForStarted());

        // Most kills land among the saves, at a random point of one; every
        // tenth lands early, while the child opens the project.
        const bool early = kills % 10 == 9;
        QByteArray out;
        if (early) {
            QTest::qWait(int(random.bounded(60)));
        } else {
            while (!out.contains("ready") && child.state() == QProcess::Running)
                if (child.waitForReadyRead(30000))
                    out += child.readAllStandardOutput();
            QVERIFY2(out.contains("ready"), "the child did not open the project");
            QThread::usleep(random.bounded(1000, 120000));
        }
        child.kill();   // SIGKILL
        QVERIFY(child.waitForFinished(30000));
        ++kills;
        out += child.readAllStandardOutput();
        if (!out.contains("ready"))
            ++killedBeforeReady;
        QVERIFY2(child.exitStatus() == QProcess::CrashExit, "the child ended on its own");

        static const QRegularExpression saved(QStringLiteral("saved (\\d+)\n"));
        for (auto it = saved.globalMatch(QString::fromLatin1(out)); it.hasNext();) {
            lastFinished = std::max(lastFinished, it.next().captured(1).toLongLong());
            ++savesFinished;
        }

        // Old or new, whole: the file is one generation's, byte for byte.
        if (!QFile::exists(path)) {
            QVERIFY2(lastFinished < 0, "the project file is gone");
            continue;   // killed before its first save finished
        }
        const QByteArray now = app.read("projects/big.gpj");
        const qsizetype nameAt = now.indexOf("\r\nName=Gen ");
        QVERIFY2(nameAt > 0, qPrintable(QStringLiteral("kill %1: no name line").arg(kills)));
        const qint64 g = now.mid(nameAt + 11, 6).toLongLong();
        QVERIFY2(now == expectedFor(g),
                 qPrintable(QStringLiteral("kill %1: the file is not whole (%2 bytes)").arg(kills).arg(now.size())));
        QVERIFY2(g == lastFinished || g == lastFinished + 1 || (lastFinished < 0 && g == 1),
                 qPrintable(QStringLiteral("kill %1: generation %2 after %3 was finished").arg(kills).arg(g).arg(lastFinished)));
        lastFinished = std::max(lastFinished, g);

        // The atomic writer's temporary files are left by a kill; they are
        // not projects, and the open dialog must not list them.
        const QStringList files = QDir(app.file("projects")).entryList(QDir::Files);
        leftovers += int(files.size()) - 1;
        for (const QString &f : files)
            if (f != QStringLiteral("big.gpj"))
                QFile::remove(app.file("projects/" + f));

        // And it opens, as the user would open it.
        if (kills % 20 == 1 || kills == maxKills) {
            ScriptedModals modals;
            Session s(app.path() + QStringLiteral("/opened"), modals, modals);
            QDir().mkpath(s.folders.projects());
            QFile::remove(s.folders.projects() + "big.gpj");
            QVERIFY(QFile::copy(path, s.folders.projects() + "big.gpj"));
            modals.openActions.append(pickAndOpen("big.gpj"));
            s.project.mnuOpen_Click();
            QVERIFY2(modals.asked.isEmpty(), qPrintable(modals.lastText()));
            QCOMPARE(s.document.project().name, generationName(g));
            QCOMPARE(s.document.counts(kSubGoals - 1).total, kTasksEach);
        }
    }
    qInfo("kills: %d, saves finished between kills: %lld, kills before the project was open: %d, "
          "temporary files left by kills: %d, torn or lost project files: 0, time: %lld ms",
          kills, savesFinished, killedBeforeReady, leftovers, clock.elapsed());
    QVERIFY2(savesFinished > 0, "no save finished between kills");
}

int main(int argc, char **argv)
{
    if (argc == 3 && std::strcmp(argv[1], "--saver") == 0) {
        QCoreApplication app(argc, argv);
        return runSaver(QString::fromLocal8Bit(argv[2]));
    }
    QCoreApplication app(argc, argv);
    TestCrashSafety test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_crashsafety.moc"
