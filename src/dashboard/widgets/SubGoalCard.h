#pragma once
#include <QPixmap>
#include <QWidget>
#include <memory>
#include <optional>

#include "dashboard/Cards.h"

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

// The card's pictures: blue while work is pending, green once all is done.
struct StatusPictures {
    QPixmap pending;
    QPixmap done;
};

// One sub-goal card, picGoal_k: its caption, counters, due-date band,
// selection mark and delete mark, showing one card record.
class SubGoalCard : public CardBody {
    Q_OBJECT
public:
    explicit SubGoalCard(QWidget *parent = nullptr);
    ~SubGoalCard() override;

    // Names the card and its controls after card k, and gives it its
    // pictures. A picture that could not be read leaves the one before.
    void setIndex(int k, const QPixmap &artwork, const StatusPictures &status);
    // Changes only what differs from what it shows: after a keystroke, the
    // counters and perhaps the picture.
    void showCard(const CardRecord &card);
    void showDeleteMark(bool shown);

    ClickLabel *caption() const;
    ClickLabel *deleteMark() const;

private:
    void describe(const CardRecord &card);

    std::unique_ptr<Ui::SubGoalCard> m_ui;
    StatusPictures m_status;
    std::optional<CardRecord> m_shown;   // what the card shows now
};
