#pragma once
#include <QDate>
#include <QString>
#include <array>

#include "base/Rules.h"
#include "project/ProjectDocument.h"

// One card of the dashboard as worked out from the document: 0 is the
// main goal, 1 to 8 the sub-goal cards. What the card shows in words and
// pictures is the window's to make of it.
struct CardRecord {
    bool inUse = false;     // the main goal always; a sub-goal card while it has a sub-goal
    QString name;
    QString key;
    QString due;            // the due-date text as stored; "" = none
    TaskCounts counts;
    Lateness lateness;
    bool selected = false;

    friend bool operator==(const CardRecord &, const CardRecord &) = default;
};

using CardRecords = std::array<CardRecord, Rules::kSubGoalCards + 1>;

CardRecord cardRecord(const ProjectDocument &document, int card, const QDate &today = QDate::currentDate());
CardRecords cardRecords(const ProjectDocument &document, const QDate &today = QDate::currentDate());
