// Projects on disk: New, Open, Save and Save As over the project document.
#include "project/ProjectCommands.h"

#include "base/Ask.h"
#include "base/Texts.h"
#include "component/FileNames.h"
#include "component/KestrelFile.h"
#include "project/BaseCopy.h"
#include "project/GoalKeys.h"
#include "project/GpjFormat.h"
#include "project/OpenDialog.h"
#include "project/ProjectDocument.h"
#include "project/Recovery.h"
#include "project/SaveDialog.h"
#include "project/TaskFiles.h"

ProjectCommands::ProjectCommands(const Folders &folders, ProjectDocument &document, TaskFiles &taskFiles,
                                 Recovery &recovery, BaseCopy &base, Ask &ask, const KestrelTools &tools)
    : m_folders(folders), m_document(document), m_taskFiles(taskFiles), m_recovery(recovery), m_base(base), m_ask(ask),
      m_tools(tools)
{
}

std::optional<Project> ProjectCommands::readProjectFile(const QString &path, QByteArray *bytesRead)
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
    if (bytesRead)
        *bytesRead = std::move(bytes);
    return std::move(read.project);
}

void ProjectCommands::NewProject()
{
    m_recovery.discard();
    m_base.clear();
    Project project;
    project.name = Texts::defaultProjectName();
    m_document.assign(std::move(project), DocumentChange::Cause::New);
    m_document.setFilePath(QString());
}

bool ProjectCommands::SaveProject()
{
    const QString target = m_document.filePath();
    if (target.isEmpty() || !m_base.holds(target))
        return SaveProject(target);
    // The file as another device may have left it: compared by content.
    const QString shown = FileNames::forDisplay(target);
    if (!KestrelFile::exists(target))
        return saveElsewhere(Texts::fileGone(shown));
    QByteArray disk;
    QString error;
    if (!KestrelFile::readBytes(target, disk, &error))
        return saveElsewhere(Texts::fileUnreadable(shown, error));
    if (disk == m_base.bytes())
        return SaveProject(target);
    const std::optional<Project> theirs = projectFrom(disk);
    if (!theirs)
        return saveElsewhere(Texts::fileUnreadable(shown, Texts::notAProject()));
    const Merge::Report report = mergeIn(*theirs);
    // The open project holds the other copy now: that copy is its base,
    // also should the write below fail.
    m_base.set(target, disk);
    if (report.isEmpty())
        return SaveProject(target);
    return writeProject(target, Texts::mergedAtSave(report.lines()), Texts::mergedTitle());
}

bool ProjectCommands::SaveProject(const QString &target)
{
    return writeProject(target, Texts::projectSaved(), Texts::projectSavedTitle());
}

bool ProjectCommands::writeProject(const QString &target, const QString &text, const QString &title)
{
    if (target.isEmpty())
        return false;
    const auto fail = [&](const QString &reason) {
        m_ask.MsgBox(Texts::notSaved(target, reason), Texts::saveFailedTitle(), Msg::Critical);
        return false;   // the changes stay unsaved
    };
    // The tasks as the user last saw them, whether or not their task files
    // could be written: what is saved is what was typed. Exactly these
    // bytes are the base: Tarvo's own save is no change on disk.
    const QByteArray bytes = Gpj::toUtf8(m_document.project());
    // A file Open would refuse is no save.
    if (bytes.size() > KestrelFile::kMaxReadBytes)
        return fail(Texts::tooLargeToOpen(bytes.size() >> 20, KestrelFile::kMaxReadBytes >> 20));
    // A fresh install has no projects folder yet.
    if (!Folders::ensure(m_folders.projects()))
        return fail(Texts::folderNotCreated(m_folders.projects()));
    QString error;
    if (!KestrelFile::writeBytes(bytes, target, KestrelFile::Durability::Flushed, &error))
        return fail(error);

    m_base.set(target, bytes);
    m_document.markSaved(target);
    m_recovery.discard();
    m_ask.MsgBox(text, title, Msg::Information);
    return true;
}

bool ProjectCommands::saveElsewhere(const QString &why)
{
    m_ask.MsgBox(why, Texts::fileGoneTitle(), Msg::Critical);
    return mnuSaveAs_Click();
}

bool ProjectCommands::LoadProject(const QString &path)
{
    QByteArray bytes;
    std::optional<Project> project = readProjectFile(path, &bytes);
    if (!project)
        return false;
    QString error;
    if (!m_taskFiles.writeAll(*project, &error)) {
        reportOpenFailure(path, error);
        return false;
    }
    m_recovery.discard();
    m_base.set(path, bytes);
    m_laterCopies.clear();   // copies put off are offered again
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
    if (chosen && maybeSave() && LoadProject(*chosen))
        offerConflictCopies();
}
