#include "app/Shell.h"

#include "app/Modals.h"
#include "project/WorkingState.h"

void Shell::Form_Load()
{
    SetGoalNameLabel(true);
    // The edit margins (10 px left, 20 px right) are the window's to apply.
    m_s.Form1_Caption = Texts::mainWindowCaption();
    m_s.ListView2.View_Report = true;
    m_s.ListView2.ColumnHeaders = EventList::columnHeaders();
}

void Shell::SetGoalNameLabel(bool mainGoal)
{
    m_s.Label14 = mainGoal ? Texts::mainGoalLabel() : Texts::subGoalLabel();
}

void Shell::ShowTips()
{
    m_s.modals().showTips();
}

void Shell::lblFilename_Click()
{
    // It always opens the projects folder, whatever project is open.
    const QString folder = m_s.appFolder() + QStringLiteral("/projects");
    if (!m_s.ensureFolder(m_s.projectsFolder())) {
        m_s.modals().MsgBox(QStringLiteral("The folder \"%1\" could not be created.").arg(m_s.projectsFolder()),
                            Texts::productName(), Msg::Information);
        return;
    }
    if (!m_s.modals().openFolder(folder)) {
        m_s.modals().MsgBox(QStringLiteral("No file browser could be started to show \"%1\".").arg(folder),
                            Texts::productName(), Msg::Information);
    }
}
