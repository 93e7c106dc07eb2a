#include "project/TaskFiles.h"

#include <sys/stat.h>

#include "base/Texts.h"
#include "component/FileNames.h"
#include "component/KestrelFile.h"
#include "project/GpjFormat.h"
#include "project/Problems.h"
#include "project/ProjectDocument.h"
#include "project/TaskText.h"
#include "project/TmpFolder.h"

namespace {

// Scratch: the recovery copy, not these files, carries typed work through
// a crash, so no key waits for the device.
constexpr auto kScratch = KestrelFile::Durability::Scratch;

std::function<QByteArray()> bytesOf(const QString &text)
{
    // The text is shared, not copied, until the writer's thread converts it.
    return [text]() { return TaskText::toFileBytes(text); };
}

} // namespace

TaskFiles::TaskFiles(const Folders &folders, TmpFolder &tmp, ProjectDocument &document, Problems &problems)
    : m_folders(folders), m_tmp(tmp), m_document(document), m_problems(problems)
{
    m_timer.setSingleShot(true);
    m_timer.setInterval(kWriteDelayMs);
    connect(&m_timer, &QTimer::timeout, this, [this] {
        takeResults();
        writeQueued();
        if (!m_inFlight.isEmpty())
            m_timer.start();   // to learn how they went
    });
    connect(&document, &ProjectDocument::changed, this, &TaskFiles::documentChanged);
}

TaskFiles::~TaskFiles()
{
    writeQueued();   // the writer finishes what is queued before it goes
}

void TaskFiles::documentChanged(const DocumentChange &change)
{
    using Cause = DocumentChange::Cause;
    if (change.cause == Cause::New || change.cause == Cause::Load) {
        // The files of the project before stay in tmp/ until Tarvo starts
        // again; they are just no longer this project's.
        const QSet<QString> keys = [&] {
            QSet<QString> set;
            for (const SubGoal &goal : m_document.project().subGoals)
                set.insert(goal.key);
            return set;
        }();
        m_dirty.clear();
        m_failed.intersect(keys);
        for (auto it = m_written.begin(); it != m_written.end();)
            it = keys.contains(it.key()) ? std::next(it) : m_written.erase(it);
        if (m_failed.isEmpty())
            setProblem(QString());
        return;
    }
    if (change.has(DocumentChange::Outline))
        followOutline(true);
    // A merge, or an undo of one, changes task texts of its own.
    for (const QString &key : change.tasksChanged)
        m_dirty.insert(key);
    if (!change.tasksChanged.isEmpty() && !m_timer.isActive())
        m_timer.start();
    if (change.has(DocumentChange::Tasks) && m_document.isSubGoal(change.subGoal)) {
        m_dirty.insert(m_document.subGoal(change.subGoal).key);
        // The file follows within a moment, also while typing goes on.
        if (!m_timer.isActive())
            m_timer.start();
    }
}

void TaskFiles::followOutline(bool removeGone)
{
    QSet<QString> keys;
    for (const SubGoal &goal : m_document.project().subGoals) {
        keys.insert(goal.key);
        // A sub-goal back from an undo or a merge brings its tasks; a new,
        // empty one gets its file when it is first selected.
        if (!m_written.contains(goal.key) && !goal.tasks.isEmpty())
            m_dirty.insert(goal.key);
    }
    if (removeGone) {
        const QList<QString> known = m_written.keys();
        for (const QString &key : known) {
            if (!keys.contains(key)) {
                // After any write of it still queued; the file may already be gone.
                m_writer.remove(m_folders.taskFile(key));
                m_written.remove(key);
                m_dirty.remove(key);
                m_failed.remove(key);
            }
        }
    }
    if (!m_dirty.isEmpty() && !m_timer.isActive())
        m_timer.start();
}

