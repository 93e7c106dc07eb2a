#include "events/widgets/SchedulePanel.h"

#include <QAbstractTableModel>
#include <QCloseEvent>
#include <QColor>
#include <QSignalBlocker>

#include "app/Texts.h"
#include "project/WorkingState.h"
#include "ui_SchedulePanel.h"

// The list's items as the view asks for them: a plan may hold 80,000 rows,
// which a view over the list shows at once where an item per row would not.
// It keeps its own copy of the items (shared, so copying costs nothing),
// since the view may still ask while the window is taken down.
class EventListModel : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;

    void showList(const EventList &list)
    {
        beginResetModel();
        m_items = list.ListItems();
        m_headers = list.ColumnHeaders;
        endResetModel();
    }

    int rowCount(const QModelIndex &parent = {}) const override { return parent.isValid() ? 0 : int(m_items.size()); }
    int columnCount(const QModelIndex &parent = {}) const override
    {
        return parent.isValid() ? 0 : int(EventList::columnHeaders().size());
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
            return {};
        return m_headers.value(section);
    }
    QVariant data(const QModelIndex &index, int role) const override
    {
        if (!index.isValid() || index.row() >= m_items.size())
            return {};
        const EventItem &item = m_items.at(index.row());
        switch (role) {
        case Qt::DisplayRole: return index.column() == 0 ? item.Text : item.subItem(index.column() - 1);
        case Qt::ForegroundRole: return item.Late ? QVariant(QColor(192, 0, 0)) : QVariant();
        case Qt::ToolTipRole: return item.ToolTip.isEmpty() ? QVariant() : QVariant(item.ToolTip);
        default: return {};
        }
    }

private:
    QList<EventItem> m_items;
    QStringList m_headers;
};

ScheduleDock::ScheduleDock(QWidget *parent)
    : QDockWidget(Texts::scheduleTitle(), parent), m_ui(std::make_unique<Ui::SchedulePanel>())
{
    setObjectName(QStringLiteral("frmSchedule"));
    auto *panel = new QWidget(this);
    m_ui->setupUi(panel);
    setWidget(panel);
    setAllowedAreas(Qt::BottomDockWidgetArea | Qt::TopDockWidgetArea);
    m_model = new EventListModel(this);
    m_ui->ListView2->setModel(m_model);
    // Room for the subjects; the empty time and place columns stay narrow.
    const int widths[] = {230, 100, 75, 100, 75, 90, 120, 75, 60};
    for (int c = 0; c < 9; ++c)
        m_ui->ListView2->setColumnWidth(c, widths[c]);
    m_ui->dtpStartDate->setDisplayFormat(DueDates::dueDateFormat());
    // The day names white on the dark box; the tick keeps its dark colour
    // on the white square, which a style-sheet colour would also turn white.
    for (QCheckBox *day : workDays()) {
        QPalette palette = day->palette();
        palette.setColor(QPalette::WindowText, Qt::white);
        day->setPalette(palette);
    }
    connectControls();
    hide();
}

ScheduleDock::~ScheduleDock() = default;

QList<QCheckBox *> ScheduleDock::workDays() const
{
    const Ui::SchedulePanel &ui = *m_ui;
    return {ui.chkWorkDay_1, ui.chkWorkDay_2, ui.chkWorkDay_3, ui.chkWorkDay_4,
            ui.chkWorkDay_5, ui.chkWorkDay_6, ui.chkWorkDay_7};   // Monday first
}

void ScheduleDock::connectControls()
{
    const Ui::SchedulePanel &ui = *m_ui;
    const auto button = [this](QAbstractButton *b, void (*handler)(WorkingState &)) {
        connect(b, &QAbstractButton::clicked, this, [this, handler] { emit forwarded(handler); });
    };
    button(ui.cmdPrepareCalendar, [](WorkingState &s) { s.schedule.cmdPrepareCalendar_Click(); });
    button(ui.cmdExportCsv, [](WorkingState &s) { s.schedule.cmdExportCsv_Click(); });
    button(ui.cmdExportIcs, [](WorkingState &s) { s.schedule.cmdExportIcs_Click(); });
    button(ui.cmdConvertToList, [](WorkingState &s) { s.ListView2.cmdConvertToList_Click(s.modals()); });
    button(ui.cmdRemoveSelected, [](WorkingState &s) { s.ListView2.cmdRemoveSelected_Click(); });
    button(ui.cmdRemove, [](WorkingState &s) { s.ListView2.cmdRemove_Click(); });
    button(ui.cmdPrint, [](WorkingState &s) { s.ListView2.cmdPrint_Click(s.modals()); });

    connect(ui.dtpStartDate, &QDateEdit::dateChanged, this,
            [this](const QDate &date) { emit forwarded([date](WorkingState &s) { s.schedule.setDtpStartDate(date); }); });
    const QList<QCheckBox *> days = workDays();
    for (int day = 1; day <= 7; ++day) {
        connect(days[day - 1], &QCheckBox::clicked, this, [this, day](bool checked) {
            emit forwarded([day, checked](WorkingState &s) { s.schedule.setChkWorkDay(day, checked); });
        });
    }
    connect(ui.ListView2->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        QList<int> rows;
        for (const QModelIndex &index : m_ui->ListView2->selectionModel()->selectedRows())
            rows.append(index.row());
        emit forwarded([rows](WorkingState &s) { s.ListView2.SelectedIndexes = rows; });
    });
}

void ScheduleDock::showState(const WorkingState &s)
{
    const Ui::SchedulePanel &ui = *m_ui;
    if (ui.dtpStartDate->date() != s.schedule.dtpStartDate()) {
        const QSignalBlocker block(ui.dtpStartDate);
        ui.dtpStartDate->setDate(s.schedule.dtpStartDate());
    }
    const QList<QCheckBox *> days = workDays();
    for (int day = 1; day <= 7; ++day) {
        if (days[day - 1]->isChecked() != s.schedule.chkWorkDay(day))
            days[day - 1]->setChecked(s.schedule.chkWorkDay(day));
    }
    if (m_shownRevision != s.ListView2.itemsRevision()) {
        m_shownRevision = s.ListView2.itemsRevision();
        const QSignalBlocker block(ui.ListView2->selectionModel());
        m_model->showList(s.ListView2);
    }
    if (isHidden() == s.ListView2.Visible)
        setVisible(s.ListView2.Visible);
}

void ScheduleDock::closeEvent(QCloseEvent *event)
{
    QDockWidget::closeEvent(event);
    emit forwarded([](WorkingState &s) { s.schedule.schedulePanel_Close(); });
}
