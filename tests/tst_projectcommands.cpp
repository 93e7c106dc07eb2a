// New, Open, Save and Save As as the user meets them: the questions asked,
// what is written, and what is left alone when a step is cancelled or fails.
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QTest>

#include "ScriptedModals.h"
#include "TempAppFolder.h"
#include "project/OpenDialog.h"
#include "project/WorkingState.h"

namespace {

const QString kSaveQuestion = QStringLiteral("Want to save changes before?");
const QString kSaved = QStringLiteral("Ready! Project saved.");

struct Fixture {
    TempAppFolder app;
    ScriptedModals modals;
    WorkingState s{app.path(), modals};

    void add(const QString &name, const QString &tasks = {})
    {
        s.lblGoal_Click(0);
        s.txtSubGoal_Change(name);
        s.txtSubGoal_KeyPress(13);
        s.lblGoal_Click(int(s.lstSubGoals.size()));
        s.txtGoalTasks_KeyPress('x');
        s.txtGoalTasks_Change(tasks, true);
        s.txtGoalTasks_KeyUp();
        s.lblGoal_Click(0);
    }
    QString path(const QString &name) const { return s.projectsFolder() + name + ".gpj"; }
    QByteArray file(const QString &name) const { return app.read("projects/" + name + ".gpj"); }
    // A saved project "Saved" with one sub-goal, open and unchanged.
    void savedProject()
    {
        add("First", "one\r\ntwo");
        modals.saveActions.append(typeAndSave("Saved"));
        QVERIFY(s.mnuSave_Click());
        modals.asked.clear();
    }
    void writeProject(const QString &name, const QByteArray &goalLines)
    {
        app.write("projects/" + name + ".gpj", "[Project]\r\nName=" + name.toUtf8() + "\r\n[Goals]\r\n" + goalLines);
    }
    QStringList titles() const
    {
        QStringList out;
        for (const auto &a : modals.asked)
            out << a.title;
        return out;
    }
};

} // namespace

class TestProjectCommands : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom)); }

    void newWithoutChangesAsksNothing();
    void newWithChangesAnsweredNo();
    void newWithChangesSavedFirst();
    void newStopsWhenItsSaveIsCancelled();

    void saveWithoutFileAsksForAName();
    void saveWithFileWritesAtOnce();
    void saveAsCancelledSavesNothing();
    void failedSaveIsReported_data();
    void failedSaveIsReported();
    void failedSaveAsKeepsTheOldFileName();

    void openLoadsTheChosenFile();
    void openCancelledLeavesEverything();
    void openAsksAfterAFileIsChosen();
    void openSavesFirstToTheProjectsOwnFile();
    void openStopsWhenItsSaveIsCancelled();
    void openWithoutProjectsFolder();
    void openFailures_data();
    void openFailures();

    void closingAsks_data();
    void closingAsks();
};

void TestProjectCommands::newWithoutChangesAsksNothing()
{
    Fixture f;
    f.savedProject();
    f.s.mnuNew_Click();
    QVERIFY(f.modals.asked.isEmpty());
    QCOMPARE(f.s.CurrentProjectFile, QString());
    QCOMPARE(f.s.lblFilename, QString("New Project (No Filename)"));
    QCOMPARE(f.s.lblFilename_ToolTip, QString());
    QCOMPARE(f.s.txtProjectName, QString("My Goal"));
    QVERIFY(!f.s.cards[1].picGoal_Visible);
    QCOMPARE(f.s.cards[1].lblTasks_Total, QString("Tasks: 0"));
    QVERIFY(f.s.lstSubGoals.isEmpty() && f.s.lstSubgoalsAndKeys.isEmpty());
    QCOMPARE(f.s.SelectedGoalIndex, 0);
}

void TestProjectCommands::newWithChangesAnsweredNo()
{
    Fixture f;
    f.savedProject();
    const QByteArray before = f.file("Saved");
    f.add("Second");
    f.modals.answer(Msg::No);
    f.s.mnuNew_Click();
    QCOMPARE(f.modals.asked.size(), 1);
    QCOMPARE(f.modals.asked[0].text, kSaveQuestion);
    QCOMPARE(f.modals.asked[0].title, QString("Save Changes"));
    QCOMPARE(f.modals.asked[0].style, 36);
    QCOMPARE(f.file("Saved"), before);
    QVERIFY(!f.s.cards[1].picGoal_Visible);
    QCOMPARE(f.s.ProjectChanged, false);
}

