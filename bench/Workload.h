#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>

// The texts the benchmark works on, built here independently of the code
// under test, so that what that code writes can be checked against them.
namespace workload {

// Task line i of a list: about 30 characters; every third one is done.
QString taskLine(int i);
// The task text of n lines, lines joined by LF, as the task box holds it.
QString taskText(int lines);
qsizetype completedOf(int lines);   // how many of those carry "--"

struct Project {
    static constexpr int kGoals = 8;
    QString name;
    QStringList goalNames, keys, dues;
    int tasksPerGoal = 0;

    // The project file in Tarvo's layout, byte for byte (UTF-8, CR LF).
    QByteArray fileBytes() const;
    // The task file one sub-goal gets on load: each line ending in CR LF.
    QByteArray taskFileBytes(int goal) const;
    QString taskFileText(int goal) const;
    // The same tasks as the task box holds them: each line ending in LF.
    QString taskText(int goal) const;
    qsizetype completed(int goal) const;   // done lines of that sub-goal
};
Project makeProject(int tasksPerGoal);

} // namespace workload
