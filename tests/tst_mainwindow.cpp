// The main window as a person uses it: real widgets, real keys and clicks.
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QDockWidget>
#include <QSvgRenderer>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QRandomGenerator>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QPlainTextEdit>
#include <QTest>

#include "Patience.h"
#include "ScriptedModals.h"
#include "TempAppFolder.h"
#include "app/widgets/Form1.h"
#include "dashboard/widgets/CardBody.h"
#include "dashboard/widgets/CardCanvas.h"
#include "project/DueDate.h"
#include "project/OpenDialog.h"
#include "project/TaskText.h"

namespace {

struct Window {
    TempAppFolder app;
    ScriptedModals modals;
    Form1 w{app.path(), modals, modals};

    Window()
    {
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
    }
    template <typename T = QWidget> T *get(const QString &name) const
    {
        T *widget = w.findChild<T *>(name);
        if (!widget)
            qFatal("no widget %s", qPrintable(name));
        return widget;
    }
    QString text(const QString &label) const { return get<QLabel>(label)->text(); }
    bool shown(const QString &name) const { return get(name)->isVisible(); }
    void addSubGoal(const QString &name)
    {
        auto *box = get<QLineEdit>("txtSubGoal");
        box->setFocus();
        QTest::keyClicks(box, name);
        QTest::keyClick(box, Qt::Key_Return);
    }
    void click(const QString &name) { QTest::mouseClick(get(name), Qt::LeftButton); }
    Session &s() { return w.session(); }
    QString key(int card) { return s().document.subGoal(card - 1).key; }
    QString taskFile(int card) { return "tmp/" + key(card) + ".txt"; }
    // As after a save: nothing unsaved.
    void saved() { s().document.markSaved(s().document.filePath()); }
    bool modified() const { return w.isWindowModified(); }
};

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom)); }
    void opensInItsDesignedState();
    void resizeScalesAndCentresTheCards_data();
    void resizeScalesAndCentresTheCards();
    void addingAndSelectingWithKeysAndClicks();
    void typingTasksUpdatesTheCard();
    void mousePasteReachesTheTaskFile();
    void dueDateControls();
    void hoverShowsTheDeleteMark();
    void shortcuts();
    void editsWithoutACharacterAreChanges();
    void aKeyQueuedAfterAClickEditsTheNewCard();
    void editsKeepTextAndCountersInStep();
    void undoAndRedo_data();
    void undoAndRedo();
    void theKeyboardReachesTheCards();
    void theWindowFitsAndScrolls();
    void undoWithTheTaskFolderGone_data();
    void undoWithTheTaskFolderGone();
    void aFailedWriteDoesNotTakeTheKeyboard();
    void undoKeysInATextBoxAreTheBoxs_data();
    void undoKeysInATextBoxAreTheBoxs();
    void deleteEscDeleteChangesNoTask();
    void addNewGoesToTheNameBox();
    void calendarMovesAreOneStep();
    void textIsFittedNeverCut_data();
    void textIsFittedNeverCut();
    void theScheduleLeavesARowOfCards();
    void aMissingPictureLeavesTheCardAsItWas();
    void tabGoesWhereReadmeSays();
    void ctrlLTogglesTheSchedule();
    void everyPanelButtonHasItsOwnAltLetter();
};

void TestMainWindow::opensInItsDesignedState()
{
    Window t;
    QCOMPARE(t.w.windowHandle()->title(), QStringLiteral("Tarvo Pro v1.4 "));
    QCOMPARE(t.text("Label14"), QStringLiteral("Main Goal:"));
    QCOMPARE(t.text("lblFilename"), QStringLiteral("New Project (No Filename)"));
    QCOMPARE(t.get<QLineEdit>("txtProjectName")->text(), QStringLiteral("My Goal"));
    QCOMPARE(t.text("lblGoal_0"), QStringLiteral("My Goal"));
    QCOMPARE(t.text("lblSubgoalscharsleft"), QStringLiteral("Characters Left: 16"));
    for (int i = 1; i <= 8; ++i)
        QVERIFY(!t.shown(QStringLiteral("picGoal_%1").arg(i)));
    for (const char *hidden : {"lblDelete", "lblNewGoal", "lblGoalTasks", "txtGoalTasks", "lblTaskInstructions",
                               "lblDueDate", "chkDueDate", "Calendar1", "ListView2", "picGrid"})
        QVERIFY2(!t.shown(hidden), hidden);
    QVERIFY(t.shown("Picture2"));
    QCOMPARE(t.get<QLineEdit>("txtSubGoal")->maxLength(), 16);
    QCOMPARE(t.get<QLineEdit>("txtProjectName")->maxLength(), 40);
    QCOMPARE(t.get<QLineEdit>("txtSubGoal")->textMargins(), QMargins(10, 0, 20, 0));
    QCOMPARE(t.get<QLineEdit>("txtProjectName")->textMargins(), QMargins(10, 0, 20, 0));
    QCOMPARE(t.get<QCheckBox>("chkDueDate")->text(), QStringLiteral("Enable \"Due Date\""));

    QStringList captions;
    for (QAction *a : t.get<QMenu>("mnuProject")->actions())
        captions << (a->isSeparator() ? QStringLiteral("-") : a->text() + u'|' + a->shortcut().toString());
    QCOMPARE(captions, (QStringList{"&New|Ctrl+N", "&Open|Ctrl+O", "&Save|Ctrl+S", "Save &As...|Ctrl+Shift+S",
                                    "&Print Plan...|Ctrl+P", "&Export PDF...|", "-", "E&xit|"}));
}

