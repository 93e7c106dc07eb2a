#pragma once
#include <QHash>
#include <QString>
#include <QStringView>

class WorkingState;

struct TaskCounts {
    qsizetype total = 0;
    qsizetype completed = 0;
};

// Counts the task lines of a task text (lines split at CR LF) and those
// carrying the done mark "--". Walks the text once without copying a line:
// this runs at every key release, and a list may hold 100,000 tasks.
TaskCounts countTasks(QStringView text);
// "Each Task Must Have at least 2 chararcters", blanks not counted.
bool isTaskLine(QStringView line);

// The task lists: the task box txtGoalTasks of the selected sub-goal, the
// task text of every sub-goal as the user last saw it, the task files in
// tmp/ that mirror those texts, and the card's counters and status picture.
class TaskList {
public:
    explicit TaskList(WorkingState &state) : m_s(state) {}

    // ---- the task box
    const QString &txtGoalTasks() const { return m_txtGoalTasks; }
    int txtGoalTasksRevision() const { return m_txtGoalTasksRevision; }
    void setTxtGoalTasks(const QString &text);        // set by the program
    void txtGoalTasks_KeyPress(int keyAscii);
    void txtGoalTasks_KeyUp();
    // Every change of the task text, whatever made it: keys, mouse, drops,
    // undo. It reaches the sub-goal's text, its task file and the counters.
    void txtGoalTasks_Change(const QString &text);

    void OpenGoalTaskFile(const QString &key);
    void RefreshGoalTasks();
    // The card's counters and status picture for counts.
    void showCounts(int index, const TaskCounts &counts);

    // ---- every sub-goal's task text, by key
    // What the user last saw, whether or not its file could be written.
    QString taskText(const QString &key) const { return m_texts.value(key).text; }
    // Takes a sub-goal's text and writes its task file; false, with the
    // reason, when the file could not be written (the text is kept).
    bool setTaskText(const QString &key, const QString &text, QString *error = nullptr);
    // A deleted sub-goal: its text and its task file go.
    void removeTaskText(const QString &key);
    void clearTaskTexts() { m_texts.clear(); }

private:
    // The file mirrors the text; onDisk is false while the last write failed.
    struct Mirror {
        QString text;
        bool onDisk = false;
    };
    bool writeMirror(const QString &key, Mirror &mirror, QString *error);
    // Says once per task file that it cannot be written, until it can.
    void reportUnwritable(const QString &key, const QString &error);

    WorkingState &m_s;
    QString m_txtGoalTasks;
    int m_txtGoalTasksRevision = 0;
    QString m_unwritableTaskFile;
    QHash<QString, Mirror> m_texts;
};
