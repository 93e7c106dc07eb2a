// The printed plan read back from the real PDF with poppler's pdftotext, and
// Print Plan and Export PDF driven from the menu through the modal seam.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>
#include <numeric>

#include <QDateEdit>
#include <QPlainTextEdit>

#include "ScriptedModals.h"
#include "TempAppFolder.h"
#include "app/widgets/Form1.h"
#include "app/widgets/QtModals.h"
#include "events/widgets/PlanPrint.h"
#include "base/Texts.h"
#include "project/DueDate.h"

namespace {

QString run(const QString &program, const QStringList &args)
{
    QProcess p;
    p.start(program, args);
    p.waitForFinished(120000);
    return QString::fromUtf8(p.readAllStandardOutput());
}
// Each page's text in the order it was drawn.
QStringList pagesOf(const QString &pdf) { return run("pdftotext", {"-raw", "-enc", "UTF-8", pdf, "-"}).split(u'\f'); }
int pageCount(const QString &pdf)
{
    return QRegularExpression("Pages:\\s+(\\d+)").match(run("pdfinfo", {pdf})).captured(1).toInt();
}
// Two words drawn over each other, or off the page: the first such, or "".
QString overlap(const QString &pdf, int lastPage = 0)
{
    const QString html = run("pdftotext", {"-bbox", "-l", QString::number(lastPage ? lastPage : 9999), pdf, "-"});
    static const QRegularExpression word(R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*))re");
    for (const QString &page : html.split("<page ").mid(1)) {
        const QRectF paper(0, 0, QRegularExpression(R"re(width="([\d.]+))re").match(page).captured(1).toDouble(),
                           QRegularExpression(R"re(height="([\d.]+))re").match(page).captured(1).toDouble());
        QList<std::pair<QRectF, QString>> words;
        for (const auto &m : word.globalMatch(page)) {
            const QRectF box(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                             QPointF(m.captured(3).toDouble(), m.captured(4).toDouble()));
            // The font's box is a little taller than its line.
            const QRectF core = box.adjusted(0.2, box.height() * 0.15, -0.2, -box.height() * 0.15);
            if (!paper.contains(box))
                return m.captured(5) + " is off the page";
            for (const auto &[other, text] : words) {
                if (other.intersects(core))
                    return m.captured(5) + " is drawn over " + text;
            }
            words.append({core, m.captured(5)});
        }
    }
    return {};
}
QString flat(const QString &text) { return text.simplified(); }
// Every piece in order, each after the one before.
bool inOrder(const QString &text, const QStringList &pieces, QString *missing)
{
    qsizetype at = 0;
    for (const QString &piece : pieces) {
        at = text.indexOf(piece, at);
        if (at < 0) {
            *missing = piece;
            return false;
        }
        at += piece.size();
    }
    return true;
}

const QDate kToday(2026, 6, 15);
Project garden(const QDate &start = {})
{
    return {"Garden makeover",
            {{"1-2-3", "Soil", "", "Dig the beds --\nAdd compost + 2\n\nx\nTest the pH --\n"},
             {"4-5-6", "Planting", "01/01/2020", "Buy seeds\nFill the office planters"},
             {"7-8-9", "Paths", "", ""}},
            {start, {}}};
}
// The plan the commands print: what the document works out from the project.
Plan planFor(const Project &project, const QDate &day = kToday)
{
    ProjectDocument document;
    document.assign(project, DocumentChange::Cause::Load);
    return planOf(document, day);
}
QString fromTo(const QDate &from, const QDate &to) { return Texts::fromTo(DueDate::text(from), DueDate::text(to)); }
QString writePdf(const TempAppFolder &app, const Plan &plan)
{
    const QString path = app.file("plan.pdf");
    QString error;
    if (!writePlanPdf(plan, path, &error))
        qWarning("not written: %s", qPrintable(error));
    return path;
}

} // namespace