void TestMainWindow::resizeScalesAndCentresTheCards_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<double>("least");   // the cards' scale, at least
    QTest::addColumn<double>("most");    // and at most
    QTest::newRow("too small: the area scrolls") << QSize(700, 500) << 1.0 << 1.0;
    QTest::newRow("as designed") << QSize(1280, 720) << 1.0 << 1.1;
    QTest::newRow("a big screen") << QSize(1600, 1000) << 1.3 << 1.6;
    QTest::newRow("never more than twice") << QSize(3000, 2000) << 2.0 << 2.0;
}

// The cards grow with the card area, fonts and all, up to twice their
// size, and stay centred in it; the task box takes the side bar's spare
// height; a window too small scrolls rather than cuts.
void TestMainWindow::resizeScalesAndCentresTheCards()
{
    QFETCH(QSize, size);
    QFETCH(double, least);
    QFETCH(double, most);
    Window t;
    t.addSubGoal("One");
    t.w.setMinimumSize(0, 0);
    t.w.resize(size);
    QTest::qWait(20);
    QWidget *container = t.get("picContainer");
    auto *canvas = t.get<CardCanvas>("Picture1");
    QVERIFY2(canvas->scale() >= least && canvas->scale() <= most, qPrintable(QString::number(canvas->scale())));
    QVERIFY(qAbs(canvas->x() - (container->width() - canvas->width()) / 2) <= 1);
    QVERIFY(qAbs(t.get("picGoal_1")->width() - 202 * canvas->scale()) <= 2);
    QVERIFY(qAbs(t.get("lblTasks_Total_1")->font().pointSizeF() - 9.75 * canvas->scale()) < 0.01);
    auto *area = t.get<QScrollArea>("cardScroll");
    QVERIFY(container->width() >= canvas->x() + canvas->width());
    QCOMPARE(area->horizontalScrollBar()->maximum(), std::max(0, container->width() - area->viewport()->width()));
    t.click("lblGoal_1");
    QWidget *tasks = t.get("txtGoalTasks");
    QWidget *sidebar = t.get("picSidebar");
    QVERIFY(tasks->height() >= 156);
    if (t.w.centralWidget()->height() > 716)   // room to spare: the side bar runs to the foot
        QCOMPARE(sidebar->height(), t.w.centralWidget()->height());
    QVERIFY(t.get("cboStartsAfter")->geometry().bottom() <= sidebar->height());
}

void TestMainWindow::addingAndSelectingWithKeysAndClicks()
{
    Window t;
    auto *box = t.get<QLineEdit>("txtSubGoal");
    box->setFocus();
    QTest::keyClicks(box, "Design");
    QCOMPARE(t.text("lblSubgoalscharsleft"), QStringLiteral("Characters Left: 10"));
    QTest::keyClick(box, Qt::Key_Return);
    QVERIFY(t.shown("picGoal_1"));
    QCOMPARE(t.text("lblGoal_1"), QStringLiteral("Design"));
    QCOMPARE(box->text(), QString());
    QVERIFY(box->hasFocus());
    QTest::keyClicks(box, "seventeen letters");
    QCOMPARE(box->text(), QStringLiteral("seventeen letter"));
    box->clear();

    t.click("lblGoal_1");
    QVERIFY(t.shown("shActive_1"));
    QCOMPARE(t.text("Label14"), QStringLiteral("Sub Goal:"));
    QCOMPARE(t.text("lblGoalName"), QStringLiteral("Edit Sub-Goal Name:"));
    QCOMPARE(box->text(), QStringLiteral("Design"));
    for (const char *shown : {"lblDelete", "lblNewGoal", "lblGoalTasks", "txtGoalTasks", "lblTaskInstructions",
                              "lblDueDate", "chkDueDate", "Calendar1"})
        QVERIFY2(t.shown(shown), shown);
    QVERIFY(t.get("txtGoalTasks")->hasFocus());

    // Enter renames in this mode.
    box->setFocus();
    QTest::keyClicks(box, " v2");
    QTest::keyClick(box, Qt::Key_Return);
    QCOMPARE(t.text("lblGoal_1"), QStringLiteral("Design v2"));

    t.click("lblNewGoal");
    QCOMPARE(t.text("lblGoalName"), QStringLiteral("Add New Sub-Goal:"));
    QVERIFY(!t.shown("txtGoalTasks") && !t.shown("shActive_1"));

    auto *name = t.get<QLineEdit>("txtProjectName");
    name->setFocus();
    QTest::keyClicks(name, "!");
    QCOMPARE(t.text("lblGoal_0"), QStringLiteral("My Goal!"));
}

void TestMainWindow::typingTasksUpdatesTheCard()
{
    Window t;
    t.addSubGoal("Design");
    t.click("lblGoal_1");
    auto *tasks = t.get<QPlainTextEdit>("txtGoalTasks");
    QTest::keyClicks(tasks, "Pick colours --");
    QTest::keyClick(tasks, Qt::Key_Return);
    QTest::keyClicks(tasks, "Draw logo");
    QCOMPARE(t.text("lblTasks_Total_1"), QStringLiteral("Tasks: 2"));
    QCOMPARE(t.text("lblTasks_Completed_1"), QStringLiteral("Completed: 1"));
    QCOMPARE(t.text("lblTasks_Pending_1"), QStringLiteral("Pending: 1"));
    QTRY_COMPARE(t.app.read(t.taskFile(1)), QByteArray("Pick colours --\r\nDraw logo"));
    QVERIFY(t.modified());
    QVERIFY(t.w.windowTitle().endsWith("*") || t.w.isWindowModified());

    t.saved();
    QTest::keyClick(tasks, Qt::Key_Left);
    QVERIFY(!t.modified());
    QTest::keyClick(tasks, Qt::Key_End);
    QTest::keyClicks(tasks, " --");
    QCOMPARE(t.text("lblTasks_Pending_1"), QStringLiteral("Pending: 0"));
    QVERIFY(t.s().document.counts(0).allDone());

    // Switching cards and back shows the file, with ordinary line breaks.
    t.click("lblNewGoal");
    t.addSubGoal("Other");
    t.click("lblGoal_2");
    QCOMPARE(tasks->toPlainText(), QString());
    t.click("lblGoal_1");
    QCOMPARE(tasks->toPlainText(), QStringLiteral("Pick colours --\nDraw logo --"));
}

