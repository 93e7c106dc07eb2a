#include "app/widgets/Form1.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
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

// A selection of the box ends its lines with U+2029.
QString toTaskText(QString boxText) { return boxText.replace(QChar::ParagraphSeparator, QStringLiteral("\r\n")); }

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

void Form1::forward(const std::function<void(WorkingState &)> &handler)
{
    const Project before = m_state->project.snapshot();
    const int generation = m_state->project.generation();
    handler(*m_state);
    recordStep(before, generation);
    render();
}

void Form1::build()
{
    setObjectName(QStringLiteral("Form1"));
    m_ui = std::make_unique<Ui::Sidebar>();
    buildArea();
    connectSidebar();
    connectCards();
    buildMenu();
    scheduleDock = new ScheduleDock(this);
    addDockWidget(Qt::BottomDockWidgetArea, scheduleDock);
    connect(scheduleDock, &ScheduleDock::forwarded, this, [this](const ScheduleDock::Handler &h) { forward(h); });

    // Wide enough that the card canvas shows whole beside the side bar, but
    // never larger than the screen.
    QSize size(1280, sidebarScroll->widget()->height() + menuBar()->sizeHint().height());
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        size = size.boundedTo(screen->availableGeometry().size());
    resize(size);

    m_state->shell.Form_Load();
    SetEditMargins(10, 20, m_ui->txtSubGoal);
    SetEditMargins(10, 20, m_ui->txtProjectName);
    SetEditMargins(10, 20, m_ui->txtGoalTasks);
    Kit::fillBackground(m_ui->txtGoalTasks, Qt::white);   // the inner margins show as part of the box
    Kit::setTextColour(m_ui->chkDueDate, Qt::white);      // the caption only: the check mark keeps its colour
    m_ui->txtGoalTasks->setTabChangesFocus(true);         // a tab is no task character; Tab leaves the box
    render();
}

// The side bar beside the card area; each scrolls when the window is
// smaller than it, so nothing is out of reach.
void Form1::buildArea()
{
    auto *central = new QWidget(this);
    central->setObjectName(QStringLiteral("Form1_client"));
    Kit::fillBackground(central, Qt::white);
    setCentralWidget(central);

    sidebarScroll = new QScrollArea(central);
    sidebarScroll->setObjectName(QStringLiteral("sidebarScroll"));
    sidebarScroll->setFrameShape(QFrame::NoFrame);
    sidebarScroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto *sidebar = new QWidget;
    m_ui->setupUi(sidebar);
    sidebarScroll->setWidget(sidebar);
    // The side bar's colour runs down to the window's foot.
    Kit::fillBackground(sidebarScroll->viewport(), QColor(64, 64, 64));

    cardScroll = new QScrollArea(central);
    cardScroll->setObjectName(QStringLiteral("cardScroll"));
    cardScroll->setFrameShape(QFrame::NoFrame);
    Kit::fillBackground(cardScroll->viewport(), Qt::white);
    picContainer = new QWidget;
    picContainer->setObjectName(QStringLiteral("picContainer"));
    picContainer->resize(px(13425), px(9960));
    Kit::fillBackground(picContainer, Qt::white);
    Picture1 = new CardCanvas(m_state->appFolder(), picContainer);
    Picture1->move(px(315), px(90));
    cardScroll->setWidget(picContainer);
    central->installEventFilter(this);
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

bool Form1::eventFilter(QObject *watched, QEvent *event)
{
    // The area between the menu and a dock: a dock shown or hidden resizes
    // it without resizing the window.
    if (watched == centralWidget() && event->type() == QEvent::Resize)
        applyLayout();
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

void Form1::closeEvent(QCloseEvent *event)
{
    bool mayClose = true;
    forward([&](WorkingState &s) { mayClose = s.project.maybeSave(); });
    if (mayClose)
        event->accept();
    else
        event->ignore();
}

