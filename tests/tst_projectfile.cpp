// The project file: the reader's rules, the writer's layout to the byte,
// and projects going to disk and back through the real core.
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLocale>
#include <QTest>
#include <string_view>

#include "ScriptedModals.h"
#include "TempAppFolder.h"
#include "project/IniIndex.h"
#include "project/WorkingState.h"

namespace {

struct Project {
    TempAppFolder app;
    ScriptedModals modals;
    WorkingState s{app.path(), modals};

    // Adds a sub-goal the way the user does: its name, then its tasks and
    // due date with the card selected.
    void add(const QString &name, const QString &tasks = {}, const QDate &due = {})
    {
        s.lblGoal_Click(0);
        s.txtSubGoal_Change(name);
        s.txtSubGoal_KeyPress(13);
        const int card = int(s.lstSubGoals.size());
        s.lblGoal_Click(card);
        if (!tasks.isNull()) {
            s.txtGoalTasks_Change(tasks, true);
            s.txtGoalTasks_KeyUp();
        }
        if (due.isValid()) {
            s.setCalendar1(due);
            s.setChkDueDate(true);
        }
        s.lblGoal_Click(0);
    }
    void drawKeys(QList<int> draws)
    {
        s.KestrelTools1.randomSource = [draws](int) mutable { return draws.isEmpty() ? 0 : draws.takeFirst(); };
    }
    bool saveAs(const QString &name)
    {
        s.CurrentProjectFile = s.projectsFolder() + name + ".gpj";
        return s.SaveProject();
    }
    QByteArray file(const QString &name) const { return app.read("projects/" + name + ".gpj"); }
    void writeFile(const QString &name, const QByteArray &bytes) { app.write("projects/" + name + ".gpj", bytes); }
    void open(const QString &name)
    {
        s.NewProject();
        s.LoadProject(s.projectsFolder() + name + ".gpj");
    }
    QByteArray taskFile(int card) const { return app.read("tmp/" + s.cards[card].lblGoal_Tag + ".txt"); }
    int cardsInUse() const
    {
        int n = 0;
        for (int i = 1; i <= 8; ++i)
            n += s.cards[i].picGoal_Visible ? 1 : 0;
        return n;
    }
};

const QByteArray kWorkedExample =
    "[Project]\r\n"
    "Name=Launch website\r\n"
    "[Goals]\r\n"
    "Goal1=4521-877-6010\r\n"
    "Goal1_Name=Design\r\n"
    "Goal1_Due=15/03/2024\r\n"
    "Goal1_Tasks=3\r\n"
    "Goal1_Task1=Pick colours\r\n"
    "Goal1_Task2=Draw logo + 3\r\n"
    "Goal1_Task3=Mock up pages\r\n"
    "Goal2=812-1290-377\r\n"
    "Goal2_Name=Content\r\n"
    "Goal2_Due=\r\n"
    "Goal2_Tasks=0\r\n";

} // namespace

class TestProjectFile : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom)); }

    void readerRules_data();
    void readerRules();
    void valuesSurviveTheWriter_data();
    void valuesSurviveTheWriter();
    void readerSurvivesJunk();

    void workedExampleWrittenToTheByte();
    void workedExampleReadBack();
    void emptyProjectIsThreeLines();
    void roundTrips_data();
    void roundTrips();
    void awkwardTaskLinesComeBackUnchanged();
    void noLineBreakInsideAValue();
    void savingTwiceGivesIdenticalBytes();
    void missingAndEmptyTaskFiles();

    void gapStopsTheGoals();
    void windows1252File();
    void taskCounts_data();
    void taskCounts();
    void hugeTaskCountsReadOnlyThePresentLines();
    void separatorInANameKeepsTheKey();
    void unsafeKeyIsRefused();

    void largeProjectIsQuick();
};

