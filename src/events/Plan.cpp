// The plan as printed: which lines are tasks, which are done, what is late.
#include "events/Plan.h"

#include "base/Rules.h"
#include "base/Texts.h"
#include "project/TaskText.h"

Plan planOf(const ProjectDocument &document, const QDate &day)
{
    Plan plan{document.project(), day, document.schedule(), {}};
    for (int i = 0; i < document.subGoalCount(); ++i)
        plan.lateness.append(document.lateness(i, day));
    return plan;
}

QString lateMark(const Lateness &lateness)
{
    if (lateness.overdue)
        return Texts::overdue();
    return lateness.overruns ? Texts::endsLate() : QString();
}

QString plainLine(QString text)
{
    for (QChar &c : text) {
        if (c.unicode() < 32 || c.unicode() == 127)
            c = u' ';
    }
    return text;
}

QList<PlanTask> planTasks(const QString &taskText)
{
    QList<PlanTask> tasks;
    int lineNumber = 0;
    // Split as the counters split: at LF only, a CR stays in the line.
    for (QStringView line : QStringView(taskText).tokenize(u'\n')) {
        if (TaskText::isTaskLine(line)) {
            const bool done = line.contains(Rules::kDoneMark);
            QString text = line.toString();
            if (done)
                text.remove(Rules::kDoneMark.toString());
            tasks.append({plainLine(text).trimmed(), done, lineNumber});
        }
        ++lineNumber;
    }
    return tasks;
}

QString exportFileName(const QString &projectName, const QString &suffix)
{
    QString name;
    for (QChar c : projectName.trimmed())
        name += (c.unicode() < 32 || QStringView(u"/\\:*?\"<>|").contains(c)) ? u'_' : c;
    if (name.isEmpty() || name.startsWith(u'.'))
        name.prepend(Texts::productName());
    return name + u'.' + suffix;
}
