// Export PDF of the whole plan, as the menu runs it: the open project's
// plan from its start date, the chart, the timeline pages and every list
// page drawn, the file replaced.
// Its floor writes the same PDF's bytes the way the export does.
#include "Measure.h"
#include "ScriptedModals.h"
#include "TempAppFolder.h"
#include "Workload.h"
#include "app/Session.h"
#include "events/widgets/PlanPrint.h"

using namespace measure;

namespace {

// The seam's answers, but the PDF is the real one.
class PdfModals : public ScriptedModals {
public:
    bool writePlanPdf(const Plan &plan, const QString &path, QString *error) override
    {
        return ::writePlanPdf(plan, path, error);
    }
};

void BM_ExportPdf(benchmark::State &state)
{
    const int tasks = int(state.range(0));
    const workload::Project source = workload::makeProject(tasks);
    Project project{source.name, {}, {QDate(2027, 3, 1)}};   // dated: the timeline is drawn
    for (int g = 0; g < workload::Project::kGoals; ++g)
        project.subGoals.append({source.keys[g], source.goalNames[g], source.dues[g], source.taskText(g)});
    TempAppFolder app;
    PdfModals modals;
    Session s(app.path(), modals, modals);
    s.document.assign(project, DocumentChange::Cause::Load);
    const QString path = app.file(QStringLiteral("plan.pdf"));
    modals.saveFileNames = {path};
    s.plan.mnuExportPdf_Click();   // once untimed: the floor writes what it wrote
    const QByteArray bytes = readWhole(path);
    if (!check(state, bytes.startsWith("%PDF-") && modals.asked.isEmpty(), QStringLiteral("no PDF was written")))
        return;
    paired(
        state, "pdf/" + std::to_string(tasks), [&] { modals.saveFileNames = {path}; },
        [&] { s.plan.mnuExportPdf_Click(); }, [&] { writeFlushed(path, bytes); });
    check(state, modals.asked.isEmpty() && modals.saveFileNames.isEmpty(),
          QStringLiteral("Export PDF asked: ") + modals.lastText());
    // The chart, the timeline (about 35 rows a page, a band of years over
    // four pages) and the lists (about 60 tasks a page).
    const qsizetype pages = readWhole(path).count("/Type /Page\n");
    const int rows = 8 * (tasks + 1);
    check(state, pages > 1 + rows / 40 + 8 * tasks / 100 && pages <= 2 + rows / 10 + 8 * 4 + 8 * tasks / 50,
          QStringLiteral("the PDF of 8 x %1 tasks has %2 pages").arg(tasks).arg(pages));
}
BENCHMARK(BM_ExportPdf)->Name("ExportPdf")->Arg(100)->Arg(1000)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(1.0);

} // namespace
