// The schedule: the notations of a task line, the plan of working days,
// the calendar files (read back by libical), the settings in the project
// file, and the panel in the real main window.
#include <QAction>
#include <QCheckBox>
#include <QDateEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeView>

#include "ScriptedModals.h"
#include "TempAppFolder.h"
#include "app/widgets/Form1.h"
#include "events/CalendarExport.h"
#include "events/Schedule.h"
#include "project/GpjFormat.h"
#include "project/IniIndex.h"
#include "project/WorkingState.h"
#ifdef TARVO_HAVE_LIBICAL
#include <libical/ical.h>
#endif

namespace {

const QDate kMonday(2027, 3, 1);

WorkWeek week(const char *days)   // "1111100": Monday to Friday
{
    WorkWeek w{};
    for (int d = 0; d < 7; ++d)
        w[d] = days[d] == '1';
    return w;
}

Project oneGoal(const QString &tasks, const QString &due = {})
{
    return Project{"Launch", {{"4521-877-6010", "Design", due, tasks}}, {}};
}

// Each task as "line:first..last", in plan order.
QString planOf(const Schedule &schedule)
{
    QStringList out;
    for (const ScheduledTask &t : schedule.tasks)
        out << QStringLiteral("%1:%2..%3").arg(t.lineNumber).arg(t.start.toString(Qt::ISODate), t.end.toString(Qt::ISODate));
    return out.join(u' ');
}

struct State {
    TempAppFolder app;
    ScriptedModals modals;
    WorkingState s{app.path(), modals};
    explicit State(const Project &project) { QVERIFY(s.project.layOut(project)); }
};

} // namespace

class TestSchedule : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom)); }
    void taskLines_data();
    void taskLines();
    void plans_data();
    void plans();
    void preparedListAndLateCards();
    void tasksPastTheCalendarsEnd();
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
    QTest::addColumn<int>("days");
    QTest::addColumn<bool>("parallel");
    QTest::addColumn<QString>("subject");
    QTest::newRow("plain") << "Brief" << 1 << false << "Brief";
    QTest::newRow("+ N") << "Brief + 2" << 2 << false << "Brief";
    QTest::newRow("+ N days") << "Sketches + 3 days" << 3 << false << "Sketches";
    QTest::newRow("+ N Days, tips' example") << " Do This + 7 Days" << 7 << false << "Do This";
    QTest::newRow("+ N day, any case") << "Call + 1 DAY" << 1 << false << "Call";
    QTest::newRow("odd spacing") << "Plan   +7days  " << 7 << false << "Plan";
    QTest::newRow("tabs as blanks") << "Plan\t+\t12\tdays" << 12 << false << "Plan";
    QTest::newRow("leading zeros") << "Plan + 0007" << 7 << false << "Plan";
    QTest::newRow("+ 9999") << "Long + 9999" << 9999 << false << "Long";
    QTest::newRow("+ 0 is none") << "Plan + 0" << 1 << false << "Plan + 0";
    QTest::newRow("+ 10000 is none") << "Plan + 10000" << 1 << false << "Plan + 10000";
    QTest::newRow("no blank before +") << "Call+44" << 1 << false << "Call+44";
    QTest::newRow("not at the end") << "Do + 3 things" << 1 << false << "Do + 3 things";
    QTest::newRow("other word") << "Meet + 3 Sunday" << 1 << false << "Meet + 3 Sunday";
    QTest::newRow("+ at the start") << "+ 3" << 3 << false << "";
    QTest::newRow("parallel") << "// Moodboard" << 1 << true << "Moodboard";
    QTest::newRow("parallel, indented, done") << "   //  Mock   up + 2 days --" << 2 << true << "Mock up";
    QTest::newRow("// inside is no mark") << "See a // b" << 1 << false << "See a // b";
    QTest::newRow("done") << "Review --" << 1 << false << "Review";
    QTest::newRow("done after the duration") << "Draw logo + 3--" << 3 << false << "Draw logo";
}

