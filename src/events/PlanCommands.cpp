// Print Plan, Export PDF and Export Timeline: what is asked, what is
// written, what is said.
#include "events/PlanCommands.h"

#include <QFileInfo>

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

void PlanCommands::mnuExportTimeline_Click()
{
    // Without a plan there is nothing to draw: said before a name is asked.
    const Plan plan = planOf(m_document, QDate::currentDate());
    if (plan.schedule.goals.isEmpty()) {
        m_ask.MsgBox(Texts::noPlanYet(), Texts::exportTimelineTitle(), Msg::Information);
        return;
    }
    const std::optional<QString> path = m_ask.getSaveFileName(
        Texts::exportTimelineTitle(), exportFileName(plan.project.name, QStringLiteral("png")), Texts::pictureFilter(),
        QStringLiteral("png"));
    if (!path || path->isEmpty())
        return;
    const QString suffix = QFileInfo(*path).suffix().toLower();
    if (suffix != u"png" && suffix != u"svg") {
        m_ask.MsgBox(Texts::notAPicture(*path), Texts::exportTimelineTitle(), Msg::Critical);
        return;
    }
    QString reason;
    const PictureFormat format = suffix == u"svg" ? PictureFormat::Svg : PictureFormat::Png;
    if (!m_output.writeTimelinePicture(plan, *path, format, &reason))
        m_ask.MsgBox(Texts::notWritten(Texts::timelineWhat(), *path, reason), Texts::exportFailedTitle(), Msg::Critical);
}