void TestProjectCommands::newWithChangesSavedFirst()
{
    Fixture f;
    f.savedProject();
    f.add("Second");
    f.modals.answer(Msg::Yes);
    f.s.mnuNew_Click();
    QCOMPARE(f.titles(), QStringList({"Save Changes", "Done"}));
    QCOMPARE(f.modals.asked[1].text, kSaved);
    QVERIFY(f.file("Saved").contains("Goal2_Name=Second\r\n"));
    QCOMPARE(f.s.CurrentProjectFile, QString());
    QVERIFY(!f.s.cards[2].picGoal_Visible);
}

void TestProjectCommands::newStopsWhenItsSaveIsCancelled()
{
    Fixture f;
    f.add("Unsaved");
    f.modals.answer(Msg::Yes);
    f.modals.saveActions.append(cancelSave());
    f.s.mnuNew_Click();
    QVERIFY(f.s.cards[1].picGoal_Visible);
    QCOMPARE(f.s.cards[1].lblGoal_Caption, QString("Unsaved"));
    QCOMPARE(f.s.ProjectChanged, true);
    QVERIFY(!f.app.exists("projects"));
}

void TestProjectCommands::saveWithoutFileAsksForAName()
{
    Fixture f;
    f.add("Goal", "a");
    QVERIFY(!f.app.exists("projects"));   // a fresh install
    f.modals.saveActions.append(typeAndSave("Plan_2"));
    QVERIFY(f.s.mnuSave_Click());
    QVERIFY(f.modals.saveActions.isEmpty());
    QCOMPARE(f.s.CurrentProjectFile, f.path("Plan_2"));
    QCOMPARE(f.s.lblFilename, f.path("Plan_2"));
    QCOMPARE(f.s.lblFilename_ToolTip, f.path("Plan_2"));
    QVERIFY(f.file("Plan_2").startsWith("[Project]\r\nName=My Goal\r\n[Goals]\r\nGoal1="));
    QCOMPARE(f.s.ProjectChanged, false);
    QCOMPARE(f.modals.asked.size(), 1);
    QCOMPARE(f.modals.asked[0].text, kSaved);
    QCOMPARE(f.modals.asked[0].title, QString("Done"));
    QCOMPARE(f.modals.asked[0].style, 64);
}

void TestProjectCommands::saveWithFileWritesAtOnce()
{
    Fixture f;
    f.savedProject();
    f.add("More");
    QVERIFY(f.s.mnuSave_Click());
    QCOMPARE(f.titles(), QStringList({"Done"}));   // no dialog on the way
    QVERIFY(f.file("Saved").contains("Goal2_Name=More\r\n"));
    QCOMPARE(f.s.ProjectChanged, false);
}

void TestProjectCommands::saveAsCancelledSavesNothing()
{
    Fixture f;
    f.savedProject();
    const QByteArray before = f.file("Saved");
    f.add("More");
    f.modals.saveActions.append(cancelSave());
    QVERIFY(!f.s.mnuSaveAs_Click());
    QCOMPARE(f.file("Saved"), before);
    QCOMPARE(f.s.CurrentProjectFile, f.path("Saved"));
    QCOMPARE(f.s.ProjectChanged, true);
    QVERIFY(f.modals.asked.isEmpty());
}

void TestProjectCommands::failedSaveIsReported_data()
{
    QTest::addColumn<QString>("blocker");   // what stands in the way
    QTest::newRow("projects folder is a file") << "projects";
    QTest::newRow("project file is a folder") << "projects/Saved.gpj/";
}

void TestProjectCommands::failedSaveIsReported()
{
    QFETCH(QString, blocker);
    Fixture f;
    f.add("Goal", "a");
    if (blocker.endsWith('/'))
        QDir().mkpath(f.app.file(blocker));
    else
        f.app.write(blocker, "not a folder");
    f.s.CurrentProjectFile = f.path("Saved");
    QVERIFY(!f.s.mnuSave_Click());
    QCOMPARE(f.modals.asked.size(), 1);
    QCOMPARE(f.modals.asked[0].title, QString("Save Failed"));
    QCOMPARE(f.modals.asked[0].style, Msg::Critical);
    QVERIFY(f.modals.asked[0].text.contains(f.path("Saved")));
    QVERIFY(f.modals.asked[0].text.size() > f.path("Saved").size() + 40);   // a reason follows
    QCOMPARE(f.s.ProjectChanged, true);
}