void TestSchedule::taskLines()
{
    QFETCH(QString, line);
    const TaskLineParts parts = readTaskLine(line);
    QTEST(parts.days, "days");
    QTEST(parts.parallel, "parallel");
    QTEST(parts.subject, "subject");
}

void TestSchedule::plans_data()
{
    QTest::addColumn<QString>("tasks");
    QTest::addColumn<QDate>("start");
    QTest::addColumn<QString>("days");
    QTest::addColumn<QString>("plan");
    QTest::newRow("worked example") << "Brief + 2\r\nSketches + 3 days\r\n// Moodboard\r\nReview --\r\n" << kMonday
                                    << "1111100" << "1:2027-03-01..2027-03-02 2:2027-03-03..2027-03-05 "
                                                    "3:2027-03-03..2027-03-03 4:2027-03-08..2027-03-08";
    QTest::newRow("over a weekend") << "Ann + 6" << kMonday << "1111100" << "1:2027-03-01..2027-03-08";
    QTest::newRow("parallel chain") << "Ann + 2\r\n// Bob + 4\r\n// Cy\r\nDan" << kMonday << "1111100"
                                    << "1:2027-03-01..2027-03-02 2:2027-03-01..2027-03-04 3:2027-03-01..2027-03-01 "
                                       "4:2027-03-05..2027-03-05";
    QTest::newRow("first line parallel") << "// Ann + 2\r\nBob" << kMonday << "1111100"
                                         << "1:2027-03-01..2027-03-02 2:2027-03-03..2027-03-03";
    QTest::newRow("waits for the longest branch") << "Ann\r\n// Bob + 5\r\nCy" << kMonday << "1111100"
                                                  << "1:2027-03-01..2027-03-01 2:2027-03-01..2027-03-05 "
                                                     "3:2027-03-08..2027-03-08";
    QTest::newRow("Saturdays only") << "Ann + 2\r\nBob" << kMonday << "0000010"
                                    << "1:2027-03-06..2027-03-13 2:2027-03-20..2027-03-20";
    QTest::newRow("starts on a Saturday") << "Ann + 3" << QDate(2027, 3, 6) << "1111100" << "1:2027-03-08..2027-03-10";
    QTest::newRow("blank and one-character lines") << "Ann\r\n\r\n x \r\nBob" << kMonday << "1111100"
                                                   << "1:2027-03-01..2027-03-01 4:2027-03-02..2027-03-02";
    QTest::newRow("no working day") << "Ann\r\nBob" << kMonday << "0000000" << "";
}

void TestSchedule::plans()
{
    QFETCH(QString, tasks);
    QFETCH(QDate, start);
    QFETCH(QString, days);
    QTEST(planOf(scheduleProject(oneGoal(tasks), start, week(qPrintable(days)))), "plan");
}

