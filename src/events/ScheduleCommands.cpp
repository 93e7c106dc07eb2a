// The schedule panel: start date, working week, Prepare Calendar, exports.
#include "events/ScheduleCommands.h"

#include <QFileInfo>

#include "app/Modals.h"
#include "events/CalendarExport.h"
#include "events/Schedule.h"
#include "project/WorkingState.h"

namespace {

// The plan's tasks as list items; their texts are moved, not copied: a plan
// may hold 80,000 tasks.
QList<EventItem> eventItems(const Project &project, Schedule &&schedule)
{
    QList<EventItem> items;
    items.reserve(schedule.tasks.size());
    QStringList lateTips;   // one text per sub-goal, shared by its late items
    for (const SubGoal &goal : project.subGoals)
        lateTips.append(Texts::endsAfterDueDate(goal.due));
    for (ScheduledTask &task : schedule.tasks) {
        const SubGoal &goal = project.subGoals.at(task.subGoal);
        EventItem &item = items.emplace_back();
        item.Event = {task.subject, goal.name, goal.key, task.lineNumber, task.start, task.end};
        item.Text = std::move(task.subject);
        item.Tag = std::move(task.line);
        item.Late = task.late;
        if (task.late)
            item.ToolTip = lateTips.at(task.subGoal);
    }
    return items;
}

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

QDate ScheduleCommands::dtpStartDate() const
{
    return m_settings.start.isValid() ? m_settings.start : QDate::currentDate();
}

void ScheduleCommands::setDtpStartDate(const QDate &date)
{
    if (!date.isValid() || date == dtpStartDate())
        return;
    m_settings.start = date;
    m_s.ProjectChanged = true;
}

WorkWeek ScheduleCommands::workWeek() const { return m_settings.workWeek.value_or(kDefaultWorkWeek); }

bool ScheduleCommands::chkWorkDay(int day) const { return day >= 1 && day <= 7 && workWeek()[day - 1]; }

void ScheduleCommands::setChkWorkDay(int day, bool working)
{
    if (day < 1 || day > 7 || chkWorkDay(day) == working)
        return;
    WorkWeek week = workWeek();
    week[day - 1] = working;
    m_settings.workWeek = week;
    m_s.ProjectChanged = true;
}

void ScheduleCommands::mnuSchedule_Click() { m_s.ListView2.Visible = true; }
void ScheduleCommands::schedulePanel_Close() { m_s.ListView2.Visible = false; }

void ScheduleCommands::setSettings(const ProjectSettings &settings) { m_settings = settings; }

void ScheduleCommands::forNewProject()
{
    m_settings = {};
    m_s.ListView2.setListItems({});
}

void ScheduleCommands::cmdPrepareCalendar_Click()
{
    const WorkWeek week = workWeek();
    if (!hasWorkingDay(week)) {
        m_s.modals().MsgBox(Texts::noWorkingDay(), Texts::scheduleTitle(), Msg::Information);
        return;
    }
    const Project project = m_s.project.snapshot();
    Schedule schedule = scheduleProject(project, dtpStartDate(), week);
    const qsizetype leftOut = schedule.leftOut;
    // Each card learns where its plan ends, to show a due date it misses.
    QList<int> cardOf;   // sub-goal index -> card, as the snapshot took them
    for (int n = 1; n <= Rules::kSubGoalCards; ++n) {
        if (!m_s.cards[n].lblGoal_Tag.isEmpty())
            cardOf.append(n);
        m_s.cards[n].plannedEnd = QDate();
    }
    for (const ScheduledTask &task : schedule.tasks) {
        QDate &end = m_s.cards[cardOf.at(task.subGoal)].plannedEnd;
        if (!end.isValid() || task.end > end)
            end = task.end;
    }
    for (int n = 1; n <= Rules::kSubGoalCards; ++n)
        m_s.dashboard.markLate(n);
    m_s.ListView2.setListItems(eventItems(project, std::move(schedule)));

    if (leftOut > 0)
        m_s.modals().MsgBox(Texts::tasksLeftOut(leftOut), Texts::scheduleTitle(), Msg::Information);
}

void ScheduleCommands::cmdExportCsv_Click() { exportCalendar(false); }
void ScheduleCommands::cmdExportIcs_Click() { exportCalendar(true); }

void ScheduleCommands::exportCalendar(bool iCalendar)
{
    const QString suffix = iCalendar ? QStringLiteral("ics") : QStringLiteral("csv");
    std::optional<QString> path = m_s.modals().getSaveFileName(
        iCalendar ? Texts::exportIcsTitle() : Texts::exportCsvTitle(),
        proposedFileName(m_s.txtProjectName) + u'.' + suffix, iCalendar ? Texts::icsFilter() : Texts::csvFilter());
    if (!path)
        return;
    // A name typed without a suffix still opens in a calendar.
    if (QFileInfo(*path).suffix().isEmpty())
        *path += u'.' + suffix;

    const QList<EventItem> &items = m_s.ListView2.ListItems();
    const EventAt eventAt = [&items](qsizetype i) -> const CalendarEvent & { return items.at(i).Event; };
    const QDateTime stamp = QDateTime::currentDateTimeUtc();
    QString error;
    const bool written = PieceWriter::writeFile(*path, [&](const PieceWriter::ByteSink &sink) {
        if (iCalendar)
            calendarIcs(items.size(), eventAt, stamp, sink);
        else
            calendarCsv(items.size(), eventAt, sink);
    }, &error);
    if (!written)
        m_s.modals().MsgBox(Texts::notWritten(QStringLiteral("calendar"), *path, error), Texts::exportFailedTitle(), Msg::Critical);
}
