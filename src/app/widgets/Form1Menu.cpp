// The menus and the undo history of the main window.
#include "app/widgets/Form1.h"

#include <QMenuBar>
#include <QShortcut>

#include "app/Texts.h"
#include "project/ProjectChange.h"

namespace {

// One step of the history: the project's outline before and after a
// command. The first redo is the command itself, already done.
class ProjectStep : public QUndoCommand {
public:
    ProjectStep(Form1 &window, Project before, Project after)
        : QUndoCommand(ProjectChange::describe(before, after)), m_window(window), m_before(std::move(before)),
          m_after(std::move(after)), m_nameOnly(ProjectChange::onlyNameChanged(m_before, m_after))
    {
    }
    void undo() override
    {
        // Tasks typed since are kept: taken now, they come back with a redo.
        m_after = m_window.state().project.snapshot();
        m_window.replay(m_before);
    }
    void redo() override
    {
        if (std::exchange(m_done, false))
            return;
        m_before = m_window.state().project.snapshot();
        m_window.replay(m_after);
    }
    // Typing the project's name is one step, not one step a key.
    int id() const override { return m_nameOnly ? 1 : -1; }
    bool mergeWith(const QUndoCommand *other) override
    {
        const auto *next = static_cast<const ProjectStep *>(other);
        if (!next->m_nameOnly)
            return false;
        m_after = next->m_after;
        return true;
    }

private:
    Form1 &m_window;
    Project m_before;
    Project m_after;
    bool m_nameOnly;
    bool m_done = true;
};

} // namespace

void Form1::recordStep(const Project &before, int generation)
{
    if (m_replaying)
        return;
    if (generation != m_state->project.generation()) {
        m_history.clear();   // New, Open or a restore: the steps were another project's
        return;
    }
    Project after = m_state->project.snapshot();
    if (!ProjectChange::sameOutline(before, after))
        m_history.push(new ProjectStep(*this, before, std::move(after)));
}

void Form1::replay(const Project &outline)
{
    m_replaying = true;
    forward([&](WorkingState &s) { s.project.restore(outline); });
    m_replaying = false;
}

void Form1::buildMenu()
{
    const auto item = [this](QMenu *menu, const char *name, const QString &caption, const QKeySequence &keys,
                             auto handler) {
        QAction *action = menu->addAction(caption);
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcut(keys);
        connect(action, &QAction::triggered, this, [this, handler] { forward(handler); });
        return action;
    };
    // The letter after "&" opens or picks an item with Alt.
    const auto mnemonic = [](QString caption, int at) { return caption.insert(at, u'&'); };

    QMenu *mnuProject = menuBar()->addMenu(QStringLiteral("&Project"));
    mnuProject->setObjectName(QStringLiteral("mnuProject"));
    item(mnuProject, "mnuNew", QStringLiteral("&New"), QKeySequence(Qt::CTRL | Qt::Key_N),
         [](WorkingState &s) { s.project.mnuNew_Click(); });
    item(mnuProject, "mnuOpen", QStringLiteral("&Open"), QKeySequence(Qt::CTRL | Qt::Key_O),
         [](WorkingState &s) { s.project.mnuOpen_Click(); });
    item(mnuProject, "mnuSave", QStringLiteral("&Save"), QKeySequence(Qt::CTRL | Qt::Key_S),
         [](WorkingState &s) { s.project.mnuSave_Click(); });
    item(mnuProject, "mnuSaveAs", QStringLiteral("Save &As..."), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S),
         [](WorkingState &s) { s.project.mnuSaveAs_Click(); });
    item(mnuProject, "mnuPrintPlan", mnemonic(Texts::printPlanMenu(), 0), QKeySequence(Qt::CTRL | Qt::Key_P),
         [](WorkingState &s) { s.plan.mnuPrintPlan_Click(); });
    item(mnuProject, "mnuExportPdf", mnemonic(Texts::exportPdfMenu(), 0), QKeySequence(),
         [](WorkingState &s) { s.plan.mnuExportPdf_Click(); });
    mnuProject->addSeparator()->setObjectName(QStringLiteral("mnuSep1"));
    QAction *exit = mnuProject->addAction(QStringLiteral("E&xit"));
    exit->setObjectName(QStringLiteral("mnuExit"));
    connect(exit, &QAction::triggered, this, &QWidget::close);

    // The edit boxes undo their own typing while they have the focus: they
    // take Ctrl+Z before these do.
    QMenu *mnuEdit = menuBar()->addMenu(QStringLiteral("&Edit"));
    mnuEdit->setObjectName(QStringLiteral("mnuEdit"));
    QAction *undo = m_history.createUndoAction(this, QStringLiteral("&Undo"));
    undo->setObjectName(QStringLiteral("mnuUndo"));
    undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    QAction *redo = m_history.createRedoAction(this, QStringLiteral("&Redo"));
    redo->setObjectName(QStringLiteral("mnuRedo"));
    redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    mnuEdit->addActions({undo, redo});

    QMenu *mnuPlan = menuBar()->addMenu(mnemonic(Texts::scheduleMenu(), 2));
    mnuPlan->setObjectName(QStringLiteral("mnuPlan"));
    item(mnuPlan, "mnuSchedule", mnemonic(Texts::scheduleCommand(), 0), QKeySequence(Qt::CTRL | Qt::Key_L),
         [](WorkingState &s) { s.schedule.mnuSchedule_Click(); });

    QMenu *mnuHelp = menuBar()->addMenu(QStringLiteral("&Help"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    item(mnuHelp, "mnuTips", QStringLiteral("&Tips"), QKeySequence(Qt::Key_F1), [](WorkingState &s) { s.shell.ShowTips(); });

    // F10 opens the menu bar at its first menu, as on the desktops Tarvo
    // users come from; arrows and Enter go on from there.
    auto *menuKey = new QShortcut(QKeySequence(Qt::Key_F10), this);
    connect(menuKey, &QShortcut::activated, this, [this] {
        menuBar()->setFocus(Qt::ShortcutFocusReason);
        menuBar()->setActiveAction(menuBar()->actions().constFirst());
    });
}
