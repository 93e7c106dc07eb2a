// The project file: the reader's rules, the layout to the byte, and
// projects going to disk and back through the real core.
#include <QDir>
#include <QSet>
#include <QLocale>
#include <QTest>

#include "ScriptedModals.h"
#include "TempAppFolder.h"
#include "component/KestrelFile.h"
#include "project/GpjFormat.h"
#include "project/IniIndex.h"
#include "project/WorkingState.h"

Q_DECLARE_METATYPE(Project)

namespace {

struct ProjectFixture {
    TempAppFolder app;
    ScriptedModals modals;
    WorkingState s{app.path(), modals};

    // A sub-goal added as the user does it: name, then tasks and due date.
    void add(const QString &name, const QString &tasks = {}, const QDate &due = {})
    {
        s.dashboard.lblGoal_Click(0);
        s.dashboard.txtSubGoal_Change(name);
        s.dashboard.txtSubGoal_KeyPress(13);
        s.dashboard.lblGoal_Click(int(s.lstSubGoals.size()));
        s.tasks.txtGoalTasks_Change(tasks);
        s.tasks.txtGoalTasks_KeyUp();
        if (due.isValid()) {
            s.dueDates.setCalendar1(due);
            s.dueDates.setChkDueDate(true);
        }
        s.dashboard.lblGoal_Click(0);
    }
    bool save(const QString &name)
    {
        s.CurrentProjectFile = s.projectsFolder() + name + ".gpj";
        return s.project.SaveProject();
    }
    QByteArray file(const QString &name) const { return app.read("projects/" + name + ".gpj"); }
    void open(const QString &name, const QByteArray &bytes = {})
    {
        if (!bytes.isEmpty())
            app.write("projects/" + name + ".gpj", bytes);
        s.project.NewProject();
        s.project.LoadProject(s.projectsFolder() + name + ".gpj");
    }
    QByteArray tasks(int card) const { return app.read("tmp/" + s.cards[card].lblGoal_Tag + ".txt"); }
    int cardsInUse() const
    {
        int n = 0;
        for (int i = 1; i <= 8; ++i)
            n += s.cards[i].picGoal_Visible;
        return n;
    }
};

} // namespace

class TestProjectFile : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom)); }
    void readerRules_data();
    void readerRules();
    void valuesSurviveTheWriter_data();
    void valuesSurviveTheWriter();
    void workedExample();
    void formatFunctions_data();
    void formatFunctions();
    void readersAgree_data();
    void readersAgree();
    void taskLinesOfAGoal_data();
    void taskLinesOfAGoal();
    void keysThatCannotNameATaskFile_data();
    void keysThatCannotNameATaskFile();
    void roundTrips_data();
    void roundTrips();
    void noLineBreakInsideAValue();
    void filesNotWrittenByUs();
    void taskFilesAreReadAgainAfterALoad();
    void taskCounts_data();
    void taskCounts();
    void largeProjectIsQuick();
};

