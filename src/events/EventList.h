#pragma once
#include <QString>
#include <QStringList>
#include <QList>

class Modals;

// One row of the calendar event list: its text (column "Subject"), the
// texts of the eight further columns, and a Tag that is not shown.
struct EventItem {
    QString Text;
    QStringList SubItems;   // columns 2 to 9, in column order
    QString Tag;
};

// The report list ListView2 and the handlers of the buttons on picGrid.
class EventList {
public:
    static const QStringList &columnHeaders();   // the nine, in order

    QStringList ColumnHeaders;   // filled by the main window's load
    QList<EventItem> ListItems;
    int SelectedIndex = -1;      // 0-based; -1 = none selected
    bool View_Report = false;
    bool Visible = false;        // ListView2 and picGrid stay hidden

    void cmdConvertToList_Click(Modals &modals);
    void cmdRemoveSelected_Click();
    void cmdPrint_Click(Modals &modals);
    void cmdRemove_Click();
};

// The lines a print of the list holds: three empty lines, the heading, an
// empty line, then per item its text and, for each further column, a blank
// and that column's text.
QStringList printedLines(const EventList &list);
// Prints the list as plain lines and reports how it went.
void PrintaListview(const EventList &list, Modals &modals);
