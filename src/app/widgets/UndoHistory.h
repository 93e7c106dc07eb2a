#pragma once
#include <QObject>
#include <QUndoStack>
#include <functional>

class ProjectDocument;
struct DocumentChange;

// The Edit menu's undo history: each change of the document's outline, name
// or settings is a step, a pair of project values. The task box undoes its
// own typing. Steps are forgotten when a new project begins.
class UndoHistory : public QObject {
    Q_OBJECT
public:
    UndoHistory(ProjectDocument &document, QObject *parent = nullptr);

    QUndoStack &stack() { return m_stack; }
    // A move of the due-date calendar: moves on one card that follow each
    // other, nothing else between them, are one step.
    void asCalendarMove(const std::function<void()> &change);

private:
    void documentChanged(const DocumentChange &change);

    ProjectDocument &m_document;
    QUndoStack m_stack;
    bool m_replaying = false;
    bool m_calendarMove = false;
    int m_run = 0;   // counts the runs of calendar moves; anything else starts a new one
};
