// The dashboard's behaviour, driven through the session's commands: the
// cards are worked out from the document after each step.
#include <QDir>
#include <QLocale>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTest>

#include "Planner.h"
#include "app/widgets/UndoHistory.h"
#include "project/DueDate.h"

class TestDashboard : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom)); }

    void startsAsAnEmptyProject();
    void addsCardsInOrderWithKeys();
    void enterRules();
    void ninthSubGoalIsRefused();
    void renameKeepsKeyAndFile();
    void projectNameIsAChangeOnlyWhenItChanges();
    void keysNeverCollide();
    void selectingIsNoEdit();
    void selectingMainGoalKeepsTheTasks();
    void missingTaskFileIsCreatedEmpty();
    void fileChangedOutsideIsTakenIn();
    void countersAndStatus_data();
    void countersAndStatus();
    void countingMatchesALineByLineReading();
    void editsCountOnlyTheLinesTheyTouch_data();
    void editsCountOnlyTheLinesTheyTouch();
    void editsThatDoNotFitAreRefused_data();
    void editsThatDoNotFitAreRefused();
    void editsReachTheTaskFile();
    void noSubGoalNoFile();
    void dueDateCheckUncheckChange();
    void unreadableStoredDateIsKept();
    void dueDateTextFollowsTheLocale();
    void dueDatesReadUnderAnyLocale_data();
    void dueDatesReadUnderAnyLocale();
    void deleteMovesLaterSubGoalsDown();
    void deleteAnsweredNoChangesNothing();
    void deleteLastAndOnly();
    void deleteWithTaskFileAlreadyGone();
    void deleteMarkAsksAboutItsCard();
    void namesKeepEveryCharacter();
    void lateFlagsAndTheirReasons_data();
    void lateFlagsAndTheirReasons();
};

void TestDashboard::startsAsAnEmptyProject()
{
    Planner p;
    QCOMPARE(p.card(0).name, QStringLiteral("My Goal"));
    QVERIFY(p.card(0).inUse);
    for (int i = 1; i <= 8; ++i)
        QVERIFY(!p.card(i).inUse);
    QCOMPARE(p.s.document.selectedCard(), 0);
    QVERIFY(!p.s.document.isModified());
    QVERIFY(p.s.document.filePath().isEmpty());
}

void TestDashboard::addsCardsInOrderWithKeys()
{
    Planner p;
    QCOMPARE(p.type("Design"), QString());   // the box is emptied for the next name
    QVERIFY(p.card(1).inUse);
    QCOMPARE(p.card(1).name, QStringLiteral("Design"));
    QVERIFY(QRegularExpression("^\\d+-\\d+-\\d+$").match(p.key(1)).hasMatch());
    QCOMPARE(p.s.document.selectedCard(), 0);
    QVERIFY(p.s.document.isModified());

    // The draws make the key: +100, +300, +300.
    p.s.tools.randomSource = [n = 0](int) mutable { return QList<int>{4421, 577, 5710, 1, 2, 3}.at(n++ % 6); };
    p.type("   ");
    p.type("   ");
    QCOMPARE(p.key(2), QStringLiteral("4521-877-6010"));
    QCOMPARE(p.card(2).name, QStringLiteral("   "));
    QCOMPARE(p.card(3).name, QStringLiteral("   "));
    QVERIFY(p.key(3) != p.key(2));
    QCOMPARE(p.project().subGoals.size(), 3);
}

void TestDashboard::enterRules()
{
    Planner p;
    QString box = QStringLiteral("x");
    QCOMPARE(p.s.dashboard.txtSubGoal_KeyPress('a', box), int('a'));   // other keys pass through
    box.clear();
    QCOMPARE(p.s.dashboard.txtSubGoal_KeyPress(13, box), 0);   // Enter is swallowed, even on an empty box
    QVERIFY(!p.s.document.isModified());   // a name typed but not added changes no sub-goal
    QVERIFY(p.project().subGoals.isEmpty());
}

