#pragma once
#include <memory>
#include <optional>

#include "dashboard/Cards.h"
#include "dashboard/widgets/CardBody.h"

class ClickLabel;
namespace Ui { class SubGoalCard; }

// The card's pictures: blue while work is pending, green once all is done.
struct StatusPictures {
    const QSvgRenderer *pending = nullptr;
    const QSvgRenderer *done = nullptr;
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
    void setIndex(int k, const StatusPictures &status);
    // The texts fitted again to their labels, after the card was scaled.
    void fitTexts();
    // Changes only what differs from what it shows: after a keystroke, the
    // counters and perhaps the picture.
    void showCard(const CardRecord &card);
    void showDeleteMark(bool shown);

    ClickLabel *caption() const;
    ClickLabel *deleteMark() const;

private:
    void describe(const CardRecord &card);
    void showDueBand(const CardRecord &card);

    std::unique_ptr<Ui::SubGoalCard> m_ui;
    StatusPictures m_status;
    std::optional<CardRecord> m_shown;   // what the card shows now
};
