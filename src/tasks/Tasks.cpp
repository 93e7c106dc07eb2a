// Task lists: the task box, its task file and the card's counters.
#include "tasks/Tasks.h"

#include <QFile>

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

void TaskList::txtGoalTasks_KeyPress(int)
{
    // A key changes the project only through the change it makes, which
    // txtGoalTasks_Change sees; arrows and the like change nothing.
}

void TaskList::txtGoalTasks_KeyUp()
{
    // The change has reached the file already; only a write that failed
    // is tried again.
    const auto mirror = m_texts.constFind(m_s.CurrentGoalKey);
    if (mirror != m_texts.cend() && !mirror->onDisk)
        RefreshGoalTasks();
}

void TaskList::txtGoalTasks_Change(const QString &text)
{
    if (text == m_txtGoalTasks)
        return;
    m_txtGoalTasks = text;
    m_s.ProjectChanged = true;
    RefreshGoalTasks();
}

bool TaskList::writeMirror(const QString &key, Mirror &mirror, QString *error)
{
    // Scratch: the recovery snapshot, not this file, carries typed work
    // through a crash, so no key waits for the device.
    QString reason;
    const QString path = m_s.taskFilePath(key);
    mirror.onDisk = m_s.ensureFolder(m_s.tmpFolder())
                    && m_s.KestrelFile1.WriteTextFile(mirror.text, path, &reason, KestrelFile::Durability::Scratch);
    if (!mirror.onDisk && error)
        *error = reason.isEmpty() ? QStringLiteral("the task folder \"%1\" could not be created.").arg(m_s.tmpFolder())
                                  : reason;
    return mirror.onDisk;
}

bool TaskList::setTaskText(const QString &key, const QString &text, QString *error)
{
    Mirror &mirror = m_texts[key];
    mirror.text = text;
    return writeMirror(key, mirror, error);
}

void TaskList::removeTaskText(const QString &key)
{
    m_texts.remove(key);
    QFile::remove(m_s.taskFilePath(key));
}

void TaskList::reportUnwritable(const QString &key, const QString &error)
{
    const QString path = m_s.taskFilePath(key);
    if (m_unwritableTaskFile == path)
        return;
    m_unwritableTaskFile = path;
    m_s.modals().MsgBox(QStringLiteral("The tasks could not be written to \"%1\": %2\n\nThey are kept, and "
                                       "written as soon as the file can be.").arg(path, error),
                        Texts::tasksTitle(), Msg::Critical);
}

void TaskList::OpenGoalTaskFile(const QString &key)
{
    Mirror &mirror = m_texts[key];
    // A rebuild lays out texts whose files it has just written or not
    // touched: reading each back would only double the work.
    if (m_s.RebuildingCards && mirror.onDisk) {
        setTxtGoalTasks(mirror.text);
        return;
    }
    const QString path = m_s.taskFilePath(key);
    // A text whose file could not be written is newer than the file.
    if (mirror.onDisk || mirror.text.isEmpty()) {
        QString error;
        QString text;
        if (m_s.KestrelTools1.PathExists(path, false)) {
            if (m_s.KestrelFile1.ReadTextFile(text, path, &error)) {
                mirror.text = text;   // changed by other means: the file is what the user sees
                mirror.onDisk = true;
            } else {
                m_s.modals().MsgBox(QStringLiteral("The tasks could not be read from \"%1\": %2").arg(path, error),
                                    Texts::tasksTitle(), Msg::Critical);
            }
        } else if (!writeMirror(key, mirror, &error)) {
            reportUnwritable(key, error);
        }
    }
    setTxtGoalTasks(mirror.text);
}

void TaskList::RefreshGoalTasks()
{
    const QString &key = m_s.CurrentGoalKey;
    const int index = m_s.SelectedGoalIndex;
    if (key.isEmpty() || index < 0 || index > Rules::kSubGoalCards)
        return;

    Mirror &mirror = m_texts[key];
    if (!mirror.onDisk || mirror.text.constData() != m_txtGoalTasks.constData()) {
        mirror.text = m_txtGoalTasks;
        QString error;
        if (writeMirror(key, mirror, &error)) {
            if (m_unwritableTaskFile == m_s.taskFilePath(key))
                m_unwritableTaskFile.clear();
        } else {
            reportUnwritable(key, error);
        }
    }

    showCounts(index, countTasks(m_txtGoalTasks));
}

void TaskList::showCounts(int index, const TaskCounts &counts)
{
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
