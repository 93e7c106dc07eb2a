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

#include "ScriptedModals.h"
#include "TempAppFolder.h"
#include "app/widgets/Form1.h"
#include "app/widgets/QtModals.h"
#include "project/widgets/PlanPrint.h"
#include "tasks/DueDates.h"

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
Project garden()
{
    return {"Garden makeover",
            {{"1-2-3", "Soil", "", "Dig the beds --\r\nAdd compost\r\n\r\nx\r\nTest the pH --\r\n"},
             {"4-5-6", "Planting", "01/01/2020", "Buy seeds\r\nFill the office planters"},
             {"7-8-9", "Paths", "", ""}}};
}
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
    void awkwardTexts_data();
    void awkwardTexts();
    void cardSaysHowManyMore();
    void commands_data();
    void commands();
    void realSeamWritesAndPreviews();
};

void TestPlan::chartAndListsReadBack()
{
    TempAppFolder app;
    // The schedule's dates go by line, blank and one-letter lines counted.
    const TaskDates dates = [](int goal, int line) -> std::optional<std::pair<QDate, QDate>> {
        if (goal == 0 && line == 4)
            return std::pair{QDate(2027, 3, 1), QDate(2027, 3, 5)};
        return std::nullopt;
    };
    const QString pdf = writePdf(app, {garden(), kToday, dates});
    QCOMPARE(pageCount(pdf), 2);
    const QStringList pages = pagesOf(pdf);
    const QString chart = flat(pages[0]), lists = flat(pages[1]);
    const QString scheduled = Texts::fromTo(DueDates::dueDateText(QDate(2027, 3, 1)), DueDates::dueDateText(QDate(2027, 3, 5)));
    QString missing;
    QVERIFY2(inOrder(chart, {"Garden makeover", "Printed on " + DueDates::dueDateText(kToday)}, &missing), qPrintable(missing));
    for (const char *card : {"Soil Tasks: 3 Completed: 2 Pending: 1", "Planting Tasks: 2 Completed: 0 Pending: 2",
                             "Paths Tasks: 0 Completed: 0 Pending: 0", "Due Date: 01/01/2020", "Overdue", "Page 1 of 2"})
        QVERIFY2(chart.contains(card), card);
    QVERIFY2(inOrder(lists, {"Soil", "Tasks: 3 Completed: 2 Pending: 1", "✓ Dig the beds", "Add compost",
                             "✓ " + scheduled + " Test the pH", "Planting", "Due Date: 01/01/2020 Overdue",
                             "Buy seeds", "Fill the office planters", "Paths", "No tasks yet", "Page 2 of 2"}, &missing),
             qPrintable(missing));
    QCOMPARE(lists.count(scheduled), 1);
    QCOMPARE(overlap(pdf), QString());
    QVERIFY(!(chart + lists).contains("--"));
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
        big.subGoals.append({QString("%1-1-1").arg(g), QString("Goal %1").arg(g), "", tasks.join("\r\n")});
    }
    const QString pdf = writePdf(app, {big, kToday, {}});
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
        project.subGoals.append({"1-1-1", goal, "", task + "\r\n" + task + " --"});
    const QString pdf = writePdf(app, {project, kToday, {}});
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
    const QString pdf = writePdf(app, {{"Steps", {{"1-1-1", "Many", "", steps.join("\r\n")}}}, kToday, {}});
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
    Form1 w(app.path(), modals);
    WorkingState &s = w.state();
    QVERIFY(s.project.layOut(garden()));
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
        QVERIFY(plans[0].project == s.project.snapshot());
        QCOMPARE(plans[0].printedOn, QDate::currentDate());
    }
}

void TestPlan::realSeamWritesAndPreviews()
{
    TempAppFolder app;
    QtModals modals(app.path());
    const Plan plan{garden(), kToday, {}};
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