void TestMainWindow::mousePasteReachesTheTaskFile()
{
    Window t;
    t.addSubGoal("Design");
    t.click("lblGoal_1");
    auto *tasks = t.get<QPlainTextEdit>("txtGoalTasks");
    t.saved();
    tasks->insertPlainText("pasted line\nsecond --"); // what a context-menu paste does: no key event
    QTRY_COMPARE(t.app.read(t.taskFile(1)), QByteArray("pasted line\r\nsecond --"));
    QCOMPARE(t.text("lblTasks_Total_1"), QStringLiteral("Tasks: 2"));
    QVERIFY(t.modified());

    auto *name = t.get<QLineEdit>("txtProjectName");
    name->selectAll();
    name->insert("Dropped name"); // also no key; textEdited still fires
    QCOMPARE(t.text("lblGoal_0"), QStringLiteral("Dropped name"));
}

void TestMainWindow::dueDateControls()
{
    Window t;
    t.addSubGoal("Design");
    t.click("lblGoal_1");
    auto *calendar = t.get<QCalendarWidget>("Calendar1");
    calendar->setSelectedDate(QDate(2024, 3, 15));
    QVERIFY(!t.shown("lblDueDateDate_1"));
    t.click("chkDueDate");
    QVERIFY(t.shown("lblDueDateDate_1") && t.shown("shDueDate_1"));
    QCOMPARE(t.text("lblDueDateDate_1"), QStringLiteral("Due Date: 15/03/2024"));
    calendar->setSelectedDate(QDate(2024, 3, 20));
    QCOMPARE(t.text("lblDueDateDate_1"), QStringLiteral("Due Date: 20/03/2024"));
    t.click("lblGoal_0");
    t.click("lblGoal_1");
    QVERIFY(t.get<QCheckBox>("chkDueDate")->isChecked());
    QCOMPARE(calendar->selectedDate(), QDate(2024, 3, 20));
    t.click("chkDueDate");
    QVERIFY(!t.shown("lblDueDateDate_1") && !t.shown("shDueDate_1"));
    QCOMPARE(t.s().document.subGoal(0).due, QString());
}

void TestMainWindow::hoverShowsTheDeleteMark()
{
    Window t;
    t.addSubGoal("One");
    t.addSubGoal("Two");
    QTest::mouseMove(t.get("picGoal_2"), QPoint(100, 10));
    QTRY_VERIFY(t.shown("lblDeleteOnMouseOver_2"));
    QVERIFY(!t.shown("lblDeleteOnMouseOver_1"));
    QCOMPARE(t.text("lblDeleteOnMouseOver_2"), QStringLiteral("X"));
    QCOMPARE(t.get("lblDeleteOnMouseOver_2")->geometry(), QRect(174, 9, 22, 19));
    QTest::mouseMove(t.get("Picture1"), QPoint(280, 10)); // between cards 1 and 2
    QTRY_VERIFY(!t.shown("lblDeleteOnMouseOver_2"));

    QTest::mouseMove(t.get("picGoal_2"), QPoint(100, 10));
    QTRY_VERIFY(t.shown("lblDeleteOnMouseOver_2"));
    t.modals.answer(Msg::Yes);
    t.click("lblDeleteOnMouseOver_2");
    QCOMPARE(t.modals.lastText(), QStringLiteral("Delete Sub Goal?"));
    QVERIFY(!t.shown("picGoal_2"));
    QVERIFY(t.shown("picGoal_1"));
}

void TestMainWindow::shortcuts()
{
    Window t;
    t.w.activateWindow();
    QTest::keyClick(&t.w, Qt::Key_F1);
    QCOMPARE(t.modals.tipsShown, 1);
    QTest::keyClick(&t.w, Qt::Key_F10);
    QTRY_VERIFY(t.w.menuBar()->activeAction());
    QCOMPARE(t.w.menuBar()->activeAction()->menu()->objectName(), QStringLiteral("mnuProject"));
    if (QWidget *menu = QApplication::activePopupWidget())
        menu->close();

    t.addSubGoal("One");
    t.saved();
    QTest::keyClick(&t.w, Qt::Key_N, Qt::ControlModifier); // nothing unsaved: no question
    QVERIFY(t.modals.asked.isEmpty());
    QVERIFY(!t.shown("picGoal_1"));
}

void TestMainWindow::editsWithoutACharacterAreChanges()
{
    Window t;
    t.addSubGoal("One");
    t.addSubGoal("Two");
    t.click("lblGoal_1");
    auto *tasks = t.get<QPlainTextEdit>("txtGoalTasks");
    QTest::keyClicks(tasks, "abc");
    t.saved();
    const QString file = t.taskFile(1);
    QTest::keyClick(tasks, Qt::Key_Home);
    QTest::keyClick(tasks, Qt::Key_Delete);
    QVERIFY(t.modified());
    QTRY_COMPARE(t.app.read(file), QByteArray("bc"));

    // A drop with Ctrl held (a copy): it reaches the file before the key is
    // released, and clicking another card meanwhile loses nothing.
    t.saved();
    QTest::keyPress(tasks, Qt::Key_Control);
    tasks->insertPlainText("dropped --\n");
    t.click("lblGoal_2");
    QTest::keyRelease(tasks, Qt::Key_Control);
    QVERIFY(t.modified());
    QTRY_COMPARE(t.app.read(file), QByteArray("dropped --\r\nbc"));
    QCOMPARE(t.text("lblTasks_Completed_1"), QStringLiteral("Completed: 1"));
}

