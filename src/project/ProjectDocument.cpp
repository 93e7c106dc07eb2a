#include "project/ProjectDocument.h"

#include <QHash>

#include "base/Rules.h"
#include "base/Texts.h"
#include "project/DueDate.h"
#include "project/Sequence.h"

namespace {
TaskCounts operator+(TaskCounts a, TaskCounts b) { return {a.total + b.total, a.completed + b.completed}; }
TaskCounts operator-(TaskCounts a, TaskCounts b) { return {a.total - b.total, a.completed - b.completed}; }

QStringList changedTaskKeys(const Project &was, const Project &now)
{
    QHash<QString, const QString *> before;
    for (const SubGoal &goal : was.subGoals)
        before.insert(goal.key, &goal.tasks);
    QStringList keys;
    for (const SubGoal &goal : now.subGoals) {
        const QString *text = before.value(goal.key);
        if (!text || *text != goal.tasks)
            keys << goal.key;
    }
    return keys;
}
} // namespace

ProjectDocument::ProjectDocument(QObject *parent) : QObject(parent)
{
    m_project.name = Texts::defaultProjectName();
    m_planTimer.setSingleShot(true);
    m_planTimer.setInterval(kPlanDelayMs);
    connect(&m_planTimer, &QTimer::timeout, this, [this] {
        replanStale();
        emitChange({DocumentChange::Plan});
    });
}

int ProjectDocument::indexOfKey(const QString &key) const
{
    for (int i = 0; i < subGoalCount(); ++i) {
        if (m_project.subGoals.at(i).key == key)
            return i;
    }
    return -1;
}

TaskCounts ProjectDocument::counts(int index) const
{
    return isSubGoal(index) ? m_counts.at(index) : TaskCounts{};
}

const Schedule &ProjectDocument::schedule() const
{
    const_cast<ProjectDocument *>(this)->replanStale();
    return m_plan;
}

Lateness ProjectDocument::lateness(int index, const QDate &today) const
{
    Lateness late;
    if (!isSubGoal(index))
        return late;
    const SubGoal &goal = m_project.subGoals.at(index);
    late.due = goal.due.isEmpty() ? QDate() : DueDate::parse(goal.due);
    if (index < m_plan.goals.size())
        late.planEnd = m_plan.goals.at(index).lastPendingDay;   // done work is never late
    if (!late.due.isValid())
        return late;
    late.overdue = late.due < today && m_counts.at(index).pending() > 0;
    if (!late.planEnd.isValid())
        return late;
    late.overruns = late.planEnd > late.due;
    const WorkCalendar calendar = WorkCalendar::of(m_project.settings);
    late.slack = late.overruns ? -calendar.workingDaysAfter(late.due, late.planEnd)
                               : calendar.workingDaysAfter(late.planEnd, late.due);
    return late;
}

// ---------------------------------------------------------------- intents

void ProjectDocument::setName(const QString &name)
{
    if (name == m_project.name)
        return;
    DocumentChange change{DocumentChange::Name};
    change.before = m_project;
    m_project.name = name;
    edited(std::move(change));
}

bool ProjectDocument::addSubGoal(const QString &name, const QString &key)
{
    if (subGoalCount() >= Rules::kSubGoalCards)
        return false;
    DocumentChange change{DocumentChange::Outline | DocumentChange::Plan};
    change.before = m_project;
    m_project.subGoals.append({key, name, QString(), QString()});
    m_counts.append(TaskCounts{});
    m_holdsCr.append(false);
    replanAll();
    edited(std::move(change));
    return true;
}

void ProjectDocument::renameSubGoal(int index, const QString &name)
{
    if (!isSubGoal(index) || m_project.subGoals.at(index).name == name)
        return;
    DocumentChange change{DocumentChange::Outline};
    change.before = m_project;
    m_project.subGoals[index].name = name;
    edited(std::move(change));
}

