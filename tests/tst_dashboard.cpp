// The dashboard's behaviour, driven through the working state alone.
#include <QDir>
#include <QLocale>
#include <QRandomGenerator>
#include <QTest>

#include "ScriptedModals.h"
#include "TempAppFolder.h"
#include "project/WorkingState.h"
#include "tasks/Tasks.h"

namespace {

struct Fixture {
    TempAppFolder app;
    ScriptedModals modals;
    WorkingState s{app.path(), modals};

    void type(const QString &name)
    {
        s.dashboard.txtSubGoal_Change(name);
        s.dashboard.txtSubGoal_KeyPress(13);
    }
    // What a key release after typing into the task box does.
    void typeTasks(const QString &text)
    {
        s.tasks.txtGoalTasks_KeyPress('x');
        s.tasks.txtGoalTasks_Change(text);
        s.tasks.txtGoalTasks_KeyUp();
    }
    QByteArray taskFile(int card) const { return app.read("tmp/" + s.cards[card].lblGoal_Tag + ".txt"); }
    QString counters(int card) const
    {
        const GoalCard &c = s.cards[card];
        return c.lblTasks_Total + "|" + c.lblTasks_Completed + "|" + c.lblTasks_Pending;
    }
};

QByteArray picture(const TempAppFolder &app, const char *name) { return app.read(QStringLiteral("imgs/") + name); }

} // namespace

class TestDashboard : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom)); }

    void startsAsAnEmptyProject();
    void addsCardsInOrderWithKeys();
    void enterRules();
    void charsLeftCounter();
    void ninthSubGoalIsRefused();
    void renameKeepsKeyAndFile();
    void projectNameMirrorsOnKeyUpAndMouseEdits();
    void keysNeverCollide();
    void selectingSwitchesTheSidebar();
    void selectingMainGoalKeepsKeyAndText();
    void missingTaskFileIsCreatedEmpty();
    void countersAndPicture_data();
    void countersAndPicture();
    void countingMatchesALineByLineReading();
    void missingPictureLeavesThePrevious();
    void arrowAndDeleteKeys();
    void mouseEditsReachTheTaskFile();
    void noKeyNoFile();
    void dueDateCheckUncheckChange();
    void selectionOrderRestoresOwnDate();
    void unreadableStoredDateIsKept();
    void dueDateTextFollowsTheLocale();
    void dueDatesReadUnderAnyLocale_data();
    void dueDatesReadUnderAnyLocale();
    void rebuildGuardsTheCards();
    void deleteMovesLaterSubGoalsDown();
    void deleteAnsweredNoChangesNothing();
    void deleteLastAndOnly();
    void deleteWithTaskFileAlreadyGone();
    void deleteMarkPathAndHover();
    void nameWithKeySeparatorSurvivesRebuild();
};

void TestDashboard::startsAsAnEmptyProject()
{
    Fixture f;
    f.s.shell.Form_Load();
    QCOMPARE(f.s.Form1_Caption, QStringLiteral("Tarvo Pro v1.4 "));
    QCOMPARE(f.s.Label14, QStringLiteral("Main Goal:"));
    QCOMPARE(f.s.cards[0].lblGoal_Caption, QStringLiteral("My Goal"));
    QCOMPARE(f.s.lblFilename, QStringLiteral("New Project (No Filename)"));
    QCOMPARE(f.s.ListView2.ColumnHeaders,
             (QStringList{"Subject", "Start Date", "Start Time", "End Date", "End Time", "All Day Event",
                          "Description", "Location", "Private"}));
    QVERIFY(f.s.ListView2.View_Report);
    for (int i = 1; i <= 8; ++i)
        QVERIFY(!f.s.cards[i].picGoal_Visible);
    QCOMPARE(f.s.SelectedGoalIndex, 0);
    QVERIFY(!f.s.ProjectChanged && !f.s.txtGoalTasks_Visible && !f.s.chkDueDate_Visible);
}

