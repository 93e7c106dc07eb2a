// The schedule's hot paths: Prepare Calendar over 8 × 10,000 task lines,
// one sub-goal of 10,000 lines worked out again after an edit of one of its
// lines beside one counting pass over its text, and the CSV and iCalendar
// exports of its 80,000 items beside a flushed write of the same bytes.
#include "Measure.h"
#include "ScriptedModals.h"
#include "TempAppFolder.h"
#include "Workload.h"
#include "app/Session.h"
#include "project/TaskText.h"

using namespace measure;

namespace {

constexpr int kLinesPerGoal = 10000;

// Workload lines with the schedule's notations mixed in: every fifth lasts
// three days, every seventh runs beside the line before it.
QString planText(int goal)
{
    QString text;
    for (int i = 0; i < kLinesPerGoal; ++i) {
        if (i % 7 == 3)
            text += QStringLiteral("// ");
        text += workload::taskLine(i + goal);
        if (i % 5 == 0)
            text += QStringLiteral(" + 3 days");
        text += u'\n';
    }
    return text;
}

struct PlannedProject {
    TempAppFolder app;
    ScriptedModals modals;
    Session s{app.path(), modals, modals};

    explicit PlannedProject(benchmark::State &state)
    {
        const workload::Project shape = workload::makeProject(kLinesPerGoal);
        Project project{shape.name, {}, {QDate(2027, 3, 1), std::nullopt}};
        for (int g = 0; g < workload::Project::kGoals; ++g)
            project.subGoals.append({shape.keys[g], shape.goalNames[g], shape.dues[g], planText(g)});
        QString error;
        check(state, s.taskFiles.writeAll(project, &error), QStringLiteral("task files not written: ") + error);
        s.document.assign(project, DocumentChange::Cause::Load);
    }
    QStringList taskFiles() const
    {
        QStringList files;
        for (const SubGoal &goal : s.document.project().subGoals)
            files << s.folders.taskFile(goal.key);
        return files;
    }
    bool planned(benchmark::State &state) const
    {
        const Schedule &plan = s.document.schedule();
        return check(state, modals.asked.isEmpty(), QStringLiteral("Prepare Calendar asked something"))
               && check(state, s.events.shownRows().size() == workload::Project::kGoals * kLinesPerGoal,
                        QStringLiteral("%1 rows planned").arg(s.events.shownRows().size()))
               && check(state, plan.at(0).start == QDate(2027, 3, 1) && plan.at(0).end == QDate(2027, 3, 3),
                        QStringLiteral("the first task is not planned for 1 to 3 March 2027"));
    }
};

void BM_PrepareCalendar(benchmark::State &state)
{
    PlannedProject p(state);
    const QStringList files = p.taskFiles();
    // Its disk work: reading the task files, which the plan is made from.
    auto floor = [&] {
        for (const QString &file : files)
            benchmark::DoNotOptimize(readWhole(file));
    };
    paired(state, "prepare/10000", nullptr, [&] { p.s.schedule.cmdPrepareCalendar_Click(); }, floor);
    p.planned(state);
}
BENCHMARK(BM_PrepareCalendar)->Name("PrepareCalendar")->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(1.0);

// What follows each pause in typing: the edit of one line of a sub-goal of
// 10,000 lines (a character added to a middle line, or taken away again),
// then the document's plan of that one sub-goal worked out again.
void BM_ReplanOne(benchmark::State &state)
{
    PlannedProject p(state);
    ProjectDocument &document = p.s.document;
    if (!p.planned(state))
        return;
    const qsizetype length = document.subGoal(0).tasks.size();
    const qsizetype at = document.subGoal(0).tasks.indexOf(u'\n', length / 2);
    bool added = false;
    const auto editAndReplan = [&] {
        const bool edited = added ? document.editTasks(0, at, 1, {}, length) : document.editTasks(0, at, 0, u"x", length + 1);
        added = !added;
        benchmark::DoNotOptimize(edited);
        benchmark::DoNotOptimize(document.schedule().goals.at(0).end());
    };
    paired(state, "replan/10000", nullptr, editAndReplan,
           [&] { benchmark::DoNotOptimize(TaskText::count(document.subGoal(0).tasks)); });
    // The line edited is in the plan as it stands.
    const int line = int(QStringView(document.subGoal(0).tasks).first(at).count(u'\n')) + 1;
    const ScheduledTask *task = document.schedule().taskOnLine(0, line);
    check(state, task && task->line.endsWith(u'x') == added, QStringLiteral("the plan does not hold the edited line"));
    p.planned(state);
}
BENCHMARK(BM_ReplanOne)->Name("ReplanOne")->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(1.0);

void BM_Export(benchmark::State &state)
{
    const bool iCalendar = state.range(0) == 1;
    PlannedProject p(state);
    p.s.schedule.cmdPrepareCalendar_Click();
    if (!p.planned(state))
        return;
    // Every one of the 80,000 tasks, done ones too.
    p.s.events.setChkIncludeDone(true);
    const QString target = p.app.file(iCalendar ? QStringLiteral("plan.ics") : QStringLiteral("plan.csv"));
    auto exportOnce = [&] {
        p.modals.saveFileNames = {target};
        iCalendar ? p.s.schedule.cmdExportIcs_Click() : p.s.schedule.cmdExportCsv_Click();
    };
    exportOnce();
    const QByteArray bytes = readWhole(target);
    if (!iCalendar)
        check(state, bytes == calendarCsv(p.s.events.events()), QStringLiteral("the CSV file differs from its bytes"));
    check(state, bytes.count("\r\n") > 80000, QStringLiteral("the export wrote too little"));
    paired(state, iCalendar ? "exportics/80000" : "exportcsv/80000", nullptr, exportOnce,
           [&] { writeFlushed(target, bytes); });   // QSaveFile flushes as a save does
    check(state, p.modals.asked.isEmpty(), QStringLiteral("the export said something"));
}
BENCHMARK(BM_Export)->Name("Export")->Arg(0)->Arg(1)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(1.0);

} // namespace
