// Projects on disk: New, Open, Save and Save As over the project document.
#include "project/ProjectCommands.h"

#include "base/Ask.h"
#include "base/Texts.h"
#include "component/KestrelFile.h"
#include "project/GoalKeys.h"
#include "project/GpjFormat.h"
#include "project/OpenDialog.h"
#include "project/ProjectDocument.h"
#include "project/Recovery.h"
#include "project/SaveDialog.h"
#include "project/TaskFiles.h"

ProjectCommands::ProjectCommands(const Folders &folders, ProjectDocument &document, TaskFiles &taskFiles,
                                 Recovery &recovery, Ask &ask, const KestrelTools &tools)
    : m_folders(folders), m_document(document), m_taskFiles(taskFiles), m_recovery(recovery), m_ask(ask),
      m_tools(tools)
{
}

std::optional<Project> ProjectCommands::readProjectFile(const QString &path)
{
    QByteArray bytes;
    QString error;
    if (!KestrelFile::readBytes(path, bytes, &error)) {
        reportOpenFailure(path, error);
        return std::nullopt;
    }
    Gpj::ReadResult read = Gpj::readFile(bytes);
    if (read.noProjectSections) {
        // Opened as an empty project, its next save would overwrite it.
        reportOpenFailure(path, Texts::notAProject());
        return std::nullopt;
    }
    GoalKeys::makeSafe(read.project, m_tools, m_folders);
    return std::move(read.project);
}

void ProjectCommands::NewProject()
{
    m_recovery.discard();
    Project project;
    project.name = Texts::defaultProjectName();
    m_document.assign(std::move(project), DocumentChange::Cause::New);
    m_document.setFilePath(QString());
}

bool ProjectCommands::SaveProject()
{
    return SaveProject(m_document.filePath());
}

bool ProjectCommands::SaveProject(const QString &target)
{
    if (target.isEmpty())
        return false;
    const auto fail = [&](const QString &reason) {
        m_ask.MsgBox(Texts::notSaved(target, reason), Texts::saveFailedTitle(), Msg::Critical);
        return false;   // the changes stay unsaved
    };
    // The tasks as the user last saw them, whether or not their task files
    // could be written: what is saved is what was typed.
    Gpj::writeInto(m_document.project(), m_projectText);
    QString error;
    // A fresh install has no projects folder yet.
    if (!Folders::ensure(m_folders.projects()))
        return fail(Texts::folderNotCreated(m_folders.projects()));
    if (!KestrelFile().WriteTextFile(m_projectText, target, &error, KestrelFile::Durability::Flushed))
        return fail(error);

    m_document.markSaved(target);
    m_recovery.discard();
    m_ask.MsgBox(Texts::projectSaved(), Texts::projectSavedTitle(), Msg::Information);
    return true;
}

bool ProjectCommands::LoadProject(const QString &path)
{
    std::optional<Project> project = readProjectFile(path);
    if (!project)
        return false;
    QString error;
    if (!m_taskFiles.writeAll(*project, &error)) {
        reportOpenFailure(path, error);
        return false;
    }
    m_recovery.discard();
    m_document.assign(std::move(*project), DocumentChange::Cause::Load);
    m_document.setFilePath(path);
    return true;
}

void ProjectCommands::reportOpenFailure(const QString &path, const QString &reason)
{
    m_ask.MsgBox(Texts::notOpened(path, reason), Texts::openFailedTitle(), Msg::Critical);
}

// ---------------------------------------------------------------- commands

bool ProjectCommands::maybeSave()
{
    if (!m_document.isModified())
        return true;
    // Cancel, Esc and the close box leave everything as it was.
    const MsgAnswer answer = m_ask.MsgBox(Texts::saveChangesQuestion(), Texts::saveChangesTitle(),
                                          Msg::YesNoCancelQuestion);
    if (answer == Msg::Yes)
        return mnuSave_Click();   // a save that did not happen stops the caller
    if (answer != Msg::No)
        return false;
    m_recovery.discard();   // dropped on purpose
    return true;
}

void ProjectCommands::mnuNew_Click()
{
    if (maybeSave())
        NewProject();
}

bool ProjectCommands::mnuSave_Click()
{
    if (m_document.filePath().isEmpty())
        return mnuSaveAs_Click();
    return SaveProject();
}

bool ProjectCommands::mnuSaveAs_Click()
{
    SaveDialog dialog(m_folders.projects(), m_ask, m_tools);
    dialog.txtSave = SaveDialog::proposedName(m_document.filePath(), m_document.project().name);
    const std::optional<QString> path = m_ask.showSaveDialog(dialog);
    // The project belongs to the new file only once it is written there.
    return path && SaveProject(*path);
}

void ProjectCommands::mnuOpen_Click()
{
    OpenDialog dialog(m_folders.projects(), m_ask);
    const std::optional<QString> chosen = m_ask.showOpenDialog(dialog);
    // "Yes, save first" writes the open project to its own file.
    if (chosen && maybeSave())
        LoadProject(*chosen);
}
