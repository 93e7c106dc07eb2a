// The working state's hot paths beside their floors: a key release's
// RefreshGoalTasks, LoadProject (and the rescanning reader) and SaveProject.
#include <QDir>

#include "Measure.h"
#include "RescanningReader.h"
#include "ScriptedModals.h"
#include "TempAppFolder.h"
#include "Workload.h"
#include "project/WorkingState.h"

using namespace measure;

namespace {

QString counters(const GoalCard &card)
{
    return card.lblTasks_Total + u'|' + card.lblTasks_Completed + u'|' + card.lblTasks_Pending;
}

QString expectedCounters(qsizetype total, qsizetype completed)
{
    return QStringLiteral("Tasks: %1|Completed: %2|Pending: %3").arg(total).arg(completed).arg(total - completed);
}

QString askedTexts(const ScriptedModals &modals)
{
    QStringList texts;
    for (const auto &a : modals.asked)
        texts << a.text;
    return texts.join(QStringLiteral(" / "));
}

// ---- RefreshGoalTasks: a change of the whole task text (a paste over
// all, a load), which writes the task file and counts every line.
void BM_RefreshGoalTasks(benchmark::State &state)
{
    const int lines = int(state.range(0));
    TempAppFolder app;
    ScriptedModals modals;
    WorkingState s(app.path(), modals);
    s.dashboard.setTxtSubGoal(QStringLiteral("Benchmark"));
    s.dashboard.AddSubGoal();
    s.dashboard.lblGoal_Click(1);
    if (!check(state, !s.CurrentGoalKey.isEmpty(), QStringLiteral("no sub-goal selected")))
        return;
    const QString text = workload::taskText(lines);
    const QString other = text + QStringLiteral("--");   // the last task done, and undone
    const QByteArray bytes = text.toUtf8();
    const QString taskFile = s.taskFilePath(s.CurrentGoalKey);
    bool done = false;
    paired(
        state, "refresh/" + std::to_string(lines), nullptr,
        [&] { s.tasks.txtGoalTasks_Change((done = !done) ? other : text); }, [&] { writeScratch(taskFile, bytes); });

    // The case must have done its work: the counts, and the bytes on disk
    // (the floor writes the same bytes, so make the case write last).
    s.tasks.txtGoalTasks_Change(other);
    s.tasks.txtGoalTasks_Change(text);
    check(state, counters(s.cards[1]) == expectedCounters(lines, workload::completedOf(lines)),
          QStringLiteral("counters read \"%1\"").arg(counters(s.cards[1])));
    check(state, readWhole(taskFile) == bytes, QStringLiteral("the task file differs from the task text"));
    check(state, !s.cards[1].picGoal_Picture.isEmpty(), QStringLiteral("no status picture was read"));
    check(state, modals.asked.isEmpty(), QStringLiteral("asked: ") + askedTexts(modals));
}
BENCHMARK(BM_RefreshGoalTasks)
    ->Name("RefreshGoalTasks")
    ->Arg(10)->Arg(1000)->Arg(10000)->Arg(100000)
    ->UseManualTime()->Unit(benchmark::kMicrosecond)->MinTime(1.0);

// ---- LoadProject, its floor, and the rescanning reader.
struct ProjectOnDisk {
    workload::Project project;
    QByteArray fileBytes;
    QList<QByteArray> taskBytes;
    TempAppFolder app;
    QString path;

    explicit ProjectOnDisk(int tasksPerGoal) : project(workload::makeProject(tasksPerGoal))
    {
        fileBytes = project.fileBytes();
        for (int g = 0; g < workload::Project::kGoals; ++g)
            taskBytes << project.taskFileBytes(g);
        app.write(QStringLiteral("projects/bench.gpj"), fileBytes);
        path = app.file(QStringLiteral("projects/bench.gpj"));
        QDir().mkpath(app.file(QStringLiteral("tmp")));
    }
    QString taskFile(int g) const { return app.file(QStringLiteral("tmp/") + project.keys[g] + QStringLiteral(".txt")); }

