#include "events/widgets/SchedulePanel.h"

#include <QAbstractTableModel>
#include <QColor>
#include <QListWidget>
#include <QSignalBlocker>

#include "events/EventList.h"
#include "events/widgets/TimelineView.h"
#include "events/ScheduleCommands.h"
#include "project/ProjectDocument.h"
#include "base/Texts.h"
#include "base/widgets/WidgetKit.h"
#include "project/DueDate.h"
#include "ui_SchedulePanel.h"

// The plan's rows as the view asks for them: a plan may hold 80,000 rows,
// which a view over the plan shows at once where an item per row would
// not. It keeps its own copy of the plan (shared, so copying costs
// nothing), since the view may still ask while the window is taken down.
class EventListModel : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;

    void show(const Project &project, const Schedule &schedule, QList<qsizetype> rows)
    {
        beginResetModel();
        m_project = project;
        m_schedule = schedule;
        m_rows = std::move(rows);
        endResetModel();
    }

    int rowCount(const QModelIndex &parent = {}) const override { return parent.isValid() ? 0 : int(m_rows.size()); }
    int columnCount(const QModelIndex &parent = {}) const override
    {
        return parent.isValid() ? 0 : int(EventList::columnHeaders().size());
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
            return {};
        return Texts::listColumns().value(section);
    }
    QVariant data(const QModelIndex &index, int role) const override
    {
        if (!index.isValid() || index.row() >= m_rows.size())
            return {};
        const ScheduledTask &task = m_schedule.at(m_rows.at(index.row()));
        switch (role) {
        case Qt::DisplayRole: {
            const QString text = EventList::columnText(m_project, task, index.column());
            // Done: ticked, and grey below.
            return task.done && index.column() == 0 ? Texts::doneTick() + u' ' + text : text;
        }
        case Qt::ForegroundRole:
            if (task.done)
                return Kit::doneGrey;
            return task.late ? QVariant(Kit::lateRed) : QVariant();
        case Qt::ToolTipRole: return toolTip(task);
        default: return {};
        }
    }

private:
    // Why a row is red, and a "+" mark that was not understood.
    QVariant toolTip(const ScheduledTask &task) const
    {
        QStringList tips;
        if (task.late)
            tips << Texts::endsAfterDueDate(m_project.subGoals.value(task.subGoal).due);
        if (task.unclear)
            tips << Texts::notUnderstood(readTaskLine(task.line).notUnderstood);
        return tips.isEmpty() ? QVariant() : QVariant(tips.join(u'\n'));
    }

    Project m_project;
    Schedule m_schedule;
    QList<qsizetype> m_rows;
};

ScheduleDock::ScheduleDock(const ProjectDocument &document, ScheduleCommands &schedule, EventList &events,
                           QWidget *parent)
    : QDockWidget(Texts::scheduleTitle(), parent), m_document(document), m_schedule(schedule), m_events(events),
      m_ui(std::make_unique<Ui::SchedulePanel>())
{
    setObjectName(QStringLiteral("frmSchedule"));
    auto *panel = new QWidget(this);
    m_ui->setupUi(panel);
    setWidget(panel);
    setAllowedAreas(Qt::BottomDockWidgetArea | Qt::TopDockWidgetArea);
    m_model = new EventListModel(this);
    m_ui->ListView2->setModel(m_model);
    m_ui->ListView2->setAccessibleName(Texts::eventListName());
    // Room for the subjects; the empty time and place columns stay narrow.
    const int widths[] = {230, 100, 75, 100, 75, 90, 120, 75, 60};
    for (int c = 0; c < 9; ++c)
        m_ui->ListView2->setColumnWidth(c, widths[c]);
    m_ui->dtpStartDate->setDisplayFormat(DueDate::format());
    m_ui->dtpDayOff->setDisplayFormat(DueDate::format());
    m_ui->dtpDayOff->setDate(QDate::currentDate());
    m_ui->lblDaysOff->setText(Texts::daysOffLabel());
    m_ui->cmdAddDayOff->setText(Texts::addDayOff());
    m_ui->cmdRemoveDayOff->setText(Texts::removeDayOff());
    m_ui->chkIncludeDone->setText(Texts::includeDoneTasks());
    // The day names white on the dark box; the tick keeps its dark colour
    // on the white square, which a style-sheet colour would also turn white.
    const QList<QCheckBox *> boxes = workDays() << m_ui->chkIncludeDone;
    for (QCheckBox *day : boxes) {
        QPalette palette = day->palette();
        palette.setColor(QPalette::WindowText, Qt::white);
        day->setPalette(palette);
    }
    connectControls();
    connectTimeline();
    showSettings();
    showList();
    showTimeline();
    connect(&events, &EventList::rowsChanged, this, &ScheduleDock::showList);
    hide();
}

