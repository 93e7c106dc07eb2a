// Card operations: what every rebuild of the dashboard is made of.
#include "dashboard/Dashboard.h"

#include "project/WorkingState.h"
#include "tasks/DueDates.h"
#include "tasks/Tasks.h"

namespace {
constexpr int kMaxKeyDraws = 10000;
} // namespace

int Dashboard::cardsInUse() const
{
    int n = 0;
    while (n < Rules::kSubGoalCards && !m_s.cards[n + 1].lblGoal_Tag.isEmpty())
        ++n;
    return n;
}

bool Dashboard::hasKey(const QString &key) const
{
    for (int i = 1; i <= Rules::kSubGoalCards; ++i) {
        if (m_s.cards[i].lblGoal_Tag == key)
            return true;
    }
    return false;
}

void Dashboard::freeAllCards()
{
    for (int i = 1; i <= Rules::kSubGoalCards; ++i) {
        GoalCard &card = m_s.cards[i];
        card.lblGoal_Caption.clear();
        card.lblGoal_Tag.clear();
        card.picGoal_Visible = false;
        card.lblDueDateDate_Visible = false;
        card.shDueDate_Visible = false;
        card.lblDueDateDate_Tag.clear();
        card.lblDueDateDate_Caption.clear();
        card.plannedEnd = QDate();
        setCounters(i, TaskCounts{});
        setStatusPicture(i, {});   // the plain card again, not the last sub-goal's status
    }
}

void Dashboard::setCounters(int index, const TaskCounts &counts)
{
    GoalCard &card = m_s.cards[index];
    card.lblTasks_Total = Texts::tasksCounter(counts.total);
    card.lblTasks_Completed = Texts::completedCounter(counts.completed);
    card.lblTasks_Pending = Texts::pendingCounter(counts.total - counts.completed);
    card.pendingTasks = counts.total - counts.completed;
    markLate(index);
}

void Dashboard::setStatusPicture(int index, const QByteArray &picture)
{
    GoalCard &card = m_s.cards[index];
    card.picGoal_Picture = picture;
    ++card.picGoal_PictureRevision;
}

void Dashboard::setDueDate(int index, const QString &text)
{
    GoalCard &card = m_s.cards[index];
    const bool shown = !text.isEmpty();
    card.shDueDate_Visible = shown;
    card.lblDueDateDate_Visible = shown;
    card.lblDueDateDate_Tag = text;
    // Taken away, the caption keeps its text behind the hidden band.
    if (shown)
        card.lblDueDateDate_Caption = Texts::dueDateCaption(text);
    markLate(index);
}

void Dashboard::markLate(int index)
{
    GoalCard &card = m_s.cards[index];
    const QDate due = card.lblDueDateDate_Tag.isEmpty() ? QDate() : DueDates::parseDueDateText(card.lblDueDateDate_Tag);
    card.shDueDate_Late = due.isValid()
                          && ((card.plannedEnd.isValid() && card.plannedEnd > due)
                              || (due < QDate::currentDate() && card.pendingTasks > 0));
}

void Dashboard::layOutCardsFromLists()
{
    int x = 0;
    for (qsizetype j = 0; j < m_s.lstSubgoalsAndKeys.size() && x < Rules::kSubGoalCards; ++j) {
        const QString &item = m_s.lstSubgoalsAndKeys.at(j);
        // Keys never hold the separator and names might: the last one splits.
        const qsizetype at = item.lastIndexOf(Rules::kKeySeparator);
        if (at < 0 || at + 1 == item.size())
            continue;   // no key, no card: a keyless slot counts as free
        m_s.lstDecompose = {item.left(at), item.mid(at + 1)};

        GoalCard &card = m_s.cards[++x];
        card.lblGoal_Caption = m_s.lstDecompose.at(0);
        card.lblGoal_Tag = m_s.lstDecompose.at(1);
        card.picGoal_Visible = true;
        const QString due = m_s.lstDueDates.value(j, Rules::kNoDueDate.toString());
        setDueDate(x, due == Rules::kNoDueDate ? QString() : due);

        lblGoal_Click(x);
        m_s.tasks.RefreshGoalTasks();
    }
}

QString Dashboard::newGoalKey(const QSet<QString> &taken) const
{
    // A key names a task file in the shared tmp folder, so it must differ
    // from every key on the cards and from every task file left there by a
    // project opened earlier. The space is 9001^3 keys, so a few draws do.
    QString key;
    for (int attempt = 0; attempt < kMaxKeyDraws; ++attempt) {
        const qint16 first = static_cast<qint16>(m_s.KestrelTools1.RandomNumber(9000)) + 100;
        const qint16 second = static_cast<qint16>(m_s.KestrelTools1.RandomNumber(9000)) + 300;
        const qint16 third = static_cast<qint16>(m_s.KestrelTools1.RandomNumber(9000)) + 300;
        key = QStringLiteral("%1-%2-%3").arg(first).arg(second).arg(third);
        bool used = taken.contains(key) || m_s.KestrelTools1.PathExists(m_s.taskFilePath(key), false);
        for (int i = 1; i <= Rules::kSubGoalCards && !used; ++i)
            used = m_s.cards[i].lblGoal_Tag.compare(key, Qt::CaseInsensitive) == 0;
        if (!used)
            break;
    }
    return key;
}