void TestProjectFile::readerRules_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("key");   // asked in section "GOALS"
    QTest::addColumn<QString>("expected");
    QTest::newRow("letter case") << "[gOaLs]\r\ngOAL1_nAME=x\r\n" << "Goal1_Name" << "x";
    QTest::newRow("first of two keys") << "[Goals]\r\nk=first\r\nK=second\r\n" << "k" << "first";
    QTest::newRow("numbered, letter case") << "[Goals]\r\nGOAL1_TASK2=x\r\n" << "goal1_Task2" << "x";
    QTest::newRow("numbered, first of two") << "[Goals]\r\nt1=a\r\nT1=b\r\n" << "t1" << "a";
    QTest::newRow("leading zero, its own key") << "[Goals]\r\nt05=a\r\nt5=b\r\n" << "t05" << "a";
    QTest::newRow("without the zero") << "[Goals]\r\nt05=a\r\nt5=b\r\n" << "t5" << "b";
    QTest::newRow("number beyond the lines") << "[Goals]\r\nt999=far\r\n" << "t999" << "far";
    QTest::newRow("stems of other case in turn") << "[Goals]\r\nt1=a\r\nT2=b\r\nt3=c\r\n" << "T3" << "c";
    QTest::newRow("non-ASCII case") << QString::fromUtf8("[Goals]\r\n\xC3\x84hnlich1=x\r\n")
                                    << QString::fromUtf8("\xC3\xA4HNLICH1") << "x";
    QTest::newRow("first section only") << "[Goals]\r\n[X]\r\n[goals]\r\nk=2\r\n" << "k" << "";
    QTest::newRow("other section") << "[X]\r\nk=1\r\n[Goals]\r\n" << "k" << "";
    QTest::newRow("value with =") << "[Goals]\r\nk=a=b==c\r\n" << "k" << "a=b==c";
    QTest::newRow("blanks trimmed") << "[Goals]\r\n  k \t=  a b \t\r\n" << "k" << "a b";
    QTest::newRow("double quotes") << "[Goals]\r\nk=\" a \"\r\n" << "k" << " a ";
    QTest::newRow("single quotes") << "[Goals]\r\nk=  'a'  \r\n" << "k" << "a";
    QTest::newRow("one pair only") << "[Goals]\r\nk=\"\"a\"\"\r\n" << "k" << "\"a\"";
    QTest::newRow("unmatched quotes") << "[Goals]\r\nk=\"a'\r\n" << "k" << "\"a'";
    QTest::newRow("LF lines") << "[Goals]\nk=a\nj=b\n" << "j" << "b";
    QTest::newRow("lone CR lines") << "[Goals]\rk=a\rj=b" << "j" << "b";
    QTest::newRow("300 characters") << "[Goals]\r\nk=" + QString(300, u'x') << "k" << QString(300, u'x');
    QTest::newRow("BOM and stray lines") << QString::fromUtf8("\xEF\xBB\xBF[Goals]\r\n[\r\n]\r\n=\r\n[Goals]\r\nk=1")
                                 << "k" << "";
}

void TestProjectFile::readerRules()
{
    QFETCH(QString, text);
    QFETCH(QString, key);
    QFETCH(QString, expected);
    QCOMPARE(IniIndex(KestrelFile::decode(text.toUtf8())).value(u"GOALS", key), expected);
}

void TestProjectFile::valuesSurviveTheWriter_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("plain");   // written as it is
    QTest::newRow("empty") << "" << true;
    QTest::newRow("with =") << "a = b" << true;
    QTest::newRow("indented") << "  indented" << false;
    QTest::newRow("tab at end") << "end\t" << false;
    QTest::newRow("only blanks") << "   " << false;
    QTest::newRow("double-quoted") << "\"quoted\"" << false;
    QTest::newRow("single-quoted") << "'quoted'" << false;
    QTest::newRow("mixed quotes") << "\"half'" << true;
    QTest::newRow("one quote") << "\"" << true;
}

void TestProjectFile::valuesSurviveTheWriter()
{
    QFETCH(QString, value);
    QFETCH(bool, plain);
    const QString written = IniIndex::writeValue(value);
    QCOMPARE(written == value, plain);
    QCOMPARE(IniIndex(QString("[S]\r\nk=" + written + "\r\n")).value(u"S", u"k"), value);
}

void TestProjectFile::workedExample()
{
    const QByteArray example = "[Project]\r\nName=Launch website\r\n[Goals]\r\n"
                               "Goal1=4521-877-6010\r\nGoal1_Name=Design\r\nGoal1_Due=15/03/2024\r\nGoal1_Tasks=3\r\n"
                               "Goal1_Task1=Pick colours\r\nGoal1_Task2=Draw logo + 3\r\nGoal1_Task3=Mock up pages\r\n"
                               "Goal2=812-1290-377\r\nGoal2_Name=Content\r\nGoal2_Due=\r\nGoal2_Tasks=0\r\n";
    ProjectFixture p;
    QList<int> draws = {4421, 577, 5710, 712, 990, 77};
    p.s.KestrelTools1.randomSource = [&](int) { return draws.takeFirst(); };
    p.s.dashboard.txtProjectName_KeyUp("Launch website");
    p.add("Design", "Pick colours\r\nDraw logo + 3\r\nMock up pages", QDate(2024, 3, 15));
    p.add("Content");
    QVERIFY(p.save("Launch"));
    QCOMPARE(p.file("Launch"), example);

    ProjectFixture q;
    q.app.write("tmp/812-1290-377.txt", "typed, never saved\r\n");
    q.open("Launch", example);
    const GoalCard &design = q.s.cards[1];
    QCOMPARE(q.s.txtProjectName, QString("Launch website"));
    QCOMPARE(design.lblGoal_Caption + design.lblGoal_Tag, QString("Design4521-877-6010"));
    QCOMPARE(design.lblDueDateDate_Caption, QString("Due Date: 15/03/2024"));
    QVERIFY(design.lblDueDateDate_Visible && design.shDueDate_Visible);
    QCOMPARE(design.lblTasks_Total, QString("Tasks: 3"));
    QCOMPARE(q.tasks(1), QByteArray("Pick colours\r\nDraw logo + 3\r\nMock up pages\r\n"));
    QVERIFY(!q.s.cards[2].lblDueDateDate_Visible && q.s.cards[2].lblDueDateDate_Tag.isEmpty());
    QCOMPARE(q.tasks(2), QByteArray());   // "_Tasks=0" replaces what tmp/ held
    QCOMPARE(q.s.lstDueDates, QStringList({"15/03/2024", "."}));
    QCOMPARE(q.s.SelectedGoalIndex, 0);
    QVERIFY(q.modals.asked.isEmpty());
}

