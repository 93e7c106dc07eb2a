#include "project/Merge.h"

#include <QHash>
#include <QLocale>
#include <QSet>

#include "base/Rules.h"
#include "base/Texts.h"
#include "project/GpjFormat.h"
#include "project/LineMerge.h"
#include "project/Schedule.h"

namespace Merge {

namespace {

bool sameGoal(const SubGoal &a, const SubGoal &b)
{
    return a.name == b.name && a.due == b.due && LineMerge::sameLines(a.tasks, b.tasks);
}

// One value changed on either side: a change of one side is taken; both
// changed it differently: mine stays, and clash says so.
template <typename T>
struct Pick {
    T value;
    bool theirsTaken = false;
    bool clash = false;
};
template <typename T>
Pick<T> pick(const T &base, const T &mine, const T &theirs)
{
    if (mine == theirs || theirs == base)
        return {mine};
    if (mine == base)
        return {theirs, true};
    return {mine, false, true};
}

QString weekText(const std::optional<WorkWeek> &week)
{
    const WorkWeek days = week.value_or(defaultWorkWeek());
    QStringList names;
    for (int d = 0; d < 7; ++d) {
        if (days[size_t(d)])
            names << QLocale().dayName(d + 1, QLocale::ShortFormat);
    }
    return names.isEmpty() ? Texts::noWorkingDays() : names.join(QStringLiteral(", "));
}

QString dateText(const QDate &date)
{
    return date.isValid() ? QLocale().toString(date, QLocale::ShortFormat) : Texts::notSet();
}

// A key that no sub-goal before it uses in any letter case, and that may
// name a task file: kept when it is one already.
QString freeKey(const QString &key, const QSet<QString> &taken)
{
    if (Gpj::isSafeKey(key) && !taken.contains(key.toLower()))
        return key;
    QString stem;
    for (QChar c : key) {
        if (Gpj::isSafeKey(QStringView(&c, 1)))
            stem += c;
    }
    stem = stem.left(Gpj::kMaxKeyLength - 8);
    if (stem.isEmpty())
        stem = QStringLiteral("goal");
    for (int n = 2;; ++n) {
        const QString candidate = stem + u'_' + QString::number(n);
        if (!taken.contains(candidate.toLower()))
            return candidate;
    }
}

class ProjectMerge {
public:
    ProjectMerge(const Project &base, const Project &mine, const Project &theirs)
        : m_base(base), m_mine(mine), m_theirs(theirs)
    {
        const Project *sides[3] = {&base, &mine, &theirs};
        for (int side = 0; side < 3; ++side) {
            for (const SubGoal &goal : sides[side]->subGoals)
                m_byKey[side].insert(goal.key, &goal);   // a key given twice: its last sub-goal
        }
    }

    Result run()
    {
        Result result;
        mergeValues(result.project);
        QList<SubGoal> goals;
        for (const QString &key : order()) {
            if (std::optional<SubGoal> goal = mergeGoal(key))
                goals.append(std::move(*goal));
        }
        fitCards(goals);
        QSet<QString> taken;
        for (SubGoal &goal : goals) {
            goal.key = freeKey(goal.key, taken);
            taken.insert(goal.key.toLower());
        }
        result.project.subGoals = std::move(goals);
        result.report = std::move(m_report);
        return result;
    }

private:
    const SubGoal *find(int side, const QString &key) const { return m_byKey[side].value(key); }