void TestDashboard::ninthSubGoalIsRefused()
{
    Planner p;
    for (int i = 1; i <= 8; ++i)
        p.type(QStringLiteral("Goal %1").arg(i));
    QVERIFY(p.card(8).inUse);
    QVERIFY(p.modals.asked.isEmpty());
    QCOMPARE(p.type("Ninth"), QStringLiteral("Ninth"));   // the name stays in the box
    QCOMPARE(p.modals.asked.size(), 1);
    QCOMPARE(p.modals.asked[0].title, QStringLiteral("Ooops"));
    QCOMPARE(p.modals.asked[0].text,
             QStringLiteral("Ooops! You can create up to 8 sub-goals per goal so you can keep an eye on everything "
                            "(sometimes less is more)."));
    QCOMPARE(p.modals.asked[0].style, Msg::Information);
    QCOMPARE(p.project().subGoals.size(), 8);

    // With eight cards, rename mode still renames.
    p.select(8);
    p.type("Renamed");
    QCOMPARE(p.card(8).name, QStringLiteral("Renamed"));
    QCOMPARE(p.modals.asked.size(), 1);
}

void TestDashboard::renameKeepsKeyAndFile()
{
    Planner p;
    p.type("One");
    p.type("Two");
    p.type("Three");
    p.select(3);
    p.typeTasks("Task a\nTask b");
    const QString key = p.key(3);
    QCOMPARE(p.type("Third"), QStringLiteral("Third"));   // stays in the box: still renaming
    QCOMPARE(p.card(3).name, QStringLiteral("Third"));
    QCOMPARE(p.card(2).name, QStringLiteral("Two"));
    QCOMPARE(p.key(3), key);
    QCOMPARE(p.taskFile(3), QByteArray("Task a\r\nTask b"));
    QCOMPARE(p.s.document.selectedCard(), 3);
}

void TestDashboard::projectNameIsAChangeOnlyWhenItChanges()
{
    Planner p;
    p.s.dashboard.txtProjectName_Change("Launch");
    QCOMPARE(p.card(0).name, QStringLiteral("Launch"));
    QVERIFY(p.s.document.isModified());
    QVERIFY(p.s.project.SaveProject(p.app.file("projects/a.gpj")));
    p.s.dashboard.txtProjectName_Change("Launch");   // the same text again: no change
    QVERIFY(!p.s.document.isModified());
    p.select(0);
    QCOMPARE(p.project().name, QStringLiteral("Launch"));
}

void TestDashboard::keysNeverCollide()
{
    Planner p;
    // The first draws repeat a key on a card, then a task file left in tmp
    // by an earlier project; only the third key is free.
    const QList<int> draws = {1, 1, 1, 1, 1, 1, 2, 2, 2, 3, 3, 3};
    p.s.tools.randomSource = [draws, n = 0](int) mutable { return draws.at(n++); };
    p.app.write("tmp/102-302-302.txt", "old tasks");
    p.type("A");
    QCOMPARE(p.key(1), QStringLiteral("101-301-301"));
    p.type("B");
    QCOMPARE(p.key(2), QStringLiteral("103-303-303"));
    QCOMPARE(p.app.read("tmp/102-302-302.txt"), QByteArray("old tasks"));
}

void TestDashboard::selectingIsNoEdit()
{
    Planner p;
    p.type("One");
    p.type("Two");
    QVERIFY(p.s.project.SaveProject(p.app.file("projects/a.gpj")));
    p.select(2);
    for (int i = 1; i <= 8; ++i)
        QCOMPARE(p.card(i).selected, i == 2);
    QCOMPARE(p.s.document.selectedSubGoal(), 1);
    QVERIFY(!p.s.document.isModified());
    p.s.dashboard.lblNewGoal_Click();
    QCOMPARE(p.s.document.selectedCard(), 0);
    for (int i = 1; i <= 8; ++i)
        QVERIFY(!p.card(i).selected);
    QVERIFY(!p.s.document.isModified());
}

void TestDashboard::selectingMainGoalKeepsTheTasks()
{
    Planner p;
    p.type("One");
    p.select(1);
    p.typeTasks("Buy paint");
    p.select(0);
    p.select(1);
    QCOMPARE(p.project().subGoals[0].tasks, QStringLiteral("Buy paint"));
    QCOMPARE(p.taskFile(1), QByteArray("Buy paint"));
}

void TestDashboard::missingTaskFileIsCreatedEmpty()
{
    Planner p;
    p.type("One");
    QVERIFY(!p.app.exists("tmp"));   // adding makes no file
    p.select(1);
    QVERIFY(p.app.exists("tmp/" + p.key(1) + ".txt"));
    QCOMPARE(p.taskFile(1), QByteArray());
    QFile::remove(p.app.file("tmp/" + p.key(1) + ".txt"));
    p.select(0);
    p.select(1);   // gone meanwhile: made anew, and the tasks stay
    QVERIFY(p.app.exists("tmp/" + p.key(1) + ".txt"));
    QCOMPARE(p.project().subGoals[0].tasks, QString());
    QVERIFY(p.modals.asked.isEmpty());
}

