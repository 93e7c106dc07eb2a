#pragma once
#include <QWidget>
#include <array>
#include <memory>

#include "app/Texts.h"

struct GoalCard;
class SubGoalCard;
namespace Ui { class CardCanvas; }

// The card canvas Picture1: the main-goal card Picture2 and the eight
// sub-goal cards. It shows the cards' records and reports what the mouse
// does on them, by card index (0 is the main goal).
class CardCanvas : public QWidget {
    Q_OBJECT
public:
    CardCanvas(const QString &appFolder, QWidget *parent = nullptr);
    ~CardCanvas() override;

    void showCards(const std::array<GoalCard, Rules::kSubGoalCards + 1> &cards);
    void showCounters(int index, const GoalCard &card);

signals:
    void captionClicked(int index);
    void deleteMarkClicked(int index);
    void cardMouseMoved(int index);
    void canvasMouseMoved();

protected:
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    // Moves the keyboard focus from card `from` to the next card in use in
    // a direction of the grid.
    void step(int from, int columns, int rows);

    std::unique_ptr<Ui::CardCanvas> m_ui;
    std::array<SubGoalCard *, Rules::kSubGoalCards + 1> m_cards{};   // [0] unused
};
