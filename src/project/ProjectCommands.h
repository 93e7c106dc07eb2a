#pragma once
#include <QSet>
#include <QString>
#include <optional>

#include "base/Folders.h"
#include "project/Merge.h"
#include "project/Project.h"

class Ask;
class BaseCopy;
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
                    BaseCopy &base, Ask &ask, const KestrelTools &tools);

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
    // To the document's file. When another device changed the file since
    // Tarvo last read or wrote it, both are merged first and the message
    // says what was merged. A file that is gone or cannot be read is never
    // made again on its own: the user is told and chooses a place.
    bool SaveProject();
    bool SaveProject(const QString &target);   // says how it went
    // Reads the file and makes it the open project, its task files written
    // first. A file that cannot be read, or whose task files cannot be
    // written, is reported and the open project stays as it was.
    bool LoadProject(const QString &path);
    // The project a file holds, its keys made safe; nothing, after saying
    // why, when it cannot be read as one.
    std::optional<Project> readProjectFile(const QString &path, QByteArray *bytesRead = nullptr);

    // ---- another copy of the open project (OtherCopies.cpp)
    // The project in a file's bytes, keys made safe; nothing, without a
    // word, when they hold none.
    std::optional<Project> projectFrom(const QByteArray &bytes) const;
    // Another copy merged into the open project over the base: one step of
    // the undo history. What the merge did, for a message.
    Merge::Report mergeIn(const Project &theirs, const Project &base);
    Merge::Report mergeIn(const Project &theirs);
    // The file changed by another device while nothing was unsaved: its
    // project taken in, its bytes the new base, nothing left to save.
    void takeIn(const QString &file, const QByteArray &bytes, const Project &theirs);
    // A sync tool's copies of the open project lying beside it, each
    // offered once a run: Yes merges it in, No leaves it; a box closed
    // without an answer asks again at the next Open.
    bool hasCopiesToOffer() const;
    void offerConflictCopies();

private:
    void reportOpenFailure(const QString &path, const QString &reason);
    // Writes the project to target, makes what was written the base and
    // says so with text and title.
    bool writeProject(const QString &target, const QString &text, const QString &title);
    // The document's file cannot be merged with: says why, then Save As.
    bool saveElsewhere(const QString &why);
    QStringList copiesToOffer() const;
    void mergeCopy(const QString &path);

    Folders m_folders;
    ProjectDocument &m_document;
    TaskFiles &m_taskFiles;
    Recovery &m_recovery;
    BaseCopy &m_base;
    Ask &m_ask;
    const KestrelTools &m_tools;
    QSet<QString> m_answeredCopies;   // this run: not offered again
    QSet<QString> m_laterCopies;      // not now: offered at the next Open
};
