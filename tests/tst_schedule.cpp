// The schedule: the notations of a task line, the plan of working days,
// the calendar files (read back by libical), the settings in the project
// file, and the panel in the real main window.
#include <QAction>
#include <QCheckBox>
#include <QDateEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeView>

#include "Patience.h"
#include "Plans.h"
#include "app/widgets/Form1.h"
#include "events/CalendarExport.h"
#include "project/DueDate.h"
#include "project/GpjFormat.h"
#include "project/IniIndex.h"
#include "project/Schedule.h"
#ifdef TARVO_HAVE_LIBICAL
#include <libical/ical.h>
#endif

using namespace plans;

class TestSchedule : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom)); }
    void taskLines_data();
    void taskLines();
    void plans_data();
    void plans();
    void replanAfterEdits_data();
    void replanAfterEdits();
    void liveListAndLateCards();
    void prepareSetsTheStart();
    void tasksPastTheCalendarsEnd();
    void exportsFollowTheProject();
    void calendarFiles();
    void csvFormulaGuard_data();
    void csvFormulaGuard();
    void icalendarReadByLibical();
    void settingsInTheProjectFile();
    void panelInTheMainWindow();
};

void TestSchedule::taskLines_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("days");   // in a five-day week
    QTest::addColumn<bool>("parallel");
    QTest::addColumn<bool>("done");
    QTest::addColumn<QString>("subject");
    QTest::addColumn<QString>("notUnderstood");
    QTest::newRow("plain") << "Brief" << 1 << false << false << "Brief" << "";
    QTest::newRow("+ N") << "Brief + 2" << 2 << false << false << "Brief" << "";
    QTest::newRow("+ N days") << "Sketches + 3 days" << 3 << false << false << "Sketches" << "";
    QTest::newRow("+ N Days, tips' example") << " Do This + 7 Days" << 7 << false << false << "Do This" << "";
    QTest::newRow("+ N day, any case") << "Call + 1 DAY" << 1 << false << false << "Call" << "";
    QTest::newRow("odd spacing") << "Plan   +7days  " << 7 << false << false << "Plan" << "";
    QTest::newRow("tabs as blanks") << "Plan\t+\t12\tdays" << 12 << false << false << "Plan" << "";
    QTest::newRow("leading zeros") << "Plan + 0007" << 7 << false << false << "Plan" << "";
    QTest::newRow("+ 9999") << "Long + 9999" << 9999 << false << false << "Long" << "";
    QTest::newRow("+ N weeks") << "Build + 2 weeks" << 10 << false << false << "Build" << "";
    QTest::newRow("+ N week") << "Build + 1 week" << 5 << false << false << "Build" << "";
    QTest::newRow("+ N w") << "Build + 3 w" << 15 << false << false << "Build" << "";
    QTest::newRow("+NW, no blanks, any case") << "Build +2W" << 10 << false << false << "Build" << "";
    QTest::newRow("weeks, parallel, done") << "// Test + 2 Weeks --" << 10 << true << true << "Test" << "";
    QTest::newRow("an earlier + is text") << "A + B + 3 days" << 3 << false << false << "A + B" << "";
    QTest::newRow("+ at the start") << "+ 3" << 3 << false << false << "" << "";
    QTest::newRow("no blank before +") << "Call+44" << 1 << false << false << "Call+44" << "";
    QTest::newRow("no blank before the last +") << "C++" << 1 << false << false << "C++" << "";
    // A "+" standing alone that begins no duration: one day, and said.
    QTest::newRow("+ three days") << "Plan + three days" << 1 << false << false << "Plan + three days" << "+ three days";
    QTest::newRow("+ 2 fortnights") << "Plan + 2 fortnights" << 1 << false << false << "Plan + 2 fortnights"
                                    << "+ 2 fortnights";
    QTest::newRow("+ 0") << "Plan + 0" << 1 << false << false << "Plan + 0" << "+ 0";
    QTest::newRow("+ 10000") << "Plan + 10000" << 1 << false << false << "Plan + 10000" << "+ 10000";
    QTest::newRow("+ 2.5 days") << "Plan + 2.5 days" << 1 << false << false << "Plan + 2.5 days" << "+ 2.5 days";
    QTest::newRow("not at the end") << "Do + 3 things" << 1 << false << false << "Do + 3 things" << "+ 3 things";
    QTest::newRow("other word") << "Meet + 3 Sunday" << 1 << false << false << "Meet + 3 Sunday" << "+ 3 Sunday";
    QTest::newRow("a lone + at the end") << "Plan  +" << 1 << false << false << "Plan +" << "+";
    QTest::newRow("after a glued +") << "Call+44 + soon --" << 1 << false << true << "Call+44 + soon" << "+ soon";
    QTest::newRow("parallel") << "// Moodboard" << 1 << true << false << "Moodboard" << "";
    QTest::newRow("parallel, indented, done") << "   //  Mock   up + 2 days --" << 2 << true << true << "Mock up" << "";
    QTest::newRow("// inside is no mark") << "See a // b" << 1 << false << false << "See a // b" << "";
    QTest::newRow("done") << "Review --" << 1 << false << true << "Review" << "";
    QTest::newRow("done after the duration") << "Draw logo + 3--" << 3 << false << true << "Draw logo" << "";
}