bool TaskFiles::writeAll(const Project &project, QString *error)
{
    if (!m_tmp.ready(error))
        return false;
    for (const SubGoal &goal : project.subGoals) {
        // Whatever the project came from, no key names a file outside tmp/.
        if (!Gpj::isSafeKey(goal.key)) {
            if (error)
                *error = Texts::unsafeKey(goal.key);
            return false;
        }
    }
    for (const SubGoal &goal : project.subGoals)
        m_writer.write(m_folders.taskFile(goal.key), bytesOf(goal.tasks), kScratch);
    m_writer.waitUntilIdle();
    bool written = true;
    for (const SubGoal &goal : project.subGoals) {
        const QString path = m_folders.taskFile(goal.key);
        const std::optional<QString> result = m_writer.takeResult(path);
        if (result && !result->isEmpty()) {
            if (written && error)
                *error = QStringLiteral("\"%1\": %2").arg(path, *result);
            written = false;
            continue;
        }
        m_written.insert(goal.key, stampOf(goal.key));
        m_dirty.remove(goal.key);
    }
    return written;
}

std::optional<QString> TaskFiles::changedOutside(int index, bool *readable, QString *error)
{
    *readable = true;
    if (!m_document.isSubGoal(index))
        return std::nullopt;
    const SubGoal &goal = m_document.subGoal(index);
    if (m_dirty.contains(goal.key) || m_inFlight.contains(goal.key))
        flush();   // what Tarvo is writing is newer than what the file holds
    const Stamp now = stampOf(goal.key);
    if (now.size < 0) {
        writeNow(index);   // a missing file is made anew, empty for a new sub-goal
        return std::nullopt;
    }
    if (m_written.contains(goal.key) && m_written.value(goal.key) == now)
        return std::nullopt;
    QString text, reason;
    if (!KestrelFile().ReadTextFile(text, m_folders.taskFile(goal.key), &reason)) {
        *readable = false;
        if (error)
            *error = Texts::tasksNotRead(m_folders.taskFile(goal.key), reason);
        return std::nullopt;
    }
    m_written.insert(goal.key, now);
    text = TaskText::fromFile(text);
    if (text == goal.tasks)
        return std::nullopt;
    return text;
}

bool TaskFiles::writeNow(int index)
{
    if (!m_document.isSubGoal(index))
        return false;
    const QString key = m_document.subGoal(index).key;
    m_dirty.insert(key);
    flush();
    return !m_failed.contains(key);
}

bool TaskFiles::retry()
{
    takeResults();
    if (m_failed.isEmpty() || !m_inFlight.isEmpty())
        return false;
    m_dirty.unite(m_failed);
    flush();
    return true;
}

void TaskFiles::flush()
{
    m_timer.stop();
    writeQueued();
    m_writer.waitUntilIdle();
    takeResults();
}

bool TaskFiles::tmpReady(const QSet<QString> &keys)
{
    QString why;
    if (m_tmp.ready(&why))
        return true;
    m_failed.unite(keys);
    setProblem(Texts::tasksNotWritten(m_folders.tmp(), why));
    return false;
}

void TaskFiles::writeQueued()
{
    if (m_dirty.isEmpty())
        return;
    const QSet<QString> dirty = std::exchange(m_dirty, {});
    if (!tmpReady(dirty))
        return;
    for (const QString &key : dirty) {
        const int index = m_document.indexOfKey(key);
        if (index < 0 || !Gpj::isSafeKey(key))
            continue;
        m_writer.write(m_folders.taskFile(key), bytesOf(m_document.subGoal(index).tasks), kScratch);
        m_inFlight.insert(key);
    }
}

void TaskFiles::takeResults()
{
    const QSet<QString> inFlight = m_inFlight;
    for (const QString &key : inFlight) {
        const QString path = m_folders.taskFile(key);
        const std::optional<QString> result = m_writer.takeResult(path);
        if (!result)
            continue;   // still being written
        m_inFlight.remove(key);
        if (result->isEmpty()) {
            m_written.insert(key, stampOf(key));
            m_failed.remove(key);
        } else {
            m_failed.insert(key);
            setProblem(Texts::tasksNotWritten(path, *result));
        }
    }
    if (m_failed.isEmpty())
        setProblem(QString());
}

void TaskFiles::setProblem(const QString &problem)
{
    m_problems.set(Problems::Source::TaskFiles, problem);
}

QString TaskFiles::problem() const
{
    return m_problems.text(Problems::Source::TaskFiles);
}

TaskFiles::Stamp TaskFiles::stampOf(const QString &key) const
{
    struct stat info;
    if (::stat(FileNames::toNative(m_folders.taskFile(key)).constData(), &info) != 0)
        return {};
    return {qint64(info.st_size), qint64(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec};
}
