// Faults made on purpose around saving and loading. The tests run as root,
// so permission bits stop nothing: the faults are things standing where
// Tarvo's files must go, names the file system refuses, a file-size limit
// that makes writes fail like a full disk, and files vanishing mid-command.
// Each must end in a message where the user acted, no success reported,
// and the saved project file still holding its last good content.
#include <QDir>
#include <QFile>
#include <QTest>

#include <cerrno>
#include <csignal>
#include <sys/resource.h>

#include "Planner.h"
#include "component/KestrelFile.h"
#include "project/OpenDialog.h"

namespace {

const QString kSaved = QStringLiteral("Ready! Project saved.");

struct Fixture : Planner {
    void addSubGoal(const QString &name)
    {
        select(0);
        type(name);
    }
    void typeTasks(int card, const QString &text)
    {
        select(card);
        Planner::typeTasks(text);
        s.tasks.txtGoalTasks_KeyUp();
    }
    // Two sub-goals with tasks, saved as projects/plan.gpj; returns its bytes.
    QByteArray savedProject()
    {
        addSubGoal("Design");
        addSubGoal("Content");
        typeTasks(1, "Pick colours\nDraw logo + 3");
        typeTasks(2, "Write intro");
        select(0);
        modals.saveActions.append(typeAndSave("plan"));
        if (!s.project.mnuSave_Click() || modals.lastText() != kSaved)
            return {};
        modals.asked.clear();
        return app.read("projects/plan.gpj");
    }
    QStringList texts() const
    {
        QStringList out;
        for (const auto &a : modals.asked)
            out.append(a.text);
        return out;
    }
    // A failure was said, naming what failed, and no success was.
    bool failureSaid(const QString &naming) const
    {
        const QStringList all = texts();
        if (all.contains(kSaved))
            return false;
        for (const QString &t : all)
            if (t.contains(naming))
                return true;
        return false;
    }
    bool isNewEmptyProject() const
    {
        return project().subGoals.isEmpty() && project().name == QStringLiteral("My Goal")
               && s.document.filePath().isEmpty();
    }
    // Opens projects/<name> through the open dialog, as the user does.
    void open(const QString &name)
    {
        modals.openActions.append(pickAndOpen(name));
        s.project.mnuOpen_Click();
    }
};

void replaceByFile(const QString &path)
{
    QDir(path).removeRecursively();
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write("not a folder");
}

void replaceByFolder(const QString &path)
{
    QFile::remove(path);
    QDir().mkpath(path);
}

// Files larger than the limit cannot be written: the kernel fails the write
// with EFBIG, which reaches the writer exactly as a full disk's ENOSPC does.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &m_old);
        rlimit limit = m_old;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }

private:
    rlimit m_old{};
    void (*m_oldHandler)(int) = nullptr;
};

QString manyTasks(int count)
{
    QStringList lines;
    for (int i = 0; i < count; ++i)
        lines.append(QStringLiteral("Task number %1 with some words after it").arg(i));
    return lines.join("\n");
}

} // namespace

class TestFaults : public QObject {
    Q_OBJECT
private slots:
    void fileWhereProjectsFolderMustBe();
    void fileWhereTmpFolderMustBe_save();
    void fileWhereTmpFolderMustBe_load();
    void folderWhereProjectFileMustBe();
    void folderWhereTaskFileMustBe_load();
    void folderWhereTaskFileMustBe_save();
    void nameTooLongForTheFileSystem();
    void fullDisk_save_data();
    void fullDisk_save();
    void fullDisk_load();
    void fullDisk_typing();
    void flushRefused_data();
    void flushRefused();
    void projectFileRemovedBetweenDialogAndLoad();
    void projectFileReplacedByFolderBetweenDialogAndLoad();
};

void TestFaults::fileWhereProjectsFolderMustBe()
{
    Fixture f;
    f.app.write("projects", "keep me");
    f.addSubGoal("Design");
    f.modals.saveActions.append(typeAndSave("plan"));
    QVERIFY(!f.s.project.mnuSave_Click());
    QVERIFY2(f.failureSaid("plan.gpj"), qPrintable(f.texts().join(" | ")));
    QVERIFY(f.s.document.isModified());
    QCOMPARE(f.app.read("projects"), QByteArray("keep me"));
}