void TestProjectFile::readerRules_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("expected");

    const QString crlf = "[Goals]\r\nGoal1=a\r\nGoal2=b\r\n";
    QTest::newRow("plain") << crlf << "Goals" << "Goal2" << "b";
    QTest::newRow("section in capitals") << crlf << "GOALS" << "goal1" << "a";
    QTest::newRow("file in other cases") << "[gOaLs]\r\ngOAL1_nAME=x\r\n" << "GOALS" << "Goal1_Name" << "x";
    QTest::newRow("missing key") << crlf << "Goals" << "Goal3" << "";
    QTest::newRow("missing section") << crlf << "Project" << "Goal1" << "";
    QTest::newRow("key of another section") << "[A]\r\nk=1\r\n[B]\r\nj=2\r\n" << "B" << "k" << "";
    QTest::newRow("first of two equal keys") << "[S]\r\nk=first\r\nK=second\r\n" << "S" << "k" << "first";
    QTest::newRow("first section of a name") << "[S]\r\nk=1\r\n[T]\r\n[s]\r\nk=2\r\nj=3\r\n" << "S" << "j" << "";
    QTest::newRow("value with =") << "[S]\r\nk=a=b==c\r\n" << "S" << "k" << "a=b==c";
    QTest::newRow("empty value") << "[S]\r\nk=\r\n" << "S" << "k" << "";
    QTest::newRow("blanks trimmed") << "[S]\r\nk=  a b \t\r\n" << "S" << "k" << "a b";
    QTest::newRow("blanks around key") << "[S]\r\n  k \t= v\r\n" << "S" << "k" << "v";
    QTest::newRow("section line indented") << "  [ S ]  \r\nk=v\r\n" << "S" << "k" << "v";
    QTest::newRow("double quotes removed") << "[S]\r\nk=\" a \"\r\n" << "S" << "k" << " a ";
    QTest::newRow("single quotes removed") << "[S]\r\nk='a'\r\n" << "S" << "k" << "a";
    QTest::newRow("only one pair removed") << "[S]\r\nk=\"\"a\"\"\r\n" << "S" << "k" << "\"a\"";
    QTest::newRow("quotes outside blanks") << "[S]\r\nk=  \"a\"  \r\n" << "S" << "k" << "a";
    QTest::newRow("unmatched quotes kept") << "[S]\r\nk=\"a'\r\n" << "S" << "k" << "\"a'";
    QTest::newRow("one quote kept") << "[S]\r\nk=\"\r\n" << "S" << "k" << "\"";
    QTest::newRow("inner quotes kept") << "[S]\r\nk=say \"hi\"\r\n" << "S" << "k" << "say \"hi\"";
    QTest::newRow("LF endings") << "[S]\nk=a\nj=b\n" << "S" << "j" << "b";
    QTest::newRow("lone CR endings") << "[S]\rk=a\rj=b" << "S" << "j" << "b";
    QTest::newRow("no final line break") << "[S]\r\nk=last" << "S" << "k" << "last";
    QTest::newRow("key before any section") << "k=0\r\n[S]\r\nk=1\r\n" << "S" << "k" << "1";
    QTest::newRow("line without =") << "[S]\r\nk\r\nk=1\r\n" << "S" << "k" << "1";
    QTest::newRow("long value whole") << "[S]\r\nk=" + QString(300, u'x') + "\r\n" << "S" << "k" << QString(300, u'x');
    QTest::newRow("accents in the key's case") << "[S]\r\nÉTÉ=x\r\n" << "S" << "été" << "x";
}

void TestProjectFile::readerRules()
{
    QFETCH(QString, text);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, expected);
    const IniIndex index(text);
    QCOMPARE(index.value(section, key), expected);
}

void TestProjectFile::valuesSurviveTheWriter_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("plain");   // written as it is, without quotes
    QTest::newRow("empty") << "" << true;
    QTest::newRow("word") << "Pick colours" << true;
    QTest::newRow("with =") << "a=b" << true;
    QTest::newRow("leading blank") << " indented" << false;
    QTest::newRow("leading tab") << "\tindented" << false;
    QTest::newRow("trailing blank") << "end " << false;
    QTest::newRow("only blanks") << "   " << false;
    QTest::newRow("double-quoted") << "\"quoted\"" << false;
    QTest::newRow("single-quoted") << "'quoted'" << false;
    QTest::newRow("two quotes") << "\"\"" << false;
    QTest::newRow("mixed quotes") << "\"half'" << true;
    QTest::newRow("one quote") << "\"" << true;
    QTest::newRow("quote inside") << "say \"hi\" now" << true;
    QTest::newRow("long") << QString(300, u'y') << true;
}

void TestProjectFile::valuesSurviveTheWriter()
{
    QFETCH(QString, value);
    QFETCH(bool, plain);
    const QString written = IniIndex::writeValue(value);
    QCOMPARE(written == value, plain);
    const IniIndex index(QString("[S]\r\nk=" + written + "\r\n"));
    QCOMPARE(index.value(u"S", u"k"), value);
}

