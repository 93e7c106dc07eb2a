#pragma once
#include <QList>
#include <QString>
#include <QStringList>

#include "events/CalendarExport.h"

class Modals;

// One row of the calendar event list: its text (column "Subject"), the
// texts of the eight further columns, and a Tag that is not shown.
struct EventItem {
    QString Text;
    // Columns 2 to 9, in column order. A planned task leaves them empty:
    // its event says them (see subItem), so a plan of 80,000 tasks does
    // not hold 640,000 texts that a view shows a screenful of.
    QStringList SubItems;
    QString Tag;
    CalendarEvent Event;    // what the exports write of it
    bool Late = false;      // ends after its sub-goal's due date: shown red
    QString ToolTip;

    // The text of column c + 2: SubItems' own, or the event's dates (as the
    // due dates are written), "True", its sub-goal and "False".
    QString subItem(qsizetype c) const;
};

// The report list ListView2 and the handlers of its buttons that need
// nothing but the list.
class EventList {
public:
    static const QStringList &columnHeaders();   // the nine, in order

    QStringList ColumnHeaders;   // filled by the main window's load
    const QList<EventItem> &ListItems() const { return m_items; }
    void setListItems(QList<EventItem> items);
    // Bumped at every change of the items, so the window redraws only then.
    int itemsRevision() const { return m_revision; }
    QList<int> SelectedIndexes;  // 0-based, in any order; empty = none selected
    bool View_Report = false;
    bool Visible = false;        // the schedule panel is shown

    void cmdConvertToList_Click(Modals &modals);
    void cmdRemoveSelected_Click();
    void cmdPrint_Click(Modals &modals);
    void cmdRemove_Click();

private:
    QList<EventItem> m_items;
    int m_revision = 0;
};

// The lines a print of the list holds: three empty lines, the heading, an
// empty line, then per item its text and, for each further column, a blank
// and that column's text.
QStringList printedLines(const EventList &list);
// Prints the list as plain lines through the print dialog and reports how
// it went; a cancelled dialog prints nothing and says nothing.
void PrintaListview(const EventList &list, Modals &modals);
