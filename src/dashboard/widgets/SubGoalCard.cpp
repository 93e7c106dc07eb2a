#include "dashboard/widgets/SubGoalCard.h"

#include <QLocale>
#include <QSvgRenderer>

#include "base/widgets/WidgetKit.h"
#include "base/Texts.h"
#include "project/DueDate.h"
#include "ui_SubGoalCard.h"

namespace {
// The flat colour inside the card artwork, where the counters stand.
const QColor kCardColour(0xf4, 0xf6, 0xfb);

// "3 days to spare", "Late by 2 working days"; "" without a due date or a plan.
QString slackText(const Lateness &lateness)
{
    if (!lateness.slack)
        return {};
    return *lateness.slack < 0 ? Texts::slackLate(-*lateness.slack) : Texts::slackSpare(*lateness.slack);
}

// Why the band is red, in the band's tool tip; "" when it is not.
QString whyLate(const Lateness &lateness)
{
    QStringList why;
    if (lateness.overdue)
        why << Texts::dueDatePassed();
    if (lateness.overruns)
        why << Texts::planEndsAfterDue(DueDate::text(lateness.planEnd));
    return why.join(u'\n');
}
} // namespace

SubGoalCard::SubGoalCard(QWidget *parent) : CardBody(parent), m_ui(std::make_unique<Ui::SubGoalCard>())
{
    m_ui->setupUi(this);
    setMouseTracking(true);
    // Fonts and palettes, not a style sheet: the counters repaint at every
    // keystroke, and a style sheet would route each paint through itself.
    const struct {
        QWidget *widget;
        QFont font;
        QColor colour;
    } looks[] = {
        {m_ui->lblGoal, Kit::font("Trebuchet MS", 11.25, true, true), QColor(0, 0, 128)},
        {m_ui->lblTasks_Total, Kit::font("Trebuchet MS", 9.75), QColor(0, 0, 64)},
        {m_ui->lblTasks_Completed, Kit::font("Trebuchet MS", 9.75), QColor(0, 64, 0)},
        {m_ui->lblTasks_Pending, Kit::font("Trebuchet MS", 9.75), QColor(128, 0, 0)},
        {m_ui->lblDueDateDate, Kit::font("Trebuchet MS", 9.75, true), Qt::white},
        {m_ui->lblSlack, Kit::font("Trebuchet MS", 8.25, true), QColor(0, 0, 128)},
        {m_ui->lblDeleteOnMouseOver, Kit::font("Arial Black", 9.75), QColor(255, 0, 0)},
    };
    for (const auto &look : looks) {
        look.widget->setFont(look.font);
        Kit::setTextColour(look.widget, look.colour);
        static_cast<QLabel *>(look.widget)->setTextFormat(Qt::PlainText);   // no rich-text guess at each change
    }
    QFont black = m_ui->lblDeleteOnMouseOver->font();
    black.setWeight(QFont::Black);
    m_ui->lblDeleteOnMouseOver->setFont(black);
    Kit::fillBackground(m_ui->shDueDate, QColor(0, 0, 128));
    // The counters change at every keystroke: filled with the card's own
    // colour they repaint alone, without the card and canvas beneath.
    for (QWidget *counter : {m_ui->lblTasks_Total, m_ui->lblTasks_Completed, m_ui->lblTasks_Pending})
        Kit::fillBackground(counter, kCardColour);
    // A filled square with its border, so it reads as a mark on the light card.
    m_ui->shActive->setStyleSheet(QStringLiteral("background: rgb(255,255,192); border: 1px solid rgb(0,0,128);"));
}

SubGoalCard::~SubGoalCard() = default;

void SubGoalCard::setIndex(int k, const StatusPictures &status)
{
    const QString n = QString::number(k);
    setObjectName(QStringLiteral("picGoal_") + n);
    for (QWidget *child : findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly))
        child->setObjectName(child->objectName() + u'_' + n);
    m_status = status;
    setPicture(status.pending);
}

