#pragma once
#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTimer>

#include "project/DiskWatch.h"

class BaseCopy;
class ProjectCommands;
class ProjectDocument;
struct DocumentChange;

// The open project's file as other devices change it through a synced
// folder. The file is watched and compared with the base, byte for byte:
//  - nothing unsaved: a change is taken in at once, one step of the undo
//    history, and the note says "Updated from disk";
//  - unsaved changes: nothing is asked; the note says the file changed,
//    and the next Save merges;
//  - a sync tool's copy appearing beside it is offered, once the user
//    pauses in typing.
// Tarvo's own saves leave the file equal to the base, so they are not
// taken for another device's.
class DiskSync : public QObject {
    Q_OBJECT
public:
    DiskSync(ProjectDocument &document, ProjectCommands &commands, BaseCopy &base);

    // The status line's note about the file on disk; "" for none.
    const QString &note() const { return m_note; }
    // Compares the file with the base and looks for copies now; the
    // watcher does this on its own.
    void check();

    static constexpr int kQuietMs = 2000;   // no question sooner after a keystroke

signals:
    void noteChanged(const QString &note);

private:
    void documentChanged(const DocumentChange &change);
    void compare();
    void offerCopies();
    void setNote(const QString &note);

    ProjectDocument &m_document;
    ProjectCommands &m_commands;
    BaseCopy &m_base;
    DiskWatch m_watch;
    QString m_note;
    QElapsedTimer m_sinceEdit;
    QTimer m_offerLater;
    bool m_busy = false;      // taking in or asking
    bool m_pending = false;   // an event came meanwhile
};
