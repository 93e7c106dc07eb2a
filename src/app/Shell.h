#pragma once
#include "base/Folders.h"

class Ask;
class KestrelTools;
class Output;

// The application shell's commands: the tips window and the project-folder
// shortcut.
class Shell {
public:
    Shell(const Folders &folders, Ask &ask, Output &output, const KestrelTools &tools)
        : m_folders(folders), m_ask(ask), m_output(output), m_tools(tools)
    {
    }

    void ShowTips();
    void lblFilename_Click();

private:
    Folders m_folders;
    Ask &m_ask;
    Output &m_output;
    const KestrelTools &m_tools;
};
