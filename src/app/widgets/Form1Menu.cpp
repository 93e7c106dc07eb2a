// The menus of the main window.
#include "app/widgets/Form1.h"

#include <QMenuBar>
#include <QShortcut>

#include "app/widgets/UndoHistory.h"
#include "base/Texts.h"
#include "events/widgets/SchedulePanel.h"

void Form1::buildMenu()
{
    const auto item = [this](QMenu *menu, const char *name, const QString &caption, const QKeySequence &keys,
                             std::function<void()> run) {
        QAction *action = menu->addAction(caption);
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcut(keys);
        connect(action, &QAction::triggered, this, [this, run] { command(run); });
        return action;
    };
    Session &s = *m_session;

    QMenu *mnuProject = menuBar()->addMenu(Texts::menuProject());
    mnuProject->setObjectName(QStringLiteral("mnuProject"));
    item(mnuProject, "mnuNew", Texts::menuNew(), QKeySequence(Qt::CTRL | Qt::Key_N), [&s] { s.project.mnuNew_Click(); });
    item(mnuProject, "mnuOpen", Texts::menuOpen(), QKeySequence(Qt::CTRL | Qt::Key_O), [&s] { s.project.mnuOpen_Click(); });
    item(mnuProject, "mnuSave", Texts::menuSave(), QKeySequence(Qt::CTRL | Qt::Key_S), [&s] { s.project.mnuSave_Click(); });
    item(mnuProject, "mnuSaveAs", Texts::menuSaveAs(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S),
         [&s] { s.project.mnuSaveAs_Click(); });
    item(mnuProject, "mnuPrintPlan", Texts::printPlanMenu(), QKeySequence(Qt::CTRL | Qt::Key_P),
         [&s] { s.plan.mnuPrintPlan_Click(); });
    item(mnuProject, "mnuExportPdf", Texts::exportPdfMenu(), QKeySequence(), [&s] { s.plan.mnuExportPdf_Click(); });
    mnuProject->addSeparator()->setObjectName(QStringLiteral("mnuSep1"));
    QAction *exit = mnuProject->addAction(Texts::menuExit());
    exit->setObjectName(QStringLiteral("mnuExit"));
    connect(exit, &QAction::triggered, this, &QWidget::close);

    // The edit boxes undo their own typing while they have the focus: they
    // take Ctrl+Z before these do.
    QMenu *mnuEdit = menuBar()->addMenu(Texts::menuEdit());
    mnuEdit->setObjectName(QStringLiteral("mnuEdit"));
    QAction *undo = m_history->stack().createUndoAction(this, Texts::menuUndo());
    undo->setObjectName(QStringLiteral("mnuUndo"));
    undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    QAction *redo = m_history->stack().createRedoAction(this, Texts::menuRedo());
    redo->setObjectName(QStringLiteral("mnuRedo"));
    redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    mnuEdit->addActions({undo, redo});

    QMenu *mnuPlan = menuBar()->addMenu(Texts::menuPlan());
    mnuPlan->setObjectName(QStringLiteral("mnuPlan"));
    item(mnuPlan, "mnuSchedule", Texts::menuSchedule(), QKeySequence(Qt::CTRL | Qt::Key_L),
         [this] { scheduleDock->setVisible(!scheduleDock->isVisible()); });
    item(mnuPlan, "mnuExportTimeline", Texts::exportTimelineMenu(), QKeySequence(),
         [&s] { s.plan.mnuExportTimeline_Click(); });

    QMenu *mnuHelp = menuBar()->addMenu(Texts::menuHelp());
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    item(mnuHelp, "mnuTips", Texts::menuTips(), QKeySequence(Qt::Key_F1), [&s] { s.shell.ShowTips(); });

    // F10 opens the menu bar at its first menu, as on the desktops Tarvo
    // users come from; arrows and Enter go on from there.
    auto *menuKey = new QShortcut(QKeySequence(Qt::Key_F10), this);
    connect(menuKey, &QShortcut::activated, this, [this] {
        menuBar()->setFocus(Qt::ShortcutFocusReason);
        menuBar()->setActiveAction(menuBar()->actions().constFirst());
    });
}
