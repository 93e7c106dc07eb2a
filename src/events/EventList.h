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

// The planned tasks as calendar events, less the removed uids: done tasks
// only with includeDone, their subject then starting with "Done: ". Without
// withUids the events' uids are left empty (a CSV names none).
QList<CalendarEvent> calendarEvents(const Project &project, const Schedule &schedule, bool includeDone,
                                    const QSet<QString> &removed = {}, bool withUids = true);

// The calendar event list ListView2: the plan's tasks, one row each, in the
// nine columns a calendar imports, less the rows the user took out. It
// follows the plan as it changes; what was taken out stays out until
// Prepare Calendar brings every row back, or another project is opened.
// Done tasks stay in the list; the exports leave them out unless
// chkIncludeDone is ticked, a choice of this view and not of the project.
class EventList : public QObject {
    Q_OBJECT
public:
    EventList(ProjectDocument &document, Ask &ask, Output &output);

    // The nine, in order, as a calendar imports them: the CSV file keeps
    // these English names in every language (Texts::listColumns() shows them).
    static const QStringList &columnHeaders();
    // The text of column c (0 = "Subject") of a planned task.
    static QString columnText(const Project &project, const ScheduledTask &task, int column);

    // The rows shown, as positions in the document's schedule.
    QList<qsizetype> shownRows() const;
    // The shown rows as calendar events, for the exports: done tasks only
    // with chkIncludeDone, their subject then starting with "Done: ".
    QList<CalendarEvent> events(bool withUids = true) const;

    bool chkIncludeDone() const { return m_includeDone; }
    void setChkIncludeDone(bool include);

    void cmdConvertToList_Click();
    // rows: positions among the shown rows, in any order.
    void cmdRemoveSelected_Click(const QList<int> &rows);
    void cmdRemove_Click();
    // Prints the shown rows as a table under the project's name and today's date.
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
    bool m_includeDone = false;
};

// The lines a print of the list holds, for a fixed-width font: the
// project's name and the day as a title, then a table of the rows with a
// header, each column as wide as its widest text (a long subject or name
// cut with "…"), a done task ticked in the first column.
QStringList printedLines(const Project &project, const Schedule &schedule, const QList<qsizetype> &rows,
                         const QDate &day);