void SubGoalCard::fitTexts()
{
    if (!m_shown)
        return;
    Kit::fitText(m_ui->lblGoal, m_shown->name);
    if (!m_shown->due.isEmpty()) {
        Kit::fitText(m_ui->lblDueDateDate, Texts::dueDateCaption(m_shown->due));
        // The whole date when it had to be cut, and why the band is red.
        QStringList tip{m_ui->lblDueDateDate->toolTip(), whyLate(m_shown->lateness)};
        tip.removeAll(QString());
        m_ui->lblDueDateDate->setToolTip(tip.join(u'\n'));
    }
    const QString slack = slackText(m_shown->lateness);
    if (!slack.isEmpty())
        Kit::fitText(m_ui->lblSlack, slack);
}

ClickLabel *SubGoalCard::caption() const { return m_ui->lblGoal; }
ClickLabel *SubGoalCard::deleteMark() const { return m_ui->lblDeleteOnMouseOver; }

void SubGoalCard::showDeleteMark(bool shown)
{
    Kit::setShown(m_ui->lblDeleteOnMouseOver, shown && isVisible());
}

void SubGoalCard::showCard(const CardRecord &card)
{
    // Shown at every change: a card that did not change costs a compare.
    if (m_shown && *m_shown == card)
        return;
    const bool counted = !m_shown || m_shown->counts != card.counts;
    const bool worded = !m_shown || m_shown->name != card.name || m_shown->due != card.due
                        || m_shown->lateness != card.lateness;
    m_shown = card;
    if (counted) {
        Kit::setText(m_ui->lblTasks_Total, Texts::tasksCounter(card.counts.total));
        Kit::setText(m_ui->lblTasks_Completed, Texts::completedCounter(card.counts.completed));
        Kit::setText(m_ui->lblTasks_Pending, Texts::pendingCounter(card.counts.pending()));
        setPicture(card.counts.allDone() ? m_status.done : m_status.pending);
    }
    if (worded) {
        fitTexts();   // measuring text is not for every keystroke
        showDueBand(card);
    }
    Kit::setShown(m_ui->shActive, card.selected);
    if (card.selected)
        m_ui->shActive->raise();
    if (!card.inUse)
        Kit::setShown(m_ui->lblDeleteOnMouseOver, false);
    Kit::setShown(this, card.inUse);
    if (counted || worded)
        describe(card);
}

// The due date's band, navy or red, with why it is red, and the slack
// under it.
void SubGoalCard::showDueBand(const CardRecord &card)
{
    const bool due = !card.due.isEmpty();
    Kit::setShown(m_ui->lblDueDateDate, due);
    Kit::setShown(m_ui->shDueDate, due);
    // Navy, or red when the sub-goal will not be done by its due date.
    Kit::fillBackground(m_ui->shDueDate, card.lateness.late() ? Kit::lateRed : QColor(0, 0, 128));
    const QString why = whyLate(card.lateness);
    if (m_ui->shDueDate->toolTip() != why)
        m_ui->shDueDate->setToolTip(why);
    const QString slack = slackText(card.lateness);
    if (!slack.isEmpty())
        Kit::setTextColour(m_ui->lblSlack, *card.lateness.slack < 0 ? Kit::lateRed : QColor(0, 0, 128));
    Kit::setShown(m_ui->lblSlack, due && !slack.isEmpty());
}

void SubGoalCard::describe(const CardRecord &card)
{
    // What a screen reader says of the card: "Design, due 12 March 2027,
    // 3 of 5 done, late by 2 working days".
    QStringList parts{card.name};
    if (!card.due.isEmpty()) {
        const QDate due = DueDate::parse(card.due);
        parts.append(Texts::dueOn(due.isValid() ? QLocale().toString(due, QLocale::LongFormat) : card.due));
    }
    parts.append(Texts::doneOf(card.counts.completed, card.counts.total));
    if (card.lateness.slack && !card.due.isEmpty())
        parts.append(*card.lateness.slack < 0 ? Texts::lateBy(-*card.lateness.slack) : Texts::toSpare(*card.lateness.slack));
    if (accessibleName() != card.name)
        setAccessibleName(card.name);
    setAccessibleDescription(parts.join(QStringLiteral(", ")));
}
