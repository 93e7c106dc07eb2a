#include "dashboard/widgets/CardCanvas.h"

#include <QMouseEvent>

#include "base/widgets/WidgetKit.h"
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
    connect(m_ui->Picture2, &CardBody::activated, this, [this] { emit cardActivated(0); });
    connect(m_ui->Picture2, &CardBody::stepRequested, this, [this](int dx, int dy) { step(0, dx, dy); });

    const QPixmap artwork = picture(appFolder, "card.gif");
    const StatusPictures status{picture(appFolder, "bluecircle.gif"), picture(appFolder, "greencircle.gif")};
    m_cards = {nullptr, m_ui->picGoal_1, m_ui->picGoal_2, m_ui->picGoal_3, m_ui->picGoal_4,
               m_ui->picGoal_5, m_ui->picGoal_6, m_ui->picGoal_7, m_ui->picGoal_8};
    for (int k = 1; k <= Rules::kSubGoalCards; ++k) {
        SubGoalCard *card = m_cards[k];
        card->setIndex(k, artwork, status);
        connect(card, &CardBody::mouseMoved, this, [this, k] { picGoal_MouseMove(k); });
        connect(card->caption(), &ClickLabel::clicked, this, [this, k] { emit captionClicked(k); });
        connect(card->deleteMark(), &ClickLabel::clicked, this, [this, k] { emit deleteMarkClicked(k); });
        // The keyboard does what the mouse does: Enter selects, Delete asks.
        connect(card, &CardBody::activated, this, [this, k] { emit cardActivated(k); });
        connect(card, &CardBody::deleteRequested, this, [this, k] { emit deleteMarkClicked(k); });
        connect(card, &CardBody::stepRequested, this, [this, k](int dx, int dy) { step(k, dx, dy); });
    }
}

CardCanvas::~CardCanvas() = default;

void CardCanvas::showCards(const CardRecords &cards)
{
    for (int k = 0; k <= Rules::kSubGoalCards; ++k)
        showCard(k, cards[k]);
}

void CardCanvas::showCard(int index, const CardRecord &card)
{
    if (index == 0) {
        Kit::setText(m_ui->lblGoal_0, card.name);
        m_ui->Picture2->setAccessibleName(card.name);
    } else if (index <= Rules::kSubGoalCards) {
        m_cards[index]->showCard(card);
    }
}

void CardCanvas::picGoal_MouseMove(int index)
{
    for (int k = 1; k <= Rules::kSubGoalCards; ++k)
        m_cards[k]->showDeleteMark(k == index);
}

void CardCanvas::Picture1_MouseMove()
{
    picGoal_MouseMove(0);
}

void CardCanvas::step(int from, int columns, int rows)
{
    // The cards as they stand in the grid, the main goal in the middle.
    static constexpr int kGrid[3][3] = {{1, 2, 3}, {4, 0, 5}, {6, 7, 8}};
    int row = 0, column = 0;
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c)
            if (kGrid[r][c] == from)
                row = r, column = c;
    // On past free slots to the next card in use, if there is one.
    for (row += rows, column += columns; row >= 0 && row < 3 && column >= 0 && column < 3; row += rows, column += columns) {
        const int k = kGrid[row][column];
        QWidget *card = k == 0 ? static_cast<QWidget *>(m_ui->Picture2) : m_cards[k];
        if (card->isVisible()) {
            card->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

void CardCanvas::mouseMoveEvent(QMouseEvent *event)
{
    Picture1_MouseMove();
    event->accept();
}
