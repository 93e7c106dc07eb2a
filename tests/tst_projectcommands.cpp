// New, Open, Save and Save As as the user meets them: the questions asked,
// what is written, and what is left alone when a step is cancelled or fails.
#include <QDir>
#include <QTest>

#include "Planner.h"
#include "project/OpenDialog.h"
#include "project/SaveDialog.h"

namespace {

struct Fixture : Planner {
    // An open project saved as "Saved" with one sub-goal, then changed.
    Fixture(bool saved = true)
    {
        add("First");
        if (saved) {
            modals.saveActions.append(typeAndSave("Saved"));
            s.project.mnuSave_Click();
            add("Unsaved");
            s.base.waitUntilIdle();   // its copy for unsaved work is in tmp/ before a test takes tmp/ away
        }
        app.write("projects/Other.gpj", "[Project]\r\nName=Other\r\n[Goals]\r\nGoal1=1-2-3\r\nGoal1_Name=N\r\n"
                                        "Goal1_Tasks=1\r\nGoal1_Task1=done --\r\n");
        modals.asked.clear();
    }
    void add(const QString &name)
    {
        select(0);
        type(name);
    }
    // Unsaved changes, or none.
    void setChanged(bool changed)
    {
        if (changed)
            s.dashboard.txtProjectName_Change(project().name + u'!');
        else
            s.document.markSaved(s.document.filePath());
    }
    QString path(const QString &name) const { return s.folders.projects() + name + ".gpj"; }
    QByteArray file(const QString &name) const { return app.read("projects/" + name + ".gpj"); }
    QStringList asked() const
    {
        QStringList out;
        for (const auto &a : modals.asked)
            out << a.title + "/" + QString::number(int(a.style));
        return out;
    }
    bool stillAsItWas() const { return card(2).name == "Unsaved" && s.document.isModified(); }
};

} // namespace

class TestProjectCommands : public QObject {
    Q_OBJECT
private slots:
    void newAsksOnlyAboutChanges_data();
    void newAsksOnlyAboutChanges();
    void saveAndSaveAs();
    void failedSaveIsReported_data();
    void failedSaveIsReported();
    void aProjectTooLargeToOpenIsNotSaved();
    void openFlows_data();
    void openFlows();
    void openFailures_data();
    void openFailures();
    void closingAsks_data();
    void closingAsks();
    void saveAsProposesAName_data();
    void saveAsProposesAName();
};

void TestProjectCommands::newAsksOnlyAboutChanges_data()
{
    QTest::addColumn<bool>("changed");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QStringList>("asked");
    QTest::addColumn<bool>("reset");
    QTest::newRow("unchanged") << false << 0 << QStringList() << true;
    QTest::newRow("no") << true << int(Msg::No) << QStringList({"Save Changes/35"}) << true;
    QTest::newRow("yes") << true << int(Msg::Yes) << QStringList({"Save Changes/35", "Done/64"}) << true;
    QTest::newRow("cancel, Esc, close box") << true << int(Msg::Cancel) << QStringList({"Save Changes/35"}) << false;
}

void TestProjectCommands::newAsksOnlyAboutChanges()
{
    QFETCH(bool, changed);
    QFETCH(int, answer);
    QFETCH(QStringList, asked);
    QFETCH(bool, reset);
    Fixture f;
    f.setChanged(changed);
    f.modals.answer(MsgAnswer(answer));
    f.s.project.mnuNew_Click();
    QCOMPARE(f.asked(), asked);
    if (!asked.isEmpty())
        QCOMPARE(f.modals.asked[0].text, QString("Want to save changes before?"));
    QCOMPARE(f.file("Saved").contains("Goal2_Name=Unsaved"), answer == int(Msg::Yes));
    if (!reset) {
        QVERIFY(f.stillAsItWas());
        QCOMPARE(f.s.document.filePath(), f.path("Saved"));
        return;
    }
    QCOMPARE(f.s.document.filePath(), QString());
    QCOMPARE(f.project().name, QString("My Goal"));
    QVERIFY(!f.card(1).inUse && f.project().subGoals.isEmpty());
    QCOMPARE(f.s.document.isModified(), false);

    // Yes on a project without a file, and the save dialog cancelled: New stops.
    Fixture g(false);
    g.modals.answer(Msg::Yes);
    g.modals.saveActions.append(cancelSave());
    g.s.project.mnuNew_Click();
    QVERIFY(g.card(1).inUse && g.s.document.isModified());
}

