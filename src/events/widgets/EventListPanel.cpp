#include "events/widgets/EventListPanel.h"

#include <QPushButton>
#include <QTreeWidget>

#include "app/Layout.h"
#include "events/EventList.h"

using Layout::px;

EventListPanel::EventListPanel(QWidget *parent, EventList &list, Modals &modals)
    : QObject(parent), m_list(list), m_modals(modals)
{
    ListView2 = new QTreeWidget(parent);
    ListView2->setObjectName(QStringLiteral("ListView2"));
    ListView2->setGeometry(px(6435), px(5220), px(15675), px(4650));
    ListView2->setRootIsDecorated(false);
    ListView2->setSelectionMode(QAbstractItemView::SingleSelection);
    ListView2->hide();
    connect(ListView2, &QTreeWidget::itemSelectionChanged, this, [this] {
        const QList<QTreeWidgetItem *> selected = ListView2->selectedItems();
        m_list.SelectedIndex = selected.isEmpty() ? -1 : ListView2->indexOfTopLevelItem(selected.first());
    });

    picGrid = new QWidget(parent);
    picGrid->setObjectName(QStringLiteral("picGrid"));
    picGrid->setGeometry(px(6435), px(9900), px(9000), px(600));
    picGrid->hide();
    const auto button = [this](const char *name, const QString &caption, int left, auto handler) {
        auto *b = new QPushButton(caption, picGrid);
        b->setObjectName(QString::fromLatin1(name));
        b->setGeometry(px(left), px(60), px(2100), px(480));
        connect(b, &QPushButton::clicked, this, [this, handler] {
            handler();
            refresh();
        });
    };
    button("cmdConvertToList", QStringLiteral("Convert Items to List"), 0, [this] { m_list.cmdConvertToList_Click(m_modals); });
    button("cmdRemoveSelected", QStringLiteral("Remove Selected"), 2250, [this] { m_list.cmdRemoveSelected_Click(); });
    button("cmdPrint", QStringLiteral("Print"), 4500, [this] { m_list.cmdPrint_Click(m_modals); });
    button("cmdRemove", QStringLiteral("Remove Items"), 6750, [this] { m_list.cmdRemove_Click(); });
    refresh();
}

void EventListPanel::refresh()
{
    if (ListView2->headerItem()->text(0) != m_list.ColumnHeaders.value(0) || ListView2->columnCount() != m_list.ColumnHeaders.size()) {
        ListView2->setColumnCount(int(m_list.ColumnHeaders.size()));
        ListView2->setHeaderLabels(m_list.ColumnHeaders);
    }
    ListView2->setVisible(m_list.Visible);
    picGrid->setVisible(m_list.Visible);
    // Nothing fills the list in normal use; rebuild only when it changed.
    if (m_shownItems == m_list.ListItems.size() && m_list.ListItems.isEmpty())
        return;
    const QSignalBlocker block(ListView2);
    ListView2->clear();
    for (const EventItem &item : m_list.ListItems) {
        auto *row = new QTreeWidgetItem(ListView2, QStringList{item.Text} + item.SubItems);
        row->setData(0, Qt::UserRole, item.Tag);
    }
    if (m_list.SelectedIndex >= 0 && m_list.SelectedIndex < ListView2->topLevelItemCount())
        ListView2->topLevelItem(m_list.SelectedIndex)->setSelected(true);
    m_shownItems = int(m_list.ListItems.size());
}
