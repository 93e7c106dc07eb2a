// Adding, renaming and selecting sub-goal cards.
#include "dashboard/Dashboard.h"

#include "app/Modals.h"
#include "project/WorkingState.h"
#include "tasks/Tasks.h"

namespace {
constexpr int kEnter = 13;
} // namespace

void Dashboard::setTxtSubGoal(const QString &text)
{
    if (m_txtSubGoal == text)
        return;
    m_txtSubGoal = text;
    UpdateCharsLeft();
}

int Dashboard::txtSubGoal_KeyPress(int keyAscii)
{
    // Typing a name changes no sub-goal until Enter adds or renames one.
    if (keyAscii != kEnter)
        return keyAscii;
    if (m_txtSubGoal.isEmpty())
        return 0;
    if (m_s.EditingSubGoal) {
        RenameSubGoal();
        return 0;
    }
    if (m_s.cards[Rules::kSubGoalCards].picGoal_Visible) {
        m_s.modals().MsgBox(Texts::tooManySubGoals(), Texts::tooManySubGoalsTitle(), Msg::Information);
        return 0;
    }
    AddSubGoal();
    return 0;
}

void Dashboard::txtSubGoal_Change(const QString &text)
{
    setTxtSubGoal(text);
}

void Dashboard::txtProjectName_KeyUp(const QString &text)
{
    txtProjectName_Change(text);
}

void Dashboard::txtProjectName_Change(const QString &text)
{
    // Every change shows on the main goal at once, whatever made it; a
    // key that changed nothing (an arrow) is no change.
    if (text == m_s.txtProjectName && text == m_s.cards[0].lblGoal_Caption)
        return;
    m_s.txtProjectName = text;
    m_s.cards[0].lblGoal_Caption = text;
    m_s.ProjectChanged = true;
}

void Dashboard::AddSubGoal()
{
    m_s.ProjectChanged = true;
    m_s.lstSubGoals.append(m_txtSubGoal);
    setTxtSubGoal(QString());
    RefreshGoalCards();
    m_s.focusRequest = WorkingState::Focus::txtSubGoal;
}

void Dashboard::RenameSubGoal()
{
    const int i = m_s.SelectedGoalIndex;
    if (i < 1 || i > Rules::kSubGoalCards)
        return;
    if (m_s.cards[i].lblGoal_Caption != m_txtSubGoal)
        m_s.ProjectChanged = true;
    if (i - 1 < m_s.lstSubGoals.size())
        m_s.lstSubGoals[i - 1] = m_txtSubGoal;
    m_s.cards[i].lblGoal_Caption = m_txtSubGoal;
}

void Dashboard::RefreshGoalCards()
{
    const int n = std::min<int>(m_s.lstSubGoals.size(), Rules::kSubGoalCards);
    for (int p = 0; p < n; ++p) {
        GoalCard &card = m_s.cards[p + 1];
        if (card.lblGoal_Tag.isEmpty()) {
            card.lblGoal_Tag = newGoalKey();
            // A new card looks like a loaded one without tasks.
            m_s.tasks.showCounts(p + 1, TaskCounts{});
        }
        card.lblGoal_Caption = m_s.lstSubGoals.at(p);
        card.picGoal_Visible = true;
    }
}

void Dashboard::UpdateCharsLeft()
{
    // A name loaded longer than the box allows stays whole: none left.
    m_s.lblSubgoalscharsleft = Texts::charsLeft(std::max<qsizetype>(0, Rules::kSubGoalNameMax - m_txtSubGoal.size()));
}

void Dashboard::lblNewGoal_Click()
{
    lblGoal_Click(0);
}

void Dashboard::lblGoal_Click(int index)
{
    if (index < 0 || index > Rules::kSubGoalCards)
        return;
    for (int i = 1; i <= Rules::kSubGoalCards; ++i)
        m_s.cards[i].shActive_Visible = (i == index);
    m_s.txtProjectName = m_s.cards[0].lblGoal_Caption;
    m_s.SelectedGoalIndex = index;

    const bool subGoal = index != 0;
    m_s.shell.SetGoalNameLabel(!subGoal);
    m_s.lblGoalName = subGoal ? Texts::renameModeLabel() : Texts::addModeLabel();
    m_s.lblDelete_Visible = subGoal;
    m_s.lblNewGoal_Visible = subGoal;
    m_s.EditingSubGoal = subGoal;
    setTxtSubGoal(subGoal ? m_s.cards[index].lblGoal_Caption : QString());
    m_s.lblGoalTasks_Visible = subGoal;
    m_s.txtGoalTasks_Visible = subGoal;
    m_s.lblTaskInstructions_Visible = subGoal;
    m_s.lblDueDate_Visible = subGoal;
    m_s.Calendar1_Visible = subGoal;
    m_s.chkDueDate_Visible = subGoal;
    if (!subGoal)
        return;   // the task box keeps its text and CurrentGoalKey its key

    m_s.CurrentGoalKey = m_s.cards[index].lblGoal_Tag;
    m_s.tasks.OpenGoalTaskFile(m_s.CurrentGoalKey);
    if (m_s.RebuildingCards)
        return;
    m_s.dueDates.showCardDueDate(index);
    m_s.focusRequest = WorkingState::Focus::txtGoalTasks;
}

void Dashboard::picGoal_MouseMove(int index)
{
    if (index >= 1 && index <= Rules::kSubGoalCards)
        m_s.cards[index].lblDeleteOnMouseOver_Visible = true;
}

void Dashboard::Picture1_MouseMove()
{
    for (int i = 1; i <= Rules::kSubGoalCards; ++i)
        m_s.cards[i].lblDeleteOnMouseOver_Visible = false;
}