void TestFaults::fileWhereTmpFolderMustBe_save()
{
    // The tasks live in tmp/ while a project is open; when tmp/ is lost
    // behind the program's back, a save must not write the project without
    // them and call that a success.
    Fixture f;
    const QByteArray good = f.savedProject();
    QVERIFY(!good.isEmpty());
    replaceByFile(f.app.file("tmp"));
    f.typeTasks(1, "Pick colours\nDraw logo + 3\nMock up pages");
    f.select(0);
    f.modals.asked.clear();

    const bool saved = f.s.project.mnuSave_Click();
    if (saved || f.texts().contains(kSaved)) {
        // Saving may succeed only with every task in the file.
        const QByteArray now = f.app.read("projects/plan.gpj");
        QVERIFY2(now.contains("Goal1_Task3=Mock up pages\r\n") && now.contains("Goal2_Task1=Write intro\r\n"),
                 now.constData());
    } else {
        QVERIFY2(f.failureSaid("tmp"), qPrintable(f.texts().join(" | ")));
        QVERIFY(f.s.document.isModified());
        QCOMPARE(f.app.read("projects/plan.gpj"), good);
    }
}

void TestFaults::fileWhereTmpFolderMustBe_load()
{
    Fixture f;
    const QByteArray good = f.savedProject();
    QVERIFY(!good.isEmpty());
    f.s.project.mnuNew_Click();
    replaceByFile(f.app.file("tmp"));

    f.open("plan.gpj");
    QVERIFY2(f.failureSaid("tmp"), qPrintable(f.texts().join(" | ")));
    QVERIFY(f.isNewEmptyProject());
    // A later Save asks for a name instead of overwriting the unread file.
    f.modals.saveActions.append(cancelSave());
    QVERIFY(!f.s.project.mnuSave_Click());
    QVERIFY(f.modals.saveActions.isEmpty());
    QCOMPARE(f.app.read("projects/plan.gpj"), good);
}

void TestFaults::folderWhereProjectFileMustBe()
{
    Fixture f;
    QDir().mkpath(f.app.file("projects/plan.gpj"));
    f.addSubGoal("Design");
    f.modals.saveActions.append(typeAndSave("plan"));
    f.modals.answer(Msg::Yes);   // should the dialog ask about overwriting
    QVERIFY(!f.s.project.mnuSave_Click());
    QVERIFY2(f.failureSaid("plan.gpj"), qPrintable(f.texts().join(" | ")));
    QVERIFY(f.s.document.isModified());
    QVERIFY(QFileInfo(f.app.file("projects/plan.gpj")).isDir());
    QCOMPARE(QDir(f.app.file("projects")).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
             QStringList{"plan.gpj"});   // no temporary file left behind

    // Opening the folder, should the dialog list it, is a failed load.
    f.s.project.mnuNew_Click();
    f.modals.asked.clear();
    f.modals.openActions.append([](OpenDialog &d) {
        d.File1_ListIndex = d.File1.indexOf("plan.gpj");
        return d.File1_ListIndex < 0 ? cancelled() : closesWith(d.cmdOpen_Click());
    });
    f.s.project.mnuOpen_Click();
    QVERIFY(f.isNewEmptyProject());
    QVERIFY(!f.texts().contains(kSaved));
}

void TestFaults::folderWhereTaskFileMustBe_load()
{
    Fixture f;
    const QByteArray good = f.savedProject();
    QVERIFY(!good.isEmpty());
    const QString key = f.key(2);
    f.s.project.mnuNew_Click();
    replaceByFolder(f.app.file("tmp/" + key + ".txt"));

    f.open("plan.gpj");
    QVERIFY2(f.failureSaid(key + ".txt"), qPrintable(f.texts().join(" | ")));
    QVERIFY(f.isNewEmptyProject());
    QCOMPARE(f.app.read("projects/plan.gpj"), good);
}

void TestFaults::folderWhereTaskFileMustBe_save()
{
    // A task file that turned into a folder holds no tasks to save; writing
    // the project as if that sub-goal had none would lose its saved tasks.
    Fixture f;
    const QByteArray good = f.savedProject();
    QVERIFY(!good.isEmpty());
    const QString key = f.key(1);
    replaceByFolder(f.app.file("tmp/" + key + ".txt"));
    f.s.dashboard.txtProjectName_Change("Changed");

    const bool saved = f.s.project.mnuSave_Click();
    if (saved || f.texts().contains(kSaved)) {
        QVERIFY2(f.app.read("projects/plan.gpj").contains("Goal1_Task2=Draw logo + 3\r\n"),
                 "a success was reported with the sub-goal's tasks missing");
    } else {
        QVERIFY2(f.failureSaid(key + ".txt"), qPrintable(f.texts().join(" | ")));
        QVERIFY(f.s.document.isModified());
        QCOMPARE(f.app.read("projects/plan.gpj"), good);
    }
}

