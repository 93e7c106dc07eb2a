// Print Plan and Export PDF: what is asked, what is written, what is said.
#include "project/PlanCommands.h"

#include "app/Modals.h"
#include "project/WorkingState.h"

std::optional<Plan> PlanCommands::plan(const QString &failureTitle)
{
    QString reason;
    std::optional<Project> project = m_s.project.snapshot(&reason);
    if (!project) {
        m_s.modals().MsgBox(reason, failureTitle, Msg::Critical);
        return std::nullopt;
    }
    return Plan{std::move(*project), QDate::currentDate(), taskDates};
}

void PlanCommands::mnuPrintPlan_Click()
{
    const std::optional<Plan> printed = plan(Texts::printFailedTitle());
    if (!printed)
        return;
    QString target, reason;
    if (!m_s.modals().printPlan(*printed, &target, &reason))
        m_s.modals().MsgBox(Texts::planNotPrinted(target, reason), Texts::printFailedTitle(), Msg::Critical);
}

void PlanCommands::mnuExportPdf_Click()
{
    // Asked first: a cancelled dialog reads no task file and says nothing.
    std::optional<QString> path = m_s.modals().getSaveFileName(
        Texts::exportPdfTitle(), pdfFileName(m_s.txtProjectName), Texts::pdfFilter());
    if (!path || path->isEmpty())
        return;
    if (!path->endsWith(Texts::pdfSuffix(), Qt::CaseInsensitive))
        path->append(Texts::pdfSuffix());
    const std::optional<Plan> exported = plan(Texts::exportFailedTitle());
    if (!exported)
        return;
    QString reason;
    if (!m_s.modals().writePlanPdf(*exported, *path, &reason))
        m_s.modals().MsgBox(Texts::planNotWritten(*path, reason), Texts::exportFailedTitle(), Msg::Critical);
}
