#pragma once
#include <QMainWindow>
#include <QUndoStack>
#include <functional>
#include <memory>

#include "project/WorkingState.h"

class CardCanvas;
class QScrollArea;
class ScheduleDock;
class QtModals;
namespace Ui { class Sidebar; }

// The main window. It shows the working state and forwards every event to
// it; it keeps no project state of its own, only the undo history of the
// changes it forwarded.
class Form1 : public QMainWindow {
    Q_OBJECT
public:
    explicit Form1(const QString &appFolder, QWidget *parent = nullptr);
    // For tests: every modal question goes to the given seam.
    Form1(const QString &appFolder, Modals &modals, QWidget *parent = nullptr);
    ~Form1() override;

    WorkingState &state() { return *m_state; }
    // Shows the state anew; every forwarded event ends with it.
    void render();
    // Asks about unsaved work a run that did not end cleanly left behind.
    void offerRestore();
    // Takes the project back to an outline of an earlier or later step.
    void replay(const Project &outline);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void build();
    void buildArea();
    void connectSidebar();
    void connectCards();
    void txtGoalTasks_Change(int position, int removed, int added);
    void buildMenu();
    void applyLayout();
    // Puts a step on the undo history when the forwarded event changed the
    // project's outline; forgets the history when a new project began.
    void recordStep(const Project &before, int generation);
    // Every event goes through here: the handler, the history, the showing.
    void forward(const std::function<void(WorkingState &)> &handler);

    std::unique_ptr<QtModals> m_ownModals;
    std::unique_ptr<WorkingState> m_state;
    std::unique_ptr<Ui::Sidebar> m_ui;
    QUndoStack m_history;
    bool m_replaying = false;
    bool m_rendering = false;
    int m_tasksRevision = -1;

    QScrollArea *sidebarScroll = nullptr;   // the side bar, full height; scrolls when short
    QScrollArea *cardScroll = nullptr;      // the card area; scrolls when small
    QWidget *picContainer = nullptr;
    CardCanvas *Picture1 = nullptr;
    ScheduleDock *scheduleDock = nullptr;
};

// The character code a key press produces, 0 for keys that produce none.
int keyAsciiOf(const QKeyEvent *event);
