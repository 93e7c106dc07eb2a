// The event list as the user can trust it: done tasks in the list and the
// exports, events that keep who they are from one export to the next
// (libical reads both files), the list printed as a table, and the panel's
// row marks and days off in the real main window.
#include <QAction>
#include <QCheckBox>
#include <QDateEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTreeView>

#include "Plans.h"
#include "app/widgets/Form1.h"
#include "project/DueDate.h"
#ifdef TARVO_HAVE_LIBICAL
#include <libical/ical.h>
#endif

using namespace plans;

class TestEventList : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom)); }
    void doneTasks();
    void uidsSurviveInsertAndDelete();
    void printedTable();
    void panelMarksAndDaysOff();
};

// Done lines keep their place and days, are never late, show ticked and
// grey, and reach the exports only when asked for, marked "Done: ".
void TestEventList::doneTasks()
{
    Project project = oneGoal("Brief + 2 --\nSketches + 3\nReview --\n", DueDate::text(QDate(2027, 3, 2)));
    project.settings.start = kMonday;
    State f(project);
    QCOMPARE(f.rows(), (QStringList{"Brief|01/03/2027|02/03/2027", "Sketches|03/03/2027|05/03/2027",
                                    "Review|08/03/2027|08/03/2027"}));
    const Schedule &plan = f.s.document.schedule();
    QVERIFY(plan.at(0).done && !plan.at(1).done && plan.at(2).done);
    QVERIFY(!plan.at(2).late && plan.at(1).late);   // both end after the due date; only Sketches is pending

    QVERIFY(!f.s.events.chkIncludeDone());
    f.modals.saveFileNames = {f.app.file("pending.csv"), f.app.file("pending.ics")};
    f.s.schedule.cmdExportCsv_Click();
    f.s.schedule.cmdExportIcs_Click();
    f.s.events.setChkIncludeDone(true);
    f.modals.saveFileNames = {f.app.file("all.csv"), f.app.file("all.ics")};
    f.s.schedule.cmdExportCsv_Click();
    f.s.schedule.cmdExportIcs_Click();
    const QByteArray pendingCsv = f.app.read("pending.csv"), pendingIcs = f.app.read("pending.ics");
    const QByteArray allCsv = f.app.read("all.csv"), allIcs = f.app.read("all.ics");
    QCOMPARE(pendingCsv.count("\r\n"), 2);
    QVERIFY(pendingCsv.contains("\"Sketches\"") && !pendingCsv.contains("Brief") && !pendingCsv.contains("Review"));
    QCOMPARE(pendingIcs.count("BEGIN:VEVENT"), 1);
    QVERIFY(pendingIcs.contains("SUMMARY:Sketches\r\n") && !pendingIcs.contains("Brief"));
    QCOMPARE(allCsv.count("\r\n"), 4);
    QVERIFY(allCsv.contains("\"Done: Brief\",\"03/01/2027\",\"\",\"03/02/2027\""));
    QVERIFY(allCsv.contains("\"Sketches\"") && allCsv.contains("\"Done: Review\""));
    QCOMPARE(allIcs.count("BEGIN:VEVENT"), 3);
    QVERIFY(allIcs.contains("SUMMARY:Done: Brief\r\n") && allIcs.contains("SUMMARY:Done: Review\r\n"));
    // The same event whether done or not: its UID does not change with the mark.
    const auto uidOf = [](const QByteArray &ics, const QByteArray &summary) {
        const qsizetype at = ics.lastIndexOf("UID:", ics.indexOf("SUMMARY:" + summary));
        return ics.mid(at, ics.indexOf("\r\n", at) - at);
    };
    QCOMPARE(uidOf(allIcs, "Sketches"), uidOf(pendingIcs, "Sketches"));
    f.select(1);
    f.typeTasks("Brief + 2 --\nSketches + 3 --\nReview --\n");
    QCOMPARE(f.s.events.events().at(1).uid, uidOf(pendingIcs, "Sketches").mid(4).chopped(6));
}

// Who an event is does not hang on its line: inserting and deleting lines
// leaves the other events' UIDs as they were, as libical reads them.
void TestEventList::uidsSurviveInsertAndDelete()
{
#ifndef TARVO_HAVE_LIBICAL
    QSKIP("libical is not installed (tools/install-deps.sh test)");
#else
    Project project = oneGoal("Brief + 2\nCall\nSketches\nCall\nReview\n");
    project.subGoals.append({"812-1290-377", "Content", "", "Brief\nCopy\n"});
    project.settings.start = kMonday;
    State f(project);
    const auto uids = [&f](const QString &name) {
        f.modals.saveFileNames = {f.app.file(name)};
        f.s.schedule.cmdExportIcs_Click();
        QMultiMap<QString, QString> bySummary;
        icalcomponent *calendar = icalparser_parse_string(f.app.read(name).constData());
        for (icalcomponent *e = icalcomponent_get_first_component(calendar, ICAL_VEVENT_COMPONENT); e;
             e = icalcomponent_get_next_component(calendar, ICAL_VEVENT_COMPONENT))
            bySummary.insert(QString::fromUtf8(icalcomponent_get_summary(e)), QString::fromUtf8(icalcomponent_get_uid(e)));
        icalcomponent_free(calendar);
        return bySummary;
    };
    const QMultiMap<QString, QString> before = uids("before.ics");
    QCOMPARE(before.size(), 7);
    QCOMPARE(QSet<QString>(before.begin(), before.end()).size(), 7);   // each its own, the same subject too
    f.select(1);
    f.typeTasks("New first + 3\nBrief + 5\nCall\nCall\nReview\n");   // inserted, Sketches deleted, a duration changed
    const QMultiMap<QString, QString> after = uids("after.ics");
    QCOMPARE(after.size(), 7);
    for (const QString &kept : {"Brief", "Call", "Review", "Copy"})
        QCOMPARE(after.values(kept), before.values(kept));
    QVERIFY(!before.contains("New first") && !after.contains("Sketches"));
    QVERIFY(!QSet<QString>(before.begin(), before.end()).contains(after.value("New first")));
#endif
}

