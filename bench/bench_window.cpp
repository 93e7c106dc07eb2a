// The window's cases: a key release in the task box until the card shows
// its new counts, and start-up and resident memory in a fresh process.
#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLockFile>
#include <QPlainTextEdit>
#include <QProcess>
#include <QTest>
#include <QWindow>
#include <cstdio>

#include "Measure.h"
#include "ScriptedModals.h"
#include "TempAppFolder.h"
#include "Workload.h"
#include "app/StartUp.h"
#include "app/widgets/FontSetup.h"
#include "app/widgets/Form1.h"
#include "app/widgets/QtModals.h"
#include "app/widgets/frmSplash.h"

using namespace measure;

namespace {

// Counts the paints a widget receives: "shown" means painted, not just set.
class PaintCounter : public QObject {
public:
    int paints = 0;
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

// Processes events until done() holds; false after the time limit.
template <typename F> bool spinUntil(F done, double limitNs = 10e9)
{
    const auto start = Clock::now();
    while (!done()) {
        if (nsSince(start) > limitNs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    }
    return true;
}

// Lets the window finish what it has queued (paints come on a short timer).
void settle(double ns = 50e6)
{
    const auto start = Clock::now();
    while (nsSince(start) < ns)
        QCoreApplication::processEvents(QEventLoop::AllEvents);
}

bool showAndPaint(QWidget &w)
{
    PaintCounter painted;
    w.installEventFilter(&painted);
    w.show();
    const bool ok = spinUntil([&] { return w.windowHandle() && w.windowHandle()->isExposed() && painted.paints > 0; });
    w.removeEventFilter(&painted);
    return ok;
}

// ---- A keystroke in txtGoalTasks, through the real window, beside a bare
// QPlainTextEdit of the same size and font given the same keystroke: the
// box's own cost is the floor, and Tarvo's is what it adds to it. With the
// second argument 1, the schedule panel is open and the project planned,
// so the list shows every line as a row.
void BM_Keystroke(benchmark::State &state)
{
    const int lines = int(state.range(0));
    const bool panel = state.range(1) == 1;
    TempAppFolder app;
    ScriptedModals modals;
    Form1 w(app.path(), modals, modals);
    if (!check(state, showAndPaint(w), QStringLiteral("the main window was never painted")))
        return;
    Session &s = w.session();
    QString name = QStringLiteral("Benchmark");
    s.dashboard.txtSubGoal_KeyPress(13, name);
    s.dashboard.lblGoal_Click(1);
    if (panel) {
        s.schedule.setDtpStartDate(QDate(2027, 3, 1));
        w.findChild<QAction *>(QStringLiteral("mnuSchedule"))->trigger();
    }
    auto *box = w.findChild<QPlainTextEdit *>(QStringLiteral("txtGoalTasks"));
    auto *completed = w.findChild<QLabel *>(QStringLiteral("lblTasks_Completed_1"));
    auto *total = w.findChild<QLabel *>(QStringLiteral("lblTasks_Total_1"));
    if (!check(state, box && completed && total && box->isVisible(), QStringLiteral("no task box shown")))
        return;

    // The last line gains and loses the second "-" of its done mark, so
    // every keystroke changes the completed count.
    QString text = workload::taskText(lines - 1);
    text += QStringLiteral("\nFinal check of the whole list -");
    QPlainTextEdit bare;
    bare.setFont(box->font());
    bare.setLineWrapMode(QPlainTextEdit::NoWrap);
    bare.resize(box->size());
    if (!check(state, showAndPaint(bare), QStringLiteral("the bare box was never painted")))
        return;
    // Both boxes are given the keys directly and neither has the focus, so
    // neither draws a blinking cursor the other does not.
    for (QPlainTextEdit *edit : {&bare, box}) {
        edit->setPlainText(text);
        edit->moveCursor(QTextCursor::End);
        edit->clearFocus();
    }
    w.activateWindow();
    settle();
    const qsizetype baseDone = workload::completedOf(lines - 1);
    if (!check(state, total->text() == QStringLiteral("Tasks: %1").arg(lines),
               QStringLiteral("the card counts \"%1\"").arg(total->text())))
        return;

    PaintCounter labelPaints, barePaints;
    completed->installEventFilter(&labelPaints);
    bare.viewport()->installEventFilter(&barePaints);
    const auto keystroke = [](QPlainTextEdit *edit, bool dash) {
        if (dash)
            QTest::keyClick(edit, '-');
        else
            QTest::keyClick(edit, Qt::Key_Backspace);
    };
    if (panel) {
        // The plan of every line, shown in the list, before the first key.
        auto *list = w.findChild<QAbstractItemView *>(QStringLiteral("ListView2"));
        if (!check(state, spinUntil([&] { return list && list->isVisible() && list->model()->rowCount() == lines; }),
                   QStringLiteral("the schedule list does not show the %1 rows").arg(lines)))
            return;
    }
    Samples &stroke = samples()["keystroke/" + std::to_string(lines) + (panel ? "/panel" : "")];
    bool dash = true, bareFirst = false;
    for (auto _ : state) {
        double tBare = 0, tTarvo = 0;
        const auto timeBare = [&] {
            const int before = barePaints.paints;
            const auto t = Clock::now();
            keystroke(&bare, dash);
            spinUntil([&] { return barePaints.paints > before; });
            tBare = nsSince(t);
        };
        bool shown = true;
        const auto timeTarvo = [&] {
            const QString want = QStringLiteral("Completed: %1").arg(baseDone + (dash ? 1 : 0));
            const int before = labelPaints.paints;
            const auto t = Clock::now();
            keystroke(box, dash);
            shown = spinUntil([&] { return completed->text() == want && labelPaints.paints > before; });
            tTarvo = nsSince(t);
        };
        bareFirst ? (timeBare(), timeTarvo()) : (timeTarvo(), timeBare());
        if (!check(state, shown, QStringLiteral("the card shows \"%1\"").arg(completed->text())))
            break;
        bareFirst = !bareFirst;
        dash = !dash;
        state.SetIterationTime(tTarvo * 1e-9);
        stroke.value.push_back(tTarvo);
        stroke.floor.push_back(tBare);
    }
    // What the card shows is also what the task file holds, a moment later.
    s.taskFiles.flush();
    const QString shownText = box->toPlainText();
    check(state, s.document.subGoal(0).tasks == shownText
                     && readWhole(s.folders.taskFile(s.document.subGoal(0).key))
                            == QString(shownText).replace(u'\n', QStringLiteral("\r\n")).toUtf8(),
          QStringLiteral("the task file differs from the box"));
    check(state, modals.asked.isEmpty(), QStringLiteral("a message was shown"));
}
BENCHMARK(BM_Keystroke)
    ->Name("Keystroke")
    ->Args({1000, 0})->Args({100000, 0})->Args({100000, 1})
    ->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(1.0);

// ---- Start-up and memory, in a fresh process started from this program.
constexpr int kProbeTasks = 25000;

long long nowNs() { return std::chrono::duration_cast<std::chrono::nanoseconds>(Clock::now().time_since_epoch()).count(); }

void BM_StartUp(benchmark::State &state)
{
    TempAppFolder app;
    const workload::Project project = workload::makeProject(kProbeTasks);
    app.write(QStringLiteral("projects/big.gpj"), project.fileBytes());
    Samples &startup = samples()["startup"];
    Samples &idle = samples()["rss_idle"];
    Samples &loaded = samples()["rss_loaded"];
    for (auto _ : state) {
        QProcess probe;
        probe.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        const long long t0 = nowNs();
        probe.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("--startup-probe"), QString::number(t0), app.path(),
                     app.file(QStringLiteral("projects/big.gpj")), QString::number(kProbeTasks)});
        if (!probe.waitForFinished(120000)) {
            probe.kill();
            probe.waitForFinished();
            check(state, false, QStringLiteral("the start-up probe did not finish"));
            break;
        }
        QMap<QByteArray, QByteArray> out;
        for (const QByteArray &line : probe.readAllStandardOutput().split('\n')) {
            const QList<QByteArray> parts = line.split(' ');
            if (parts.size() == 2)
                out[parts[0]] = parts[1];
        }
        if (!check(state, probe.exitCode() == 0 && out.value("check") == "ok",
                   QStringLiteral("the probe failed (exit %1, check %2)")
                       .arg(probe.exitCode()).arg(QString::fromUtf8(out.value("check")))))
            break;
        const double ns = out.value("startup_ns").toDouble();
        state.SetIterationTime(ns * 1e-9);
        startup.value.push_back(ns);
        idle.value.push_back(out.value("rss_idle_kb").toDouble());
        loaded.value.push_back(out.value("rss_loaded_kb").toDouble());
    }
}
BENCHMARK(BM_StartUp)->Name("StartUp")->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(7);

// The built program itself, idle three seconds after its start (the splash
// takes two): its resident memory, for comparison with the probe's.
void BM_TarvoProgram(benchmark::State &state)
{
    const QString program = QCoreApplication::applicationDirPath() + QStringLiteral("/tarvo");
    if (!QFileInfo::exists(program)) {
        state.SkipWithError("no tarvo program beside the benchmark");
        return;
    }
    Samples &rss = samples()["rss_tarvo"];
    for (auto _ : state) {
        QProcess tarvo;
        tarvo.setProcessChannelMode(QProcess::ForwardedChannels);
        tarvo.start(program, {});
        if (!tarvo.waitForStarted(10000)) {
            check(state, false, QStringLiteral("tarvo did not start"));
            break;
        }
        tarvo.waitForFinished(3000);
        const long long kb = tarvo.state() == QProcess::Running ? residentKb(tarvo.processId()) : -1;
        tarvo.kill();
        tarvo.waitForFinished();
        if (!check(state, kb > 0, QStringLiteral("tarvo ended before it was measured")))
            break;
        state.SetIterationTime(0.001);
        rss.value.push_back(double(kb));
    }
}
BENCHMARK(BM_TarvoProgram)->Name("TarvoProgram")->UseManualTime()->Iterations(3);

} // namespace

