#pragma once
#include <QObject>
#include <QUndoStack>

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

private:
    void documentChanged(const DocumentChange &change);

    ProjectDocument &m_document;
    QUndoStack m_stack;
    bool m_replaying = false;
};