void TestDashboard::addsCardsInOrderWithKeys()
{
    Fixture f;
    f.type("Design");
    QVERIFY(f.s.cards[1].picGoal_Visible);
    QCOMPARE(f.s.cards[1].lblGoal_Caption, QStringLiteral("Design"));
    QVERIFY(QRegularExpression("^\\d+-\\d+-\\d+$").match(f.s.cards[1].lblGoal_Tag).hasMatch());
    QCOMPARE(f.s.dashboard.txtSubGoal(), QString());
    QCOMPARE(f.s.lblSubgoalscharsleft, QStringLiteral("Characters Left: 16"));
    QCOMPARE(f.s.focusRequest, WorkingState::Focus::txtSubGoal);
    QCOMPARE(f.s.SelectedGoalIndex, 0);
    QVERIFY(!f.s.EditingSubGoal);

    // The draws make the key: +100, +300, +300.
    f.s.KestrelTools1.randomSource = [n = 0](int) mutable { return QList<int>{4421, 577, 5710, 1, 2, 3}.at(n++ % 6); };
    f.type("   ");
    f.type("   ");
    QCOMPARE(f.s.cards[2].lblGoal_Tag, QStringLiteral("4521-877-6010"));
    QCOMPARE(f.s.cards[2].lblGoal_Caption, QStringLiteral("   "));
    QCOMPARE(f.s.cards[3].lblGoal_Caption, QStringLiteral("   "));
    QVERIFY(f.s.cards[3].lblGoal_Tag != f.s.cards[2].lblGoal_Tag);
    QCOMPARE(f.s.lstSubGoals, (QStringList{"Design", "   ", "   "}));
}

void TestDashboard::enterRules()
{
    Fixture f;
    QCOMPARE(f.s.dashboard.txtSubGoal_KeyPress('a'), int('a')); // other keys pass through
    QCOMPARE(f.s.dashboard.txtSubGoal_KeyPress(13), 0); // Enter is swallowed, even on an empty box
    QVERIFY(!f.s.ProjectChanged);   // a name typed but not added changes no sub-goal
    QVERIFY(!f.s.cards[1].picGoal_Visible);
    QVERIFY(f.s.lstSubGoals.isEmpty());
}

void TestDashboard::charsLeftCounter()
{
    Fixture f;
    f.s.dashboard.txtSubGoal_Change("Design");
    QCOMPARE(f.s.lblSubgoalscharsleft, QStringLiteral("Characters Left: 10"));
    f.s.dashboard.txtSubGoal_Change("sixteen chars ok");
    QCOMPARE(f.s.lblSubgoalscharsleft, QStringLiteral("Characters Left: 0"));
    // A longer name (loaded from a file) stays whole; nothing is left.
    f.s.dashboard.txtSubGoal_Change("seventeen chars!!");
    QCOMPARE(f.s.dashboard.txtSubGoal().size(), 17);
    QCOMPARE(f.s.lblSubgoalscharsleft, QStringLiteral("Characters Left: 0"));
}

void TestDashboard::ninthSubGoalIsRefused()
{
    Fixture f;
    for (int i = 1; i <= 8; ++i)
        f.type(QStringLiteral("Goal %1").arg(i));
    QVERIFY(f.s.cards[8].picGoal_Visible);
    QVERIFY(f.modals.asked.isEmpty());
    f.type("Ninth");
    QCOMPARE(f.modals.asked.size(), 1);
    QCOMPARE(f.modals.asked[0].title, QStringLiteral("Ooops"));
    QCOMPARE(f.modals.asked[0].text,
             QStringLiteral("Ooops! You can create up to 8 sub-goals per goal so you can keep an eye on everything "
                            "(sometimes less is more)."));
    QCOMPARE(f.modals.asked[0].style, Msg::Information);
    QCOMPARE(f.s.dashboard.txtSubGoal(), QStringLiteral("Ninth"));
    QCOMPARE(f.s.lstSubGoals.size(), 8);

    // With eight cards, rename mode still renames.
    f.s.dashboard.lblGoal_Click(8);
    f.type("Renamed");
    QCOMPARE(f.s.cards[8].lblGoal_Caption, QStringLiteral("Renamed"));
    QCOMPARE(f.modals.asked.size(), 1);
}

