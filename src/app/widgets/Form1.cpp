#include "app/widgets/Form1.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMenuBar>
#include <QSignalBlocker>
#include <QTextBlock>
#include <QTextDocument>

#include "app/Layout.h"
#include "app/widgets/QtModals.h"
#include "app/widgets/WidgetKit.h"
#include "dashboard/widgets/CardCanvas.h"
#include "events/widgets/SchedulePanel.h"
#include "ui_Sidebar.h"

using Layout::px;

int keyAsciiOf(const QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: return 13;
    case Qt::Key_Backspace: return 8;
    case Qt::Key_Escape: return 27;
    case Qt::Key_Tab: return 9;
    default: break;
    }
    if ((event->modifiers() & Qt::ControlModifier) && event->key() >= Qt::Key_A && event->key() <= Qt::Key_Z)
        return event->key() - Qt::Key_A + 1;
    const QString text = event->text();
    if (!text.isEmpty() && text.at(0).unicode() >= 32 && text.at(0).unicode() != 127)
        return text.at(0).unicode();
    return 0;
}

namespace {

// The task box shows ordinary line breaks; task text has CR LF.
QString toBoxText(QString taskText) { return taskText.replace(QStringLiteral("\r\n"), QStringLiteral("\n")); }
// A selection of the box ends its lines with U+2029.
QString toTaskText(QString boxText) { return boxText.replace(QChar::ParagraphSeparator, QStringLiteral("\r\n")); }

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

Form1::Form1(const QString &appFolder, QWidget *parent)
    : QMainWindow(parent), m_ownModals(std::make_unique<QtModals>(appFolder))
{
    m_ownModals->setParentWindow(this);
    m_state = std::make_unique<WorkingState>(appFolder, *m_ownModals);
    build();
}

Form1::Form1(const QString &appFolder, Modals &modals, QWidget *parent) : QMainWindow(parent)
{
    m_state = std::make_unique<WorkingState>(appFolder, modals);
    build();
}

Form1::~Form1() = default;

template <typename F> void Form1::forward(F &&handler)
{
    handler(*m_state);
    render();
}

void Form1::build()
{
    setObjectName(QStringLiteral("Form1"));
    auto *central = new QWidget(this);
    central->setObjectName(QStringLiteral("Form1_client"));
    Kit::fillBackground(central, Qt::white);
    setCentralWidget(central);

    m_ui = std::make_unique<Ui::Sidebar>();
    m_ui->setupUi(new QWidget(central));

    picContainer = new QWidget(central);
    picContainer->setObjectName(QStringLiteral("picContainer"));
    picContainer->setGeometry(px(5310), px(45), px(13425), px(9960));
    Kit::fillBackground(picContainer, Qt::white);
    Picture1 = new CardCanvas(m_state->appFolder(), picContainer);
    Picture1->move(px(315), px(90));

    connectSidebar();
    connectCards();
    buildMenu();
    // The schedule docks under the cards; the cards keep their height.
    central->setMinimumHeight(px(10005));
    scheduleDock = new ScheduleDock(this);
    addDockWidget(Qt::BottomDockWidgetArea, scheduleDock);
    connect(scheduleDock, &ScheduleDock::forwarded, this, [this](const ScheduleDock::Handler &h) { forward(h); });

    // Wide enough that the card canvas shows whole beside the side bar.
    resize(1280, px(10005) + menuBar()->sizeHint().height());

    m_state->shell.Form_Load();
    SetEditMargins(10, 20, m_ui->txtSubGoal);
    SetEditMargins(10, 20, m_ui->txtProjectName);
    SetEditMargins(10, 20, m_ui->txtGoalTasks);
    Kit::fillBackground(m_ui->txtGoalTasks, Qt::white);   // the inner margins show as part of the box
    Kit::setTextColour(m_ui->chkDueDate, Qt::white);      // the caption only: the check mark keeps its colour
    render();
}

void Form1::offerRestore()
{
    forward([](WorkingState &s) { s.recovery.offerRestore(); });
}

void Form1::connectSidebar()
{
    const Ui::Sidebar &ui = *m_ui;
    connect(ui.lblFilename, &ClickLabel::clicked, this, [this] { forward([](WorkingState &s) { s.shell.lblFilename_Click(); }); });
    connect(ui.lblDelete, &ClickLabel::clicked, this, [this] { forward([](WorkingState &s) { s.dashboard.lblDelete_Click(); }); });
    connect(ui.lblNewGoal, &ClickLabel::clicked, this, [this] { forward([](WorkingState &s) { s.dashboard.lblNewGoal_Click(); }); });
    connect(ui.txtProjectName, &QLineEdit::textEdited, this, [this](const QString &text) {
        forward([&](WorkingState &s) { s.dashboard.txtProjectName_Change(text); });
    });
    connect(ui.txtSubGoal, &QLineEdit::textEdited, this, [this](const QString &text) {
        forward([&](WorkingState &s) { s.dashboard.txtSubGoal_Change(text); });
    });
    connect(ui.txtGoalTasks->document(), &QTextDocument::contentsChange, this, &Form1::txtGoalTasks_Change);
    connect(ui.chkDueDate, &QCheckBox::clicked, this, [this](bool checked) {
        forward([&](WorkingState &s) { s.dueDates.setChkDueDate(checked); });
    });
    connect(ui.Calendar1, &QCalendarWidget::selectionChanged, this, [this] {
        if (m_rendering)
            return;
        const QDate date = m_ui->Calendar1->selectedDate();
        forward([&](WorkingState &s) { s.dueDates.setCalendar1(date); });
    });
    for (QWidget *box : {static_cast<QWidget *>(ui.txtProjectName), static_cast<QWidget *>(ui.txtSubGoal),
                         static_cast<QWidget *>(ui.txtGoalTasks)})
        box->installEventFilter(this);
}

void Form1::txtGoalTasks_Change(int position, int removed, int added)
{
    if (m_rendering)
        return;
    // The edit alone goes to the core, so a keystroke costs the same in a
    // list of ten lines and of a hundred thousand. Where the core cannot
    // place it, the whole text goes.
    QTextDocument *document = m_ui->txtGoalTasks->document();
    const qsizetype length = document->characterCount() - 1;
    QString inserted;
    if (added == 1) {
        inserted = document->characterAt(position);
    } else if (added > 1) {
        QTextCursor selection(document);
        selection.setPosition(position);
        selection.setPosition(std::min<int>(position + added, int(length)), QTextCursor::KeepAnchor);
        inserted = selection.selectedText();
    }
    const int line = document->findBlock(position).blockNumber();
    // An edit changes the task text and the selected card's counters and
    // nothing else, so only those are shown anew.
    WorkingState &s = *m_state;
    if (s.tasks.txtGoalTasks_Edit(position, line, removed, toTaskText(inserted), length)) {
        Picture1->showCounters(s.SelectedGoalIndex, s.cards[s.SelectedGoalIndex]);
    } else {
        QTextCursor all(document);
        all.select(QTextCursor::Document);
        const QString text = toTaskText(all.selectedText());
        forward([&](WorkingState &s) { s.tasks.txtGoalTasks_Change(text); });
    }
}

void Form1::connectCards()
{
    connect(Picture1, &CardCanvas::captionClicked, this,
            [this](int k) { forward([k](WorkingState &s) { s.dashboard.lblGoal_Click(k); }); });
    connect(Picture1, &CardCanvas::deleteMarkClicked, this,
            [this](int k) { forward([k](WorkingState &s) { s.dashboard.lblDeleteOnMouseOver_Click(k); }); });
    connect(Picture1, &CardCanvas::cardMouseMoved, this,
            [this](int k) { forward([k](WorkingState &s) { s.dashboard.picGoal_MouseMove(k); }); });
    connect(Picture1, &CardCanvas::canvasMouseMoved, this,
            [this] { forward([](WorkingState &s) { s.dashboard.Picture1_MouseMove(); }); });
}

void Form1::buildMenu()
{
    QMenu *mnuProject = menuBar()->addMenu(QStringLiteral("Project"));
    mnuProject->setObjectName(QStringLiteral("mnuProject"));
    const auto item = [this](QMenu *menu, const char *name, const QString &caption, const QKeySequence &keys,
                             auto handler) {
        QAction *action = menu->addAction(caption);
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcut(keys);
        connect(action, &QAction::triggered, this, [this, handler] { forward(handler); });
        return action;
    };
    item(mnuProject, "mnuNew", QStringLiteral("New"), QKeySequence(Qt::CTRL | Qt::Key_N),
         [](WorkingState &s) { s.project.mnuNew_Click(); });
    item(mnuProject, "mnuOpen", QStringLiteral("Open"), QKeySequence(Qt::CTRL | Qt::Key_O),
         [](WorkingState &s) { s.project.mnuOpen_Click(); });
    item(mnuProject, "mnuSave", QStringLiteral("Save"), QKeySequence(Qt::CTRL | Qt::Key_S),
         [](WorkingState &s) { s.project.mnuSave_Click(); });
    item(mnuProject, "mnuSaveAs", QStringLiteral("Save As..."), QKeySequence(),
         [](WorkingState &s) { s.project.mnuSaveAs_Click(); });
    item(mnuProject, "mnuPrintPlan", Texts::printPlanMenu(), QKeySequence(Qt::CTRL | Qt::Key_P),
         [](WorkingState &s) { s.plan.mnuPrintPlan_Click(); });
    item(mnuProject, "mnuExportPdf", Texts::exportPdfMenu(), QKeySequence(),
         [](WorkingState &s) { s.plan.mnuExportPdf_Click(); });
    mnuProject->addSeparator()->setObjectName(QStringLiteral("mnuSep1"));
    QAction *exit = mnuProject->addAction(QStringLiteral("Exit"));
    exit->setObjectName(QStringLiteral("mnuExit"));
    connect(exit, &QAction::triggered, this, &QWidget::close);

    QMenu *mnuPlan = menuBar()->addMenu(Texts::scheduleMenu());
    mnuPlan->setObjectName(QStringLiteral("mnuPlan"));
    item(mnuPlan, "mnuSchedule", Texts::scheduleCommand(), QKeySequence(Qt::CTRL | Qt::Key_L),
         [](WorkingState &s) { s.schedule.mnuSchedule_Click(); });

    QMenu *mnuHelp = menuBar()->addMenu(QStringLiteral("Help"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    item(mnuHelp, "mnuTips", QStringLiteral("Tips"), QKeySequence(Qt::Key_F1), [](WorkingState &s) { s.shell.ShowTips(); });
}

bool Form1::eventFilter(QObject *watched, QEvent *event)
{
    const bool press = event->type() == QEvent::KeyPress;
    const bool release = event->type() == QEvent::KeyRelease;
    if (!press && !release)
        return QMainWindow::eventFilter(watched, event);
    auto *key = static_cast<QKeyEvent *>(event);

    if (release) {
        if (watched == m_ui->txtProjectName) {
            const QString text = m_ui->txtProjectName->text();
            forward([&](WorkingState &s) { s.dashboard.txtProjectName_KeyUp(text); });
        } else if (watched == m_ui->txtGoalTasks && m_state->tasks.txtGoalTasks_KeyUp()) {
            render();   // a write that had failed was tried again
        }
        return false;
    }

    const int ascii = keyAsciiOf(key);
    if (watched == m_ui->txtSubGoal && ascii != 0) {
        int result = ascii;
        forward([&](WorkingState &s) { result = s.dashboard.txtSubGoal_KeyPress(ascii); });
        return result == 0; // swallowed
    }
    // A key in the task box changes the project through the edit it makes,
    // which the document reports.
    return false;
}

void Form1::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    applyLayout();
}

void Form1::applyLayout()
{
    const int tw = Layout::kTwipsPerPixel;
    const int width = Layout::picContainerWidth(frameGeometry().width() * tw, picContainer->x() * tw,
                                                picContainer->width() * tw);
    picContainer->resize(width / tw, picContainer->height());
    Picture1->move(Layout::picture1Left(width, Picture1->width() * tw) / tw, Picture1->y());
}

void Form1::closeEvent(QCloseEvent *event)
{
    bool mayClose = true;
    forward([&](WorkingState &s) { mayClose = s.project.maybeSave(); });
    if (mayClose)
        event->accept();
    else
        event->ignore();
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
    Kit::setText(ui.lblFilename, s.lblFilename);
    if (ui.lblFilename->toolTip() != s.lblFilename_ToolTip)
        ui.lblFilename->setToolTip(s.lblFilename_ToolTip);
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
    scheduleDock->showState(s);
    m_rendering = false;

    // Focus moves last, once everything it may land on is shown.
    switch (std::exchange(m_state->focusRequest, WorkingState::Focus::None)) {
    case WorkingState::Focus::txtSubGoal: ui.txtSubGoal->setFocus(); break;
    case WorkingState::Focus::txtGoalTasks: ui.txtGoalTasks->setFocus(); break;
    case WorkingState::Focus::None: break;
    }
}