void TestProjectFile::readerSurvivesJunk()
{
    // Binary junk, NUL bytes, a BOM, unbalanced brackets: no crash, and
    // what can be read is read.
    QByteArray junk;
    for (int i = 0; i < 200000; ++i)
        junk.append(char((i * 7919 + 13) % 256));
    IniIndex fromJunk(KestrelFile::decode(junk));
    Q_UNUSED(fromJunk.value(u"Goals", u"Goal1"));
    Q_UNUSED(fromJunk.highestNumber(u"Goals", u"Goal1_Task"));

    using namespace std::literals;
    constexpr auto raw = "\xEF\xBB\xBF[Project]\r\nName=a\0b\r\n[\r\n]\r\n=\r\n[Goals]\r\nGoal1=k\r\n"sv;
    const IniIndex index(KestrelFile::decode(QByteArray(raw.data(), qsizetype(raw.size()))));
    QCOMPARE(index.value(u"PROJECT", u"Name"), QString::fromUtf16(u"a\0b", 3));
    QCOMPARE(index.value(u"GOALS", u"Goal1"), QString("k"));
}

void TestProjectFile::workedExampleWrittenToTheByte()
{
    Project p;
    p.drawKeys({4421, 577, 5710, 712, 990, 77});
    p.s.txtProjectName_KeyUp("Launch website");
    p.add("Design", "Pick colours\r\nDraw logo + 3\r\nMock up pages", QDate(2024, 3, 15));
    p.add("Content");
    QVERIFY(p.saveAs("Launch"));
    QCOMPARE(p.file("Launch"), kWorkedExample);
    QCOMPARE(p.s.ProjectChanged, false);
    QCOMPARE(p.modals.lastText(), QString("Ready! Project saved."));
}

void TestProjectFile::workedExampleReadBack()
{
    Project p;
    p.writeFile("Launch", kWorkedExample);
    p.app.write("tmp/812-1290-377.txt", "left from before\r\n");
    p.open("Launch");

    const WorkingState &s = p.s;
    QCOMPARE(s.txtProjectName, QString("Launch website"));
    QCOMPARE(s.cards[0].lblGoal_Caption, QString("Launch website"));
    QCOMPARE(p.cardsInUse(), 2);
    QCOMPARE(s.cards[1].lblGoal_Caption, QString("Design"));
    QCOMPARE(s.cards[1].lblGoal_Tag, QString("4521-877-6010"));
    QCOMPARE(s.cards[1].lblDueDateDate_Tag, QString("15/03/2024"));
    QCOMPARE(s.cards[1].lblDueDateDate_Caption, QString("Due Date: 15/03/2024"));
    QVERIFY(s.cards[1].lblDueDateDate_Visible && s.cards[1].shDueDate_Visible);
    QCOMPARE(s.cards[1].lblTasks_Total, QString("Tasks: 3"));
    QCOMPARE(p.taskFile(1), QByteArray("Pick colours\r\nDraw logo + 3\r\nMock up pages\r\n"));
    QCOMPARE(s.cards[2].lblGoal_Tag, QString("812-1290-377"));
    QVERIFY(!s.cards[2].lblDueDateDate_Visible && !s.cards[2].shDueDate_Visible);
    QCOMPARE(s.cards[2].lblDueDateDate_Tag, QString());
    QCOMPARE(p.taskFile(2), QByteArray());   // "_Tasks=0" empties what was left in tmp/
    QCOMPARE(s.cards[2].lblTasks_Total, QString("Tasks: 0"));
    QCOMPARE(s.lstSubGoals, QStringList({"Design", "Content"}));
    QCOMPARE(s.lstDueDates, QStringList({"15/03/2024", "."}));
    QCOMPARE(s.SelectedGoalIndex, 0);
    QCOMPARE(s.RebuildingCards, false);
    QCOMPARE(p.modals.asked.size(), 0);
}

void TestProjectFile::emptyProjectIsThreeLines()
{
    Project p;
    QVERIFY(p.saveAs("Empty"));
    QCOMPARE(p.file("Empty"), QByteArray("[Project]\r\nName=My Goal\r\n[Goals]\r\n"));
    p.open("Empty");
    QCOMPARE(p.cardsInUse(), 0);
    QVERIFY(p.s.lstSubgoalsAndKeys.isEmpty() && p.s.lstDueDates.isEmpty() && p.s.lstSubGoals.isEmpty());
}