void TestDashboard::fileChangedOutsideIsTakenIn()
{
    Planner p;
    p.type("One");
    p.select(1);
    p.typeTasks("Buy paint");
    QCOMPARE(p.taskFile(1), QByteArray("Buy paint"));
    // Another program writes the file: selecting the card again shows it.
    p.app.write("tmp/" + p.key(1) + ".txt", "Changed outside\r\nand more");
    p.select(1);
    QCOMPARE(p.project().subGoals[0].tasks, QStringLiteral("Changed outside\nand more"));
    QCOMPARE(p.card(1).counts.total, 2);
    // A file Tarvo wrote itself is not read back.
    p.typeTasks("typed");
    p.select(1);
    QCOMPARE(p.project().subGoals[0].tasks, QStringLiteral("typed"));
}

void TestDashboard::countersAndStatus_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("counters");
    QTest::addColumn<bool>("allDone");
    QTest::newRow("empty") << "" << "Tasks: 0|Completed: 0|Pending: 0" << false;
    QTest::newRow("all done") << "a --\n--b\nc--d" << "Tasks: 3|Completed: 3|Pending: 0" << true;
    QTest::newRow("partly done") << "a --\nb1\nc --" << "Tasks: 3|Completed: 2|Pending: 1" << false;
    QTest::newRow("none done") << "a1\nb2" << "Tasks: 2|Completed: 0|Pending: 2" << false;
    QTest::newRow("blank and short lines") << "ab\n\n   \nx\n y \n--" << "Tasks: 2|Completed: 1|Pending: 1" << false;
    QTest::newRow("a CR stays in its line") << "ab\rcd\nef --" << "Tasks: 2|Completed: 1|Pending: 1" << false;
    QTest::newRow("single dashes are no mark") << "a-b-c\n-x-" << "Tasks: 2|Completed: 0|Pending: 2" << false;
    QTest::newRow("trailing break") << "ab --\n" << "Tasks: 1|Completed: 1|Pending: 0" << true;
}

void TestDashboard::countersAndStatus()
{
    QFETCH(QString, text);
    QFETCH(QString, counters);
    QFETCH(bool, allDone);
    Planner p;
    p.type("One");
    p.select(1);
    p.typeTasks(text);
    QCOMPARE(p.counters(1), counters);
    QCOMPARE(p.card(1).counts.allDone(), allDone);
    QCOMPARE(p.taskFile(1), QString(text).replace("\n", "\r\n").toUtf8());
}

void TestDashboard::countingMatchesALineByLineReading()
{
    // Random texts of the characters that matter, counted line by line the
    // plain way and by the one-pass walk.
    QRandomGenerator random(20240315);
    const QString alphabet = QStringLiteral("-- \n\ra\t\u00A0");
    for (int round = 0; round < 20000; ++round) {
        QString text;
        const int length = random.bounded(40);
        for (int i = 0; i < length; ++i)
            text += alphabet.at(random.bounded(alphabet.size()));
        TaskCounts expected;
        for (const QString &line : text.split(u'\n')) {
            if (TaskText::isTaskLine(line)) {
                ++expected.total;
                if (line.contains(QStringLiteral("--")))
                    ++expected.completed;
            }
        }
        const TaskCounts counts = TaskText::count(text);
        if (counts != expected)
            QFAIL(qPrintable(QStringLiteral("%1 / %2 instead of %3 / %4 for \"%5\"")
                                 .arg(counts.total).arg(counts.completed).arg(expected.total)
                                 .arg(expected.completed).arg(text.toUtf8().toPercentEncoding())));
    }
}

