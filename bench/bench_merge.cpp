// Merging two copies of a project: 8 sub-goals of 10,000 task lines, 1 %
// of the lines changed on each side (other lines on each), beside one pass
// that compares the three copies line by line, the least any line merge
// has to do.
#include "Measure.h"
#include "Workload.h"
#include "project/LineMerge.h"
#include "project/Merge.h"

using namespace measure;

namespace {

constexpr int kLines = 10000;

struct Copies {
    ::Project base, mine, theirs, expected;
};

// Line i of sub-goal g, as each side has it: every hundredth line from 17
// changed by mine, from 59 by theirs.
Copies makeCopies()
{
    const workload::Project shape = workload::makeProject(kLines);
    Copies c;
    for (::Project *p : {&c.base, &c.mine, &c.theirs, &c.expected})
        p->name = shape.name;
    for (int g = 0; g < workload::Project::kGoals; ++g) {
        QString base, mine, theirs, expected;
        for (int i = 0; i < kLines; ++i) {
            const QString line = workload::taskLine(i + g * kLines);
            const QString ours = i % 100 == 17 ? line + QStringLiteral(" (mine)") : line;
            const QString other = i % 100 == 59 ? line + QStringLiteral(" (theirs)") : line;
            base += line + u'\n';
            mine += ours + u'\n';
            theirs += other + u'\n';
            expected += (i % 100 == 59 ? other : ours) + u'\n';
        }
        const SubGoal goal{shape.keys[g], shape.goalNames[g], shape.dues[g], {}};
        c.base.subGoals.append({goal.key, goal.name, goal.due, base});
        c.mine.subGoals.append({goal.key, goal.name, goal.due, mine});
        c.theirs.subGoals.append({goal.key, goal.name, goal.due, theirs});
        c.expected.subGoals.append({goal.key, goal.name, goal.due, expected});
    }
    return c;
}

// The floor: each copy's lines split out and compared with base's, place
// by place.
qsizetype compareLines(const Copies &c)
{
    qsizetype same = 0;
    for (qsizetype g = 0; g < c.base.subGoals.size(); ++g) {
        const QList<QStringView> base = LineMerge::linesOf(c.base.subGoals[g].tasks);
        for (const ::Project *side : {&c.mine, &c.theirs}) {
            const QList<QStringView> lines = LineMerge::linesOf(side->subGoals[g].tasks);
            for (qsizetype i = 0; i < std::min(base.size(), lines.size()); ++i)
                same += base[i] == lines[i];
        }
    }
    return same;
}

void BM_Merge(benchmark::State &state)
{
    const Copies copies = makeCopies();
    Merge::Result result;
    paired(
        state, "merge/10000", nullptr, [&] { result = Merge::merge(copies.base, copies.mine, copies.theirs); },
        [&] { benchmark::DoNotOptimize(compareLines(copies)); });
    check(state, result.project == copies.expected, QStringLiteral("the merge lost or doubled a change"));
    check(state, result.report.bothTexts.isEmpty(), QStringLiteral("the merge saw changes of the same lines"));
}
BENCHMARK(BM_Merge)->Name("Merge")->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(1.0);

} // namespace