// The child side of BM_StartUp: main's start-up steps, in a fresh process,
// until the main window has painted. The splash's timer is fired at once
// instead of after its two seconds, which are thereby left out.
int startupProbe(int argc, char **argv)
{
    if (argc < 6)
        return 2;
    const long long t0 = QByteArray(argv[2]).toLongLong();
    const QString appFolder = QString::fromLocal8Bit(argv[3]);
    const QString projectFile = QString::fromLocal8Bit(argv[4]);
    const int tasks = QByteArray(argv[5]).toInt();

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tarvo"));
    installFontSubstitutions();
    QLockFile lock(instanceLockPath(appFolder));
    QtModals modals(appFolder);
    if (!takeInstanceLock(lock, appFolder, modals))
        return 3;
    std::unique_ptr<Form1> mainWindow;
    PaintCounter mainPaints;
    frmSplash splash(appFolder, [&] {
        mainWindow = std::make_unique<Form1>(appFolder);
        mainWindow->installEventFilter(&mainPaints);
        return mainWindow.get();
    });
    if (!showAndPaint(splash))
        return 4;
    splash.stopTimer();
    splash.tmrLoad_Timer();
    if (!mainWindow || !spinUntil([&] {
            return mainWindow->windowHandle() && mainWindow->windowHandle()->isExposed() && mainPaints.paints > 0;
        }))
        return 5;
    const long long shown = nowNs();
    settle();
    const long long idleKb = residentKb();

    // Open the big project as Open does once its dialog has chosen the file,
    // then select the first sub-goal so its tasks fill the task box.
    Session &s = mainWindow->session();
    s.project.LoadProject(projectFile);
    QTest::mouseClick(mainWindow->findChild<QWidget *>(QStringLiteral("lblGoal_1")), Qt::LeftButton);
    settle();
    const long long loadedKb = residentKb();

    bool ok = s.document.selectedCard() == 1;
    for (int g = 0; g < 8; ++g)
        ok = ok && s.document.counts(g).total == tasks;
    auto *box = mainWindow->findChild<QPlainTextEdit *>(QStringLiteral("txtGoalTasks"));
    ok = ok && box && box->isVisible() && box->document()->blockCount() >= tasks;

    std::printf("startup_ns %lld\nrss_idle_kb %lld\nrss_loaded_kb %lld\ncheck %s\n", shown - t0, idleKb, loadedKb,
                ok ? "ok" : "wrong");
    std::fflush(stdout);
    s.document.markSaved(projectFile);   // nothing to ask on closing
    return 0;
}