ScheduleDock::~ScheduleDock() = default;

QList<QCheckBox *> ScheduleDock::workDays() const
{
    const Ui::SchedulePanel &ui = *m_ui;
    return {ui.chkWorkDay_1, ui.chkWorkDay_2, ui.chkWorkDay_3, ui.chkWorkDay_4,
            ui.chkWorkDay_5, ui.chkWorkDay_6, ui.chkWorkDay_7};   // Monday first
}

QList<int> ScheduleDock::selectedRows() const
{
    QList<int> rows;
    for (const QModelIndex &index : m_ui->ListView2->selectionModel()->selectedRows())
        rows.append(index.row());
    return rows;
}

void ScheduleDock::connectControls()
{
    const Ui::SchedulePanel &ui = *m_ui;
    ScheduleCommands &schedule = m_schedule;
    EventList &events = m_events;
    connect(ui.cmdPrepareCalendar, &QPushButton::clicked, this, [&schedule] { schedule.cmdPrepareCalendar_Click(); });
    connect(ui.cmdExportCsv, &QPushButton::clicked, this, [&schedule] { schedule.cmdExportCsv_Click(); });
    connect(ui.cmdExportIcs, &QPushButton::clicked, this, [&schedule] { schedule.cmdExportIcs_Click(); });
    connect(ui.cmdConvertToList, &QPushButton::clicked, this, [&events] { events.cmdConvertToList_Click(); });
    connect(ui.cmdRemoveSelected, &QPushButton::clicked, this,
            [this, &events] { events.cmdRemoveSelected_Click(selectedRows()); });
    connect(ui.cmdRemove, &QPushButton::clicked, this, [&events] { events.cmdRemove_Click(); });
    connect(ui.cmdPrint, &QPushButton::clicked, this, [&events] { events.cmdPrint_Click(); });
    connect(ui.dtpStartDate, &QDateEdit::dateChanged, this,
            [&schedule](const QDate &date) { schedule.setDtpStartDate(date); });
    const QList<QCheckBox *> days = workDays();
    for (int day = 1; day <= 7; ++day) {
        connect(days[day - 1], &QCheckBox::clicked, this,
                [&schedule, day](bool checked) { schedule.setChkWorkDay(day, checked); });
    }
    connect(ui.cmdAddDayOff, &QPushButton::clicked, this,
            [this, &schedule] { schedule.cmdAddDayOff_Click(m_ui->dtpDayOff->date()); });
    connect(ui.cmdRemoveDayOff, &QPushButton::clicked, this,
            [this, &schedule] { schedule.cmdRemoveDayOff_Click(selectedDaysOff()); });
    connect(ui.chkIncludeDone, &QCheckBox::clicked, this, [this, &events](bool checked) {
        events.setChkIncludeDone(checked);
        m_ui->chkIncludeDone->setChecked(events.chkIncludeDone());
    });
}

QList<QDate> ScheduleDock::selectedDaysOff() const
{
    QList<QDate> days;
    for (const QListWidgetItem *item : m_ui->lstDaysOff->selectedItems())
        days.append(item->data(Qt::UserRole).toDate());
    return days;
}

