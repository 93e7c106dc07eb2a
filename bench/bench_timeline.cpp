// The timeline tab of 8 × 1,000 tasks painted as the window paints it: the
// view's visible viewport (1280 × 420, the schedule panel at full width),
// scrolled to the middle of the plan, rendered into an image of its size.
// Its floor fills the same area and draws as many plain rectangles as the
// view shows bars. Beside it, the layout worked out again after a replan.
#include <QImage>
#include <QPainter>
#include <QScrollBar>

#include "Measure.h"
#include "Workload.h"
#include "events/widgets/TimelineView.h"
#include "project/ProjectDocument.h"

using namespace measure;

namespace {

Project datedProject(int tasks)
{
    const workload::Project source = workload::makeProject(tasks);
    Project project{source.name, {}, {QDate(2027, 3, 1)}};
    for (int g = 0; g < workload::Project::kGoals; ++g)
        project.subGoals.append({source.keys[g], source.goalNames[g], source.dues[g], source.taskText(g)});
    return project;
}

void BM_TimelinePaint(benchmark::State &state)
{
    const int tasks = int(state.range(0));
    ProjectDocument document;
    document.assign(datedProject(tasks), DocumentChange::Cause::Load);
    TimelineView view;
    view.resize(1280, 420);
    view.show();
    view.showPlan(document.project(), document.schedule(), QDate(2027, 6, 1), 0);
    // Half way down, and across to where the bars of the rows in sight run:
    // each sub-goal's tasks follow each other, so the bars form a diagonal.
    view.verticalScrollBar()->setValue(view.verticalScrollBar()->maximum() / 2);
    const double centre = view.viewport()->height() / 2.0;
    for (int row = 0; row < view.layout().rows.size(); ++row) {
        const QRectF bar = view.barInView(row);
        if (view.layout().rows[row].isGoal() || bar.bottom() < centre)
            continue;
        QScrollBar *across = view.horizontalScrollBar();
        across->setValue(across->value() + int(bar.center().x()) - view.viewport()->width() / 2);
        break;
    }
    QImage image(view.viewport()->size(), QImage::Format_ARGB32_Premultiplied);
    QList<QRectF> bars;   // the bars in sight, for the floor
    for (int row = 0; row < view.layout().rows.size(); ++row) {
        if (!view.layout().rows[row].isGoal() && view.viewport()->rect().intersects(view.barInView(row).toRect()))
            bars.append(view.barInView(row));
    }
    if (!check(state, view.layout().rows.size() == 8 * (tasks + 1) && !bars.isEmpty(),
               QStringLiteral("the timeline of 8 x %1 tasks shows %2 rows, %3 bars in sight")
                   .arg(tasks).arg(view.layout().rows.size()).arg(bars.size())))
        return;
    paired(
        state, "timeline/" + std::to_string(tasks), nullptr, [&] { view.viewport()->render(&image); },
        [&] {
            QPainter painter(&image);
            painter.fillRect(image.rect(), Qt::white);
            for (const QRectF &bar : bars)
                painter.fillRect(bar, Qt::blue);
        });
    view.viewport()->render(&image);
    const QColor bar = image.pixelColor(bars.first().center().toPoint());
    check(state, bar != QColor(Qt::white) && bar != QColor(Qt::blue), QStringLiteral("the timeline painted no bar"));
}
BENCHMARK(BM_TimelinePaint)->Name("TimelinePaint")->Arg(1000)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(1.0);

void BM_TimelineLayout(benchmark::State &state)
{
    const int tasks = int(state.range(0));
    ProjectDocument document;
    document.assign(datedProject(tasks), DocumentChange::Cause::Load);
    const Schedule &plan = document.schedule();
    qint64 sum = 0;
    paired(
        state, "timelinelayout/" + std::to_string(tasks), nullptr,
        [&] { benchmark::DoNotOptimize(layoutTimeline(document.project(), plan, QDate(2027, 6, 1), 22, 20)); },
        [&] {
            for (const GoalPlan &goal : plan.goals)
                for (const ScheduledTask &task : goal.tasks)
                    sum += task.start.toJulianDay() + task.end.toJulianDay();
            benchmark::DoNotOptimize(sum);
        });
}
BENCHMARK(BM_TimelineLayout)->Name("TimelineLayout")->Arg(1000)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(1.0);

} // namespace
