#pragma once
#include <QList>
#include <QString>

// The whole project as the user sees it, as a plain value: what a save
// writes, a load lays out, and what a snapshot, an undo step, an export or
// a printed plan is made from. Two projects are equal when the user could
// not tell them apart.

struct SubGoal {
    QString key;     // three numbers joined by "-"; names the task file
    QString name;
    QString due;     // the due-date text as stored; "" = no due date
    QString tasks;   // the task text, lines separated by CR LF

    friend bool operator==(const SubGoal &, const SubGoal &) = default;
};

struct Project {
    QString name;
    QList<SubGoal> subGoals;   // in card order: card 1 first

    friend bool operator==(const Project &, const Project &) = default;
};
