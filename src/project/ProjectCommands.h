#pragma once
#include <QString>
#include <optional>

#include "base/Folders.h"
#include "project/Project.h"

class Ask;
class KestrelTools;
class ProjectDocument;
class Recovery;
class TaskFiles;

// Projects on disk: the New, Open, Save and Save As commands over the
// document. A command that fails says why and leaves the open project as
// it was.
class ProjectCommands {
public:
    ProjectCommands(const Folders &folders, ProjectDocument &document, TaskFiles &taskFiles, Recovery &recovery,
                    Ask &ask, const KestrelTools &tools);

    // ---- the commands of the Project menu
    void mnuNew_Click();
    void mnuOpen_Click();
    bool mnuSave_Click();
    bool mnuSaveAs_Click();
    // Asks before unsaved changes are dropped (New, Open, closing); true
    // when the caller may go on.
    bool maybeSave();

    // ---- the procedures behind them
    void NewProject();
    bool SaveProject();                        // to the document's file
    bool SaveProject(const QString &target);   // says how it went
    // Reads the file and makes it the open project, its task files written
    // first. A file that cannot be read, or whose task files cannot be
    // written, is reported and the open project stays as it was.
    bool LoadProject(const QString &path);
    // The project a file holds, its keys made safe; nothing, after saying
    // why, when it cannot be read as one.
    std::optional<Project> readProjectFile(const QString &path);

private:
    void reportOpenFailure(const QString &path, const QString &reason);

    Folders m_folders;
    ProjectDocument &m_document;
    TaskFiles &m_taskFiles;
    Recovery &m_recovery;
    Ask &m_ask;
    const KestrelTools &m_tools;
    QString m_projectText;   // the save's text, kept for its room
};
