// Which folders Tarvo uses: beside the program in an application folder,
// the user's own data folder when installed for every user. Real folders;
// a read-only one is made immutable, which stops root too.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>
#include <unistd.h>

#include "Patience.h"
#include "app/AppFolders.h"

namespace {

// A tree of folders (ending in "/") and files under a temporary root; the
// immutable ones are made so, and made writable again at the end.
class Tree {
public:
    Tree() { ::chmod(QFile::encodeName(m_dir.path()).constData(), 0755); }
    ~Tree()
    {
        for (const QString &path : m_immutable)
            QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("-i"), path});
    }
    QString at(const QString &relative) const { return QDir::cleanPath(m_dir.path() + u'/' + relative); }
    // "@" in a text stands for the root.
    QString expand(QString text) const { return text.replace(u'@', m_dir.path()); }
    void make(const QStringList &entries) const
    {
        for (const QString &e : entries) {
            if (e.endsWith(u'/')) {
                QDir().mkpath(at(e));
            } else {
                QDir().mkpath(QFileInfo(at(e)).path());
                QFile f(at(e));
                f.open(QIODevice::WriteOnly);
            }
        }
    }
    bool makeImmutable(const QStringList &entries)
    {
        for (const QString &e : entries) {
            if (QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("+i"), at(e)}) != 0)
                return false;
            m_immutable.prepend(at(e));
        }
        return true;
    }

private:
    QTemporaryDir m_dir;
    QStringList m_immutable;
};

int quietly(const char *program, const QStringList &arguments)
{
    QProcess p;
    p.setStandardOutputFile(QProcess::nullDevice());
    p.start(QString::fromLatin1(program), arguments);
    return p.waitForFinished(-1) && p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
}

} // namespace

class TestAppFolders : public QObject {
    Q_OBJECT
private slots:
    void choosesTheFolders_data();
    void choosesTheFolders();
    void linksThePictures_data();
    void linksThePictures();
    void anotherUserOfASharedInstallWritesInTheirHome_data();
    void anotherUserOfASharedInstallWritesInTheirHome();
};

void TestAppFolders::choosesTheFolders_data()
{
    QTest::addColumn<QStringList>("tree");
    QTest::addColumn<QStringList>("readOnly");
    QTest::addColumn<QString>("programDir");
    QTest::addColumn<QString>("xdgDataHome");
    QTest::addColumn<QString>("data");
    QTest::addColumn<QString>("images");

    const QString app = QStringLiteral("@/app"), xdg = QStringLiteral("@/xdg/Tarvo");
    QTest::newRow("application folder") << QStringList{"app/imgs/"} << QStringList{} << "app" << "@/xdg" << app << "@/app/imgs";
    QTest::newRow("application folder, projects and tmp made")
        << QStringList{"app/imgs/", "app/projects/", "app/tmp/"} << QStringList{} << "app/" << "@/xdg" << app << "@/app/imgs";
    QTest::newRow("installed under /usr")
        << QStringList{"usr/bin/tarvo", "usr/share/tarvo/imgs/"} << QStringList{} << "usr/bin" << "@/xdg" << xdg
        << "@/usr/share/tarvo/imgs";
    QTest::newRow("installed, XDG_DATA_HOME unset")
        << QStringList{"usr/bin/"} << QStringList{} << "usr/bin" << "" << "@/home/.local/share/Tarvo" << "@/usr/share/tarvo/imgs";
    QTest::newRow("installed, XDG_DATA_HOME relative")
        << QStringList{"usr/bin/"} << QStringList{} << "usr/bin" << "xdg" << "@/home/.local/share/Tarvo" << "@/usr/share/tarvo/imgs";
    QTest::newRow("imgs is a file") << QStringList{"app/imgs"} << QStringList{} << "app" << "@/xdg" << xdg << "@/share/tarvo/imgs";
    QTest::newRow("read-only folder: pictures beside, files at home")
        << QStringList{"app/imgs/"} << QStringList{"app"} << "app" << "@/xdg" << xdg << "@/app/imgs";
    QTest::newRow("read-only folder, writable projects and tmp")
        << QStringList{"app/imgs/", "app/projects/", "app/tmp/"} << QStringList{"app"} << "app" << "@/xdg" << app << "@/app/imgs";
    QTest::newRow("read-only folder, read-only tmp")
        << QStringList{"app/imgs/", "app/projects/", "app/tmp/"} << QStringList{"app/tmp", "app"} << "app" << "@/xdg" << xdg
        << "@/app/imgs";
    QTest::newRow("read-only folder, tmp missing")
        << QStringList{"app/imgs/", "app/projects/"} << QStringList{"app"} << "app" << "@/xdg" << xdg << "@/app/imgs";
}

void TestAppFolders::choosesTheFolders()
{
    QFETCH(QStringList, tree);
    QFETCH(QStringList, readOnly);
    QFETCH(QString, programDir);
    QFETCH(QString, xdgDataHome);
    QFETCH(QString, data);
    QFETCH(QString, images);
    Tree t;
    t.make(tree);
    if (!t.makeImmutable(readOnly))
        QSKIP("this file system cannot make a folder read-only for root");
    const AppFolders got = chooseAppFolders(t.at(programDir), t.expand(xdgDataHome), t.at("home"));
    QCOMPARE(got.data, t.expand(data));
    QCOMPARE(got.images, t.expand(images));
}

