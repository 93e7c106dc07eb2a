// Sub-goals in sequence: the side bar's choice of the sub-goal to start after.
#include "tasks/StartsAfter.h"

#include "base/Ask.h"
#include "base/Texts.h"
#include "project/ProjectDocument.h"

QList<StartsAfter::Choice> StartsAfter::choices() const
{
    const int selected = m_document.selectedSubGoal();
    if (!m_document.isSubGoal(selected))
        return {};
    QList<Choice> items = {{Texts::startsAfterNone(), QString()}};
    for (int i = 0; i < m_document.subGoalCount(); ++i) {
        if (i != selected)
            items.append({m_document.subGoal(i).name, m_document.subGoal(i).key});
    }
    return items;
}

int StartsAfter::chosen() const
{
    const int selected = m_document.selectedSubGoal();
    if (!m_document.isSubGoal(selected))
        return -1;
    const QList<Choice> items = choices();
    const QString &after = m_document.subGoal(selected).after;
    for (qsizetype i = 0; i < items.size(); ++i) {
        if (items.at(i).key == after)
            return int(i);
    }
    return 0;   // a key no sub-goal has is planned as none
}

void StartsAfter::cboStartsAfter_Click(int item)
{
    const int selected = m_document.selectedSubGoal();
    const QList<Choice> items = choices();
    if (item < 0 || item >= items.size())
        return;
    if (!m_document.setStartsAfter(selected, items.at(item).key))
        m_ask.MsgBox(Texts::sequenceLoop(m_document.subGoal(selected).name, items.at(item).name),
                     Texts::sequenceTitle(), Msg::Information);
}
