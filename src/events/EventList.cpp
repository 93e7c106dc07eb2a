#include "events/EventList.h"

#include <algorithm>

#include "app/Modals.h"
#include "app/Texts.h"
#include "tasks/DueDates.h"

const QStringList &EventList::columnHeaders()
{
    static const QStringList headers = {
        QStringLiteral("Subject"),  QStringLiteral("Start Date"),    QStringLiteral("Start Time"),
        QStringLiteral("End Date"), QStringLiteral("End Time"),      QStringLiteral("All Day Event"),
        QStringLiteral("Description"), QStringLiteral("Location"), QStringLiteral("Private")};
    return headers;
}

QString EventItem::subItem(qsizetype c) const
{
    if (!SubItems.isEmpty() || !Event.first.isValid())
        return SubItems.value(c);
    switch (c) {
    case 0: return DueDates::dueDateText(Event.first);
    case 2: return DueDates::dueDateText(Event.last);
    case 4: return QStringLiteral("True");
    case 5: return Event.description;
    case 6: return QString();
    case 7: return QStringLiteral("False");
    default: return QString();
    }
}

void EventList::setListItems(QList<EventItem> items)
{
    m_items = std::move(items);
    SelectedIndexes.clear();
    ++m_revision;
}

void EventList::cmdConvertToList_Click(Modals &modals)
{
    QString text;
    for (const EventItem &item : m_items)
        text += item.Tag + QStringLiteral("\r\n");
    modals.setClipboardText(text);
    modals.MsgBox(Texts::taskLinesCopied(m_items.size()), Texts::productName(), Msg::Information);
}

void EventList::cmdRemoveSelected_Click()
{
    if (SelectedIndexes.isEmpty())
        return;
    // From the last row up, so that the rows still to go keep their places.
    QList<int> rows = SelectedIndexes;
    std::sort(rows.begin(), rows.end(), std::greater<>());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    for (int row : rows) {
        if (row >= 0 && row < m_items.size())
            m_items.removeAt(row);
    }
    SelectedIndexes.clear();
    ++m_revision;
}

void EventList::cmdPrint_Click(Modals &modals)
{
    PrintaListview(*this, modals);
}

void EventList::cmdRemove_Click()
{
    setListItems({});
}

QStringList printedLines(const EventList &list)
{
    QStringList lines = {QString(), QString(), QString(), QStringLiteral("ListView Print Sample Heading"), QString()};
    const qsizetype columns = std::max<qsizetype>(list.ColumnHeaders.size(), 1);
    for (const EventItem &item : list.ListItems()) {
        QString line = item.Text;
        for (qsizetype c = 1; c < columns; ++c)
            line += u' ' + item.subItem(c - 1);
        lines.append(line);
    }
    return lines;
}

void PrintaListview(const EventList &list, Modals &modals)
{
    QString error;
    switch (modals.printLines(printedLines(list), &error)) {
    case PrintOutcome::Cancelled:
        return;
    case PrintOutcome::Failed:
        modals.MsgBox(Texts::nothingPrinted(error), Texts::productName(), Msg::Information);
        return;
    case PrintOutcome::Printed:
        modals.MsgBox(Texts::printFinished(), Texts::productName(), Msg::OkOnly);
        return;
    }
}
