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
    // The letter after "&" opens or picks an item with Alt.
    const auto mnemonic = [](QString caption, int at) { return caption.insert(at, u'&'); };
    Session &s = *m_session;

    QMenu *mnuProject = menuBar()->addMenu(QStringLiteral("&Project"));
    mnuProject->setObjectName(QStringLiteral("mnuProject"));
    item(mnuProject, "mnuNew", QStringLiteral("&New"), QKeySequence(Qt::CTRL | Qt::Key_N), [&s] { s.project.mnuNew_Click(); });
    item(mnuProject, "mnuOpen", QStringLiteral("&Open"), QKeySequence(Qt::CTRL | Qt::Key_O), [&s] { s.project.mnuOpen_Click(); });
    item(mnuProject, "mnuSave", QStringLiteral("&Save"), QKeySequence(Qt::CTRL | Qt::Key_S), [&s] { s.project.mnuSave_Click(); });
    item(mnuProject, "mnuSaveAs", QStringLiteral("Save &As..."), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S),
         [&s] { s.project.mnuSaveAs_Click(); });
    item(mnuProject, "mnuPrintPlan", mnemonic(Texts::printPlanMenu(), 0), QKeySequence(Qt::CTRL | Qt::Key_P),
         [&s] { s.plan.mnuPrintPlan_Click(); });
    item(mnuProject, "mnuExportPdf", mnemonic(Texts::exportPdfMenu(), 0), QKeySequence(), [&s] { s.plan.mnuExportPdf_Click(); });
    mnuProject->addSeparator()->setObjectName(QStringLiteral("mnuSep1"));
    QAction *exit = mnuProject->addAction(QStringLiteral("E&xit"));
    exit->setObjectName(QStringLiteral("mnuExit"));
    connect(exit, &QAction::triggered, this, &QWidget::close);

    // The edit boxes undo their own typing while they have the focus: they
    // take Ctrl+Z before these do.
    QMenu *mnuEdit = menuBar()->addMenu(QStringLiteral("&Edit"));
    mnuEdit->setObjectName(QStringLiteral("mnuEdit"));
    QAction *undo = m_history->stack().createUndoAction(this, QStringLiteral("&Undo"));
    undo->setObjectName(QStringLiteral("mnuUndo"));
    undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    QAction *redo = m_history->stack().createRedoAction(this, QStringLiteral("&Redo"));
    redo->setObjectName(QStringLiteral("mnuRedo"));
    redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    mnuEdit->addActions({undo, redo});

    QMenu *mnuPlan = menuBar()->addMenu(mnemonic(Texts::scheduleMenu(), 2));
    mnuPlan->setObjectName(QStringLiteral("mnuPlan"));
    item(mnuPlan, "mnuSchedule", mnemonic(Texts::scheduleCommand(), 0), QKeySequence(Qt::CTRL | Qt::Key_L),
         [this] { scheduleDock->setVisible(!scheduleDock->isVisible()); });
    item(mnuPlan, "mnuExportTimeline", mnemonic(Texts::exportTimelineMenu(), 7), QKeySequence(),
         [&s] { s.plan.mnuExportTimeline_Click(); });

    QMenu *mnuHelp = menuBar()->addMenu(QStringLiteral("&Help"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    item(mnuHelp, "mnuTips", QStringLiteral("&Tips"), QKeySequence(Qt::Key_F1), [&s] { s.shell.ShowTips(); });

    // F10 opens the menu bar at its first menu, as on the desktops Tarvo
    // users come from; arrows and Enter go on from there.
    auto *menuKey = new QShortcut(QKeySequence(Qt::Key_F10), this);
    connect(menuKey, &QShortcut::activated, this, [this] {
        menuBar()->setFocus(Qt::ShortcutFocusReason);
        menuBar()->setActiveAction(menuBar()->actions().constFirst());
    });
}
