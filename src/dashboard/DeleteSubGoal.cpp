// Deleting the selected sub-goal; the later ones move down one card.
#include "project/WorkingState.h"

#include <QFile>

#include "app/Modals.h"

void WorkingState::lblDelete_Click()
{
    const int selected = SelectedGoalIndex;
    if (selected < 1 || selected > 8)
        return;
    if (m_modals.MsgBox(QStringLiteral("Delete Sub Goal?"), QStringLiteral("Confirm"), Msg::YesNoQuestion) != Msg::Yes)
        return;

    ProjectChanged = true;
    RebuildingCards = true;
    ensureFolder(tmpFolder());
    // The file may already be gone (removed by other means); the sub-goal
    // is deleted all the same.
    if (!CurrentGoalKey.isEmpty())
        QFile::remove(taskFilePath(CurrentGoalKey));
    CurrentGoalKey.clear();

    lstSubgoalsAndKeys.clear();
    lstDueDates.clear();
    for (int i = 1; i <= 8; ++i) {
        const GoalCard &card = cards[i];
        if (card.lblGoal_Tag.isEmpty())
            break;
        lstSubgoalsAndKeys.append(card.lblGoal_Caption + QChar(0x00A8) + card.lblGoal_Tag);
        lstDueDates.append(card.lblDueDateDate_Tag.isEmpty() ? QStringLiteral(".") : card.lblDueDateDate_Tag);
    }
    const int at = selected - 1;
    if (at < lstSubgoalsAndKeys.size())
        lstSubgoalsAndKeys.removeAt(at);
    if (at < lstSubGoals.size())
        lstSubGoals.removeAt(at);
    if (at < lstDueDates.size())
        lstDueDates.removeAt(at);

    freeAllCards();
    layOutCardsFromLists();

    RebuildingCards = false;
    lblGoal_Click(0);
    setCalendar1(QDate::currentDate());
}

void WorkingState::lblDeleteOnMouseOver_Click(int index)
{
    if (index < 1 || index > 8 || !cards[index].picGoal_Visible)
        return;
    lblGoal_Click(index);
    lblDelete_Click();
}
