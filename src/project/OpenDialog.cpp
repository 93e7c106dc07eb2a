#include "project/OpenDialog.h"

#include <QDir>

#include "app/Modals.h"
#include "project/WorkingState.h"

OpenDialog::OpenDialog(WorkingState &state) : m_state(state) {}

QStringList OpenDialog::listProjects(const QString &folder)
{
    // A missing folder simply lists nothing; only the folder shortcut and
    // the first save create it. The pattern ignores letter case, as the
    // file list it stands for does.
    QDir dir(folder);
    if (!dir.exists())
        return {};
    return dir.entryList({QStringLiteral("*.gpj")}, QDir::Files | QDir::Readable,
                         QDir::Name | QDir::IgnoreCase);
}

void OpenDialog::Form_Activate()
{
    // Keep the selection across a refresh when its file is still there, so
    // that coming back to the dialog does not lose the user's pick.
    const QString selected = (File1_ListIndex >= 0 && File1_ListIndex < File1.size())
                                 ? File1.at(File1_ListIndex) : QString();
    File1 = listProjects(m_state.projectsFolder());
    File1_ListIndex = selected.isEmpty() ? -1 : int(File1.indexOf(selected));
}

void OpenDialog::cmdOpen_Click()
{
    if (File1_ListIndex < 0 || File1_ListIndex >= File1.size()) {
        m_state.modals().MsgBox(QStringLiteral("Please select a file."), QStringLiteral("Missing Info"),
                                Msg::Information);
        return;
    }
    m_state.CurrentProjectFile = m_state.projectsFolder() + File1.at(File1_ListIndex);
    accepted = true;
    unloaded = true;
}

void OpenDialog::File1_DblClick(int index)
{
    File1_ListIndex = index;
    cmdOpen_Click();
}

void OpenDialog::cmdCancel_Click()
{
    unloaded = true;
}
