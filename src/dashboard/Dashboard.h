#pragma once
#include <QByteArray>
#include <QDate>
#include <QSet>
#include <QString>

#include "app/Texts.h"

class WorkingState;
struct TaskCounts;

// One card of the dashboard: 0 is the main goal, 1 to 8 the sub-goal cards.
// Field names are those of the card's controls.
struct GoalCard {
    QString lblGoal_Caption;
    QString lblGoal_Tag;                 // the sub-goal key; "" = slot free
    bool picGoal_Visible = false;
    QByteArray picGoal_Picture;          // status picture bytes; empty = card artwork
    int picGoal_PictureRevision = 0;     // bumped each time a picture is applied
    QString lblDueDateDate_Caption;
    QString lblDueDateDate_Tag;          // due-date text as stored; "" = none
    bool lblDueDateDate_Visible = false;
    bool shDueDate_Visible = false;
    QString lblTasks_Total = Texts::tasksCounter(0);
    QString lblTasks_Completed = Texts::completedCounter(0);
    QString lblTasks_Pending = Texts::pendingCounter(0);
    bool shActive_Visible = false;
    // The due-date band turns red when the prepared plan ends after the due
    // date, or the due date has passed with tasks pending.
    bool shDueDate_Late = false;
    QDate plannedEnd;                    // last day of the prepared plan; invalid = none
    qsizetype pendingTasks = 0;
    bool lblDeleteOnMouseOver_Visible = false;

    friend bool operator==(const GoalCard &, const GoalCard &) = default;
};

// The goal dashboard: the sub-goal cards and the side-bar editor that names
// them. Adding and renaming, selecting, deleting and the delete mark; and
// the card operations every rebuild uses.
class Dashboard {
public:
    explicit Dashboard(WorkingState &state) : m_s(state) {}

    // ---- the name box txtSubGoal and the project name box
    const QString &txtSubGoal() const { return m_txtSubGoal; }
    void setTxtSubGoal(const QString &text);          // runs UpdateCharsLeft
    // Returns the character to insert (0 swallows it). Keys that make a
    // character: printable ones, Enter (13), Backspace (8), Esc (27), Ctrl+letter.
    int txtSubGoal_KeyPress(int keyAscii);
    void txtSubGoal_Change(const QString &text);      // the user changed the box
    void txtProjectName_KeyUp(const QString &text);
    void txtProjectName_Change(const QString &text);

    // ---- adding and renaming
    void AddSubGoal();
    void RenameSubGoal();
    void RefreshGoalCards();
    void UpdateCharsLeft();
    void lblNewGoal_Click();

    // ---- selecting a card
    void lblGoal_Click(int index);

    // ---- deleting and the delete mark
    void lblDelete_Click();
    void lblDeleteOnMouseOver_Click(int index);
    void picGoal_MouseMove(int index);
    void Picture1_MouseMove();

    // ---- card operations
    int cardsInUse() const;
    bool hasKey(const QString &key) const;
    void freeAllCards();
    void setCounters(int index, const TaskCounts &counts);
    void setStatusPicture(int index, const QByteArray &picture);
    // Shows the due-date text on the card; "" takes the due date away.
    void setDueDate(int index, const QString &text);
    // Works out shDueDate_Late from the card's due date, plan and counts.
    void markLate(int index);
    // Lays lstSubgoalsAndKeys and lstDueDates out on cards 1 to n, selecting
    // each card in turn so its counters are computed. Call with the cards free.
    void layOutCardsFromLists();
    // A key no card, no task file in tmp/ and none of taken (in lower case)
    // uses, whatever the letter case.
    QString newGoalKey(const QSet<QString> &taken = {}) const;

private:
    WorkingState &m_s;
    QString m_txtSubGoal;
};
