#pragma once
#include <QDate>
#include <QString>

#include "project/Project.h"

class Ask;
class EventList;
class ProjectDocument;

// The schedule panel's commands: the project's start date dtpStartDate,
// working week chkWorkDay_1 to chkWorkDay_7 and days off lstDaysOff,
// Prepare Calendar, and the two exports of the event list. The plan itself
// follows the project as it changes.
class ScheduleCommands {
public:
    ScheduleCommands(ProjectDocument &document, EventList &events, Ask &ask);

    // ---- the controls
    QDate dtpStartDate() const;                // today while the project has none
    void setDtpStartDate(const QDate &date);
    bool chkWorkDay(int day) const;            // 1 = Monday ... 7 = Sunday
    void setChkWorkDay(int day, bool working);
    WorkWeek workWeek() const;
    const QList<QDate> &lstDaysOff() const;

    // ---- the commands
    // The day of dtpDayOff becomes a day off (once); each is a step the
    // user can undo.
    void cmdAddDayOff_Click(const QDate &day);
    // The days chosen in lstDaysOff are worked again.
    void cmdRemoveDayOff_Click(const QList<QDate> &days);
    // Plans from the date shown, which becomes the project's start when it
    // had none, and brings back every row taken out of the list.
    void cmdPrepareCalendar_Click();
    void cmdExportCsv_Click();
    void cmdExportIcs_Click();

private:
    void exportCalendar(bool iCalendar);

    ProjectDocument &m_document;
    EventList &m_events;
    Ask &m_ask;
};
