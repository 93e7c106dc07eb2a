#pragma once
#include <QByteArray>
#include <QDate>
#include <QHash>
#include <QString>
#include <QStringList>
#include <array>
#include <memory>

#include "component/KestrelFile.h"
#include "component/KestrelTools.h"
#include "events/EventList.h"

class Modals;
class IniIndex;

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
    QString lblTasks_Total = QStringLiteral("Tasks: 0");
    QString lblTasks_Completed = QStringLiteral("Completed: 0");
    QString lblTasks_Pending = QStringLiteral("Pending: 0");
    bool shActive_Visible = false;
    bool lblDeleteOnMouseOver_Visible = false;
};

// The open project: the main window's whole working state, and the handlers
// that change it. The window shows this record and forwards its events here.
class WorkingState {
public:
    WorkingState(QString appFolder, Modals &modals);
    ~WorkingState();
    WorkingState(const WorkingState &) = delete;
    WorkingState &operator=(const WorkingState &) = delete;

    // ---- globals of the open project
    QString CurrentProjectFile;
    bool ProjectChanged = false;
    int SelectedGoalIndex = 0;
    QString CurrentGoalKey;
    bool EditingSubGoal = false;
    bool RebuildingCards = false;
    QString IniFilePath;

    // ---- the cards
    std::array<GoalCard, 9> cards;

    // ---- hidden working lists and texts
    QStringList lstSubGoals;
    QStringList lstSubgoalsAndKeys;
    QStringList lstDecompose;
    QStringList lstDueDates;
    QString txtTasksLoadOnOpen;
    QString txtProjectContent;

    // ---- visible controls of the side bar
    QString Form1_Caption;
    QString txtProjectName = QStringLiteral("My Goal");
    QString Label14 = QStringLiteral("Goal Name:");
    QString lblGoalName = QStringLiteral("Add New Sub-Goal:");
    QString lblSubgoalscharsleft = QStringLiteral("Characters Left: 16");
    QString lblFilename = QStringLiteral("New Project (No Filename)");
    QString lblFilename_ToolTip;
    bool lblDelete_Visible = false;
    bool lblNewGoal_Visible = false;
    bool lblGoalTasks_Visible = false;
    bool txtGoalTasks_Visible = false;
    bool lblTaskInstructions_Visible = false;
    bool lblDueDate_Visible = false;
    bool chkDueDate_Visible = false;
    bool Calendar1_Visible = false;

    // Where the keyboard focus should go; the window moves it and clears it.
    enum class Focus { None, txtSubGoal, txtGoalTasks };
    Focus focusRequest = Focus::None;

    // The controls whose changes run handlers of their own.
    const QString &txtSubGoal() const { return m_txtSubGoal; }
    void setTxtSubGoal(const QString &text);          // runs UpdateCharsLeft
    const QString &txtGoalTasks() const { return m_txtGoalTasks; }
    int txtGoalTasksRevision() const { return m_txtGoalTasksRevision; }
    void setTxtGoalTasks(const QString &text);        // set by the program
    bool chkDueDate() const { return m_chkDueDate; }
    void setChkDueDate(bool checked);                 // runs chkDueDate_Click on a change
    QDate Calendar1() const { return m_Calendar1; }
    void setCalendar1(const QDate &date);             // runs Calendar1_DateChange on a change

    // ---- start-up and layout
    void Form_Load();
    void SetGoalNameLabel(bool mainGoal);

    // ---- adding and renaming sub-goals
    static constexpr int kSubGoalMaxLength = 16;
    static constexpr int kProjectNameMaxLength = 40;
    // Returns the character to insert (0 swallows it). Keys that make a
    // character: printable ones, Enter (13), Backspace (8), Esc (27), Ctrl+letter.
    int txtSubGoal_KeyPress(int keyAscii);
    void txtSubGoal_Change(const QString &text);      // the user changed the box
    void txtProjectName_KeyUp(const QString &text);
    void txtProjectName_Change(const QString &text, bool byKey);
    void AddSubGoal();
    void RenameSubGoal();
    void RefreshGoalCards();
    void UpdateCharsLeft();
    void lblNewGoal_Click();

    // ---- selecting a card
    void lblGoal_Click(int index);

    // ---- tasks and counters
    void txtGoalTasks_KeyPress(int keyAscii);
    void txtGoalTasks_KeyUp();
    // Every change of the task text, whatever made it; byKey is false for a
    // mouse paste, drop or undo, which no key release will follow.
    void txtGoalTasks_Change(const QString &text, bool byKey);
    void OpenGoalTaskFile(const QString &key);
    void RefreshGoalTasks();
    static bool isTaskLine(QStringView line);

    // ---- due dates
    void chkDueDate_Click();
    void ApplyDueDate();
    void Calendar1_DateChange(const QDate &date);
    static QString dueDateText(const QDate &date);
    static QDate parseDueDateText(const QString &text);

    // ---- deleting and the delete mark
    void lblDelete_Click();
    void lblDeleteOnMouseOver_Click(int index);
    void picGoal_MouseMove(int index);
    void Picture1_MouseMove();

    // ---- projects on disk
    QString GetIni(const QString &section, const QString &key) const;
    void NewProject();
    bool SaveProject();
    void LoadProject(const QString &path);
    void mnuNew_Click();
    bool mnuSave_Click();
    bool mnuSaveAs_Click();
    void mnuOpen_Click();
    // Asks before unsaved changes are dropped; true when the caller may go on.
    bool maybeSave(bool withCancel);

    // ---- the shell
    void lblFilename_Click();
    void ShowTips();

    // ---- paths and services
    const QString &appFolder() const { return m_appFolder; }
    QString tmpFolder() const;        // "<app>/tmp/"
    QString projectsFolder() const;   // "<app>/projects/"
    QString taskFilePath(const QString &key) const;
    Modals &modals() { return m_modals; }

    KestrelTools KestrelTools1;
    KestrelFile KestrelFile1;

    // ---- the calendar event list (hidden)
    EventList ListView2;

private:
    QString newGoalKey() const;
    void freeAllCards();
    void layOutCardsFromLists();
    void resetToNewProject();
    bool ensureFolder(const QString &folder, QString *error = nullptr);

    QString m_appFolder;
    Modals &m_modals;
    QString m_txtSubGoal;
    QString m_txtGoalTasks;
    QString m_unwritableTaskFile;   // reported once, until a write succeeds
    int m_txtGoalTasksRevision = 0;
    bool m_chkDueDate = false;
    QDate m_Calendar1;
    std::unique_ptr<IniIndex> m_ini;   // the project file being loaded
    QHash<QString, QString> m_writtenThisLoad;   // task file -> the text a load wrote to it
};

// The caption of the main window: product, " Pro ", version, a blank.
QString mainWindowCaption();
