#include "events/EventList.h"

#include "app/Modals.h"
#include "app/Texts.h"

const QStringList &EventList::columnHeaders()
{
    static const QStringList headers = {
        QStringLiteral("Subject"),  QStringLiteral("Start Date"),    QStringLiteral("Start Time"),
        QStringLiteral("End Date"), QStringLiteral("End Time"),      QStringLiteral("All Day Event"),
        QStringLiteral("Description"), QStringLiteral("Location"), QStringLiteral("Private")};
    return headers;
}

void EventList::cmdConvertToList_Click(Modals &modals)
{
    QString text;
    for (const EventItem &item : ListItems)
        text += item.Tag + QStringLiteral("\r\n");
    modals.setClipboardText(text);
}

void EventList::cmdRemoveSelected_Click()
{
    // Ends silently when nothing is selected.
    if (SelectedIndex < 0 || SelectedIndex >= ListItems.size())
        return;
    ListItems.removeAt(SelectedIndex);
    SelectedIndex = -1;
}

void EventList::cmdPrint_Click(Modals &modals)
{
    PrintaListview(*this, modals);
}

void EventList::cmdRemove_Click()
{
    ListItems.clear();
    SelectedIndex = -1;
}

QStringList printedLines(const EventList &list)
{
    QStringList lines = {QString(), QString(), QString(), QStringLiteral("ListView Print Sample Heading"), QString()};
    const qsizetype columns = std::max<qsizetype>(list.ColumnHeaders.size(), 1);
    for (const EventItem &item : list.ListItems) {
        QString line = item.Text;
        for (qsizetype c = 1; c < columns; ++c)
            line += u' ' + item.SubItems.value(c - 1);
        lines.append(line);
    }
    return lines;
}

void PrintaListview(const EventList &list, Modals &modals)
{
    QString error;
    if (!modals.printLines(printedLines(list), &error)) {
        modals.MsgBox(QStringLiteral("Nothing was printed: %1").arg(error), Texts::productName(), Msg::Information);
        return;
    }
    modals.MsgBox(Texts::printFinished(), Texts::productName(), Msg::OkOnly);
}