class TestPlan : public QObject {
    Q_OBJECT
private slots:
    void chartAndListsReadBack();
    void bigProjectFillsItsPages();
    void timelineRunsOverItsPages();
    void awkwardTexts_data();
    void awkwardTexts();
    void cardSaysHowManyMore();
    void commands_data();
    void commands();
    void printedDatesFollowTheProjectAsItStands();
    void realSeamWritesAndPreviews();
};

void TestPlan::chartAndListsReadBack()
{
    TempAppFolder app;
    // From Monday 1 March 2027 the plan's dates stand beside each task,
    // blank and one-letter lines counted but never planned.
    const QString pdf = writePdf(app, planFor(garden(QDate(2027, 3, 1))));
    QCOMPARE(pageCount(pdf), 3);
    const QStringList pages = pagesOf(pdf);
    const QString chart = flat(pages[0]), timeline = flat(pages[1]), lists = flat(pages[2]);
    QString missing;
    QVERIFY2(inOrder(chart, {"Garden makeover", "Printed on " + DueDate::text(kToday)}, &missing), qPrintable(missing));
    for (const char *card : {"Soil Tasks: 3 Completed: 2 Pending: 1", "Planting Tasks: 2 Completed: 0 Pending: 2",
                             "Paths Tasks: 0 Completed: 0 Pending: 0", "Due Date: 01/01/2020", "Overdue", "Page 1 of 3"})
        QVERIFY2(chart.contains(card), card);
    // The timeline between them: every sub-goal and task by its name, as text.
    QVERIFY2(inOrder(timeline, {"Timeline", "Soil", "✓ Dig the beds", "Add compost", "✓ Test the pH", "Planting",
                                "Buy seeds", "Fill the office planters", "Paths", "Page 2 of 3"}, &missing),
             qPrintable(missing));
    const QDate mar1(2027, 3, 1), mar2(2027, 3, 2), mar3(2027, 3, 3), mar4(2027, 3, 4);
    QVERIFY2(inOrder(lists, {"Soil", "Tasks: 3 Completed: 2 Pending: 1", "✓ " + fromTo(mar1, mar1) + " Dig the beds",
                             fromTo(mar2, mar3) + " Add compost + 2", "✓ " + fromTo(mar4, mar4) + " Test the pH",
                             "Planting", "Due Date: 01/01/2020 Overdue", fromTo(mar1, mar1) + " Buy seeds",
                             fromTo(mar2, mar2) + " Fill the office planters", "Paths", "No tasks yet", "Page 3 of 3"},
                     &missing),
             qPrintable(missing));
    QCOMPARE(overlap(pdf), QString());
    QVERIFY(!(chart + timeline + lists).contains("--"));
    // Without a start date there is no plan, no dates and no timeline.
    const QString undated = flat(pagesOf(writePdf(app, planFor(garden()))).value(1));
    QVERIFY(!undated.contains("Timeline"));
    QVERIFY2(inOrder(undated, {"✓ Dig the beds", "Add compost + 2", "✓ Test the pH"}, &missing), qPrintable(missing));
}

