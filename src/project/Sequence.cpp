// Sub-goals in sequence: who waits for whom, and in which order to plan.
#include "project/Sequence.h"

namespace Sequence {

namespace {

int indexOfKey(const Project &project, const QString &key)
{
    if (key.isEmpty())
        return -1;
    for (qsizetype i = 0; i < project.subGoals.size(); ++i) {
        if (project.subGoals.at(i).key == key)
            return int(i);
    }
    return -1;
}

// Follows the links from start; true when they come back to start.
bool comesBack(const QList<int> &next, int start)
{
    int at = next.at(start);
    // A chain without a loop through start visits each sub-goal once at most.
    for (qsizetype steps = 0; at >= 0 && steps <= next.size(); ++steps) {
        if (at == start)
            return true;
        at = next.at(at);
    }
    return false;
}

QList<int> rawLinks(const Project &project)
{
    QList<int> next;
    next.reserve(project.subGoals.size());
    for (const SubGoal &goal : project.subGoals)
        next.append(indexOfKey(project, goal.after));
    return next;
}

} // namespace

QList<int> links(const Project &project)
{
    const QList<int> next = rawLinks(project);
    QList<int> result = next;
    for (qsizetype i = 0; i < next.size(); ++i) {
        if (comesBack(next, int(i)))
            result[i] = -1;
    }
    return result;
}

QList<int> planOrder(const QList<int> &links)
{
    QList<int> order;
    QList<bool> placed(links.size(), false);
    // At most eight sub-goals: a pass per level of the chain is cheap.
    while (order.size() < links.size()) {
        const qsizetype before = order.size();
        for (qsizetype i = 0; i < links.size(); ++i) {
            if (!placed.at(i) && (links.at(i) < 0 || placed.at(links.at(i)))) {
                placed[i] = true;
                order.append(int(i));
            }
        }
        if (order.size() == before)
            break;   // never with links as links() gives them
    }
    return order;
}

bool wouldLoop(const Project &project, int index, const QString &afterKey)
{
    if (index < 0 || index >= project.subGoals.size() || afterKey.isEmpty())
        return false;
    QList<int> next = rawLinks(project);
    next[index] = indexOfKey(project, afterKey);
    return comesBack(next, index);
}

} // namespace Sequence
