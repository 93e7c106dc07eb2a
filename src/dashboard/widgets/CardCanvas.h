#pragma once
#include <QHash>
#include <QWidget>
#include <array>
#include <memory>

#include "base/Rules.h"
#include "dashboard/Cards.h"

class QSvgRenderer;
class SubGoalCard;
namespace Ui { class CardCanvas; }

// The card canvas Picture1: the main-goal card Picture2 and the eight
// sub-goal cards. It shows the cards' records and reports what the mouse
// and the keyboard do on them, by card index (0 is the main goal). The
// delete mark under the mouse is its own affair.
class CardCanvas : public QWidget {
    Q_OBJECT
public:
    CardCanvas(const QString &appFolder, QWidget *parent = nullptr);
    ~CardCanvas() override;

    void showCards(const CardRecords &cards);
    void showCard(int index, const CardRecord &card);

    // The canvas and everything on it at factor times the designed size,
    // fonts too; texts are fitted again.
    void setScale(double factor);
    double scale() const { return m_scale; }
    QSize designSize() const { return m_design.value(this).rect.size(); }

    // The mouse over a card shows its delete mark; over the canvas between
    // the cards, none.
    void picGoal_MouseMove(int index);
    void Picture1_MouseMove();

signals:
    void captionClicked(int index);
    void cardActivated(int index);   // Enter or Space on the card
    void deleteMarkClicked(int index);

protected:
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    // Moves the keyboard focus from card `from` to the next card in use in
    // a direction of the grid.
    void step(int from, int columns, int rows);

    QSvgRenderer *picture(const QString &appFolder, const char *name);
    void rememberDesign();

    struct Design {
        QRect rect;
        double points = 0;
    };
    std::unique_ptr<Ui::CardCanvas> m_ui;
    std::array<SubGoalCard *, Rules::kSubGoalCards + 1> m_cards{};   // [0] unused
    QString m_mainName;
    QHash<const QWidget *, Design> m_design;   // every widget's designed place and font size
    double m_scale = 1.0;
};