void TestFaults::nameTooLongForTheFileSystem()
{
    Fixture f;
    const QByteArray good = f.savedProject();
    QVERIFY(!good.isEmpty());
    f.typeTasks(1, "Changed");

    // Save As with a name the file system cannot hold: refused in the dialog.
    f.modals.saveActions.append(typeAndSave(QString(300, u'a')));
    f.modals.saveActions.append(cancelSave());
    QVERIFY(!f.s.project.mnuSaveAs_Click());
    QCOMPARE(f.texts(), QStringList{"Please remove any spaces and/or special characters."});
    QVERIFY(f.s.document.isModified());
    QCOMPARE(f.s.document.filePath(), f.app.file("projects/plan.gpj"));
    QCOMPARE(f.app.read("projects/plan.gpj"), good);

    // Multi-byte letters count by their bytes: 63 four-byte letters plus
    // ".gpj" are 256 bytes, one too many; 62 of them fit.
    f.modals.asked.clear();
    const QString clef = QStringLiteral("\U0001D11E");
    f.modals.saveActions.append(typeAndSave(clef.repeated(63)));
    f.modals.saveActions.append(typeAndSave(clef.repeated(62)));
    QVERIFY(f.s.project.mnuSaveAs_Click());
    QCOMPARE(f.texts(), (QStringList{"Please remove any spaces and/or special characters.", kSaved}));
    QVERIFY(QFile::exists(f.app.file("projects/" + clef.repeated(62) + ".gpj")));

    // Past the dialog, the writer itself must report the refusal.
    f.modals.asked.clear();
    f.s.dashboard.txtProjectName_Change("Changed");
    QVERIFY(!f.s.project.SaveProject(f.app.file("projects/" + QString(300, u'b') + ".gpj")));
    QVERIFY2(f.failureSaid(QString(300, u'b')), qPrintable(f.texts().join(" | ")));
    QVERIFY(f.s.document.isModified());
}

void TestFaults::fullDisk_save_data()
{
    // A small file fails only when the writer's buffer is flushed at the
    // end; a large one fails in the middle of writing.
    QTest::addColumn<int>("tasks");
    QTest::newRow("small file") << 3;
    QTest::newRow("large file") << 2000;
}

void TestFaults::fullDisk_save()
{
    QFETCH(int, tasks);
    Fixture f;
    const QByteArray good = f.savedProject();
    QVERIFY(!good.isEmpty());
    f.typeTasks(1, manyTasks(tasks));   // the task file is written before the disk fills
    f.select(0);
    f.modals.asked.clear();
    {
        FileSizeLimit full(good.size() + 16);
        QVERIFY(!f.s.project.mnuSave_Click());
    }
    QVERIFY2(f.failureSaid("plan.gpj"), qPrintable(f.texts().join(" | ")));
    QVERIFY(f.s.document.isModified());
    QCOMPARE(f.app.read("projects/plan.gpj"), good);
    QCOMPARE(QDir(f.app.file("projects")).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
             QStringList{"plan.gpj"});

    // Once there is room again, the same command saves.
    f.modals.asked.clear();
    QVERIFY(f.s.project.mnuSave_Click());
    QCOMPARE(f.texts(), QStringList{kSaved});
    QVERIFY(f.app.read("projects/plan.gpj").contains(
        QStringLiteral("Goal1_Task%1=Task number %2 ").arg(tasks).arg(tasks - 1).toUtf8()));
}

void TestFaults::fullDisk_load()
{
    Fixture f;
    f.addSubGoal("Design");
    f.typeTasks(1, manyTasks(2000));
    f.select(0);
    f.modals.saveActions.append(typeAndSave("plan"));
    QVERIFY(f.s.project.mnuSave_Click());
    const QByteArray good = f.app.read("projects/plan.gpj");
    f.s.project.mnuNew_Click();
    QDir(f.app.file("tmp")).removeRecursively();
    f.modals.asked.clear();
    {
        FileSizeLimit full(4096);   // the task file of 2000 lines does not fit
        f.open("plan.gpj");
    }
    QVERIFY2(!f.texts().isEmpty() && f.texts().constLast().contains("tmp"), qPrintable(f.texts().join(" | ")));
    QVERIFY(f.isNewEmptyProject());
    QCOMPARE(f.app.read("projects/plan.gpj"), good);
}