void TestDashboard::renameKeepsKeyAndFile()
{
    Fixture f;
    f.type("One");
    f.type("Two");
    f.type("Three");
    f.s.dashboard.lblGoal_Click(3);
    f.typeTasks("Task a\r\nTask b");
    const QString key = f.s.cards[3].lblGoal_Tag;
    f.type("Third");
    QCOMPARE(f.s.lstSubGoals, (QStringList{"One", "Two", "Third"}));
    QCOMPARE(f.s.cards[3].lblGoal_Caption, QStringLiteral("Third"));
    QCOMPARE(f.s.cards[2].lblGoal_Caption, QStringLiteral("Two"));
    QCOMPARE(f.s.cards[3].lblGoal_Tag, key);
    QCOMPARE(f.taskFile(3), QByteArray("Task a\r\nTask b"));
    QCOMPARE(f.s.dashboard.txtSubGoal(), QStringLiteral("Third")); // stays in rename mode
    QVERIFY(f.s.EditingSubGoal);
}

void TestDashboard::projectNameMirrorsOnKeyUpAndMouseEdits()
{
    Fixture f;
    f.s.dashboard.txtProjectName_Change("Launch");
    QCOMPARE(f.s.cards[0].lblGoal_Caption, QStringLiteral("Launch")); // at once, before any key release
    f.s.dashboard.txtProjectName_KeyUp("Launch");
    QVERIFY(f.s.ProjectChanged);

    f.s.ProjectChanged = false;
    f.s.dashboard.txtProjectName_KeyUp("Launch"); // an arrow key changes nothing
    QVERIFY(!f.s.ProjectChanged);

    // A paste with the mouse: no key at all, yet the card follows and the
    // next selection does not revert it.
    f.s.ProjectChanged = false;
    f.s.dashboard.txtProjectName_Change("Launch website");
    QCOMPARE(f.s.cards[0].lblGoal_Caption, QStringLiteral("Launch website"));
    QVERIFY(f.s.ProjectChanged);
    f.s.dashboard.lblGoal_Click(0);
    QCOMPARE(f.s.txtProjectName, QStringLiteral("Launch website"));
}

void TestDashboard::keysNeverCollide()
{
    Fixture f;
    // The first draws repeat a key on a card, then a task file left in tmp
    // by an earlier project; only the third key is free.
    const QList<int> draws = {1, 1, 1, 1, 1, 1, 2, 2, 2, 3, 3, 3};
    f.s.KestrelTools1.randomSource = [draws, n = 0](int) mutable { return draws.at(n++); };
    f.app.write("tmp/102-302-302.txt", "old tasks");
    f.type("A");
    QCOMPARE(f.s.cards[1].lblGoal_Tag, QStringLiteral("101-301-301"));
    f.type("B");
    QCOMPARE(f.s.cards[2].lblGoal_Tag, QStringLiteral("103-303-303"));
    QCOMPARE(f.app.read("tmp/102-302-302.txt"), QByteArray("old tasks"));
}

void TestDashboard::selectingSwitchesTheSidebar()
{
    Fixture f;
    f.type("One");
    f.type("Two");
    f.s.ProjectChanged = false;
    f.s.dashboard.lblGoal_Click(2);
    for (int i = 1; i <= 8; ++i)
        QCOMPARE(f.s.cards[i].shActive_Visible, i == 2);
    QCOMPARE(f.s.SelectedGoalIndex, 2);
    QCOMPARE(f.s.CurrentGoalKey, f.s.cards[2].lblGoal_Tag);
    QCOMPARE(f.s.Label14, QStringLiteral("Sub Goal:"));
    QCOMPARE(f.s.lblGoalName, QStringLiteral("Edit Sub-Goal Name:"));
    QCOMPARE(f.s.dashboard.txtSubGoal(), QStringLiteral("Two"));
    QCOMPARE(f.s.lblSubgoalscharsleft, QStringLiteral("Characters Left: 13"));
    QVERIFY(f.s.EditingSubGoal);
    QVERIFY(f.s.lblDelete_Visible && f.s.lblNewGoal_Visible && f.s.lblGoalTasks_Visible && f.s.txtGoalTasks_Visible
            && f.s.lblTaskInstructions_Visible && f.s.lblDueDate_Visible && f.s.Calendar1_Visible
            && f.s.chkDueDate_Visible);
    QCOMPARE(f.s.focusRequest, WorkingState::Focus::txtGoalTasks);
    QVERIFY(!f.s.dueDates.chkDueDate());
    QCOMPARE(f.s.dueDates.Calendar1(), QDate::currentDate());
    QVERIFY(!f.s.ProjectChanged);   // selecting is not editing

    f.s.dashboard.lblNewGoal_Click();
    QCOMPARE(f.s.Label14, QStringLiteral("Main Goal:"));
    QCOMPARE(f.s.lblGoalName, QStringLiteral("Add New Sub-Goal:"));
    QCOMPARE(f.s.dashboard.txtSubGoal(), QString());
    QVERIFY(!f.s.EditingSubGoal);
    QVERIFY(!f.s.lblDelete_Visible && !f.s.lblNewGoal_Visible && !f.s.txtGoalTasks_Visible && !f.s.Calendar1_Visible
            && !f.s.chkDueDate_Visible && !f.s.lblDueDate_Visible);
    for (int i = 1; i <= 8; ++i)
        QVERIFY(!f.s.cards[i].shActive_Visible);
}

