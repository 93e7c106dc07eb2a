// Deleting the selected sub-goal; the later ones move down one card.
#include "dashboard/Dashboard.h"

#include "app/Modals.h"
#include "project/WorkingState.h"

void Dashboard::lblDelete_Click()
{
    const int selected = m_s.SelectedGoalIndex;
    if (selected < 1 || selected > Rules::kSubGoalCards)
        return;
    if (m_s.modals().MsgBox(Texts::confirmDelete(), Texts::confirmDeleteTitle(), Msg::YesNoQuestion) != Msg::Yes)
        return;

    m_s.ProjectChanged = true;
    m_s.RebuildingCards = true;
    // The file may already be gone (removed by other means); the sub-goal
    // is deleted all the same.
    if (!m_s.CurrentGoalKey.isEmpty())
        m_s.tasks.removeTaskText(m_s.CurrentGoalKey);
    m_s.CurrentGoalKey.clear();

    m_s.lstSubgoalsAndKeys.clear();
    m_s.lstDueDates.clear();
    for (int i = 1; i <= Rules::kSubGoalCards; ++i) {
        const GoalCard &card = m_s.cards[i];
        if (card.lblGoal_Tag.isEmpty())
            break;
        m_s.lstSubgoalsAndKeys.append(card.lblGoal_Caption + Rules::kKeySeparator + card.lblGoal_Tag);
        m_s.lstDueDates.append(card.lblDueDateDate_Tag.isEmpty() ? Rules::kNoDueDate.toString()
                                                                 : card.lblDueDateDate_Tag);
    }
    const int at = selected - 1;
    for (QStringList *list : {&m_s.lstSubgoalsAndKeys, &m_s.lstSubGoals, &m_s.lstDueDates}) {
        if (at < list->size())
            list->removeAt(at);
    }

    freeAllCards();
    layOutCardsFromLists();

    m_s.RebuildingCards = false;
    lblGoal_Click(0);
    m_s.dueDates.setCalendar1(QDate::currentDate());
}

void Dashboard::lblDeleteOnMouseOver_Click(int index)
{
    if (index < 1 || index > Rules::kSubGoalCards || !m_s.cards[index].picGoal_Visible)
        return;
    lblGoal_Click(index);
    lblDelete_Click();
}