void TestPlan::bigProjectFillsItsPages()
{
    TempAppFolder app;
    Project big{"Big", {}};
    QStringList all;
    for (int g = 1; g <= 8; ++g) {
        QStringList tasks;
        for (int t = 1; t <= 1000; ++t)
            tasks << QString("Task %1.%2 water the plants%3").arg(g).arg(t).arg(t % 3 ? "" : " --");
        all << tasks;
        big.subGoals.append({QString("%1-1-1").arg(g), QString("Goal %1").arg(g), "", tasks.join("\n")});
    }
    const QString pdf = writePdf(app, planFor(big));
    const int pages = pageCount(pdf);
    QCOMPARE(overlap(pdf, 3), QString());
    const QStringList text = pagesOf(pdf);
    QString missing;
    QVERIFY2(inOrder(flat(text.mid(1).join(' ')), all.replaceInStrings(" --", ""), &missing), qPrintable(missing));
    // Every list page but the last is full: no page is wasted.
    QList<int> tasksOn;
    for (int p = 1; p < pages; ++p) {
        QVERIFY2(text[p].contains(QString("Page %1 of %2").arg(p + 1).arg(pages)), qPrintable(QString::number(p)));
        tasksOn << int(text[p].count("water the plants"));
    }
    const int most = *std::max_element(tasksOn.begin(), tasksOn.end());
    for (int p = 0; p + 1 < tasksOn.size(); ++p)
        QVERIFY2(tasksOn[p] >= most * 0.9, qPrintable(QString("page %1 holds %2 of %3").arg(p + 2).arg(tasksOn[p]).arg(most)));
    // Each task once; as many pages as full pages take, a heading's room at most one more.
    QCOMPARE(std::accumulate(tasksOn.begin(), tasksOn.end(), 0), 8000);
    const int least = (8000 + most - 1) / most;
    QVERIFY2(pages - 1 >= least && pages - 1 <= least + 1, qPrintable(QString::number(pages)));
}

void TestPlan::timelineRunsOverItsPages()
{
    TempAppFolder app;
    // More rows than a page holds, and a sub-goal of more than a year.
    QStringList steps;
    for (int i = 1; i <= 60; ++i)
        steps << QString("Alpha step %1").arg(i);
    const Project long_{"Long", {{"1-1-1", "Alpha", "", steps.join("\n")},
                                 {"2-2-2", "Beta", "", "Survey the site + 30 weeks\nBuild the walls + 30 weeks"}},
                        {QDate(2027, 3, 1)}};
    const QString pdf = writePdf(app, planFor(long_));
    const int count = pageCount(pdf);
    const QStringList pages = pagesOf(pdf);
    QList<int> timeline;   // the pages titled "Timeline": those after the chart
    for (int i = 0; i < count; ++i) {
        if (pages[i].trimmed().startsWith("Timeline"))
            timeline << i;
        QVERIFY(pages[i].contains(QString("Page %1 of %2").arg(i + 1).arg(count)));
    }
    QVERIFY(timeline.size() >= 3);
    QCOMPARE(timeline.last(), timeline.size());
    // Each page names the sub-goal of every task it shows; each task is on one.
    const auto holds = [](const QString &page, const QString &name) {
        return page.contains(QRegularExpression("\\b" + name + "\\b(?! step)"));
    };
    QList<int> survey;
    for (int i : timeline) {
        for (const QString &step : steps)
            QVERIFY2(!holds(pages[i], step) || holds(pages[i], "Alpha"), qPrintable(QString::number(i)));
        if (holds(pages[i], "Survey the site"))
            survey << i;
        QCOMPARE(holds(pages[i], "Survey the site"), holds(pages[i], "Beta"));
    }
    for (const QString &step : steps)
        QVERIFY2(std::any_of(timeline.begin(), timeline.end(), [&](int i) { return holds(pages[i], step); }),
                 qPrintable(step));
    QVERIFY2(survey.size() >= 2, "a band of a year goes on over the next page");
    QCOMPARE(overlap(pdf), QString());
}

void TestPlan::awkwardTexts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("goal");
    QTest::addColumn<QString>("task");
    QTest::addColumn<int>("pages");
    QTest::newRow("empty project") << "My Goal" << "" << "" << 1;
    QTest::newRow("long everything") << QString(40, u'W') << QString(40, u'M') << QString(3000, u'a') + " end" << 3;
    QTest::newRow("Greek") << "Ανακαίνιση σπιτιού" << "Κουζίνα" << "Αγορά πλακιδίων για το μπάνιο" << 2;
    QTest::newRow("Cyrillic") << "Ремонт" << "Кухня" << "Купить плитку для ванной" << 2;
    QTest::newRow("combining marks") << "Café" << "Crème" << QString("e\u0301").repeated(400) << 2;
}

