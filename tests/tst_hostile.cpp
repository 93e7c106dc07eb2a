// Hostile and huge project files, opened as the user opens them. Each must
// open without a crash, in bounded memory, and show what the file holds:
// empty values for what is missing, never garbage. Time is the benchmark's
// to measure; a reader gone quadratic still ends in the suite's timeout.
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QTest>

#include "ScriptedModals.h"
#include "TempAppFolder.h"
#include "project/OpenDialog.h"
#include "project/WorkingState.h"

#include <fcntl.h>
#include <unistd.h>

#if defined(__SANITIZE_ADDRESS__)
#define TARVO_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define TARVO_ASAN 1
#endif
#endif
#ifndef TARVO_ASAN
#define TARVO_ASAN 0
#endif

namespace {

// The sanitizer build keeps freed memory aside.
constexpr qint64 kSlack = TARVO_ASAN ? 3 : 1;

const QByteArray kWorkedExample = "[Project]\r\n"
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

// Bytes of a literal, NULs included.
template <size_t N>
QByteArray raw(const char (&s)[N])
{
    return QByteArray(s, N - 1);
}

// Peak resident memory since the last reset, in bytes.
void resetPeakMemory()
{
    QFile f(QStringLiteral("/proc/self/clear_refs"));
    if (f.open(QIODevice::WriteOnly))
        f.write("5");
}

qint64 peakMemory()
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : f.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLongLong() * 1024;
    return 0;
}

qint64 currentMemory()
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : f.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLongLong() * 1024;
    return 0;
}

struct Fixture {
    TempAppFolder app;
    ScriptedModals modals;
    WorkingState s{app.path(), modals};
    qint64 elapsedMs = 0;
    qint64 peakGrowth = 0;   // above the memory in use before the open

    // Opens projects/<name> holding bytes through the open dialog.
    void open(const QByteArray &bytes, const QString &name = QStringLiteral("hostile.gpj"))
    {
        app.write("projects/" + name, bytes);
        openExisting(name);
    }
    void openExisting(const QString &name)
    {
        modals.openActions.append(pickAndOpen(name));
        const qint64 before = currentMemory();
        resetPeakMemory();
        QElapsedTimer t;
        t.start();
        s.project.mnuOpen_Click();
        elapsedMs = t.elapsed();
        peakGrowth = peakMemory() - before;
    }
    int cardsShown() const
    {
        int n = 0;
        for (int i = 1; i <= 8; ++i)
            n += s.cards[i].picGoal_Visible ? 1 : 0;
        return n;
    }
    QByteArray taskFile(int card) const { return app.read("tmp/" + s.cards[card].lblGoal_Tag + ".txt"); }
    // The project as the user sees it, loaded.
    bool showsWorkedExample() const
    {
        return s.txtProjectName == QStringLiteral("Launch website") && cardsShown() == 2
            && s.cards[1].lblGoal_Caption == QStringLiteral("Design")
            && s.cards[1].lblGoal_Tag == QStringLiteral("4521-877-6010")
            && s.cards[1].lblDueDateDate_Tag == QStringLiteral("15/03/2024")
            && s.cards[1].lblTasks_Total == QStringLiteral("Tasks: 3")
            && taskFile(1) == "Pick colours\r\nDraw logo + 3\r\nMock up pages\r\n"
            && s.cards[2].lblGoal_Caption == QStringLiteral("Content") && taskFile(2).isEmpty();
    }
    bool noValueHoldsALineBreak() const
    {
        auto clean = [](const QString &v) { return !v.contains(u'\r') && !v.contains(u'\n'); };
        if (!clean(s.txtProjectName))
            return false;
        for (int i = 1; i <= 8; ++i)
            if (!clean(s.cards[i].lblGoal_Caption) || !clean(s.cards[i].lblGoal_Tag)
                || !clean(s.cards[i].lblDueDateDate_Tag))
                return false;
        return true;
    }
};

} // namespace

class TestHostile : public QObject {
    Q_OBJECT
private slots:
    void lineEndsAndByteOrderMark_data();
    void lineEndsAndByteOrderMark();
    void nulBytes();
    void byteOrderMarkInsideValues();
    void binaryJunk();
    void tenMegabyteLines();
    void hugeTaskCounts_data();
    void hugeTaskCounts();
    void goalKeysBeyondEight();
    void keysDuplicatedManyTimes();
    void subGoalsSharingAKey();
    void hundredMegabyteProject();
    void filesThatAreNoProjectFiles_data();
    void filesThatAreNoProjectFiles();
};

