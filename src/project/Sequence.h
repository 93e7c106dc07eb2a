#pragma once
#include <QList>
#include <QString>

#include "project/Project.h"

// Sub-goals in sequence: a sub-goal may start after another one ends
// (SubGoal::after names the other's key). The document refuses a link that
// would close a loop; a file written by hand may still hold one, or a key
// no sub-goal has, and such a link is planned as no link at all.
namespace Sequence {

// Per sub-goal, the index of the sub-goal it starts after; -1 for none,
// for a key no other sub-goal has, and for every link of a loop.
QList<int> links(const Project &project);
// The sub-goals in an order where each comes after the one it waits for,
// otherwise in card order.
QList<int> planOrder(const QList<int> &links);
// Whether sub-goal index starting after the sub-goal keyed afterKey would
// close a loop (also when it names itself).
bool wouldLoop(const Project &project, int index, const QString &afterKey);

} // namespace Sequence
