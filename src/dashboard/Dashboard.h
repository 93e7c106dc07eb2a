#pragma once
#include <QString>

#include "base/Folders.h"

class Ask;
class KestrelTools;
class ProjectDocument;
class TaskList;

// The goal dashboard's commands: adding and renaming sub-goals in the side
// bar's name box, selecting a card, deleting a sub-goal. Each is a thin
// handler over the document's intent methods; the cards themselves are
// worked out from the document (Cards.h).
class Dashboard {
public:
    Dashboard(ProjectDocument &document, TaskList &tasks, Ask &ask, const KestrelTools &tools, const Folders &folders);

    // ---- the name box txtSubGoal and the project name box
    // A key typed in the name box, whose text is txtSubGoal; returns the
    // character to insert (0 swallows it). Enter adds or renames, and an
    // added name leaves the box empty.
    int txtSubGoal_KeyPress(int keyAscii, QString &txtSubGoal);
    void txtProjectName_Change(const QString &text);

    // ---- adding and renaming
    void AddSubGoal(QString &txtSubGoal);
    void RenameSubGoal(const QString &name);
    void lblNewGoal_Click();

    // ---- selecting a card: 0 the main goal, 1 to 8 a sub-goal's card
    void lblGoal_Click(int card);

    // ---- deleting
    // Asks, then deletes the selected sub-goal; true when it was deleted.
    bool lblDelete_Click();
    bool lblDeleteOnMouseOver_Click(int card);

private:
    ProjectDocument &m_document;
    TaskList &m_tasks;
    Ask &m_ask;
    const KestrelTools &m_tools;
    Folders m_folders;
};
