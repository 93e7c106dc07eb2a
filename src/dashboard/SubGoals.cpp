// Adding, renaming and selecting sub-goal cards.
#include "project/WorkingState.h"

#include "app/Modals.h"

namespace {
constexpr int kEnter = 13;
constexpr int kMaxKeyDraws = 10000;
} // namespace

int WorkingState::txtSubGoal_KeyPress(int keyAscii)
{
    ProjectChanged = true;
    if (keyAscii != kEnter)
        return keyAscii;
    if (m_txtSubGoal.isEmpty())
        return 0;
    if (EditingSubGoal) {
        RenameSubGoal();
        return 0;
    }
    if (cards[8].picGoal_Visible) {
        m_modals.MsgBox(QStringLiteral("Ooops! You can create up to 8 sub-goals per goal so you can keep an "
                                       "eye on everything (sometimes less is more)."),
                        QStringLiteral("Ooops"), Msg::Information);
        return 0;
    }
    AddSubGoal();
    return 0;
}

void WorkingState::txtSubGoal_Change(const QString &text)
{
    setTxtSubGoal(text.left(kSubGoalMaxLength));
}

void WorkingState::txtProjectName_KeyUp(const QString &text)
{
    ProjectChanged = true;
    txtProjectName = text.left(kProjectNameMaxLength);
    cards[0].lblGoal_Caption = txtProjectName;
}

void WorkingState::txtProjectName_Change(const QString &text, bool byKey)
{
    txtProjectName = text.left(kProjectNameMaxLength);
    if (byKey)
        return; // the key release that follows mirrors it
    // A paste, drop or undo with the mouse raises no key release.
    ProjectChanged = true;
    cards[0].lblGoal_Caption = txtProjectName;
}

void WorkingState::AddSubGoal()
{
    lstSubGoals.append(m_txtSubGoal);
    setTxtSubGoal(QString());
    RefreshGoalCards();
    focusRequest = Focus::txtSubGoal;
}

void WorkingState::RenameSubGoal()
{
    const int i = SelectedGoalIndex;
    if (i < 1 || i > 8)
        return;
    if (i - 1 < lstSubGoals.size())
        lstSubGoals[i - 1] = m_txtSubGoal;
    cards[i].lblGoal_Caption = m_txtSubGoal;
}

QString WorkingState::newGoalKey() const
{
    // A key names a task file in the shared tmp folder, so it must differ
    // from every key on the cards and from every task file left there by a
    // project opened earlier. The space is 9001^3 keys, so a few draws do.
    QString key;
    for (int attempt = 0; attempt < kMaxKeyDraws; ++attempt) {
        const qint16 first = static_cast<qint16>(KestrelTools1.RandomNumber(9000)) + 100;
        const qint16 second = static_cast<qint16>(KestrelTools1.RandomNumber(9000)) + 300;
        const qint16 third = static_cast<qint16>(KestrelTools1.RandomNumber(9000)) + 300;
        key = QStringLiteral("%1-%2-%3").arg(first).arg(second).arg(third);
        bool taken = KestrelTools1.PathExists(taskFilePath(key), false);
        for (int i = 1; i <= 8 && !taken; ++i)
            taken = cards[i].lblGoal_Tag == key;
        if (!taken)
            break;
    }
    return key;
}

void WorkingState::RefreshGoalCards()
{
    const int n = std::min<int>(lstSubGoals.size(), 8);
    for (int p = 0; p < n; ++p) {
        GoalCard &card = cards[p + 1];
        if (card.lblGoal_Tag.isEmpty())
            card.lblGoal_Tag = newGoalKey();
        card.lblGoal_Caption = lstSubGoals.at(p);
        card.picGoal_Visible = true;
    }
}

void WorkingState::UpdateCharsLeft()
{
    lblSubgoalscharsleft = QStringLiteral("Characters Left: ") + QString::number(kSubGoalMaxLength - m_txtSubGoal.size());
}

void WorkingState::lblNewGoal_Click()
{
    lblGoal_Click(0);
}

void WorkingState::lblGoal_Click(int index)
{
    if (index < 0 || index > 8)
        return;
    for (int i = 1; i <= 8; ++i)
        cards[i].shActive_Visible = (i == index);
    txtProjectName = cards[0].lblGoal_Caption;
    SelectedGoalIndex = index;

    if (index == 0) {
        SetGoalNameLabel(true);
        lblGoalName = QStringLiteral("Add New Sub-Goal:");
        setTxtSubGoal(QString());
        EditingSubGoal = false;
        lblDelete_Visible = false;
        lblNewGoal_Visible = false;
        lblGoalTasks_Visible = false;
        txtGoalTasks_Visible = false;
        lblTaskInstructions_Visible = false;
        lblDueDate_Visible = false;
        Calendar1_Visible = false;
        chkDueDate_Visible = false;
        return;
    }

    GoalCard &card = cards[index];
    SetGoalNameLabel(false);
    lblGoalName = QStringLiteral("Edit Sub-Goal Name:");
    lblDelete_Visible = true;
    lblNewGoal_Visible = true;
    EditingSubGoal = true;
    setTxtSubGoal(card.lblGoal_Caption);
    lblGoalTasks_Visible = true;
    txtGoalTasks_Visible = true;
    lblTaskInstructions_Visible = true;
    lblDueDate_Visible = true;
    Calendar1_Visible = true;
    chkDueDate_Visible = true;
    CurrentGoalKey = card.lblGoal_Tag;
    OpenGoalTaskFile(CurrentGoalKey);
    if (RebuildingCards)
        return;

    // The check box goes first, then the calendar: its click shows the
    // card's date from whatever the calendar holds at that moment.
    const QString stored = card.lblDueDateDate_Tag;
    if (stored.isEmpty()) {
        setChkDueDate(false);
        setCalendar1(QDate(1998, 2, 20));
        m_modals.DoEvents();
        setCalendar1(QDate::currentDate());
    } else {
        const QDate due = parseDueDateText(stored);
        setChkDueDate(true);
        m_modals.DoEvents();
        setCalendar1(due.isValid() ? due : QDate::currentDate());
        // Selecting is not editing: the stored text stays as it was, also
        // when it was written under another locale and does not read back.
        card.lblDueDateDate_Tag = stored;
        card.lblDueDateDate_Caption = QStringLiteral("Due Date: ") + stored;
    }
    focusRequest = Focus::txtGoalTasks;
}

void WorkingState::picGoal_MouseMove(int index)
{
    if (index >= 1 && index <= 8)
        cards[index].lblDeleteOnMouseOver_Visible = true;
}

void WorkingState::Picture1_MouseMove()
{
    for (int i = 1; i <= 8; ++i)
        cards[i].lblDeleteOnMouseOver_Visible = false;
}
