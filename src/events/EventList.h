#pragma once
#include <QList>
#include <QObject>
#include <QSet>
#include <QString>
#include <QStringList>

#include "events/CalendarExport.h"
#include "project/Schedule.h"

class Ask;
class Output;
class ProjectDocument;
struct DocumentChange;

// Who an event is, from one export to the next: the sub-goal's key and the
// task's subject, and a count for a subject the sub-goal holds more than
// once. Inserting or deleting a line leaves the others' alone.
QStringList eventUids(const QString &key, const QList<ScheduledTask> &tasks);

// The calendar event list ListView2: the plan's tasks, one row each, in the
// nine columns a calendar imports, less the rows the user took out. It
// follows the plan as it changes; what was taken out stays out until
// Prepare Calendar brings every row back, or another project is opened.
class EventList : public QObject {
    Q_OBJECT
public:
    EventList(ProjectDocument &document, Ask &ask, Output &output);

    static const QStringList &columnHeaders();   // the nine, in order
    // The text of column c (0 = "Subject") of a planned task.
    static QString columnText(const Project &project, const ScheduledTask &task, int column);

    // The rows shown, as positions in the document's schedule.
    QList<qsizetype> shownRows() const;
    // The shown rows as calendar events, for the exports.
    QList<CalendarEvent> events() const;

    void cmdConvertToList_Click();
    // rows: positions among the shown rows, in any order.
    void cmdRemoveSelected_Click(const QList<int> &rows);
    void cmdRemove_Click();
    void cmdPrint_Click();
    void bringAllBack();

signals:
    // Rows were taken out or brought back.
    void rowsChanged();

private:
    // Each shown row's task and its uid, walking the plan once.
    template <typename F> void forEachShown(F &&f) const;

    ProjectDocument &m_document;
    Ask &m_ask;
    Output &m_output;
    QSet<QString> m_removed;   // uids
};

// The lines a print of the list holds: three empty lines, the heading, an
// empty line, then per row its text and, for each further column, a blank
// and that column's text.
QStringList printedLines(const Project &project, const Schedule &schedule, const QList<qsizetype> &rows);