void TestHostile::lineEndsAndByteOrderMark_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QByteArray lf = kWorkedExample, cr = kWorkedExample, mixed;
    lf.replace("\r\n", "\n");
    cr.replace("\r\n", "\r");
    const QList<QByteArray> lines = kWorkedExample.split('\n');
    for (int i = 0; i < lines.size(); ++i)
        mixed += lines[i].chopped(lines[i].isEmpty() ? 0 : 1) + (i % 3 == 0 ? "\r\n" : i % 3 == 1 ? "\n" : "\r");
    QTest::newRow("CR LF") << kWorkedExample;
    QTest::newRow("LF only") << lf;
    QTest::newRow("CR only") << cr;
    QTest::newRow("mixed") << mixed;
    QTest::newRow("UTF-8 byte-order mark") << "\xEF\xBB\xBF" + kWorkedExample;
    QTest::newRow("byte-order mark and CR only") << "\xEF\xBB\xBF" + cr;
    QTest::newRow("no final line break") << kWorkedExample.chopped(2);
}

void TestHostile::lineEndsAndByteOrderMark()
{
    QFETCH(QByteArray, bytes);
    Fixture f;
    f.open(bytes);
    QVERIFY2(f.modals.asked.isEmpty(), qPrintable(f.modals.lastText()));
    QVERIFY(f.showsWorkedExample());
    QVERIFY(f.noValueHoldsALineBreak());
}

void TestHostile::nulBytes()
{
    // NULs inside values, inside keys and between lines: the lines around
    // them still read, and a NUL never ends the file early.
    Fixture f;
    QByteArray bytes = kWorkedExample;
    bytes.replace("Name=Launch website", raw("Name=Launch\0website"));
    bytes.replace("Goal1_Task2=Draw logo + 3", raw("Goal1_Task2=Draw\0logo"));
    bytes.replace("Goal2_Due=\r\n", raw("Goal2_Due=\r\n\0\0\0\r\nGo\0al7=1-1-1\r\n"));
    f.open(bytes);
    QVERIFY(f.modals.asked.isEmpty());
    QCOMPARE(f.s.txtProjectName, QString::fromUtf8(raw("Launch\0website")));
    QCOMPARE(f.cardsShown(), 2);
    QCOMPARE(f.taskFile(1), raw("Pick colours\r\nDraw\0logo\r\nMock up pages\r\n"));
    QCOMPARE(f.s.cards[2].lblGoal_Caption, QStringLiteral("Content"));

    // A file of nothing but NULs is no project: refused, and Save cannot
    // overwrite it.
    Fixture g;
    g.open(QByteArray(1 << 20, '\0'));
    QCOMPARE(g.modals.asked.size(), 1);
    QCOMPARE(g.modals.asked[0].title, QStringLiteral("Open Failed"));
    QVERIFY(g.modals.lastText().contains(g.app.file("projects/hostile.gpj")));
    QCOMPARE(g.s.CurrentProjectFile, QString());
}

void TestHostile::byteOrderMarkInsideValues()
{
    // U+FEFF opening a value: it opens the task file written on the load,
    // where the readers' dropping of a byte-order mark must not take it,
    // and it survives the task box and a save.
    Fixture f;
    QByteArray bytes = kWorkedExample;
    bytes.replace("Goal1_Task1=Pick colours", "Goal1_Task1=\xEF\xBB\xBFPick colours");
    bytes.replace("Goal2_Tasks=0", "Goal2_Tasks=1\r\nGoal2_Task1=\xEF\xBB\xBF\xEF\xBB\xBF");
    f.open(bytes);
    QVERIFY(f.modals.asked.isEmpty());
    f.s.dashboard.lblGoal_Click(1);
    QCOMPARE(f.s.tasks.txtGoalTasks().left(13), QStringLiteral("\uFEFFPick colours"));
    f.s.dashboard.lblGoal_Click(2);
    QCOMPARE(f.s.tasks.txtGoalTasks(), QStringLiteral("\uFEFF\uFEFF\r\n"));
    f.s.dashboard.lblGoal_Click(0);
    QVERIFY(f.s.project.mnuSave_Click());
    QCOMPARE(f.app.read("projects/hostile.gpj"), bytes);
}

