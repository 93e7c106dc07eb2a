#pragma once
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>

#include "base/Folders.h"
#include "component/BackgroundWriter.h"

class Ask;
class KestrelTools;
class Problems;
class ProjectDocument;
class TaskFiles;
class TmpFolder;

// Crash recovery. While the open project has changes that are not saved, a
// copy of the whole project (every task list, and the file it belongs to)
// is kept in tmp/, brought up to date within two seconds of a change and
// flushed to the device as a save is. A save, New or Open, and a clean
// exit take it away; what is left at start-up came from a run that did not
// end cleanly, and the user is asked whether to bring it back.
//
// The copy is written on a thread of its own, so typing never waits for
// the device. A copy that cannot be written is told as a problem.
class Recovery : public QObject {
    Q_OBJECT
public:
    Recovery(const Folders &folders, TmpFolder &tmp, ProjectDocument &document, Problems &problems);

    static QString snapshotPath(const QString &appFolder);   // tmp/.recovery.gpj
    // At start-up, before tmp/ is emptied: a copy left by an earlier run is
    // put aside for offerRestore, beside any put aside before and never
    // answered; none is ever put in another's place. Only the Tarvo holding
    // the lock may call it.
    static void keepAside(const QString &appFolder);
    // The copies put aside, the newest first.
    static QStringList keptCopies(const QString &appFolder);
    // Where the base of the open project's file (BaseCopy) is put aside
    // beside a copy put aside, so that the work comes back with the base
    // it was made from.
    static QString basePartner(const QString &kept);

    // Once the main window shows: asks "Restore them?" about each copy put
    // aside, the newest first, until one is brought back. Yes (and a box
    // closed without an answer, which drops nothing) makes it the open
    // project; No throws it away. A copy that cannot be read, or not be
    // brought back, is kept and said so. Returns the copy brought back,
    // whose base partner is still there, or "".
    QString offerRestore(Ask &ask, TaskFiles &taskFiles, const KestrelTools &tools);

    // Queues a new copy when the project changed since the last one; with
    // no unsaved changes, takes the copy away. Runs every second on its
    // own; tests call it directly.
    void update();
    // Brings the copy up to date now and waits until it is on the device
    // (the program is being ended: logout, shutdown).
    void writeNow();
    // The changes are saved or dropped on purpose: no copy is kept.
    void discard();
    // Waits until every queued write or removal is done.
    void waitUntilIdle() { m_writer.waitUntilIdle(); }

    static constexpr int kIntervalMs = 1000;

private:
    // True when the copy was brought back, false when the user said No;
    // nothing when the question was not answered or it could not be.
    std::optional<bool> offer(const QString &kept, Ask &ask, TaskFiles &taskFiles, const KestrelTools &tools);
    void takeWriteResult();

    Folders m_folders;
    TmpFolder &m_tmp;
    ProjectDocument &m_document;
    Problems &m_problems;
    QString m_path;
    QTimer m_timer;
    bool m_kept = false;          // a copy is on disk, or on its way
    quint64 m_keptRevision = 0;   // the document's revision it holds
    QString m_keptFile;
    BackgroundWriter m_writer;
};