void TestSchedule::taskLines()
{
    QFETCH(QString, line);
    const TaskLineParts parts = readTaskLine(line);
    QTEST(parts.days(5), "days");
    QTEST(parts.parallel, "parallel");
    QTEST(parts.done, "done");
    QTEST(parts.subject, "subject");
    QTEST(parts.notUnderstood, "notUnderstood");
    // Planned, the line says the same.
    const Schedule plan = scheduleProject(Project{"P", {{"1-2-3", "G", "", line}}, {kMonday, std::nullopt}});
    if (plan.size() == 1) {
        QCOMPARE(plan.at(0).done, parts.done);
        QCOMPARE(plan.at(0).unclear, !parts.notUnderstood.isEmpty());
    }
}

void TestSchedule::plans_data()
{
    QTest::addColumn<QString>("tasks");
    QTest::addColumn<QDate>("start");
    QTest::addColumn<QString>("days");
    QTest::addColumn<QString>("daysOff");
    QTest::addColumn<QString>("plan");
    QTest::newRow("worked example") << "Brief + 2\nSketches + 3 days\n// Moodboard\nReview --\n" << kMonday
                                    << "1111100" << "" << "1:2027-03-01..2027-03-02 2:2027-03-03..2027-03-05 "
                                                          "3:2027-03-03..2027-03-03 4:2027-03-08..2027-03-08";
    QTest::newRow("over a weekend") << "Ann + 6" << kMonday << "1111100" << "" << "1:2027-03-01..2027-03-08";
    QTest::newRow("parallel chain") << "Ann + 2\n// Bob + 4\n// Cy\nDan" << kMonday << "1111100" << ""
                                    << "1:2027-03-01..2027-03-02 2:2027-03-01..2027-03-04 3:2027-03-01..2027-03-01 "
                                       "4:2027-03-05..2027-03-05";
    QTest::newRow("first line parallel") << "// Ann + 2\nBob" << kMonday << "1111100" << ""
                                         << "1:2027-03-01..2027-03-02 2:2027-03-03..2027-03-03";
    QTest::newRow("waits for the longest branch") << "Ann\n// Bob + 5\nCy" << kMonday << "1111100" << ""
                                                  << "1:2027-03-01..2027-03-01 2:2027-03-01..2027-03-05 "
                                                     "3:2027-03-08..2027-03-08";
    QTest::newRow("Saturdays only") << "Ann + 2\nBob" << kMonday << "0000010" << ""
                                    << "1:2027-03-06..2027-03-13 2:2027-03-20..2027-03-20";
    QTest::newRow("starts on a Saturday") << "Ann + 3" << QDate(2027, 3, 6) << "1111100" << "" << "1:2027-03-08..2027-03-10";
    QTest::newRow("blank and one-character lines") << "Ann\n\n x \nBob" << kMonday << "1111100" << ""
                                                   << "1:2027-03-01..2027-03-01 4:2027-03-02..2027-03-02";
    QTest::newRow("no working day") << "Ann\nBob" << kMonday << "0000000" << "" << "";
    QTest::newRow("done keeps its days") << "Ann + 2 --\nBob --\nCy" << kMonday << "1111100" << ""
                                         << "1:2027-03-01..2027-03-02 2:2027-03-03..2027-03-03 3:2027-03-04..2027-03-04";
    QTest::newRow("weeks of a three-day week") << "Ann + 2 weeks\nBob" << kMonday << "1010100" << ""
                                               << "1:2027-03-01..2027-03-12 2:2027-03-15..2027-03-15";
    // Days off: skipped wherever they fall among the working days.
    QTest::newRow("a day off inside a task") << "Ann + 3\nBob" << kMonday << "1111100" << "2027-03-02"
                                             << "1:2027-03-01..2027-03-04 2:2027-03-05..2027-03-05";
    QTest::newRow("a run of days off") << "Ann + 2\nBob" << kMonday << "1111100" << "2027-03-02,2027-03-03,2027-03-04"
                                       << "1:2027-03-01..2027-03-05 2:2027-03-08..2027-03-08";
    QTest::newRow("a day off on the start date") << "Ann\n// Bob" << kMonday << "1111100" << "2027-03-01"
                                                 << "1:2027-03-02..2027-03-02 2:2027-03-02..2027-03-02";
    QTest::newRow("a week off from the start") << "Ann" << kMonday << "1111100"
                                               << "2027-03-01,2027-03-02,2027-03-03,2027-03-04,2027-03-05"
                                               << "1:2027-03-08..2027-03-08";
    QTest::newRow("a day off between tasks") << "Ann\nBob" << kMonday << "1111100" << "2027-03-02"
                                             << "1:2027-03-01..2027-03-01 2:2027-03-03..2027-03-03";
    QTest::newRow("a day off on a weekend") << "Ann + 6" << kMonday << "1111100" << "2027-03-06,2027-03-07"
                                            << "1:2027-03-01..2027-03-08";
    QTest::newRow("days off after a long task's whole weeks") << "Ann + 15" << kMonday << "1111100"
                                                               << "2027-03-16,2027-03-19,2027-03-22"
                                                               << "1:2027-03-01..2027-03-24";
    QTest::newRow("a day off in a task of a week") << "Ann + 1 week" << kMonday << "1111100" << "2027-03-03"
                                                << "1:2027-03-01..2027-03-08";
}

