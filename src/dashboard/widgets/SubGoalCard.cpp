#include "dashboard/widgets/SubGoalCard.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyle>

#include "app/widgets/WidgetKit.h"
#include "dashboard/Dashboard.h"
#include "ui_SubGoalCard.h"

void CardBody::setPicture(const QPixmap &picture)
{
    m_picture = picture;
    update();
}

void CardBody::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (!m_picture.isNull())
        painter.drawPixmap(rect(), m_picture);
}

void CardBody::mouseMoveEvent(QMouseEvent *event)
{
    emit mouseMoved();
    event->accept();
}

SubGoalCard::SubGoalCard(QWidget *parent) : CardBody(parent), m_ui(std::make_unique<Ui::SubGoalCard>())
{
    m_ui->setupUi(this);
    setMouseTracking(true);
}

SubGoalCard::~SubGoalCard() = default;

void SubGoalCard::setIndex(int k, const QPixmap &artwork)
{
    const QString n = QString::number(k);
    setObjectName(QStringLiteral("picGoal_") + n);
    for (QWidget *child : findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly))
        child->setObjectName(child->objectName() + u'_' + n);
    setPicture(artwork);
}

ClickLabel *SubGoalCard::caption() const { return m_ui->lblGoal; }
ClickLabel *SubGoalCard::deleteMark() const { return m_ui->lblDeleteOnMouseOver; }

void SubGoalCard::showCard(const GoalCard &card)
{
    Kit::setText(m_ui->lblGoal, card.lblGoal_Caption);
    Kit::setText(m_ui->lblTasks_Total, card.lblTasks_Total);
    Kit::setText(m_ui->lblTasks_Completed, card.lblTasks_Completed);
    Kit::setText(m_ui->lblTasks_Pending, card.lblTasks_Pending);
    Kit::setText(m_ui->lblDueDateDate, card.lblDueDateDate_Caption);
    Kit::setShown(m_ui->lblDueDateDate, card.lblDueDateDate_Visible);
    Kit::setShown(m_ui->shDueDate, card.shDueDate_Visible);
    if (m_ui->shDueDate->property("late").toBool() != card.shDueDate_Late) {
        m_ui->shDueDate->setProperty("late", card.shDueDate_Late);
        m_ui->shDueDate->style()->unpolish(m_ui->shDueDate);   // the style sheet picks the colour anew
        m_ui->shDueDate->style()->polish(m_ui->shDueDate);
    }
    Kit::setShown(m_ui->shActive, card.shActive_Visible);
    if (card.shActive_Visible)
        m_ui->shActive->raise();
    Kit::setShown(m_ui->lblDeleteOnMouseOver, card.lblDeleteOnMouseOver_Visible);
    if (m_pictureRevision != card.picGoal_PictureRevision) {
        m_pictureRevision = card.picGoal_PictureRevision;
        QPixmap picture;
        if (!card.picGoal_Picture.isEmpty() && picture.loadFromData(card.picGoal_Picture))
            setPicture(picture);
    }
    Kit::setShown(this, card.picGoal_Visible);
}