void TestProjectFile::roundTrips_data()
{
    QTest::addColumn<int>("goals");
    QTest::newRow("none") << 0;
    QTest::newRow("one") << 1;
    QTest::newRow("eight") << 8;
}

void TestProjectFile::roundTrips()
{
    QFETCH(int, goals);
    Project p;
    p.s.txtProjectName_KeyUp("Round trip");
    for (int i = 1; i <= goals; ++i) {
        QString tasks;
        for (int k = 1; k <= i; ++k)
            tasks += QString("Task %1 of %2%3\r\n").arg(k).arg(i).arg(k % 2 ? " --" : "");
        p.add(QString("Goal #%1").arg(i), tasks, i % 2 ? QDate(2025, i, 10 + i) : QDate());
    }
    struct Card { QString caption, key, due, counters; QByteArray tasks; };
    QList<Card> before;
    for (int i = 1; i <= goals; ++i) {
        const GoalCard &c = p.s.cards[i];
        before.append({c.lblGoal_Caption, c.lblGoal_Tag, c.lblDueDateDate_Tag,
                       c.lblTasks_Total + c.lblTasks_Completed + c.lblTasks_Pending, p.taskFile(i)});
    }
    QVERIFY(p.saveAs("Trip"));

    // A second program run: tmp/ is emptied at start-up.
    for (const QString &name : QDir(p.s.tmpFolder()).entryList(QDir::Files))
        QFile::remove(p.s.tmpFolder() + name);
    ScriptedModals modals;
    WorkingState fresh(p.app.path(), modals);
    fresh.NewProject();
    fresh.LoadProject(p.s.projectsFolder() + "Trip.gpj");

    QCOMPARE(fresh.txtProjectName, QString("Round trip"));
    for (int i = 1; i <= 8; ++i)
        QCOMPARE(fresh.cards[i].picGoal_Visible, i <= goals);
    for (int i = 1; i <= goals; ++i) {
        const GoalCard &c = fresh.cards[i];
        QCOMPARE(c.lblGoal_Caption, before[i - 1].caption);
        QCOMPARE(c.lblGoal_Tag, before[i - 1].key);
        QCOMPARE(c.lblDueDateDate_Tag, before[i - 1].due);
        QCOMPARE(c.lblTasks_Total + c.lblTasks_Completed + c.lblTasks_Pending, before[i - 1].counters);
        QCOMPARE(p.app.read("tmp/" + c.lblGoal_Tag + ".txt"), before[i - 1].tasks);
        QCOMPARE(fresh.lstSubGoals.at(i - 1), before[i - 1].caption);
    }
    QCOMPARE(fresh.lstSubGoals.size(), goals);
    QCOMPARE(modals.asked.size(), 0);
}

void TestProjectFile::awkwardTaskLinesComeBackUnchanged()
{
    const QStringList lines = {QString(300, u'L'), "   indented task", "trailing blanks   ", "\"quoted task\"",
                               "'single'", "a = b = c", "", "\t tab"};
    Project p;
    p.s.txtProjectName_KeyUp("  spaced name ");
    p.add("Odd", lines.join("\r\n") + "\r\n");
    QVERIFY(p.saveAs("Odd"));
    p.open("Odd");
    QCOMPARE(p.s.txtProjectName, QString("  spaced name "));
    QCOMPARE(p.taskFile(1), (lines.join("\r\n") + "\r\n").toUtf8());
    // Values that would not change are written plain, as the layout says.
    QVERIFY(p.file("Odd").contains("Goal1_Task6=a = b = c\r\n"));
    QVERIFY(p.file("Odd").contains("Goal1_Task7=\r\n"));
}