void TestSchedule::plans()
{
    QFETCH(QString, tasks);
    QFETCH(QDate, start);
    QFETCH(QString, days);
    QFETCH(QString, daysOff);
    Project project = oneGoal(tasks);
    project.settings = {start, week(qPrintable(days))};
    for (const QString &day : daysOff.split(u',', Qt::SkipEmptyParts))
        project.settings.daysOff.append(QDate::fromString(day, Qt::ISODate));
    QTEST(planOf(scheduleProject(project)), "plan");
}

void TestSchedule::replanAfterEdits_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    const QString text = "Brief + 2\n// Side\nCall\nSketches + 1 week --\nCall\nReview + oops\n";
    QTest::newRow("typed at the end") << text << text + "Go live";
    QTest::newRow("inserted at the top") << text << "New + 3\n" + text;
    QTest::newRow("deleted in the middle") << text << QString(text).remove("Call\nSketches + 1 week --\n");
    QTest::newRow("a line changed") << text << QString(text).replace("// Side", "Side + 4");
    QTest::newRow("done marked") << text << QString(text).replace("Brief + 2", "Brief + 2 --");
    QTest::newRow("equal lines moved") << text << "Call\nCall\n" + QString(text).remove("Call\n");
    QTest::newRow("a blank line added") << text << "\n" + text;
    QTest::newRow("all new") << text << "One\nTwo + 2\n";
    QTest::newRow("all gone") << text << "";
}

