// The open project's file changed by another device, through a synced
// folder: what Save, the check of the file and Open do about it.
#include <QDir>
#include <QFile>
#include <QTest>

#include "Planner.h"
#include "project/ConflictCopies.h"
#include "project/GpjFormat.h"
#include "project/Recovery.h"

namespace {

// A project "Plan" saved with two sub-goals, then another device's copy of
// it written over the file the way a sync tool does (a rename).
struct Synced : Planner {
    explicit Synced(bool saved = true)
    {
        add({{"Design", "sketch\nlogo"}, {"Build", "frame"}});
        if (saved) {
            modals.saveActions.append(typeAndSave("Plan"));
            s.project.mnuSave_Click();
            modals.asked.clear();
        }
    }
    QString path(const QString &name = "Plan") const { return s.folders.projects() + name + ".gpj"; }
    // The other device's project: this one as saved, changed by change.
    void otherDevice(const std::function<void(Project &)> &change, const QString &name = "Plan")
    {
        Project other = Gpj::readFile(app.read("projects/Plan.gpj")).project;
        change(other);
        app.write("projects/.incoming", Gpj::write(other).toUtf8());
        QFile::remove(path(name));
        QVERIFY(QFile::rename(app.file("projects/.incoming"), path(name)));
    }
    QStringList titles() const
    {
        QStringList out;
        for (const auto &a : modals.asked)
            out << a.title;
        return out;
    }
    Project onDisk() const { return Gpj::readFile(app.read("projects/Plan.gpj")).project; }
};

void addTask(Project &p, int goal, const QString &line) { p.subGoals[goal].tasks += line + u'\n'; }

} // namespace

class TestSync : public QObject {
    Q_OBJECT
private slots:
    void saveMergesWhatChangedOnDisk();
    void ownSaveIsNoChangeOnDisk();
    void takenInWhenNothingIsUnsaved();
    void notedWhenChangesAreUnsaved();
    void vanishedOrUnreadableFileIsNotRecreated_data();
    void vanishedOrUnreadableFileIsNotRecreated();
    void conflictCopyNames_data();
    void conflictCopyNames();
    void conflictCopiesOfferedAtOpen_data();
    void conflictCopiesOfferedAtOpen();
    void baseComesBackWithRestoredWork();
};

void TestSync::saveMergesWhatChangedOnDisk()
{
    Synced p;
    p.otherDevice([](Project &o) { addTask(o, 1, "paint"); });
    p.select(1);
    p.typeTasks("sketch\nlogo\nfonts");
    QVERIFY(p.s.project.mnuSave_Click());
    QCOMPARE(p.titles(), QStringList{"Merged"});
    QVERIFY2(p.modals.lastText().contains(u"Changes from the other copy taken in: \u201CBuild\u201D."),
             qPrintable(p.modals.lastText()));
    const Project disk = p.onDisk();
    QCOMPARE(disk.subGoals[0].tasks, QString("sketch\nlogo\nfonts\n"));
    QCOMPARE(disk.subGoals[1].tasks, QString("frame\npaint\n"));
    QCOMPARE(Gpj::write(p.project()), Gpj::write(disk));
    QVERIFY(!p.s.document.isModified());

    // The merged file is the base now: the next save is a plain one.
    p.modals.asked.clear();
    p.typeTasks("sketch");
    QVERIFY(p.s.project.mnuSave_Click());
    QCOMPARE(p.modals.lastText(), QString("Ready! Project saved."));
}

void TestSync::ownSaveIsNoChangeOnDisk()
{
    Synced p;
    p.select(1);
    p.typeTasks("sketch");
    QVERIFY(p.s.project.mnuSave_Click());
    const quint64 revision = p.s.document.revision();
    p.s.sync.check();
    QCOMPARE(p.s.sync.note(), QString());
    QCOMPARE(p.s.document.revision(), revision);
    // Saving again writes without a merge.
    p.modals.asked.clear();
    p.typeTasks("sketch\nmore");
    QVERIFY(p.s.project.mnuSave_Click());
    QCOMPARE(p.titles(), QStringList{"Done"});
}

