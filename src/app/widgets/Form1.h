#pragma once
#include <QHash>
#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <memory>

#include "app/Session.h"

class CardCanvas;
class QLabel;
class QLockFile;
class QScrollArea;
class QtModals;
class ScheduleDock;
class UndoHistory;
struct DocumentChange;
namespace Ui { class Sidebar; }

// The main window. It shows the session's document and forwards the user's
// actions to the session's commands; it keeps no project state of its own.
// Each change of the document repaints what that change touched.
class Form1 : public QMainWindow {
    Q_OBJECT
public:
    // lock: this run's instance lock, looked after while the window lives.
    explicit Form1(const QString &appFolder, QLockFile *lock = nullptr, QWidget *parent = nullptr);
    // For tests: every question and every output goes to the given seams.
    Form1(const QString &appFolder, Ask &ask, Output &output, QWidget *parent = nullptr);
    ~Form1() override;

    Session &session() { return *m_session; }
    // Asks about unsaved work a run that did not end cleanly left behind.
    void offerRestore();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void build();
    void buildArea();
    void connectSidebar();
    void connectCards();
    void buildMenu();
    void applyLayout();
    int layOutSidebar();   // returns its width
    void layOutCards(int left);
    // Runs a command of a menu or a button. A task file that could not be
    // written is said in a box before it, once: while typing, only the
    // status line tells.
    void command(const std::function<void()> &run);
    void txtGoalTasks_Change(int position, int removed, int added);
    bool txtSubGoal_KeyPress(QKeyEvent *event);
    // The box's own undo and redo keys; true when the key is done with.
    bool textBoxKeys(QObject *box, QEvent *event);

    // ---- showing the document (Form1Show.cpp)
    void documentChanged(const DocumentChange &change);
    void showAll();
    void showName();
    void showFile();
    void showSelection();
    void showTaskBox();
    // selected: the card was just selected, so the calendar starts afresh.
    void showDueDate(bool selected);
    void showStartsAfter();
    void showCards();
    void showProblem(const QString &problem);
    void showDiskNote(const QString &note);
    // A task clicked on the timeline: its sub-goal selected, the task box's
    // cursor on its line (1-based; 0: none).
    void goToTask(int subGoal, int lineNumber);

    std::unique_ptr<QtModals> m_ownModals;
    std::unique_ptr<Session> m_session;
    std::unique_ptr<Ui::Sidebar> m_ui;
    UndoHistory *m_history = nullptr;
    bool m_showing = false;       // the window is setting its controls: their signals are no user's
    bool m_typingTasks = false;   // the change comes from the task box itself
    QString m_unreported;         // a problem the status line told and no box yet
    QPointer<QWidget> m_activatedCard;   // selected by Enter or Space: Tab goes on to its tasks

    QScrollArea *sidebarScroll = nullptr;   // the side bar, full height; scrolls when short
    int m_sidebarHeight = 0;                // as designed
    QRect m_taskBoxGeometry;                // as designed; it grows with a tall window
    QHash<QWidget *, QPoint> m_belowTaskBox; // what moves down when it grows
    QScrollArea *cardScroll = nullptr;      // the card area; scrolls when small
    QWidget *picContainer = nullptr;
    CardCanvas *Picture1 = nullptr;
    ScheduleDock *scheduleDock = nullptr;
    QLabel *lblDiskNote = nullptr;          // on the status line: the file as other devices left it
};

// The character code a key press produces, 0 for keys that produce none.
int keyAsciiOf(const QKeyEvent *event);