void ProjectDocument::removeSubGoal(int index)
{
    if (!isSubGoal(index))
        return;
    DocumentChange change{DocumentChange::Outline | DocumentChange::Selection | DocumentChange::Plan};
    change.before = m_project;
    // What started after it starts with the project now; an undo brings
    // both back, since both are in before.
    const QString key = m_project.subGoals.at(index).key;
    for (SubGoal &goal : m_project.subGoals) {
        if (goal.after == key)
            goal.after.clear();
    }
    m_project.subGoals.removeAt(index);
    m_counts.removeAt(index);
    m_holdsCr.removeAt(index);
    m_selectedCard = 0;
    replanAll();
    edited(std::move(change));
}

void ProjectDocument::setDueDate(int index, const QString &due)
{
    if (!isSubGoal(index) || m_project.subGoals.at(index).due == due)
        return;
    DocumentChange change{DocumentChange::Outline | DocumentChange::Plan};
    change.before = m_project;
    m_project.subGoals[index].due = due;
    replanGoal(index);   // its late flags; no other sub-goal moves
    edited(std::move(change));
}

bool ProjectDocument::setStartsAfter(int index, const QString &afterKey)
{
    if (!isSubGoal(index))
        return false;
    if (m_project.subGoals.at(index).after == afterKey)
        return true;
    if (!afterKey.isEmpty() && (indexOfKey(afterKey) < 0 || Sequence::wouldLoop(m_project, index, afterKey)))
        return false;
    DocumentChange change{DocumentChange::Outline | DocumentChange::Plan};
    change.before = m_project;
    m_project.subGoals[index].after = afterKey;
    replanGoal(index);
    edited(std::move(change));
    return true;
}

void ProjectDocument::setTasks(int index, const QString &text)
{
    if (!isSubGoal(index) || m_project.subGoals.at(index).tasks == text)
        return;
    m_project.subGoals[index].tasks = text;
    const TaskText::Facts facts = TaskText::scan(text);
    m_counts[index] = facts.counts;
    m_holdsCr[index] = facts.holdsCr;
    tasksChanged(index);
}

bool ProjectDocument::editTasks(int index, qsizetype at, qsizetype removed, QStringView inserted,
                                qsizetype lengthAfter)
{
    if (!isSubGoal(index) || m_holdsCr.at(index) || inserted.contains(u'\r'))
        return false;   // a CR shows as a break of its own in the box: positions would not match
    QString &text = m_project.subGoals[index].tasks;
    if (at < 0 || removed < 0 || at + removed > text.size() || text.size() - removed + inserted.size() != lengthAfter)
        return false;
    if (removed == 0 && inserted.isEmpty())
        return true;
    // Only the lines the edit touches are counted again.
    const qsizetype from = TaskText::lineStart(text, at);
    const TaskCounts old = TaskText::count(QStringView(text).sliced(from, TaskText::lineEnd(text, at + removed) - from));
    text.replace(at, removed, inserted.data(), inserted.size());
    const QStringView now(text);
    m_counts[index] = m_counts.at(index) - old
                      + TaskText::count(now.sliced(from, TaskText::lineEnd(now, at + inserted.size()) - from));
    tasksChanged(index);
    return true;
}

void ProjectDocument::setSettings(const ProjectSettings &settings)
{
    if (settings == m_project.settings)
        return;
    DocumentChange change{DocumentChange::Settings | DocumentChange::Plan};
    change.before = m_project;
    m_project.settings = settings;
    replanAll();
    edited(std::move(change));
}

void ProjectDocument::select(int card)
{
    if (card < 0 || card > subGoalCount() || card == m_selectedCard)
        return;
    m_selectedCard = card;
    emitChange({DocumentChange::Selection});
}

