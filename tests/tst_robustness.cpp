// Hostile inputs to the format's pure functions: what they may cost in
// memory, measured in a child process whose address space is capped, so a
// fault fails there instead of filling this machine.
#include <QTest>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>

#include "project/GpjFormat.h"
#include "project/IniIndex.h"

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

qint64 statusKb(const char *field)
{
    FILE *f = std::fopen("/proc/self/status", "r");
    char line[256];
    qint64 kb = -1;
    while (f && std::fgets(line, sizeof line, f))
        if (std::strncmp(line, field, std::strlen(field)) == 0)
            kb = std::atoll(line + std::strlen(field));
    if (f)
        std::fclose(f);
    return kb;
}

// How far the address space grew at its peak while work ran, in bytes, or
// -1 when work failed or needed more than cap. Reserved but untouched
// memory counts too: an allocation sized by a hostile number shows here
// even where the system would let it pass.
qint64 peakGrowthOf(const std::function<bool()> &work, qint64 cap)
{
    int out[2];
    if (::pipe(out) != 0)
        return -1;
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(out[0]);
        const qint64 start = statusKb("VmSize:") * 1024;   // a child's peak starts at its size
        const rlimit limit{rlim_t(start + cap), rlim_t(start + cap)};
        ::setrlimit(RLIMIT_AS, &limit);
        qint64 growth = -1;
        try {   // an allocation refused must end the child, never unwind into the test
            if (work())
                growth = statusKb("VmPeak:") * 1024 - start;
        } catch (...) {
        }
        const bool sent = ::write(out[1], &growth, sizeof growth) == sizeof growth;
        ::_exit(sent ? 0 : 1);
    }
    ::close(out[1]);
    qint64 growth = -1;
    if (child < 0 || ::read(out[0], &growth, sizeof growth) != sizeof growth)
        growth = -1;
    ::close(out[0]);
    int status = 0;
    if (child > 0)
        ::waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? growth : -1;
}

constexpr qint64 kMB = 1 << 20;

QString grewBy(qint64 growth)
{
    return growth < 0 ? QStringLiteral("failed, or needed more than its cap") : QStringLiteral("grew by %1 MB").arg(growth / kMB);
}

} // namespace

class TestRobustness : public QObject {
    Q_OBJECT
private slots:
    void numberedKeys_data();
    void numberedKeys();
    void numberedKeysCostWhatTheyHold();
    void hugeTaskCountCostsWhatTheFileHolds();
};

// Numbered keys as the loader reads them, whatever order the file gives.
void TestRobustness::numberedKeys_data()
{
    QTest::addColumn<QString>("lines");
    QTest::addColumn<qint64>("count");
    QTest::addColumn<QStringList>("values");   // of t1 … t<count>
    QTest::addColumn<qint64>("highest");
    QTest::newRow("in order") << "t1=a\r\nt2=b\r\nt3=c" << 3LL << QStringList{"a", "b", "c"} << 3LL;
    QTest::newRow("out of order") << "t3=c\r\nt1=a\r\nt2=b" << 3LL << QStringList{"a", "b", "c"} << 3LL;
    QTest::newRow("first of two, out of order") << "t2=b\r\nt1=a\r\nT2=x\r\nt1=y" << 2LL << QStringList{"a", "b"} << 2LL;
    QTest::newRow("a gap") << "t1=a\r\nt3=c" << 3LL << QStringList{"a", "", "c"} << 3LL;
    QTest::newRow("leading zero is no number") << "t01=z\r\nt1=a" << 1LL << QStringList{"a"} << 1LL;
    QTest::newRow("only a leading zero") << "t05=z" << 0LL << QStringList{} << 0LL;
    QTest::newRow("zero is below the first") << "t0=z\r\nt1=a" << 1LL << QStringList{"a"} << 1LL;
    QTest::newRow("beyond the lines") << "t1=a\r\nt9=far" << 2LL << QStringList{"a", ""} << 1LL;
    QTest::newRow("count below present") << "t1=a\r\nt2=b\r\nt3=c" << 2LL << QStringList{"a", "b"} << 3LL;
    QTest::newRow("stems in turn") << "t1=a\r\nu1=x\r\nT2=b\r\nu2=y\r\nt3=c" << 3LL << QStringList{"a", "b", "c"} << 3LL;
}

void TestRobustness::numberedKeys()
{
    QFETCH(QString, lines);
    QFETCH(qint64, count);
    QFETCH(QStringList, values);
    QFETCH(qint64, highest);
    const IniIndex index("[S]\r\n" + lines + "\r\n");
    QCOMPARE(index.highestNumber(u"s", u"T"), highest);
    QStringList got;
    for (QStringView v : index.numberedValues(u"s", u"t", count))
        got << v.toString();
    QCOMPARE(got, values);
    for (qint64 k = 1; k <= count; ++k)
        QCOMPARE(index.value(u"S", QStringLiteral("t%1").arg(k)), values[k - 1]);
}

// Each line a stem of its own with one high number: room kept by number
// would give every stem a place for every number up to it, 6 GB here.
void TestRobustness::numberedKeysCostWhatTheyHold()
{
    constexpr int kLines = 20000;
    QString text = "[S]\r\n";
    for (int i = 0; i < kLines; ++i)
        text += QStringLiteral("k%1x%2=v\r\n").arg(i).arg(kLines);
    const qint64 growth = peakGrowthOf(
        [&] {
            const IniIndex index(text);
            return index.highestNumber(u"S", u"k7x") == kLines && index.value(u"S", u"k7x20000") == u"v";
        },
        512 * kMB);
    QVERIFY2(growth >= 0 && growth < 64 * kMB, qPrintable(grewBy(growth)));
}

// A count of two thousand million before one long task line: room for
// the count, bounded only by the file's size, was 16 bytes a character.
void TestRobustness::hugeTaskCountCostsWhatTheFileHolds()
{
    constexpr qint64 kLine = 8 * kMB;
    const QByteArray file = "[Project]\r\nName=P\r\n[Goals]\r\nGoal1=1-2-3\r\nGoal1_Name=N\r\nGoal1_Due=\r\n"
                            "Goal1_Tasks=2000000000\r\nGoal1_Task1=" + QByteArray(kLine, 'x') + "\r\n";
    const qint64 growth = peakGrowthOf(
        [&] {
            const Gpj::ReadResult read = Gpj::readFile(file);
            return read.project.subGoals.size() == 1 && read.project.subGoals[0].tasks.size() == kLine + 1;   // the line and its break
        },
        1024 * kMB);
    // The text decoded, and the task text built from it: a few bytes a character.
    QVERIFY2(growth >= 0 && growth < 12 * kLine, qPrintable(grewBy(growth)));
}

QTEST_GUILESS_MAIN(TestRobustness)
#include "tst_robustness.moc"
