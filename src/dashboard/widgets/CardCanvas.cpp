#include "dashboard/widgets/CardCanvas.h"

#include <QMouseEvent>

#include "app/widgets/WidgetKit.h"
#include "dashboard/Dashboard.h"
#include "dashboard/widgets/SubGoalCard.h"
#include "ui_CardCanvas.h"

namespace {
QPixmap picture(const QString &appFolder, const char *name)
{
    return QPixmap(appFolder + QStringLiteral("/imgs/") + QString::fromLatin1(name));
}
} // namespace

CardCanvas::CardCanvas(const QString &appFolder, QWidget *parent)
    : QWidget(parent), m_ui(std::make_unique<Ui::CardCanvas>())
{
    m_ui->setupUi(this);
    setMouseTracking(true);
    Kit::fillBackground(this, Qt::white);
    m_ui->Picture2->setPicture(picture(appFolder, "maingoal.gif"));
    connect(m_ui->lblGoal_0, &ClickLabel::clicked, this, [this] { emit captionClicked(0); });

    const QPixmap artwork = picture(appFolder, "card.gif");
    m_cards = {nullptr, m_ui->picGoal_1, m_ui->picGoal_2, m_ui->picGoal_3, m_ui->picGoal_4,
               m_ui->picGoal_5, m_ui->picGoal_6, m_ui->picGoal_7, m_ui->picGoal_8};
    for (int k = 1; k <= Rules::kSubGoalCards; ++k) {
        SubGoalCard *card = m_cards[k];
        card->setIndex(k, artwork);
        connect(card, &CardBody::mouseMoved, this, [this, k] { emit cardMouseMoved(k); });
        connect(card->caption(), &ClickLabel::clicked, this, [this, k] { emit captionClicked(k); });
        connect(card->deleteMark(), &ClickLabel::clicked, this, [this, k] { emit deleteMarkClicked(k); });
    }
}

CardCanvas::~CardCanvas() = default;

void CardCanvas::showCards(const std::array<GoalCard, Rules::kSubGoalCards + 1> &cards)
{
    Kit::setText(m_ui->lblGoal_0, cards[0].lblGoal_Caption);
    for (int k = 1; k <= Rules::kSubGoalCards; ++k)
        m_cards[k]->showCard(cards[k]);
}

void CardCanvas::showCounters(int index, const GoalCard &card)
{
    if (index >= 1 && index <= Rules::kSubGoalCards)
        m_cards[index]->showCounters(card);
}

void CardCanvas::mouseMoveEvent(QMouseEvent *event)
{
    emit canvasMouseMoved();
    event->accept();
}