void TestProjectFile::noLineBreakInsideAValue()
{
    Project p;
    p.s.txtProjectName_KeyUp("two\nlines");
    p.add("Pasted");
    // A lone CR pasted into a task stays inside its line in the task file.
    p.app.write("tmp/" + p.s.cards[1].lblGoal_Tag + ".txt", "one\rtwo\r\nthree\r\n");
    QVERIFY(p.saveAs("Breaks"));
    const QByteArray bytes = p.file("Breaks");
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\r')
            QVERIFY2(i + 1 < bytes.size() && bytes[i + 1] == '\n', "a CR without LF");
        if (bytes[i] == '\n')
            QVERIFY2(i > 0 && bytes[i - 1] == '\r', "an LF without CR");
    }
    QVERIFY(bytes.contains("Name=two lines\r\n"));
    QVERIFY(bytes.contains("Goal1_Tasks=2\r\nGoal1_Task1=one two\r\nGoal1_Task2=three\r\n"));
}

void TestProjectFile::savingTwiceGivesIdenticalBytes()
{
    Project p;
    p.add("A", "x --\r\ny", QDate(2026, 1, 2));
    p.add("B", " z ");
    QVERIFY(p.saveAs("Twice"));
    const QByteArray first = p.file("Twice");
    QVERIFY(p.s.SaveProject());
    QCOMPARE(p.file("Twice"), first);
    // Opened and saved again, it is still the same file.
    p.open("Twice");
    p.s.CurrentProjectFile = p.s.projectsFolder() + "Twice.gpj";
    QVERIFY(p.s.SaveProject());
    QCOMPARE(p.file("Twice"), first);
}

void TestProjectFile::missingAndEmptyTaskFiles()
{
    Project p;
    p.add("Gone", "a\r\nb");
    p.add("Empty", "");
    p.add("After", "c");
    QFile::remove(p.app.file("tmp/" + p.s.cards[1].lblGoal_Tag + ".txt"));
    QVERIFY(p.saveAs("Tasks"));
    const QByteArray bytes = p.file("Tasks");
    QVERIFY(bytes.contains("Goal1_Name=Gone\r\nGoal1_Due=\r\nGoal1_Tasks=0\r\nGoal2="));
    QVERIFY(bytes.contains("Goal2_Tasks=0\r\nGoal3="));
    QVERIFY(bytes.contains("Goal3_Tasks=1\r\nGoal3_Task1=c\r\n"));
}

void TestProjectFile::gapStopsTheGoals()
{
    Project p;
    p.writeFile("Gap", "[Project]\r\nName=G\r\n[Goals]\r\nGoal1=1-2-3\r\nGoal1_Name=One\r\nGoal1_Tasks=0\r\n"
                       "Goal3=7-8-9\r\nGoal3_Name=Three\r\nGoal3_Tasks=1\r\nGoal3_Task1=x\r\n");
    p.open("Gap");
    QCOMPARE(p.cardsInUse(), 1);
    QCOMPARE(p.s.cards[1].lblGoal_Caption, QString("One"));
    QCOMPARE(p.s.lstSubgoalsAndKeys.size(), 1);
    QVERIFY(!p.app.exists("tmp/7-8-9.txt"));
}

void TestProjectFile::windows1252File()
{
    Project p;
    // "Café crème", "Übersicht", "naïve €5 – done --" in Windows-1252.
    p.writeFile("Legacy", "[Project]\r\nName=Caf\xE9 cr\xE8me\r\n[Goals]\r\nGoal1=1-2-3\r\nGoal1_Name=\xDC" "bersicht\r\n"
                          "Goal1_Tasks=1\r\nGoal1_Task1=na\xEFve \x80" "5 \x96 done --\r\n");
    p.open("Legacy");
    QCOMPARE(p.s.txtProjectName, QString::fromUtf8("Café crème"));
    QCOMPARE(p.s.cards[1].lblGoal_Caption, QString::fromUtf8("Übersicht"));
    QCOMPARE(p.taskFile(1), QString::fromUtf8("naïve €5 – done --\r\n").toUtf8());
    QCOMPARE(p.s.cards[1].lblTasks_Completed, QString("Completed: 1"));
}

void TestProjectFile::taskCounts_data()
{
    QTest::addColumn<QString>("count");
    QTest::addColumn<QByteArray>("taskFile");
    const QByteArray all = "a\r\nb\r\nc\r\n";
    QTest::newRow("number") << "3" << all;
    QTest::newRow("fewer than present") << "2" << QByteArray("a\r\nb\r\n");
    QTest::newRow("more than present") << "5" << all;
    QTest::newRow("fraction") << "2.9" << QByteArray("a\r\nb\r\n");
    QTest::newRow("plus sign") << "+1" << QByteArray("a\r\n");
    QTest::newRow("empty") << "" << QByteArray();
    QTest::newRow("word") << "three" << QByteArray();
    QTest::newRow("number and word") << "3 tasks" << QByteArray();
    QTest::newRow("negative") << "-3" << QByteArray();
    QTest::newRow("exponent") << "1e3" << QByteArray();
}

