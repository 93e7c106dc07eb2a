#pragma once
#include <QString>
#include <QStringView>

// A task text: one task per line. In memory lines are separated by LF, as
// the task box gives them; CR LF exists only in the task files, and
// fromFile/toFile are the one place where the two meet. A CR inside a line
// is part of that line.

struct TaskCounts {
    qsizetype total = 0;
    qsizetype completed = 0;

    qsizetype pending() const { return total - completed; }
    // Every task done, and at least one: the card turns green.
    bool allDone() const { return completed > 0 && completed == total; }
    friend bool operator==(const TaskCounts &, const TaskCounts &) = default;
};

namespace TaskText {

// Counts the task lines and those carrying the done mark "--". Walks the
// text once without copying a line: a list may hold 100,000 tasks.
TaskCounts count(QStringView text);
// The same walk, telling also whether the text holds a CR, which a task
// box would show as a line break of its own.
struct Facts {
    TaskCounts counts;
    bool holdsCr = false;
};
Facts scan(QStringView text);
// "Each Task Must Have at least 2 chararcters", blanks not counted.
bool isTaskLine(QStringView line);

// The start of the line holding position at, and the end (before its LF)
// of the line holding position end.
qsizetype lineStart(QStringView text, qsizetype at);
qsizetype lineEnd(QStringView text, qsizetype end);

// A task file's text as the task box holds it: each CR LF becomes LF.
QString fromFile(const QString &fileText);
// And back: each LF becomes CR LF, in UTF-8, as a task file is written.
QByteArray toFileBytes(QStringView text);

} // namespace TaskText
