#include "project/Recovery.h"

#include <QFile>

#include "app/Modals.h"
#include "component/KestrelFile.h"
#include "project/GpjFormat.h"
#include "project/IniIndex.h"
#include "project/WorkingState.h"

namespace {

// A project file with one more section: the file the project belongs to.
QByteArray snapshotBytes(const Project &project, const QString &file)
{
    QString text = Gpj::write(project);
    text += QStringLiteral("[Recovery]\r\nFile=") + IniIndex::writeValue(file) + QStringLiteral("\r\n");
    return text.toUtf8();
}

} // namespace

Recovery::Recovery(WorkingState &state) : m_s(state), m_path(snapshotPath(state.appFolder()))
{
    m_timer.setInterval(kIntervalMs);
    QObject::connect(&m_timer, &QTimer::timeout, [this] { update(); });
    m_timer.start();
    m_thread = std::thread([this] { run(); });
}

Recovery::~Recovery()
{
    {
        std::lock_guard lock(m_mutex);
        m_stop = true;
    }
    m_wake.notify_all();
    m_thread.join();
}

QString Recovery::snapshotPath(const QString &appFolder)
{
    return appFolder + QStringLiteral("/tmp/.recovery.gpj");
}

QString Recovery::keptPath(const QString &appFolder)
{
    return appFolder + QStringLiteral("/tmp/.recovery-kept.gpj");
}

void Recovery::keepAside(const QString &appFolder)
{
    // A snapshot put aside earlier and never answered stays the one asked
    // about; the newer one then goes.
    const QString snapshot = snapshotPath(appFolder);
    if (!QFile::exists(snapshot))
        return;
    if (QFile::exists(keptPath(appFolder)))
        QFile::remove(snapshot);
    else
        QFile::rename(snapshot, keptPath(appFolder));
}

void Recovery::offerRestore()
{
    const QString kept = keptPath(m_s.appFolder());
    if (!QFile::exists(kept))
        return;
    IniIndex index;
    QString error;
    const bool read = index.load(kept, &error);
    const Gpj::ReadResult snapshot = Gpj::read(index);
    if (!read || snapshot.noProjectSections) {
        QFile::remove(kept);   // nothing in it could be brought back
        return;
    }
    const MsgAnswer answer = m_s.modals().MsgBox(Texts::restoreQuestion(), Texts::restoreTitle(), Msg::YesNoQuestion);
    if (answer == Msg::No) {
        QFile::remove(kept);
        return;
    }
    m_s.project.NewProject();
    if (!m_s.project.layOut(snapshot.project, &error)) {
        // The snapshot stays aside for the next start.
        m_s.modals().MsgBox(QStringLiteral("The changes could not be restored: %1").arg(error), Texts::restoreTitle(),
                            Msg::Critical);
        m_s.project.NewProject();
        return;
    }
    m_s.setFileName(index.value(u"RECOVERY", u"File"));
    m_s.ProjectChanged = true;
    QFile::remove(kept);
    update();   // the restored project is unsaved work again
}

void Recovery::update()
{
    if (!m_s.ProjectChanged) {
        if (m_last)
            discard();
        return;
    }
    Project project = m_s.project.snapshot();
    bool failed = false;
    {
        std::lock_guard lock(m_mutex);
        failed = std::exchange(m_failed, false);
    }
    if (!failed && m_last && *m_last == project && m_lastFile == m_s.CurrentProjectFile)
        return;
    m_s.ensureFolder(m_s.tmpFolder());
    m_last = project;
    m_lastFile = m_s.CurrentProjectFile;
    queue({std::move(project), m_s.CurrentProjectFile});
}

void Recovery::writeNow()
{
    update();
    waitUntilIdle();
}

void Recovery::discard()
{
    m_last.reset();
    m_lastFile.clear();
    queue({std::nullopt, {}});
}

void Recovery::waitUntilIdle()
{
    std::unique_lock lock(m_mutex);
    m_wake.wait(lock, [this] { return !m_job && !m_busy; });
}

void Recovery::queue(Job job)
{
    {
        std::lock_guard lock(m_mutex);
        m_job = std::move(job);   // an older one not yet written is outdated
    }
    m_wake.notify_all();
}

void Recovery::run()
{
    for (;;) {
        Job job;
        {
            std::unique_lock lock(m_mutex);
            m_wake.wait(lock, [this] { return m_stop || m_job; });
            if (!m_job)
                return;   // stopped with nothing left to do
            job = std::move(*m_job);
            m_job.reset();
            m_busy = true;
        }
        if (job.project) {
            // A snapshot that cannot be written is tried again with the
            // next change; the work is still in the window.
            const bool written = KestrelFile::writeBytes(snapshotBytes(*job.project, job.file), m_path,
                                                         KestrelFile::Durability::Flushed, nullptr);
            std::lock_guard lock(m_mutex);
            m_failed = !written;
        } else {
            QFile::remove(m_path);
        }
        {
            std::lock_guard lock(m_mutex);
            m_busy = false;
        }
        m_wake.notify_all();
    }
}