void TestMainWindow::aKeyQueuedAfterAClickEditsTheNewCard()
{
    Window t;
    t.addSubGoal("One");
    t.addSubGoal("Two");
    t.click("lblGoal_2");
    auto *tasks = t.get<QPlainTextEdit>("txtGoalTasks");
    QTest::keyClicks(tasks, "second card");
    t.click("lblGoal_1");
    QTest::keyClicks(tasks, "first card");
    QTest::keyClick(tasks, Qt::Key_Home);
    const QString first = t.taskFile(1);
    const QString second = t.taskFile(2);

    // The click and a Delete typed right after it wait in the queue together.
    QWidget *caption = t.get("lblGoal_2");
    const QPointF at = caption->rect().center();
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease})
        QCoreApplication::postEvent(caption, new QMouseEvent(type, at, caption->mapToGlobal(at), Qt::LeftButton,
                                                             type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                                                             Qt::NoModifier));
    for (QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease})
        QCoreApplication::postEvent(tasks, new QKeyEvent(type, Qt::Key_Delete, Qt::NoModifier));
    QCoreApplication::processEvents();

    // Written within a moment of the key, on the writer's own thread.
    QTRY_COMPARE(t.app.read(first), QByteArray("first card"));   // the card left behind is untouched
    QTRY_COMPARE(t.app.read(second), QByteArray("econd card"));  // the key went to the card now shown
}

// The box tells the core each edit, not the whole text: after any run of
// typing, pasting, deleting across lines, undo and redo, the core's text and
// the card's counters are those of the text the box shows.
void TestMainWindow::editsKeepTextAndCountersInStep()
{
    Window t;
    t.addSubGoal("One");
    t.click("lblGoal_1");
    auto *box = t.get<QPlainTextEdit>("txtGoalTasks");
    QRandomGenerator random(42);
    const QStringList pieces = {"a", "--", "Task --", "\n", "x\ny --\n", "\u00A0b", "  ", "-", "\n\n", "ü"};
    for (int step = 0; step < 400; ++step) {
        QTextCursor c = box->textCursor();
        const int length = box->document()->characterCount() - 1;
        c.setPosition(int(random.bounded(length + 1)));
        switch (random.bounded(5)) {
        case 0: case 1: c.insertText(pieces[random.bounded(int(pieces.size()))]); break;
        case 2: c.setPosition(std::min(length, c.position() + int(random.bounded(6))), QTextCursor::KeepAnchor);
                c.removeSelectedText(); break;
        case 3: box->undo(); break;
        default: box->redo(); break;
        }
        const QString shown = box->document()->toRawText().replace(QChar::ParagraphSeparator, "\n");
        QCOMPARE(t.s().document.subGoal(0).tasks, shown);
        const TaskCounts counts = TaskText::count(shown);
        QCOMPARE(t.text("lblTasks_Total_1") + "|" + t.text("lblTasks_Completed_1"),
                 QString("Tasks: %1|Completed: %2").arg(counts.total).arg(counts.completed));
    }
    t.s().taskFiles.flush();
    QCOMPARE(QString::fromUtf8(t.app.read(t.taskFile(1))), QString(t.s().document.subGoal(0).tasks).replace("\n", "\r\n"));
}

void TestMainWindow::undoAndRedo_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<QString>("undoText");
    QTest::newRow("add") << "add" << "&Undo Add “Three”";
    QTest::newRow("rename") << "rename" << "&Undo Rename “Two”";
    QTest::newRow("delete") << "delete" << "&Undo Delete “One”";
    QTest::newRow("set a due date") << "due" << "&Undo Due Date of “Two”";
    QTest::newRow("clear a due date") << "undue" << "&Undo Due Date of “One”";
    QTest::newRow("project name") << "name" << "&Undo Project Name";
    QTest::newRow("start date") << "start" << "&Undo Start Date";
    QTest::newRow("working week") << "week" << "&Undo Working Week";
    QTest::newRow("a day off") << "dayoff" << "&Undo Days Off";
    QTest::newRow("sequence") << "sequence" << "&Undo Sequence of “Two”";
}