// The format as pure functions: a file's text to a project value, and the
// value written back reads as itself.
void TestProjectFile::formatFunctions_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<Project>("project");
    QTest::addColumn<bool>("isProject");
    const QString head = "[Project]\r\nName=P\r\n[Goals]\r\n";
    QTest::newRow("no sub-goals") << head << Project{"P", {}} << true;
    QTest::newRow("worked example")
        << head + "Goal1=4521-877-6010\r\nGoal1_Name=Design\r\nGoal1_Due=15/03/2024\r\nGoal1_Tasks=2\r\n"
                  "Goal1_Task1=Pick colours\r\nGoal1_Task2=Draw logo + 3\r\nGoal2=812-1290-377\r\nGoal2_Name=Content\r\n"
        << Project{"P", {{"4521-877-6010", "Design", "15/03/2024", "Pick colours\r\nDraw logo + 3\r\n"},
                         {"812-1290-377", "Content", "", ""}}}
        << true;
    QTest::newRow("blank name keeps its sub-goal") << head + "Goal1=1-2-3\r\nGoal1_Name=   \r\nGoal2=4-5-6\r\n"
                                                   << Project{"P", {{"1-2-3", "", "", ""}, {"4-5-6", "", "", ""}}} << true;
    QTest::newRow("stops at the first missing key") << head + "Goal1=1-2-3\r\nGoal2_Name=Lost\r\nGoal3=7-8-9\r\n"
                                                    << Project{"P", {{"1-2-3", "", "", ""}}} << true;
    QTest::newRow("count beyond the lines") << head + "Goal1=1-2-3\r\nGoal1_Tasks=9\r\nGoal1_Task1=a\r\nGoal1_Task3=c\r\n"
                                            << Project{"P", {{"1-2-3", "", "", "a\r\n\r\nc\r\n"}}} << true;
    QTest::newRow("goals only") << "[Goals]\r\nGoal1=1-2-3\r\n" << Project{"", {{"1-2-3", "", "", ""}}} << true;
    QTest::newRow("no project sections") << "Dear diary,\r\nName=not a project\r\n" << Project{} << false;
}

void TestProjectFile::formatFunctions()
{
    QFETCH(QString, file);
    QFETCH(Project, project);
    QFETCH(bool, isProject);
    const Gpj::ReadResult read = Gpj::read(IniIndex(file));
    QVERIFY(read.project == project);
    QVERIFY(Gpj::readFile(file.toUtf8()).project == project);
    QCOMPARE(!read.noProjectSections, isProject);
    const QString written = Gpj::write(project);
    QVERIFY(Gpj::read(IniIndex(written)).project == project);
    QVERIFY(written.startsWith("[Project]\r\nName=" + project.name + "\r\n[Goals]\r\n"));
}