void TestPlan::awkwardTexts()
{
    QFETCH(QString, name);
    QFETCH(QString, goal);
    QFETCH(QString, task);
    QFETCH(int, pages);
    TempAppFolder app;
    Project project{name, {}};
    if (!goal.isEmpty())
        project.subGoals.append({"1-1-1", goal, "", task + "\n" + task + " --"});
    const QString pdf = writePdf(app, planFor(project));
    QCOMPARE(pageCount(pdf), pages);
    QCOMPARE(overlap(pdf), QString());
    const QStringList text = pagesOf(pdf);
    QVERIFY(text[0].contains(name.left(8)));
    if (goal.isEmpty())
        return;
    // Page 1 cuts what does not fit; the lists wrap it and lose nothing.
    QVERIFY(text[0].contains(goal.left(8)));
    QString lists;
    for (const QString &page : text.mid(1))   // less each page's foot: the page number and the name
        lists += page.section(u'\n', 0, -4);
    lists.remove(QRegularExpression("\\s"));
    const QString whole = QString(task + "✓" + task).remove(QRegularExpression("\\s"));
    // Accents may come back composed with their letters.
    const auto nfc = [](const QString &t) { return t.normalized(QString::NormalizationForm_C); };
    QVERIFY2(nfc(lists).startsWith(nfc(goal).remove(u' ')) && nfc(lists).contains(nfc(whole)), qPrintable(lists.left(300)));
    // Cut and wrapped between graphemes: no accent without its letter.
    QVERIFY(!text.join(' ').contains(QRegularExpression("(^|[^e])\u0301")));
}

void TestPlan::cardSaysHowManyMore()
{
    TempAppFolder app;
    QStringList steps;
    for (int i = 1; i <= 60; ++i)
        steps << QString("Step %1").arg(i);
    const QString pdf = writePdf(app, planFor({"Steps", {{"1-1-1", "Many", "", steps.join("\n")}}}));
    const QString chart = pagesOf(pdf).first();
    const int shown = int(chart.count("Step "));
    const QRegularExpressionMatch more = QRegularExpression("… and (\\d+) more").match(chart);
    QVERIFY2(more.hasMatch() && shown > 3, qPrintable(chart));
    QCOMPARE(shown + more.captured(1).toInt(), 60);
    QString missing;
    QVERIFY2(inOrder(chart, steps.first(shown), &missing), qPrintable(missing));
}

void TestPlan::commands_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("answer");   // the file chosen, "" = cancelled
    QTest::addColumn<bool>("printerWorks");
    QTest::addColumn<QString>("written");  // the file expected
    QTest::addColumn<QString>("said");     // "title|named", "" = nothing
    QTest::addColumn<int>("handed");       // plans handed to the printer or writer
    QTest::newRow("export cancelled") << "mnuExportPdf" << "" << true << "" << "" << 0;
    QTest::newRow("export") << "mnuExportPdf" << "out.pdf" << true << "out.pdf" << "" << 1;
    QTest::newRow("export, suffix added") << "mnuExportPdf" << "out" << true << "out.pdf" << "" << 1;
    QTest::newRow("export to a missing folder") << "mnuExportPdf" << "gone/out.pdf" << true << ""
                                                << "Export Failed|gone/out.pdf" << 1;
    QTest::newRow("print") << "mnuPrintPlan" << "" << true << "" << "" << 1;
    QTest::newRow("printer fails") << "mnuPrintPlan" << "" << false << "" << "Print Failed|Scripted printer" << 0;
}

