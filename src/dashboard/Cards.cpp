#include "dashboard/Cards.h"

CardRecord cardRecord(const ProjectDocument &document, int card, const QDate &today)
{
    CardRecord record;
    record.selected = card != 0 && card == document.selectedCard();
    if (card == 0) {
        record.inUse = true;
        record.name = document.project().name;
        return record;
    }
    const int index = card - 1;
    if (!document.isSubGoal(index))
        return record;
    const SubGoal &goal = document.subGoal(index);
    record.inUse = true;
    record.name = goal.name;
    record.key = goal.key;
    record.due = goal.due;
    record.counts = document.counts(index);
    record.lateness = document.lateness(index, today);
    return record;
}

CardRecords cardRecords(const ProjectDocument &document, const QDate &today)
{
    CardRecords records;
    for (int card = 0; card <= Rules::kSubGoalCards; ++card)
        records[card] = cardRecord(document, card, today);
    return records;
}