void TestProjectCommands::saveAndSaveAs()
{
    // Save without a file asks for a name; the projects folder is created.
    Fixture f(false);
    QDir(f.app.file("projects")).removeRecursively();
    f.modals.saveActions.append(typeAndSave("Plan_2"));
    QVERIFY(f.s.project.mnuSave_Click());
    QCOMPARE(f.s.document.filePath(), f.path("Plan_2"));
    QVERIFY(f.file("Plan_2").startsWith("[Project]\r\nName=My Goal\r\n[Goals]\r\nGoal1="));
    QCOMPARE(f.asked(), QStringList({"Done/64"}));
    QCOMPARE(f.modals.lastText(), QString("Ready! Project saved."));
    QCOMPARE(f.s.document.isModified(), false);

    // Save with a file writes at once; no dialog is queued, none is wanted.
    f.add("More");
    QVERIFY(f.s.project.mnuSave_Click());
    QVERIFY(f.file("Plan_2").contains("Goal2_Name=More\r\n"));

    // Save As cancelled writes nothing, even with a file name set.
    const QByteArray before = f.file("Plan_2");
    f.add("Third");
    f.modals.saveActions.append(cancelSave());
    QVERIFY(!f.s.project.mnuSaveAs_Click());
    QCOMPARE(f.file("Plan_2"), before);
    QCOMPARE(f.s.document.filePath(), f.path("Plan_2"));
    QVERIFY(f.s.document.isModified());
}

void TestProjectCommands::failedSaveIsReported_data()
{
    QTest::addColumn<QString>("blocker");   // a file or folder (ending in "/") in the way
    QTest::addColumn<bool>("saveAs");
    QTest::addColumn<QStringList>("asked");
    // The project's own file gone with its folder: said first, then Save As,
    // which cannot write either.
    QTest::newRow("projects folder is a file") << "projects" << false << QStringList{"Save/16", "Save Failed/16"};
    QTest::newRow("save as onto a folder") << "projects/New.gpj/" << true << QStringList{"Save Failed/16"};
}

void TestProjectCommands::failedSaveIsReported()
{
    QFETCH(QString, blocker);
    QFETCH(bool, saveAs);
    QFETCH(QStringList, asked);
    Fixture f;
    QDir(f.app.file("projects")).removeRecursively();
    blocker.endsWith('/') ? void(QDir().mkpath(f.app.file(blocker))) : f.app.write(blocker, "x");
    f.modals.saveActions.append(typeAndSave("New"));
    QVERIFY(saveAs ? !f.s.project.mnuSaveAs_Click() : !f.s.project.mnuSave_Click());
    QCOMPARE(f.asked(), asked);
    const QString text = f.modals.lastText();
    QVERIFY2(text.contains(f.path("New")) && text.contains("\n\n"), qPrintable(text));
    QVERIFY(f.stillAsItWas());
    // A Save As that failed leaves the project with the file it had.
    QCOMPARE(f.s.document.filePath(), f.path("Saved"));
}

// A file larger than Open takes would be a save the user cannot get back.
void TestProjectCommands::aProjectTooLargeToOpenIsNotSaved()
{
    Fixture f;
    const QByteArray before = f.file("Saved");
    f.s.document.setTasks(0, QString(257 * 1024 * 1024, u'x'));
    QVERIFY(!f.s.project.mnuSave_Click());
    QCOMPARE(f.asked(), QStringList{"Save Failed/16"});
    QVERIFY2(f.modals.lastText().contains("256 MB"), qPrintable(f.modals.lastText()));
    QCOMPARE(f.file("Saved"), before);
    QVERIFY(f.s.document.isModified());
    // Shortened, it saves.
    f.s.document.setTasks(0, "done --\nnext");
    f.modals.asked.clear();
    QVERIFY(f.s.project.mnuSave_Click());
    QCOMPARE(f.asked(), QStringList{"Done/64"});
}

