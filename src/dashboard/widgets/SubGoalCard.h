#pragma once
#include <QPixmap>
#include <QWidget>
#include <memory>
#include <optional>

#include "dashboard/Dashboard.h"

class ClickLabel;
namespace Ui { class SubGoalCard; }

// A card body: its picture fills it, and mouse moves over it are reported.
// It takes the keyboard focus, shows it with a frame, and reports Enter or
// Space (select), Delete and the arrow keys (to the card beside it).
class CardBody : public QWidget {
    Q_OBJECT
public:
    explicit CardBody(QWidget *parent = nullptr);
    void setPicture(const QPixmap &picture);
signals:
    void mouseMoved();
    void activated();
    void deleteRequested();
    void stepRequested(int columns, int rows);
protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
private:
    QPixmap m_picture;
    QPixmap m_scaled;   // the picture at the card's size
};

// One sub-goal card, picGoal_k: its caption, counters, due-date band,
// selection mark and delete mark, showing one card record.
class SubGoalCard : public CardBody {
    Q_OBJECT
public:
    explicit SubGoalCard(QWidget *parent = nullptr);
    ~SubGoalCard() override;

    // Names the card and its controls after card k, and gives it the artwork.
    void setIndex(int k, const QPixmap &artwork);
    void showCard(const GoalCard &card);
    // After a keystroke only the counters and the status picture change.
    void showCounters(const GoalCard &card);

    ClickLabel *caption() const;
    ClickLabel *deleteMark() const;

private:
    void showPicture(const GoalCard &card);
    void describe(const GoalCard &card);

    std::unique_ptr<Ui::SubGoalCard> m_ui;
    QPixmap m_artwork;   // the plain card, shown while no status picture is set
    int m_pictureRevision = -1;
    std::optional<GoalCard> m_shown;   // what the card shows now
};