    void mergeValues(Project &out)
    {
        const Pick name = pick(m_base.name, m_mine.name, m_theirs.name);
        const Pick start = pick(m_base.settings.start, m_mine.settings.start, m_theirs.settings.start);
        const Pick week = pick(m_base.settings.workWeek, m_mine.settings.workWeek, m_theirs.settings.workWeek);
        out.name = name.value;
        out.settings = {start.value, week.value};
        const auto note = [&](const auto &picked, const QString &what, const auto &other) {
            if (picked.theirsTaken)
                m_report.takenIn << what;
            if (picked.clash)
                m_report.otherValues << Texts::otherValue(what, other());
        };
        note(name, Texts::projectNameWhat(), [&] { return Texts::quoted(m_theirs.name); });
        note(start, Texts::startDateWhat(), [&] { return dateText(m_theirs.settings.start); });
        note(week, Texts::workWeekWhat(), [&] { return weekText(m_theirs.settings.workWeek); });
    }

    // The keys in card order: the orders of both sides merged like lines;
    // a card kept by one side only goes after the card before it there.
    QStringList order() const;
    std::optional<SubGoal> mergeGoal(const QString &key);
    SubGoal mergeBoth(const SubGoal &base, const SubGoal &mine, const SubGoal &theirs);
    void fitCards(QList<SubGoal> &goals);