// Each kind of change to the dashboard is taken back and done again whole,
// and what was typed into the task lists meanwhile stays.
void TestMainWindow::undoAndRedo()
{
    QFETCH(QString, change);
    QFETCH(QString, undoText);
    Window t;
    Session &s = t.s();
    t.addSubGoal("One");
    t.addSubGoal("Two");
    t.click("lblGoal_1");
    QTest::keyClicks(t.get<QPlainTextEdit>("txtGoalTasks"), "first task --");
    t.click("chkDueDate");
    t.click("lblGoal_2");   // Two starts after One: a deletion of One takes the link, an undo brings it back
    auto *startsAfter = t.get<QComboBox>("cboStartsAfter");
    QTest::keyClick(startsAfter, Qt::Key_Down);
    QCOMPARE(s.document.subGoal(1).after, s.document.subGoal(0).key);
    t.click("lblGoal_0");
    s.taskFiles.flush();
    const Project before = s.document.project();
    const QByteArray taskFile = t.app.read("tmp/" + before.subGoals[0].key + ".txt");

    auto *name = t.get<QLineEdit>("txtSubGoal");
    if (change == "add") {
        t.addSubGoal("Three");
    } else if (change == "rename" || change == "due") {
        t.click("lblGoal_2");
        if (change == "due")
            t.click("chkDueDate");
        else
            QTest::keyClicks(name, " v2"), QTest::keyClick(name, Qt::Key_Return);
    } else if (change == "delete" || change == "undue") {
        t.click("lblGoal_1");
        if (change == "delete")
            t.modals.answer(Msg::Yes);
        t.click(change == "delete" ? "lblDelete" : "chkDueDate");
    } else if (change == "sequence") {
        t.click("lblGoal_2");
        QTest::keyClick(startsAfter, Qt::Key_Up);   // "(none)"
    } else if (change == "name") {
        QTest::keyClicks(t.get<QLineEdit>("txtProjectName"), " and more");   // one step, not one a key
    } else {
        QAction *schedule = t.get<QAction>("mnuSchedule");
        schedule->trigger();
        if (change == "start") {
            t.get<QDateEdit>("dtpStartDate")->setDate(QDate(2027, 3, 1));
        } else if (change == "dayoff") {
            t.get<QDateEdit>("dtpDayOff")->setDate(QDate(2027, 4, 2));
            t.click("cmdAddDayOff");
        } else {
            t.click("chkWorkDay_6");
        }
    }
    const Project after = s.document.project();
    QVERIFY(!(after == before));
    QAction *undo = t.get<QAction>("mnuUndo");
    QCOMPARE(undo->text(), undoText);

    undo->trigger();
    Project undone = s.document.project();
    QCOMPARE(undone.subGoals.size(), before.subGoals.size());
    QVERIFY(undone == before);
    QVERIFY(t.modified());
    s.taskFiles.flush();
    QCOMPARE(t.app.read("tmp/" + before.subGoals[0].key + ".txt"), taskFile);   // a deletion undone: byte for byte
    t.get<QAction>("mnuRedo")->trigger();
    QVERIFY(s.document.project() == after);

    t.modals.answer(Msg::No);
    t.get<QAction>("mnuNew")->trigger();   // a new project forgets the steps of the old one
    QVERIFY(!undo->isEnabled());
}

