#include "dashboard/widgets/CardCanvas.h"

#include <QMouseEvent>
#include <QSvgRenderer>

#include "base/widgets/WidgetKit.h"
#include "dashboard/widgets/SubGoalCard.h"
#include "ui_CardCanvas.h"

QSvgRenderer *CardCanvas::picture(const QString &appFolder, const char *name)
{
    // Drawn, not bitmaps: the cards stay sharp at any size and scaling. A
    // picture missing or unreadable leaves the card as it was.
    return new QSvgRenderer(appFolder + QStringLiteral("/imgs/") + QString::fromLatin1(name), this);
}

CardCanvas::CardCanvas(const QString &appFolder, QWidget *parent)
    : QWidget(parent), m_ui(std::make_unique<Ui::CardCanvas>())
{
    m_ui->setupUi(this);
    setMouseTracking(true);
    Kit::fillBackground(this, Qt::white);
    m_ui->lblGoal_0->setFont(Kit::font("Trebuchet MS", 11.25, true, true));
    Kit::setTextColour(m_ui->lblGoal_0, QColor(0, 0, 128));
    m_ui->Picture2->setPicture(picture(appFolder, "maingoal.svg"));
    connect(m_ui->lblGoal_0, &ClickLabel::clicked, this, [this] { emit captionClicked(0); });
    connect(m_ui->Picture2, &CardBody::activated, this, [this] { emit cardActivated(0); });
    connect(m_ui->Picture2, &CardBody::stepRequested, this, [this](int dx, int dy) { step(0, dx, dy); });

    const StatusPictures status{picture(appFolder, "bluecircle.svg"), picture(appFolder, "greencircle.svg")};
    m_cards = {nullptr, m_ui->picGoal_1, m_ui->picGoal_2, m_ui->picGoal_3, m_ui->picGoal_4,
               m_ui->picGoal_5, m_ui->picGoal_6, m_ui->picGoal_7, m_ui->picGoal_8};
    for (int k = 1; k <= Rules::kSubGoalCards; ++k) {
        SubGoalCard *card = m_cards[k];
        card->setIndex(k, status);
        connect(card, &CardBody::mouseMoved, this, [this, k] { picGoal_MouseMove(k); });
        connect(card->caption(), &ClickLabel::clicked, this, [this, k] { emit captionClicked(k); });
        connect(card->deleteMark(), &ClickLabel::clicked, this, [this, k] { emit deleteMarkClicked(k); });
        // The keyboard does what the mouse does: Enter selects, Delete asks.
        connect(card, &CardBody::activated, this, [this, k] { emit cardActivated(k); });
        connect(card, &CardBody::deleteRequested, this, [this, k] { emit deleteMarkClicked(k); });
        connect(card, &CardBody::stepRequested, this, [this, k](int dx, int dy) { step(k, dx, dy); });
    }
    rememberDesign();
}

void CardCanvas::rememberDesign()
{
    m_design.insert(this, {geometry(), 0});
    for (const QWidget *widget : findChildren<QWidget *>())
        m_design.insert(widget, {widget->geometry(), widget->font().pointSizeF()});
}

void CardCanvas::setScale(double factor)
{
    if (qFuzzyCompare(factor, m_scale))
        return;
    m_scale = factor;
    const auto scaled = [factor](const QRect &r) {
        return QRect(qRound(r.x() * factor), qRound(r.y() * factor), qRound(r.width() * factor),
                     qRound(r.height() * factor));
    };
    resize(scaled(m_design.value(this).rect).size());
    for (auto it = m_design.cbegin(); it != m_design.cend(); ++it) {
        auto *widget = const_cast<QWidget *>(it.key());
        if (widget == this)
            continue;
        widget->setGeometry(scaled(it->rect));
        Kit::setBasePointSize(widget, it->points * factor);
    }
    for (int k = 1; k <= Rules::kSubGoalCards; ++k)
        m_cards[k]->fitTexts();
    Kit::fitText(m_ui->lblGoal_0, m_mainName);
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
        if (m_mainName != card.name || m_ui->lblGoal_0->text().isEmpty()) {
            m_mainName = card.name;
            Kit::fitText(m_ui->lblGoal_0, card.name);   // 40 characters stay whole, on two lines
        }
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