// A file as Tarvo writes it is read in one pass from its bytes; every near
// miss must fall back to the general reader and give what it gives.
void TestProjectFile::readersAgree_data()
{
    QTest::addColumn<QByteArray>("file");
    const QString head = "[Project]\r\nName=P\r\nStart=2026-01-05\r\nWorkWeek=1111100\r\n[Goals]\r\n";
    const QString goal = "Goal1=1-2-3\r\nGoal1_Name=N\r\nGoal1_Due=01/02/2026\r\nGoal1_Tasks=2\r\n";
    const QString tasks = "Goal1_Task1=a --\r\nGoal1_Task2=\"b\"\r\n";
    const auto row = [](const char *name, const QString &text) { QTest::newRow(name) << text.toUtf8(); };
    row("as written", head + goal + tasks);
    row("lower-case keys", head + goal.toLower() + tasks.toLower());
    row("a key twice", head + goal + tasks + "Goal1_Task2=c\r\n");
    row("a key more", head + goal + tasks + "Note=x\r\n");
    row("count with a leading zero", head + QString(goal).replace("Tasks=2", "Tasks=02") + tasks);
    row("count short", head + QString(goal).replace("Tasks=2", "Tasks=1") + tasks);
    row("task numbered 01", head + goal + QString(tasks).replace("Task1=", "Task01="));
    row("lone CR in a value", head + goal + QString(tasks).replace("a --", "a\r--"));
    row("LF breaks", QString(head + goal + tasks).replace("\r\n", "\n"));
    row("no last break", head + goal + tasks.chopped(2));
    row("empty key ends the goals", head + "Goal1=\r\n" + goal);
    row("blanks around =", head + QString(goal).replace("Goal1_Name=", "Goal1_Name = ") + tasks);
    row("marks and other scripts",
        QChar(0xFEFF) + head + goal + QString(tasks).replace("a --", QString(QChar(0xFEFF)) + "äö 日本 🙂 --"));
    QString nine = head;
    for (int n = 1; n <= 9; ++n)
        nine += QString("Goal%1=k-%1\r\nGoal%1_Name=\r\nGoal%1_Due=\r\nGoal%1_Tasks=0\r\n").arg(n);
    row("nine goals", nine);
    QTest::newRow("not UTF-8") << (head + goal + tasks).toUtf8().replace("a --", "caf\xE9 --");
    QTest::newRow("a UTF-8 sequence cut short") << (head + goal + tasks).toUtf8().replace("b", "\xE6\x97");
}

void TestProjectFile::readersAgree()
{
    QFETCH(QByteArray, file);
    const Gpj::ReadResult general = Gpj::read(IniIndex(KestrelFile::decode(file)));
    QVERIFY(Gpj::readFile(file).project == general.project);
    QCOMPARE(Gpj::readFile(file).noProjectSections, general.noProjectSections);
}

// A goal's task lines run up to its count or the highest task number
// present, whichever is less; a number with a leading zero is no number.
void TestProjectFile::taskLinesOfAGoal_data()
{
    QTest::addColumn<QString>("lines");
    QTest::addColumn<QString>("tasks");
    QTest::newRow("01 is not 1") << "Goal1_Tasks=2\r\nGoal1_Task01=a\r\n" << "";
    QTest::newRow("01 beside 1") << "Goal1_Tasks=2\r\nGoal1_Task01=a\r\nGoal1_Task1=b\r\n" << "b\r\n";
    QTest::newRow("a gap") << "Goal1_Tasks=3\r\nGoal1_Task1=a\r\nGoal1_Task3=c\r\n" << "a\r\n\r\nc\r\n";
    QTest::newRow("count above present") << "Goal1_Tasks=5\r\nGoal1_Task1=a\r\n" << "a\r\n";
}

void TestProjectFile::taskLinesOfAGoal()
{
    QFETCH(QString, lines);
    QFETCH(QString, tasks);
    const Gpj::ReadResult read = Gpj::read(IniIndex("[Project]\r\nName=P\r\n[Goals]\r\nGoal1=1-2-3\r\n" + lines));
    QCOMPARE(read.project.subGoals.size(), 1);
    QCOMPARE(read.project.subGoals[0].tasks, tasks);
}

// Each key names a task file in tmp/: a key that could point elsewhere, is
// too long for a file name, or shares a file with another key on a file
// system blind to letter case gets a fresh key, and the tasks follow it.
void TestProjectFile::keysThatCannotNameATaskFile_data()
{
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<QList<bool>>("kept");
    QTest::newRow("letter case only") << QStringList{"ab-1", "AB-1"} << QList<bool>{true, false};
    QTest::newRow("outside tmp") << QStringList{"../../x", "1-2-3"} << QList<bool>{false, true};
    QTest::newRow("65 characters") << QStringList{QString(65, u'7')} << QList<bool>{false};
    QTest::newRow("64 characters") << QStringList{QString(64, u'7')} << QList<bool>{true};
    QTest::newRow("blank and dot") << QStringList{"a b", "."} << QList<bool>{false, false};
}

