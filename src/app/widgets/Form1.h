#pragma once
#include <QMainWindow>
#include <memory>

#include "project/WorkingState.h"

class CardCanvas;
class ScheduleDock;
class QtModals;
namespace Ui { class Sidebar; }

// The main window. It shows the working state and forwards every event to
// it; it keeps no project state of its own.
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

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void build();
    void connectSidebar();
    void connectCards();
    void txtGoalTasks_Change(int position, int removed, int added);
    void buildMenu();
    void applyLayout();
    template <typename F> void forward(F &&handler);

    std::unique_ptr<QtModals> m_ownModals;
    std::unique_ptr<WorkingState> m_state;
    std::unique_ptr<Ui::Sidebar> m_ui;
    bool m_rendering = false;
    int m_tasksRevision = -1;

    QWidget *picContainer = nullptr;
    CardCanvas *Picture1 = nullptr;
    ScheduleDock *scheduleDock = nullptr;
};

// The character code a key press produces, 0 for keys that produce none.
int keyAsciiOf(const QKeyEvent *event);
