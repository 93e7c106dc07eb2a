#include "project/Recovery.h"

#include <QCoreApplication>
#include <QFile>

#include "base/Ask.h"
#include "base/Texts.h"
#include "project/GpjFormat.h"
#include "project/IniIndex.h"
#include "project/ProjectDocument.h"
#include "project/TaskFiles.h"

namespace {

// A project file with one more section: the file the project belongs to.
QByteArray snapshotBytes(const Project &project, const QString &file)
{
    QString text = Gpj::write(project);
    text += QStringLiteral("[Recovery]\r\nFile=") + IniIndex::writeValue(file) + QStringLiteral("\r\n");
    return text.toUtf8();
}

} // namespace

Recovery::Recovery(const Folders &folders, ProjectDocument &document)
    : m_folders(folders), m_document(document), m_path(snapshotPath(folders.app()))
{
    m_timer.setInterval(kIntervalMs);
    connect(&m_timer, &QTimer::timeout, this, &Recovery::update);
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
    // A copy put aside earlier and never answered stays the one asked
    // about; the newer one then goes.
    const QString snapshot = snapshotPath(appFolder);
    if (!QFile::exists(snapshot))
        return;
    if (QFile::exists(keptPath(appFolder)))
        QFile::remove(snapshot);
    else
        QFile::rename(snapshot, keptPath(appFolder));
}

void Recovery::offerRestore(Ask &ask, TaskFiles &taskFiles)
{
    const QString kept = keptPath(m_folders.app());
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
    if (ask.MsgBox(Texts::restoreQuestion(), Texts::restoreTitle(), Msg::YesNoQuestion) == Msg::No) {
        QFile::remove(kept);
        return;
    }
    if (!taskFiles.writeAll(snapshot.project, &error)) {
        // The copy stays aside for the next start.
        ask.MsgBox(Texts::notRestored(error), Texts::restoreTitle(), Msg::Critical);
        return;
    }
    m_document.assign(snapshot.project, DocumentChange::Cause::Restore);
    m_document.setFilePath(index.value(u"RECOVERY", u"File"));
    QFile::remove(kept);
    update();   // the restored project is unsaved work again
}

void Recovery::update()
{
    if (!m_document.isModified()) {
        if (m_kept)
            discard();
        return;
    }
    // A copy that did not reach the device is written again now.
    const std::optional<QString> result = m_writer.takeResult(m_path);
    const bool failed = result && !result->isEmpty();
    if (!failed && m_kept && m_keptRevision == m_document.revision() && m_keptFile == m_document.filePath())
        return;
    Folders::ensure(m_folders.tmp());
    m_kept = true;
    m_keptRevision = m_document.revision();
    m_keptFile = m_document.filePath();
    m_writer.write(m_path, [project = m_document.project(), file = m_keptFile] { return snapshotBytes(project, file); },
                   KestrelFile::Durability::Flushed);
}

void Recovery::writeNow()
{
    update();
    waitUntilIdle();
}

void Recovery::discard()
{
    m_kept = false;
    m_keptFile.clear();
    m_writer.remove(m_path);
}
