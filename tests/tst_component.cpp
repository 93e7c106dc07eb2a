#include <QDir>
#include <QFile>
#include <QTest>
#include <sys/stat.h>
#include <unistd.h>

#include "TempAppFolder.h"
#include "component/KestrelFile.h"
#include "component/KestrelTools.h"
#include "component/TextScan.h"

class TestComponent : public QObject {
    Q_OBJECT
private slots:
    void fillListFromText_data();
    void fillListFromText();
    void readFileIntoList_data();
    void readFileIntoList();
    void scansFindAndCountAcrossBlocks();
    void readsUtf8AndWindows1252();
    void writeReplacesWholeAndAtomically();
    void writeReportsFailure();
    void writtenTextIsItsUtf8_data();
    void writtenTextIsItsUtf8();
    void writeKeepsWhatTheFileHad_data();
    void writeKeepsWhatTheFileHad();
    void writeAtALink_data();
    void writeAtALink();
    void pathExistsTellsFoldersFromFiles();
    void randomNumberStaysInRange();
};

void TestComponent::fillListFromText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("delimiter");
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QStringList>("expected");

    const QString crlf = QStringLiteral("\r\n");
    QTest::newRow("empty text") << QString() << crlf << QString() << QStringList();
    QTest::newRow("one piece") << "a" << crlf << QString() << QStringList{"a"};
    QTest::newRow("final delimiter yields nothing") << "a\r\nb\r\n" << crlf << QString() << QStringList{"a", "b"};
    QTest::newRow("empty pieces kept") << "a\r\n\r\nb" << crlf << QString() << QStringList{"a", "", "b"};
    QTest::newRow("name and key") << QStringLiteral("Design\u00A84521-877-6010") << QStringLiteral("\u00A8")
                                  << QString() << QStringList{"Design", "4521-877-6010"};
    QTest::newRow("empty name still splits") << QStringLiteral("\u00A84521-877-6010") << QStringLiteral("\u00A8")
                                             << QString() << QStringList{"", "4521-877-6010"};
    QTest::newRow("filter anywhere in line") << "done --\r\n-- early\r\nopen\r\nmid--dle" << crlf << "--"
                                             << QStringList{"done --", "-- early", "mid--dle"};
    QTest::newRow("single dash is no mark") << "a - b\r\n-" << crlf << "--" << QStringList();
}

void TestComponent::fillListFromText()
{
    QFETCH(QString, text);
    QFETCH(QString, delimiter);
    QFETCH(QString, filter);
    QFETCH(QStringList, expected);
    KestrelTools tools;
    QStringList list{"kept"};
    tools.FillListFromText(text, delimiter, list, filter);
    QCOMPARE(list, QStringList{"kept"} + expected);
}

void TestComponent::readFileIntoList_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("empty file") << QByteArray() << QStringList();
    QTest::newRow("crlf with final break") << QByteArray("a\r\nb\r\n") << QStringList{"a", "b"};
    QTest::newRow("no final break") << QByteArray("a\r\nb") << QStringList{"a", "b"};
    QTest::newRow("lone lf") << QByteArray("a\nb\n") << QStringList{"a", "b"};
    QTest::newRow("blank lines inside") << QByteArray("a\r\n\r\n\r\nb") << QStringList{"a", "", "", "b"};
    QTest::newRow("only a break") << QByteArray("\r\n") << QStringList{""};
    QTest::newRow("lone cr stays in its line") << QByteArray("a\rb\r\nc\r") << QStringList{"a\rb", "c\r"};
    QTest::newRow("long lines") << QByteArray(40, 'x') + "\r\n" + QByteArray(17, 'y')
                                << QStringList{QString(40, u'x'), QString(17, u'y')};
    QTest::newRow("UTF-16 with its mark") << QByteArray("\xFF\xFE" "a\0\r\0\n\0\xE4\0", 10)
                                          << QStringList{"a", QStringLiteral("\u00E4")};
    // A lone surrogate cannot be written back as UTF-8: these are 8-bit bytes.
    QTest::newRow("lone surrogate is not UTF-16") << QByteArray("\xFF\xFE\xF2\xDF", 4)
                                                  << QStringList{QStringLiteral("\u00FF\u00FE\u00F2\u00DF")};
}

void TestComponent::readFileIntoList()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, expected);
    TempAppFolder app;
    app.write("t.txt", bytes);
    QStringList list;
    QVERIFY(KestrelFile().ReadFileIntoList(list, app.file("t.txt")));
    QCOMPARE(list, expected);
    QCOMPARE(KestrelFile::lineCount(KestrelFile::decode(bytes)), expected.size());
}

