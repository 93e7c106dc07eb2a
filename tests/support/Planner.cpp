#include "Planner.h"

#include "base/Texts.h"

QString Planner::type(const QString &name)
{
    QString box = name;
    s.dashboard.txtSubGoal_KeyPress(13, box);
    return box;
}

void Planner::add(const QList<std::pair<QString, QString>> &goals)
{
    for (const auto &[name, tasks] : goals) {
        select(0);   // adding, not renaming
        type(name);
        select(s.document.subGoalCount());
        typeTasks(tasks);
    }
    select(0);
}

QByteArray Planner::taskFile(int card)
{
    s.taskFiles.flush();
    return app.read(QStringLiteral("tmp/") + key(card) + QStringLiteral(".txt"));
}

QString Planner::counters(int card) const
{
    const TaskCounts counts = cardRecord(s.document, card).counts;
    return Texts::tasksCounter(counts.total) + u'|' + Texts::completedCounter(counts.completed) + u'|'
           + Texts::pendingCounter(counts.pending());
}