void TestFaults::fullDisk_typing()
{
    Fixture f;
    f.addSubGoal("Design");
    f.addSubGoal("Content");
    f.typeTasks(1, "First");
    f.modals.asked.clear();
    {
        FileSizeLimit full(1024);
        for (int i = 0; i < 5; ++i)   // every key release tries again
            f.typeTasks(1, manyTasks(100 + i));
    }
    // Told without a box that would take the keys being typed: the
    // problem names the file, and the typed text stays.
    QVERIFY(f.modals.asked.isEmpty());
    QVERIFY2(f.s.taskFiles.problem().contains(f.key(1) + ".txt"), qPrintable(f.s.taskFiles.problem()));
    QCOMPARE(f.project().subGoals[0].tasks, manyTasks(104));
    QCOMPARE(f.app.read("tmp/" + f.key(1) + ".txt"), QByteArray("First"));
    // Another card and back: the typed text, not the stale file, is shown.
    f.select(2);
    f.select(1);
    QCOMPARE(f.project().subGoals[0].tasks, manyTasks(104));
    // With room again, a save before any key holds what was typed.
    f.modals.saveActions.append(typeAndSave("plan"));
    QVERIFY(f.s.project.mnuSave_Click());
    QVERIFY(f.app.read("projects/plan.gpj").contains("Goal1_Task104=Task number 103 with some words after it\r\n"));
    // And the next change catches the file up, and the problem is gone.
    f.typeTasks(1, manyTasks(105));
    QCOMPARE(f.taskFile(1), manyTasks(105).replace("\n", "\r\n").toUtf8());
    QVERIFY(f.s.taskFiles.problem().isEmpty());
}

void TestFaults::flushRefused_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("said");
    QTest::newRow("device error") << EIO << "Input/output error";
    QTest::newRow("full disk") << ENOSPC << "No space left on device";
}

// The device refuses the flush before the rename: no "saved", the old file
// stays, nothing is left beside it, and the changes still count as unsaved.
void TestFaults::flushRefused()
{
    QFETCH(int, code);
    QFETCH(QString, said);
    Fixture f;
    const QByteArray good = f.savedProject();
    QVERIFY(!good.isEmpty());
    f.typeTasks(1, "Changed");
    f.modals.asked.clear();
    KestrelFile::syncHookForTests() = [code](int) { return code; };
    const bool saved = f.s.project.mnuSave_Click();
    KestrelFile::syncHookForTests() = nullptr;
    QVERIFY(!saved);
    QVERIFY2(f.failureSaid("plan.gpj") && f.texts().join("").contains(said), qPrintable(f.texts().join(" | ")));
    QVERIFY(f.s.document.isModified());
    QCOMPARE(f.app.read("projects/plan.gpj"), good);
    QCOMPARE(QDir(f.app.file("projects")).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden),
             QStringList{"plan.gpj"});
}

void TestFaults::projectFileRemovedBetweenDialogAndLoad()
{
    Fixture f;
    const QByteArray good = f.savedProject();
    QVERIFY(!good.isEmpty());
    QFile::copy(f.app.file("projects/plan.gpj"), f.app.file("projects/other.gpj"));
    f.open("other.gpj");
    QVERIFY(f.texts().isEmpty());
    f.s.project.mnuNew_Click();

    const QString path = f.app.file("projects/other.gpj");
    f.modals.openActions.append([path](OpenDialog &d) {
        d.File1_ListIndex = d.File1.indexOf("other.gpj");
        QFile::remove(path);   // gone after it was listed, before it is read
        return closesWith(d.cmdOpen_Click());
    });
    f.s.project.mnuOpen_Click();
    QVERIFY2(f.failureSaid("other.gpj"), qPrintable(f.texts().join(" | ")));
    QVERIFY(f.isNewEmptyProject());
    QVERIFY(!QFile::exists(path));   // nothing wrote it back
    QCOMPARE(f.app.read("projects/plan.gpj"), good);
}

void TestFaults::projectFileReplacedByFolderBetweenDialogAndLoad()
{
    Fixture f;
    const QByteArray good = f.savedProject();
    QVERIFY(!good.isEmpty());
    f.s.project.mnuNew_Click();
    const QString path = f.app.file("projects/plan.gpj");
    QFile::copy(path, f.app.file("plan.backup"));
    f.modals.openActions.append([path](OpenDialog &d) {
        d.File1_ListIndex = d.File1.indexOf("plan.gpj");
        replaceByFolder(path);
        return closesWith(d.cmdOpen_Click());
    });
    f.s.project.mnuOpen_Click();
    QVERIFY2(f.failureSaid("plan.gpj"), qPrintable(f.texts().join(" | ")));
    QVERIFY(f.isNewEmptyProject());
    QVERIFY(QFileInfo(path).isDir());
}

QTEST_GUILESS_MAIN(TestFaults)
#include "tst_faults.moc"