void TestHostile::binaryJunk()
{
    // A binary file renamed to ".gpj": no section, so it is refused with a
    // message, the open project stays, and the file is not touched.
    Fixture f;
    QByteArray junk(4 << 20, Qt::Uninitialized);
    QRandomGenerator random(7);
    for (char &c : junk)
        c = char(random.bounded(256));
    f.s.dashboard.txtProjectName_Change("Kept");
    f.s.ProjectChanged = false;
    f.open(junk);
    QCOMPARE(f.modals.asked.size(), 1);
    QCOMPARE(f.modals.asked[0].title, QStringLiteral("Open Failed"));
    QCOMPARE(f.s.txtProjectName, QStringLiteral("Kept"));
    QCOMPARE(f.app.read("projects/hostile.gpj"), junk);

    // Junk with real entries inside still gives what the entries say.
    Fixture g;
    g.open(junk.left(100000) + "\r\n" + kWorkedExample + junk.mid(100000, 100000));
    QVERIFY(g.showsWorkedExample());
    QVERIFY(g.noValueHoldsALineBreak());
}

void TestHostile::tenMegabyteLines()
{
    const QByteArray big(10 << 20, 'x');
    Fixture f;
    QByteArray bytes = kWorkedExample;
    bytes.replace("Goal1_Task2=Draw logo + 3", "Goal1_Task2=" + big);
    bytes.replace("Goal2_Name=Content", "Goal2_Name=" + big);
    f.open(bytes);
    QVERIFY(f.modals.asked.isEmpty());
    QCOMPARE(f.taskFile(1), "Pick colours\r\n" + big + "\r\nMock up pages\r\n");
    QCOMPARE(f.s.cards[2].lblGoal_Caption.size(), big.size());
    QVERIFY2(f.peakGrowth < 400 * kSlack << 20, qPrintable(QString::number(f.peakGrowth >> 20) + " MB"));

    // One line of 10 MB with no "=" and no line break: an empty project.
    Fixture g;
    g.open("[Project]" + big);
    QVERIFY(g.modals.asked.isEmpty());
    QCOMPARE(g.cardsShown(), 0);
    QCOMPARE(g.s.txtProjectName, QString());
}

void TestHostile::hugeTaskCounts_data()
{
    QTest::addColumn<QByteArray>("count");
    QTest::addColumn<QByteArray>("expected");   // the task file written
    const QByteArray present = "a task\r\nb task\r\n\r\nd task\r\n";   // Task3 is missing
    QTest::newRow("two thousand million") << QByteArray("2000000000") << present;
    QTest::newRow("beyond 64 bits") << QByteArray("99999999999999999999999999") << present;
    QTest::newRow("largest 32-bit") << QByteArray("2147483647") << present;
    QTest::newRow("fewer than present") << QByteArray("2") << QByteArray("a task\r\nb task\r\n");
    QTest::newRow("fraction") << QByteArray("2.9") << QByteArray("a task\r\nb task\r\n");
    QTest::newRow("negative") << QByteArray("-5") << QByteArray();
    QTest::newRow("not a number") << QByteArray("many") << QByteArray();
    QTest::newRow("hexadecimal") << QByteArray("0x10") << QByteArray();
    QTest::newRow("exponent") << QByteArray("1e9") << QByteArray();
}

void TestHostile::hugeTaskCounts()
{
    // A count larger than the lines present reads the lines there are, as
    // empty values where one is missing, without allocating for the count.
    QFETCH(QByteArray, count);
    QFETCH(QByteArray, expected);
    Fixture f;
    f.open("[Project]\r\nName=Counts\r\n[Goals]\r\nGoal1=1-2-3\r\nGoal1_Name=Big\r\nGoal1_Tasks=" + count
           + "\r\nGoal1_Task1=a task\r\nGoal1_Task2=b task\r\nGoal1_Task4=d task\r\nGoal1_Task99999999999=far\r\n");
    QVERIFY(f.modals.asked.isEmpty());
    QCOMPARE(f.cardsShown(), 1);
    QCOMPARE(f.taskFile(1), expected);
    QVERIFY2(f.peakGrowth < 64 * kSlack << 20, qPrintable(QString::number(f.peakGrowth >> 20) + " MB"));
}