void TestDashboard::editsCountOnlyTheLinesTheyTouch_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<int>("at");
    QTest::addColumn<int>("removed");
    QTest::addColumn<QString>("inserted");
    QTest::newRow("a character typed") << "ab\ncd --" << 1 << 0 << "x";
    QTest::newRow("a line break typed") << "abcd --" << 2 << 0 << "\n";
    QTest::newRow("two lines joined") << "ab\ncd --" << 2 << 1 << "";
    QTest::newRow("the done mark typed") << "ab\ncd" << 5 << 0 << "--";
    QTest::newRow("half of the done mark gone") << "ab --\ncd" << 3 << 1 << "";
    QTest::newRow("lines pasted in the middle") << "ab\ncd" << 1 << 0 << "x --\nyy\nz";
    QTest::newRow("all replaced") << "ab\ncd --\nef" << 0 << 11 << "new";
    QTest::newRow("at the very end") << "ab" << 2 << 0 << "\ncd --";
}

// Whatever the edit, the counts are those of the whole text counted anew.
void TestDashboard::editsCountOnlyTheLinesTheyTouch()
{
    QFETCH(QString, before);
    QFETCH(int, at);
    QFETCH(int, removed);
    QFETCH(QString, inserted);
    Planner p;
    p.type("One");
    p.select(1);
    p.typeTasks(before);
    const QString after = QString(before).replace(at, removed, inserted);
    QVERIFY(p.s.tasks.txtGoalTasks_Edit(at, removed, inserted, after.size()));
    QCOMPARE(p.project().subGoals[0].tasks, after);
    QCOMPARE(p.card(1).counts, TaskText::count(after));
    QCOMPARE(p.taskFile(1), QString(after).replace("\n", "\r\n").toUtf8());
}

void TestDashboard::editsThatDoNotFitAreRefused_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<int>("at");
    QTest::addColumn<int>("removed");
    QTest::addColumn<QString>("inserted");
    QTest::addColumn<int>("lengthAfter");
    QTest::newRow("length that does not add up") << "abc" << 1 << 0 << "x" << 3;
    QTest::newRow("past the end") << "abc" << 4 << 0 << "x" << 5;
    QTest::newRow("removing past the end") << "abc" << 2 << 3 << "" << 0;
    QTest::newRow("a CR in the text") << "ab\rc" << 1 << 0 << "x" << 5;
    QTest::newRow("a CR inserted") << "abc" << 1 << 0 << "\r" << 4;
}

// The box and the document disagree: the edit changes nothing, so the
// caller hands over the whole text instead.
void TestDashboard::editsThatDoNotFitAreRefused()
{
    QFETCH(QString, before);
    QFETCH(int, at);
    QFETCH(int, removed);
    QFETCH(QString, inserted);
    QFETCH(int, lengthAfter);
    Planner p;
    p.type("One");
    p.select(1);
    p.typeTasks(before);
    const quint64 revision = p.s.document.revision();
    QVERIFY(!p.s.tasks.txtGoalTasks_Edit(at, removed, inserted, lengthAfter));
    QCOMPARE(p.project().subGoals[0].tasks, before);
    QCOMPARE(p.s.document.revision(), revision);
}

void TestDashboard::editsReachTheTaskFile()
{
    Planner p;
    p.type("One");
    p.type("Two");
    p.select(1);
    QVERIFY(p.s.project.SaveProject(p.app.file("projects/a.gpj")));
    // A paste with the mouse, a drop, the Delete key: any change is one.
    p.typeTasks("pasted --\nwith the mouse");
    QCOMPARE(p.taskFile(1), QByteArray("pasted --\r\nwith the mouse"));
    QCOMPARE(p.counters(1), QStringLiteral("Tasks: 2|Completed: 1|Pending: 1"));
    QVERIFY(p.s.document.isModified());
    p.select(2);
    p.select(1);
    QCOMPARE(p.project().subGoals[0].tasks, QStringLiteral("pasted --\nwith the mouse"));
}

void TestDashboard::noSubGoalNoFile()
{
    Planner p;
    p.typeTasks("typed with nothing selected");
    p.s.tasks.RefreshGoalTasks();
    QVERIFY(!p.app.exists("tmp"));
    QCOMPARE(p.counters(0), QStringLiteral("Tasks: 0|Completed: 0|Pending: 0"));
    QVERIFY(!p.s.document.isModified());
}

