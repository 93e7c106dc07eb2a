#pragma once
#include <QString>
#include <QStringList>
#include <array>

#include "app/Shell.h"
#include "app/Texts.h"
#include "component/KestrelFile.h"
#include "component/KestrelTools.h"
#include "dashboard/Dashboard.h"
#include "events/EventList.h"
#include "events/ScheduleCommands.h"
#include "project/PlanCommands.h"
#include "project/ProjectCommands.h"
#include "project/Recovery.h"
#include "tasks/DueDates.h"
#include "tasks/Tasks.h"

class Modals;

// The open project: the main window's whole working state as one record,
// and the handlers of each subsystem that change it. The window shows this
// record and forwards its events to the handlers; it keeps no project state
// of its own. Field names are the names of the controls they stand for.
class WorkingState {
    // First, so that every part below may use them as it is made.
    QString m_appFolder;
    Modals &m_modals;

public:
    WorkingState(QString appFolder, Modals &modals);
    WorkingState(const WorkingState &) = delete;
    WorkingState &operator=(const WorkingState &) = delete;

    // ---- globals of the open project
    QString CurrentProjectFile;   // "" = the project has no file yet
    bool ProjectChanged = false;
    int SelectedGoalIndex = 0;    // 0 = main goal, 1 to 8 = a sub-goal card
    QString CurrentGoalKey;       // key of the sub-goal selected last
    bool EditingSubGoal = false;  // Enter in txtSubGoal renames instead of adding
    bool RebuildingCards = false; // the cards are being laid out anew

    // ---- the cards: 0 is the main goal, 1 to 8 the sub-goal cards
    std::array<GoalCard, Rules::kSubGoalCards + 1> cards;

    // ---- hidden working lists
    QStringList lstSubGoals;          // names in card order
    QStringList lstSubgoalsAndKeys;   // name, key separator, key
    QStringList lstDecompose;         // one item of the above, split
    QStringList lstDueDates;          // due-date text, or "." for none

    // ---- the side bar as the window shows it
    QString Form1_Caption;
    QString txtProjectName = Texts::defaultProjectName();
    QString Label14 = Texts::goalNameLabelAtStart();
    QString lblGoalName = Texts::addModeLabel();
    QString lblSubgoalscharsleft = Texts::charsLeft(Rules::kSubGoalNameMax);
    QString lblFilename = Texts::noFilename();
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

    // ---- the calendar event list, in the schedule panel
    EventList ListView2;

    // ---- the handlers, one set per subsystem
    Shell shell;                 // app/: start-up of the window, tips, folder shortcut
    Dashboard dashboard;         // dashboard/: cards, adding, selecting, deleting
    TaskList tasks;              // tasks/: the task box, task files, counters
    DueDates dueDates;           // tasks/: the due-date check box and calendar
    ProjectCommands project;     // project/: New, Open, Save and Save As
    PlanCommands plan;           // project/: Print Plan and Export PDF
    ScheduleCommands schedule;   // events/: start date, working week, the plan and its exports
    Recovery recovery;           // project/: the snapshot that outlives a crash

    // ---- paths and services
    const QString &appFolder() const { return m_appFolder; }
    QString tmpFolder() const;        // "<app>/tmp/"
    QString projectsFolder() const;   // "<app>/projects/"
    QString taskFilePath(const QString &key) const;
    Modals &modals() const { return m_modals; }
    // Creates the folder when it is missing; false when it cannot.
    bool ensureFolder(const QString &folder) const;

    KestrelTools KestrelTools1;
    KestrelFile KestrelFile1;

    // Points the file name label at a project file ("" = none).
    void setFileName(const QString &path);
};