void TestDashboard::selectingMainGoalKeepsKeyAndText()
{
    Fixture f;
    f.type("One");
    f.s.dashboard.lblGoal_Click(1);
    f.typeTasks("Buy paint");
    const QString key = f.s.CurrentGoalKey;
    f.s.dashboard.lblGoal_Click(0);
    QCOMPARE(f.s.CurrentGoalKey, key);
    QCOMPARE(f.s.tasks.txtGoalTasks(), QStringLiteral("Buy paint"));
    // Reselecting reloads from the file, not from memory.
    f.app.write("tmp/" + key + ".txt", "Changed outside\r\n");
    f.s.dashboard.lblGoal_Click(1);
    QCOMPARE(f.s.tasks.txtGoalTasks(), QStringLiteral("Changed outside\r\n"));
}

void TestDashboard::missingTaskFileIsCreatedEmpty()
{
    Fixture f;
    f.type("One");
    QVERIFY(!f.app.exists("tmp"));
    f.s.dashboard.lblGoal_Click(1);
    QVERIFY(f.app.exists("tmp/" + f.s.cards[1].lblGoal_Tag + ".txt"));
    QCOMPARE(f.taskFile(1), QByteArray());
    QCOMPARE(f.s.tasks.txtGoalTasks(), QString());
    f.s.dashboard.lblGoal_Click(1);
    QCOMPARE(f.s.tasks.txtGoalTasks(), QString());
    QVERIFY(f.modals.asked.isEmpty());
}

void TestDashboard::countersAndPicture_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("counters");
    QTest::addColumn<QString>("picture");
    QTest::newRow("empty") << "" << "Tasks: 0|Completed: 0|Pending: 0" << "bluecircle.gif";
    QTest::newRow("all done") << "a --\r\n--b\r\nc--d" << "Tasks: 3|Completed: 3|Pending: 0" << "greencircle.gif";
    QTest::newRow("partly done") << "a --\r\nb1\r\nc --" << "Tasks: 3|Completed: 2|Pending: 1" << "bluecircle.gif";
    QTest::newRow("none done") << "a1\r\nb2" << "Tasks: 2|Completed: 0|Pending: 2" << "bluecircle.gif";
    QTest::newRow("blank and short lines") << "ab\r\n\r\n   \r\nx\r\n y \r\n--" << "Tasks: 2|Completed: 1|Pending: 1"
                                          << "bluecircle.gif";
    QTest::newRow("final break") << "done --\r\n" << "Tasks: 1|Completed: 1|Pending: 0" << "greencircle.gif";
}

void TestDashboard::countersAndPicture()
{
    QFETCH(QString, text);
    QFETCH(QString, counters);
    QFETCH(QString, picture);
    Fixture f;
    f.type("One");
    f.s.dashboard.lblGoal_Click(1);
    f.typeTasks(text);
    QCOMPARE(f.counters(1), counters);
    QCOMPARE(f.s.cards[1].picGoal_Picture, ::picture(f.app, picture.toLatin1()));
    QCOMPARE(f.taskFile(1), text.toUtf8()); // exactly the text, nothing added
}

