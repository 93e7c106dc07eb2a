#pragma once
#include <QDate>
#include <QStringList>
#include <QTest>

#include "Planner.h"
#include "events/EventList.h"
#include "project/GpjFormat.h"
#include "project/Schedule.h"

// What the schedule's tests share: a Monday to plan from, working weeks
// written as "1111100", one-sub-goal projects, and a project opened from
// its file with its list's rows in words.
namespace plans {

inline const QDate kMonday(2027, 3, 1);

inline WorkWeek week(const char *days)   // "1111100": Monday to Friday
{
    WorkWeek w{};
    for (int d = 0; d < 7; ++d)
        w[d] = days[d] == '1';
    return w;
}

inline Project oneGoal(const QString &tasks, const QString &due = {})
{
    return Project{"Launch", {{"4521-877-6010", "Design", due, tasks}}, {}};
}

// Each task as "line:first..last", in plan order.
inline QString planOf(const Schedule &schedule)
{
    QStringList out;
    for (qsizetype row = 0; row < schedule.size(); ++row) {
        const ScheduledTask &t = schedule.at(row);
        out << QStringLiteral("%1:%2..%3").arg(t.lineNumber).arg(t.start.toString(Qt::ISODate), t.end.toString(Qt::ISODate));
    }
    return out.join(u' ');
}

// A project opened from its file, as the user opens it.
struct State : Planner {
    explicit State(const Project &project)
    {
        app.write("projects/p.gpj", Gpj::write(project).toUtf8());
        QVERIFY(s.project.LoadProject(app.file("projects/p.gpj")));
    }
    // The list's rows as "Subject|Start Date|End Date".
    QStringList rows() const
    {
        QStringList out;
        for (qsizetype row : s.events.shownRows()) {
            const ScheduledTask &task = s.document.schedule().at(row);
            out << EventList::columnText(project(), task, 0) + u'|' + EventList::columnText(project(), task, 1) + u'|'
                       + EventList::columnText(project(), task, 3);
        }
        return out;
    }
};

} // namespace plans
