#include "app/widgets/Form1.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QStatusBar>
#include <QTextBlock>
#include <QTextDocument>

#include "app/Layout.h"
#include "app/widgets/QtModals.h"
#include "app/widgets/UndoHistory.h"
#include "base/widgets/WidgetKit.h"
#include "base/Ask.h"
#include "base/Rules.h"
#include "base/Texts.h"
#include "dashboard/widgets/CardCanvas.h"
#include "dashboard/widgets/SubGoalCard.h"
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

// A selection of the box ends its lines with U+2029, and Shift+Enter puts
// U+2028 in a line; the box's plain text has LF for both.
QString toTaskText(QString boxText)
{
    for (QChar &c : boxText) {
        if (c == QChar::ParagraphSeparator || c == QChar::LineSeparator)
            c = u'\n';
    }
    return boxText;
}

} // namespace

Form1::Form1(const QString &appFolder, QLockFile *lock, QWidget *parent)
    : QMainWindow(parent), m_ownModals(std::make_unique<QtModals>(appFolder))
{
    m_ownModals->setParentWindow(this);
    m_session = std::make_unique<Session>(appFolder, *m_ownModals, *m_ownModals, lock);
    build();
}

Form1::Form1(const QString &appFolder, Ask &ask, Output &output, QWidget *parent) : QMainWindow(parent)
{
    m_session = std::make_unique<Session>(appFolder, ask, output);
    build();
}

Form1::~Form1()
{
    // The session's last writes, as it goes, may still report: there is no
    // window left to show them in.
    for (QObject *source : {static_cast<QObject *>(&m_session->document), static_cast<QObject *>(&m_session->problems),
                            static_cast<QObject *>(&m_session->sync)})
        disconnect(source, nullptr, this, nullptr);
}

void Form1::build()
{
    setObjectName(QStringLiteral("Form1"));
    m_ui = std::make_unique<Ui::Sidebar>();
    buildArea();
    m_history = new UndoHistory(m_session->document, this);
    connectSidebar();
    connectCards();
    buildMenu();
    scheduleDock = new ScheduleDock(m_session->document, m_session->schedule, m_session->events, this);
    addDockWidget(Qt::BottomDockWidgetArea, scheduleDock);
    connect(scheduleDock, &ScheduleDock::taskClicked, this, &Form1::goToTask);
    statusBar()->setObjectName(QStringLiteral("statusBar"));
    statusBar()->setSizeGripEnabled(false);
    lblDiskNote = new QLabel(statusBar());
    lblDiskNote->setObjectName(QStringLiteral("lblDiskNote"));
    statusBar()->addPermanentWidget(lblDiskNote);

    // Wide enough that the card canvas shows whole beside the side bar, but
    // never larger than the screen.
    QSize size(1280, sidebarScroll->widget()->height() + menuBar()->sizeHint().height()
                         + statusBar()->sizeHint().height());
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        size = size.boundedTo(screen->availableGeometry().size());
    resize(size);

    // The caption keeps its trailing blank; "[*]" marks unsaved changes.
    setWindowTitle(Texts::mainWindowCaption() + QStringLiteral("[*]"));
    SetEditMargins(10, 20, m_ui->txtSubGoal);
    SetEditMargins(10, 20, m_ui->txtProjectName);
    SetEditMargins(10, 20, m_ui->txtGoalTasks);
    Kit::fillBackground(m_ui->txtGoalTasks, Qt::white);   // the inner margins show as part of the box
    Kit::setTextColour(m_ui->chkDueDate, Qt::white);      // the caption only: the check mark keeps its colour
    m_ui->lblStartsAfter->setText(Texts::startsAfterLabel());
    m_ui->txtGoalTasks->setTabChangesFocus(true);         // a tab is no task character; Tab leaves the box
    // What a screen reader calls the parts that show no name of their own.
    sidebarScroll->setAccessibleName(Texts::sidebarName());
    cardScroll->setAccessibleName(Texts::cardsName());
    m_ui->txtGoalTasks->setAccessibleName(Texts::taskBoxName());
    m_ui->Calendar1->setAccessibleName(Texts::calendarName());

    connect(&m_session->document, &ProjectDocument::changed, this, &Form1::documentChanged);
    connect(&m_session->problems, &Problems::changed, this, &Form1::showProblem);
    connect(&m_session->sync, &DiskSync::noteChanged, this, &Form1::showDiskNote);
    showAll();
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
    sidebarScroll->setFocusPolicy(Qt::NoFocus);   // Tab goes to what is in it
    auto *sidebar = new QWidget;
    m_ui->setupUi(sidebar);
    sidebarScroll->setWidget(sidebar);
    m_sidebarHeight = sidebar->height();
    m_taskBoxGeometry = m_ui->txtGoalTasks->geometry();
    for (QWidget *part : sidebar->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)) {
        if (part->y() > m_taskBoxGeometry.bottom())
            m_belowTaskBox.insert(part, part->pos());
    }
    // The side bar's colour runs down to the window's foot.
    Kit::fillBackground(sidebarScroll->viewport(), QColor(64, 64, 64));

    cardScroll = new QScrollArea(central);
    cardScroll->setObjectName(QStringLiteral("cardScroll"));
    cardScroll->setFrameShape(QFrame::NoFrame);
    cardScroll->setFocusPolicy(Qt::NoFocus);
    Kit::fillBackground(cardScroll->viewport(), Qt::white);
    picContainer = new QWidget;
    picContainer->setObjectName(QStringLiteral("picContainer"));
    picContainer->resize(px(13425), px(9960));
    Kit::fillBackground(picContainer, Qt::white);
    Picture1 = new CardCanvas(m_session->folders.app(), picContainer);
    Picture1->move(px(315), px(90));
    cardScroll->setWidget(picContainer);
    // Whatever a dock takes, one row of cards stays in view.
    central->setMinimumHeight(px(45) + px(90) + px(2895) + 8);
    central->installEventFilter(this);
}