void TestDashboard::dueDateCheckUncheckChange()
{
    Planner p;
    p.type("One");
    p.select(1);
    QVERIFY(p.s.project.SaveProject(p.app.file("projects/a.gpj")));
    p.s.dueDates.Calendar1_DateChange(QDate(2024, 3, 15), false);   // unchecked: nothing on the card
    QVERIFY(!p.s.document.isModified());
    QVERIFY(p.card(1).due.isEmpty());

    p.s.dueDates.chkDueDate_Click(true, QDate(2024, 3, 15));
    QVERIFY(p.s.document.isModified());
    QCOMPARE(p.card(1).due, QStringLiteral("15/03/2024"));

    p.s.dueDates.Calendar1_DateChange(QDate(2024, 4, 1), true);
    QCOMPARE(p.card(1).due, QStringLiteral("01/04/2024"));

    p.s.dueDates.chkDueDate_Click(false, QDate(2024, 4, 1));
    QVERIFY(p.card(1).due.isEmpty());

    p.select(0);   // the main goal has no due date
    p.s.dueDates.chkDueDate_Click(true, QDate(2024, 4, 1));
    QVERIFY(p.card(1).due.isEmpty());
}

void TestDashboard::unreadableStoredDateIsKept()
{
    Planner p;
    p.app.write("projects/odd.gpj", "[Project]\r\nName=P\r\n[Goals]\r\nGoal1=1-2-3\r\nGoal1_Name=One\r\n"
                                    "Goal1_Due=next Tuesday\r\nGoal1_Tasks=0\r\n");
    QVERIFY(p.s.project.LoadProject(p.app.file("projects/odd.gpj")));
    p.select(1);
    QCOMPARE(p.card(1).due, QStringLiteral("next Tuesday"));
    QVERIFY(!p.card(1).lateness.late());   // a date that reads as none is never late
    // Choosing a date is an edit: it replaces the stored text.
    p.s.dueDates.Calendar1_DateChange(QDate(2030, 1, 2), true);
    QCOMPARE(p.card(1).due, QStringLiteral("02/01/2030"));
}

void TestDashboard::dueDateTextFollowsTheLocale()
{
    const QDate date(2024, 3, 15);
    QCOMPARE(DueDate::text(date), QStringLiteral("15/03/2024"));
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    QCOMPARE(DueDate::text(date), QStringLiteral("3/15/2024"));
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
}

void TestDashboard::dueDatesReadUnderAnyLocale_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QDate>("read");   // invalid: no form reads it
    const QDate march15(2024, 3, 15);
    QTest::newRow("own short form") << "en_US" << "3/15/2024" << march15;
    QTest::newRow("another country's") << "en_US" << "15/03/2024" << march15;
    QTest::newRow("German") << "en_GB" << "15.03.2024" << march15;
    QTest::newRow("German, short year") << "en_US" << "15.3.24" << march15;
    QTest::newRow("ISO") << "de_DE" << "2024-03-15" << march15;
    QTest::newRow("own long form") << "en_GB" << "Friday, 15 March 2024" << march15;
    QTest::newRow("two-digit year is this century") << "en_GB" << "15/03/24" << march15;
    QTest::newRow("ambiguous in the own order") << "en_GB" << "04/03/2024" << QDate(2024, 3, 4);
    QTest::newRow("ambiguous elsewhere") << "de_DE" << "04/03/2024" << QDate();
    QTest::newRow("same either way") << "de_DE" << "05/05/2024" << QDate(2024, 5, 5);
    QTest::newRow("words") << "en_GB" << "next Tuesday" << QDate();
    QTest::newRow("no such day") << "en_GB" << "31/02/2024" << QDate();
}

void TestDashboard::dueDatesReadUnderAnyLocale()
{
    QFETCH(QString, locale);
    QFETCH(QString, stored);
    QFETCH(QDate, read);
    QLocale::setDefault(QLocale(locale));
    const QDate date = DueDate::parse(stored);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
    QCOMPARE(date, read);
}