// The list's Print: a title, and the rows as a table whose columns line up
// in a fixed-width font.
void TestEventList::printedTable()
{
    Project project = oneGoal("Brief + 2 --\n" + QString(50, u'x') + "\n");
    project.subGoals.append({"812-1290-377", "Content", "", "Copy\n"});
    project.settings.start = kMonday;
    State f(project);
    const QStringList expected = {
        "Schedule of Launch",
        "Printed on 15/04/2027",
        "",
        "   Subject                                   Sub-Goal  Start       End",
        "----------------------------------------------------------------------",
        "\u2713  Brief                                     Design    01/03/2027  02/03/2027",
        "   xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx\u2026  Design    03/03/2027  03/03/2027",
        "   Copy                                      Content   01/03/2027  01/03/2027"};
    QCOMPARE(printedLines(f.project(), f.s.document.schedule(), f.s.events.shownRows(), QDate(2027, 4, 15)), expected);
    f.s.events.cmdRemoveSelected_Click({2});
    f.s.events.cmdPrint_Click();
    QCOMPARE(f.modals.printed.size(), 1);
    QCOMPARE(f.modals.printed.last().mid(3), expected.mid(3, 4));
    QCOMPARE(f.modals.lastText(), QStringLiteral("Print Job Finished"));
}

// The panel shows what a row is (done, a mark not understood) and edits
// the days off, each an undoable step of the project.
void TestEventList::panelMarksAndDaysOff()
{
    TempAppFolder app;
    ScriptedModals modals;
    Form1 w(app.path(), modals, modals);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    Project project = oneGoal("Brief + 2 --\nGuess + three days\nReview\n");
    project.settings.start = kMonday;
    w.session().document.assign(project, DocumentChange::Cause::Load);
    w.findChild<QAction *>("mnuSchedule")->trigger();
    const QAbstractItemModel *rows = w.findChild<QTreeView *>("ListView2")->model();
    const auto cell = [rows](int row, int column, int role = Qt::DisplayRole) { return rows->index(row, column).data(role); };
    QCOMPARE(cell(0, 0).toString(), QStringLiteral("\u2713 Brief"));
    QCOMPARE(cell(0, 3, Qt::ForegroundRole).value<QColor>(), QColor(128, 128, 128));
    QVERIFY(!cell(1, 0, Qt::ForegroundRole).isValid());
    QCOMPARE(cell(1, 0, Qt::ToolTipRole).toString(),
             QStringLiteral("\u201C+ three days\u201D was not understood, so this task lasts one day. End the line with "
                            "\u201C+ 3\u201D, \u201C+ 3 days\u201D or \u201C+ 2 weeks\u201D."));
    QCOMPARE(cell(1, 1).toString() + u' ' + cell(1, 3).toString(), QStringLiteral("03/03/2027 03/03/2027"));
    QVERIFY(cell(2, 0, Qt::ToolTipRole).isNull());

    auto *list = w.findChild<QListWidget *>("lstDaysOff");
    w.findChild<QDateEdit *>("dtpDayOff")->setDate(QDate(2027, 3, 3));
    QTest::mouseClick(w.findChild<QPushButton *>("cmdAddDayOff"), Qt::LeftButton);
    QCOMPARE(list->count(), 1);
    QCOMPARE(list->item(0)->text(), QStringLiteral("Wed 03/03/2027"));
    QCOMPARE(cell(1, 1).toString(), QStringLiteral("04/03/2027"));   // at once, no button pressed
    QCOMPARE(w.findChild<QAction *>("mnuUndo")->text(), QStringLiteral("&Undo Days Off"));
    QTest::keyClick(w.windowHandle(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(list->count(), 0);
    QCOMPARE(cell(1, 1).toString(), QStringLiteral("03/03/2027"));
    QTest::keyClick(w.windowHandle(), Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(list->count(), 1);
    list->item(0)->setSelected(true);
    QTest::mouseClick(w.findChild<QPushButton *>("cmdRemoveDayOff"), Qt::LeftButton);
    QCOMPARE(list->count(), 0);
    QVERIFY(w.session().document.project().settings.daysOff.isEmpty());

    auto *includeDone = w.findChild<QCheckBox *>("chkIncludeDone");
    QCOMPARE(includeDone->text(), QStringLiteral("Include d&one tasks"));
    QTest::mouseClick(includeDone, Qt::LeftButton, {}, QPoint(6, includeDone->height() / 2));   // on its box
    QVERIFY(w.session().events.chkIncludeDone());
    QCOMPARE(w.session().events.events().first().subject, QStringLiteral("Done: Brief"));
}

QTEST_MAIN(TestEventList)
#include "tst_eventlist.moc"