    const Project &m_base, &m_mine, &m_theirs;
    QHash<QString, const SubGoal *> m_byKey[3];
    Report m_report;
};

QStringList ProjectMerge::order() const
{
    QHash<QString, int> ids;
    QStringList names;
    QList<int> sides[3];
    int s = 0;
    for (const Project *p : {&m_base, &m_mine, &m_theirs}) {
        for (const SubGoal &goal : p->subGoals) {
            auto id = ids.constFind(goal.key);
            if (id == ids.cend()) {
                id = ids.insert(goal.key, int(names.size()));
                names << goal.key;
            }
            sides[s].append(id.value());
        }
        ++s;
    }
    QStringList keys;
    QSet<int> placed;
    for (const LineMerge::Piece &piece : LineMerge::merge(sides[0], sides[1], sides[2]).pieces) {
        const bool fromTheirs = piece.from == LineMerge::From::Theirs || piece.from == LineMerge::From::OtherCopy;
        const int id = sides[fromTheirs ? 2 : 1].at(piece.index);
        if (!placed.contains(id)) {
            placed.insert(id);
            keys << names.at(id);
        }
    }
    // Kept though one side deleted it: after its neighbour on the side that kept it.
    for (int side : {1, 2}) {
        const QList<int> &list = sides[side];
        for (qsizetype i = 0; i < list.size(); ++i) {
            if (placed.contains(list.at(i)))
                continue;
            const qsizetype at = i == 0 ? 0 : keys.indexOf(names.at(list.at(i - 1))) + 1;
            keys.insert(at, names.at(list.at(i)));
            placed.insert(list.at(i));
        }
    }
    return keys;
}

std::optional<SubGoal> ProjectMerge::mergeGoal(const QString &key)
{
    const SubGoal *base = find(0, key), *mine = find(1, key), *theirs = find(2, key);
    if (mine && theirs)
        return mergeBoth(base ? *base : SubGoal{key, {}, {}, {}}, *mine, *theirs);
    const SubGoal *kept = mine ? mine : theirs;
    if (!kept)
        return std::nullopt;
    if (!base) {
        if (theirs)
            m_report.added << theirs->name;
        return *kept;
    }
    if (sameGoal(*base, *kept)) {
        // Deleted on the other side and left alone on this one: it goes.
        if (mine)
            m_report.removed << mine->name;
        return std::nullopt;
    }
    m_report.keptDeleted << kept->name;
    return *kept;
}

SubGoal ProjectMerge::mergeBoth(const SubGoal &base, const SubGoal &mine, const SubGoal &theirs)
{
    SubGoal goal = mine;
    const Pick name = pick(base.name, mine.name, theirs.name);
    const Pick due = pick(base.due, mine.due, theirs.due);
    goal.name = name.value;
    goal.due = due.value;
    const LineMerge::TextResult tasks = LineMerge::mergeText(base.tasks, mine.tasks, theirs.tasks, Texts::otherCopyMarker());
    goal.tasks = tasks.text;
    if (name.clash)
        m_report.otherValues << Texts::otherValue(Texts::goalNameWhat(goal.name), Texts::quoted(theirs.name));
    if (due.clash)
        m_report.otherValues << Texts::otherValue(Texts::dueDateWhat(goal.name),
                                                  theirs.due.isEmpty() ? Texts::notSet() : theirs.due);
    if (tasks.conflict)
        m_report.bothTexts << goal.name;
    if (!sameGoal(goal, mine))
        m_report.changed << goal.name;
    return goal;
}

void ProjectMerge::fitCards(QList<SubGoal> &goals)
{
    if (goals.size() <= Rules::kSubGoalCards)
        return;
    // This side's cards keep their places; the other copy's go first.
    QList<bool> moving(goals.size(), false);
    qsizetype surplus = goals.size() - Rules::kSubGoalCards;
    for (bool mineToo : {false, true}) {
        for (qsizetype i = goals.size() - 1; i >= 0 && surplus > 0; --i) {
            if (!moving[i] && (mineToo || !find(1, goals.at(i).key))) {
                moving[i] = true;
                --surplus;
            }
        }
    }
    QList<SubGoal> kept, moved;
    for (qsizetype i = 0; i < goals.size(); ++i)
        (moving[i] ? moved : kept).append(std::move(goals[i]));
    SubGoal &host = kept.last();
    for (const SubGoal &goal : std::as_const(moved)) {
        if (!host.tasks.isEmpty() && !host.tasks.endsWith(u'\n'))
            host.tasks += u'\n';
        host.tasks += movedInNote(goal) + u'\n';
        for (QStringView line : LineMerge::linesOf(goal.tasks)) {
            host.tasks += line;
            host.tasks += u'\n';
        }
        m_report.movedIn << Texts::mergedMovedIn(goal.name, host.name, movedInNote(goal));
    }
    goals = std::move(kept);
}

} // namespace

bool Report::isEmpty() const
{
    return added.isEmpty() && changed.isEmpty() && removed.isEmpty() && keptDeleted.isEmpty() && bothTexts.isEmpty()
           && takenIn.isEmpty() && otherValues.isEmpty() && movedIn.isEmpty();
}

QStringList Report::lines() const
{
    QStringList out;
    const auto names = [](const QStringList &list) {
        QStringList quoted;
        for (const QString &name : list)
            quoted << Texts::quoted(name);
        return quoted.join(QStringLiteral(", "));
    };
    if (!added.isEmpty())
        out << Texts::mergedAdded(names(added));
    if (!changed.isEmpty())
        out << Texts::mergedChanged(names(changed));
    if (!takenIn.isEmpty())
        out << Texts::mergedTakenIn(takenIn.join(QStringLiteral(", ")));
    if (!removed.isEmpty())
        out << Texts::mergedRemoved(names(removed));
    if (!keptDeleted.isEmpty())
        out << Texts::mergedKeptDeleted(names(keptDeleted));
    if (!bothTexts.isEmpty())
        out << Texts::mergedBothTexts(names(bothTexts));
    out << otherValues << movedIn;
    return out;
}

Result merge(const Project &base, const Project &mine, const Project &theirs)
{
    return ProjectMerge(base, mine, theirs).run();
}

Project keptBy(const Project &base, const Project &other)
{
    Project kept = base;
    kept.subGoals.clear();
    for (const SubGoal &goal : base.subGoals) {
        const auto same = std::find_if(other.subGoals.begin(), other.subGoals.end(),
                                       [&](const SubGoal &o) { return o.key == goal.key; });
        if (same == other.subGoals.end())
            continue;
        kept.subGoals.append({goal.key, goal.name, goal.due, LineMerge::keptLines(goal.tasks, same->tasks)});
    }
    return kept;
}

QString movedInNote(const SubGoal &goal)
{
    return Texts::movedInNote(goal.name, goal.due);
}

} // namespace Merge