void TestHostile::goalKeysBeyondEight()
{
    Fixture f;
    QByteArray bytes = "[Project]\r\nName=Twelve\r\n[Goals]\r\n";
    for (int n = 1; n <= 12; ++n)
        bytes += QStringLiteral("Goal%1=%1-%1-%1\r\nGoal%1_Name=G%1\r\nGoal%1_Tasks=1\r\nGoal%1_Task1=Task of %1\r\n")
                     .arg(n).toUtf8();
    bytes += "Goal0=0-0-0\r\nGoal-1=9-9-9\r\nGoal99999999999999999999=8-8-8\r\n";
    f.open(bytes);
    QVERIFY(f.modals.asked.isEmpty());
    QCOMPARE(f.cardsShown(), 8);
    QCOMPARE(f.s.lstSubgoalsAndKeys.size(), 8);
    QCOMPARE(f.s.cards[8].lblGoal_Caption, QStringLiteral("G8"));
    QCOMPARE(f.taskFile(8), QByteArray("Task of 8\r\n"));
    // The ninth and later are never read: no task file for them.
    QCOMPARE(QDir(f.app.file("tmp")).entryList(QDir::Files).size(), 8);
    QVERIFY(!f.app.exists("tmp/9-9-9.txt"));
}

void TestHostile::keysDuplicatedManyTimes()
{
    // The first of each key counts, the first section of each name too;
    // and the reader stays linear however often a key repeats.
    Fixture f;
    QByteArray bytes = "[Project]\r\nName=First name\r\n";
    for (int i = 0; i < 200000; ++i)
        bytes += "NAME=later name " + QByteArray::number(i) + "\r\n";
    bytes += "[Goals]\r\nGoal1=1-2-3\r\nGoal1_Name=Once\r\nGoal1_Tasks=1\r\nGoal1_Task1=first task\r\n";
    for (int i = 0; i < 200000; ++i)
        bytes += "goal1_task1=repeat " + QByteArray::number(i) + "\r\n[GOALS]\r\nGoal2=6-6-6\r\n";
    bytes += "[project]\r\nName=Second section\r\n";
    f.open(bytes);
    QVERIFY(f.modals.asked.isEmpty());
    QCOMPARE(f.s.txtProjectName, QStringLiteral("First name"));
    QCOMPARE(f.cardsShown(), 1);
    QCOMPARE(f.taskFile(1), QByteArray("first task\r\n"));
}

void TestHostile::subGoalsSharingAKey()
{
    // Two sub-goals with the same key would share one task file: the
    // second's tasks would show on both cards, and the next save would
    // write them in place of the first's. Each card keeps its own tasks.
    Fixture f;
    f.open("[Project]\r\nName=Shared\r\n[Goals]\r\n"
           "Goal1=1-2-3\r\nGoal1_Name=One\r\nGoal1_Tasks=2\r\nGoal1_Task1=first one\r\nGoal1_Task2=first two\r\n"
           "Goal2=1-2-3\r\nGoal2_Name=Two\r\nGoal2_Tasks=1\r\nGoal2_Task1=second one\r\n");
    if (f.cardsShown() == 2) {
        QVERIFY(f.s.cards[1].lblGoal_Tag != f.s.cards[2].lblGoal_Tag);
        QCOMPARE(f.taskFile(1), QByteArray("first one\r\nfirst two\r\n"));
        QCOMPARE(f.taskFile(2), QByteArray("second one\r\n"));
        QCOMPARE(f.s.cards[1].lblTasks_Total, QStringLiteral("Tasks: 2"));
    } else {
        // Refusing the file is as good, as long as it says so.
        QCOMPARE(f.cardsShown(), 0);
        QCOMPARE(f.modals.asked.size(), 1);
        QVERIFY(f.s.CurrentProjectFile.isEmpty());
    }
}

