// Task lists: the task box, its task file and the card's counters.
#include "project/WorkingState.h"

#include <QFile>

#include "app/Modals.h"
#include "component/TextScan.h"
#include "tasks/TaskCount.h"

TaskCounts countTasks(QStringView text)
{
    TaskCounts counts;
    const char16_t *p = text.utf16();
    const qsizetype n = text.size();
    qsizetype lineStart = 0;
    bool done = false;   // the current line holds "--"
    auto endLine = [&](qsizetype end) {
        if (WorkingState::isTaskLine(text.sliced(lineStart, end - lineStart))) {
            ++counts.total;
            if (done)
                ++counts.completed;
        }
    };
    for (qsizetype i = findEither(text, 0, u'\r', u'-'); i < n; i = findEither(text, i, u'\r', u'-')) {
        const bool pairs = i + 1 < n && p[i + 1] == (p[i] == u'\r' ? u'\n' : u'-');
        if (!pairs) {
            ++i;   // a lone CR or "-" is part of the line
        } else if (p[i] == u'\r') {
            endLine(i);
            lineStart = i = i + 2;
            done = false;
        } else {
            done = true;
            i += 2;
        }
    }
    if (lineStart < n)
        endLine(n);
    return counts;
}

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
    if (const auto written = m_writtenThisLoad.constFind(path); written != m_writtenThisLoad.cend()) {
        setTxtGoalTasks(*written);
        return;
    }
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
    // Still the very text a load has just written: the file holds it.
    const auto written = m_writtenThisLoad.constFind(path);
    const bool onDisk = written != m_writtenThisLoad.cend() && written->constData() == m_txtGoalTasks.constData()
                        && written->size() == m_txtGoalTasks.size();
    if (!onDisk && !KestrelFile1.WriteTextFile(m_txtGoalTasks, path, &error)) {
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