// The count skips text in blocks; a mark straddling a block's edge, at the
// text's end or beside a lone CR must count as in a plain reading.
void TestDashboard::countingMatchesALineByLineReading()
{
    const QString alphabet = QStringLiteral("\r\n- \u3000ab");
    QRandomGenerator random(7);
    for (int round = 0; round < 20000; ++round) {
        QString text;
        const int length = random.bounded(40);
        for (int i = 0; i < length; ++i)
            text += alphabet.at(random.bounded(alphabet.size()));
        TaskCounts expected;
        QStringList lines = text.split(QStringLiteral("\r\n"));
        if (!lines.isEmpty() && lines.last().isEmpty())
            lines.removeLast();
        for (const QString &line : lines) {
            if (isTaskLine(line)) {
                ++expected.total;
                expected.completed += line.contains(QStringLiteral("--"));
            }
        }
        const TaskCounts counts = countTasks(text);
        if (counts.total != expected.total || counts.completed != expected.completed)
            QFAIL(qPrintable(QStringLiteral("%1 / %2 instead of %3 / %4 for \"%5\"")
                                 .arg(counts.total).arg(counts.completed).arg(expected.total)
                                 .arg(expected.completed).arg(text.toUtf8().toPercentEncoding())));
    }
}

void TestDashboard::missingPictureLeavesThePrevious()
{
    Fixture f;
    f.type("One");
    f.s.dashboard.lblGoal_Click(1);
    f.typeTasks("a --");
    const QByteArray green = f.s.cards[1].picGoal_Picture;
    QVERIFY(!green.isEmpty());
    QFile::remove(f.app.file("imgs/bluecircle.gif"));
    f.typeTasks("a --\r\nb2");
    QCOMPARE(f.counters(1), QStringLiteral("Tasks: 2|Completed: 1|Pending: 1"));
    QCOMPARE(f.s.cards[1].picGoal_Picture, green);
}

void TestDashboard::arrowAndDeleteKeys()
{
    Fixture f;
    f.type("One");
    f.s.dashboard.lblGoal_Click(1);
    f.typeTasks("ab\r\ncd");
    f.s.ProjectChanged = false;
    // An arrow key: no character, no change, nothing to save.
    f.s.tasks.txtGoalTasks_KeyPress(0);
    f.s.tasks.txtGoalTasks_KeyUp();
    QVERIFY(!f.s.ProjectChanged);
    // The Delete key changes the text without producing a character: the
    // change itself reaches the file and the counters, and is a change.
    f.s.tasks.txtGoalTasks_KeyPress(0);
    f.s.tasks.txtGoalTasks_Change("ab\r\nc");
    QCOMPARE(f.taskFile(1), QByteArray("ab\r\nc"));
    QCOMPARE(f.counters(1), QStringLiteral("Tasks: 1|Completed: 0|Pending: 1"));
    QVERIFY(f.s.ProjectChanged);
}

void TestDashboard::mouseEditsReachTheTaskFile()
{
    Fixture f;
    f.type("One");
    f.type("Two");
    f.s.dashboard.lblGoal_Click(1);
    f.s.ProjectChanged = false;
    f.s.tasks.txtGoalTasks_Change("pasted --\r\nwith the mouse");
    QCOMPARE(f.taskFile(1), QByteArray("pasted --\r\nwith the mouse"));
    QCOMPARE(f.counters(1), QStringLiteral("Tasks: 2|Completed: 1|Pending: 1"));
    QVERIFY(f.s.ProjectChanged);
    f.s.dashboard.lblGoal_Click(2);
    f.s.dashboard.lblGoal_Click(1);
    QCOMPARE(f.s.tasks.txtGoalTasks(), QStringLiteral("pasted --\r\nwith the mouse"));
}

void TestDashboard::noKeyNoFile()
{
    Fixture f;
    f.typeTasks("typed with nothing selected");
    QVERIFY(!f.app.exists("tmp"));
    QCOMPARE(f.counters(0), QStringLiteral("Tasks: 0|Completed: 0|Pending: 0"));
    QVERIFY(f.s.ProjectChanged);
}