void TestMainWindow::theKeyboardReachesTheCards()
{
    Window t;
    t.addSubGoal("One");
    t.addSubGoal("Two");
    t.addSubGoal("Three");
    // Tab leaves the task box, and no tab reaches the task list.
    t.click("lblGoal_1");
    auto *tasks = t.get<QPlainTextEdit>("txtGoalTasks");
    QTest::keyClicks(tasks, "a task");
    QTest::keyClick(tasks, Qt::Key_Tab);
    QVERIFY(!tasks->hasFocus());
    QCOMPARE(t.s().document.subGoal(0).tasks, QString("a task"));

    // From the side bar, Tab comes to the cards; arrows move among them in
    // the grid, past free slots.
    QWidget *main = t.get("Picture2");
    for (int i = 0; i < 20 && !main->hasFocus(); ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QVERIFY(main->hasFocus());
    QTest::keyClick(main, Qt::Key_Up);
    QVERIFY(t.get("picGoal_2")->hasFocus());
    QTest::keyClick(t.get("picGoal_2"), Qt::Key_Right);
    QVERIFY(t.get("picGoal_3")->hasFocus());
    QTest::keyClick(t.get("picGoal_3"), Qt::Key_Down);   // card 5 is free: past it to nothing
    QVERIFY(t.get("picGoal_3")->hasFocus());
    QCOMPARE(t.get("picGoal_3")->accessibleName(), QStringLiteral("Three"));
    QCOMPARE(t.get("picGoal_3")->accessibleDescription(), QStringLiteral("Three, 0 of 0 done"));

    // Enter selects as a click on the caption does; Delete asks.
    QTest::keyClick(t.get("picGoal_3"), Qt::Key_Return);
    QCOMPARE(t.s().document.selectedCard(), 3);
    QVERIFY(t.get("picGoal_3")->hasFocus());   // the keyboard stays on the cards
    t.get("picGoal_2")->setFocus();
    QTest::keyClick(t.get("picGoal_2"), Qt::Key_Delete);
    QCOMPARE(t.s().document.selectedCard(), 2);
    QVERIFY(t.get("picGoal_2")->hasFocus());
    QCOMPARE(t.modals.lastText(), QStringLiteral("Delete Sub Goal?"));
    QCOMPARE(t.text("lblGoal_2"), QStringLiteral("Two"));   // answered No
}

void TestMainWindow::theWindowFitsAndScrolls()
{
    Window t;
    t.w.resize(1600, 1000);
    QTest::qWait(20);
    auto *sidebar = t.get<QScrollArea>("sidebarScroll");
    QCOMPARE(sidebar->height(), t.w.centralWidget()->height());   // dark down to the foot
    QCOMPARE(sidebar->viewport()->palette().color(QPalette::Window), QColor(64, 64, 64));
    QVERIFY(!sidebar->verticalScrollBar()->isVisible());

    t.w.setMinimumSize(0, 0);
    t.w.resize(800, 500);
    QTest::qWait(20);
    auto *cards = t.get<QScrollArea>("cardScroll");
    QVERIFY(sidebar->verticalScrollBar()->isVisible() && sidebar->verticalScrollBar()->maximum() > 0);
    QVERIFY(cards->verticalScrollBar()->isVisible() && cards->horizontalScrollBar()->isVisible());
    // The bottom right card can be scrolled into view whole.
    t.addSubGoal("1"), t.addSubGoal("2"), t.addSubGoal("3"), t.addSubGoal("4");
    t.addSubGoal("5"), t.addSubGoal("6"), t.addSubGoal("7"), t.addSubGoal("8");
    QWidget *last = t.get("picGoal_8");
    cards->ensureWidgetVisible(last, 0, 0);
    const QRect shown(last->mapTo(cards->viewport(), QPoint()), last->size());
    QVERIFY(cards->viewport()->rect().contains(shown));
}

void TestMainWindow::undoWithTheTaskFolderGone_data()
{
    QTest::addColumn<bool>("aFileInItsPlace");
    QTest::newRow("deleted") << false;
    QTest::newRow("a file in its place") << true;
}

// tmp/ taken away behind Tarvo's back, then Edit > Undo: the step is taken
// back whole, no card vanishes, and Save writes the whole project.
void TestMainWindow::undoWithTheTaskFolderGone()
{
    QFETCH(bool, aFileInItsPlace);
    Window t;
    t.addSubGoal("One");
    t.addSubGoal("Two");
    t.click("lblGoal_1");
    QTest::keyClicks(t.get<QPlainTextEdit>("txtGoalTasks"), "first task");
    t.modals.saveActions.append(typeAndSave("plan"));
    t.get<QAction>("mnuSave")->trigger();
    t.click("chkDueDate");   // an undo step
    QDir(t.app.file("tmp")).removeRecursively();
    if (aFileInItsPlace)
        t.app.write("tmp", "not a folder");
    t.modals.asked.clear();

    t.get<QAction>("mnuUndo")->trigger();
    QVERIFY(t.shown("picGoal_1") && t.shown("picGoal_2"));
    QVERIFY(t.s().document.subGoal(0).due.isEmpty());
    t.get<QAction>("mnuSave")->trigger();
    QCOMPARE(t.modals.lastText(), QStringLiteral("Ready! Project saved."));
    const QByteArray saved = t.app.read("projects/plan.gpj");
    QVERIFY(saved.contains("Goal1_Name=One\r\n") && saved.contains("Goal2_Name=Two\r\n"));
    QVERIFY(saved.contains("Goal1_Task1=first task\r\n"));
}

// A task file that cannot be written is told on the status line while the
// user types, and in a box only at the next command: every key typed
// meanwhile reaches the task list.
void TestMainWindow::aFailedWriteDoesNotTakeTheKeyboard()
{
    Window t;
    t.addSubGoal("One");
    t.click("lblGoal_1");
    QDir(t.app.file("tmp")).removeRecursively();
    t.app.write("tmp", "not a folder");
    auto *box = t.get<QPlainTextEdit>("txtGoalTasks");
    const QString typed = "abcdefghijklmnopqrstuvwxyz0123456789 END";
    for (QChar c : typed) {
        QTest::keyClick(t.w.windowHandle(), c.toLatin1());
        QTest::qWait(20);   // the writer's moments pass while typing goes on
    }
    QCOMPARE(box->toPlainText(), typed);
    QCOMPARE(t.s().document.subGoal(0).tasks, typed);
    QVERIFY(t.modals.asked.isEmpty());
    QTRY_VERIFY(t.w.statusBar()->currentMessage().startsWith("The tasks could not be written"));

    t.modals.saveActions.append(cancelSave());
    QTest::keyClick(t.w.windowHandle(), Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(t.modals.asked.size(), 1);
    QCOMPARE(t.modals.asked[0].title, QStringLiteral("Tasks"));
    QVERIFY(t.modals.asked[0].text.contains(t.app.file("tmp/")));
    QVERIFY(t.modals.saveActions.isEmpty());   // and the command went on
    t.modals.saveActions.append(cancelSave());
    QTest::keyClick(t.w.windowHandle(), Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(t.modals.asked.size(), 1);   // said once
}

void TestMainWindow::undoKeysInATextBoxAreTheBoxs_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QKeyCombination>("redo");
    for (const char *box : {"txtGoalTasks", "txtSubGoal", "txtProjectName"}) {
        QTest::addRow("%s, Ctrl+Y", box) << box << QKeyCombination(Qt::ControlModifier, Qt::Key_Y);
        QTest::addRow("%s, Ctrl+Shift+Z", box) << box << QKeyCombination(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_Z);
    }
}

// Delete a sub-goal, undo it, type in a text box, Ctrl+Z, then redo: the
// box redoes its typing; the sub-goal is not deleted again.
void TestMainWindow::undoKeysInATextBoxAreTheBoxs()
{
    QFETCH(QString, box);
    QFETCH(QKeyCombination, redo);
    Window t;
    t.addSubGoal("One");
    t.addSubGoal("Two");
    t.click("lblGoal_2");
    t.modals.answer(Msg::Yes);
    t.click("lblDelete");
    t.get<QAction>("mnuUndo")->trigger();   // the window's Redo now would delete it again
    QCOMPARE(t.s().document.subGoalCount(), 2);
    t.click("lblGoal_1");
    QWidget *edit = t.get(box);
    edit->setFocus();
    const auto text = [&] {
        auto *line = qobject_cast<QLineEdit *>(edit);
        return line ? line->text() : static_cast<QPlainTextEdit *>(edit)->toPlainText();
    };
    const QString before = text();
    for (char c : {'x', 'y'})
        QTest::keyClick(t.w.windowHandle(), c);
    const QString typed = text();
    QVERIFY(typed != before);
    QTest::keyClick(t.w.windowHandle(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(text(), before);
    QTest::keyClick(t.w.windowHandle(), redo.key(), redo.keyboardModifiers());
    QCOMPARE(text(), typed);
    QCOMPARE(t.s().document.subGoalCount(), 2);
    QVERIFY(t.shown("picGoal_2"));
    if (box == "txtProjectName")
        return;   // the name typed is a step itself: nothing is left to redo
    // Outside a text box the window's keys are the window's.
    t.get("picGoal_1")->setFocus();
    QTest::keyClick(t.w.windowHandle(), redo.key(), redo.keyboardModifiers());
    QCOMPARE(t.s().document.subGoalCount(), 1);
}

// Delete on a card asks about that card and the focus stays on it: a
// second Delete after Esc asks again, and no task loses a letter.
void TestMainWindow::deleteEscDeleteChangesNoTask()
{
    Window t;
    t.addSubGoal("One");
    t.click("lblGoal_1");
    QTest::keyClicks(t.get<QPlainTextEdit>("txtGoalTasks"), "first task");
    t.click("lblGoal_0");
    QWidget *card = t.get("picGoal_1");
    card->setFocus();
    for (MsgAnswer answer : {Msg::Cancel, Msg::No}) {   // Esc, then No
        t.modals.answer(answer);
        QTest::keyClick(t.w.windowHandle(), Qt::Key_Delete);
        QVERIFY(card->hasFocus());
    }
    QCOMPARE(t.modals.asked.size(), 2);
    QCOMPARE(t.s().document.subGoal(0).tasks, QStringLiteral("first task"));
    QTest::keyClick(t.w.windowHandle(), Qt::Key_Return);   // Enter selects and stays on the card
    QVERIFY(card->hasFocus());
    QCOMPARE(t.s().document.selectedCard(), 1);
    QTest::keyClick(t.w.windowHandle(), Qt::Key_Tab);      // and Tab goes on to the task box
    QVERIFY(t.get("txtGoalTasks")->hasFocus());
}

void TestMainWindow::addNewGoesToTheNameBox()
{
    Window t;
    t.addSubGoal("One");
    t.click("lblGoal_1");
    t.click("lblNewGoal");
    QVERIFY(t.get("txtSubGoal")->hasFocus());
    for (QChar c : QStringLiteral("Typed next"))
        QTest::keyClick(t.w.windowHandle(), c.toLatin1());
    QTest::keyClick(t.w.windowHandle(), Qt::Key_Return);
    QCOMPARE(t.text("lblGoal_2"), QStringLiteral("Typed next"));
}

// Arrow keys in the calendar move the due date a day at a time; together
// they are one step of the undo history.
void TestMainWindow::calendarMovesAreOneStep()
{
    Window t;
    t.addSubGoal("One");
    t.click("lblGoal_1");
    t.click("chkDueDate");
    auto *calendar = t.get<QCalendarWidget>("Calendar1");
    const QDate first = calendar->selectedDate();
    QWidget *days = calendar->findChild<QAbstractItemView *>();
    days->setFocus();
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(t.w.windowHandle(), Qt::Key_Right);
    QCOMPARE(calendar->selectedDate(), first.addDays(3));
    QCOMPARE(t.s().document.subGoal(0).due, DueDate::text(first.addDays(3)));
    t.get<QAction>("mnuUndo")->trigger();   // the three moves
    QCOMPARE(t.s().document.subGoal(0).due, DueDate::text(first));
    t.get<QAction>("mnuUndo")->trigger();   // the tick
    QVERIFY(t.s().document.subGoal(0).due.isEmpty());
    QCOMPARE(t.get<QAction>("mnuUndo")->text(), QStringLiteral("&Undo Add “One”"));
}

namespace {
// The text shows whole in the label, or cut short with "…" and the whole
// text in its tool tip; never cut off without a mark.
bool shownWhole(const QLabel *label, const QString &text)
{
    const QFontMetricsF metrics(label->font());
    const QRectF room = label->contentsRect();
    const bool fits = label->wordWrap()
                          ? metrics.boundingRect(room, Qt::TextWordWrap | label->alignment(), label->text()).height() <= room.height()
                          : metrics.horizontalAdvance(label->text()) <= room.width();
    return fits && (label->text() == text || (label->text().endsWith(u'…') && label->toolTip().contains(text)));
}
} // namespace

void TestMainWindow::textIsFittedNeverCut_data()
{
    QTest::addColumn<QString>("name");   // the project's name
    QTest::addColumn<QString>("goal");   // a sub-goal's
    QTest::addColumn<QString>("due");    // its due-date text as stored
    QTest::addColumn<double>("scale");
    QTest::newRow("short") << "Garden" << "Design" << "10/03/2027" << 1.0;
    QTest::newRow("forty characters") << QString("Open the new bakery on the high street!!") << "Sixteen letters!"
                                      << "Wednesday, 10 March 2027" << 1.0;
    QTest::newRow("forty wide ones") << QString(40, u'W') << QString(16, u'M') << QString(40, u'8') << 1.0;
    QTest::newRow("forty wide ones, larger") << QString(40, u'W') << QString(16, u'M') << QString(40, u'8') << 2.0;
}

// Long names and dates are fitted or cut short with a tool tip, never cut;
// the due-date band stays inside its card.
void TestMainWindow::textIsFittedNeverCut()
{
    QFETCH(QString, name);
    QFETCH(QString, goal);
    QFETCH(QString, due);
    QFETCH(double, scale);
    Window t;
    t.s().document.assign({name, {{"1-2-3", goal, due, "a1"}}, {}}, DocumentChange::Cause::Load);
    t.get<CardCanvas>("Picture1")->setScale(scale);
    QVERIFY(shownWhole(t.get<QLabel>("lblGoal_0"), name));
    QVERIFY(shownWhole(t.get<QLabel>("lblGoal_1"), goal));
    QVERIFY(shownWhole(t.get<QLabel>("lblDueDateDate_1"), "Due Date: " + due));
    QWidget *card = t.get("picGoal_1");
    const int frame = qRound(3 * scale);   // the card's drawn border
    QVERIFY(card->rect().adjusted(frame, frame, -frame, -frame).contains(t.get("shDueDate_1")->geometry()));
}

// Whatever the schedule panel takes, a row of cards stays in view.
void TestMainWindow::theScheduleLeavesARowOfCards()
{
    Window t;
    t.addSubGoal("One");
    t.get<QAction>("mnuSchedule")->trigger();
    auto *dock = t.w.findChild<QDockWidget *>("frmSchedule");
    t.w.resizeDocks({dock}, {2000}, Qt::Vertical);   // dragged up as far as it goes
    t.w.setMinimumSize(0, 0);
    t.w.resize(800, 500);
    QTest::qWait(20);
    auto *area = t.get<QScrollArea>("cardScroll");
    const QRect card(t.get("picGoal_1")->mapTo(area->viewport(), QPoint()), t.get("picGoal_1")->size());
    QVERIFY2(area->viewport()->height() >= card.height(), qPrintable(QString::number(area->viewport()->height())));
    area->ensureWidgetVisible(t.get("picGoal_1"), 0, 0);
    QVERIFY(area->viewport()->rect().contains(QRect(t.get("picGoal_1")->mapTo(area->viewport(), QPoint()), card.size())));
}

// A picture that cannot be read leaves the card as it was, and nothing fails.
void TestMainWindow::aMissingPictureLeavesTheCardAsItWas()
{
    TempAppFolder app;
    QFile::remove(app.file("imgs/greencircle.svg"));
    ScriptedModals modals;
    Form1 w(app.path(), modals, modals);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.session().document.assign({"P", {{"1-2-3", "One", "", "a1"}}, {}}, DocumentChange::Cause::Load);
    auto *card = w.findChild<CardBody *>("picGoal_1");
    const QSvgRenderer *pending = card->picture();
    QVERIFY(pending && pending->isValid());
    w.session().document.setTasks(0, "a1 --");   // all done: the green picture, which is missing
    QCOMPARE(card->picture(), pending);
    QCOMPARE(w.findChild<QLabel *>("lblTasks_Pending_1")->text(), QStringLiteral("Pending: 0"));
    QVERIFY(!card->grab().isNull());
}

// The Tab order README's keyboard table tells, with a sub-goal selected.
void TestMainWindow::tabGoesWhereReadmeSays()
{
    Window t;
    t.addSubGoal("One");
    t.addSubGoal("Two");
    t.click("lblGoal_1");
    t.get("txtProjectName")->setFocus();
    QStringList order;
    for (int i = 0; i < 9; ++i) {
        order << QApplication::focusWidget()->objectName();
        QTest::keyClick(t.w.windowHandle(), Qt::Key_Tab);
    }
    QCOMPARE(order, (QStringList{"txtProjectName", "txtSubGoal", "txtGoalTasks", "chkDueDate", "qt_calendar_calendarview",
                                 "cboStartsAfter", "Picture2", "picGoal_1", "picGoal_2"}));
    // From a card just selected with Enter, Tab goes on to its tasks.
    t.get("picGoal_2")->setFocus();
    QTest::keyClick(t.w.windowHandle(), Qt::Key_Return);
    QTest::keyClick(t.w.windowHandle(), Qt::Key_Tab);
    QVERIFY(t.get("txtGoalTasks")->hasFocus());
    QCOMPARE(t.s().document.selectedCard(), 2);
}

// Ctrl+L through the window shows the schedule, and again hides it.
void TestMainWindow::ctrlLTogglesTheSchedule()
{
    Window t;
    auto *dock = t.w.findChild<QDockWidget *>("frmSchedule");
    QVERIFY(!dock->isVisible());
    QTest::keyClick(t.w.windowHandle(), Qt::Key_L, Qt::ControlModifier);
    QTRY_VERIFY(dock->isVisible());
    QTest::keyClick(t.w.windowHandle(), Qt::Key_L, Qt::ControlModifier);
    QTRY_VERIFY(!dock->isVisible());
}

// Each button and box of the schedule panel has an Alt letter, none shared
// with another or with a menu of the menu bar, and Alt+letter presses it.
void TestMainWindow::everyPanelButtonHasItsOwnAltLetter()
{
    Window t;
    t.get<QAction>("mnuSchedule")->trigger();
    QSet<QChar> taken;
    for (QAction *menu : t.w.menuBar()->actions())
        taken.insert(menu->text().at(menu->text().indexOf(u'&') + 1).toLower());
    auto *dock = t.w.findChild<QDockWidget *>("frmSchedule");
    const QList<QAbstractButton *> buttons = dock->findChildren<QAbstractButton *>();
    int checked = 0;
    for (QAbstractButton *button : buttons) {
        if (!button->isVisibleTo(dock) || button->objectName().startsWith("chkWorkDay") || button->text().isEmpty())
            continue;
        const qsizetype at = button->text().indexOf(u'&');
        QVERIFY2(at >= 0, qPrintable(button->objectName()));
        const QChar letter = button->text().at(at + 1).toLower();
        QVERIFY2(!taken.contains(letter), qPrintable(button->objectName()));
        taken.insert(letter);
        ++checked;
    }
    QVERIFY(checked >= 10);
    auto *includeDone = t.get<QCheckBox>("chkIncludeDone");
    const QString text = includeDone->text();
    t.w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&t.w));
    QTest::keyClick(t.w.windowHandle(), text.at(text.indexOf(u'&') + 1).toLatin1(), Qt::AltModifier);
    QTRY_VERIFY(includeDone->isChecked());   // a mnemonic clicks as a mouse would, after a moment
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"