void TestAppFolders::linksThePictures_data()
{
    QTest::addColumn<QString>("before");   // what data/imgs is before: "", a link target, or "folder"
    QTest::addColumn<bool>("picturesInData");
    QTest::newRow("first start") << "" << false;
    QTest::newRow("an older install's pictures") << "@/old/imgs" << false;
    QTest::newRow("a folder of the user's own") << "folder" << false;
    QTest::newRow("an application folder") << "folder" << true;
}

void TestAppFolders::linksThePictures()
{
    QFETCH(QString, before);
    QFETCH(bool, picturesInData);
    Tree t;
    t.make({"share/tarvo/imgs/card.gif", "old/imgs/card.gif"});
    const AppFolders folders{t.at("data"), picturesInData ? t.at("data/imgs") : t.at("share/tarvo/imgs")};
    if (before == u"folder")
        t.make({"data/imgs/mine.gif"});
    else if (!before.isEmpty())
        QVERIFY(QDir().mkpath(t.at("data")) && QFile::link(t.expand(before), t.at("data/imgs")));

    QVERIFY(linkImages(folders));
    const QFileInfo imgs(t.at("data/imgs"));
    if (before == u"folder") {
        QVERIFY(!imgs.isSymLink());
        QVERIFY(QFileInfo::exists(t.at("data/imgs/mine.gif")));
    } else {
        QVERIFY(imgs.isSymLink());
        QCOMPARE(imgs.symLinkTarget(), folders.images);
    }
}

// The real program, run as a user who is not root, from a folder it may or
// may not write: where do its lock and task files go?
void TestAppFolders::anotherUserOfASharedInstallWritesInTheirHome_data()
{
    QTest::addColumn<QString>("programDir");
    QTest::addColumn<QString>("pictures");
    QTest::addColumn<bool>("usersOwn");
    QTest::addColumn<QString>("data");
    QTest::newRow("an application folder of the user's") << "app" << "app/imgs" << true << "app";
    QTest::newRow("an application folder of root's") << "app" << "app/imgs" << false << "home/.local/share/Tarvo";
    QTest::newRow("installed under /usr") << "usr/bin" << "usr/share/tarvo/imgs" << false << "home/.local/share/Tarvo";
}

void TestAppFolders::anotherUserOfASharedInstallWritesInTheirHome()
{
    QFETCH(QString, programDir);
    QFETCH(QString, pictures);
    QFETCH(bool, usersOwn);
    QFETCH(QString, data);
    const QString built = qEnvironmentVariable("TARVO_BUILD_DIR") + QStringLiteral("/tarvo");
    if (!QFileInfo(built).isExecutable())
        QSKIP("the tarvo program is not built");
    if (::geteuid() != 0 || QStandardPaths::findExecutable(QStringLiteral("setpriv")).isEmpty())
        QSKIP("needs root and setpriv to run Tarvo as another user");
    const QString user = QStringLiteral("tarvo-test");
    if (quietly("id", {user}) != 0 && quietly("useradd", {QStringLiteral("--system"), QStringLiteral("--no-create-home"), user}) != 0)
        QSKIP("no user to run Tarvo as");

    Tree t;
    t.make({programDir + u'/', pictures + QStringLiteral("/card.gif"), QStringLiteral("home/")});
    QVERIFY(QFile::copy(built, t.at(programDir + QStringLiteral("/tarvo"))));
    QCOMPARE(QProcess::execute(QStringLiteral("chmod"), {QStringLiteral("-R"), QStringLiteral("a+rX"), t.at(".")}), 0);
    QCOMPARE(QProcess::execute(QStringLiteral("chown"), {QStringLiteral("-R"), user, t.at("home")}), 0);
    if (usersOwn)
        QCOMPARE(QProcess::execute(QStringLiteral("chown"), {QStringLiteral("-R"), user, t.at(programDir)}), 0);
    const QStringList installed = QDir(t.at(programDir)).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);

    QProcess tarvo;
    tarvo.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    // setpriv and env become Tarvo itself, so killing the process ends Tarvo.
    tarvo.start(QStringLiteral("setpriv"),
                {QStringLiteral("--reuid=") + user, QStringLiteral("--regid=") + user, QStringLiteral("--clear-groups"),
                 QStringLiteral("--"), QStringLiteral("env"), QStringLiteral("-u"), QStringLiteral("XDG_DATA_HOME"),
                 QStringLiteral("HOME=") + t.at("home"), QStringLiteral("QT_QPA_PLATFORM=offscreen"),
                 t.at(programDir + QStringLiteral("/tarvo"))});
    QVERIFY(tarvo.waitForStarted());
    const QString lock = t.at(data + QStringLiteral("/tmp/.tarvo.lock"));
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(lock), 60000);
    tarvo.kill();
    tarvo.waitForFinished();

    if (data != programDir) {
        // Nothing beside the program, and the window finds its pictures.
        QCOMPARE(QDir(t.at(programDir)).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), installed);
        QCOMPARE(QFileInfo(t.at(data + QStringLiteral("/imgs"))).symLinkTarget(), t.at(pictures));
    } else {
        QVERIFY(!QFileInfo::exists(t.at("home/.local")));
    }
}

QTEST_GUILESS_MAIN(TestAppFolders)
#include "tst_appfolders.moc"