void TestDashboard::deleteMovesLaterSubGoalsDown()
{
    Planner p;
    p.add({{"One", "task 1 --\nopen 1"}, {"Two", "task 2 --\nopen 2"}, {"Three", "task 3 --\nopen 3"},
           {"Four", "task 4 --"}});
    QStringList keys;
    for (int i = 1; i <= 4; ++i)
        keys << p.key(i);
    p.select(3);
    p.s.dueDates.chkDueDate_Click(true, QDate(2024, 3, 15));

    p.select(2);
    p.modals.answer(Msg::Yes);
    QVERIFY(p.s.dashboard.lblDelete_Click());
    QCOMPARE(p.modals.asked.last().text, QStringLiteral("Delete Sub Goal?"));
    QCOMPARE(p.modals.asked.last().title, QStringLiteral("Confirm"));
    QCOMPARE(p.modals.asked.last().style, Msg::YesNoQuestion);

    QCOMPARE(p.card(2).name, QStringLiteral("Three"));
    QCOMPARE(p.card(2).key, keys[2]);
    QCOMPARE(p.card(2).due, QStringLiteral("15/03/2024"));
    QCOMPARE(p.counters(2), QStringLiteral("Tasks: 2|Completed: 1|Pending: 1"));
    QCOMPARE(p.card(3).name, QStringLiteral("Four"));
    QCOMPARE(p.card(3).key, keys[3]);
    QVERIFY(p.card(3).due.isEmpty());
    QCOMPARE(p.counters(3), QStringLiteral("Tasks: 1|Completed: 1|Pending: 0"));
    QVERIFY(!p.card(4).inUse);
    QCOMPARE(p.counters(4), QStringLiteral("Tasks: 0|Completed: 0|Pending: 0"));

    p.s.taskFiles.flush();
    QVERIFY(!p.app.exists("tmp/" + keys[1] + ".txt"));
    QCOMPARE(p.app.read("tmp/" + keys[2] + ".txt"), QByteArray("task 3 --\r\nopen 3"));
    QVERIFY(p.app.exists("tmp/" + keys[3] + ".txt"));
    QCOMPARE(p.s.document.selectedCard(), 0);
    QVERIFY(p.s.document.isModified());
}

void TestDashboard::deleteAnsweredNoChangesNothing()
{
    Planner p;
    p.type("One");
    p.type("Two");
    p.select(1);
    QVERIFY(p.s.project.SaveProject(p.app.file("projects/a.gpj")));
    const Project before = p.project();
    for (MsgAnswer answer : {Msg::No, Msg::Cancel}) {   // Cancel: Esc or the close box
        p.modals.answer(answer);
        QVERIFY(!p.s.dashboard.lblDelete_Click());
    }
    QCOMPARE(p.project(), before);
    QVERIFY(p.app.exists("tmp/" + p.key(1) + ".txt"));
    QVERIFY(!p.s.document.isModified());
    QCOMPARE(p.s.document.selectedCard(), 1);
}

void TestDashboard::deleteLastAndOnly()
{
    Planner p;
    p.type("One");
    p.type("Two");
    const QString first = p.key(1);
    p.select(2);
    p.modals.answer(Msg::Yes);
    p.s.dashboard.lblDelete_Click();
    QCOMPARE(p.key(1), first);
    QVERIFY(p.card(1).inUse && !p.card(2).inUse);

    p.select(1);
    p.modals.answer(Msg::Yes);
    p.s.dashboard.lblDelete_Click();
    for (int i = 1; i <= 8; ++i)
        QVERIFY(!p.card(i).inUse);
    QVERIFY(p.project().subGoals.isEmpty());
    QCOMPARE(p.s.document.selectedCard(), 0);
    // Nothing selected: Delete has nothing to ask about.
    QVERIFY(!p.s.dashboard.lblDelete_Click());
    QCOMPARE(p.modals.asked.size(), 2);
}

void TestDashboard::deleteWithTaskFileAlreadyGone()
{
    Planner p;
    p.type("One");
    p.type("Two");
    p.select(1);
    QFile::remove(p.app.file("tmp/" + p.key(1) + ".txt"));
    p.modals.answer(Msg::Yes);
    p.s.dashboard.lblDelete_Click();
    p.s.taskFiles.flush();
    QCOMPARE(p.project().subGoals.size(), 1);
    QCOMPARE(p.card(1).name, QStringLiteral("Two"));
    QCOMPARE(p.modals.asked.size(), 1);   // only the question, no error
    QVERIFY(p.s.taskFiles.problem().isEmpty());
}

void TestDashboard::deleteMarkAsksAboutItsCard()
{
    Planner p;
    for (const char *name : {"One", "Two", "Three", "Four", "Five"})
        p.type(name);
    p.select(1);
    p.modals.answer(Msg::No);
    QVERIFY(!p.s.dashboard.lblDeleteOnMouseOver_Click(5));
    QCOMPARE(p.modals.lastText(), QStringLiteral("Delete Sub Goal?"));
    QCOMPARE(p.s.document.selectedCard(), 5);   // not confirmed: the card stays selected
    QCOMPARE(p.project().subGoals.size(), 5);

    p.modals.answer(Msg::Yes);
    QVERIFY(p.s.dashboard.lblDeleteOnMouseOver_Click(3));
    QStringList names;
    for (const SubGoal &goal : p.project().subGoals)
        names << goal.name;
    QCOMPARE(names, (QStringList{"One", "Two", "Four", "Five"}));
    QVERIFY(!p.s.dashboard.lblDeleteOnMouseOver_Click(7));   // a free card asks nothing
}

