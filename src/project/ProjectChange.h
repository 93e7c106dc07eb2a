#pragma once
#include <QString>

#include "project/Project.h"

// What an undo step is about. A step is the project before and after one
// command; these tell whether a command changed the project's outline (what
// undo takes back: sub-goals, names, due dates, sequence, the project's
// name and settings; not the task text, which the task box undoes itself)
// and name the change for the Edit menu.
namespace ProjectChange {

bool sameOutline(const Project &a, const Project &b);
// "Add “Design”", "Delete “Design”", "Rename “Design”", "Due Date of
// “Design”", "Sequence of “Design”", "Project Name", "Start Date",
// "Working Week", "Days Off".
QString describe(const Project &before, const Project &after);
// Only the project's name changed: typing it is one step, not one a key.
bool onlyNameChanged(const Project &before, const Project &after);
// Only the due date of one sub-goal changed: its key, else "". Moves of the
// calendar that follow each other are one step.
QString onlyDueDateOf(const Project &before, const Project &after);
// The project brought back to target's outline (an undo or redo step):
// sub-goals, names, due dates, name and settings as target has them. A
// sub-goal's tasks stay as they are now; one that is gone now comes back
// with the tasks target holds.
Project restoreOutline(const Project &now, const Project &target);
// The project brought back to target whole, tasks too (a step that took in
// another copy): only a task text typed since the step, one that differs
// from from's, stays as it is now.
Project restoreWhole(const Project &now, const Project &from, const Project &target);

} // namespace ProjectChange
