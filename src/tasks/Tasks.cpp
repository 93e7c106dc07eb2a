// Task lists: the task box, its task file and the card's counters.
#include "project/WorkingState.h"

#include <QFile>

#include "app/Modals.h"

namespace {
const QString kLineBreak = QStringLiteral("\r\n");
const QString kDoneMark = QStringLiteral("--");
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

    const auto notATask = [](const QString &line) { return !isTaskLine(line); };
    lstProjectTasks.clear();
    KestrelTools1.FillListFromText(m_txtGoalTasks, kLineBreak, lstProjectTasks, QString());
    lstProjectTasks.removeIf(notATask);
    const qsizetype total = lstProjectTasks.size();
    card.lblTasks_Total = QStringLiteral("Tasks: ") + QString::number(total);

    lstProjectTasks.clear();
    KestrelTools1.FillListFromText(m_txtGoalTasks, kLineBreak, lstProjectTasks, kDoneMark);
    lstProjectTasks.removeIf(notATask);
    const qsizetype completed = lstProjectTasks.size();
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
