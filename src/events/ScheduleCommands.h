#pragma once
#include <QDate>
#include <QString>

#include "project/Project.h"

class WorkingState;

// The schedule panel: the project's start date dtpStartDate and working
// week chkWorkDay_1 to chkWorkDay_7, Prepare Calendar, which fills the
// event list with the plan of the open project, and the two exports of the
// list. The list's own buttons are EventList's.
class ScheduleCommands {
public:
    explicit ScheduleCommands(WorkingState &state) : m_s(state) {}

    // ---- the controls
    QDate dtpStartDate() const;                // today while the project has none
    void setDtpStartDate(const QDate &date);
    bool chkWorkDay(int day) const;            // 1 = Monday ... 7 = Sunday
    void setChkWorkDay(int day, bool working);
    WorkWeek workWeek() const;

    // ---- the commands
    void mnuSchedule_Click();                  // shows the panel
    void schedulePanel_Close();
    void cmdPrepareCalendar_Click();
    void cmdExportCsv_Click();
    void cmdExportIcs_Click();

    // ---- with the project
    const ProjectSettings &settings() const { return m_settings; }   // what a save stores
    void setSettings(const ProjectSettings &settings);                // what a load lays out
    // New and Open: nothing set, and no other project's plan in the list.
    void forNewProject();

private:
    void exportCalendar(bool iCalendar);

    WorkingState &m_s;
    ProjectSettings m_settings;
};