void TestProjectFile::keysThatCannotNameATaskFile()
{
    QFETCH(QStringList, keys);
    QFETCH(QList<bool>, kept);
    QString file = "[Goals]\r\n";
    for (int n = 1; n <= keys.size(); ++n)
        file += QString("Goal%1=%2\r\nGoal%1_Tasks=1\r\nGoal%1_Task1=task %1\r\n").arg(n).arg(keys[n - 1]);
    ProjectFixture p;
    p.open("Keys", file.toUtf8());
    QVERIFY(p.modals.asked.isEmpty());
    QSet<QString> files;
    for (int n = 1; n <= keys.size(); ++n) {
        const QString key = p.s.cards[n].lblGoal_Tag;
        QCOMPARE(key == keys[n - 1], kept[n - 1]);
        QVERIFY(Gpj::isSafeKey(key));
        files.insert(key.toLower());
        QCOMPARE(p.tasks(n), QString("task %1\r\n").arg(n).toUtf8());
    }
    QCOMPARE(files.size(), keys.size());
    QVERIFY(!p.app.exists("x.txt") && !p.app.exists("../x.txt"));
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
    ProjectFixture p;
    p.s.dashboard.txtProjectName_KeyUp(" Round \"trip\" ");
    const QStringList odd = {QString(300, u'L'), "   indented", "\"quoted\"", "a = b", "", "trailing  "};
    for (int i = 1; i <= goals; ++i)
        p.add(QString("Goal %1").arg(i), odd.mid(0, i).join("\r\n") + (i % 2 ? "\r\ndone --" : ""),
              i % 2 ? QDate(2025, i, 10 + i) : QDate());
    std::array<GoalCard, 9> before = p.s.cards;
    QVERIFY(p.save("Trip"));
    const QByteArray saved = p.file("Trip");
    if (goals == 0)
        QCOMPARE(saved, QByteArray("[Project]\r\nName=\" Round \"trip\" \"\r\n[Goals]\r\n"));

    QDir(p.s.tmpFolder()).removeRecursively();   // a new run starts with tmp/ empty
    p.open("Trip");
    QCOMPARE(p.s.txtProjectName, QString(" Round \"trip\" "));
    QCOMPARE(p.cardsInUse(), goals);
    QCOMPARE(p.s.lstSubGoals.size(), goals);
    for (int i = 1; i <= goals; ++i) {
        const GoalCard &c = p.s.cards[i];
        QCOMPARE(c.lblGoal_Caption, before[i].lblGoal_Caption);
        QCOMPARE(c.lblGoal_Tag, before[i].lblGoal_Tag);
        QCOMPARE(c.lblDueDateDate_Tag, before[i].lblDueDateDate_Tag);
        QCOMPARE(c.lblTasks_Total + c.lblTasks_Completed, before[i].lblTasks_Total + before[i].lblTasks_Completed);
        const QStringList lines = odd.mid(0, i);
        QCOMPARE(QString::fromUtf8(p.tasks(i)).split("\r\n").mid(0, lines.size()), lines);
    }
    // Saved again without changes: the same bytes.
    QVERIFY(p.save("Trip"));
    QCOMPARE(p.file("Trip"), saved);
}

void TestProjectFile::noLineBreakInsideAValue()
{
    ProjectFixture p;
    p.s.dashboard.txtProjectName_KeyUp("two\nlines");
    p.add("Pasted", "one\rtwo\r\nthree");   // a lone CR pasted in
    QVERIFY(p.save("Breaks"));
    const QByteArray bytes = p.file("Breaks");
    QCOMPARE(bytes.count('\r'), bytes.count("\r\n"));
    QCOMPARE(bytes.count('\n'), bytes.count("\r\n"));
    QVERIFY(bytes.startsWith("[Project]\r\nName=two lines\r\n"));
    QVERIFY(bytes.endsWith("_Tasks=2\r\nGoal1_Task1=one two\r\nGoal1_Task2=three\r\n"));
}

