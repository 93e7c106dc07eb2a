// Print Plan and Export PDF: what is asked, what is written, what is said.
#include "project/PlanCommands.h"

#include "app/Modals.h"
#include "project/WorkingState.h"

Plan PlanCommands::plan() const
{
    // The tasks as the user last saw them, whether or not their files could be written.
    return Plan{m_s.project.snapshot(), QDate::currentDate(), taskDates};
}

void PlanCommands::mnuPrintPlan_Click()
{
    QString target, reason;
    if (!m_s.modals().printPlan(plan(), &target, &reason))
        m_s.modals().MsgBox(Texts::planNotPrinted(target, reason), Texts::printFailedTitle(), Msg::Critical);
}

void PlanCommands::mnuExportPdf_Click()
{
    // A cancelled dialog does nothing and says nothing.
    std::optional<QString> path = m_s.modals().getSaveFileName(
        Texts::exportPdfTitle(), pdfFileName(m_s.txtProjectName), Texts::pdfFilter());
    if (!path || path->isEmpty())
        return;
    if (!path->endsWith(Texts::pdfSuffix(), Qt::CaseInsensitive))
        path->append(Texts::pdfSuffix());
    QString reason;
    if (!m_s.modals().writePlanPdf(plan(), *path, &reason))
        m_s.modals().MsgBox(Texts::notWritten(QStringLiteral("plan"), *path, reason), Texts::exportFailedTitle(), Msg::Critical);
}