void TestDashboard::dueDateCheckUncheckChange()
{
    Fixture f;
    f.type("One");
    f.s.dashboard.lblGoal_Click(1);
    f.s.ProjectChanged = false;
    f.s.dueDates.setCalendar1(QDate(2024, 3, 15)); // unchecked: nothing on the card, no change
    QVERIFY(!f.s.ProjectChanged);
    QVERIFY(f.s.cards[1].lblDueDateDate_Tag.isEmpty() && !f.s.cards[1].shDueDate_Visible);

    f.s.ProjectChanged = false;
    f.s.dueDates.setChkDueDate(true);
    QVERIFY(f.s.ProjectChanged);
    QCOMPARE(f.s.cards[1].lblDueDateDate_Tag, QStringLiteral("15/03/2024"));
    QCOMPARE(f.s.cards[1].lblDueDateDate_Caption, QStringLiteral("Due Date: 15/03/2024"));
    QVERIFY(f.s.cards[1].shDueDate_Visible && f.s.cards[1].lblDueDateDate_Visible);

    f.s.dueDates.setCalendar1(QDate(2024, 4, 1));
    QCOMPARE(f.s.cards[1].lblDueDateDate_Tag, QStringLiteral("01/04/2024"));
    QCOMPARE(f.s.cards[1].lblDueDateDate_Caption, QStringLiteral("Due Date: 01/04/2024"));

    f.s.dueDates.setChkDueDate(false);
    QVERIFY(f.s.cards[1].lblDueDateDate_Tag.isEmpty());
    QVERIFY(!f.s.cards[1].shDueDate_Visible && !f.s.cards[1].lblDueDateDate_Visible);
}

void TestDashboard::selectionOrderRestoresOwnDate()
{
    Fixture f;
    f.type("One");
    f.type("Two");
    f.s.dashboard.lblGoal_Click(2);
    f.s.dueDates.setCalendar1(QDate(2025, 6, 30));
    f.s.dueDates.setChkDueDate(true);
    f.s.dashboard.lblGoal_Click(1); // no date: box unchecked, calendar on today
    QVERIFY(!f.s.dueDates.chkDueDate());
    QCOMPARE(f.s.dueDates.Calendar1(), QDate::currentDate());
    QCOMPARE(f.s.cards[2].lblDueDateDate_Tag, QStringLiteral("30/06/2025"));

    // The controls only mirror the card: selecting leaves its date alone.
    f.s.ProjectChanged = false;
    f.s.dashboard.lblGoal_Click(2);
    QVERIFY(!f.s.ProjectChanged);
    QVERIFY(f.s.dueDates.chkDueDate());
    QCOMPARE(f.s.dueDates.Calendar1(), QDate(2025, 6, 30));
    QCOMPARE(f.s.cards[2].lblDueDateDate_Tag, QStringLiteral("30/06/2025"));
    QCOMPARE(f.s.cards[2].lblDueDateDate_Caption, QStringLiteral("Due Date: 30/06/2025"));
}

void TestDashboard::unreadableStoredDateIsKept()
{
    Fixture f;
    f.type("One");
    f.s.cards[1].lblDueDateDate_Tag = QStringLiteral("next Tuesday");
    f.s.cards[1].lblDueDateDate_Caption = QStringLiteral("Due Date: next Tuesday");
    f.s.cards[1].lblDueDateDate_Visible = f.s.cards[1].shDueDate_Visible = true;
    f.s.dashboard.lblGoal_Click(1);
    QVERIFY(f.s.dueDates.chkDueDate());
    QCOMPARE(f.s.dueDates.Calendar1(), QDate::currentDate());
    QCOMPARE(f.s.cards[1].lblDueDateDate_Tag, QStringLiteral("next Tuesday"));
    QCOMPARE(f.s.cards[1].lblDueDateDate_Caption, QStringLiteral("Due Date: next Tuesday"));
    // Choosing a date is an edit: it replaces the stored text.
    f.s.dueDates.setCalendar1(QDate(2030, 1, 2));
    QCOMPARE(f.s.cards[1].lblDueDateDate_Tag, QStringLiteral("02/01/2030"));
}

void TestDashboard::dueDateTextFollowsTheLocale()
{
    const QDate date(2024, 3, 15);
    QCOMPARE(DueDates::dueDateText(date), QStringLiteral("15/03/2024"));
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    QCOMPARE(DueDates::dueDateText(date), QStringLiteral("3/15/2024"));
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
    const QDate date = DueDates::parseDueDateText(stored);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
    QCOMPARE(date, read);
}

void TestDashboard::rebuildGuardsTheCards()
{
    Fixture f;
    f.type("One");
    f.s.dashboard.lblGoal_Click(1);
    const QDate before = f.s.dueDates.Calendar1();
    f.s.RebuildingCards = true;
    f.s.ProjectChanged = false;
    f.s.focusRequest = WorkingState::Focus::None;
    f.s.dashboard.lblGoal_Click(1); // loads name and tasks, leaves date controls and focus
    QCOMPARE(f.s.focusRequest, WorkingState::Focus::None);
    f.s.dueDates.setChkDueDate(true);
    f.s.dueDates.setCalendar1(before.addDays(3));
    QVERIFY(!f.s.ProjectChanged);
    QVERIFY(f.s.cards[1].lblDueDateDate_Tag.isEmpty() && !f.s.cards[1].shDueDate_Visible);
}

