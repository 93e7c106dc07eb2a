// The command line as a script runs it: the real tarvo program, with no
// display to reach, against a sample project in a temporary folder.
#include <QDir>
#include <QDirIterator>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Run {
    int status = -1;
    QByteArray out, err;
};

Run tarvo(const QStringList &arguments, const QString &folder)
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));   // fails at once if a display is tried
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    p.setProcessEnvironment(env);
    p.setWorkingDirectory(folder);
    p.start(qEnvironmentVariable("TARVO_BUILD_DIR") + QStringLiteral("/tarvo"), arguments);
    if (!p.waitForFinished(-1) || p.exitStatus() != QProcess::NormalExit)
        return {};
    return {p.exitCode(), p.readAllStandardOutput(), p.readAllStandardError()};
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

QString sample(const char *name) { return qEnvironmentVariable("TARVO_SOURCE_DIR") + "/tests/data/" + name; }

QStringList listing(const QString &folder)
{
    QStringList all;
    QDirIterator it(folder, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        all.append(it.next());
    all.sort();
    return all;
}

} // namespace

class TestCommandLine : public QObject {
    Q_OBJECT
private slots:
    void init();
    void exports_data();
    void exports();
    void failures_data();
    void failures();
    void tellsWhatItIs();
    void withoutAStartDatePlansFromToday();
    void doneTasksOnlyWhenAsked();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString at(const QString &name) const { return m_dir->path() + u'/' + name; }
};

void TestCommandLine::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(QFile::copy(sample("sample.gpj"), at("sample.gpj")));
}

void TestCommandLine::exports_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("output");
    QTest::newRow("csv") << "--export-csv" << "plan.csv";
    QTest::newRow("ics") << "--export-ics" << "plan.ics";
    QTest::newRow("pdf") << "--export-pdf" << "plan.pdf";
}

void TestCommandLine::exports()
{
    QFETCH(QString, option);
    QFETCH(QString, output);
    const Run run = tarvo({option, "sample.gpj", output}, m_dir->path());
    QCOMPARE(run.err, QByteArray());
    QCOMPARE(run.status, 0);
    QCOMPARE(listing(m_dir->path()), QStringList({at(output), at("sample.gpj")}));   // nothing half-written beside it

    // The saved start (a Saturday) and week (Monday to Thursday) decide the days.
    if (output.endsWith(u"csv")) {
        QCOMPARE(readFile(at(output)), readFile(sample("sample.csv")));
    } else if (output.endsWith(u"ics")) {
        // Read back by libical, through the lister tools/package-test.sh uses.
        const QString lister = qEnvironmentVariable("TARVO_BUILD_DIR") + QStringLiteral("/tests/ics-events");
        if (!QFileInfo(lister).isExecutable())
            QSKIP("libical is not installed (tools/install-deps.sh test)");
        QProcess p;
        p.start(lister, {at(output)});
        QVERIFY(p.waitForFinished(-1));
        QCOMPARE(p.exitCode(), 0);
        QCOMPARE(p.readAllStandardOutput(), readFile(sample("sample-events.txt")));
    } else {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        QProcess p;
        p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), at(output), QStringLiteral("-")});
        QVERIFY(p.waitForFinished(-1));
        // Each task beside its days, as the columns of the page show them.
        const QString text = QString::fromUtf8(p.readAllStandardOutput()).simplified();
        for (const char *line : {"Walls, roof & door", "Hang the Tür 4 Mar 2027 – 4 Mar 2027",
                                 "Pour the slab + 3 days 3 Mar 2027 – 8 Mar 2027", "Timeline", "Page 3 of 3"})
            QVERIFY2(text.contains(QString::fromUtf8(line)), line);
    }
}