// The scans go eight characters at a time: a mark at every place around a
// block's edge must be found, and long counts must not wrap.
void TestComponent::scansFindAndCountAcrossBlocks()
{
    for (int length = 0; length <= 20; ++length) {
        for (int at = 0; at <= length; ++at) {
            QString text(length, u'x');
            if (at < length)
                text[at] = u'\n';
            QCOMPARE(findEither(text, 0, u'\r', u'\n'), qsizetype(at));
            QCOMPARE(countEither(text, u'\r', u'\n'), qsizetype(at < length));
        }
    }
    QString big(600001, u'x');
    qsizetype marks = 0;
    for (qsizetype i = 0; i < big.size(); i += 3) {
        big[i] = i % 2 ? u'\r' : u'\n';
        ++marks;
    }
    QCOMPARE(countEither(big, u'\r', u'\n'), marks);
    QCOMPARE(findEither(big, 1, u'\n', u'\n'), qsizetype(6));
}

void TestComponent::readsUtf8AndWindows1252()
{
    TempAppFolder app;
    KestrelFile file;
    QString text;

    app.write("utf8.txt", QStringLiteral("Café – €5").toUtf8());
    QVERIFY(file.ReadTextFile(text, app.file("utf8.txt")));
    QCOMPARE(text, QStringLiteral("Café – €5"));

    app.write("bom.txt", QByteArray("\xEF\xBB\xBFName=x"));
    QVERIFY(file.ReadTextFile(text, app.file("bom.txt")));
    QCOMPARE(text, QStringLiteral("Name=x"));

    // "Caf\xe9 \x80 na\xefve" is Windows-1252: é, the euro sign, ï.
    app.write("cp1252.txt", QByteArray("Caf\xE9 \x80 na\xEFve\r\n\x93quoted\x94"));
    QVERIFY(file.ReadTextFile(text, app.file("cp1252.txt")));
    QCOMPARE(text, QStringLiteral("Café € naïve\r\n\u201Cquoted\u201D"));
    QStringList lines;
    QVERIFY(file.ReadFileIntoList(lines, app.file("cp1252.txt")));
    QCOMPARE(lines, (QStringList{QStringLiteral("Café € naïve"), QStringLiteral("\u201Cquoted\u201D")}));

    QVERIFY(!file.ReadTextFile(text, app.file("missing.txt")));
}

void TestComponent::writeReplacesWholeAndAtomically()
{
    TempAppFolder app;
    KestrelFile file;
    const QString path = app.file("task.txt");
    QVERIFY(file.WriteTextFile(QStringLiteral("a much longer first text\r\nwith two lines"), path));
    QVERIFY(file.WriteTextFile(QStringLiteral("é\r\n"), path));
    QCOMPARE(app.read("task.txt"), QByteArray("\xC3\xA9\r\n"));
    QVERIFY(file.WriteTextFile(QString(), path));
    QCOMPARE(QFileInfo(path).size(), 0);
    // Nothing but the file itself is left beside it.
    QCOMPARE(QDir(app.path()).entryList(QDir::Files), QStringList{"task.txt"});
}

void TestComponent::writeReportsFailure()
{
    TempAppFolder app;
    KestrelFile file;
    QString error;
    // A folder standing where the file must be: the folder survives, and
    // the failure is said in words.
    QDir().mkpath(app.file("blocked.txt"));
    QVERIFY(!file.WriteTextFile(QStringLiteral("x"), app.file("blocked.txt"), &error));
    QVERIFY(!error.isEmpty());
    QVERIFY(QFileInfo(app.file("blocked.txt")).isDir());

    QVERIFY(!file.WriteTextFile(QStringLiteral("x"), app.file("no-such-folder/x.txt"), &error));
    QVERIFY(!error.isEmpty());

}

// The text is written in pieces; its bytes are QString::toUtf8's, lone
// surrogates and pairs at a piece's edge included.
void TestComponent::writtenTextIsItsUtf8_data()
{
    QTest::addColumn<QString>("text");
    const QString pair = QString::fromUcs4(U"\U0001F642");
    QTest::newRow("empty") << QString();
    QTest::newRow("other scripts") << QStringLiteral("Café – 日本 ") + pair;
    QTest::newRow("lone surrogates") << QString(QChar(0xDC00)) + "a" + QChar(0xD800) + "b" + QChar(0xD83D);
    QTest::newRow("a pair across a piece's edge") << QString(32767, u'x') + pair + QString(40000, u'y');
    QTest::newRow("a lone high surrogate at a piece's edge") << QString(32767, u'x') + QChar(0xD800) + "z";
    QTest::newRow("begins with U+FEFF") << QChar(0xFEFF) + QStringLiteral("x");
}

void TestComponent::writtenTextIsItsUtf8()
{
    QFETCH(QString, text);
    TempAppFolder app;
    QVERIFY(KestrelFile().WriteTextFile(text, app.file("t.txt")));
    const QByteArray mark = text.startsWith(QChar(0xFEFF)) ? "\xEF\xBB\xBF" : "";
    QCOMPARE(app.read("t.txt"), mark + text.toUtf8());
}

using Durability = KestrelFile::Durability;
using AtLink = KestrelFile::AtLink;

