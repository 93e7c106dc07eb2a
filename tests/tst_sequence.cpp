// Sub-goals in sequence (planned, chosen in the side bar, refused in a
// loop, cleared when the other goes) and the slack each card shows.
#include <QComboBox>
#include <QLabel>
#include <QTest>

#include "Patience.h"
#include "Plans.h"
#include "app/widgets/Form1.h"
#include "dashboard/widgets/SubGoalCard.h"
#include "project/DueDate.h"

using namespace plans;

namespace {

// Sub-goals "A", "B", ... keyed "k-A", "k-B", ...; after holds a letter or "".
Project chain(const QStringList &tasks, const QStringList &after, const QString &daysOff = {})
{
    Project project{"Chain", {}, {kMonday, std::nullopt}};
    for (qsizetype i = 0; i < tasks.size(); ++i) {
        const QString letter(QChar(char16_t(u'A' + i)));
        SubGoal goal{"k-" + letter, letter, "", tasks[i]};
        goal.after = after.value(i).isEmpty() ? QString() : "k-" + after.value(i);
        project.subGoals.append(goal);
    }
    for (const QString &day : daysOff.split(u',', Qt::SkipEmptyParts))
        project.settings.daysOff.append(QDate::fromString(day, Qt::ISODate));
    return project;
}

// The first and last day of each sub-goal's plan, "A 03-01..03-02 | B ...".
QString spans(const Schedule &schedule)
{
    QStringList out;
    for (qsizetype g = 0; g < schedule.goals.size(); ++g) {
        const GoalPlan &plan = schedule.goals.at(g);
        const QDate first = plan.tasks.isEmpty() ? QDate() : plan.tasks.first().start;
        out << QString(QChar(char16_t(u'A' + g))) + u' ' + first.toString("MM-dd") + ".." + plan.end().toString("MM-dd");
    }
    return out.join(" | ");
}

// The selected sub-goal starts after the one named (or "(none)"), as the
// side bar's box is used.
void startAfter(Planner &f, int card, const QString &name)
{
    f.select(card);
    const QList<StartsAfter::Choice> choices = f.s.startsAfter.choices();
    for (qsizetype i = 0; i < choices.size(); ++i) {
        if (choices[i].name == name)
            return f.s.startsAfter.cboStartsAfter_Click(int(i));
    }
    QFAIL(qPrintable("no choice " + name));
}

} // namespace

class TestSequence : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom)); }
    void planned_data();
    void planned();
    void followsEdits();
    void loopRefused();
    void deletingClearsLinks();
    void sideBar();
    void slack_data();
    void slack();
};

void TestSequence::planned_data()
{
    QTest::addColumn<QStringList>("tasks");
    QTest::addColumn<QStringList>("after");
    QTest::addColumn<QString>("daysOff");
    QTest::addColumn<QString>("spans");
    QTest::newRow("none") << QStringList{"Ann + 2", "Bob"} << QStringList{} << ""
                          << "A 03-01..03-02 | B 03-01..03-01";
    QTest::newRow("a chain, out of card order") << QStringList{"Ann", "Bob + 3", "Cy + 2"} << QStringList{"C", "", "B"}
                                                << "" << "A 03-08..03-08 | B 03-01..03-03 | C 03-04..03-05";
    QTest::newRow("over a weekend") << QStringList{"Ann + 5", "Bob"} << QStringList{"", "A"} << ""
                                    << "A 03-01..03-05 | B 03-08..03-08";
    QTest::newRow("after the longest branch") << QStringList{"Ann\n// Long + 4\nEnd", "Bob"} << QStringList{"", "A"} << ""
                                              << "A 03-01..03-05 | B 03-08..03-08";
    QTest::newRow("done work keeps its days") << QStringList{"Ann + 2 --", "Bob"} << QStringList{"", "A"} << ""
                                              << "A 03-01..03-02 | B 03-03..03-03";
    QTest::newRow("a day off after the other") << QStringList{"Ann + 5", "Bob"} << QStringList{"", "A"} << "2027-03-08"
                                               << "A 03-01..03-05 | B 03-09..03-09";
    QTest::newRow("after one without tasks") << QStringList{"", "Bob"} << QStringList{"", "A"} << ""
                                             << "A .. | B 03-01..03-01";
    QTest::newRow("two after one") << QStringList{"Ann", "Bob", "Cy"} << QStringList{"", "A", "A"} << ""
                                   << "A 03-01..03-01 | B 03-02..03-02 | C 03-02..03-02";
    // A file written by hand: a loop, or a key no sub-goal has, is no link.
    QTest::newRow("a loop in the file") << QStringList{"Ann", "Bob", "Cy"} << QStringList{"B", "A", "A"} << ""
                                        << "A 03-01..03-01 | B 03-01..03-01 | C 03-02..03-02";
    QTest::newRow("itself") << QStringList{"Ann"} << QStringList{"A"} << "" << "A 03-01..03-01";
    QTest::newRow("a key nobody has") << QStringList{"Ann"} << QStringList{"Z"} << "" << "A 03-01..03-01";
}