void TestProjectFile::filesNotWrittenByUs()
{
    ProjectFixture p;
    // Goal3 after a gap is never read; a name may hold the key separator.
    p.open("Gap", QString("[Goals]\r\nGoal1=1-2-3\r\nGoal1_Name=a¨b\r\nGoal3=7-8-9\r\nGoal3_Name=Three\r\n").toUtf8());
    QCOMPARE(p.cardsInUse(), 1);
    QCOMPARE(p.s.cards[1].lblGoal_Caption + "|" + p.s.cards[1].lblGoal_Tag, QString("a¨b|1-2-3"));
    QVERIFY(!p.app.exists("tmp/7-8-9.txt"));

    // Windows-1252: "Café", "naïve €5 – done --".
    p.open("Legacy", "[Project]\r\nName=Caf\xE9\r\n[Goals]\r\nGoal1=1-2-3\r\nGoal1_Tasks=1\r\n"
                     "Goal1_Task1=na\xEFve \x80" "5 \x96 done --\r\n");
    QCOMPARE(p.s.txtProjectName, QString::fromUtf8("Café"));
    QCOMPARE(p.tasks(1), QByteArray("naïve €5 – done --\r\n"));
    QCOMPARE(p.s.cards[1].lblTasks_Completed, QString("Completed: 1"));

    // Binary junk with NUL bytes loads as some project, without a crash.
    QByteArray junk;
    for (int i = 0; i < 100000; ++i)
        junk.append(char((i * 7919 + i / 13) % 256));
    p.open("Junk", junk);
    QVERIFY(!p.s.RebuildingCards);
}

// Selecting each card during a load uses the texts the load has just
// written; afterwards the task files count again as they always do.
void TestProjectFile::taskFilesAreReadAgainAfterALoad()
{
    ProjectFixture p;
    p.open("One", "[Goals]\r\nGoal1=1-2-3\r\nGoal1_Name=One\r\nGoal1_Tasks=1\r\nGoal1_Task1=a --\r\n");
    QCOMPARE(p.tasks(1), QByteArray("a --\r\n"));
    QCOMPARE(p.s.cards[1].lblTasks_Completed, QString("Completed: 1"));

    p.app.write("tmp/1-2-3.txt", "b\r\nc\r\n");   // changed by other means
    p.s.dashboard.lblGoal_Click(1);
    QCOMPARE(p.s.tasks.txtGoalTasks(), QString("b\r\nc\r\n"));
    QFile::remove(p.app.file("tmp/1-2-3.txt"));
    p.s.dashboard.lblGoal_Click(1);   // a file gone: the text the user saw is written back
    QCOMPARE(p.tasks(1), QByteArray("b\r\nc\r\n"));
}

void TestProjectFile::taskCounts_data()
{
    QTest::addColumn<QByteArray>("count");
    QTest::addColumn<QByteArray>("taskFile");
    QTest::newRow("fewer than present") << QByteArray("2") << QByteArray("a\r\nb\r\n");
    QTest::newRow("more than present") << QByteArray("5") << QByteArray("a\r\nb\r\nc\r\n");
    QTest::newRow("fraction") << QByteArray("1.9") << QByteArray("a\r\n");
    QTest::newRow("word") << QByteArray("three") << QByteArray();
    QTest::newRow("negative") << QByteArray("-3") << QByteArray();
    QTest::newRow("two billion") << QByteArray("2000000000") << QByteArray("a\r\nb\r\nc\r\n");
    QTest::newRow("beyond 64 bits") << QByteArray(30, '9') << QByteArray("a\r\nb\r\nc\r\n");
}

void TestProjectFile::taskCounts()
{
    QFETCH(QByteArray, count);
    QFETCH(QByteArray, taskFile);
    ProjectFixture p;
    p.open("Count", "[Goals]\r\nGoal1=1-2-3\r\nGoal1_Tasks=" + count
                        + "\r\nGoal1_Task1=a\r\nGoal1_Task2=b\r\nGoal1_Task3=c\r\nGoal1_Task2000000000=far\r\n");
    QCOMPARE(p.tasks(1), taskFile);
}

void TestProjectFile::largeProjectIsQuick()
{
    ProjectFixture p;
    for (int i = 1; i <= 8; ++i) {
        QString tasks;
        for (int k = 1; k <= 10000; ++k)
            tasks += QString("Sub-goal %1, task number %2 with some words --\r\n").arg(i).arg(k);
        p.add(QString("Goal %1").arg(i), tasks);
    }
    QVERIFY(p.save("Large"));
    p.open("Large");
    QCOMPARE(p.s.cards[8].lblTasks_Total, QString("Tasks: 10000"));
}

QTEST_GUILESS_MAIN(TestProjectFile)
#include "tst_projectfile.moc"