void TestProjectCommands::failedSaveAsKeepsTheOldFileName()
{
    Fixture f;
    f.savedProject();
    f.add("More");
    QDir().mkpath(f.app.file("projects/Other.gpj"));   // a folder where the file would go
    f.modals.saveActions.append(typeAndSave("Other"));
    QVERIFY(!f.s.mnuSaveAs_Click());
    QCOMPARE(f.titles(), QStringList({"Save Failed"}));
    QCOMPARE(f.s.CurrentProjectFile, f.path("Saved"));
    QCOMPARE(f.s.lblFilename, f.path("Saved"));
    QCOMPARE(f.s.ProjectChanged, true);
}

void TestProjectCommands::openLoadsTheChosenFile()
{
    Fixture f;
    f.writeProject("Other", "Goal1=1-2-3\r\nGoal1_Name=Loaded\r\nGoal1_Tasks=1\r\nGoal1_Task1=done --\r\n");
    f.modals.openActions.append(pickAndOpen("Other.gpj"));
    f.s.mnuOpen_Click();
    QVERIFY(f.modals.asked.isEmpty());
    QCOMPARE(f.s.CurrentProjectFile, f.path("Other"));
    QCOMPARE(f.s.lblFilename, f.path("Other"));
    QCOMPARE(f.s.lblFilename_ToolTip, f.path("Other"));
    QCOMPARE(f.s.cards[1].lblGoal_Caption, QString("Loaded"));
    QCOMPARE(f.s.cards[1].lblTasks_Completed, QString("Completed: 1"));
    QCOMPARE(f.s.SelectedGoalIndex, 0);
}

void TestProjectCommands::openCancelledLeavesEverything()
{
    Fixture f;
    f.savedProject();
    f.add("Unsaved", "typed");
    f.s.lblGoal_Click(2);
    f.modals.openActions.append(cancelOpen());
    f.s.mnuOpen_Click();
    QVERIFY(f.modals.asked.isEmpty());
    QCOMPARE(f.s.CurrentProjectFile, f.path("Saved"));
    QVERIFY(f.s.cards[2].picGoal_Visible);
    QCOMPARE(f.s.cards[2].lblGoal_Caption, QString("Unsaved"));
    QCOMPARE(f.s.SelectedGoalIndex, 2);
    QCOMPARE(f.s.txtGoalTasks(), QString("typed"));
    QCOMPARE(f.s.ProjectChanged, true);
}

void TestProjectCommands::openAsksAfterAFileIsChosen()
{
    Fixture f;
    f.writeProject("Other", "");
    f.add("Unsaved");
    f.modals.answer(Msg::No);
    f.modals.openActions.append([&](OpenDialog &d) {
        QVERIFY(f.modals.asked.isEmpty());   // not asked before the choice
        pickAndOpen("Other.gpj")(d);
    });
    f.s.mnuOpen_Click();
    QCOMPARE(f.modals.asked.size(), 1);
    QCOMPARE(f.modals.asked[0].text, kSaveQuestion);
    QCOMPARE(f.modals.asked[0].style, 36);
    QCOMPARE(f.s.txtProjectName, QString("Other"));
    QVERIFY(!f.s.cards[1].picGoal_Visible);
}

void TestProjectCommands::openSavesFirstToTheProjectsOwnFile()
{
    Fixture f;
    f.savedProject();
    f.writeProject("Other", "");
    const QByteArray other = f.file("Other");
    f.add("Unsaved");
    f.modals.answer(Msg::Yes);
    f.modals.openActions.append(pickAndOpen("Other.gpj"));
    f.s.mnuOpen_Click();
    QCOMPARE(f.titles(), QStringList({"Save Changes", "Done"}));
    QVERIFY(f.file("Saved").contains("Goal2_Name=Unsaved\r\n"));
    QCOMPARE(f.file("Other"), other);
    QCOMPARE(f.s.CurrentProjectFile, f.path("Other"));
    QCOMPARE(f.s.txtProjectName, QString("Other"));
}

void TestProjectCommands::openStopsWhenItsSaveIsCancelled()
{
    Fixture f;
    f.writeProject("Other", "");
    f.add("Unsaved");
    f.modals.answer(Msg::Yes);
    f.modals.openActions.append(pickAndOpen("Other.gpj"));
    f.modals.saveActions.append(cancelSave());
    f.s.mnuOpen_Click();
    QCOMPARE(f.s.CurrentProjectFile, QString());
    QCOMPARE(f.s.lblFilename, QString("New Project (No Filename)"));
    QCOMPARE(f.s.cards[1].lblGoal_Caption, QString("Unsaved"));
    QCOMPARE(f.s.ProjectChanged, true);
}