// Worked out again after an edit, lending it the plan before, a sub-goal's
// plan is the one worked out from nothing.
void TestSchedule::replanAfterEdits()
{
    QFETCH(QString, before);
    QFETCH(QString, after);
    const auto described = [](const GoalPlan &plan) {
        QStringList out;
        for (const ScheduledTask &t : plan.tasks)
            out << QStringLiteral("%1 %2 %3|%4|%5..%6 %7%8%9%10 %11x%12 %13")
                       .arg(t.subGoal).arg(t.lineNumber).arg(t.subject, t.line, t.start.toString(Qt::ISODate),
                                                            t.end.toString(Qt::ISODate))
                       .arg(t.done).arg(t.late).arg(t.parallel).arg(t.weeks).arg(t.count).arg(t.lineNumber)
                       .arg(t.unclear);
        return out.join(u'\n') + QStringLiteral(" | %1 %2 %3").arg(plan.leftOut).arg(plan.end().toString()).arg(plan.lineCount);
    };
    const WorkCalendar calendar;
    const GoalPlan old = planSubGoal({"1-2-3", "G", "05/03/2027", before}, 2, kMonday, calendar);
    const SubGoal edited{"1-2-3", "G", "05/03/2027", after};
    QCOMPARE(described(planSubGoal(edited, 2, kMonday, calendar, &old)), described(planSubGoal(edited, 2, kMonday, calendar)));
}

// The list follows the plan as the project stands; Prepare Calendar works
// it out at once and brings back what was taken out of the list.
void TestSchedule::liveListAndLateCards()
{
    // Design ends on 5 March, a day after its due date; Content is on time.
    Project project = oneGoal("Brief + 2\nSketches + 3 days\n", DueDate::text(QDate(2027, 3, 4)));
    project.subGoals.append({"812-1290-377", "Content", DueDate::text(QDate(2027, 3, 31)), "Copy\n"});
    project.settings.start = kMonday;
    State f(project);
    QCOMPARE(f.rows(), (QStringList{"Brief|01/03/2027|02/03/2027", "Sketches|03/03/2027|05/03/2027",
                                    "Copy|01/03/2027|01/03/2027"}));
    const ScheduledTask &sketches = f.s.document.schedule().at(1);
    QStringList columns;
    for (int c = 0; c < 9; ++c)
        columns << EventList::columnText(f.project(), sketches, c);
    QCOMPARE(columns, (QStringList{"Sketches", "03/03/2027", "", "05/03/2027", "", "True", "Design", "", "False"}));
    QVERIFY(!f.s.document.schedule().at(0).late && sketches.late && !f.s.document.schedule().at(2).late);
    QVERIFY(f.card(1).lateness.overruns && !f.card(1).lateness.overdue);
    QVERIFY(!f.card(2).lateness.late());

    f.s.events.cmdConvertToList_Click();
    QCOMPARE(f.modals.clipboard, QStringLiteral("Brief + 2\r\nSketches + 3 days\r\nCopy\r\n"));
    QCOMPARE(f.modals.lastText(), QStringLiteral("The task lines of the 3 items are on the clipboard."));

    // Taken out of the list: out of it as the plan changes, back with Prepare.
    f.s.events.cmdRemoveSelected_Click({2, 0});
    QCOMPARE(f.rows(), QStringList{"Sketches|03/03/2027|05/03/2027"});
    f.select(1);
    f.typeTasks("New first\nBrief + 2\nSketches + 3 days\n");
    f.s.document.replanNow();
    QCOMPARE(f.rows(), (QStringList{"New first|01/03/2027|01/03/2027", "Sketches|04/03/2027|08/03/2027"}));
    f.s.events.cmdRemove_Click();
    QVERIFY(f.rows().isEmpty());
    f.s.schedule.cmdPrepareCalendar_Click();
    QCOMPARE(f.rows().size(), 4);
    QVERIFY(f.s.document.isModified());   // typed, not prepared

    // A due date gone by with tasks pending is red without any plan.
    State open(oneGoal("Open task\n", DueDate::text(QDate(2001, 1, 1))));
    QVERIFY(open.card(1).lateness.overdue && open.rows().isEmpty());
    State done(oneGoal("Done task --\n", DueDate::text(QDate(2001, 1, 1))));
    QVERIFY(!done.card(1).lateness.late());

    // A week without a working day: said, and nothing is planned.
    for (int day = 1; day <= 5; ++day)
        f.s.schedule.setChkWorkDay(day, false);
    f.s.schedule.cmdPrepareCalendar_Click();
    QVERIFY(f.rows().isEmpty());
    QVERIFY(f.modals.lastText().startsWith(QStringLiteral("The working week has no working day")));
}

