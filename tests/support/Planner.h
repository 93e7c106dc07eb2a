#pragma once
#include <QByteArray>
#include <QString>

#include "ScriptedModals.h"
#include "TempAppFolder.h"
#include "app/Session.h"
#include "dashboard/Cards.h"

// A running Tarvo without its window, in a fresh application folder, with
// every question answered by script: what most tests of the behaviour need.
struct Planner {
    TempAppFolder app;
    ScriptedModals modals;
    Session s{app.path(), modals, modals};

    const Project &project() const { return s.document.project(); }
    // A name typed into the name box and Enter pressed; what the box holds after.
    QString type(const QString &name);
    void select(int card) { s.dashboard.lblGoal_Click(card); }
    // The selected sub-goal's tasks as typed into the task box (lines
    // separated by LF).
    void typeTasks(const QString &text) { s.tasks.txtGoalTasks_Change(text); }
    // Sub-goals added, each with its tasks; the main goal selected after.
    void add(const QList<std::pair<QString, QString>> &goals);
    // The card's task file as it is once every write has landed.
    QByteArray taskFile(int card);
    QString key(int card) const { return cardRecord(s.document, card).key; }
    CardRecord card(int k) const { return cardRecord(s.document, k); }
    // "Tasks: 2|Completed: 1|Pending: 1", as the card shows them.
    QString counters(int card) const;
};
