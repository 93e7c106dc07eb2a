#pragma once
#include <QStringView>

struct TaskCounts {
    qsizetype total = 0;
    qsizetype completed = 0;
};

// Counts the task lines of a task text (lines split at CR LF) and those
// carrying the done mark "--". Walks the text once without copying a line:
// this runs at every key release, and a list may hold 100,000 tasks.
TaskCounts countTasks(QStringView text);