// Prepare Calendar on a project without a start date plans from the date
// the panel shows, which becomes the project's start.
void TestSchedule::prepareSetsTheStart()
{
    State f(oneGoal("Brief\n"));
    QVERIFY(f.rows().isEmpty());
    f.s.schedule.cmdPrepareCalendar_Click();
    QCOMPARE(f.project().settings.start, QDate::currentDate());
    QCOMPARE(f.rows().size(), 1);
}

void TestSchedule::tasksPastTheCalendarsEnd()
{
    // Sundays only: 9,999 of them from 9990 run past 9999, and so does all after.
    Project project = oneGoal("Soon\nForever + 9999\n// Beside\nAfter\n");
    project.settings = {QDate(9990, 1, 1), week("0000001")};
    const Schedule schedule = scheduleProject(project);
    QCOMPARE(planOf(schedule), QStringLiteral("1:9990-01-07..9990-01-07"));
    QCOMPARE(schedule.leftOut(), 3);
    State f(project);
    f.s.schedule.cmdPrepareCalendar_Click();
    QCOMPARE(f.rows().size(), 1);
    QCOMPARE(f.modals.lastText(), QStringLiteral("3 task(s) would end after the year 9999 and were left out of the schedule."));
}

// The exports write the project as it stands, not as it was when the list
// was last prepared or looked at.
void TestSchedule::exportsFollowTheProject()
{
    Project project = oneGoal("Brief\n");
    project.settings.start = kMonday;
    State f(project);
    f.s.schedule.cmdPrepareCalendar_Click();
    f.select(1);
    f.typeTasks("Brief\nTyped just now + 2\n");
    f.s.dashboard.lblGoal_Click(0);
    f.modals.saveFileNames = {f.app.file("now.csv")};
    f.s.schedule.cmdExportCsv_Click();
    QVERIFY(f.app.read("now.csv").contains("\"Typed just now\",\"03/02/2027\",\"\",\"03/03/2027\""));
    f.s.dueDates.chkDueDate_Click(true, kMonday);   // nothing selected: no change
    f.select(1);
    f.s.dashboard.RenameSubGoal("Renamed");
    f.modals.saveFileNames = {f.app.file("now")};   // the suffix comes with the dialog
    f.s.schedule.cmdExportIcs_Click();
    QVERIFY(f.app.read("now.ics").contains("DESCRIPTION:Renamed\r\n"));
}

