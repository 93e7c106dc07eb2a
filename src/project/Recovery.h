#pragma once
#include <QString>
#include <QTimer>
#include <optional>

#include "component/BackgroundWriter.h"
#include "project/Project.h"

class WorkingState;

// Crash recovery. While the open project has changes that are not saved, a
// snapshot of the whole project (every task list, and the file it belongs
// to) is kept in tmp/, brought up to date within two seconds of a change
// and flushed to the device as a save is. A save, New or Open, and a clean
// exit take it away; what is left at start-up came from a run that did not
// end cleanly, and the user is asked whether to bring it back.
//
// The snapshot is written on a thread of its own, so typing never waits
// for the device.
class Recovery {
public:
    explicit Recovery(WorkingState &state);

    static QString snapshotPath(const QString &appFolder);   // tmp/.recovery.gpj
    static QString keptPath(const QString &appFolder);       // tmp/.recovery-kept.gpj
    // At start-up, before tmp/ is emptied: a snapshot left by an earlier
    // run is put aside for offerRestore. Only the Tarvo holding the lock
    // may call it.
    static void keepAside(const QString &appFolder);

    // Once the main window shows: asks "Restore them?" about a snapshot put
    // aside. Yes (and a box closed without an answer, which drops nothing)
    // lays it out as the open project; No throws it away.
    void offerRestore();

    // Compares the open project with the last snapshot and queues a new one
    // when it differs; with no unsaved changes, takes the snapshot away.
    // Runs every second on its own; tests call it directly.
    void update();
    // Brings the snapshot up to date now and waits until it is on the
    // device (the program is being ended: logout, shutdown).
    void writeNow();
    // The changes are saved or dropped on purpose: no snapshot is kept.
    void discard();
    // Waits until every queued write or removal is done.
    void waitUntilIdle() { m_writer.waitUntilIdle(); }

    static constexpr int kIntervalMs = 1000;

private:
    WorkingState &m_s;
    QString m_path;
    QTimer m_timer;
    std::optional<Project> m_last;   // what the snapshot on disk holds
    QString m_lastFile;
    BackgroundWriter m_writer;
};