void TestSync::takenInWhenNothingIsUnsaved()
{
    Synced p;
    p.select(2);
    p.otherDevice([](Project &o) {
        addTask(o, 1, "paint");
        o.subGoals.prepend({"7-7-7", "Research", {}, "read\n"});   // Build moves to card 3
    });
    p.s.sync.check();
    QCOMPARE(p.s.sync.note(), QString("Updated from disk"));
    QCOMPARE(Gpj::write(p.project()), Gpj::write(p.onDisk()));
    QVERIFY(!p.s.document.isModified());
    QCOMPARE(p.s.document.selectedCard(), 3);   // the selected sub-goal, where it is now
    QVERIFY(p.modals.asked.isEmpty());
    // Its task files follow.
    QCOMPARE(p.taskFile(3), QByteArray("frame\r\npaint\r\n"));
    QCOMPARE(p.taskFile(1), QByteArray("read\r\n"));
    // The note goes with the next edit.
    p.typeTasks("frame");
    QCOMPARE(p.s.sync.note(), QString());
}

void TestSync::notedWhenChangesAreUnsaved()
{
    Synced p;
    p.select(1);
    p.typeTasks("sketch\nlogo\nfonts");
    const Project mine = p.project();
    p.otherDevice([](Project &o) { o.name = "Their plan"; });
    p.s.sync.check();
    QCOMPARE(p.s.sync.note(), QString("The project's file changed on disk: the next Save merges it with your changes."));
    QVERIFY(p.project() == mine);
    QVERIFY(p.modals.asked.isEmpty());
    QVERIFY(p.s.project.mnuSave_Click());
    QCOMPARE(p.project().name, QString("Their plan"));
    QCOMPARE(p.project().subGoals[0].tasks, QString("sketch\nlogo\nfonts"));
    QCOMPARE(p.s.sync.note(), QString());
}

void TestSync::vanishedOrUnreadableFileIsNotRecreated_data()
{
    QTest::addColumn<QString>("what");
    QTest::addColumn<QString>("said");
    QTest::newRow("deleted") << "deleted" << "is no longer there";
    QTest::newRow("a folder now") << "folder" << "can no longer be read: It is not a file.";
    QTest::newRow("no project now") << "junk" << "can no longer be read: It is not a Tarvo project";
}

void TestSync::vanishedOrUnreadableFileIsNotRecreated()
{
    QFETCH(QString, what);
    QFETCH(QString, said);
    Synced p;
    QFile::remove(p.path());
    if (what == "folder")
        QDir().mkpath(p.path());
    else if (what == "junk")
        p.app.write("projects/Plan.gpj", "half a file");
    p.s.sync.check();
    QCOMPARE(p.s.sync.note(), what == "deleted" ? QString("The project's file is no longer on disk.") : QString());
    p.select(1);
    p.typeTasks("more");
    // Save says so, naming the file, and asks for a place.
    p.modals.saveActions.append(typeAndSave("Elsewhere"));
    QVERIFY(p.s.project.mnuSave_Click());
    QCOMPARE(p.titles(), (QStringList{"Save", "Done"}));
    const QString text = p.modals.asked[0].text;
    QVERIFY2(text.contains(p.path()) && text.contains(said), qPrintable(text));
    QCOMPARE(p.s.document.filePath(), p.path("Elsewhere"));
    QCOMPARE(QFileInfo(p.path()).isFile(), what == "junk");
    if (what == "junk")
        QCOMPARE(p.app.read("projects/Plan.gpj"), QByteArray("half a file"));
}

void TestSync::conflictCopyNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("copy");
    QTest::newRow("Syncthing") << "Plan.sync-conflict-20270101-120000-ABCDEFG.gpj" << true;
    QTest::newRow("Dropbox") << "Plan (conflicted copy 2027-01-01).gpj" << true;
    QTest::newRow("Dropbox, with a name") << "Plan (Ann's conflicted copy 2027-01-01).gpj" << true;
    QTest::newRow("Nextcloud") << "Plan (conflicted copy 2027-01-01 120000).gpj" << true;
    QTest::newRow("numbered") << "Plan (conflicted copy 2027-01-01) (1).gpj" << true;
    QTest::newRow("the project itself") << "Plan.gpj" << false;
    QTest::newRow("another project's copy") << "Plans.sync-conflict-20270101-120000-ABCDEFG.gpj" << false;
    QTest::newRow("short device id") << "Plan.sync-conflict-20270101-120000-ABC.gpj" << false;
    QTest::newRow("no date") << "Plan (conflicted copy).gpj" << false;
    QTest::newRow("another kind of file") << "Plan (conflicted copy 2027-01-01).txt" << false;
}

