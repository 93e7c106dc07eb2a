#include "app/widgets/Form1.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPainter>
#include <QPlainTextEdit>
#include <QSignalBlocker>

#include "app/Layout.h"
#include "app/widgets/QtModals.h"
#include "events/widgets/EventListPanel.h"

using Layout::px;

// ---------------------------------------------------------------- helpers

class ClickLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;
signals:
    void clicked();
protected:
    void mouseReleaseEvent(QMouseEvent *event) override
    {
        if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
            emit clicked();
        QLabel::mouseReleaseEvent(event);
    }
};

// A card body: its picture fills it, and mouse moves over it are reported.
class CardBody : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;
    void setPicture(const QPixmap &picture) { m_picture = picture; update(); }
signals:
    void mouseMoved();
protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        if (!m_picture.isNull())
            painter.drawPixmap(rect(), m_picture);
    }
    void mouseMoveEvent(QMouseEvent *event) override
    {
        emit mouseMoved();
        event->accept();
    }
private:
    QPixmap m_picture;
};

// The card canvas: a mouse move over its empty parts is reported.
class Canvas : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;
signals:
    void mouseMoved();
protected:
    void mouseMoveEvent(QMouseEvent *event) override
    {
        emit mouseMoved();
        event->accept();
    }
};

class TaskBox : public QPlainTextEdit {
public:
    using QPlainTextEdit::QPlainTextEdit;
    void setMargins(int left, int right) { setViewportMargins(left, 0, right, 0); }
};

void SetEditMargins(int left, int right, QWidget *editBox)
{
    if (auto *line = qobject_cast<QLineEdit *>(editBox))
        line->setTextMargins(left, 0, right, 0);
    else if (auto *box = dynamic_cast<TaskBox *>(editBox))
        box->setMargins(left, right);
}

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

QString toBoxText(const QString &taskText)
{
    QString text = taskText;
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

QString toTaskText(QString boxText)
{
    return boxText.replace(u'\n', QStringLiteral("\r\n"));
}

QLabel *makeLabel(QWidget *parent, const char *name, const QString &text, int x, int y, int w, int h,
                  const QFont &font, const QColor &colour)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(px(x), px(y), px(w), px(h));
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    return label;
}

QFont designFont(const char *family, double points, bool bold = false, bool underline = false)
{
    QFont f(QString::fromLatin1(family));
    f.setPointSizeF(points);
    f.setBold(bold);
    f.setUnderline(underline);
    return f;
}

void fill(QWidget *widget, const QColor &colour)
{
    widget->setAutoFillBackground(true);
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
}

QPixmap pictureFile(const QString &appFolder, const char *name)
{
    return QPixmap(appFolder + QStringLiteral("/imgs/") + QString::fromLatin1(name));
}

template <typename W> void setShown(W *widget, bool shown)
{
    if (widget->isVisibleTo(widget->parentWidget()) != shown)
        widget->setVisible(shown);
}

void setText(QLabel *label, const QString &text)
{
    if (label->text() != text)
        label->setText(text);
}

} // namespace

// ---------------------------------------------------------------- window

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
    fill(central, Qt::white);
    setCentralWidget(central);

    picSidebar = new QWidget(central);
    picSidebar->setObjectName(QStringLiteral("picSidebar"));
    picSidebar->setGeometry(0, 0, px(5190), px(10005));
    fill(picSidebar, QColor(64, 64, 64));

    picContainer = new QWidget(central);
    picContainer->setObjectName(QStringLiteral("picContainer"));
    picContainer->setGeometry(px(5310), px(45), px(13425), px(9960));
    fill(picContainer, Qt::white);

    auto *canvas = new Canvas(picContainer);
    Picture1 = canvas;
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setGeometry(px(315), px(90), px(12255), px(9465));
    Picture1->setMouseTracking(true);
    fill(Picture1, Qt::white);
    connect(canvas, &Canvas::mouseMoved, this, [this] { forward([](WorkingState &s) { s.Picture1_MouseMove(); }); });

    buildSidebar();
    buildCards();
    buildMenu();
    eventList = new EventListPanel(central, m_state->ListView2, m_state->modals());

    // Wide enough that the card canvas shows whole beside the side bar.
    resize(1280, px(10005) + menuBar()->sizeHint().height());

    m_state->Form_Load();
    SetEditMargins(10, 20, txtSubGoal);
    SetEditMargins(10, 20, txtProjectName);
    SetEditMargins(10, 20, txtGoalTasks);
    render();
}

