// The task box: typing reaches the document; the selected sub-goal's file.
#include "tasks/Tasks.h"

#include "base/Ask.h"
#include "base/Texts.h"
#include "project/ProjectDocument.h"
#include "project/TaskFiles.h"

TaskList::TaskList(ProjectDocument &document, TaskFiles &taskFiles, Ask &ask)
    : m_document(document), m_taskFiles(taskFiles), m_ask(ask)
{
}

void TaskList::txtGoalTasks_Change(const QString &text)
{
    // The main goal has no task list; the box is hidden while it is selected.
    m_document.setTasks(m_document.selectedSubGoal(), text);
}

bool TaskList::txtGoalTasks_Edit(qsizetype at, qsizetype removed, QStringView inserted, qsizetype lengthAfter)
{
    return m_document.editTasks(m_document.selectedSubGoal(), at, removed, inserted, lengthAfter);
}

bool TaskList::txtGoalTasks_KeyUp()
{
    // The change has reached the file, or is on its way; only a write that
    // failed is tried again.
    return m_taskFiles.retry();
}

void TaskList::OpenGoalTaskFile()
{
    const int index = m_document.selectedSubGoal();
    bool readable = true;
    QString error;
    if (const std::optional<QString> text = m_taskFiles.changedOutside(index, &readable, &error))
        m_document.setTasks(index, *text);   // changed by other means: the file is what the user sees
    else if (!readable)
        m_ask.MsgBox(error, Texts::tasksTitle(), Msg::Critical);
}

void TaskList::RefreshGoalTasks()
{
    m_taskFiles.writeNow(m_document.selectedSubGoal());
}