void ProjectDocument::assign(Project project, DocumentChange::Cause cause, std::optional<Project> before)
{
    using Cause = DocumentChange::Cause;
    const bool fresh = cause == Cause::New || cause == Cause::Load;
    const QString selectedKey = isSubGoal(selectedSubGoal()) ? subGoal(selectedSubGoal()).key : QString();
    if (project.subGoals.size() > Rules::kSubGoalCards)
        project.subGoals.resize(Rules::kSubGoalCards);
    DocumentChange change{DocumentChange::All};
    if (!fresh)
        change.tasksChanged = changedTaskKeys(m_project, project);
    m_project = std::move(project);
    recountAll();
    replanAll();
    const int kept = fresh || selectedKey.isEmpty() ? -1 : indexOfKey(selectedKey);
    m_selectedCard = kept + 1;
    // What is loaded or new is what the file holds; anything else is work to save.
    m_modified = !fresh;
    ++m_revision;
    change.cause = cause;
    change.before = std::move(before);
    emitChange(std::move(change));
}

void ProjectDocument::setFilePath(const QString &path)
{
    if (path == m_filePath)
        return;
    m_filePath = path;
    emitChange({DocumentChange::File});
}

void ProjectDocument::markSaved(const QString &path)
{
    if (path == m_filePath && !m_modified)
        return;
    m_filePath = path;
    m_modified = false;
    emitChange({DocumentChange::File});
}

void ProjectDocument::replanNow()
{
    replanAll();
    emitChange({DocumentChange::Plan});
}

// ---------------------------------------------------------------- inside

void ProjectDocument::emitChange(DocumentChange change)
{
    emit changed(change);
}

void ProjectDocument::edited(DocumentChange change)
{
    ++m_revision;
    const bool wasModified = std::exchange(m_modified, true);
    if (!wasModified)
        change.parts |= DocumentChange::File;
    emitChange(std::move(change));
}

void ProjectDocument::tasksChanged(int index)
{
    if (index < m_stale.size())
        m_stale[index] = true;
    if (m_project.settings.start.isValid())
        m_planTimer.start();
    DocumentChange change{DocumentChange::Tasks};
    change.subGoal = index;
    edited(std::move(change));
}

void ProjectDocument::recountAll()
{
    m_counts.clear();
    m_holdsCr.clear();
    for (const SubGoal &goal : std::as_const(m_project.subGoals)) {
        const TaskText::Facts facts = TaskText::scan(goal.tasks);
        m_counts.append(facts.counts);
        m_holdsCr.append(facts.holdsCr);
    }
}

void ProjectDocument::replanAll()
{
    m_planTimer.stop();
    m_plan = scheduleProject(m_project);
    m_stale.fill(false, m_plan.goals.size());
}

void ProjectDocument::replanGoal(int index)
{
    if (index < m_stale.size())
        m_stale[index] = true;
    replanStale();
}

void ProjectDocument::replanStale()
{
    if (!m_stale.contains(true))
        return;
    const WorkCalendar calendar = WorkCalendar::of(m_project.settings);
    const QList<int> links = Sequence::links(m_project);
    // In plan order: a sub-goal whose end moved moves those after it, which
    // come later in the order.
    for (int i : Sequence::planOrder(links)) {
        if (!m_stale.at(i))
            continue;
        m_stale[i] = false;
        const QDate oldEnd = m_plan.goals.at(i).end();
        const qsizetype oldLeftOut = m_plan.goals.at(i).leftOut;
        // The plan before the edit lends it the lines the edit left alone.
        GoalPlan plan = planSubGoal(m_project.subGoals.at(i), i, sequenceStart(m_project, m_plan, links.at(i)), calendar,
                                    &m_plan.goals.at(i));
        m_plan.goals[i] = std::move(plan);
        if (m_plan.goals.at(i).end() == oldEnd && m_plan.goals.at(i).leftOut == oldLeftOut)
            continue;
        for (qsizetype j = 0; j < links.size(); ++j) {
            if (links.at(j) == i)
                m_stale[j] = true;
        }
    }
}