void TestDashboard::deleteMovesLaterSubGoalsDown()
{
    Fixture f;
    for (const char *name : {"One", "Two", "Three", "Four"})
        f.type(name);
    QStringList keys;
    for (int i = 1; i <= 4; ++i) {
        keys << f.s.cards[i].lblGoal_Tag;
        f.s.dashboard.lblGoal_Click(i);
        f.typeTasks(QStringLiteral("task %1 --\r\nopen %1").arg(i).left(i == 4 ? 9 : 100));
    }
    f.s.dashboard.lblGoal_Click(3);
    f.s.dueDates.setCalendar1(QDate(2024, 3, 15));
    f.s.dueDates.setChkDueDate(true);

    f.s.dashboard.lblGoal_Click(2);
    f.modals.answer(Msg::Yes);
    f.s.dashboard.lblDelete_Click();
    QCOMPARE(f.modals.asked.last().text, QStringLiteral("Delete Sub Goal?"));
    QCOMPARE(f.modals.asked.last().title, QStringLiteral("Confirm"));
    QCOMPARE(f.modals.asked.last().style, Msg::YesNoQuestion);

    QCOMPARE(f.s.lstSubGoals, (QStringList{"One", "Three", "Four"}));
    QCOMPARE(f.s.cards[2].lblGoal_Caption, QStringLiteral("Three"));
    QCOMPARE(f.s.cards[2].lblGoal_Tag, keys[2]);
    QCOMPARE(f.s.cards[2].lblDueDateDate_Tag, QStringLiteral("15/03/2024"));
    QCOMPARE(f.s.cards[2].lblDueDateDate_Caption, QStringLiteral("Due Date: 15/03/2024"));
    QVERIFY(f.s.cards[2].shDueDate_Visible);
    QCOMPARE(f.counters(2), QStringLiteral("Tasks: 2|Completed: 1|Pending: 1"));
    QCOMPARE(f.s.cards[3].lblGoal_Caption, QStringLiteral("Four"));
    QCOMPARE(f.s.cards[3].lblGoal_Tag, keys[3]);
    QVERIFY(f.s.cards[3].lblDueDateDate_Tag.isEmpty() && !f.s.cards[3].shDueDate_Visible);
    QCOMPARE(f.counters(3), QStringLiteral("Tasks: 1|Completed: 1|Pending: 0"));
    QVERIFY(!f.s.cards[4].picGoal_Visible);
    QVERIFY(f.s.cards[4].lblGoal_Tag.isEmpty() && f.s.cards[4].lblGoal_Caption.isEmpty());
    QCOMPARE(f.counters(4), QStringLiteral("Tasks: 0|Completed: 0|Pending: 0"));

    QVERIFY(!f.app.exists("tmp/" + keys[1] + ".txt"));
    QCOMPARE(f.app.read("tmp/" + keys[2] + ".txt"), QByteArray("task 3 --\r\nopen 3"));
    QVERIFY(f.app.exists("tmp/" + keys[3] + ".txt"));
    QCOMPARE(f.s.SelectedGoalIndex, 0);
    QVERIFY(!f.s.RebuildingCards);
    QVERIFY(f.s.ProjectChanged);
    QCOMPARE(f.s.CurrentGoalKey, keys[3]);
    QCOMPARE(f.s.dueDates.Calendar1(), QDate::currentDate());
}

void TestDashboard::deleteAnsweredNoChangesNothing()
{
    Fixture f;
    f.type("One");
    f.type("Two");
    f.s.dashboard.lblGoal_Click(1);
    f.s.ProjectChanged = false;
    f.modals.answer(Msg::No);
    f.s.dashboard.lblDelete_Click();
    QCOMPARE(f.s.lstSubGoals, (QStringList{"One", "Two"}));
    QVERIFY(f.s.cards[2].picGoal_Visible);
    QVERIFY(f.app.exists("tmp/" + f.s.cards[1].lblGoal_Tag + ".txt"));
    QVERIFY(!f.s.ProjectChanged);
    QCOMPARE(f.s.SelectedGoalIndex, 1);
}

