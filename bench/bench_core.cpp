// The core's hot paths beside their floors: the whole task text changed
// and written to its file, LoadProject (and the rescanning reader) and
// SaveProject.
#include <QDir>

#include "Measure.h"
#include "RescanningReader.h"
#include "ScriptedModals.h"
#include "TempAppFolder.h"
#include "Workload.h"
#include "app/Session.h"

using namespace measure;

namespace {

QString counters(const TaskCounts &counts)
{
    return QStringLiteral("%1 tasks, %2 done").arg(counts.total).arg(counts.completed);
}

QString askedTexts(const ScriptedModals &modals)
{
    QStringList texts;
    for (const auto &a : modals.asked)
        texts << a.text;
    return texts.join(QStringLiteral(" / "));
}

// ---- A change of the whole task text (a paste over all), counted and
// written to the task file, as the box's change and a key release's
// RefreshGoalTasks do.
void BM_RefreshGoalTasks(benchmark::State &state)
{
    const int lines = int(state.range(0));
    TempAppFolder app;
    ScriptedModals modals;
    Session s(app.path(), modals, modals);
    QString name = QStringLiteral("Benchmark");
    s.dashboard.txtSubGoal_KeyPress(13, name);
    s.dashboard.lblGoal_Click(1);
    if (!check(state, s.document.selectedSubGoal() == 0, QStringLiteral("no sub-goal selected")))
        return;
    const QString text = workload::taskText(lines);
    const QString other = text + QStringLiteral("--");   // the last task done, and undone
    const QByteArray bytes = QString(text).replace(QStringLiteral("\n"), QStringLiteral("\r\n")).toUtf8();
    const QString taskFile = s.folders.taskFile(s.document.subGoal(0).key);
    bool done = false;
    const auto change = [&](const QString &to) {
        s.tasks.txtGoalTasks_Change(to);
        s.tasks.RefreshGoalTasks();
    };
    paired(
        state, "refresh/" + std::to_string(lines), nullptr, [&] { change((done = !done) ? other : text); },
        [&] { writeScratch(taskFile, bytes); });

    // The case must have done its work: the counts, and the bytes on disk
    // (the floor writes the same bytes, so make the case write last).
    change(other);
    change(text);
    const TaskCounts counts = s.document.counts(0);
    check(state, counts == TaskCounts{lines, workload::completedOf(lines)},
          QStringLiteral("counted %1").arg(counters(counts)));
    check(state, readWhole(taskFile) == bytes, QStringLiteral("the task file differs from the task text"));
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
    bool matches(benchmark::State &state, const Session &s, const ScriptedModals &modals) const
    {
        bool ok = check(state, modals.asked.isEmpty(), QStringLiteral("asked: ") + askedTexts(modals));
        const ProjectDocument &document = s.document;
        ok = ok && check(state, document.project().name == project.name, QStringLiteral("project name"))
             && check(state, document.subGoalCount() == workload::Project::kGoals, QStringLiteral("sub-goals"));
        for (int g = 0; ok && g < workload::Project::kGoals; ++g) {
            const SubGoal &goal = document.subGoal(g);
            ok = check(state, goal.name == project.goalNames[g] && goal.key == project.keys[g] && goal.due == project.dues[g],
                       QStringLiteral("sub-goal %1 is \"%2\" \"%3\" \"%4\"").arg(g + 1).arg(goal.name, goal.key, goal.due))
                 && check(state, document.counts(g) == TaskCounts{project.tasksPerGoal, project.completed(g)},
                          QStringLiteral("sub-goal %1 counts %2").arg(g + 1).arg(counters(document.counts(g))))
                 && check(state, readWhole(taskFile(g)) == taskBytes[g],
                          QStringLiteral("task file of sub-goal %1 differs").arg(g + 1));
        }
        return ok;
    }
};

void BM_LoadProject(benchmark::State &state)
{
    const int tasks = int(state.range(0));
    ProjectOnDisk disk(tasks);
    ScriptedModals modals;
    Session s(disk.app.path(), modals, modals);
    auto floor = [&] {
        benchmark::DoNotOptimize(readWhole(disk.path));
        for (int g = 0; g < workload::Project::kGoals; ++g)
            writeScratch(disk.taskFile(g), disk.taskBytes[g]);
    };
    // As Open does it once the dialog has chosen the file.
    auto prepare = [&] { s.project.NewProject(); };
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
    Session s(disk.app.path(), modals, modals);
    s.project.LoadProject(disk.path);
    if (!disk.matches(state, s, modals))
        return;
    const QString target = disk.app.file(QStringLiteral("projects/saved.gpj"));
    s.document.setFilePath(target);
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