void TestSchedule::calendarFiles()
{
    const QList<CalendarEvent> events = {
        {"Brief", "Design", "1-2-3-1", kMonday, QDate(2027, 3, 2)},
        {"=SUM(A1) say \"hi\"", "-Web, \"new\"; ok\\", "1-2-3-4", QDate(2027, 12, 31), QDate(2027, 12, 31)},
        {QString(30, QChar(0x00E9)) + "x" + QString(20, QChar(0x20AC)) + QString::fromUcs4(U"\U0001F600\U0001F600"),
         "Design", "4-5-6-12", kMonday, kMonday}};
    QCOMPARE(calendarCsv(events.first(2)),
             QByteArray("\"Subject\",\"Start Date\",\"Start Time\",\"End Date\",\"End Time\",\"All Day Event\","
                        "\"Description\",\"Location\",\"Private\"\r\n"
                        "\"Brief\",\"03/01/2027\",\"\",\"03/02/2027\",\"\",\"True\",\"Design\",\"\",\"False\"\r\n"
                        "\"'=SUM(A1) say \"\"hi\"\"\",\"12/31/2027\",\"\",\"12/31/2027\",\"\",\"True\","
                        "\"'-Web, \"\"new\"\"; ok\\\",\"\",\"False\"\r\n"));

    const QByteArray ics = calendarIcs(events, QDateTime(QDate(2027, 2, 1), QTime(9, 30), Qt::UTC));
    const QByteArray event2 = "BEGIN:VEVENT\r\nUID:1-2-3-4@tarvo\r\nDTSTAMP:20270201T093000Z\r\n"
                              "DTSTART;VALUE=DATE:20271231\r\nDTEND;VALUE=DATE:20280101\r\n"
                              "SUMMARY:=SUM(A1) say \"hi\"\r\nDESCRIPTION:-Web\\, \"new\"\\; ok\\\\\r\n"
                              "TRANSP:TRANSPARENT\r\nEND:VEVENT\r\n";
    QVERIFY(ics.startsWith("BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Tarvo//Tarvo//EN\r\nCALSCALE:GREGORIAN\r\n"
                           "BEGIN:VEVENT\r\nUID:1-2-3-1@tarvo\r\n"));
    QVERIFY(ics.contains(event2));
    QVERIFY(ics.endsWith("END:VEVENT\r\nEND:VCALENDAR\r\n"));
    // Folded at 75 octets, never inside a character, and nothing lost.
    for (const QByteArray &line : ics.split('\n')) {
        QVERIFY(line.size() <= 76);
        QVERIFY(line.isEmpty() || (uchar(line[line.startsWith(' ') ? 1 : 0]) & 0xC0) != 0x80);
    }
    QVERIFY(QByteArray(ics).replace("\r\n ", "").contains("SUMMARY:" + events[2].subject.toUtf8() + "\r\n"));
    QVERIFY(!ics.startsWith("\xEF\xBB\xBF") && !calendarCsv(events).startsWith("\xEF\xBB\xBF"));
}

void TestSchedule::csvFormulaGuard_data()
{
    QTest::addColumn<QString>("subject");
    QTest::addColumn<bool>("guarded");
    for (const char *formula : {"=1+1", "+44 20", "-x", "@SUM(A1)", "\tx", "\rx", "-1+2", "-A1", "--1", "-\tx",
                                "- 1+2", "- A1", "- 5", "- cmd|' /C calc'!A0", "- HYPERLINK(x)", "- a & b", "- 50% off"})
        QTest::newRow(formula) << QString::fromLatin1(formula) << true;
    for (const char *plain : {"x=1", " =1", "'quoted", "", "Call+44", "- bullet", "-", "- ", "- buy milk, eggs.",
                              "- 5 apples", "- Pick colours"})
        QTest::newRow(plain) << QString::fromLatin1(plain) << false;
}

void TestSchedule::csvFormulaGuard()
{
    QFETCH(QString, subject);
    const QByteArray csv = calendarCsv({{subject, "Design", "1-2-3-1", kMonday, kMonday}});
    const QByteArray row = csv.mid(csv.indexOf("\r\n") + 2);
    QTEST(row.startsWith("\"'" + subject.toUtf8()), "guarded");
    QVERIFY(row.contains(subject.toUtf8() + "\",\"03/01/2027\""));
}

void TestSchedule::icalendarReadByLibical()
{
#ifndef TARVO_HAVE_LIBICAL
    QSKIP("libical is not installed (tools/install-deps.sh test)");
#else
    Project project = oneGoal("Brief, first; then \\ more + 2\n" + QString(40, QChar(0x00E9)) + " + 9999\n// Side\n");
    project.settings = {QDate(2027, 12, 30), week("0000011")};
    State f(project);
    f.modals.saveFileNames = {f.app.file("plan")};
    f.s.schedule.cmdExportIcs_Click();
    QCOMPARE(f.modals.saveFileAsked, QStringList{"Export iCalendar|Launch.ics|iCalendar files (*.ics)"});

    icalcomponent *calendar = icalparser_parse_string(f.app.read("plan.ics").constData());
    QVERIFY(calendar);
    icalrestriction_check(calendar);   // adds an error property for each rule broken
    QCOMPARE(icalcomponent_count_errors(calendar), 0);
    QList<CalendarEvent> items = f.s.events.events();
    QCOMPARE(items.size(), 3);
    for (icalcomponent *e = icalcomponent_get_first_component(calendar, ICAL_VEVENT_COMPONENT); e;
         e = icalcomponent_get_next_component(calendar, ICAL_VEVENT_COMPONENT)) {
        QVERIFY(!items.isEmpty());
        const CalendarEvent written = items.takeFirst();
        const icaltimetype start = icalcomponent_get_dtstart(e), end = icalcomponent_get_dtend(e);
        QVERIFY(start.is_date && end.is_date);
        QCOMPARE(QDate(start.year, start.month, start.day), written.first);
        QCOMPARE(QDate(end.year, end.month, end.day), written.last.addDays(1));
        QCOMPARE(QString::fromUtf8(icalcomponent_get_summary(e)), written.subject);
    }
    QVERIFY(items.isEmpty());
    icalcomponent_free(calendar);
#endif
}