void TestHostile::hundredMegabyteProject()
{
    // Eight sub-goals, a hundred megabytes of tasks: it opens, every task
    // is there, and the memory it takes is a small multiple of the file.
    constexpr int kTasks = 100000;
    QByteArray bytes = "[Project]\r\nName=Huge\r\n[Goals]\r\n";
    bytes.reserve(110 << 20);
    const QByteArray filler(120, 'w');
    for (int n = 1; n <= 8; ++n) {
        bytes += "Goal" + QByteArray::number(n) + "=" + QByteArray::number(n) + "-0-0\r\nGoal" + QByteArray::number(n)
               + "_Name=Part " + QByteArray::number(n) + "\r\nGoal" + QByteArray::number(n) + "_Due=\r\nGoal"
               + QByteArray::number(n) + "_Tasks=" + QByteArray::number(kTasks) + "\r\n";
        for (int k = 1; k <= kTasks; ++k)
            bytes += "Goal" + QByteArray::number(n) + "_Task" + QByteArray::number(k) + "=" + filler + "\r\n";
    }
    const qint64 size = bytes.size();
    QVERIFY(size > 100 << 20);
    Fixture f;
    f.app.write("projects/huge.gpj", bytes);
    bytes = QByteArray();

    f.openExisting("huge.gpj");
    qInfo("100 MB project: %lld bytes opened in %lld ms, peak memory %lld MB above the start",
          size, f.elapsedMs, f.peakGrowth >> 20);
    QVERIFY(f.modals.asked.isEmpty());
    QCOMPARE(f.cardsShown(), 8);
    QCOMPARE(f.s.cards[8].lblTasks_Total, QStringLiteral("Tasks: %1").arg(kTasks));
    QCOMPARE(f.taskFile(8).size(), qsizetype(kTasks) * (filler.size() + 2));
    QVERIFY2(f.peakGrowth < 8 * kSlack * size, qPrintable(QString::number(f.peakGrowth >> 20) + " MB"));
}

namespace {
bool writeByBytes(const QByteArray &path, const QByteArray &bytes)
{
    const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    return fd >= 0 && ::write(fd, bytes.constData(), size_t(bytes.size())) == bytes.size() && ::close(fd) == 0;
}
} // namespace

void TestHostile::filesThatAreNoProjectFiles_data()
{
    QTest::addColumn<QByteArray>("name");    // the file's name in projects/, as bytes
    QTest::addColumn<QString>("kind");       // what stands there
    QTest::addColumn<bool>("listed");
    QTest::addColumn<QString>("said");       // on opening; "" = it opens
    QTest::newRow("link to /dev/zero") << QByteArray("zero.gpj") << "device" << false << "It is not a file.";
    QTest::newRow("300 MB, sparse") << QByteArray("huge.gpj") << "sparse" << true << "It is larger than 256 MB.";
    QTest::newRow("link to a project") << QByteArray("linked.gpj") << "link" << true << "";
    QTest::newRow("name not UTF-8") << QByteArray("caf\xE9.gpj") << "project" << true << "";
}

void TestHostile::filesThatAreNoProjectFiles()
{
    QFETCH(QByteArray, name);
    QFETCH(QString, kind);
    QFETCH(bool, listed);
    QFETCH(QString, said);
    Fixture f;
    f.app.write("elsewhere.gpj", kWorkedExample);
    QDir().mkpath(f.app.file("projects"));
    const QByteArray path = QFile::encodeName(f.app.file("projects/")) + name;
    if (kind == "device" || kind == "link")
        QVERIFY(::symlink(kind == "device" ? "/dev/zero" : QFile::encodeName(f.app.file("elsewhere.gpj")).constData(),
                          path.constData()) == 0);
    else if (kind == "sparse")
        QVERIFY(::truncate((f.app.write("projects/huge.gpj", kWorkedExample), path.constData()), 300LL << 20) == 0);
    else   // a name Qt's own file names cannot spell: written by its bytes
        QVERIFY(writeByBytes(path, kWorkedExample));
    const QStringList names = OpenDialog::listProjects(f.s.projectsFolder());
    QCOMPARE(names.size(), listed ? 1 : 0);
    if (!listed)
        return;
    f.openExisting(names[0]);
    if (said.isEmpty()) {
        QVERIFY2(f.modals.asked.isEmpty(), qPrintable(f.modals.lastText()));
        QVERIFY(f.showsWorkedExample());
        QVERIFY(writeByBytes(path, "overwritten"));
        f.s.ProjectChanged = true;
        QVERIFY(f.s.project.mnuSave_Click());   // saved back under the very same bytes
        QFile saved;
        const int fd = ::open(path.constData(), O_RDONLY);
        QVERIFY(fd >= 0 && saved.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle));
        QCOMPARE(saved.readAll(), kWorkedExample);
        QCOMPARE(QFileInfo(QFile::decodeName(path)).isSymLink(), kind == "link");   // a link stays a link
        return;
    }
    QCOMPARE(f.modals.asked.size(), 1);
    QVERIFY2(f.modals.lastText().endsWith(said), qPrintable(f.modals.lastText()));
    QVERIFY(f.s.CurrentProjectFile.isEmpty());
}

QTEST_GUILESS_MAIN(TestHostile)
#include "tst_hostile.moc"
