// Task lists: the task box, its task file and the card's counters.
#include "tasks/Tasks.h"

#include <QFile>
#include <QFileInfo>

#include "app/Modals.h"
#include "component/TextScan.h"
#include "project/WorkingState.h"

TaskCounts countTasks(QStringView text)
{
    TaskCounts counts;
    const char16_t *p = text.utf16();
    const qsizetype n = text.size();
    qsizetype lineStart = 0;
    bool done = false;   // the current line holds "--"
    auto endLine = [&](qsizetype end) {
        if (isTaskLine(text.sliced(lineStart, end - lineStart))) {
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

bool isTaskLine(QStringView line)
{
    int visible = 0;
    for (QChar c : line) {
        if (!c.isSpace() && ++visible >= 2)
            return true;
    }
    return false;
}

void TaskList::setTxtGoalTasks(const QString &text)
{
    m_txtGoalTasks = text;
    ++m_txtGoalTasksRevision;
}

void TaskList::txtGoalTasks_KeyPress(int keyAscii)
{
    if (keyAscii != 0)
        m_s.ProjectChanged = true;
}

void TaskList::txtGoalTasks_KeyUp()
{
    RefreshGoalTasks();
}

void TaskList::txtGoalTasks_Change(const QString &text, bool byKey)
{
    m_txtGoalTasks = text;
    if (byKey)
        return; // the key release writes the file
    // A paste, cut, drop or undo with the mouse raises no key event, yet it
    // is an edit like any other: it must reach the task file at once.
    m_s.ProjectChanged = true;
    RefreshGoalTasks();
}

bool TaskList::writeTaskFile(const QString &key, const QString &text, QString *error)
{
    if (!m_s.ensureFolder(m_s.tmpFolder())) {
        if (error)
            *error = QStringLiteral("the task folder \"%1\" is missing and could not be created.").arg(m_s.tmpFolder());
        return false;
    }
    return m_s.KestrelFile1.WriteTextFile(text, m_s.taskFilePath(key), error);
}

bool TaskList::readTaskFile(const QString &key, QString &text, QString *error) const
{
    text.clear();
    const QString path = m_s.taskFilePath(key);
    if (m_s.KestrelTools1.PathExists(path, false))
        return m_s.KestrelFile1.ReadTextFile(text, path, error);
    // Something else where the task file should be holds no tasks we could
    // use; "no tasks" would lose the saved ones.
    if (QFileInfo::exists(path)) {
        if (error)
            *error = QStringLiteral("\"%1\" is not a file.").arg(path);
        return false;
    }
    return true;
}

void TaskList::removeTaskFile(const QString &key)
{
    QFile::remove(m_s.taskFilePath(key));
}

void TaskList::rememberWritten(const QString &key, const QString &text)
{
    m_writtenThisLoad.insert(key, text);
}

void TaskList::OpenGoalTaskFile(const QString &key)
{
    m_s.ensureFolder(m_s.tmpFolder());
    if (const auto written = m_writtenThisLoad.constFind(key); written != m_writtenThisLoad.cend()) {
        setTxtGoalTasks(*written);
        return;
    }
    const QString path = m_s.taskFilePath(key);
    if (m_s.KestrelTools1.PathExists(path, false)) {
        QString text;
        QString error;
        if (!m_s.KestrelFile1.ReadTextFile(text, path, &error)) {
            m_s.modals().MsgBox(QStringLiteral("The tasks could not be read from \"%1\": %2").arg(path, error),
                                Texts::tasksTitle(), Msg::Critical);
        }
        setTxtGoalTasks(text);
        return;
    }
    setTxtGoalTasks(QString());
    m_s.KestrelFile1.WriteTextFile(QString(), path);
}

void TaskList::RefreshGoalTasks()
{
    const QString &key = m_s.CurrentGoalKey;
    const int index = m_s.SelectedGoalIndex;
    if (key.isEmpty() || index < 0 || index > Rules::kSubGoalCards)
        return;

    QString error;
    // Still the very text a load has just written: the file holds it.
    const auto written = m_writtenThisLoad.constFind(key);
    const bool onDisk = written != m_writtenThisLoad.cend() && written->constData() == m_txtGoalTasks.constData()
                        && written->size() == m_txtGoalTasks.size();
    const QString path = m_s.taskFilePath(key);
    if (!onDisk && !m_s.KestrelFile1.WriteTextFile(m_txtGoalTasks, path, &error)) {
        // Said once per task file, not at every key: the typed text stays
        // in the box, and the next successful write catches up.
        if (m_unwritableTaskFile != path) {
            m_unwritableTaskFile = path;
            m_s.modals().MsgBox(QStringLiteral("The tasks could not be written to \"%1\": %2").arg(path, error),
                                Texts::tasksTitle(), Msg::Critical);
        }
    } else if (m_unwritableTaskFile == path) {
        m_unwritableTaskFile.clear();
    }

    const TaskCounts counts = countTasks(m_txtGoalTasks);
    m_s.dashboard.setCounters(index, counts);

    // Loaded from disk each time; a missing picture leaves the previous one.
    const bool allDone = counts.completed > 0 && counts.completed == counts.total;
    QFile file(m_s.appFolder() + (allDone ? QStringLiteral("/imgs/greencircle.gif") : QStringLiteral("/imgs/bluecircle.gif")));
    if (file.open(QIODevice::ReadOnly)) {
        const QByteArray bytes = file.readAll();
        if (!bytes.isEmpty())
            m_s.dashboard.setStatusPicture(index, bytes);
    }
}
