#pragma once
#include <QMainWindow>
#include <array>
#include <memory>

#include "project/WorkingState.h"

class QAction;
class QCalendarWidget;
class QCheckBox;
class QLabel;
class QLineEdit;
class QtModals;
class CardBody;
class ClickLabel;
class TaskBox;
class EventListPanel;

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

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void build();
    void buildSidebar();
    void buildCards();
    void buildMenu();
    void applyLayout();
    template <typename F> void forward(F &&handler);

    std::unique_ptr<QtModals> m_ownModals;
    std::unique_ptr<WorkingState> m_state;
    bool m_keyDown = false;          // a key is down in one of the edit boxes
    bool m_rendering = false;

    QWidget *picSidebar = nullptr;
    QWidget *picContainer = nullptr;
    QWidget *Picture1 = nullptr;
    QWidget *Picture2 = nullptr;
    QLabel *lblFilename = nullptr;
    QLabel *Label14 = nullptr;
    QLineEdit *txtProjectName = nullptr;
    QLabel *lblGoalName = nullptr;
    QLineEdit *txtSubGoal = nullptr;
    ClickLabel *lblDelete = nullptr;
    ClickLabel *lblNewGoal = nullptr;
    QLabel *lblSubgoalscharsleft = nullptr;
    QLabel *lblGoalTasks = nullptr;
    TaskBox *txtGoalTasks = nullptr;
    QLabel *lblTaskInstructions = nullptr;
    QLabel *lblDueDate = nullptr;
    QCheckBox *chkDueDate = nullptr;
    QCalendarWidget *Calendar1 = nullptr;
    EventListPanel *eventList = nullptr;

    struct CardWidgets {
        CardBody *picGoal = nullptr;
        ClickLabel *lblGoal = nullptr;
        QLabel *lblTasks_Total = nullptr;
        QLabel *lblTasks_Completed = nullptr;
        QLabel *lblTasks_Pending = nullptr;
        QWidget *shDueDate = nullptr;
        QLabel *lblDueDateDate = nullptr;
        QWidget *shActive = nullptr;
        ClickLabel *lblDeleteOnMouseOver = nullptr;
        int pictureRevision = -1;
    };
    std::array<CardWidgets, 9> m_cards;
    int m_tasksRevision = -1;
};

// Sets an edit box's inner left and right margins, in pixels.
void SetEditMargins(int left, int right, QWidget *editBox);
// The character code a key press produces, 0 for keys that produce none.
int keyAsciiOf(const QKeyEvent *event);