void TestSync::conflictCopyNames()
{
    QFETCH(QString, name);
    QFETCH(bool, copy);
    QCOMPARE(ConflictCopies::isCopyOf(name, "Plan.gpj"), copy);
}

void TestSync::conflictCopiesOfferedAtOpen_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("merged");
    QTest::addColumn<bool>("askedAgain");   // at the next Open
    QTest::newRow("yes") << int(Msg::Yes) << true << false;
    QTest::newRow("no") << int(Msg::No) << false << false;
    QTest::newRow("not now") << int(Msg::Cancel) << false << true;
}

void TestSync::conflictCopiesOfferedAtOpen()
{
    QFETCH(int, answer);
    QFETCH(bool, merged);
    QFETCH(bool, askedAgain);
    Synced p;
    const QString copy = "Plan.sync-conflict-20270101-120000-ABCDEFG.gpj";
    // The copy is the other device's version: it added a task.
    p.otherDevice([](Project &o) { o.subGoals[0].tasks = "sketch\nlogo\npalette\n"; }, copy.chopped(4));
    const QByteArray copyBytes = p.app.read("projects/" + copy);
    p.modals.openActions.append(pickAndOpen("Plan.gpj"));
    p.modals.answer(MsgAnswer(answer));
    p.s.project.mnuOpen_Click();
    QCOMPARE(p.modals.asked.size(), merged ? 2 : 1);
    QCOMPARE(p.modals.asked[0].text, "A copy of this project made by a sync tool was found: " + copy + ". Merge it in?");
    QCOMPARE(p.project().subGoals[0].tasks, QString(merged ? "sketch\nlogo\npalette\n" : "sketch\nlogo\n"));
    QCOMPARE(p.app.read("projects/" + copy), copyBytes);   // left in place
    if (merged) {
        QCOMPARE(p.modals.asked[1].title, QString("Merged"));
        QVERIFY(p.s.document.isModified());
    }
    // Not offered again this run after Yes or No; not now: at the next Open.
    p.modals.asked.clear();
    p.s.sync.check();
    QVERIFY(p.modals.asked.isEmpty());
    p.modals.answers = {Msg::No, Msg::No};
    p.modals.openActions.append(pickAndOpen("Plan.gpj"));
    p.s.project.mnuOpen_Click();
    QCOMPARE(p.modals.asked.size(), (merged ? 1 : 0) + (askedAgain ? 1 : 0));
}

void TestSync::baseComesBackWithRestoredWork()
{
    TempAppFolder app;
    {
        // A run that saves, changes and dies before saving again.
        ScriptedModals modals;
        Session s(app.path(), modals, modals);
        modals.saveActions.append(typeAndSave("Plan"));
        QString name = "Design";
        s.dashboard.txtSubGoal_KeyPress(13, name);
        s.project.mnuSave_Click();
        s.dashboard.lblGoal_Click(1);
        s.tasks.txtGoalTasks_Change("mine");
        s.recovery.writeNow();
        s.base.waitUntilIdle();
        QVERIFY(QFile::exists(BaseCopy::copyPath(app.path())));
        // Meanwhile another device renames the project.
        Project other = Gpj::readFile(app.read("projects/Plan.gpj")).project;
        other.name = "Renamed";
        app.write("projects/Plan.gpj", Gpj::write(other).toUtf8());
    }   // ended without a clean exit: both copies stay in tmp/
    Recovery::keepAside(app.path());   // the base goes aside with the work
    QVERIFY(!QFile::exists(BaseCopy::copyPath(app.path())));
    ScriptedModals modals;
    Session s(app.path(), modals, modals);
    modals.answer(Msg::Yes);
    s.offerRestore();
    QCOMPARE(s.document.project().subGoals[0].tasks, QString("mine\n"));
    QCOMPARE(s.sync.note(), QString("The project's file changed on disk: the next Save merges it with your changes."));
    QVERIFY(s.project.mnuSave_Click());
    const Project saved = Gpj::readFile(app.read("projects/Plan.gpj")).project;
    QCOMPARE(saved.name, QString("Renamed"));
    QCOMPARE(saved.subGoals[0].tasks, QString("mine\n"));
    QVERIFY(QDir(app.file("tmp")).entryList({".base-kept*"}, QDir::Files | QDir::Hidden).isEmpty());
}

QTEST_GUILESS_MAIN(TestSync)
#include "tst_sync.moc"
