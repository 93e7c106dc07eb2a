#pragma once
#include <QDate>
#include <QList>
#include <QObject>
#include <QStringList>
#include <QTimer>
#include <optional>

#include "project/Project.h"
#include "project/Schedule.h"
#include "project/TaskText.h"

// What one change of the document touched, so that a view repaints only
// that.
struct DocumentChange {
    enum Part : unsigned {
        Tasks = 0x01,       // the task text of subGoal
        Outline = 0x02,     // sub-goals added, removed or renamed; due dates; sequence
        Name = 0x04,        // the project's name
        Settings = 0x08,    // start date, working week and days off
        Selection = 0x10,   // the selected card
        File = 0x20,        // the file it belongs to, or whether it is saved
        Plan = 0x40,        // the schedule was worked out anew
        All = 0x7F,
    };
    enum class Cause {
        Edit,      // the user changed one thing
        New,       // a new, empty project
        Load,      // a project read from its file
        Undo,      // a step of the undo history taken back or done again
        Restore,   // unsaved work brought back after a crash
        Merge,     // another copy of the project taken in
    };

    unsigned parts = 0;
    int subGoal = -1;   // with Tasks: the sub-goal whose text changed
    // A whole project assigned over another (not new, not loaded): the
    // keys of the sub-goals whose task text is not what it was.
    QStringList tasksChanged = {};
    Cause cause = Cause::Edit;
    // A change the user can take back (the outline, the name, the
    // settings, a merge): the project before it.
    std::optional<Project> before = std::nullopt;

    bool has(Part part) const { return (parts & part) != 0; }
};

// Why a sub-goal's due-date band is red.
struct Lateness {
    QDate due;              // invalid: no due date, or one that reads as no date
    QDate planEnd;          // the last day of its pending tasks' plan; invalid: none
    bool overdue = false;   // the date has passed with tasks still pending
    bool overruns = false;  // the plan ends after the date
    // Working days from the plan's end to the date: to spare when positive,
    // late by when negative. Nothing without a date or a plan.
    std::optional<qint64> slack;
    bool late() const { return overdue || overruns; }
    friend bool operator==(const Lateness &, const Lateness &) = default;
};

// The open project: one live value that the window, the task files, the
// recovery copy, the undo history, the exports and the printed plan all
// read. It changes only through the intent methods below; each works the
// change out in full, then assigns it and says what changed. What follows
// from the value (task counts, the plan, the late flags) is worked out
// here and never stored anywhere else.
//
// Cards count from 1 (0 is the main goal); sub-goals from 0, so card n
// shows sub-goal n - 1.
class ProjectDocument : public QObject {
    Q_OBJECT
public:
    explicit ProjectDocument(QObject *parent = nullptr);

    const Project &project() const { return m_project; }
    int subGoalCount() const { return int(m_project.subGoals.size()); }
    const SubGoal &subGoal(int index) const { return m_project.subGoals.at(index); }
    bool isSubGoal(int index) const { return index >= 0 && index < subGoalCount(); }
    int indexOfKey(const QString &key) const;   // -1 when no sub-goal has it

    // ---- the selection
    int selectedCard() const { return m_selectedCard; }        // 0: the main goal
    int selectedSubGoal() const { return m_selectedCard - 1; }  // -1: the main goal

    // ---- the file it belongs to
    const QString &filePath() const { return m_filePath; }   // "" = none yet
    bool isModified() const { return m_modified; }
    // Bumped at every change of the project value.
    quint64 revision() const { return m_revision; }

    // ---- what follows from the value
    TaskCounts counts(int index) const;
    // The plan of every task; empty while the project has no start date.
    // Up to date whenever asked, also while typing goes on.
    const Schedule &schedule() const;
    // Late flags of a sub-goal on a given day. The plan they read is the one
    // last worked out: while typing, it follows within kPlanDelayMs.
    Lateness lateness(int index, const QDate &today = QDate::currentDate()) const;

    // ---- intent methods; each is a change only when something differs
    void setName(const QString &name);
    // False when every card is taken.
    bool addSubGoal(const QString &name, const QString &key);
    void renameSubGoal(int index, const QString &name);
    // The main goal is selected afterwards.
    void removeSubGoal(int index);
    void setDueDate(int index, const QString &due);
    // Sub-goal index starts after the sub-goal keyed afterKey ends ("":
    // with the project). False, changing nothing, when that would close a
    // loop or no other sub-goal has the key.
    bool setStartsAfter(int index, const QString &afterKey);
    void setTasks(int index, const QString &text);
    // One edit of a task text: removed characters at position `at` replaced
    // by inserted, leaving a text of lengthAfter characters. Costs what the
    // edit costs, not what the list costs. False, changing nothing, when the
    // edit does not fit the text (the caller then sets the whole text).
    bool editTasks(int index, qsizetype at, qsizetype removed, QStringView inserted, qsizetype lengthAfter);
    void setSettings(const ProjectSettings &settings);
    void select(int card);
    // A whole project at once. A new or loaded project starts with the main
    // goal selected and no unsaved changes; otherwise the selected sub-goal
    // stays selected where it still is. before, when given, makes it a step
    // the user can take back.
    void assign(Project project, DocumentChange::Cause cause, std::optional<Project> before = std::nullopt);
    void setFilePath(const QString &path);
    // Written to path: it belongs there now, with nothing unsaved.
    void markSaved(const QString &path);
    // Works the whole plan out again now, not at the next pause in typing.
    void replanNow();

    static constexpr int kPlanDelayMs = 150;

signals:
    void changed(const DocumentChange &change);

private:
    void emitChange(DocumentChange change);
    // An edit of the project's value: counts as unsaved work.
    void edited(DocumentChange change);
    void tasksChanged(int index);
    void recountAll();
    void replanAll();
    // Works out the sub-goals whose plan waits, and those after them whose
    // start moved with it.
    void replanStale();
    void replanGoal(int index);

    Project m_project;
    int m_selectedCard = 0;
    QString m_filePath;
    bool m_modified = false;
    quint64 m_revision = 0;
    QList<TaskCounts> m_counts;   // per sub-goal
    QList<bool> m_holdsCr;        // per sub-goal: its text holds a CR
    mutable Schedule m_plan;
    mutable QList<bool> m_stale;  // per sub-goal: its plan waits to be worked out
    QTimer m_planTimer;
};