void TestSequence::planned()
{
    QFETCH(QStringList, tasks);
    QFETCH(QStringList, after);
    QFETCH(QString, daysOff);
    const Project project = chain(tasks, after, daysOff);
    QTEST(spans(scheduleProject(project)), "spans");
    State f(project);   // the document, a sub-goal at a time, says the same
    QTEST(spans(f.s.document.schedule()), "spans");
}

// An edit of one sub-goal moves what comes after it, a moment later or at
// once when the plan is asked for; a due date moves nothing else.
void TestSequence::followsEdits()
{
    State f(chain({"Ann + 2", "Bob + 3", "Cy", "Dee"}, {"", "A", "B", ""}));
    QCOMPARE(spans(f.s.document.schedule()), "A 03-01..03-02 | B 03-03..03-05 | C 03-08..03-08 | D 03-01..03-01");
    int planned = 0;
    connect(&f.s.document, &ProjectDocument::changed, this,
            [&planned](const DocumentChange &change) { planned += change.has(DocumentChange::Plan); });
    f.select(1);
    f.typeTasks("Ann + 4\n");
    QTRY_COMPARE(planned, 1);   // after the pause in typing, C moved too without being asked
    QCOMPARE(f.card(3).lateness.planEnd, QDate(2027, 3, 10));
    QCOMPARE(spans(f.s.document.schedule()), "A 03-01..03-04 | B 03-05..03-09 | C 03-10..03-10 | D 03-01..03-01");
    f.s.dueDates.chkDueDate_Click(true, QDate(2027, 3, 2));   // A is late now, by two days
    QVERIFY(f.card(1).lateness.overruns);
    QCOMPARE(spans(f.s.document.schedule()), "A 03-01..03-04 | B 03-05..03-09 | C 03-10..03-10 | D 03-01..03-01");
    startAfter(f, 4, "C");
    QCOMPARE(spans(f.s.document.schedule()), "A 03-01..03-04 | B 03-05..03-09 | C 03-10..03-10 | D 03-11..03-11");
    f.s.schedule.cmdAddDayOff_Click(QDate(2027, 3, 1));   // the whole chain moves a day
    QCOMPARE(spans(f.s.document.schedule()), "A 03-02..03-05 | B 03-08..03-10 | C 03-11..03-11 | D 03-12..03-12");
}

