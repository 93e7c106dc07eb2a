// The tips window, the project-folder shortcut and the calendar event list's
// own buttons.
#include <QLabel>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>

#include "Planner.h"
#include "app/widgets/frmTips.h"
#include "events/EventList.h"
#include "events/widgets/Printing.h"
#include "project/GpjFormat.h"

namespace {
// A project planned from Monday 1 March 2027, opened from its file.
struct Planned : Planner {
    Planned()
    {
        const Project project{"Launch",
                              {{"1-2-3", "Design", "", "Meeting + 2\nShort\n"}, {"4-5-6", "Content", "", "Copy\n"}},
                              {QDate(2027, 3, 1), {}}};
        app.write("projects/p.gpj", Gpj::write(project).toUtf8());
        QVERIFY(s.project.LoadProject(app.file("projects/p.gpj")));
    }
};
} // namespace

class TestShell : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom)); }
    void tipsTextsAndClose();
    void folderShortcut();
    void folderShortcutFailures();
    void eventListHandlers();
    void printedLinesAndMessages();
    void printsToARealPrinter();
};

void TestShell::tipsTextsAndClose()
{
    TempAppFolder app;
    frmTips tips;
    tips.show();
    QVERIFY(QTest::qWaitForWindowExposed(&tips));
    const auto text = [&](const char *name) { return tips.findChild<QLabel *>(name)->text(); };
    QCOMPARE(tips.windowTitle(), QStringLiteral("Tips"));
    QCOMPARE(text("Label1"), QStringLiteral("Tips:"));
    QCOMPARE(text("Label2"), QStringLiteral("You can set the duration of each task by adding a \"+ X days\"  of it."));
    QCOMPARE(text("Label3"), QStringLiteral("Example: "));
    QCOMPARE(text("Label7"), QStringLiteral(" Do This + 7 Days"));
    QCOMPARE(text("Label5"), QStringLiteral("or "));
    QCOMPARE(text("Label6"), QStringLiteral(" Do This + 7"));
    QCOMPARE(text("Label4"), QStringLiteral("This will set the duration of the task to 7 days."));
    QVERIFY(text("lblPro").startsWith(QStringLiteral("In the \"Pro\" version, you can create parallel tasks")));
    QVERIFY(text("lblPro").endsWith(QStringLiteral("it will inherit the start date of the previous task.")));
    QVERIFY(tips.findChild<QLabel *>("lblPro")->isVisible());
    const auto label = [&](const char *name) { return tips.findChild<QLabel *>(name); };
    QVERIFY(label("Label1")->font().bold());
    QCOMPARE(label("Label1")->font().pointSizeF(), 14.25);
    QCOMPARE(label("Label2")->font().pointSizeF(), 9.75);
    QCOMPARE(label("Label7")->palette().color(QPalette::WindowText), QColor(0, 0, 192));
    // The examples sit on the lines of their lead-ins, to the right of them.
    QCOMPARE(label("Label7")->y(), label("Label3")->y());
    QVERIFY(label("Label7")->x() >= label("Label3")->geometry().right());
    QCOMPARE(tips.size(), QSize(837, 325));
    QCOMPARE(tips.findChild<QPushButton *>("Command1")->text(), QStringLiteral("Close"));
    QVERIFY(tips.findChild<QPushButton *>("Command1")->font().bold());
    QVERIFY(tips.isModal());

    QTest::keyClick(&tips, Qt::Key_Escape);
    QVERIFY(!tips.isVisible());
    tips.show();
    QVERIFY(QTest::qWaitForWindowExposed(&tips));
    QTest::keyClick(tips.windowHandle(), Qt::Key_Return);   // Enter closes it too
    QVERIFY(!tips.isVisible());
    tips.show();
    QTest::mouseClick(tips.findChild<QPushButton *>("Command1"), Qt::LeftButton);
    QVERIFY(!tips.isVisible());
}

void TestShell::folderShortcut()
{
    Planner p;
    TempAppFolder &app = p.app;
    ScriptedModals &modals = p.modals;
    Session &s = p.s;
    s.shell.lblFilename_Click();
    QVERIFY(QFileInfo(app.file("projects")).isDir());
    QCOMPARE(modals.foldersOpened, QStringList{app.file("projects")});

    // With the folder there, and a project open, it opens the same folder.
    app.write("projects/a.gpj", "x");
    s.document.setFilePath(app.file("projects/a.gpj"));
    s.shell.lblFilename_Click();
    QCOMPARE(modals.foldersOpened, (QStringList{app.file("projects"), app.file("projects")}));
    QCOMPARE(app.read("projects/a.gpj"), QByteArray("x"));
    QVERIFY(modals.asked.isEmpty());

    s.shell.ShowTips();
    QCOMPARE(modals.tipsShown, 1);
}

