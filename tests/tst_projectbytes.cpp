// The project file read and written as bytes: a save makes the file's
// UTF-8 straight from the project, and a load reads a file as Tarvo writes
// it straight from its bytes. Both must give exactly what the text forms
// give: the bytes of write(), and what the index reads.
#include <QTest>

#include "TempAppFolder.h"
#include "component/KestrelFile.h"
#include "project/GpjFormat.h"
#include "project/IniIndex.h"

Q_DECLARE_METATYPE(Project)

namespace {

QByteArray utf8Of(const Project &project)
{
    QByteArray bytes;
    Gpj::writeUtf8(project, [&](QByteArrayView piece) { bytes += piece; });
    return bytes;
}

Project withTasks(const QString &tasks, const QString &name = QStringLiteral("P"))
{
    return Project{name, {{QStringLiteral("1-2-3"), QStringLiteral("Goal"), QString(), tasks}}, {}};
}

} // namespace

class TestProjectBytes : public QObject {
    Q_OBJECT
private slots:
    void savedBytesAreTheText_data();
    void savedBytesAreTheText();
    void bytesReadAsTheIndexReads_data();
    void bytesReadAsTheIndexReads();
};

void TestProjectBytes::savedBytesAreTheText_data()
{
    QTest::addColumn<Project>("project");
    const QString pair = QString::fromUcs4(U"\U0001F642");
    QString many;
    for (int i = 0; i < 20000; ++i)
        many += QStringLiteral("task %1 é%2\r\n").arg(i).arg(pair);
    QTest::newRow("empty") << Project{};
    QTest::newRow("quotes and blanks") << withTasks(" a\r\n\"b\"\r\n'c'\r\nd \r\n\r\n", " name ");
    QTest::newRow("tabs and other control characters") << withTasks(QString("\ta\tb\t\r\nc\x01d\x0B\x0C") + QChar(0));
    QTest::newRow("line breaks in values") << withTasks("one\rtwo\r\nthree\r", "two\nlines\r\n");
    QTest::newRow("lone surrogates") << withTasks(QString(QChar(0xD800)) + "x\r\n" + QChar(0xDC00), QString(QChar(0xDBFF)));
    QTest::newRow("a line longer than a piece") << withTasks(QString(300000, u'é') + "\r\nshort");
    QTest::newRow("pieces full of lines") << withTasks(many);
    Project settings = withTasks("a");
    settings.settings = {QDate(2026, 1, 5), WorkWeek{true, true, true, true, true, false, false}};
    QTest::newRow("settings") << settings;
}

void TestProjectBytes::savedBytesAreTheText()
{
    QFETCH(Project, project);
    const QByteArray bytes = utf8Of(project);
    QCOMPARE(bytes, Gpj::write(project).toUtf8());
    // Task lines apart by LF alone are the same lines: the same file.
    Project lf = project;
    for (SubGoal &goal : lf.subGoals)
        goal.tasks.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QCOMPARE(utf8Of(lf), bytes);

    TempAppFolder app;
    QVERIFY(Gpj::writeFile(project, app.file("p.gpj")));
    QCOMPARE(app.read("p.gpj"), bytes);
    QVERIFY(Gpj::readFile(bytes).project == Gpj::read(IniIndex(KestrelFile::decode(bytes))).project);
}

// Near misses of a file as Tarvo writes it, in its bytes: what cannot be
// read in one pass falls back to the index, with the same result.
void TestProjectBytes::bytesReadAsTheIndexReads_data()
{
    QTest::addColumn<QByteArray>("value");   // of Goal1_Task2
    QTest::newRow("ASCII, long") << QByteArray(100, 'x');
    QTest::newRow("two, three and four bytes") << QByteArray("\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x99\x82 end");
    QTest::newRow("a character across sixteen bytes") << QByteArray(15, 'x') + "\xE2\x82\xAC" + QByteArray(20, 'y');
    QTest::newRow("noncharacters") << QByteArray("\xEF\xBF\xBE\xEF\xBF\xBF\xF4\x8F\xBF\xBF");
    QTest::newRow("byte-order mark inside") << QByteArray("\xEF\xBB\xBFx");
    QTest::newRow("NUL") << QByteArray("a\0b", 3);
    QTest::newRow("tabs and other control characters") << QByteArray("\ta\tb\x01\x0B\x0C") + QByteArray(20, 'x') + "\t";
    QTest::newRow("overlong") << QByteArray("\xC0\x80");
    QTest::newRow("overlong, three bytes") << QByteArray("\xE0\x80\x80");
    QTest::newRow("surrogate as UTF-8") << QByteArray("\xED\xA0\x80");
    QTest::newRow("beyond U+10FFFF") << QByteArray("\xF4\x90\x80\x80");
    QTest::newRow("cut short") << QByteArray("ab\xE2\x82");
    QTest::newRow("lone continuation") << QByteArray(20, 'x') + "\x80";
    QTest::newRow("lone CR after sixteen") << QByteArray(17, 'x') + "\ry";
    QTest::newRow("quoted with blanks") << QByteArray(" \t\" \xC3\xA9 \" ");
}

void TestProjectBytes::bytesReadAsTheIndexReads()
{
    QFETCH(QByteArray, value);
    const QByteArray head = "[Project]\r\nName=P\r\n[Goals]\r\nGoal1=1-2-3\r\nGoal1_Name=N\r\nGoal1_Due=\r\nGoal1_Tasks=3\r\n";
    for (const QByteArray &file : {head + "Goal1_Task1=a\r\nGoal1_Task2=" + value + "\r\nGoal1_Task3=c\r\n",
                                   "\xEF\xBB\xBF" + head + "Goal1_Task1=a\r\nGoal1_Task2=b\r\nGoal1_Task3=" + value + "\r\n",
                                   QByteArray(head).replace("Name=P", "Name=" + value) + "Goal1_Task1=a\r\n"}) {
        const Gpj::ReadResult general = Gpj::read(IniIndex(KestrelFile::decode(file)));
        QVERIFY(Gpj::readFile(file).project == general.project);
    }
}

QTEST_GUILESS_MAIN(TestProjectBytes)
#include "tst_projectbytes.moc"
