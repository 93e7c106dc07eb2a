// Adding, renaming, selecting and deleting sub-goals.
#include "dashboard/Dashboard.h"

#include "base/Ask.h"
#include "base/Rules.h"
#include "base/Texts.h"
#include "project/GoalKeys.h"
#include "project/ProjectDocument.h"
#include "tasks/Tasks.h"

namespace {
constexpr int kEnter = 13;
} // namespace

Dashboard::Dashboard(ProjectDocument &document, TaskList &tasks, Ask &ask, const KestrelTools &tools,
                     const Folders &folders)
    : m_document(document), m_tasks(tasks), m_ask(ask), m_tools(tools), m_folders(folders)
{
}

int Dashboard::txtSubGoal_KeyPress(int keyAscii, QString &txtSubGoal)
{
    // Typing a name changes no sub-goal until Enter adds or renames one.
    if (keyAscii != kEnter)
        return keyAscii;
    if (txtSubGoal.isEmpty())
        return 0;
    if (m_document.selectedCard() != 0) {
        RenameSubGoal(txtSubGoal);
        return 0;
    }
    if (m_document.subGoalCount() >= Rules::kSubGoalCards) {
        m_ask.MsgBox(Texts::tooManySubGoals(), Texts::tooManySubGoalsTitle(), Msg::Information);
        return 0;
    }
    AddSubGoal(txtSubGoal);
    return 0;
}

void Dashboard::txtProjectName_Change(const QString &text)
{
    m_document.setName(text);
}

void Dashboard::AddSubGoal(QString &txtSubGoal)
{
    const QString key = GoalKeys::newKey(m_tools, m_folders, GoalKeys::keysOf(m_document.project()));
    if (m_document.addSubGoal(txtSubGoal, key))
        txtSubGoal.clear();
}

void Dashboard::RenameSubGoal(const QString &name)
{
    m_document.renameSubGoal(m_document.selectedSubGoal(), name);
}

void Dashboard::lblNewGoal_Click()
{
    lblGoal_Click(0);
}

void Dashboard::lblGoal_Click(int card)
{
    if (card < 0 || card > m_document.subGoalCount())
        return;
    m_document.select(card);
    // Selecting a sub-goal again shows what its file holds now.
    if (card != 0)
        m_tasks.OpenGoalTaskFile();
}

bool Dashboard::lblDelete_Click()
{
    const int index = m_document.selectedSubGoal();
    if (!m_document.isSubGoal(index))
        return false;
    if (m_ask.MsgBox(Texts::confirmDelete(), Texts::confirmDeleteTitle(), Msg::YesNoQuestion) != Msg::Yes)
        return false;
    // Its task file goes with it, if it is still there.
    m_document.removeSubGoal(index);
    return true;
}

bool Dashboard::lblDeleteOnMouseOver_Click(int card)
{
    if (card < 1 || card > m_document.subGoalCount())
        return false;
    lblGoal_Click(card);
    return lblDelete_Click();
}