void TestDashboard::deleteLastAndOnly()
{
    Fixture f;
    f.type("One");
    f.type("Two");
    const QString first = f.s.cards[1].lblGoal_Tag;
    f.s.dashboard.lblGoal_Click(2);
    f.modals.answer(Msg::Yes);
    f.s.dashboard.lblDelete_Click();
    QCOMPARE(f.s.cards[1].lblGoal_Tag, first);
    QVERIFY(f.s.cards[1].picGoal_Visible && !f.s.cards[2].picGoal_Visible);

    f.s.dashboard.lblGoal_Click(1);
    f.modals.answer(Msg::Yes);
    f.s.dashboard.lblDelete_Click();
    for (int i = 1; i <= 8; ++i)
        QVERIFY(!f.s.cards[i].picGoal_Visible);
    QVERIFY(f.s.lstSubGoals.isEmpty() && f.s.lstSubgoalsAndKeys.isEmpty() && f.s.lstDueDates.isEmpty());
    QVERIFY(f.s.CurrentGoalKey.isEmpty());
    QCOMPARE(f.s.SelectedGoalIndex, 0);
}

void TestDashboard::deleteWithTaskFileAlreadyGone()
{
    Fixture f;
    f.type("One");
    f.type("Two");
    f.s.dashboard.lblGoal_Click(1);
    QFile::remove(f.app.file("tmp/" + f.s.CurrentGoalKey + ".txt"));
    f.modals.answer(Msg::Yes);
    f.s.dashboard.lblDelete_Click();
    QCOMPARE(f.s.lstSubGoals, QStringList{"Two"});
    QCOMPARE(f.s.cards[1].lblGoal_Caption, QStringLiteral("Two"));
    QCOMPARE(f.modals.asked.size(), 1); // only the question, no error
}

void TestDashboard::deleteMarkPathAndHover()
{
    Fixture f;
    for (const char *name : {"One", "Two", "Three", "Four", "Five"})
        f.type(name);
    f.s.dashboard.picGoal_MouseMove(3);
    QVERIFY(f.s.cards[3].lblDeleteOnMouseOver_Visible);
    f.s.dashboard.picGoal_MouseMove(4); // straight onto the next card: both stay shown
    QVERIFY(f.s.cards[3].lblDeleteOnMouseOver_Visible && f.s.cards[4].lblDeleteOnMouseOver_Visible);
    f.s.dashboard.Picture1_MouseMove();
    for (int i = 1; i <= 8; ++i)
        QVERIFY(!f.s.cards[i].lblDeleteOnMouseOver_Visible);

    f.s.dashboard.lblGoal_Click(1);
    f.modals.answer(Msg::No);
    f.s.dashboard.lblDeleteOnMouseOver_Click(5);
    QCOMPARE(f.modals.lastText(), QStringLiteral("Delete Sub Goal?"));
    QCOMPARE(f.s.SelectedGoalIndex, 5); // not confirmed: the card stays selected
    QCOMPARE(f.s.lstSubGoals.size(), 5);

    f.modals.answer(Msg::Yes);
    f.s.dashboard.lblDeleteOnMouseOver_Click(3);
    QCOMPARE(f.s.lstSubGoals, (QStringList{"One", "Two", "Four", "Five"}));
}

void TestDashboard::nameWithKeySeparatorSurvivesRebuild()
{
    Fixture f;
    const QString odd = QStringLiteral("Café\u00A8Bar");
    f.type("Gone");
    f.type(odd);
    const QString key = f.s.cards[2].lblGoal_Tag;
    f.s.dashboard.lblGoal_Click(2);
    f.typeTasks("keep me");
    f.s.dashboard.lblGoal_Click(1);
    f.modals.answer(Msg::Yes);
    f.s.dashboard.lblDelete_Click();
    QCOMPARE(f.s.cards[1].lblGoal_Caption, odd);
    QCOMPARE(f.s.cards[1].lblGoal_Tag, key);
    QCOMPARE(f.counters(1), QStringLiteral("Tasks: 1|Completed: 0|Pending: 1"));
}

QTEST_GUILESS_MAIN(TestDashboard)
#include "tst_dashboard.moc"