void TestSchedule::preparedListAndLateCards()
{
    // Design ends on 5 March, a day after its due date; Content is on time.
    Project project = oneGoal("Brief + 2\r\nSketches + 3 days\r\n", DueDates::dueDateText(QDate(2027, 3, 4)));
    project.subGoals.append({"812-1290-377", "Content", DueDates::dueDateText(QDate(2027, 3, 31)), "Copy\r\n"});
    project.settings.start = kMonday;
    State f(project);
    f.s.ListView2.setListItems({EventItem{"from an earlier plan", {}, {}, {}, false, {}}});
    f.s.ProjectChanged = false;
    f.s.schedule.cmdPrepareCalendar_Click();

    const QList<EventItem> &items = f.s.ListView2.ListItems();
    QCOMPARE(items.size(), 3);
    QCOMPARE(items[1].Text, QStringLiteral("Sketches"));
    QStringList columns;
    for (int c = 0; c < 8; ++c)
        columns << items[1].subItem(c);
    QCOMPARE(columns, (QStringList{"03/03/2027", "", "05/03/2027", "", "True", "Design", "", "False"}));
    QCOMPARE(items[1].Tag, QStringLiteral("Sketches + 3 days"));
    QVERIFY(!items[0].Late && items[1].Late && !items[2].Late);
    QCOMPARE(items[1].ToolTip, QStringLiteral("Ends after the due date, 04/03/2027"));
    QVERIFY(f.s.cards[1].shDueDate_Late);
    QVERIFY(!f.s.cards[2].shDueDate_Late);
    QVERIFY(!f.s.ProjectChanged);

    f.s.ListView2.cmdConvertToList_Click(f.modals);
    QCOMPARE(f.modals.clipboard, QStringLiteral("Brief + 2\r\nSketches + 3 days\r\nCopy\r\n"));

    // A due date gone by with tasks pending is red without any plan.
    f.s.project.NewProject();
    QVERIFY(f.s.ListView2.ListItems().isEmpty());
    QVERIFY(f.s.project.layOut(oneGoal("Open task\r\n", DueDates::dueDateText(QDate(2001, 1, 1)))));
    QVERIFY(f.s.cards[1].shDueDate_Late);
    QVERIFY(f.s.project.layOut(oneGoal("Done task --\r\n", DueDates::dueDateText(QDate(2001, 1, 1)))));
    QVERIFY(!f.s.cards[1].shDueDate_Late);

    // A week without a working day: said, and the list stays as it was.
    f.s.schedule.cmdPrepareCalendar_Click();
    f.s.ProjectChanged = false;
    for (int day = 1; day <= 5; ++day)
        f.s.schedule.setChkWorkDay(day, false);
    QVERIFY(f.s.ProjectChanged);
    f.s.schedule.cmdPrepareCalendar_Click();
    QCOMPARE(f.s.ListView2.ListItems().size(), 1);
    QVERIFY(f.modals.lastText().startsWith(QStringLiteral("The working week has no working day")));
}

void TestSchedule::tasksPastTheCalendarsEnd()
{
    // Sundays only: 9,999 of them from 9990 run past 9999, and so does all after.
    Project project = oneGoal("Soon\r\nForever + 9999\r\n// Beside\r\nAfter\r\n");
    project.settings = {QDate(9990, 1, 1), week("0000001")};
    const Schedule schedule = scheduleProject(project, project.settings.start, *project.settings.workWeek);
    QCOMPARE(planOf(schedule), QStringLiteral("1:9990-01-07..9990-01-07"));
    QCOMPARE(schedule.leftOut, 3);
    State f(project);
    f.s.schedule.cmdPrepareCalendar_Click();
    QCOMPARE(f.s.ListView2.ListItems().size(), 1);
    QCOMPARE(f.modals.lastText(), QStringLiteral("3 task(s) would end after the year 9999 and were left out of the schedule."));
}

void TestSchedule::calendarFiles()
{
    const QList<CalendarEvent> events = {
        {"Brief", "Design", "1-2-3", 1, kMonday, QDate(2027, 3, 2)},
        {"=SUM(A1) say \"hi\"", "-Web, \"new\"; ok\\", "1-2-3", 4, QDate(2027, 12, 31), QDate(2027, 12, 31)},
        {QString(30, QChar(0x00E9)) + "x" + QString(20, QChar(0x20AC)) + QString::fromUcs4(U"\U0001F600\U0001F600"),
         "Design", "4-5-6", 12, kMonday, kMonday}};
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
    const QByteArray csv = calendarCsv({{subject, "Design", "1-2-3", 1, kMonday, kMonday}});
    const QByteArray row = csv.mid(csv.indexOf("\r\n") + 2);
    QTEST(row.startsWith("\"'" + subject.toUtf8()), "guarded");
    QVERIFY(row.contains(subject.toUtf8() + "\",\"03/01/2027\""));
}