void Form1::offerRestore()
{
    m_session->offerRestore();
}

void Form1::command(const std::function<void()> &run)
{
    if (!m_unreported.isEmpty()) {
        const QString problem = std::exchange(m_unreported, QString());
        m_session->ask.MsgBox(problem, Texts::tasksTitle(), Msg::Critical);
    }
    run();
}

void Form1::connectSidebar()
{
    const Ui::Sidebar &ui = *m_ui;
    Session &s = *m_session;
    connect(ui.lblFilename, &ClickLabel::clicked, this, [this, &s] { command([&s] { s.shell.lblFilename_Click(); }); });
    connect(ui.lblDelete, &ClickLabel::clicked, this, [this, &s] { command([&s] { s.dashboard.lblDelete_Click(); }); });
    connect(ui.lblNewGoal, &ClickLabel::clicked, this, [this, &s] {
        s.dashboard.lblNewGoal_Click();
        m_ui->txtSubGoal->setFocus();   // the name typed next is a new sub-goal's
    });
    // Any change of the box's text, its own undo and redo too; the window's
    // own setting of it is blocked.
    connect(ui.txtProjectName, &QLineEdit::textChanged, this,
            [&s](const QString &text) { s.dashboard.txtProjectName_Change(text); });
    connect(ui.txtSubGoal, &QLineEdit::textChanged, this, [this](const QString &text) {
        Kit::setText(m_ui->lblSubgoalscharsleft, Texts::charsLeft(std::max<qsizetype>(0, Rules::kSubGoalNameMax - text.size())));
    });
    connect(ui.txtGoalTasks->document(), &QTextDocument::contentsChange, this, &Form1::txtGoalTasks_Change);
    connect(ui.chkDueDate, &QCheckBox::clicked, this,
            [this, &s](bool checked) { s.dueDates.chkDueDate_Click(checked, m_ui->Calendar1->selectedDate()); });
    connect(ui.Calendar1, &QCalendarWidget::selectionChanged, this, [this, &s] {
        if (m_showing)
            return;
        m_history->asCalendarMove([this, &s] {
            s.dueDates.Calendar1_DateChange(m_ui->Calendar1->selectedDate(), m_ui->chkDueDate->isChecked());
        });
    });
    connect(ui.cboStartsAfter, &QComboBox::activated, this, [this, &s](int item) {
        command([&s, item] { s.startsAfter.cboStartsAfter_Click(item); });
        showStartsAfter();   // a choice refused shows the link as it stays
    });
    for (QWidget *box : {static_cast<QWidget *>(ui.txtSubGoal), static_cast<QWidget *>(ui.txtGoalTasks),
                         static_cast<QWidget *>(ui.txtProjectName)})
        box->installEventFilter(this);
}

void Form1::txtGoalTasks_Change(int position, int removed, int added)
{
    if (m_showing)
        return;
    // The edit alone goes to the document, so a keystroke costs the same in
    // a list of ten lines and of a hundred thousand. Where the document
    // cannot place it, the whole text goes.
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
    m_typingTasks = true;
    Session &s = *m_session;
    if (!s.tasks.txtGoalTasks_Edit(position, removed, toTaskText(inserted), length))
        s.tasks.txtGoalTasks_Change(toTaskText(m_ui->txtGoalTasks->toPlainText()));
    m_typingTasks = false;
}

