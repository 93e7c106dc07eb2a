#pragma once
#include <QPixmap>
#include <QWidget>
#include <memory>
#include <optional>

#include "dashboard/Dashboard.h"

class ClickLabel;
namespace Ui { class SubGoalCard; }

// A card body: its picture fills it, and mouse moves over it are reported.
class CardBody : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;
    void setPicture(const QPixmap &picture);
signals:
    void mouseMoved();
protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
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

    std::unique_ptr<Ui::SubGoalCard> m_ui;
    QPixmap m_artwork;   // the plain card, shown while no status picture is set
    int m_pictureRevision = -1;
    std::optional<GoalCard> m_shown;   // what the card shows now
};
