// Task lists: the task box, its task file and the card's counters.
#include "project/WorkingState.h"

#include <QFile>

#include "app/Modals.h"

namespace {

struct TaskCounts {
    qsizetype total = 0;
    qsizetype completed = 0;
};

// Counts the task lines of a task text (lines split at CR LF) and those
// carrying the done mark, without copying a line: this runs at every key
// release, and a list may hold a hundred thousand tasks. The searches for
// CR and "-" are the vectorised ones of QStringView.
TaskCounts countTasks(QStringView text)
{
    TaskCounts counts;
    qsizetype start = 0;
    const qsizetype n = text.size();
    while (start < n) {
        qsizetype end = start;
        for (;;) {
            end = text.indexOf(u'\r', end);
            if (end < 0 || (end + 1 < n && text[end + 1] == u'\n'))
                break;
            ++end;
        }
        if (end < 0)
            end = n;
        const QStringView line = text.sliced(start, end - start);
        if (WorkingState::isTaskLine(line)) {
            ++counts.total;
            for (qsizetype dash = line.indexOf(u'-'); dash >= 0 && dash + 1 < line.size();
                 dash = line.indexOf(u'-', dash + 1)) {
                if (line[dash + 1] == u'-') {
                    ++counts.completed;
                    break;
                }
            }
        }
        start = end + 2;
    }
    return counts;
}

} // namespace

bool WorkingState::isTaskLine(QStringView line)
{
    // "Each Task Must Have at least 2 chararcters", blanks not counted.
    int visible = 0;
    for (QChar c : line) {
        if (!c.isSpace() && ++visible >= 2)
            return true;
    }
    return false;
}

void WorkingState::txtGoalTasks_KeyPress(int keyAscii)
{
    if (keyAscii != 0)
        ProjectChanged = true;
}

void WorkingState::txtGoalTasks_KeyUp()
{
    RefreshGoalTasks();
}

void WorkingState::txtGoalTasks_Change(const QString &text, bool byKey)
{
    m_txtGoalTasks = text;
    if (byKey)
        return; // the key release writes the file
    // A paste, cut, drop or undo with the mouse raises no key event, yet it
    // is an edit like any other: it must reach the task file at once.
    ProjectChanged = true;
    RefreshGoalTasks();
}

void WorkingState::OpenGoalTaskFile(const QString &key)
{
    ensureFolder(tmpFolder());
    const QString path = taskFilePath(key);
    if (KestrelTools1.PathExists(path, false)) {
        QString text;
        QString error;
        if (!KestrelFile1.ReadTextFile(text, path, &error)) {
            m_modals.MsgBox(QStringLiteral("The tasks could not be read from \"%1\": %2").arg(path, error),
                            QStringLiteral("Tasks"), Msg::Critical);
        }
        setTxtGoalTasks(text);
        return;
    }
    setTxtGoalTasks(QString());
    KestrelFile1.WriteTextFile(QString(), path);
}

void WorkingState::RefreshGoalTasks()
{
    if (CurrentGoalKey.isEmpty())
        return;
    const int index = SelectedGoalIndex;
    if (index < 0 || index > 8)
        return;
    GoalCard &card = cards[index];

    const QString path = taskFilePath(CurrentGoalKey);
    QString error;
    if (!KestrelFile1.WriteTextFile(m_txtGoalTasks, path, &error)) {
        // Said once per task file, not at every key: the typed text stays
        // in the box, and the next successful write catches up.
        if (m_unwritableTaskFile != path) {
            m_unwritableTaskFile = path;
            m_modals.MsgBox(QStringLiteral("The tasks could not be written to \"%1\": %2").arg(path, error),
                            QStringLiteral("Tasks"), Msg::Critical);
        }
    } else if (m_unwritableTaskFile == path) {
        m_unwritableTaskFile.clear();
    }

    const TaskCounts counts = countTasks(m_txtGoalTasks);
    const qsizetype total = counts.total;
    const qsizetype completed = counts.completed;
    card.lblTasks_Total = QStringLiteral("Tasks: ") + QString::number(total);
    card.lblTasks_Completed = QStringLiteral("Completed: ") + QString::number(completed);
    const qsizetype pending = total - completed;
    card.lblTasks_Pending = QStringLiteral("Pending: ") + QString::number(pending);

    // Loaded from disk each time; a missing picture leaves the previous one.
    const QString picture = (completed > 0 && pending == 0) ? QStringLiteral("/imgs/greencircle.gif")
                                                           : QStringLiteral("/imgs/bluecircle.gif");
    QFile file(m_appFolder + picture);
    if (file.open(QIODevice::ReadOnly)) {
        const QByteArray bytes = file.readAll();
        if (!bytes.isEmpty()) {
            card.picGoal_Picture = bytes;
            ++card.picGoal_PictureRevision;
        }
    }
}
