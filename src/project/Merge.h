#pragma once
#include <QList>
#include <QString>
#include <QStringList>

#include "project/Project.h"

// Two copies of one project that went apart since a common base (this
// device's and another's, through a synced folder) merged into one, as
// pure functions on project values.
//
// Sub-goals are matched by key, then their task lines merged three ways
// (LineMerge). What one side changed is taken; what both changed alike is
// taken once. Lines both changed differently keep both texts: mine, then
// the other copy's, each ending in " (other copy)". A sub-goal deleted on
// one side and changed on the other is kept with its changes. A name, due
// date or setting both changed differently keeps mine, and the report
// names the other copy's value. Card order merges like lines: where both
// moved a card, mine's order wins. A card that has no place left (more
// than eight after merging) is never dropped: its name and tasks go to
// the last card, under a note line.
namespace Merge {

struct Report {
    QStringList added;        // sub-goals the other copy added
    QStringList changed;      // sub-goals whose changes from the other copy were taken in
    QStringList removed;      // sub-goals the other copy deleted
    QStringList keptDeleted;  // deleted in one copy, changed in the other: kept
    QStringList bothTexts;    // sub-goals that hold lines of both texts
    QStringList takenIn;      // the project's values taken from the other copy, in words
    QStringList otherValues;  // where both changed a value: the other copy's, in words
    QStringList movedIn;      // the cards that had no place, in words

    bool isEmpty() const;
    // One line per kind of change, for the message that reports the merge.
    QStringList lines() const;
};

struct Result {
    Project project;
    Report report;
};

Result merge(const Project &base, const Project &mine, const Project &theirs);
// The base as far as other still holds it: its sub-goals other has, each
// with the lines other has too. Merged over it, other takes nothing away.
Project keptBy(const Project &base, const Project &other);

// The note line above the tasks of a card that had no place.
QString movedInNote(const SubGoal &goal);

} // namespace Merge