void TestPlan::commands()
{
    QFETCH(QString, action);
    QFETCH(QString, answer);
    QFETCH(bool, printerWorks);
    QFETCH(QString, written);
    QFETCH(QString, said);
    QFETCH(int, handed);
    TempAppFolder app;
    ScriptedModals modals;
    Form1 w(app.path(), modals, modals);
    Session &s = w.session();
    s.document.assign(garden(), DocumentChange::Cause::Load);
    modals.printOutcome = printerWorks ? PrintOutcome::Printed : PrintOutcome::Failed;
    modals.saveFileNames.append(answer.isEmpty() ? std::nullopt : std::optional(app.file(answer)));
    w.findChild<QAction *>(action)->trigger();

    QStringList asked;
    for (const auto &a : modals.asked)
        asked << a.title + "|" + a.text;
    QCOMPARE(asked.size(), said.isEmpty() ? 0 : 1);
    if (!said.isEmpty())
        QVERIFY2(asked[0].startsWith(said.section('|', 0, 0)) && asked[0].contains(said.section('|', 1)), qPrintable(asked[0]));
    if (action == "mnuExportPdf")
        QCOMPARE(modals.saveFileAsked, QStringList{"Export PDF|Garden makeover.pdf|PDF files (*.pdf)"});
    QCOMPARE(QDir(app.path()).entryList({"*.pdf"}), written.isEmpty() ? QStringList() : QStringList{written});
    const QList<Plan> &plans = action == "mnuPrintPlan" ? modals.plansPrinted : modals.plansWritten;
    QCOMPARE(plans.size(), handed);
    if (handed) {
        QVERIFY(plans[0].project == s.document.project());
        QCOMPARE(plans[0].printedOn, QDate::currentDate());
    }
}

// Typed a moment ago, no button pressed: the plan handed to the PDF writer
// holds the new task with its dates, and so does the PDF.
void TestPlan::printedDatesFollowTheProjectAsItStands()
{
    TempAppFolder app;
    ScriptedModals modals;
    Form1 w(app.path(), modals, modals);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    Session &s = w.session();
    s.document.assign(garden(), DocumentChange::Cause::Load);
    w.findChild<QAction *>("mnuSchedule")->trigger();
    w.findChild<QDateEdit *>("dtpStartDate")->setDate(QDate(2027, 3, 1));
    QTest::mouseClick(w.findChild<QWidget *>("lblGoal_3"), Qt::LeftButton);
    QTest::keyClicks(w.findChild<QPlainTextEdit *>("txtGoalTasks"), "Lay stones + 3");
    modals.saveFileNames.append(app.file("typed.pdf"));
    w.findChild<QAction *>("mnuExportPdf")->trigger();
    QCOMPARE(modals.plansWritten.size(), 1);
    const ScheduledTask *task = modals.plansWritten[0].schedule.taskOnLine(2, 1);
    QVERIFY(task);
    QCOMPARE(task->end, QDate(2027, 3, 3));
    QVERIFY(flat(pagesOf(writePdf(app, modals.plansWritten[0])).join(u' ')).contains(
        fromTo(QDate(2027, 3, 1), QDate(2027, 3, 3)) + " Lay stones + 3"));
}

void TestPlan::realSeamWritesAndPreviews()
{
    TempAppFolder app;
    QtModals modals(app.path());
    const Plan plan = planFor(garden());
    QString error;
    QVERIFY2(modals.writePlanPdf(plan, app.file("real.pdf"), &error), qPrintable(error));
    QCOMPARE(pageCount(app.file("real.pdf")), 2);
    QVERIFY(!modals.writePlanPdf(plan, app.file("gone/real.pdf"), &error));
    QVERIFY(!error.isEmpty() && !app.exists("gone/real.pdf"));

    // The preview draws the same pages; closing it prints nothing.
    int previewed = -1;
    QTimer poll;
    poll.callOnTimeout([&] {
        auto *preview = qobject_cast<QPrintPreviewDialog *>(QApplication::activeModalWidget());
        if (!preview)
            return;
        poll.stop();
        previewed = preview->findChild<QPrintPreviewWidget *>()->pageCount();
        preview->reject();
    });
    poll.start(50);
    QString target;
    QVERIFY(modals.printPlan(plan, &target, &error));
    QCOMPARE(previewed, 2);
}

QTEST_MAIN(TestPlan)
#include "tst_plan.moc"
