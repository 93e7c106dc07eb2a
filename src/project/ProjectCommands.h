#pragma once
#include <QString>
#include <optional>

#include "project/Project.h"

class WorkingState;

// Projects on disk: the New, Open, Save and Save As commands, and the two
// operations every whole-project feature goes through: a snapshot of the
// open project as a value, and a value laid out on the window.
class ProjectCommands {
public:
    explicit ProjectCommands(WorkingState &state) : m_s(state) {}

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
    bool SaveProject();                        // to CurrentProjectFile
    bool SaveProject(const QString &target);   // says how it went
    // Reads the file and lays it out; the window is reset first by the
    // caller. A file that cannot be read is reported, and the window stays
    // a new empty project.
    bool LoadProject(const QString &path);

    // ---- the whole project as a value
    // The open project: its name and every sub-goal with its task text as
    // the user last saw it.
    Project snapshot() const;
    // Lays a project out on the cards, writing each sub-goal's task file,
    // and ends with the main goal selected. False, with the reason, when a
    // task file cannot be written.
    bool layOut(const Project &project, QString *error = nullptr);
    // The project a file holds; nothing, after saying why, when it cannot
    // be read as one.
    std::optional<Project> readProjectFile(const QString &path);
    // Brings the project back to another outline (an undo or redo step):
    // sub-goals, names, due dates, name and settings as target has them.
    // A sub-goal's tasks stay as they are now; one that is gone now comes
    // back with the tasks target holds. It is a change like any other.
    void restore(const Project &target);
    // Counts the projects started anew (New, Open, a restore after a
    // crash), so what belonged to the last one can be dropped.
    int generation() const { return m_generation; }

private:
    void resetToNewProject();
    void reportOpenFailure(const QString &path, const QString &reason);

    WorkingState &m_s;
    QString m_projectText;   // the save's text, kept for its room
    int m_generation = 0;
};