// Names are held as they are: no character of them means anything, so a
// deletion that moves the cards keeps every one.
void TestDashboard::namesKeepEveryCharacter()
{
    Planner p;
    const QString odd = QStringLiteral("Café\u00A8Bar¨=;\"");
    p.add({{"Gone", ""}, {odd, "keep me"}});
    const QString key = p.key(2);
    p.select(1);
    p.modals.answer(Msg::Yes);
    p.s.dashboard.lblDelete_Click();
    QCOMPARE(p.card(1).name, odd);
    QCOMPARE(p.key(1), key);
    QCOMPARE(p.counters(1), QStringLiteral("Tasks: 1|Completed: 0|Pending: 1"));
}

void TestDashboard::lateFlagsAndTheirReasons_data()
{
    QTest::addColumn<QString>("tasks");
    QTest::addColumn<QDate>("due");
    QTest::addColumn<QDate>("start");   // invalid: the project has no start date
    QTest::addColumn<bool>("overdue");
    QTest::addColumn<bool>("overruns");
    const QDate today = QDate::currentDate();
    QTest::newRow("passed, work pending") << "a1\nb2" << today.addDays(-1) << QDate() << true << false;
    QTest::newRow("passed, all done") << "a1 --" << today.addDays(-1) << QDate() << false << false;
    QTest::newRow("today is not passed") << "a1" << today << QDate() << false << false;
    // Monday 1 March 2027: ten working days end on Friday the 12th.
    QTest::newRow("plan ends after it") << "a1 + 10" << QDate(2027, 3, 11) << QDate(2027, 3, 1) << false << true;
    QTest::newRow("plan ends on it") << "a1 + 10" << QDate(2027, 3, 12) << QDate(2027, 3, 1) << false << false;
    QTest::newRow("no start, no plan") << "a1 + 9999" << QDate(2027, 3, 12) << QDate() << false << false;
}

// The band turns red for a reason that can be told: the date has passed
// with work pending, or the plan runs past it; and it says so the same way
// after every path that rebuilds the cards.
void TestDashboard::lateFlagsAndTheirReasons()
{
    QFETCH(QString, tasks);
    QFETCH(QDate, due);
    QFETCH(QDate, start);
    QFETCH(bool, overdue);
    QFETCH(bool, overruns);
    Planner p;
    UndoHistory history(p.s.document);
    p.s.schedule.setDtpStartDate(start);
    p.add({{"One", tasks}});
    p.select(1);
    p.s.dueDates.chkDueDate_Click(true, due);
    const auto check = [&](Planner &q, const char *after) {
        const Lateness late = q.card(1).lateness;
        QVERIFY2(late.overdue == overdue && late.overruns == overruns, after);
        QCOMPARE(q.card(1).lateness.late(), overdue || overruns);
    };
    check(p, "typed");
    p.s.dueDates.chkDueDate_Click(true, due.addYears(100));
    history.stack().undo();
    check(p, "a due date changed and taken back");
    QVERIFY(p.s.project.SaveProject(p.app.file("projects/late.gpj")));
    QVERIFY(p.s.project.LoadProject(p.app.file("projects/late.gpj")));
    check(p, "reopened");

    // Unsaved work brought back after a crash.
    p.s.dashboard.txtProjectName_Change("Unsaved");
    p.s.recovery.writeNow();
    Planner q;
    QDir(q.app.path()).removeRecursively();
    QVERIFY(QDir().rename(p.app.path(), q.app.path()));
    Recovery::keepAside(q.app.path());
    q.modals.answer(Msg::Yes);
    q.s.recovery.offerRestore(q.modals, q.s.taskFiles, q.s.tools);
    QCOMPARE(q.project().name, QStringLiteral("Unsaved"));
    check(q, "restored");
}

QTEST_GUILESS_MAIN(TestDashboard)
#include "tst_dashboard.moc"
