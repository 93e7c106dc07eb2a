#pragma once
#include <QDate>
#include <QDockWidget>
#include <memory>

class EventList;
class EventListModel;
class ProjectDocument;
class QCheckBox;
class ScheduleCommands;
struct DocumentChange;
namespace Ui { class SchedulePanel; }

// The schedule panel in a dock of the main window: the event list ListView2
// and the timeline timelineView on two tabs, and the button box picGrid. It
// shows the document's settings and plan and hands each user action to the
// schedule's and the list's commands.
class ScheduleDock : public QDockWidget {
    Q_OBJECT
public:
    ScheduleDock(const ProjectDocument &document, ScheduleCommands &schedule, EventList &events,
                 QWidget *parent = nullptr);
    ~ScheduleDock() override;

    void documentChanged(const DocumentChange &change);

signals:
    // A task was clicked on the timeline: its sub-goal, and its line
    // (1-based; 0: the sub-goal's own row).
    void taskClicked(int subGoal, int lineNumber);

private:
    void connectControls();
    void showSettings();
    void showDaysOff();
    void showList();
    void connectTimeline();
    void showTimeline();
    QList<int> selectedRows() const;
    QList<QDate> selectedDaysOff() const;
    QList<QCheckBox *> workDays() const;

    const ProjectDocument &m_document;
    ScheduleCommands &m_schedule;
    EventList &m_events;
    std::unique_ptr<Ui::SchedulePanel> m_ui;
    EventListModel *m_model = nullptr;
};