void TestSequence::loopRefused()
{
    State f(chain({"Ann", "Bob", "Cy"}, {"", "A", "B"}));
    const Project before = f.project();
    const QString plan = spans(f.s.document.schedule());
    startAfter(f, 1, "C");   // A after C, which waits for B, which waits for A
    QCOMPARE(f.modals.asked.size(), 1);
    QCOMPARE(f.modals.lastText(), QStringLiteral("\u201CA\u201D cannot start after \u201CC\u201D: \u201CC\u201D already "
                                                 "waits for \u201CA\u201D to end, so neither could ever start. "
                                                 "Nothing was changed."));
    QCOMPARE(f.modals.asked.last().title, QStringLiteral("Sequence"));
    QVERIFY(f.project() == before);
    QVERIFY(!f.s.document.isModified());
    QCOMPARE(spans(f.s.document.schedule()), plan);
    QCOMPARE(f.s.startsAfter.chosen(), 0);   // still "(none)"
    startAfter(f, 2, "C");                   // B after C: a loop of two
    QCOMPARE(f.modals.asked.size(), 2);
    QCOMPARE(f.project().subGoals[1].after, QStringLiteral("k-A"));
    startAfter(f, 3, "(none)");              // C free: now A may follow it
    startAfter(f, 1, "C");
    QCOMPARE(f.modals.asked.size(), 2);
    QCOMPARE(f.project().subGoals[0].after, QStringLiteral("k-C"));
}

// Deleting a sub-goal lets what followed it start with the project; the
// file written then holds no link to it.
void TestSequence::deletingClearsLinks()
{
    State f(chain({"Ann + 2", "Bob", "Cy", "Dee"}, {"", "A", "A", "B"}));
    f.select(1);
    f.modals.answer(Msg::Yes);
    f.s.dashboard.lblDelete_Click();
    QCOMPARE(f.project().subGoals.size(), 3);
    QCOMPARE(f.project().subGoals[0].after, QString());
    QCOMPARE(f.project().subGoals[1].after, QString());
    QCOMPARE(f.project().subGoals[2].after, QStringLiteral("k-B"));   // B stays
    QCOMPARE(spans(f.s.document.schedule()), "A 03-01..03-01 | B 03-01..03-01 | C 03-02..03-02");
    QVERIFY(f.s.project.SaveProject(f.app.file("projects/after.gpj")));
    const QByteArray file = f.app.read("projects/after.gpj");
    QVERIFY(!file.contains("=k-A"));
    QCOMPARE(file.count("_After="), 1);
}

// The side bar's box: "(none)" and the other sub-goals; a loop refused
// leaves it showing the link that stays.
void TestSequence::sideBar()
{
    TempAppFolder app;
    ScriptedModals modals;
    Form1 w(app.path(), modals, modals);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.session().document.assign(chain({"Ann", "Bob", "Cy"}, {"", "A", ""}), DocumentChange::Cause::Load);
    auto *box = w.findChild<QComboBox *>("cboStartsAfter");
    QVERIFY(!box->isVisible());   // the main goal has no sequence
    const auto items = [box] {
        QStringList names;
        for (int i = 0; i < box->count(); ++i)
            names << box->itemText(i);
        return names.join(u'|');
    };
    QTest::mouseClick(w.findChild<QWidget *>("lblGoal_2"), Qt::LeftButton);
    QVERIFY(box->isVisible());
    QCOMPARE(w.findChild<QLabel *>("lblStartsAfter")->text(), QStringLiteral("Starts after:"));
    QCOMPARE(items(), QStringLiteral("(none)|A|C"));
    QCOMPARE(box->currentText(), QStringLiteral("A"));
    QTest::mouseClick(w.findChild<QWidget *>("lblGoal_1"), Qt::LeftButton);
    QCOMPARE(items(), QStringLiteral("(none)|B|C"));
    QCOMPARE(box->currentText(), QStringLiteral("(none)"));
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Down);   // B: waits for A, so refused
    QCOMPARE(modals.asked.size(), 1);
    QCOMPARE(box->currentText(), QStringLiteral("(none)"));
    QTest::keyClick(box, Qt::Key_End);    // C
    QCOMPARE(w.session().document.subGoal(0).after, QStringLiteral("k-C"));
    QVERIFY(w.isWindowModified());
    // Renamed, the name follows into the box.
    QTest::mouseClick(w.findChild<QWidget *>("lblGoal_3"), Qt::LeftButton);
    w.session().dashboard.RenameSubGoal("Sea");
    QTest::mouseClick(w.findChild<QWidget *>("lblGoal_1"), Qt::LeftButton);
    QCOMPARE(items(), QStringLiteral("(none)|B|Sea"));
    QCOMPARE(box->currentText(), QStringLiteral("Sea"));
}

