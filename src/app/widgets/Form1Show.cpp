// Showing the state: the window's controls set from the working state, and
// the layout of the side bar and the card area.
#include "app/widgets/Form1.h"

#include <QScrollArea>
#include <QScrollBar>
#include <QSignalBlocker>

#include "app/Layout.h"
#include "app/widgets/WidgetKit.h"
#include "dashboard/widgets/CardCanvas.h"
#include "events/widgets/SchedulePanel.h"
#include "ui_Sidebar.h"

using Layout::px;

namespace {

// The task box shows ordinary line breaks; task text has CR LF.
QString toBoxText(QString taskText) { return taskText.replace(QStringLiteral("\r\n"), QStringLiteral("\n")); }

// The box takes at most limit characters, but a longer name the program
// puts in (loaded from a file) stays whole: the box never cuts it.
void showLimitedText(QLineEdit *box, const QString &text, int limit)
{
    if (const int most = std::max<int>(limit, int(text.size())); box->maxLength() != most)
        box->setMaxLength(most);
    if (box->text() != text) {
        const QSignalBlocker block(box);
        box->setText(text);
    }
}

} // namespace

void Form1::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    applyLayout();
}

void Form1::applyLayout()
{
    QWidget *central = centralWidget();
    const int height = central->height();
    // The side bar runs the window's full height; a short window scrolls it.
    QWidget *sidebar = sidebarScroll->widget();
    const bool sidebarScrolls = height < sidebar->height();
    const int sidebarWidth = sidebar->width() + (sidebarScrolls ? sidebarScroll->verticalScrollBar()->sizeHint().width() : 0);
    sidebarScroll->setGeometry(0, 0, sidebarWidth, height);

    // The card area follows the window's width and keeps the canvas centred
    // in it; a window too small for the canvas scrolls the area instead of
    // cutting the canvas off.
    const int tw = Layout::kTwipsPerPixel;
    const int left = std::max(px(5310), sidebarWidth + px(5310 - 5190));
    const int rule = Layout::picContainerWidth(frameGeometry().width() * tw, left * tw, picContainer->width() * tw) / tw;
    const int width = std::max(rule, Picture1->width());
    picContainer->resize(width, picContainer->height());
    Picture1->move(Layout::picture1Left(width * tw, Picture1->width() * tw) / tw, Picture1->y());
    cardScroll->setGeometry(left, px(45), std::max(0, central->width() - left), std::max(0, height - px(45)));
}

void Form1::render()
{
    if (m_rendering)
        return;
    m_rendering = true;
    const WorkingState &s = *m_state;
    const Ui::Sidebar &ui = *m_ui;

    if (windowTitle() != s.Form1_Caption)
        setWindowTitle(s.Form1_Caption);
    // A long path is cut in its middle, so the file's name stays in view.
    Kit::setText(ui.lblFilename, ui.lblFilename->fontMetrics().elidedText(s.lblFilename, Qt::ElideMiddle,
                                                                          ui.lblFilename->width()));
    const QString tip = s.lblFilename_ToolTip.isEmpty() ? Texts::openProjectsFolder()
                                                        : s.lblFilename_ToolTip + u'\n' + Texts::openProjectsFolder();
    if (ui.lblFilename->toolTip() != tip)
        ui.lblFilename->setToolTip(tip);
    Kit::setText(ui.Label14, s.Label14);
    Kit::setText(ui.lblGoalName, s.lblGoalName);
    Kit::setText(ui.lblSubgoalscharsleft, s.lblSubgoalscharsleft);
    showLimitedText(ui.txtProjectName, s.txtProjectName, Rules::kProjectNameMax);
    showLimitedText(ui.txtSubGoal, s.dashboard.txtSubGoal(), Rules::kSubGoalNameMax);
    if (m_tasksRevision != s.tasks.txtGoalTasksRevision()) {
        m_tasksRevision = s.tasks.txtGoalTasksRevision();
        ui.txtGoalTasks->setPlainText(toBoxText(s.tasks.txtGoalTasks()));
    }
    if (ui.chkDueDate->isChecked() != s.dueDates.chkDueDate())
        ui.chkDueDate->setChecked(s.dueDates.chkDueDate());
    if (ui.Calendar1->selectedDate() != s.dueDates.Calendar1())
        ui.Calendar1->setSelectedDate(s.dueDates.Calendar1());

    Kit::setShown(ui.lblDelete, s.lblDelete_Visible);
    Kit::setShown(ui.lblNewGoal, s.lblNewGoal_Visible);
    Kit::setShown(ui.lblGoalTasks, s.lblGoalTasks_Visible);
    Kit::setShown(ui.txtGoalTasks, s.txtGoalTasks_Visible);
    Kit::setShown(ui.lblTaskInstructions, s.lblTaskInstructions_Visible);
    Kit::setShown(ui.lblDueDate, s.lblDueDate_Visible);
    Kit::setShown(ui.Calendar1, s.Calendar1_Visible);
    Kit::setShown(ui.chkDueDate, s.chkDueDate_Visible);
    Picture1->showCards(s.cards);
    // A screen reader reads each edit box by its label.
    ui.txtProjectName->setAccessibleName(s.Label14);
    ui.txtSubGoal->setAccessibleName(s.lblGoalName);
    scheduleDock->showState(s);
    m_rendering = false;

    // Focus moves last, once everything it may land on is shown.
    switch (std::exchange(m_state->focusRequest, WorkingState::Focus::None)) {
    case WorkingState::Focus::txtSubGoal: ui.txtSubGoal->setFocus(); break;
    case WorkingState::Focus::txtGoalTasks: ui.txtGoalTasks->setFocus(); break;
    case WorkingState::Focus::None: break;
    }
}
