#include "project/Recovery.h"

#include <QCoreApplication>
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
    if (QCoreApplication::instance())   // a timer needs the event loop of a program
        m_timer.start();
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
    // A snapshot that did not reach the device is written again now.
    const std::optional<QString> result = m_writer.takeResult(m_path);
    const bool failed = result && !result->isEmpty();
    Project project = m_s.project.snapshot();
    if (!failed && m_last && *m_last == project && m_lastFile == m_s.CurrentProjectFile)
        return;
    m_s.ensureFolder(m_s.tmpFolder());
    m_last = project;
    m_lastFile = m_s.CurrentProjectFile;
    m_writer.write(m_path, [project = std::move(project), file = m_lastFile] { return snapshotBytes(project, file); },
                   KestrelFile::Durability::Flushed, KestrelFile::AtLink::Replace);
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
    m_writer.remove(m_path);
}