void TestSequence::slack_data()
{
    QTest::addColumn<QString>("tasks");
    QTest::addColumn<QDate>("due");
    QTest::addColumn<QString>("daysOff");
    QTest::addColumn<QString>("shown");   // "" = no slack label
    QTest::addColumn<bool>("red");
    const QString five = "Ann + 5";   // 1 to 5 March
    QTest::newRow("days to spare") << five << QDate(2027, 3, 10) << "" << "3 days to spare" << false;
    QTest::newRow("a day to spare") << five << QDate(2027, 3, 8) << "" << "1 day to spare" << false;
    QTest::newRow("ends on the date") << five << QDate(2027, 3, 5) << "" << "On time, no day to spare" << false;
    QTest::newRow("due the weekend after") << five << QDate(2027, 3, 7) << "" << "On time, no day to spare" << false;
    QTest::newRow("a day off in the slack") << five << QDate(2027, 3, 10) << "2027-03-09" << "2 days to spare" << false;
    QTest::newRow("a year ahead") << five << QDate(2028, 3, 3) << "" << "260 days to spare" << false;
    QTest::newRow("late") << five << QDate(2027, 3, 3) << "" << "Late by 2 working days" << true;
    QTest::newRow("late over a weekend") << "Ann + 6" << QDate(2027, 3, 6) << "" << "Late by 1 working day" << true;
    QTest::newRow("late, a day off in between") << "Ann + 6" << QDate(2027, 3, 3) << "2027-03-04"
                                                << "Late by 3 working days" << true;
    QTest::newRow("done work past the date") << "Ann + 2\nBob + 3 --" << QDate(2027, 3, 3) << "" << "1 day to spare"
                                             << false;
    QTest::newRow("all done") << "Ann + 5 --" << QDate(2027, 3, 3) << "" << "" << false;
    QTest::newRow("no tasks") << "" << QDate(2027, 3, 3) << "" << "" << false;
}

// What card 1 shows under its due-date band, and why the band is red.
void TestSequence::slack()
{
    QFETCH(QString, tasks);
    QFETCH(QDate, due);
    QFETCH(QString, daysOff);
    QFETCH(QString, shown);
    QFETCH(bool, red);
    Project project = chain({tasks}, {}, daysOff);
    project.subGoals[0].due = DueDate::text(due);
    State f(project);
    const CardRecord record = cardRecord(f.s.document, 1, QDate(2027, 2, 1));
    SubGoalCard card;
    card.setIndex(1, {});
    card.show();
    card.showCard(record);
    auto *label = card.findChild<QLabel *>("lblSlack_1");
    QCOMPARE(label->isVisible() ? label->text() : QString(), shown);
    QCOMPARE(record.lateness.late(), red);
    QCOMPARE(card.findChild<QWidget *>("shDueDate_1")->toolTip(),
             red ? "The plan ends after the due date, on " + DueDate::text(record.lateness.planEnd) + "." : QString());
    // A date gone by with work pending says so too.
    const CardRecord later = cardRecord(f.s.document, 1, due.addDays(1));
    card.showCard(later);
    const QStringList why = card.findChild<QWidget *>("shDueDate_1")->toolTip().split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(why.contains("The due date has passed with tasks still pending."), later.counts.pending() > 0);
    QCOMPARE(why.size(), int(later.counts.pending() > 0) + int(red));
}

QTEST_MAIN(TestSequence)
#include "tst_sequence.moc"
