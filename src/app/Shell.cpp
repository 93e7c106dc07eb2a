#include "app/Shell.h"

#include <QDir>

#include "base/Ask.h"
#include "base/Output.h"
#include "base/Texts.h"
#include "component/KestrelTools.h"

void Shell::ShowTips()
{
    m_ask.showTips();
}

void Shell::lblFilename_Click()
{
    // It always opens the projects folder, whatever project is open.
    const QString folder = m_folders.app() + QStringLiteral("/projects");
    if (!m_tools.PathExists(m_folders.projects(), true) && !QDir().mkpath(m_folders.projects())) {
        m_ask.MsgBox(Texts::folderNotCreated(m_folders.projects()), Texts::productName(), Msg::Information);
        return;
    }
    if (!m_output.openFolder(folder))
        m_ask.MsgBox(Texts::noFileBrowser(folder), Texts::productName(), Msg::Information);
}
