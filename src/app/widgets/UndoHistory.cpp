#include "app/widgets/UndoHistory.h"

#include "base/Texts.h"
#include "project/ProjectChange.h"
#include "project/ProjectDocument.h"

namespace {

// One step: the project before and after a change. The first redo is the
// change itself, already done. A step that took in another copy of the
// project goes back whole, tasks too; any other leaves the tasks to the
// task box's own undo.
class ProjectStep : public QUndoCommand {
public:
    // whole: it took in another copy of the project. run: the run of
    // calendar moves it belongs to; -1 for none.
    ProjectStep(ProjectDocument &document, bool &replaying, Project before, Project after, bool whole, int run)
        : QUndoCommand(whole ? Texts::stepUpdateFromDisk() : ProjectChange::describe(before, after)),
          m_document(document), m_replaying(replaying), m_before(std::move(before)), m_after(std::move(after)),
          m_nameOnly(!whole && ProjectChange::onlyNameChanged(m_before, m_after)),
          m_dueOf(run < 0 ? QString() : ProjectChange::onlyDueDateOf(m_before, m_after)), m_run(run), m_whole(whole)
    {
    }
    void undo() override { replay(m_after, m_before); }
    void redo() override
    {
        if (!std::exchange(m_done, false))
            replay(m_before, m_after);
    }
    // Typing the project's name is one step, not one step a key; so are
    // the moves of the calendar on one card.
    int id() const override { return m_nameOnly ? 1 : !m_dueOf.isEmpty() ? 2 : -1; }
    bool mergeWith(const QUndoCommand *other) override
    {
        const auto *next = static_cast<const ProjectStep *>(other);
        const bool oneRun = !m_dueOf.isEmpty() && next->m_dueOf == m_dueOf && next->m_run == m_run;
        if (!(m_nameOnly && next->m_nameOnly) && !oneRun)
            return false;
        m_after = next->m_after;
        return true;
    }

private:
    // Tasks typed since stay.
    void replay(const Project &from, const Project &to)
    {
        const Project &now = m_document.project();
        m_replaying = true;
        m_document.assign(m_whole ? ProjectChange::restoreWhole(now, from, to) : ProjectChange::restoreOutline(now, to),
                          DocumentChange::Cause::Undo);
        m_replaying = false;
    }

    ProjectDocument &m_document;
    bool &m_replaying;
    Project m_before;
    Project m_after;
    bool m_nameOnly;
    QString m_dueOf;   // a calendar move: the one sub-goal whose due date alone changed
    int m_run;
    bool m_whole;
    bool m_done = true;
};

} // namespace

UndoHistory::UndoHistory(ProjectDocument &document, QObject *parent) : QObject(parent), m_document(document)
{
    connect(&document, &ProjectDocument::changed, this, &UndoHistory::documentChanged);
}

void UndoHistory::asCalendarMove(const std::function<void()> &change)
{
    m_calendarMove = true;
    change();
    m_calendarMove = false;
}

void UndoHistory::documentChanged(const DocumentChange &change)
{
    using Cause = DocumentChange::Cause;
    if (m_replaying)
        return;
    if (change.cause == Cause::New || change.cause == Cause::Load || change.cause == Cause::Restore) {
        m_stack.clear();   // the steps were another project's
        return;
    }
    const bool calendarMove = std::exchange(m_calendarMove, false) && change.before;
    if (!calendarMove && (change.before || change.has(DocumentChange::Selection)))
        ++m_run;   // a run of moves ends with anything else
    if (change.before)
        m_stack.push(new ProjectStep(m_document, m_replaying, *change.before, m_document.project(),
                                     change.cause == Cause::Merge, calendarMove ? m_run : -1));
}