void TestSchedule::settingsInTheProjectFile()
{
    // A project that uses none of the settings is written as before they existed.
    Project plain = oneGoal("Brief + 2\nReview --\n", "04/03/2027");
    plain.subGoals.append({"812-1290-377", "Content", "", "Copy\n"});
    const QString plainText = Gpj::write(plain);
    QCOMPARE(plainText, QStringLiteral("[Project]\r\nName=Launch\r\n[Goals]\r\n"
                                       "Goal1=4521-877-6010\r\nGoal1_Name=Design\r\nGoal1_Due=04/03/2027\r\n"
                                       "Goal1_Tasks=2\r\nGoal1_Task1=Brief + 2\r\nGoal1_Task2=Review --\r\n"
                                       "Goal2=812-1290-377\r\nGoal2_Name=Content\r\nGoal2_Due=\r\n"
                                       "Goal2_Tasks=1\r\nGoal2_Task1=Copy\r\n"));
    // Each used: its own line, in its place, read back by both readers.
    Project set = plain;
    set.settings = {kMonday, week("0000010"), {QDate(2027, 4, 2), QDate(2027, 4, 5)}};
    set.subGoals[1].after = set.subGoals[0].key;
    const QString setText = Gpj::write(set);
    QCOMPARE(setText, QString(plainText)
                          .replace("[Goals]", "Start=2027-03-01\r\nWorkWeek=0000010\r\nDaysOff=2027-04-02,2027-04-05\r\n[Goals]")
                          .replace("Goal2_Due=\r\n", "Goal2_Due=\r\nGoal2_After=4521-877-6010\r\n"));
    QVERIFY(Gpj::read(IniIndex(setText)).project == set);
    QVERIFY(Gpj::readFile(setText.toUtf8()).project == set);
    Project daysOffOnly = plain;
    daysOffOnly.settings.daysOff = {QDate(2027, 4, 2)};
    QCOMPARE(Gpj::write(daysOffOnly), QString(plainText).replace("[Goals]", "DaysOff=2027-04-02\r\n[Goals]"));
    const QString odd = QString(plainText).replace("[Goals]", "Start=1.3.2027\r\nWorkWeek=11111\r\nDaysOff=x,2.4.2027\r\n[Goals]");
    QVERIFY(Gpj::read(IniIndex(odd)).project == plain);

    // Through the commands: set, saved, gone with New, back with Open.
    State f(plain);
    QVERIFY(!f.s.document.isModified());
    f.s.schedule.setDtpStartDate(kMonday);
    QVERIFY(f.s.document.isModified());
    f.s.schedule.setChkWorkDay(6, true);
    f.s.schedule.cmdAddDayOff_Click(QDate(2027, 4, 5));
    f.s.schedule.cmdAddDayOff_Click(QDate(2027, 4, 2));
    f.s.schedule.cmdAddDayOff_Click(QDate(2027, 4, 5));   // once only
    QCOMPARE(f.s.schedule.lstDaysOff(), (QList<QDate>{QDate(2027, 4, 2), QDate(2027, 4, 5)}));
    QVERIFY(f.s.project.SaveProject(f.app.file("projects/launch.gpj")));
    QVERIFY(f.app.read("projects/launch.gpj").startsWith("[Project]\r\nName=Launch\r\nStart=2027-03-01\r\n"
                                                          "WorkWeek=1111110\r\nDaysOff=2027-04-02,2027-04-05\r\n[Goals]"));
    f.s.project.NewProject();
    QCOMPARE(f.s.schedule.dtpStartDate(), QDate::currentDate());
    QVERIFY(f.s.schedule.chkWorkDay(1) && !f.s.schedule.chkWorkDay(6) && f.s.schedule.lstDaysOff().isEmpty());
    QVERIFY(f.s.project.LoadProject(f.app.file("projects/launch.gpj")));
    QCOMPARE(f.s.schedule.dtpStartDate(), kMonday);
    QVERIFY(f.s.schedule.chkWorkDay(6));
    f.s.schedule.cmdRemoveDayOff_Click({QDate(2027, 4, 2), QDate(2027, 4, 3)});
    QCOMPARE(f.s.schedule.lstDaysOff(), QList<QDate>{QDate(2027, 4, 5)});
}

