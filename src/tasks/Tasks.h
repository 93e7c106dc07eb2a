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

// The task list of the selected sub-goal: the task box txtGoalTasks, the
// task files in tmp/ that mirror every sub-goal's tasks, and the card's
// counters and status picture.
class TaskList {
public:
    explicit TaskList(WorkingState &state) : m_s(state) {}

    // ---- the task box
    const QString &txtGoalTasks() const { return m_txtGoalTasks; }
    int txtGoalTasksRevision() const { return m_txtGoalTasksRevision; }
    void setTxtGoalTasks(const QString &text);        // set by the program
    void txtGoalTasks_KeyPress(int keyAscii);
    void txtGoalTasks_KeyUp();
    // Every change of the task text, whatever made it; byKey is false for a
    // mouse paste, drop or undo, which no key release will follow.
    void txtGoalTasks_Change(const QString &text, bool byKey);

    void OpenGoalTaskFile(const QString &key);
    void RefreshGoalTasks();

    // ---- task files
    // Writes a sub-goal's task text; false, with the reason, when it cannot.
    bool writeTaskFile(const QString &key, const QString &text, QString *error = nullptr);
    // Reads it: nothing (and no error) when there is no task file.
    bool readTaskFile(const QString &key, QString &text, QString *error = nullptr) const;
    void removeTaskFile(const QString &key);
    // While a project is laid out, selecting each card takes the text just
    // written to its file instead of reading it back.
    void rememberWritten(const QString &key, const QString &text);
    void forgetWritten() { m_writtenThisLoad.clear(); }

private:
    WorkingState &m_s;
    QString m_txtGoalTasks;
    int m_txtGoalTasksRevision = 0;
    QString m_unwritableTaskFile;   // reported once, until a write succeeds
    QHash<QString, QString> m_writtenThisLoad;   // key -> the text a load wrote
};
