// The plan as printed: which lines are tasks, which are done, what is late.
#include "project/Plan.h"

#include "app/Texts.h"
#include "tasks/DueDates.h"
#include "tasks/Tasks.h"

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
    // Split as countTasks splits: at CR LF only, a lone CR stays in the line.
    for (QStringView line : QStringView(taskText).tokenize(Rules::kCrLf)) {
        if (isTaskLine(line)) {
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

bool isOverdue(const SubGoal &goal, const QDate &day)
{
    const QDate due = DueDates::parseDueDateText(goal.due);
    if (goal.due.isEmpty() || !due.isValid() || due >= day)
        return false;
    const TaskCounts counts = countTasks(goal.tasks);
    return !(counts.completed > 0 && counts.completed == counts.total);
}

QString pdfFileName(const QString &projectName)
{
    QString name;
    for (QChar c : projectName.trimmed())
        name += (c.unicode() < 32 || QStringView(u"/\\:*?\"<>|").contains(c)) ? u'_' : c;
    if (name.isEmpty() || name.startsWith(u'.'))
        name.prepend(Texts::productName());
    return name + Texts::pdfSuffix();
}