void TestProjectCommands::openFlows_data()
{
    QTest::addColumn<bool>("pick");          // a file is chosen, or the dialog cancelled
    QTest::addColumn<QList<int>>("answers");
    QTest::addColumn<bool>("saveDialog");    // the project has no file, so Yes asks for a name
    QTest::addColumn<QStringList>("asked");
    QTest::addColumn<bool>("loaded");
    QTest::addColumn<bool>("savedFirst");
    QTest::newRow("cancel") << false << QList<int>() << false << QStringList() << false << false;
    QTest::newRow("no") << true << QList<int>{int(Msg::No)} << false << QStringList({"Save Changes/35"}) << true << false;
    QTest::newRow("yes") << true << QList<int>{int(Msg::Yes)} << false << QStringList({"Save Changes/35", "Done/64"})
                         << true << true;
    QTest::newRow("yes, name cancelled") << true << QList<int>{int(Msg::Yes)} << true << QStringList({"Save Changes/35"})
                                         << false << false;
    QTest::newRow("cancel, Esc, close box") << true << QList<int>{int(Msg::Cancel)} << false
                                            << QStringList({"Save Changes/35"}) << false << false;
}

void TestProjectCommands::openFlows()
{
    QFETCH(bool, pick);
    QFETCH(QList<int>, answers);
    QFETCH(bool, saveDialog);
    QFETCH(QStringList, asked);
    QFETCH(bool, loaded);
    QFETCH(bool, savedFirst);
    Fixture f;
    const QString current = saveDialog ? QString() : f.path("Saved");
    f.s.document.setFilePath(current);
    f.select(2);
    for (int a : answers)
        f.modals.answer(MsgAnswer(a));
    f.modals.saveActions.append(cancelSave());
    qsizetype askedBeforeTheChoice = -1;
    f.modals.openActions.append([&](OpenDialog &d) {
        askedBeforeTheChoice = f.modals.asked.size();
        return pick ? pickAndOpen("Other.gpj")(d) : cancelled();
    });
    const QByteArray other = f.file("Other");
    f.s.project.mnuOpen_Click();

    QCOMPARE(askedBeforeTheChoice, 0);   // nothing is asked before the choice
    QCOMPARE(f.asked(), asked);
    QCOMPARE(f.file("Other"), other);   // a save first goes to the project's own file
    QCOMPARE(f.file("Saved").contains("Goal2_Name=Unsaved"), savedFirst);
    if (loaded) {
        QCOMPARE(f.s.document.filePath(), f.path("Other"));
        QCOMPARE(f.project().name, QString("Other"));
        QCOMPARE(f.card(1).counts.completed, 1);
        QVERIFY(!f.card(2).inUse);
        QCOMPARE(f.s.document.selectedCard(), 0);
        QVERIFY(!f.s.document.isModified());
    } else {
        QCOMPARE(f.s.document.filePath(), current);
        QVERIFY(f.stillAsItWas());
        QCOMPARE(f.s.document.selectedCard(), 2);
    }
}

void TestProjectCommands::openFailures_data()
{
    QTest::addColumn<QString>("blocker");   // made once the file is chosen
    QTest::addColumn<QString>("named");     // the file the message names
    QTest::newRow("project file gone") << "projects/Other.gpj" << "projects/Other.gpj";
    QTest::newRow("tmp is a file") << "tmp" << "tmp/";
    QTest::newRow("task file is a folder") << "tmp/1-2-3.txt/" << "tmp/1-2-3.txt";
    QTest::newRow("not a project") << "text" << "projects/Other.gpj";
}

