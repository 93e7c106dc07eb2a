#include "ScriptedModals.h"

#include "project/OpenDialog.h"
#include "project/SaveDialog.h"

int ScriptedModals::MsgBox(const QString &text, const QString &title, int style)
{
    asked.append({text, title, style});
    if (!answers.isEmpty())
        return answers.takeFirst();
    ++unanswered;
    const bool question = (style & 0x0F) == 4 || (style & 0x0F) == 3;
    return question ? Msg::No : Msg::Ok;
}

void ScriptedModals::showOpenDialog(OpenDialog &dialog)
{
    dialog.Form_Activate();
    while (!dialog.unloaded) {
        if (openActions.isEmpty()) {
            ++unanswered;
            dialog.cmdCancel_Click();
            break;
        }
        openActions.takeFirst()(dialog);
    }
}

void ScriptedModals::showSaveDialog(SaveDialog &dialog)
{
    while (!dialog.unloaded) {
        if (saveActions.isEmpty()) {
            ++unanswered;
            dialog.cmdCancel_Click();
            break;
        }
        saveActions.takeFirst()(dialog);
    }
}

bool ScriptedModals::openFolder(const QString &path)
{
    foldersOpened.append(path);
    return folderOpens;
}

bool ScriptedModals::printLines(const QStringList &lines, QString *error)
{
    if (!printerWorks) {
        if (error)
            *error = QStringLiteral("No printer is available.");
        return false;
    }
    printed.append(lines);
    return true;
}

std::function<void(SaveDialog &)> typeAndSave(const QString &name)
{
    return [name](SaveDialog &d) { d.txtSave = name; d.cmdOpen_Click(); };
}

std::function<void(SaveDialog &)> cancelSave()
{
    return [](SaveDialog &d) { d.cmdCancel_Click(); };
}

std::function<void(OpenDialog &)> pickAndOpen(const QString &fileName)
{
    return [fileName](OpenDialog &d) {
        d.File1_ListIndex = d.File1.indexOf(fileName);
        d.cmdOpen_Click();
    };
}

std::function<void(OpenDialog &)> cancelOpen()
{
    return [](OpenDialog &d) { d.cmdCancel_Click(); };
}
