// The tips window and the project-folder shortcut of the main window.
#include "project/WorkingState.h"

#include "app/Modals.h"

void WorkingState::ShowTips()
{
    m_modals.showTips();
}

void WorkingState::lblFilename_Click()
{
    // It always opens the projects folder, whatever project is open.
    QString error;
    if (!ensureFolder(projectsFolder(), &error)) {
        m_modals.MsgBox(QStringLiteral("The folder \"%1\" could not be created.").arg(projectsFolder()),
                        QStringLiteral("Tarvo"), Msg::Information);
        return;
    }
    const QString folder = m_appFolder + QStringLiteral("/projects");
    if (!m_modals.openFolder(folder)) {
        m_modals.MsgBox(QStringLiteral("No file browser could be started to show \"%1\".").arg(folder),
                        QStringLiteral("Tarvo"), Msg::Information);
    }
}
