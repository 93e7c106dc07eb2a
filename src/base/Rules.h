#pragma once
#include <QStringView>

// The system's rules, written once: how many cards, how long a name, what
// marks a task done.
namespace Rules {
constexpr int kSubGoalCards = 8;            // cards 1 to 8 around the main goal
constexpr int kSubGoalNameMax = 16;         // characters of a sub-goal name
constexpr int kProjectNameMax = 40;         // characters of the project name
inline constexpr QStringView kDoneMark = u"--";  // a task line that holds it is completed
} // namespace Rules