void Form1::connectCards()
{
    Session &s = *m_session;
    // A click on a name selects the card and goes on to its tasks.
    connect(Picture1, &CardCanvas::captionClicked, this, [this, &s](int k) {
        s.dashboard.lblGoal_Click(k);
        if (k != 0)
            m_ui->txtGoalTasks->setFocus();
    });
    // Enter or Space on a card selects it and leaves the focus there; Tab
    // then goes on to its tasks.
    connect(Picture1, &CardCanvas::cardActivated, this, [this, &s](int k) {
        s.dashboard.lblGoal_Click(k);
        m_activatedCard = QApplication::focusWidget();
    });
    for (QWidget *card : Picture1->findChildren<CardBody *>())
        card->installEventFilter(this);
    connect(Picture1, &CardCanvas::deleteMarkClicked, this,
            [this, &s](int k) { command([&s, k] { s.dashboard.lblDeleteOnMouseOver_Click(k); }); });
}

bool Form1::txtSubGoal_KeyPress(QKeyEvent *event)
{
    const int ascii = keyAsciiOf(event);
    if (ascii == 0)
        return false;
    QString text = m_ui->txtSubGoal->text();
    const int result = m_session->dashboard.txtSubGoal_KeyPress(ascii, text);
    if (text != m_ui->txtSubGoal->text())
        m_ui->txtSubGoal->setText(text);
    return result == 0;   // swallowed
}

bool Form1::textBoxKeys(QObject *box, QEvent *event)
{
    // In a text box Ctrl+Z, Ctrl+Y and Ctrl+Shift+Z are the box's own: the
    // window's Undo and Redo must not take them from it.
    auto *key = static_cast<QKeyEvent *>(event);
    const QKeyCombination pressed = key->keyCombination();
    const bool redoY = pressed == QKeyCombination(Qt::ControlModifier, Qt::Key_Y);
    const bool undoRedo = redoY || pressed == QKeyCombination(Qt::ControlModifier, Qt::Key_Z)
                          || pressed == QKeyCombination(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_Z);
    if (!undoRedo)
        return false;
    if (event->type() == QEvent::ShortcutOverride) {
        event->accept();
        return false;
    }
    if (event->type() != QEvent::KeyPress || !redoY)
        return false;
    // Ctrl+Y is no key of the boxes' own on this desktop.
    if (auto *line = qobject_cast<QLineEdit *>(box))
        line->redo();
    else if (auto *text = qobject_cast<QPlainTextEdit *>(box))
        text->redo();
    return true;
}

bool Form1::eventFilter(QObject *watched, QEvent *event)
{
    const bool textBox = watched == m_ui->txtSubGoal || watched == m_ui->txtGoalTasks || watched == m_ui->txtProjectName;
    if (textBox && (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress)
        && textBoxKeys(watched, event))
        return true;
    // The area between the menu and a dock: a dock shown or hidden resizes
    // it without resizing the window.
    if (watched == centralWidget() && event->type() == QEvent::Resize)
        applyLayout();
    if (watched == m_ui->txtSubGoal && event->type() == QEvent::KeyPress)
        return txtSubGoal_KeyPress(static_cast<QKeyEvent *>(event));
    if (watched == m_activatedCard && event->type() == QEvent::FocusOut)
        m_activatedCard = nullptr;
    if (watched == m_activatedCard && event->type() == QEvent::KeyPress
        && static_cast<QKeyEvent *>(event)->keyCombination() == QKeyCombination(Qt::Key_Tab)
        && m_ui->txtGoalTasks->isVisible()) {
        m_activatedCard = nullptr;
        m_ui->txtGoalTasks->setFocus(Qt::TabFocusReason);
        return true;
    }
    // A key in the task box changes the project through the edit it makes,
    // which the box's document reports; a release tries a failed write again.
    if (watched == m_ui->txtGoalTasks && event->type() == QEvent::KeyRelease)
        m_session->tasks.txtGoalTasks_KeyUp();
    return QMainWindow::eventFilter(watched, event);
}

void Form1::closeEvent(QCloseEvent *event)
{
    bool mayClose = true;
    command([&] { mayClose = m_session->project.maybeSave(); });
    if (mayClose)
        event->accept();
    else
        event->ignore();
}
