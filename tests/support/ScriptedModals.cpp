#include "ScriptedModals.h"

#include <QFileInfo>

#include "component/KestrelFile.h"
#include "project/OpenDialog.h"
#include "project/SaveDialog.h"

MsgAnswer ScriptedModals::MsgBox(const QString &text, const QString &title, MsgStyle style)
{
    asked.append({text, title, style});
    if (!answers.isEmpty())
        return answers.takeFirst();
    ++unanswered;
    return buttonsOf(style) == MsgButtons::Ok ? Msg::Ok : Msg::No;
}

namespace {
// Runs the queued actions until one closes the dialog; with none left, the
// user cancels.
template <typename Dialog>
std::optional<QString> run(QList<std::function<DialogStep(Dialog &)>> &actions, Dialog &dialog, int &unanswered)
{
    while (!actions.isEmpty()) {
        const DialogStep step = actions.takeFirst()(dialog);
        if (step.ends)
            return step.result;
    }
    ++unanswered;
    return std::nullopt;
}
} // namespace

std::optional<QString> ScriptedModals::showOpenDialog(OpenDialog &dialog)
{
    dialog.Form_Activate();
    return run(openActions, dialog, unanswered);
}

std::optional<QString> ScriptedModals::showSaveDialog(SaveDialog &dialog)
{
    return run(saveActions, dialog, unanswered);
}

std::optional<QString> ScriptedModals::getSaveFileName(const QString &title, const QString &proposedName,
                                                       const QString &filter, const QString &suffix)
{
    saveFileAsked.append(title + u'|' + proposedName + u'|' + filter);
    if (saveFileNames.isEmpty()) {
        ++unanswered;
        return std::nullopt;
    }
    std::optional<QString> path = saveFileNames.takeFirst();
    if (path && !path->isEmpty() && QFileInfo(*path).suffix().isEmpty())
        *path += u'.' + suffix;
    return path;
}

bool ScriptedModals::openFolder(const QString &path)
{
    foldersOpened.append(path);
    return folderOpens;
}

PrintOutcome ScriptedModals::printLines(const QStringList &lines, QString *error)
{
    if (printOutcome == PrintOutcome::Failed && error)
        *error = QStringLiteral("No printer is available.");
    if (printOutcome == PrintOutcome::Printed)
        printed.append(lines);
    return printOutcome;
}

bool ScriptedModals::printPlan(const Plan &plan, QString *target, QString *error)
{
    if (printOutcome == PrintOutcome::Failed) {
        *target = QStringLiteral("Scripted printer");
        *error = QStringLiteral("No printer is available.");
        return false;
    }
    if (printOutcome == PrintOutcome::Printed)
        plansPrinted.append(plan);
    return true;
}

bool ScriptedModals::writePlanPdf(const Plan &plan, const QString &path, QString *error)
{
    plansWritten.append(plan);
    pdfPaths.append(path);
    return KestrelFile().WriteTextFile(plan.project.name, path, error);
}

bool ScriptedModals::writeTimelinePicture(const Plan &plan, const QString &path, PictureFormat format, QString *error)
{
    timelinesWritten.append(plan);
    picturePaths.append(path);
    pictureFormats.append(format);
    return KestrelFile().WriteTextFile(plan.project.name, path, error);
}

std::function<DialogStep(SaveDialog &)> typeAndSave(const QString &name)
{
    return [name](SaveDialog &d) {
        d.txtSave = name;
        return closesWith(d.cmdOpen_Click());
    };
}

std::function<DialogStep(SaveDialog &)> cancelSave()
{
    return [](SaveDialog &) { return cancelled(); };
}

std::function<DialogStep(OpenDialog &)> pickAndOpen(const QString &fileName)
{
    return [fileName](OpenDialog &d) {
        d.File1_ListIndex = d.File1.indexOf(fileName);
        return closesWith(d.cmdOpen_Click());
    };
}

std::function<DialogStep(OpenDialog &)> cancelOpen()
{
    return [](OpenDialog &) { return cancelled(); };
}