void Form1::buildSidebar()
{
    const QColor white(255, 255, 255), silver(192, 192, 192);
    auto *title = makeLabel(picSidebar, "lblSidebarTitle", QStringLiteral("Tarvo"), 225, 150, 4200, 450,
                            designFont("Verdana", 15.75, true), white);
    title->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    auto *file = new ClickLabel(picSidebar);
    lblFilename = file;
    lblFilename->setObjectName(QStringLiteral("lblFilename"));
    lblFilename->setGeometry(px(225), px(600), px(4740), px(300));
    lblFilename->setFont(designFont("Verdana", 8.25));
    lblFilename->setCursor(Qt::PointingHandCursor);
    {
        QPalette p = lblFilename->palette();
        p.setColor(QPalette::WindowText, silver);
        lblFilename->setPalette(p);
    }
    connect(file, &ClickLabel::clicked, this, [this] { forward([](WorkingState &s) { s.lblFilename_Click(); }); });

    Label14 = makeLabel(picSidebar, "Label14", QString(), 225, 1035, 4200, 300, designFont("Verdana", 9.75, true), white);

    txtProjectName = new QLineEdit(picSidebar);
    txtProjectName->setObjectName(QStringLiteral("txtProjectName"));
    txtProjectName->setGeometry(px(225), px(1350), px(4740), px(420));
    txtProjectName->setMaxLength(WorkingState::kProjectNameMaxLength);
    txtProjectName->setFont(designFont("Verdana", 9.75));
    txtProjectName->installEventFilter(this);
    connect(txtProjectName, &QLineEdit::textEdited, this, [this](const QString &text) {
        forward([&](WorkingState &s) { s.txtProjectName_Change(text, m_keyDown); });
    });

    lblGoalName = makeLabel(picSidebar, "lblGoalName", QString(), 225, 1935, 4200, 360, designFont("Verdana", 9.75, true), white);

    txtSubGoal = new QLineEdit(picSidebar);
    txtSubGoal->setObjectName(QStringLiteral("txtSubGoal"));
    txtSubGoal->setGeometry(px(225), px(2295), px(2445), px(420));
    txtSubGoal->setMaxLength(WorkingState::kSubGoalMaxLength);
    txtSubGoal->setFont(designFont("Verdana", 9.75));
    txtSubGoal->installEventFilter(this);
    connect(txtSubGoal, &QLineEdit::textEdited, this, [this](const QString &text) {
        forward([&](WorkingState &s) { s.txtSubGoal_Change(text); });
    });

    const QColor link(150, 200, 255);
    lblDelete = new ClickLabel(QStringLiteral("Delete"), picSidebar);
    lblDelete->setObjectName(QStringLiteral("lblDelete"));
    lblDelete->setGeometry(px(2835), px(2385), px(1140), px(285));
    lblNewGoal = new ClickLabel(QStringLiteral("Add New"), picSidebar);
    lblNewGoal->setObjectName(QStringLiteral("lblNewGoal"));
    lblNewGoal->setGeometry(px(3645), px(2385), px(1200), px(285));
    for (ClickLabel *l : {lblDelete, lblNewGoal}) {
        l->setFont(designFont("Verdana", 8.25, false, true));
        l->setCursor(Qt::PointingHandCursor);
        QPalette p = l->palette();
        p.setColor(QPalette::WindowText, link);
        l->setPalette(p);
    }
    connect(lblDelete, &ClickLabel::clicked, this, [this] { forward([](WorkingState &s) { s.lblDelete_Click(); }); });
    connect(lblNewGoal, &ClickLabel::clicked, this, [this] { forward([](WorkingState &s) { s.lblNewGoal_Click(); }); });

    lblSubgoalscharsleft = makeLabel(picSidebar, "lblSubgoalscharsleft", QString(), 225, 2790, 4800, 225,
                                     designFont("Verdana", 6.75), silver);
    makeLabel(picSidebar, "Label7", QStringLiteral("Press Enter to add the Sub-Goal to the dashboard."), 225, 3015,
              4800, 225, designFont("Verdana", 6.75), silver);

    lblGoalTasks = makeLabel(picSidebar, "lblGoalTasks", QStringLiteral("Project Tasks:"), 225, 3390, 4200, 300,
                             designFont("Verdana", 9.75, true), white);
    txtGoalTasks = new TaskBox(picSidebar);
    txtGoalTasks->setObjectName(QStringLiteral("txtGoalTasks"));
    txtGoalTasks->setGeometry(px(225), px(3705), px(4740), px(2340));
    txtGoalTasks->setFont(designFont("Verdana", 9));
    txtGoalTasks->setLineWrapMode(QPlainTextEdit::NoWrap);
    fill(txtGoalTasks, Qt::white); // the inner margins show as part of the box
    txtGoalTasks->installEventFilter(this);
    connect(txtGoalTasks, &QPlainTextEdit::textChanged, this, [this] {
        if (m_rendering)
            return;
        const QString text = toTaskText(txtGoalTasks->toPlainText());
        forward([&](WorkingState &s) { s.txtGoalTasks_Change(text, m_keyDown); });
    });
    lblTaskInstructions = makeLabel(picSidebar, "lblTaskInstructions",
                                    QStringLiteral("Enter 1 Task Per Line. Each Task Must Have at least 2 chararcters."),
                                    225, 6090, 4740, 225, designFont("Verdana", 6.75), silver);

    lblDueDate = makeLabel(picSidebar, "lblDueDate", QStringLiteral("Due Date:"), 225, 6420, 1500, 300,
                           designFont("Verdana", 9.75, true), white);
    chkDueDate = new QCheckBox(QStringLiteral("Enable \"Due Date\""), picSidebar);
    chkDueDate->setObjectName(QStringLiteral("chkDueDate"));
    chkDueDate->setGeometry(px(1800), px(6405), px(3165), px(330));
    chkDueDate->setFont(designFont("Verdana", 8.25));
    {
        QPalette p = chkDueDate->palette();
        p.setColor(QPalette::WindowText, white);
        chkDueDate->setPalette(p);
    }
    connect(chkDueDate, &QCheckBox::clicked, this, [this](bool checked) {
        forward([&](WorkingState &s) { s.setChkDueDate(checked); });
    });

    Calendar1 = new QCalendarWidget(picSidebar);
    Calendar1->setObjectName(QStringLiteral("Calendar1"));
    Calendar1->setGeometry(px(225), px(6780), px(4740), px(3150));
    Calendar1->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    Calendar1->setGridVisible(false);
    Calendar1->setFont(designFont("Verdana", 8.25));
    connect(Calendar1, &QCalendarWidget::selectionChanged, this, [this] {
        if (m_rendering)
            return;
        const QDate date = Calendar1->selectedDate();
        forward([&](WorkingState &s) { s.setCalendar1(date); });
    });
}