void ScheduleDock::connectTimeline()
{
    const Ui::SchedulePanel &ui = *m_ui;
    ui.tabSchedule->setTabText(ui.tabSchedule->indexOf(ui.tabList), Texts::listTab());
    ui.tabSchedule->setTabText(ui.tabSchedule->indexOf(ui.tabTimeline), Texts::timelineTab());
    ui.cmdTimelineDays->setText(Texts::timelineDays());
    ui.cmdTimelineWeeks->setText(Texts::timelineWeeks());
    for (QToolButton *button : {ui.cmdTimelineDays, ui.cmdTimelineWeeks})
        button->setToolTip(Texts::timelineScaleTip());
    TimelineView *view = ui.timelineView;
    ui.cmdTimelineDays->setChecked(view->scale() == TimelineScale::Days);
    ui.cmdTimelineWeeks->setChecked(view->scale() == TimelineScale::Weeks);
    connect(ui.cmdTimelineDays, &QToolButton::clicked, view, [view] { view->setScale(TimelineScale::Days); });
    connect(ui.cmdTimelineWeeks, &QToolButton::clicked, view, [view] { view->setScale(TimelineScale::Weeks); });
    // Ctrl+wheel switches too: the buttons say which scale is shown.
    connect(view, &TimelineView::scaleChanged, this, [this](TimelineScale scale) {
        m_ui->cmdTimelineDays->setChecked(scale == TimelineScale::Days);
        m_ui->cmdTimelineWeeks->setChecked(scale == TimelineScale::Weeks);
    });
    connect(view, &TimelineView::taskClicked, this, &ScheduleDock::taskClicked);
}

void ScheduleDock::documentChanged(const DocumentChange &change)
{
    if (change.has(DocumentChange::Settings))
        showSettings();
    // The rows follow the plan, which follows the tasks a moment after typing.
    const unsigned planned = DocumentChange::Plan | DocumentChange::Outline | DocumentChange::Settings;
    if (change.parts & planned) {
        showList();
        showTimeline();
    } else if (change.has(DocumentChange::Selection)) {
        m_ui->timelineView->showSelection(m_document.selectedSubGoal());
    }
}

void ScheduleDock::showTimeline()
{
    m_ui->timelineView->showPlan(m_document.project(), m_document.schedule(), QDate::currentDate(),
                                 m_document.selectedSubGoal());
}

void ScheduleDock::showSettings()
{
    const Ui::SchedulePanel &ui = *m_ui;
    const ScheduleCommands &schedule = m_schedule;
    if (ui.dtpStartDate->date() != schedule.dtpStartDate()) {
        const QSignalBlocker block(ui.dtpStartDate);
        ui.dtpStartDate->setDate(schedule.dtpStartDate());
    }
    const QList<QCheckBox *> days = workDays();
    for (int day = 1; day <= 7; ++day) {
        if (days[day - 1]->isChecked() != schedule.chkWorkDay(day))
            days[day - 1]->setChecked(schedule.chkWorkDay(day));
    }
    showDaysOff();
}

void ScheduleDock::showDaysOff()
{
    QListWidget *list = m_ui->lstDaysOff;
    const QList<QDate> &daysOff = m_schedule.lstDaysOff();
    QList<QDate> shown;
    for (int i = 0; i < list->count(); ++i)
        shown.append(list->item(i)->data(Qt::UserRole).toDate());
    if (shown == daysOff)
        return;
    list->clear();
    for (const QDate &day : daysOff) {
        // The weekday too: a day off on a day not worked anyway changes nothing.
        auto *item = new QListWidgetItem(QLocale().toString(day, QStringLiteral("ddd ")) + DueDate::text(day), list);
        item->setData(Qt::UserRole, day);
    }
}

void ScheduleDock::showList()
{
    const QSignalBlocker block(m_ui->ListView2->selectionModel());
    m_model->show(m_document.project(), m_document.schedule(), m_events.shownRows());
}
