#pragma once
#include <QHash>
#include <QString>
#include <QStringView>
#include <QTimer>

#include "component/BackgroundWriter.h"

class WorkingState;

struct TaskCounts {
    qsizetype total = 0;
    qsizetype completed = 0;
};

// Counts the task lines of a task text (lines split at CR LF) and those
// carrying the done mark "--". Walks the text once without copying a line:
// a list may hold 100,000 tasks.
TaskCounts countTasks(QStringView text);
// The same walk, telling also how many CR LF breaks the text has and
// whether it has no other break (a lone CR or LF).
struct TaskTextFacts {
    TaskCounts counts;
    qsizetype breaks = 0;
    bool onlyCrLf = true;
};
TaskTextFacts scanTaskText(QStringView text);
// "Each Task Must Have at least 2 chararcters", blanks not counted.
bool isTaskLine(QStringView line);

// The task lists: the task box txtGoalTasks of the selected sub-goal, the
// task text of every sub-goal as the user last saw it, the task files in
// tmp/ that mirror those texts, and the card's counters and status picture.
class TaskList {
public:
    explicit TaskList(WorkingState &state);
    ~TaskList();

    // ---- the task box
    const QString &txtGoalTasks() const { return m_txtGoalTasks; }
    int txtGoalTasksRevision() const { return m_txtGoalTasksRevision; }
    void setTxtGoalTasks(const QString &text);        // set by the program; the box shows it
    void txtGoalTasks_KeyPress(int keyAscii);
    // True when it did something: a failed write tried again.
    bool txtGoalTasks_KeyUp();
    // Every change of the task text, whatever made it: keys, mouse, drops,
    // undo. It reaches the sub-goal's text, its task file and the counters.
    void txtGoalTasks_Change(const QString &text);
    // The same change told as an edit, which costs what the edit costs, not
    // what the list costs: at boxPosition on line (counted from 0; in the
    // box a line break is one character, here two), boxRemoved characters
    // replaced by inserted (line breaks as CR LF), leaving boxLength
    // characters. The counters follow at once and the file within a moment.
    // False when the edit does not fit the text: then the whole text is
    // to be given to txtGoalTasks_Change.
    bool txtGoalTasks_Edit(qsizetype boxPosition, qsizetype line, qsizetype boxRemoved, const QString &inserted,
                           qsizetype boxLength);

    void OpenGoalTaskFile(const QString &key);
    void RefreshGoalTasks();
    // The card's counters and status picture for counts.
    void showCounts(int index, const TaskCounts &counts);

    // ---- every sub-goal's task text, by key
    // What the user last saw, whether or not its file could be written.
    QString taskText(const QString &key) const;
    // Takes a sub-goal's text and starts writing its task file, as a load or
    // an undo lays out every sub-goal; finishTaskTexts waits for the files:
    // false, with the first reason, when one could not be written (its text
    // is kept all the same).
    bool startTaskText(const QString &key, const QString &text, QString *error);
    bool finishTaskTexts(QString *error);
    // A deleted sub-goal: its text and its task file go.
    void removeTaskText(const QString &key);
    void clearTaskTexts();
    // Waits until the box's text is in its file (or known not to be).
    void flushWrites();

    static constexpr int kWriteDelayMs = 100;   // a pause in typing

private:
    // The file mirrors the text; onDisk is false while the last write failed.
    struct Mirror {
        QString text;
        bool onDisk = false;
    };
    bool writeMirror(const QString &key, Mirror &mirror, QString *error);
    void parkBox();             // the box's text back among the others
    void writeBoxLater();
    void takeWriteResult();
    // Says once per task file that it cannot be written, until it can.
    void reportUnwritable(const QString &key, const QString &error);
    // After a write of key's task file: a failure is said (once), a success
    // lets the next failure be said again.
    void reportWrite(const QString &key, bool written, const QString &error);
    // Hands the box's changed text to the writer.
    void queueBoxWrite();
    // Counts, breaks and the kind of breaks of the box's text, in one walk.
    void takeFacts();

    WorkingState &m_s;
    QString m_txtGoalTasks;
    int m_txtGoalTasksRevision = 0;
    // The sub-goal whose text the box holds, and that text's state.
    QString m_boxKey;
    bool m_boxOnDisk = false;
    bool m_boxDirty = false;    // changed since it was last handed to the writer
    bool m_boxNormal = true;    // every line break is CR LF, as the box gives them
    TaskCounts m_boxCounts;
    qsizetype m_boxBreaks = 0;  // line breaks in the box's text
    QHash<QString, Mirror> m_texts;   // the other sub-goals
    QString m_unwritableTaskFile;
    QStringList m_startedKeys;   // texts whose files are being written
    QByteArray m_pictures[2];   // the status pictures last read: blue, green
    QTimer m_writeTimer;
    BackgroundWriter m_writer;        // the box's text
    BackgroundWriter m_startedWriter; // the texts a layout started, apart from the box's
};