void TestSchedule::panelInTheMainWindow()
{
    TempAppFolder app;
    ScriptedModals modals;
    Form1 w(app.path(), modals, modals);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.session().document.assign(oneGoal("Brief + 2\nSketches + 3 days\n// Moodboard\n"), DocumentChange::Cause::Load);
    auto *view = w.findChild<QTreeView *>("ListView2");
    QVERIFY(!view->isVisible());
    QAction *schedule = w.findChild<QAction *>("mnuSchedule");
    QCOMPARE(schedule->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_L));
    schedule->trigger();
    QVERIFY(view->isVisible());
    QWidget *cards = w.findChild<QWidget *>("cardScroll");   // the card area as it shows, scrolling if need be
    QTRY_VERIFY(view->mapTo(&w, QPoint()).y() >= cards->mapTo(&w, QPoint()).y() + cards->height());
    QCOMPARE(view->model()->columnCount(), 9);

    const auto button = [&](const char *name) { return w.findChild<QPushButton *>(name); };
    QVERIFY(!w.isWindowModified());
    QCOMPARE(view->model()->rowCount(), 0);   // no start date yet: no plan
    w.findChild<QDateEdit *>("dtpStartDate")->setDate(kMonday);
    QVERIFY(w.isWindowModified());
    QCOMPARE(view->model()->rowCount(), 3);   // no button pressed
    QTest::mouseClick(w.findChild<QCheckBox *>("chkWorkDay_5"), Qt::LeftButton);   // no Fridays
    QVERIFY(!w.session().schedule.chkWorkDay(5));
    QTest::mouseClick(button("cmdPrepareCalendar"), Qt::LeftButton);
    QCOMPARE(view->model()->rowCount(), 3);
    QCOMPARE(view->model()->index(1, 3).data().toString(), QStringLiteral("08/03/2027"));

    modals.saveFileNames = {app.file("plan.csv")};
    QTest::mouseClick(button("cmdExportCsv"), Qt::LeftButton);
    QVERIFY(app.read("plan.csv").contains("\"Sketches\",\"03/03/2027\",\"\",\"03/08/2027\""));
    modals.saveFileNames = {app.file("missing/folder/plan.csv")};
    QTest::mouseClick(button("cmdExportCsv"), Qt::LeftButton);
    QVERIFY(modals.lastText().contains(app.file("missing/folder/plan.csv")));

    view->selectionModel()->select(view->model()->index(0, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    QTest::mouseClick(button("cmdRemoveSelected"), Qt::LeftButton);
    QCOMPARE(view->model()->rowCount(), 2);
    QCOMPARE(view->model()->index(0, 0).data().toString(), QStringLiteral("Sketches"));

    // Typing a task with the panel open: its row follows within a moment.
    QTest::mouseClick(w.findChild<QWidget *>("lblGoal_1"), Qt::LeftButton);
    auto *box = w.findChild<QPlainTextEdit *>("txtGoalTasks");
    box->moveCursor(QTextCursor::End);
    QTest::keyClicks(box, "Typed row");
    QTRY_COMPARE(view->model()->rowCount(), 3);
    QCOMPARE(view->model()->index(2, 0).data().toString(), QStringLiteral("Typed row"));

    // Ctrl+L closes it again.
    schedule->trigger();
    QVERIFY(!view->isVisible());
}

QTEST_MAIN(TestSchedule)
#include "tst_schedule.moc"