void TestCommandLine::failures_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("message");   // "@" is the folder
    const auto row = [](const char *name, QStringList args, int status, const char *message) {
        QTest::newRow(name) << args << status << QString::fromUtf8(message);
    };
    row("missing project", {"--export-csv", "@/missing.gpj", "@/out.csv"}, 1,
        "tarvo: cannot read the project \"@/missing.gpj\": No such file or directory");
    row("not a project", {"--export-ics", "@/notes.txt", "@/out.ics"}, 1,
        "tarvo: \"@/notes.txt\" is not a Tarvo project: it has no [Project] or [Goals] section");
    row("a folder for a project", {"--export-pdf", "@/sub", "@/out.pdf"}, 1, "tarvo: cannot read the project \"@/sub\": It is not a file.");
    row("no working day", {"--export-csv", "@/noweek.gpj", "@/out.csv"}, 1,
        "tarvo: the project \"@/noweek.gpj\" has no working day in its week: nothing can be scheduled");
    row("output in a missing folder", {"--export-csv", "@/sample.gpj", "@/gone/out.csv"}, 1,
        "tarvo: cannot write \"@/gone/out.csv\": No such file or directory");
    row("PDF in a missing folder", {"--export-pdf", "@/sample.gpj", "@/gone/out.pdf"}, 1,
        "tarvo: cannot write \"@/gone/out.pdf\": No such file or directory");
    row("output is a folder", {"--export-ics", "@/sample.gpj", "@/sub"}, 1, "tarvo: cannot write \"@/sub\": Filename refers to a directory");
    row("old file in a read-only folder", {"--export-csv", "@/sample.gpj", "@/sub/old.csv"}, 1,
        "tarvo: cannot write \"@/sub/old.csv\": Operation not permitted");
    row("output is the project", {"--export-csv", "@/sample.gpj", "@/sample.gpj"}, 2,
        "tarvo: the output \"@/sample.gpj\" is the project itself");
    row("two exports", {"--export-csv", "--export-pdf", "@/sample.gpj", "@/out"}, 2,
        "tarvo: --export-csv and --export-pdf cannot be given together");
    row("no output", {"--export-ics", "@/sample.gpj"}, 2, "tarvo: --export-ics needs a project file and an output file");
    row("unknown option", {"--export-ics", "--ical", "@/sample.gpj", "@/out"}, 2, "tarvo: Unknown option 'ical'. See tarvo --help.");
}

void TestCommandLine::failures()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, message);
    QVERIFY(writeFile(at("notes.txt"), "[Notes]\r\nNot=a project\r\n"));
    QVERIFY(writeFile(at("noweek.gpj"), readFile(at("sample.gpj")).replace("WorkWeek=1111000", "WorkWeek=0000000")));
    QVERIFY(QDir().mkpath(at("sub")) && writeFile(at("sub/old.csv"), "old"));
    // Immutable stops root as read-only bits stop a user.
    const bool readOnly = QTest::currentDataTag() == QByteArray("old file in a read-only folder");
    if (readOnly && QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("+i"), at("sub")}) != 0)
        QSKIP("this file system cannot make a folder read-only for root");
    const QStringList before = listing(m_dir->path());
    const QByteArray project = readFile(at("sample.gpj"));

    const Run run = tarvo(arguments.replaceInStrings(QStringLiteral("@"), m_dir->path()), m_dir->path());
    if (readOnly)
        QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("-i"), at("sub")});
    QCOMPARE(run.status, status);
    QCOMPARE(QString::fromUtf8(run.err), message.replace(u'@', m_dir->path()) + u'\n');
    QCOMPARE(run.out, QByteArray());
    QCOMPARE(listing(m_dir->path()), before);   // no output, whole or partial
    QCOMPARE(readFile(at("sub/old.csv")), QByteArray("old"));
    QCOMPARE(readFile(at("sample.gpj")), project);
}

void TestCommandLine::tellsWhatItIs()
{
    const Run version = tarvo({"--version"}, m_dir->path());
    QCOMPARE(version.status, 0);
    QCOMPARE(version.out, QByteArray("Tarvo " TARVO_VERSION "\n"));
    const Run help = tarvo({"--help"}, m_dir->path());
    QCOMPARE(help.status, 0);
    for (const char *text : {"[options] PROJECT.gpj OUT", "--export-ics", "--export-csv", "--export-pdf"})
        QVERIFY2(help.out.contains(text), text);
}

// As in the window: no saved start, the plan starts today; no saved week,
// Monday to Friday.
void TestCommandLine::withoutAStartDatePlansFromToday()
{
    QVERIFY(writeFile(at("sample.gpj"), readFile(at("sample.gpj")).replace("Start=2027-02-27\r\nWorkWeek=1111000\r\n", "")));
    QDate first = QDate::currentDate();
    while (first.dayOfWeek() > 5)
        first = first.addDays(1);
    const Run run = tarvo({"--export-csv", "sample.gpj", "out.csv"}, m_dir->path());
    QCOMPARE(run.status, 0);
    const QList<QByteArray> rows = readFile(at("out.csv")).split('\n');
    QVERIFY(rows.size() > 2);
    QVERIFY2(rows.at(1).startsWith("\"Clear the ground\",\"" + first.toString(u"MM/dd/yyyy").toLatin1() + "\""), rows.at(1));
}

// Done work is left out of a calendar, as in the window, unless asked for.
void TestCommandLine::doneTasksOnlyWhenAsked()
{
    Run run = tarvo({"--export-csv", "sample.gpj", "plain.csv"}, m_dir->path());
    QCOMPARE(run.status, 0);
    QVERIFY(!readFile(at("plain.csv")).contains("Let it cure"));
    run = tarvo({"--export-csv", "--include-done", "sample.gpj", "all.csv"}, m_dir->path());
    QCOMPARE(run.status, 0);
    QVERIFY(readFile(at("all.csv")).contains("\r\n\"Done: Let it cure\",\"03/09/2027\",\"\",\"03/09/2027\""));
}

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
