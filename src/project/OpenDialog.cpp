#include "project/OpenDialog.h"

#include <QDir>

#include "app/Modals.h"
#include "app/Texts.h"

OpenDialog::OpenDialog(QString projectsFolder, Modals &modals)
    : m_projectsFolder(std::move(projectsFolder)), m_modals(modals)
{
}

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
    const QString selected = File1.value(File1_ListIndex);
    File1 = listProjects(m_projectsFolder);
    File1_ListIndex = selected.isEmpty() ? -1 : int(File1.indexOf(selected));
}

std::optional<QString> OpenDialog::cmdOpen_Click()
{
    if (File1_ListIndex < 0 || File1_ListIndex >= File1.size()) {
        m_modals.MsgBox(Texts::selectAFile(), Texts::missingInfoTitle(), Msg::Information);
        return std::nullopt;
    }
    return m_projectsFolder + File1.at(File1_ListIndex);
}

std::optional<QString> OpenDialog::File1_DblClick(int index)
{
    File1_ListIndex = index;
    return cmdOpen_Click();
}