void TestShell::folderShortcutFailures()
{
    Planner p;
    TempAppFolder &app = p.app;
    ScriptedModals &modals = p.modals;
    Session &s = p.s;
    app.write("projects", "a file where the folder must be");
    s.shell.lblFilename_Click();
    QVERIFY(modals.foldersOpened.isEmpty());
    QCOMPARE(modals.asked.size(), 1);
    QVERIFY(modals.lastText().contains(app.file("projects")));

    QFile::remove(app.file("projects"));
    modals.folderOpens = false;
    s.shell.lblFilename_Click();
    QCOMPARE(modals.asked.size(), 2);
    QVERIFY(modals.lastText().startsWith(QStringLiteral("No file browser could be started")));
}

void TestShell::eventListHandlers()
{
    Planned p;
    EventList &list = p.s.events;
    QSignalSpy changed(&list, &EventList::rowsChanged);
    list.cmdRemoveSelected_Click({});   // nothing selected: silently nothing
    QCOMPARE(changed.count(), 0);
    QCOMPARE(list.shownRows().size(), 3);
    list.cmdConvertToList_Click();
    QCOMPARE(p.modals.clipboard, QStringLiteral("Meeting + 2\r\nShort\r\nCopy\r\n"));
    QCOMPARE(p.modals.lastText(), QStringLiteral("The task lines of the 3 items are on the clipboard."));

    list.cmdRemoveSelected_Click({2, 0, 7});   // a row that is not there is passed over
    QCOMPARE(list.shownRows(), QList<qsizetype>{1});
    QCOMPARE(changed.count(), 1);
    list.cmdConvertToList_Click();
    QCOMPARE(p.modals.clipboard, QStringLiteral("Short\r\n"));
    list.cmdRemove_Click();
    QVERIFY(list.shownRows().isEmpty());
    QVERIFY(list.events().isEmpty());   // out of the list, out of the exports
    // Opening a project brings every row of it.
    QVERIFY(p.s.project.LoadProject(p.app.file("projects/p.gpj")));
    QCOMPARE(list.shownRows().size(), 3);
}

void TestShell::printedLinesAndMessages()
{
    Planned p;
    ScriptedModals &modals = p.modals;
    p.s.events.cmdPrint_Click();
    QCOMPARE(modals.printed.size(), 1);
    // The table of the rows shown, under the project's name and today's date.
    QCOMPARE(modals.printed[0],
             printedLines(p.project(), p.s.document.schedule(), p.s.events.shownRows(), QDate::currentDate()));
    QCOMPARE(modals.printed[0].first(), QStringLiteral("Schedule of Launch"));
    QCOMPARE(modals.printed[0].last(), QStringLiteral("Copy     Content   01/03/2027  01/03/2027"));
    QCOMPARE(modals.asked.last().text, QStringLiteral("Print Job Finished"));
    QCOMPARE(modals.asked.last().title, QStringLiteral("Tarvo"));
    QCOMPARE(modals.asked.last().style, Msg::OkOnly);

    modals.printOutcome = PrintOutcome::Failed;
    p.s.events.cmdPrint_Click();
    QVERIFY(modals.asked.last().text != QStringLiteral("Print Job Finished"));
    QVERIFY(modals.asked.last().text.contains(QStringLiteral("No printer is available.")));

    // A cancelled print dialog: nothing printed, nothing said.
    modals.printOutcome = PrintOutcome::Cancelled;
    const qsizetype asked = modals.asked.size();
    p.s.events.cmdPrint_Click();
    QCOMPARE(modals.asked.size(), asked);
    QCOMPARE(modals.printed.size(), 1);
}

void TestShell::printsToARealPrinter()
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed");
    TempAppFolder app;
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(app.file("out.pdf"));
    QStringList lines = {"Schedule of Launch", "", "Subject   End"};
    for (int i = 1; i <= 120; ++i) // more than a page; narrow and wide letters
        lines << QStringLiteral("%1  %2").arg(i % 2 ? "iiiiiiii" : "WWWWWWWW").arg(i, 3);
    QString error;
    QVERIFY(printLinesOnPrinter(printer, lines, &error));
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), app.file("out.pdf"), QStringLiteral("-")});
    QVERIFY(pdftotext.waitForFinished());
    const QStringList text = QString::fromUtf8(pdftotext.readAllStandardOutput()).split(u'\n');
    QVERIFY(text.contains(QStringLiteral("Schedule of Launch")));
    // A fixed-width font: the second column starts at the same place on every line.
    const auto column = [&text](const QString &cell) {
        for (const QString &line : text) {
            if (line.contains(cell))
                return line.indexOf(cell);
        }
        return qsizetype(-1);
    };
    QVERIFY(column("  1") > 0);
    QCOMPARE(column("  2"), column("  1"));
    QCOMPARE(column("120"), column("  1"));
    QVERIFY(text.join(u'\n').count(u'\f') >= 2); // it went on to a second page
}

QTEST_MAIN(TestShell)
#include "tst_shell.moc"
