#pragma once
#include <QString>
#include <QStringView>

class Ask;
class ProjectDocument;
class TaskFiles;

// The task box txtGoalTasks: the selected sub-goal's task list as the user
// types it. Every change reaches the document, from which the card's
// counters and the plan follow; the task file follows the document.
class TaskList {
public:
    TaskList(ProjectDocument &document, TaskFiles &taskFiles, Ask &ask);

    // Every change of the box's text, whatever made it (keys, mouse, drops,
    // undo), given whole; lines separated by LF.
    void txtGoalTasks_Change(const QString &text);
    // The same change told as an edit, which costs what the edit costs,
    // not what the list costs: removed characters at position at replaced
    // by inserted, leaving lengthAfter characters in the box. False when
    // the edit does not fit the text: then the whole text is to be given
    // to txtGoalTasks_Change.
    bool txtGoalTasks_Edit(qsizetype at, qsizetype removed, QStringView inserted, qsizetype lengthAfter);
    // A key released in the box: a file that could not be written is
    // tried again. True when something was tried.
    bool txtGoalTasks_KeyUp();

    // The selected sub-goal's task file as the box is to show it: a file
    // changed by another program since Tarvo wrote it is taken in, a
    // missing one is made anew.
    void OpenGoalTaskFile();
    // Writes the selected sub-goal's task file now.
    void RefreshGoalTasks();

private:
    ProjectDocument &m_document;
    TaskFiles &m_taskFiles;
    Ask &m_ask;
};
