#pragma once
#include <QHash>
#include <QObject>
#include <QSet>
#include <QString>
#include <QTimer>
#include <optional>

#include "base/Folders.h"
#include "component/BackgroundWriter.h"

struct DocumentChange;
struct Project;
class Problems;
class ProjectDocument;
class TmpFolder;

// The task files: while a project is open, each sub-goal's task text is
// mirrored in tmp/<key>.txt (lines ending in CR LF), where other programs
// may read and change it. The document is what the user sees; the files
// follow it within kWriteDelayMs of a change, written on a thread of their
// own so typing never waits for the device. A file that cannot be written
// is told as a problem and tried again at the next change; its text is kept.
class TaskFiles : public QObject {
    Q_OBJECT
public:
    TaskFiles(const Folders &folders, TmpFolder &tmp, ProjectDocument &document, Problems &problems);
    ~TaskFiles() override;

    // Writes every task file of a project about to be opened or restored,
    // and waits for them: false, with the first reason, when one could not
    // be written.
    bool writeAll(const Project &project, QString *error);
    // The text of a sub-goal's task file when a program other than Tarvo
    // changed it since Tarvo last wrote it; nothing when it did not. A
    // missing file is written anew. False in *readable, with a message
    // naming the file in *error, when the file is there but cannot be read.
    std::optional<QString> changedOutside(int index, bool *readable, QString *error);
    // Writes a sub-goal's file now, whether or not it changed, and waits.
    bool writeNow(int index);
    // Tries again what could not be written; true when something was tried.
    bool retry();
    // Waits until every queued write is done.
    void flush();

    // What could not be written, in words; "" while everything is written.
    QString problem() const;

    static constexpr int kWriteDelayMs = 100;   // a pause in typing

private:
    struct Stamp {
        qint64 size = -1;
        qint64 modified = 0;   // ns since the epoch
        friend bool operator==(const Stamp &, const Stamp &) = default;
    };
    void documentChanged(const DocumentChange &change);
    void followOutline(bool removeGone);
    void queue(const QString &key, const QString &text);
    void writeQueued();
    // Takes the results of finished writes: stamps of what was written, the
    // reason of what was not.
    void takeResults();
    void setProblem(const QString &problem);
    Stamp stampOf(const QString &key) const;

    // The folder is there to be written in; otherwise its keys wait.
    bool tmpReady(const QSet<QString> &keys);

    Folders m_folders;
    TmpFolder &m_tmp;
    ProjectDocument &m_document;
    Problems &m_problems;
    QSet<QString> m_dirty;           // keys whose text waits to be written
    QSet<QString> m_failed;          // keys whose last write failed
    QSet<QString> m_inFlight;        // keys handed to the writer
    QHash<QString, Stamp> m_written; // the file as Tarvo last left it
    QTimer m_timer;
    BackgroundWriter m_writer;
};
