// Task lists: the task box, its task file and the card's counters.
#include "tasks/Tasks.h"

#include <QFile>

#include "app/Modals.h"
#include "component/TextScan.h"
#include "project/WorkingState.h"

TaskCounts countTasks(QStringView text)
{
    return scanTaskText(text).counts;
}

TaskTextFacts scanTaskText(QStringView text)
{
    TaskTextFacts facts;
    TaskCounts &counts = facts.counts;
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
    for (qsizetype i = findAny(text, 0, u'\r', u'-', u'\n'); i < n; i = findAny(text, i, u'\r', u'-', u'\n')) {
        const bool pairs = p[i] != u'\n' && i + 1 < n && p[i + 1] == (p[i] == u'\r' ? u'\n' : u'-');
        if (!pairs) {
            if (p[i] != u'-')
                facts.onlyCrLf = false;   // a lone CR or LF is part of the line, and no break
            ++i;
        } else if (p[i] == u'\r') {
            endLine(i);
            ++facts.breaks;
            lineStart = i = i + 2;
            done = false;
        } else {
            done = true;
            i += 2;
        }
    }
    if (lineStart < n)
        endLine(n);
    return facts;
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

namespace {

// Whether every line break of the text is CR LF, so that box positions map
// onto it line by line.
bool onlyCrLfBreaks(QStringView text)
{
    const char16_t *p = text.utf16();
    const qsizetype n = text.size();
    for (qsizetype i = findEither(text, 0, u'\r', u'\n'); i < n; i = findEither(text, i + 2, u'\r', u'\n')) {
        if (p[i] == u'\n' || i + 1 == n || p[i + 1] != u'\n')
            return false;
    }
    return true;
}

// The start of the line that holds position at, and the end of the line
// that holds position end (before its CR LF), in a text of CR LF breaks.
qsizetype lineStartBefore(QStringView text, qsizetype at)
{
    const qsizetype previous = at == 0 ? -1 : text.first(at).lastIndexOf(u'\n');
    return previous + 1;
}

qsizetype lineEndAfter(QStringView text, qsizetype end)
{
    return findEither(text, end, u'\r', u'\r');
}

TaskCounts operator+(TaskCounts a, TaskCounts b) { return {a.total + b.total, a.completed + b.completed}; }
TaskCounts operator-(TaskCounts a, TaskCounts b) { return {a.total - b.total, a.completed - b.completed}; }

} // namespace

TaskList::TaskList(WorkingState &state) : m_s(state)
{
    m_writeTimer.setSingleShot(true);
    m_writeTimer.setInterval(kWriteDelayMs);
    QObject::connect(&m_writeTimer, &QTimer::timeout, [this] {
        takeWriteResult();
        queueBoxWrite();
    });
}

TaskList::~TaskList()
{
    queueBoxWrite();
}

void TaskList::queueBoxWrite()
{
    if (m_boxDirty && !m_boxKey.isEmpty()) {
        m_writer.writeText(m_s.taskFilePath(m_boxKey), m_txtGoalTasks, KestrelFile::Durability::Scratch);
        m_boxDirty = false;
    }
}

void TaskList::setTxtGoalTasks(const QString &text)
{
    m_txtGoalTasks = text;
    ++m_txtGoalTasksRevision;
    takeFacts();
}

void TaskList::txtGoalTasks_KeyPress(int)
{
    // A key changes the project only through the change it makes, which
    // txtGoalTasks_Change sees; arrows and the like change nothing.
}

bool TaskList::txtGoalTasks_KeyUp()
{
    // The change has reached the file, or is on its way; only a write that
    // failed is tried again.
    takeWriteResult();
    if (m_boxKey.isEmpty() || m_boxOnDisk || m_boxDirty)
        return false;
    RefreshGoalTasks();
    return true;
}

void TaskList::txtGoalTasks_Change(const QString &text)
{
    if (text == m_txtGoalTasks)
        return;
    m_txtGoalTasks = text;
    takeFacts();
    m_boxDirty = true;
    m_s.ProjectChanged = true;
    RefreshGoalTasks();
}

bool TaskList::txtGoalTasks_Edit(qsizetype boxPosition, qsizetype line, qsizetype boxRemoved, const QString &inserted,
                                 qsizetype boxLength)
{
    const int index = m_s.SelectedGoalIndex;
    if (m_boxKey.isEmpty() || m_boxKey != m_s.CurrentGoalKey || !m_boxNormal || index < 1
        || index > Rules::kSubGoalCards || !onlyCrLfBreaks(inserted))
        return false;
    const QStringView text(m_txtGoalTasks);
    const qsizetype at = boxPosition + line;
    if (boxPosition < 0 || line < 0 || boxRemoved < 0 || at > text.size()
        || (at > 0 && at < text.size() && text[at] == u'\n' && text[at - 1] == u'\r'))
        return false;
    qsizetype end = at;
    for (qsizetype k = 0; k < boxRemoved; ++k) {
        if (end >= text.size())
            return false;
        end += (text[end] == u'\r' && end + 1 < text.size() && text[end + 1] == u'\n') ? 2 : 1;
    }
    const qsizetype removedBreaks = (end - at) - boxRemoved;
    const qsizetype insertedBreaks = countEither(inserted, u'\n', u'\n');
    if (m_txtGoalTasks.size() - m_boxBreaks - boxRemoved + (inserted.size() - insertedBreaks) != boxLength)
        return false;   // the box and this text do not agree: take the whole

    // Only the lines the edit touches are counted again.
    const qsizetype from = lineStartBefore(text, at);
    const TaskCounts old = countTasks(text.sliced(from, lineEndAfter(text, end) - from));
    m_txtGoalTasks.replace(at, end - at, inserted);
    m_boxBreaks += insertedBreaks - removedBreaks;
    const QStringView now(m_txtGoalTasks);
    m_boxCounts = m_boxCounts - old + countTasks(now.sliced(from, lineEndAfter(now, at + inserted.size()) - from));
    m_boxDirty = true;
    m_s.ProjectChanged = true;
    // The file follows within a moment, also while typing goes on.
    if (!m_writeTimer.isActive())
        m_writeTimer.start();
    showCounts(index, m_boxCounts);
    return true;
}

void TaskList::takeWriteResult()
{
    if (m_boxKey.isEmpty())
        return;
    const std::optional<QString> result = m_writer.takeResult(m_s.taskFilePath(m_boxKey));
    if (!result)
        return;
    m_boxOnDisk = result->isEmpty();
    if (!m_boxOnDisk)
        m_boxDirty = true;   // tried again with the next change
    reportWrite(m_boxKey, m_boxOnDisk, *result);
}

void TaskList::flushWrites()
{
    if (m_writeTimer.isActive()) {
        m_writeTimer.stop();
        queueBoxWrite();
    }
    m_writer.waitUntilIdle();
    takeWriteResult();
}

void TaskList::parkBox()
{
    if (m_boxKey.isEmpty())
        return;
    flushWrites();
    m_texts.insert(m_boxKey, {m_txtGoalTasks, m_boxOnDisk && !m_boxDirty});
    m_boxKey.clear();
}

QString TaskList::taskText(const QString &key) const
{
    return key == m_boxKey && !key.isEmpty() ? m_txtGoalTasks : m_texts.value(key).text;
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

bool TaskList::startTaskText(const QString &key, const QString &text, QString *error)
{
    if (key == m_boxKey)
        parkBox();
    if (!m_s.ensureFolder(m_s.tmpFolder())) {
        if (error)
            *error = QStringLiteral("\"%1\": the task folder \"%2\" could not be created.")
                         .arg(m_s.taskFilePath(key), m_s.tmpFolder());
        return false;
    }
    // Taken as written until finishTaskTexts learns otherwise, so that laying
    // out the cards neither reads the file back nor writes it again.
    m_texts.insert(key, {text, true});
    m_startedWriter.writeText(m_s.taskFilePath(key), text, KestrelFile::Durability::Scratch);
    m_startedKeys.append(key);
    return true;
}

bool TaskList::finishTaskTexts(QString *error)
{
    m_startedWriter.waitUntilIdle();
    bool written = true;
    for (const QString &key : std::exchange(m_startedKeys, {})) {
        const std::optional<QString> result = m_startedWriter.takeResult(m_s.taskFilePath(key));
        if (!result || result->isEmpty())
            continue;
        if (key == m_boxKey)
            m_boxOnDisk = false;
        else if (m_texts.contains(key))
            m_texts[key].onDisk = false;
        if (written && error)
            *error = QStringLiteral("\"%1\": %2").arg(m_s.taskFilePath(key), *result);
        written = false;
    }
    return written;
}

void TaskList::removeTaskText(const QString &key)
{
    if (key == m_boxKey) {
        m_writeTimer.stop();
        m_boxDirty = false;
        m_boxKey.clear();
    }
    m_texts.remove(key);
    m_writer.remove(m_s.taskFilePath(key));   // after any write of it still queued
    m_writer.waitUntilIdle();
}

void TaskList::clearTaskTexts()
{
    parkBox();
    m_texts.clear();
}

void TaskList::reportWrite(const QString &key, bool written, const QString &error)
{
    if (!written)
        reportUnwritable(key, error);
    else if (m_unwritableTaskFile == m_s.taskFilePath(key))
        m_unwritableTaskFile.clear();   // said once; written again, a new failure is said again
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
    parkBox();
    Mirror mirror = m_texts.take(key);
    m_boxKey = key;
    // A rebuild lays out texts whose files it has just written or not
    // touched: reading each back would only double the work.
    if (!(m_s.RebuildingCards && mirror.onDisk) && (mirror.onDisk || mirror.text.isEmpty())) {
        // A text whose file could not be written is newer than the file.
        const QString path = m_s.taskFilePath(key);
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
    m_boxOnDisk = mirror.onDisk;
    m_boxDirty = false;
    setTxtGoalTasks(mirror.text);
}

void TaskList::RefreshGoalTasks()
{
    const QString &key = m_s.CurrentGoalKey;
    const int index = m_s.SelectedGoalIndex;
    if (key.isEmpty() || index < 0 || index > Rules::kSubGoalCards)
        return;
    if (key != m_boxKey) {   // the box's text now belongs to this key
        parkBox();
        m_texts.remove(key);
        m_boxKey = key;
        m_boxDirty = true;
    }
    takeWriteResult();
    if (m_boxDirty || !m_boxOnDisk) {
        m_writeTimer.stop();
        m_writer.waitUntilIdle();   // an older write must not land after this one
        Mirror mirror{m_txtGoalTasks, false};
        QString error;
        m_boxOnDisk = writeMirror(key, mirror, &error);
        m_boxDirty = false;
        reportWrite(key, m_boxOnDisk, error);
    }
    showCounts(index, m_boxCounts);
}

void TaskList::takeFacts()
{
    const TaskTextFacts facts = scanTaskText(m_txtGoalTasks);
    m_boxCounts = facts.counts;
    m_boxBreaks = facts.breaks;
    m_boxNormal = facts.onlyCrLf;
}

void TaskList::showCounts(int index, const TaskCounts &counts)
{
    m_s.dashboard.setCounters(index, counts);
    // Read from disk when it is applied; a missing picture leaves the
    // previous one. The same picture again is not applied again.
    const bool allDone = counts.completed > 0 && counts.completed == counts.total;
    QByteArray &cached = m_pictures[allDone];
    if (!cached.isEmpty() && m_s.cards[index].picGoal_Picture == cached)
        return;
    QFile file(m_s.appFolder() + (allDone ? QStringLiteral("/imgs/greencircle.gif") : QStringLiteral("/imgs/bluecircle.gif")));
    if (file.open(QIODevice::ReadOnly)) {
        const QByteArray bytes = file.readAll();
        if (!bytes.isEmpty()) {
            cached = bytes;
            m_s.dashboard.setStatusPicture(index, bytes);
        }
    }
}
