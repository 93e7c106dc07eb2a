#include "Workload.h"

namespace workload {

namespace {
const char *const kVerbs[] = {"Call the supplier about", "Check the invoice of", "Write the notes for",
                              "Order the parts for"};
}

QString taskLine(int i)
{
    QString line = QString::fromLatin1(kVerbs[i % 4]) + u' ' + QString::number(100000 + i);
    if (i % 3 == 0)
        line += QStringLiteral(" --");
    return line;
}

QString taskText(int lines)
{
    QString text;
    text.reserve(qsizetype(lines) * 34);
    for (int i = 0; i < lines; ++i) {
        if (i)
            text += u'\n';
        text += taskLine(i);
    }
    return text;
}

qsizetype completedOf(int lines) { return (lines + 2) / 3; }

Project makeProject(int tasksPerGoal)
{
    Project p;
    p.name = QStringLiteral("Benchmark project");
    p.tasksPerGoal = tasksPerGoal;
    for (int g = 0; g < Project::kGoals; ++g) {
        p.goalNames << QStringLiteral("Sub-goal %1").arg(g + 1);
        p.keys << QStringLiteral("%1-%2-%3").arg(101 + g).arg(301 + 7 * g).arg(302 + 11 * g);
        // Half carry a due date; its text is kept as stored either way.
        p.dues << (g % 2 ? QString() : QStringLiteral("2%1/03/2031").arg(g));
    }
    return p;
}

QString Project::taskFileText(int goal) const
{
    QString text;
    text.reserve(qsizetype(tasksPerGoal) * 34);
    for (int i = 0; i < tasksPerGoal; ++i) {
        // Goals differ in their lines, so a mix-up between task files shows.
        text += taskLine(i + goal);
        text += QStringLiteral("\r\n");
    }
    return text;
}

QString Project::taskText(int goal) const
{
    return QString(taskFileText(goal)).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

qsizetype Project::completed(int goal) const
{
    qsizetype done = 0;
    for (int i = 0; i < tasksPerGoal; ++i)
        done += (i + goal) % 3 == 0;
    return done;
}

QByteArray Project::taskFileBytes(int goal) const { return taskFileText(goal).toUtf8(); }

QByteArray Project::fileBytes() const
{
    QString out;
    out.reserve(qsizetype(kGoals) * tasksPerGoal * 50 + 1000);
    auto entry = [&out](const QString &key, const QString &value) {
        out += key;
        out += u'=';
        out += value;
        out += QStringLiteral("\r\n");
    };
    out += QStringLiteral("[Project]\r\n");
    entry(QStringLiteral("Name"), name);
    out += QStringLiteral("[Goals]\r\n");
    for (int g = 0; g < kGoals; ++g) {
        const QString stem = QStringLiteral("Goal") + QString::number(g + 1);
        entry(stem, keys[g]);
        entry(stem + QStringLiteral("_Name"), goalNames[g]);
        entry(stem + QStringLiteral("_Due"), dues[g]);
        entry(stem + QStringLiteral("_Tasks"), QString::number(tasksPerGoal));
        for (int i = 0; i < tasksPerGoal; ++i)
            entry(stem + QStringLiteral("_Task") + QString::number(i + 1), taskLine(i + g));
    }
    return out.toUtf8();
}

} // namespace workload