    // The loaded state equals the file: cards, keys, dates, counters and
    // the task files, with nothing reported.
    bool matches(benchmark::State &state, const WorkingState &s, const ScriptedModals &modals) const
    {
        bool ok = check(state, modals.asked.isEmpty(), QStringLiteral("asked: ") + askedTexts(modals));
        ok = ok && check(state, s.cards[0].lblGoal_Caption == project.name, QStringLiteral("project name"));
        for (int g = 0; ok && g < workload::Project::kGoals; ++g) {
            const GoalCard &card = s.cards[g + 1];
            ok = check(state, card.lblGoal_Caption == project.goalNames[g] && card.lblGoal_Tag == project.keys[g]
                                  && card.lblDueDateDate_Tag == project.dues[g],
                       QStringLiteral("card %1 is \"%2\" \"%3\" \"%4\"")
                           .arg(g + 1).arg(card.lblGoal_Caption, card.lblGoal_Tag, card.lblDueDateDate_Tag))
                 && check(state, counters(card) == expectedCounters(project.tasksPerGoal, project.completed(g)),
                          QStringLiteral("card %1 counts \"%2\"").arg(g + 1).arg(counters(card)))
                 && check(state, readWhole(taskFile(g)) == taskBytes[g],
                          QStringLiteral("task file of card %1 differs").arg(g + 1));
        }
        return ok;
    }
};

void BM_LoadProject(benchmark::State &state)
{
    const int tasks = int(state.range(0));
    ProjectOnDisk disk(tasks);
    ScriptedModals modals;
    WorkingState s(disk.app.path(), modals);
    auto floor = [&] {
        benchmark::DoNotOptimize(readWhole(disk.path));
        for (int g = 0; g < workload::Project::kGoals; ++g)
            writeScratch(disk.taskFile(g), disk.taskBytes[g]);
    };
    // As Open does it once the dialog has chosen the file.
    auto prepare = [&] {
        s.project.NewProject();
        s.CurrentProjectFile = disk.path;
    };
    paired(state, "load/" + std::to_string(tasks), prepare, [&] { s.project.LoadProject(disk.path); }, floor);
    prepare();
    s.project.LoadProject(disk.path);
    disk.matches(state, s, modals);
}
BENCHMARK(BM_LoadProject)
    ->Name("LoadProject")
    ->Arg(100)->Arg(1000)->Arg(10000)->Arg(25000)
    ->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(1.0);

void BM_RescanningReader(benchmark::State &state)
{
    const int tasks = int(state.range(0));
    ProjectOnDisk disk(tasks);
    const QString tmp = disk.app.file(QStringLiteral("tmp/"));
    QString firstTasks;
    auto floor = [&] {
        benchmark::DoNotOptimize(readWhole(disk.path));
        for (int g = 0; g < workload::Project::kGoals; ++g)
            writeScratch(disk.taskFile(g), disk.taskBytes[g]);
    };
    bool loaded = true;
    paired(state, "rescan/" + std::to_string(tasks), nullptr,
           [&] { loaded = loadWithRescanningReader(disk.path, tmp, &firstTasks) && loaded; }, floor);
    // The anchor must read what LoadProject reads, or its time means nothing.
    check(state, loaded && firstTasks == disk.project.taskFileText(0),
          QStringLiteral("the rescanning reader read other tasks"));
}
// It is quadratic: one pass is plenty, and 8 x 25,000 would take minutes.
BENCHMARK(BM_RescanningReader)
    ->Name("RescanningReader")
    ->Arg(100)->Arg(1000)->Arg(10000)
    ->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(1);

// ---- SaveProject of the loaded project.
void BM_SaveProject(benchmark::State &state)
{
    const int tasks = int(state.range(0));
    ProjectOnDisk disk(tasks);
    ScriptedModals modals;
    WorkingState s(disk.app.path(), modals);
    s.project.NewProject();
    s.CurrentProjectFile = disk.path;
    s.project.LoadProject(disk.path);
    if (!disk.matches(state, s, modals))
        return;
    const QString target = disk.app.file(QStringLiteral("projects/saved.gpj"));
    s.CurrentProjectFile = target;
    bool saved = true;
    // The tasks are in memory as the user last saw them: writing the file,
    // flushed as a save is, is all the disk work there is.
    auto floor = [&] { writeFlushed(target, disk.fileBytes); };
    paired(state, "save/" + std::to_string(tasks), [&] { modals.asked.clear(); },
           [&] { saved = s.project.SaveProject() && saved; }, floor);
    // The saved project equals the one loaded, to the byte.
    modals.asked.clear();
    saved = s.project.SaveProject() && saved;
    check(state, saved && modals.lastText() == QStringLiteral("Ready! Project saved."),
          QStringLiteral("the save failed: ") + askedTexts(modals));
    check(state, readWhole(target) == disk.fileBytes, QStringLiteral("the saved file differs from the loaded one"));
}
BENCHMARK(BM_SaveProject)
    ->Name("SaveProject")
    ->Arg(100)->Arg(1000)->Arg(10000)->Arg(25000)
    ->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(1.0);

} // namespace
