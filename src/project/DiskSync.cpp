#include "project/DiskSync.h"

#include "base/Texts.h"
#include "component/KestrelFile.h"
#include "project/BaseCopy.h"
#include "project/ProjectCommands.h"
#include "project/ProjectDocument.h"

DiskSync::DiskSync(ProjectDocument &document, ProjectCommands &commands, BaseCopy &base)
    : m_document(document), m_commands(commands), m_base(base)
{
    m_offerLater.setSingleShot(true);
    connect(&m_offerLater, &QTimer::timeout, this, &DiskSync::check);
    connect(&m_watch, &DiskWatch::changed, this, &DiskSync::check);
    connect(&document, &ProjectDocument::changed, this, &DiskSync::documentChanged);
}

void DiskSync::check()
{
    if (m_busy) {
        m_pending = true;   // looked at once the question or the merge is done
        return;
    }
    compare();
    offerCopies();
}

void DiskSync::documentChanged(const DocumentChange &change)
{
    using Part = DocumentChange::Part;
    if (m_document.isModified())
        m_base.keepForUnsavedWork();
    if (change.cause == DocumentChange::Cause::Edit
        && (change.parts & (Part::Tasks | Part::Outline | Part::Name | Part::Settings))) {
        m_sinceEdit.start();
        if (m_note == Texts::updatedFromDisk())
            setNote(QString());
    }
    if (!change.has(Part::File))
        return;
    m_watch.watch(m_document.filePath());
    // Saved, opened, new: the file is its base now, nothing to read. (An
    // edit's first keystroke changes File too.)
    const bool fresh = change.cause == DocumentChange::Cause::New || change.cause == DocumentChange::Cause::Load;
    if (!m_busy && !m_document.isModified() && (fresh || m_note != Texts::updatedFromDisk()))
        setNote(QString());
}

void DiskSync::compare()
{
    const QString file = m_document.filePath();
    if (file.isEmpty() || !m_base.holds(file))
        return setNote(QString());
    if (!KestrelFile::exists(file))
        return setNote(Texts::goneFromDisk());
    QByteArray disk;
    if (!KestrelFile::readBytes(file, disk, nullptr))
        return;   // Save tells why, and asks where to save instead
    if (disk == m_base.bytes()) {
        if (m_note != Texts::updatedFromDisk())
            setNote(QString());
        return;
    }
    if (m_document.isModified())
        return setNote(Texts::changedOnDisk());
    // Half written by a sync tool, or no project: the next event looks again.
    const std::optional<Project> theirs = m_commands.projectFrom(disk);
    if (!theirs)
        return;
    m_busy = true;
    m_commands.takeIn(file, disk, *theirs);
    m_busy = false;
    setNote(Texts::updatedFromDisk());
    if (std::exchange(m_pending, false))
        QTimer::singleShot(0, this, &DiskSync::check);
}

void DiskSync::offerCopies()
{
    if (!m_commands.hasCopiesToOffer())
        return;
    // A question never lands in the middle of typing.
    if (m_sinceEdit.isValid() && m_sinceEdit.elapsed() < kQuietMs) {
        m_offerLater.start(int(kQuietMs - m_sinceEdit.elapsed()));
        return;
    }
    m_busy = true;
    m_commands.offerConflictCopies();
    m_busy = false;
    if (std::exchange(m_pending, false))
        QTimer::singleShot(0, this, &DiskSync::check);
}

void DiskSync::setNote(const QString &note)
{
    if (note == m_note)
        return;
    m_note = note;
    emit noteChanged(m_note);
}
