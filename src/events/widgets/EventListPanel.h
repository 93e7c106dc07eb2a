#pragma once
#include <QObject>

class QPushButton;
class QTreeWidget;
class QWidget;
class EventList;
class Modals;

// The calendar event list ListView2 and the picture box picGrid with its
// buttons. Both stay hidden; the panel shows the list's items and forwards
// the buttons to its handlers.
class EventListPanel : public QObject {
    Q_OBJECT
public:
    EventListPanel(QWidget *parent, EventList &list, Modals &modals);
    void refresh();

private:
    EventList &m_list;
    Modals &m_modals;
    QTreeWidget *ListView2 = nullptr;
    QWidget *picGrid = nullptr;
    int m_shownItems = -1;
};
