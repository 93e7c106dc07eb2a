// Print Plan and Export PDF: what is asked, what is written, what is said.
#include "events/PlanCommands.h"

#include "base/Ask.h"
#include "base/Output.h"
#include "base/Texts.h"
#include "events/Plan.h"

void PlanCommands::mnuPrintPlan_Click()
{
    QString target, reason;
    if (!m_output.printPlan(planOf(m_document, QDate::currentDate()), &target, &reason))
        m_ask.MsgBox(Texts::planNotPrinted(target, reason), Texts::printFailedTitle(), Msg::Critical);
}

void PlanCommands::mnuExportPdf_Click()
{
    // A cancelled dialog does nothing and says nothing.
    const std::optional<QString> path = m_ask.getSaveFileName(
        Texts::exportPdfTitle(), pdfFileName(m_document.project().name), Texts::pdfFilter(), QStringLiteral("pdf"));
    if (!path || path->isEmpty())
        return;
    QString reason;
    if (!m_output.writePlanPdf(planOf(m_document, QDate::currentDate()), *path, &reason))
        m_ask.MsgBox(Texts::notWritten(Texts::planWhat(), *path, reason), Texts::exportFailedTitle(), Msg::Critical);
}
