#pragma once
#include <QDate>
#include <QList>
#include <QString>
#include <array>
#include <optional>

// The whole project as the user sees it, as a plain value: what a save
// writes, a load reads, what the document holds and what an undo step, an
// export or a printed plan is made from. Two projects are equal when the
// user could not tell them apart.

struct SubGoal {
    QString key;     // three numbers joined by "-"; names the task file
    QString name;
    QString due;     // the due-date text as stored; "" = no due date
    QString tasks;   // the task text, lines separated by LF (see TaskText.h)
    QString after = {};   // key of the sub-goal it starts after; "" = none

    friend bool operator==(const SubGoal &, const SubGoal &) = default;
};

// Monday first; true = a working day.
using WorkWeek = std::array<bool, 7>;

// What the user set for the plan. Unset parts are not stored, so a project
// that never set them is written exactly as before they existed.
struct ProjectSettings {
    QDate start;                                       // invalid = not set: no plan yet
    std::optional<WorkWeek> workWeek = std::nullopt;   // not set: Monday to Friday
    QList<QDate> daysOff = {};   // not worked (holidays, leave); sorted, each once

    friend bool operator==(const ProjectSettings &, const ProjectSettings &) = default;
};

struct Project {
    QString name;
    QList<SubGoal> subGoals;   // in card order: card 1 first
    ProjectSettings settings = {};

    friend bool operator==(const Project &, const Project &) = default;
};