void TestProjectFile::taskCounts()
{
    QFETCH(QString, count);
    QFETCH(QByteArray, taskFile);
    Project p;
    p.app.write("tmp/1-2-3.txt", "stale\r\n");
    p.writeFile("Count", "[Goals]\r\nGoal1=1-2-3\r\nGoal1_Name=N\r\nGoal1_Tasks=" + count.toUtf8()
                             + "\r\nGoal1_Task1=a\r\nGoal1_Task2=b\r\nGoal1_Task3=c\r\n");
    p.open("Count");
    QCOMPARE(p.taskFile(1), taskFile);
}

void TestProjectFile::hugeTaskCountsReadOnlyThePresentLines()
{
    Project p;
    p.writeFile("Huge", "[Goals]\r\nGoal1=1-2-3\r\nGoal1_Name=N\r\nGoal1_Tasks=2000000000\r\n"
                        "Goal1_Task1=a\r\nGoal1_Task2=b\r\n"
                        "Goal2=4-5-6\r\nGoal2_Name=M\r\nGoal2_Tasks=99999999999999999999999\r\n"
                        "Goal2_Task1=c\r\nGoal2_Task2000000000=far away\r\n");
    QElapsedTimer timer;
    timer.start();
    p.open("Huge");
    QVERIFY(timer.elapsed() < 3000);
    QCOMPARE(p.taskFile(1), QByteArray("a\r\nb\r\n"));
    QCOMPARE(p.taskFile(2), QByteArray("c\r\n"));
    QCOMPARE(p.cardsInUse(), 2);
}

void TestProjectFile::separatorInANameKeepsTheKey()
{
    Project p;
    p.writeFile("Sep", QString("[Goals]\r\nGoal1=1-2-3\r\nGoal1_Name=a¨b\r\nGoal1_Tasks=0\r\n").toUtf8());
    p.open("Sep");
    QCOMPARE(p.s.cards[1].lblGoal_Caption, QString("a¨b"));
    QCOMPARE(p.s.cards[1].lblGoal_Tag, QString("1-2-3"));
}

void TestProjectFile::unsafeKeyIsRefused()
{
    Project p;
    p.writeFile("Evil", "[Project]\r\nName=E\r\n[Goals]\r\nGoal1=../../outside\r\nGoal1_Name=N\r\n"
                        "Goal1_Tasks=1\r\nGoal1_Task1=x\r\n");
    p.s.CurrentProjectFile = p.s.projectsFolder() + "Evil.gpj";
    p.open("Evil");
    QVERIFY(!QFile::exists(p.app.path() + "/tmp/../../outside.txt"));
    QCOMPARE(p.modals.asked.size(), 1);
    QCOMPARE(p.modals.asked[0].title, QString("Open Failed"));
    QVERIFY(p.modals.asked[0].text.contains("Evil.gpj"));
    QCOMPARE(p.s.CurrentProjectFile, QString());
    QCOMPARE(p.cardsInUse(), 0);
}

void TestProjectFile::largeProjectIsQuick()
{
    // 8 sub-goals of 10,000 tasks each: saving and opening are linear.
    Project p;
    for (int i = 1; i <= 8; ++i) {
        QString tasks;
        for (int k = 1; k <= 10000; ++k)
            tasks += QString("Sub-goal %1, task number %2 with some words --\r\n").arg(i).arg(k);
        p.add(QString("Goal %1").arg(i), tasks);
    }
    QElapsedTimer timer;
    timer.start();
    QVERIFY(p.saveAs("Large"));
    const qint64 saving = timer.restart();
    p.open("Large");
    const qint64 opening = timer.elapsed();
    qInfo("save %lld ms, open %lld ms", saving, opening);
    QVERIFY(saving < 3000);
    QVERIFY(opening < 3000);
    QCOMPARE(p.s.cards[8].lblTasks_Total, QString("Tasks: 10000"));
}

QTEST_GUILESS_MAIN(TestProjectFile)
#include "tst_projectfile.moc"