void Form1::buildCards()
{
    const QString app = m_state->appFolder();
    // Main goal in the middle of the grid.
    auto *mainCard = new CardBody(Picture1);
    Picture2 = mainCard;
    Picture2->setObjectName(QStringLiteral("Picture2"));
    Picture2->setGeometry(px(4545), px(4050), px(3615), px(1590));
    mainCard->setPicture(pictureFile(app, "maingoal.gif"));
    auto *mainCaption = new ClickLabel(Picture2);
    mainCaption->setObjectName(QStringLiteral("lblGoal_0"));
    mainCaption->setGeometry(px(450), px(450), px(2670), px(645));
    mainCaption->setFont(designFont("Trebuchet MS", 11.25, true, true));
    mainCaption->setAlignment(Qt::AlignCenter);
    mainCaption->setWordWrap(true);
    mainCaption->setCursor(Qt::PointingHandCursor);
    {
        QPalette p = mainCaption->palette();
        p.setColor(QPalette::WindowText, QColor(0, 0, 128));
        mainCaption->setPalette(p);
    }
    connect(mainCaption, &ClickLabel::clicked, this, [this] { forward([](WorkingState &s) { s.lblGoal_Click(0); }); });
    m_cards[0].lblGoal = mainCaption;

    static constexpr int places[9][2] = {{0, 0},       {720, 315},  {4770, 315},  {8775, 315}, {720, 3375},
                                         {8775, 3375}, {720, 6480}, {4770, 6480}, {8775, 6480}};
    const QPixmap artwork = pictureFile(app, "card.gif");
    for (int k = 1; k <= 8; ++k) {
        CardWidgets &c = m_cards[k];
        const QString n = QString::number(k);
        c.picGoal = new CardBody(Picture1);
        c.picGoal->setObjectName(QStringLiteral("picGoal_") + n);
        c.picGoal->setGeometry(px(places[k][0]), px(places[k][1]), px(3030), px(2895));
        c.picGoal->setMouseTracking(true);
        c.picGoal->setPicture(artwork);
        c.picGoal->hide();
        connect(c.picGoal, &CardBody::mouseMoved, this,
                [this, k] { forward([k](WorkingState &s) { s.picGoal_MouseMove(k); }); });

        c.lblGoal = new ClickLabel(c.picGoal);
        c.lblGoal->setObjectName(QStringLiteral("lblGoal_") + n);
        c.lblGoal->setGeometry(px(180), px(900), px(2580), px(330));
        c.lblGoal->setFont(designFont("Trebuchet MS", 11.25, true, true));
        c.lblGoal->setCursor(Qt::PointingHandCursor);
        {
            QPalette p = c.lblGoal->palette();
            p.setColor(QPalette::WindowText, QColor(0, 0, 128));
            c.lblGoal->setPalette(p);
        }
        connect(c.lblGoal, &ClickLabel::clicked, this, [this, k] { forward([k](WorkingState &s) { s.lblGoal_Click(k); }); });

        c.lblTasks_Total = makeLabel(c.picGoal, "", QString(), 675, 1260, 1590, 330, designFont("Trebuchet MS", 9.75),
                                     QColor(0, 0, 64));
        c.lblTasks_Total->setObjectName(QStringLiteral("lblTasks_Total_") + n);
        c.lblTasks_Completed = makeLabel(c.picGoal, "", QString(), 675, 1530, 1590, 330, designFont("Trebuchet MS", 9.75),
                                         QColor(0, 64, 0));
        c.lblTasks_Completed->setObjectName(QStringLiteral("lblTasks_Completed_") + n);
        c.lblTasks_Pending = makeLabel(c.picGoal, "", QString(), 675, 1800, 1590, 330, designFont("Trebuchet MS", 9.75),
                                       QColor(128, 0, 0));
        c.lblTasks_Pending->setObjectName(QStringLiteral("lblTasks_Pending_") + n);

        c.shDueDate = new QWidget(c.picGoal);
        c.shDueDate->setObjectName(QStringLiteral("shDueDate_") + n);
        c.shDueDate->setGeometry(px(0), px(2205), px(2985), px(555));
        fill(c.shDueDate, QColor(0, 0, 128));
        c.shDueDate->hide();
        c.lblDueDateDate = makeLabel(c.picGoal, "", QString(), 225, 2340, 2490, 285, designFont("Trebuchet MS", 9.75, true),
                                     Qt::white);
        c.lblDueDateDate->setObjectName(QStringLiteral("lblDueDateDate_") + n);
        c.lblDueDateDate->hide();

        c.shActive = new QWidget(c.picGoal);
        c.shActive->setObjectName(QStringLiteral("shActive_") + n);
        c.shActive->setGeometry(px(1350), px(450), px(240), px(240));
        // A shape: filled, with its border, so it reads as a mark on the light card.
        c.shActive->setAttribute(Qt::WA_StyledBackground);
        c.shActive->setStyleSheet(QStringLiteral("background: rgb(255,255,192); border: 1px solid rgb(0,0,128);"));
        c.shActive->hide();

        c.lblDeleteOnMouseOver = new ClickLabel(QStringLiteral("X"), c.picGoal);
        c.lblDeleteOnMouseOver->setObjectName(QStringLiteral("lblDeleteOnMouseOver_") + n);
        c.lblDeleteOnMouseOver->setGeometry(px(2610), px(135), px(330), px(285));
        QFont mark(QStringLiteral("Arial Black"));
        mark.setPointSizeF(9.75);
        mark.setWeight(QFont::Black);
        c.lblDeleteOnMouseOver->setFont(mark);
        c.lblDeleteOnMouseOver->setAlignment(Qt::AlignCenter);
        c.lblDeleteOnMouseOver->setCursor(Qt::PointingHandCursor);
        c.lblDeleteOnMouseOver->setToolTip(QStringLiteral("Delete this sub-goal"));
        {
            QPalette p = c.lblDeleteOnMouseOver->palette();
            p.setColor(QPalette::WindowText, QColor(255, 0, 0));
            c.lblDeleteOnMouseOver->setPalette(p);
        }
        c.lblDeleteOnMouseOver->hide();
        connect(c.lblDeleteOnMouseOver, &ClickLabel::clicked, this,
                [this, k] { forward([k](WorkingState &s) { s.lblDeleteOnMouseOver_Click(k); }); });
    }
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
         [](WorkingState &s) { s.mnuNew_Click(); });
    item(mnuProject, "mnuOpen", QStringLiteral("Open"), QKeySequence(Qt::CTRL | Qt::Key_O),
         [](WorkingState &s) { s.mnuOpen_Click(); });
    item(mnuProject, "mnuSave", QStringLiteral("Save"), QKeySequence(Qt::CTRL | Qt::Key_S),
         [](WorkingState &s) { s.mnuSave_Click(); });
    item(mnuProject, "mnuSaveAs", QStringLiteral("Save As..."), QKeySequence(),
         [](WorkingState &s) { s.mnuSaveAs_Click(); });
    mnuProject->addSeparator()->setObjectName(QStringLiteral("mnuSep1"));
    QAction *exit = mnuProject->addAction(QStringLiteral("Exit"));
    exit->setObjectName(QStringLiteral("mnuExit"));
    connect(exit, &QAction::triggered, this, &QWidget::close);

    QMenu *mnuHelp = menuBar()->addMenu(QStringLiteral("Help"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    item(mnuHelp, "mnuTips", QStringLiteral("Tips"), QKeySequence(Qt::Key_F1), [](WorkingState &s) { s.ShowTips(); });
}

bool Form1::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusOut)
        m_keyDown = false; // its release will go elsewhere
    const bool press = event->type() == QEvent::KeyPress;
    const bool release = event->type() == QEvent::KeyRelease;
    if (!press && !release)
        return QMainWindow::eventFilter(watched, event);
    auto *key = static_cast<QKeyEvent *>(event);

    if (release) {
        m_keyDown = false;
        if (watched == txtProjectName) {
            const QString text = txtProjectName->text();
            forward([&](WorkingState &s) { s.txtProjectName_KeyUp(text); });
        } else if (watched == txtGoalTasks) {
            forward([](WorkingState &s) { s.txtGoalTasks_KeyUp(); });
        }
        return false;
    }

    m_keyDown = true;
    const int ascii = keyAsciiOf(key);
    if (watched == txtSubGoal && ascii != 0) {
        int result = ascii;
        forward([&](WorkingState &s) { result = s.txtSubGoal_KeyPress(ascii); });
        return result == 0; // swallowed
    }
    if (watched == txtGoalTasks && ascii != 0)
        forward([&](WorkingState &s) { s.txtGoalTasks_KeyPress(ascii); });
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
    forward([&](WorkingState &s) { mayClose = s.maybeSave(true); });
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

    if (windowTitle() != s.Form1_Caption)
        setWindowTitle(s.Form1_Caption);
    setText(lblFilename, s.lblFilename);
    if (lblFilename->toolTip() != s.lblFilename_ToolTip)
        lblFilename->setToolTip(s.lblFilename_ToolTip);
    setText(Label14, s.Label14);
    setText(lblGoalName, s.lblGoalName);
    setText(lblSubgoalscharsleft, s.lblSubgoalscharsleft);
    if (txtProjectName->text() != s.txtProjectName) {
        const QSignalBlocker block(txtProjectName);
        txtProjectName->setText(s.txtProjectName);
    }
    if (txtSubGoal->text() != s.txtSubGoal()) {
        const QSignalBlocker block(txtSubGoal);
        txtSubGoal->setText(s.txtSubGoal());
    }
    if (m_tasksRevision != s.txtGoalTasksRevision()) {
        m_tasksRevision = s.txtGoalTasksRevision();
        txtGoalTasks->setPlainText(toBoxText(s.txtGoalTasks()));
    }
    if (chkDueDate->isChecked() != s.chkDueDate())
        chkDueDate->setChecked(s.chkDueDate());
    if (Calendar1->selectedDate() != s.Calendar1())
        Calendar1->setSelectedDate(s.Calendar1());

    setShown(lblDelete, s.lblDelete_Visible);
    setShown(lblNewGoal, s.lblNewGoal_Visible);
    setShown(lblGoalTasks, s.lblGoalTasks_Visible);
    setShown(txtGoalTasks, s.txtGoalTasks_Visible);
    setShown(lblTaskInstructions, s.lblTaskInstructions_Visible);
    setShown(lblDueDate, s.lblDueDate_Visible);
    setShown(Calendar1, s.Calendar1_Visible);
    setShown(chkDueDate, s.chkDueDate_Visible);

    setText(m_cards[0].lblGoal, s.cards[0].lblGoal_Caption);
    for (int k = 1; k <= 8; ++k) {
        const GoalCard &card = s.cards[k];
        CardWidgets &c = m_cards[k];
        setText(c.lblGoal, card.lblGoal_Caption);
        setText(c.lblTasks_Total, card.lblTasks_Total);
        setText(c.lblTasks_Completed, card.lblTasks_Completed);
        setText(c.lblTasks_Pending, card.lblTasks_Pending);
        setText(c.lblDueDateDate, card.lblDueDateDate_Caption);
        setShown(c.lblDueDateDate, card.lblDueDateDate_Visible);
        setShown(c.shDueDate, card.shDueDate_Visible);
        setShown(c.shActive, card.shActive_Visible);
        if (card.shActive_Visible)
            c.shActive->raise();
        setShown(c.lblDeleteOnMouseOver, card.lblDeleteOnMouseOver_Visible);
        if (c.pictureRevision != card.picGoal_PictureRevision) {
            c.pictureRevision = card.picGoal_PictureRevision;
            QPixmap picture;
            if (!card.picGoal_Picture.isEmpty() && picture.loadFromData(card.picGoal_Picture))
                c.picGoal->setPicture(picture);
        }
        setShown(c.picGoal, card.picGoal_Visible);
    }
    eventList->refresh();
    m_rendering = false;

    // Focus moves last, once everything it may land on is shown.
    WorkingState &state = *m_state;
    switch (std::exchange(state.focusRequest, WorkingState::Focus::None)) {
    case WorkingState::Focus::txtSubGoal: txtSubGoal->setFocus(); break;
    case WorkingState::Focus::txtGoalTasks: txtGoalTasks->setFocus(); break;
    case WorkingState::Focus::None: break;
    }
}

#include "Form1.moc"
