// The schedule panel: start date, working week, days off, Prepare Calendar, exports.
#include "events/ScheduleCommands.h"

#include <algorithm>

#include "base/Ask.h"
#include "base/Texts.h"
#include "events/CalendarExport.h"
#include "events/EventList.h"
#include "project/ProjectDocument.h"
#include "project/Schedule.h"

namespace {

// The project's name as a file name: what a file name cannot hold becomes "_".
QString proposedFileName(const QString &projectName)
{
    QString name = projectName.trimmed();
    for (QChar &c : name) {
        if (c.unicode() < 0x20 || QStringView(u"/\\:*?\"<>|").contains(c))
            c = u'_';
    }
    return name.isEmpty() ? Texts::scheduleTitle() : name;
}

} // namespace

ScheduleCommands::ScheduleCommands(ProjectDocument &document, EventList &events, Ask &ask)
    : m_document(document), m_events(events), m_ask(ask)
{
}

QDate ScheduleCommands::dtpStartDate() const
{
    const QDate start = m_document.project().settings.start;
    return start.isValid() ? start : QDate::currentDate();
}

void ScheduleCommands::setDtpStartDate(const QDate &date)
{
    if (!date.isValid() || date == m_document.project().settings.start)
        return;
    ProjectSettings settings = m_document.project().settings;
    settings.start = date;
    m_document.setSettings(settings);
}

WorkWeek ScheduleCommands::workWeek() const
{
    return m_document.project().settings.workWeek.value_or(defaultWorkWeek());
}

bool ScheduleCommands::chkWorkDay(int day) const { return day >= 1 && day <= 7 && workWeek()[day - 1]; }

void ScheduleCommands::setChkWorkDay(int day, bool working)
{
    if (day < 1 || day > 7 || chkWorkDay(day) == working)
        return;
    ProjectSettings settings = m_document.project().settings;
    WorkWeek week = workWeek();
    week[day - 1] = working;
    settings.workWeek = week;
    m_document.setSettings(settings);
}

const QList<QDate> &ScheduleCommands::lstDaysOff() const { return m_document.project().settings.daysOff; }

void ScheduleCommands::cmdAddDayOff_Click(const QDate &day)
{
    ProjectSettings settings = m_document.project().settings;
    const auto at = std::lower_bound(settings.daysOff.begin(), settings.daysOff.end(), day);
    if (!day.isValid() || (at != settings.daysOff.end() && *at == day))
        return;
    settings.daysOff.insert(at, day);
    m_document.setSettings(settings);
}

void ScheduleCommands::cmdRemoveDayOff_Click(const QList<QDate> &days)
{
    ProjectSettings settings = m_document.project().settings;
    settings.daysOff.removeIf([&days](const QDate &day) { return days.contains(day); });
    m_document.setSettings(settings);   // no change when none was a day off
}

void ScheduleCommands::cmdPrepareCalendar_Click()
{
    if (!hasWorkingDay(workWeek())) {
        m_ask.MsgBox(Texts::noWorkingDay(), Texts::scheduleTitle(), Msg::Information);
        return;
    }
    setDtpStartDate(dtpStartDate());   // the date shown is the plan's start from now on
    m_events.bringAllBack();
    m_document.replanNow();
    if (const qsizetype leftOut = m_document.schedule().leftOut(); leftOut > 0)
        m_ask.MsgBox(Texts::tasksLeftOut(leftOut), Texts::scheduleTitle(), Msg::Information);
}

void ScheduleCommands::cmdExportCsv_Click() { exportCalendar(false); }
void ScheduleCommands::cmdExportIcs_Click() { exportCalendar(true); }

void ScheduleCommands::exportCalendar(bool iCalendar)
{
    const QString suffix = iCalendar ? QStringLiteral("ics") : QStringLiteral("csv");
    const std::optional<QString> path = m_ask.getSaveFileName(
        iCalendar ? Texts::exportIcsTitle() : Texts::exportCsvTitle(),
        proposedFileName(m_document.project().name) + u'.' + suffix,
        iCalendar ? Texts::icsFilter() : Texts::csvFilter(), suffix);
    if (!path)
        return;
    // The project as it stands, not as it was when the list was last looked at.
    QString error;
    const bool written = writeCalendarFile(m_events.events(iCalendar), iCalendar, *path, &error);
    if (!written)
        m_ask.MsgBox(Texts::notWritten(Texts::calendarWhat(), *path, error), Texts::exportFailedTitle(), Msg::Critical);
}