void TestSchedule::icalendarReadByLibical()
{
#ifndef TARVO_HAVE_LIBICAL
    QSKIP("libical is not installed (tools/install-deps.sh test)");
#else
    Project project = oneGoal("Brief, first; then \\ more + 2\r\n" + QString(40, QChar(0x00E9)) + " + 9999\r\n// Side\r\n");
    project.settings = {QDate(2027, 12, 30), week("0000011")};
    State f(project);
    f.s.schedule.cmdPrepareCalendar_Click();
    f.modals.saveFileNames = {f.app.file("plan")};
    f.s.schedule.cmdExportIcs_Click();
    QCOMPARE(f.modals.saveFileAsked, QStringList{"Export iCalendar|Launch.ics|iCalendar files (*.ics)"});

    icalcomponent *calendar = icalparser_parse_string(f.app.read("plan.ics").constData());
    QVERIFY(calendar);
    icalrestriction_check(calendar);   // adds an error property for each rule broken
    QCOMPARE(icalcomponent_count_errors(calendar), 0);
    QList<EventItem> items = f.s.ListView2.ListItems();
    QCOMPARE(items.size(), 3);
    for (icalcomponent *e = icalcomponent_get_first_component(calendar, ICAL_VEVENT_COMPONENT); e;
         e = icalcomponent_get_next_component(calendar, ICAL_VEVENT_COMPONENT)) {
        QVERIFY(!items.isEmpty());
        const CalendarEvent written = items.takeFirst().Event;
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
    const Project plain = oneGoal("A\r\n");
    const QString plainText = Gpj::write(plain);
    QVERIFY(plainText.startsWith("[Project]\r\nName=Launch\r\n[Goals]\r\n"));
    Project set = plain;
    set.settings = {kMonday, week("0000010")};
    QCOMPARE(Gpj::write(set), QString(plainText).replace("[Goals]", "Start=2027-03-01\r\nWorkWeek=0000010\r\n[Goals]"));
    QVERIFY(Gpj::read(IniIndex(Gpj::write(set))).project == set);
    const QString odd = QString(plainText).replace("[Goals]", "Start=1.3.2027\r\nWorkWeek=11111\r\n[Goals]");
    QVERIFY(Gpj::read(IniIndex(odd)).project == plain);

    // Through the commands: set, saved, gone with New, back with Open.
    State f(plain);
    f.s.ProjectChanged = false;
    f.s.schedule.setDtpStartDate(kMonday);
    QVERIFY(f.s.ProjectChanged);
    f.s.schedule.setChkWorkDay(6, true);
    QVERIFY(f.s.project.SaveProject(f.app.file("projects/launch.gpj")));
    QVERIFY(f.app.read("projects/launch.gpj").startsWith("[Project]\r\nName=Launch\r\nStart=2027-03-01\r\nWorkWeek=1111110\r\n"));
    f.s.project.NewProject();
    QCOMPARE(f.s.schedule.dtpStartDate(), QDate::currentDate());
    QVERIFY(f.s.schedule.chkWorkDay(1) && !f.s.schedule.chkWorkDay(6));
    QVERIFY(f.s.project.LoadProject(f.app.file("projects/launch.gpj")));
    QCOMPARE(f.s.schedule.dtpStartDate(), kMonday);
    QVERIFY(f.s.schedule.chkWorkDay(6));
}

void TestSchedule::panelInTheMainWindow()
{
    TempAppFolder app;
    ScriptedModals modals;
    Form1 w(app.path(), modals);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QVERIFY(w.state().project.layOut(oneGoal("Brief + 2\r\nSketches + 3 days\r\n// Moodboard\r\n")));
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
    w.state().ProjectChanged = false;
    w.findChild<QDateEdit *>("dtpStartDate")->setDate(kMonday);
    QVERIFY(w.state().ProjectChanged);
    QTest::mouseClick(w.findChild<QCheckBox *>("chkWorkDay_5"), Qt::LeftButton);   // no Fridays
    QVERIFY(!w.state().schedule.chkWorkDay(5));
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
}

QTEST_MAIN(TestSchedule)
#include "tst_schedule.moc"
