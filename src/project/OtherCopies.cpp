// Another copy of the open project, from another device: taken in, merged
// at Save, or left beside it by a sync tool.
#include <QFileInfo>

#include "base/Ask.h"
#include "base/Texts.h"
#include "project/BaseCopy.h"
#include "project/ConflictCopies.h"
#include "project/GoalKeys.h"
#include "project/GpjFormat.h"
#include "project/ProjectCommands.h"
#include "project/ProjectDocument.h"

std::optional<Project> ProjectCommands::projectFrom(const QByteArray &bytes) const
{
    Gpj::ReadResult read = Gpj::readFile(bytes);
    if (read.noProjectSections)
        return std::nullopt;
    GoalKeys::makeSafe(read.project, m_tools, m_folders);
    return std::move(read.project);
}

Merge::Report ProjectCommands::mergeIn(const Project &theirs, const Project &base)
{
    Merge::Result merged = Merge::merge(base, m_document.project(), theirs);
    if (!(merged.project == m_document.project()))
        m_document.assign(std::move(merged.project), DocumentChange::Cause::Merge, m_document.project());
    return std::move(merged.report);
}

Merge::Report ProjectCommands::mergeIn(const Project &theirs)
{
    // The base as written: its keys are the ones the open project kept.
    return mergeIn(theirs, Gpj::readFile(m_base.bytes()).project);
}

void ProjectCommands::takeIn(const QString &file, const QByteArray &bytes, const Project &theirs)
{
    mergeIn(theirs);
    m_base.set(file, bytes);
    m_document.markSaved(file);
}

QStringList ProjectCommands::copiesToOffer() const
{
    if (m_document.filePath().isEmpty())
        return {};
    QStringList copies;
    for (const QString &copy : ConflictCopies::beside(m_document.filePath())) {
        if (!m_answeredCopies.contains(copy) && !m_laterCopies.contains(copy))
            copies << copy;
    }
    return copies;
}

bool ProjectCommands::hasCopiesToOffer() const
{
    return !copiesToOffer().isEmpty();
}

void ProjectCommands::offerConflictCopies()
{
    for (const QString &copy : copiesToOffer()) {
        const MsgAnswer answer = m_ask.MsgBox(Texts::conflictCopyQuestion(QFileInfo(copy).fileName()),
                                              Texts::conflictCopyTitle(), Msg::YesNoQuestion);
        // Esc or the close box: not now, which drops nothing.
        if (answer != Msg::Yes && answer != Msg::No) {
            m_laterCopies.insert(copy);
            continue;
        }
        m_answeredCopies.insert(copy);
        if (answer == Msg::Yes)
            mergeCopy(copy);
    }
}

void ProjectCommands::mergeCopy(const QString &path)
{
    const std::optional<Project> theirs = readProjectFile(path);
    if (!theirs)
        return;
    // Which version the copy grew from is unknown: it may be older than the
    // base, or this device's own earlier save. Merged over the base as far
    // as the copy still holds it, the copy adds and changes but takes
    // nothing away.
    const Project base = Merge::keptBy(Gpj::readFile(m_base.bytes()).project, *theirs);
    const Merge::Report report = mergeIn(*theirs, base);
    const QString name = QFileInfo(path).fileName();
    m_ask.MsgBox(Texts::mergedCopy(name, report.isEmpty() ? QStringList{Texts::mergedNothingNew()} : report.lines()),
                 Texts::mergedTitle(), Msg::Information);
}