void TestProjectCommands::openWithoutProjectsFolder()
{
    Fixture f;
    f.add("Kept");
    f.modals.openActions.append([](OpenDialog &d) {
        QVERIFY(d.File1.isEmpty());
        d.cmdOpen_Click();
    });
    f.modals.openActions.append(cancelOpen());
    f.s.mnuOpen_Click();
    QCOMPARE(f.modals.asked.size(), 1);
    QCOMPARE(f.modals.asked[0].text, QString("Please select a file."));
    QCOMPARE(f.modals.asked[0].title, QString("Missing Info"));
    QCOMPARE(f.modals.asked[0].style, 64);
    QCOMPARE(f.s.cards[1].lblGoal_Caption, QString("Kept"));
}

void TestProjectCommands::openFailures_data()
{
    QTest::addColumn<QString>("blocker");     // made after the file is chosen
    QTest::addColumn<QString>("named");       // the file the message names
    QTest::newRow("project file gone") << "" << "projects/Other.gpj";
    QTest::newRow("tmp is a file") << "tmp" << "tmp/";
    QTest::newRow("task file is a folder") << "tmp/1-2-3.txt/" << "tmp/1-2-3.txt";
}

void TestProjectCommands::openFailures()
{
    QFETCH(QString, blocker);
    QFETCH(QString, named);
    Fixture f;
    f.savedProject();
    f.writeProject("Other", "Goal1=1-2-3\r\nGoal1_Name=N\r\nGoal1_Tasks=1\r\nGoal1_Task1=t\r\n");
    f.modals.openActions.append([&](OpenDialog &d) {
        pickAndOpen("Other.gpj")(d);
        QDir(f.app.path() + "/tmp").removeRecursively();
        if (blocker.isEmpty())
            QFile::remove(f.path("Other"));
        else if (blocker.endsWith('/'))
            QDir().mkpath(f.app.file(blocker));
        else
            f.app.write(blocker, "a file");
    });
    f.s.mnuOpen_Click();

    QCOMPARE(f.modals.asked.size(), 1);
    QCOMPARE(f.modals.asked[0].title, QString("Open Failed"));
    QVERIFY(f.modals.asked[0].text.contains(f.path("Other")));
    QVERIFY(f.modals.asked[0].text.contains(f.app.file(named)));
    // A new empty project without a file: Save cannot overwrite the unread file.
    QCOMPARE(f.s.CurrentProjectFile, QString());
    QCOMPARE(f.s.lblFilename, QString("New Project (No Filename)"));
    QVERIFY(!f.s.cards[1].picGoal_Visible);
    QCOMPARE(f.s.RebuildingCards, false);
    QCOMPARE(f.s.SelectedGoalIndex, 0);
    f.modals.saveActions.append(cancelSave());
    QVERIFY(!f.s.mnuSave_Click());
    QCOMPARE(f.modals.saveActions.size(), 0);   // it asked for a name
}

void TestProjectCommands::closingAsks_data()
{
    QTest::addColumn<bool>("changed");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("saveDialogSaves");
    QTest::addColumn<bool>("mayClose");
    QTest::newRow("unchanged") << false << 0 << false << true;
    QTest::newRow("no") << true << Msg::No << false << true;
    QTest::newRow("cancel") << true << Msg::Cancel << false << false;
    QTest::newRow("yes, saved") << true << Msg::Yes << true << true;
    QTest::newRow("yes, save cancelled") << true << Msg::Yes << false << false;
}

void TestProjectCommands::closingAsks()
{
    QFETCH(bool, changed);
    QFETCH(int, answer);
    QFETCH(bool, saveDialogSaves);
    QFETCH(bool, mayClose);
    Fixture f;
    f.add("Goal");
    f.s.ProjectChanged = changed;
    f.modals.answer(answer);
    f.modals.saveActions.append(saveDialogSaves ? typeAndSave("Closing") : cancelSave());
    QCOMPARE(f.s.maybeSave(true), mayClose);
    if (changed) {
        QCOMPARE(f.modals.asked[0].text, kSaveQuestion);
        QCOMPARE(f.modals.asked[0].title, QString("Save Changes"));
        QCOMPARE(f.modals.asked[0].style, Msg::YesNoCancelQuestion);
    } else {
        QVERIFY(f.modals.asked.isEmpty());
    }
    QCOMPARE(f.app.exists("projects/Closing.gpj"), saveDialogSaves && answer == Msg::Yes);
    QCOMPARE(f.s.cards[1].lblGoal_Caption, QString("Goal"));   // closing resets nothing
}

QTEST_GUILESS_MAIN(TestProjectCommands)
#include "tst_projectcommands.moc"