void TestProjectCommands::openFailures()
{
    QFETCH(QString, blocker);
    QFETCH(QString, named);
    Fixture f;
    const Project before = f.project();
    f.modals.answer(Msg::No);   // the unsaved changes need not be saved first
    f.modals.openActions.append([&](OpenDialog &d) {
        const DialogStep step = pickAndOpen("Other.gpj")(d);
        QDir(f.app.file("tmp")).removeRecursively();
        if (blocker == "text")
            f.app.write("projects/Other.gpj", "Shopping list\r\nName=milk\r\n");
        else if (blocker.startsWith("projects"))
            QFile::remove(f.app.file(blocker));
        else
            blocker.endsWith('/') ? void(QDir().mkpath(f.app.file(blocker))) : f.app.write(blocker, "x");
        return step;
    });
    f.s.project.mnuOpen_Click();

    QCOMPARE(f.asked(), QStringList({"Save Changes/35", "Open Failed/16"}));
    QVERIFY(f.modals.lastText().contains(f.path("Other")));
    QVERIFY(f.modals.lastText().contains(f.app.file(named)));
    QVERIFY(!QFile::exists(f.app.file("../x.txt")));
    // A load that fails leaves the open project exactly as it was, with its
    // file and its unsaved changes: a Save writes it where it belongs.
    QCOMPARE(f.project(), before);
    QCOMPARE(f.s.document.filePath(), f.path("Saved"));
    QVERIFY(f.stillAsItWas());
    QVERIFY(f.s.project.mnuSave_Click());
    QVERIFY(f.file("Saved").contains("Goal2_Name=Unsaved"));
}

void TestProjectCommands::closingAsks_data()
{
    QTest::addColumn<bool>("changed");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("nameGiven");
    QTest::addColumn<bool>("mayClose");
    QTest::newRow("unchanged") << false << 0 << false << true;
    QTest::newRow("no") << true << int(Msg::No) << false << true;
    QTest::newRow("cancel") << true << int(Msg::Cancel) << false << false;
    QTest::newRow("yes, saved") << true << int(Msg::Yes) << true << true;
    QTest::newRow("yes, name cancelled") << true << int(Msg::Yes) << false << false;
}

void TestProjectCommands::closingAsks()
{
    QFETCH(bool, changed);
    QFETCH(int, answer);
    QFETCH(bool, nameGiven);
    QFETCH(bool, mayClose);
    Fixture f(false);
    f.setChanged(changed);
    f.modals.answer(MsgAnswer(answer));
    f.modals.saveActions.append(nameGiven ? typeAndSave("Closing") : cancelSave());
    QCOMPARE(f.s.project.maybeSave(), mayClose);
    QCOMPARE(f.asked().value(0), changed ? QString("Save Changes/35") : QString());
    QCOMPARE(f.app.exists("projects/Closing.gpj"), nameGiven && answer == int(Msg::Yes));
    QCOMPARE(f.card(1).name, QString("First"));   // closing resets nothing
}

void TestProjectCommands::saveAsProposesAName_data()
{
    QTest::addColumn<QString>("file");   // the project's file, "" = none yet
    QTest::addColumn<QString>("name");   // the project's name
    QTest::addColumn<QString>("proposed");
    QTest::newRow("its file") << "projects/Garden_2027.gpj" << "Garden" << "Garden_2027";
    QTest::newRow("a new project") << "" << "Launch" << "Launch";
    QTest::newRow("blanks and signs") << "" << " My Goal: 2027? " << "My_Goal__2027_";
    QTest::newRow("nothing left") << "" << "" << "";
}

void TestProjectCommands::saveAsProposesAName()
{
    QFETCH(QString, file);
    QFETCH(QString, name);
    QFETCH(QString, proposed);
    Fixture f(false);
    f.s.document.setFilePath(file.isEmpty() ? QString() : f.app.file(file));
    f.s.dashboard.txtProjectName_Change(name);
    QString shown;
    f.modals.saveActions.append([&](SaveDialog &d) {
        shown = d.txtSave;
        return cancelled();
    });
    f.s.project.mnuSaveAs_Click();
    QCOMPARE(shown, proposed);
    QCOMPARE(SaveDialog::nameProblem(proposed), proposed.isEmpty() ? SaveDialog::NameProblem::Empty
                                                                    : SaveDialog::NameProblem::None);
}

QTEST_GUILESS_MAIN(TestProjectCommands)
#include "tst_projectcommands.moc"