// Replacing a file keeps what the user gave it. The tests run as root, for
// whom every file is writable: the mode bits decide.
void TestComponent::writeKeepsWhatTheFileHad_data()
{
    QTest::addColumn<int>("durability");
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("replaced");
    const int flushed = int(Durability::Flushed), scratch = int(Durability::Scratch);
    QTest::newRow("project, 0644") << flushed << 0644 << true;
    QTest::newRow("project, 0640") << flushed << 0640 << true;
    QTest::newRow("project, 0600") << flushed << 0600 << true;
    QTest::newRow("project, read-only 0444") << flushed << 0444 << false;
    QTest::newRow("project, owner may not write 0464") << flushed << 0464 << false;
    QTest::newRow("task file, read-only 0444") << scratch << 0444 << true;
}

void TestComponent::writeKeepsWhatTheFileHad()
{
    QFETCH(int, durability);
    QFETCH(int, mode);
    QFETCH(bool, replaced);
    TempAppFolder app;
    app.write("p.gpj", "old");
    const QByteArray path = QFile::encodeName(app.file("p.gpj"));
    const uid_t owner = 4242;
    const gid_t group = 4343;
    QVERIFY(::chown(path.constData(), owner, group) == 0 && ::chmod(path.constData(), mode_t(mode)) == 0);

    QString error;
    QCOMPARE(KestrelFile::writeBytes("new", app.file("p.gpj"), Durability(durability), &error), replaced);
    QCOMPARE(app.read("p.gpj"), QByteArray(replaced ? "new" : "old"));
    QCOMPARE(error, replaced ? QString() : QStringLiteral("The file is read-only."));
    struct stat now;
    QVERIFY(::stat(path.constData(), &now) == 0);
    QCOMPARE(int(now.st_mode & 07777), mode);
    if (Durability(durability) == Durability::Flushed)
        QVERIFY(now.st_uid == owner && now.st_gid == group);
    QCOMPARE(QDir(app.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"p.gpj"});
}

// A project reached through a link is saved where the link points; a name
// the program owns is replaced, link and all, and never written through.
void TestComponent::writeAtALink_data()
{
    QTest::addColumn<int>("durability");
    QTest::addColumn<int>("atLink");
    QTest::addColumn<bool>("throughTheLink");
    const int flushed = int(Durability::Flushed), scratch = int(Durability::Scratch);
    QTest::newRow("project, followed") << flushed << int(AtLink::Follow) << true;
    QTest::newRow("project, link replaced") << flushed << int(AtLink::Replace) << false;
    QTest::newRow("task file, never followed") << scratch << int(AtLink::Follow) << false;
}

void TestComponent::writeAtALink()
{
    QFETCH(int, durability);
    QFETCH(int, atLink);
    QFETCH(bool, throughTheLink);
    TempAppFolder app;
    app.write("elsewhere.txt", "theirs");
    QVERIFY(QFile::link(app.file("elsewhere.txt"), app.file("planted.gpj")));
    QVERIFY(KestrelFile::writeBytes("ours", app.file("planted.gpj"), Durability(durability), nullptr, AtLink(atLink)));
    QCOMPARE(QFileInfo(app.file("planted.gpj")).isSymLink(), throughTheLink);
    QCOMPARE(app.read("planted.gpj"), QByteArray("ours"));
    QCOMPARE(app.read("elsewhere.txt"), QByteArray(throughTheLink ? "ours" : "theirs"));

    // Through a link to a read-only project, the project is what is refused.
    if (throughTheLink) {
        QVERIFY(::chmod(QFile::encodeName(app.file("elsewhere.txt")).constData(), 0444) == 0);
        QString error;
        QVERIFY(!KestrelFile::writeBytes("again", app.file("planted.gpj"), Durability(durability), &error));
        QCOMPARE(error, QStringLiteral("The file is read-only."));
    }
}

void TestComponent::pathExistsTellsFoldersFromFiles()
{
    TempAppFolder app;
    KestrelTools tools;
    app.write("tmp/a.txt", "x");
    QVERIFY(tools.PathExists(app.file("tmp/"), true));
    QVERIFY(!tools.PathExists(app.file("tmp/"), false));
    QVERIFY(tools.PathExists(app.file("tmp/a.txt"), false));
    QVERIFY(!tools.PathExists(app.file("tmp/a.txt"), true));
    QVERIFY(!tools.PathExists(app.file("projects/"), true));
    QVERIFY(!tools.PathExists(app.file("tmp/b.txt"), false));
}

void TestComponent::randomNumberStaysInRange()
{
    KestrelTools tools;
    bool sawZero = false, sawBound = false;
    for (int i = 0; i < 20000; ++i) {
        const int n = tools.RandomNumber(9);
        QVERIFY(n >= 0 && n <= 9);
        sawZero |= n == 0;
        sawBound |= n == 9;
    }
    QVERIFY(sawZero && sawBound);
    tools.randomSource = [](int) { return 42; };
    QCOMPARE(tools.RandomNumber(9000), 42);
}

QTEST_GUILESS_MAIN(TestComponent)
#include "tst_component.moc"
