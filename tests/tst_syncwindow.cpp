// The main window while another device changes the open project's file:
// real widgets, a real file changed between steps, the watcher's events
// waited for by polling the event loop.
#include <QAction>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QLineEdit>
#include <QTest>

#include "Patience.h"
#include "ScriptedModals.h"
#include "TempAppFolder.h"
#include "app/widgets/Form1.h"
#include "project/GpjFormat.h"

namespace {

const QString kChangedOnDisk = QStringLiteral("The project's file changed on disk: the next Save merges it with your changes.");

// A window with the project "Plan" saved: Design (sketch, logo) and Build
// (frame).
struct Window {
    TempAppFolder app;
    ScriptedModals modals;
    Form1 w{app.path(), modals, modals};

    Window()
    {
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        addSubGoal("Design");
        addSubGoal("Build");
        typeTasks(1, "sketch\nlogo");
        typeTasks(2, "frame");
        modals.saveActions.append(typeAndSave("Plan"));
        action("mnuSave")->trigger();
        modals.asked.clear();
    }
    template <typename T = QWidget> T *get(const QString &name) const
    {
        T *widget = w.findChild<T *>(name);
        if (!widget)
            qFatal("no widget %s", qPrintable(name));
        return widget;
    }
    QAction *action(const QString &name) const { return get<QAction>(name); }
    void addSubGoal(const QString &name)
    {
        auto *box = get<QLineEdit>("txtSubGoal");
        QTest::keyClicks(box, name);
        QTest::keyClick(box, Qt::Key_Return);
    }
    void typeTasks(int card, const QString &text)
    {
        QTest::mouseClick(get(QStringLiteral("lblGoal_%1").arg(card)), Qt::LeftButton);
        auto *box = get<QPlainTextEdit>("txtGoalTasks");
        box->selectAll();
        QTest::keyClicks(box, QString(text).replace(u'\n', u'\r'));
    }
    QString note() const { return get<QLabel>("lblDiskNote")->text(); }
    QString taskBox() const { return get<QPlainTextEdit>("txtGoalTasks")->toPlainText(); }
    Session &s() { return w.session(); }
    Project onDisk() const { return Gpj::readFile(app.read("projects/Plan.gpj")).project; }
    // Another device's copy written over the file, by a rename as sync
    // tools do, or in place.
    void otherDevice(const std::function<void(Project &)> &change, bool rename = true,
                     const QString &file = "Plan.gpj")
    {
        Project other = onDisk();
        change(other);
        const QByteArray bytes = Gpj::write(other).toUtf8();
        if (!rename)
            return app.write("projects/" + file, bytes);
        app.write("projects/.incoming", bytes);
        QFile::remove(app.file("projects/" + file));
        QVERIFY(QFile::rename(app.file("projects/.incoming"), app.file("projects/" + file)));
    }
};

} // namespace

class TestSyncWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom)); }
    void takenInWithNothingUnsaved_data();
    void takenInWithNothingUnsaved();
    void mergedAtSave();
    void bothTextsKeptOnAConflict();
    void conflictCopyOffered();
};

void TestSyncWindow::takenInWithNothingUnsaved_data()
{
    QTest::addColumn<bool>("rename");
    QTest::newRow("replaced by a rename, then written in place") << true;
    QTest::newRow("written in place, then replaced by a rename") << false;
}

void TestSyncWindow::takenInWithNothingUnsaved()
{
    QFETCH(bool, rename);
    Window t;
    QTest::mouseClick(t.get("lblGoal_2"), Qt::LeftButton);
    const Project before = t.s().document.project();
    // One way, then the other: after a rename the new file is watched.
    for (int round = 1; round <= 2; ++round) {
        t.otherDevice([round](Project &o) { o.subGoals[1].tasks += QStringLiteral("paint %1\n").arg(round); },
                      rename == (round == 1));
        QTRY_COMPARE(t.s().document.subGoal(1).tasks, QStringLiteral("frame\npaint 1\n") + (round == 2 ? "paint 2\n" : ""));
    }
    t.otherDevice([](Project &o) { o.subGoals.prepend({"7-7-7", "Research", {}, "read\n"}); }, rename);
    QTRY_COMPARE(t.get<QLabel>("lblGoal_1")->text(), QString("Research"));
    QCOMPARE(t.note(), QString("Updated from disk"));
    QVERIFY(!t.w.isWindowModified());
    QVERIFY(t.modals.asked.isEmpty());
    // The selected sub-goal stays selected on the card it moved to.
    QCOMPARE(t.s().document.selectedCard(), 3);
    QCOMPARE(t.taskBox(), QString("frame\npaint 1\npaint 2\n"));

    // Each update is one step of the undo history.
    QAction *undo = t.action("mnuUndo");
    QCOMPARE(undo->text(), QString("&Undo Update from Disk"));
    for (int step = 0; step < 3; ++step)
        undo->trigger();
    QCOMPARE(Gpj::write(t.s().document.project()), Gpj::write(before));
    QCOMPARE(undo->text(), QString("&Undo Add \u201CBuild\u201D"));
    QVERIFY(t.w.isWindowModified());
}

void TestSyncWindow::mergedAtSave()
{
    Window t;
    t.typeTasks(1, "sketch\nlogo\nfonts");
    t.otherDevice([](Project &o) { o.subGoals[1].tasks += "paint\n"; });
    QTRY_COMPARE(t.note(), kChangedOnDisk);
    QVERIFY(t.modals.asked.isEmpty());   // nothing asked while typing
    QCOMPARE(t.s().document.subGoal(1).tasks, QString("frame"));

    t.action("mnuSave")->trigger();
    QCOMPARE(t.modals.asked.size(), 1);
    QCOMPARE(t.modals.asked[0].title, QString("Merged"));
    QCOMPARE(t.modals.asked[0].text,
             QString("The project's file had changed on disk since Tarvo last read or saved it. Both versions are "
                     "merged and saved:\n\n\u2022 Changes from the other copy taken in: \u201CBuild\u201D."));
    const Project disk = t.onDisk();
    QCOMPARE(disk.subGoals[0].tasks, QString("sketch\nlogo\nfonts\n"));
    QCOMPARE(disk.subGoals[1].tasks, QString("frame\npaint\n"));
    QCOMPARE(t.note(), QString());
    QVERIFY(!t.w.isWindowModified());
}

void TestSyncWindow::bothTextsKeptOnAConflict()
{
    Window t;
    t.typeTasks(1, "sketch --\nlogo");
    t.otherDevice([](Project &o) { o.subGoals[0].tasks = "sketch in pencil\nlogo\n"; });
    QTRY_COMPARE(t.note(), kChangedOnDisk);
    t.action("mnuSave")->trigger();
    QVERIFY2(t.modals.lastText().contains(u"both texts are kept (the other copy's lines end in \u201C (other copy)\u201D): "
                                          u"\u201CDesign\u201D."),
             qPrintable(t.modals.lastText()));
    QCOMPARE(t.onDisk().subGoals[0].tasks, QString("sketch --\nsketch in pencil (other copy)\nlogo\n"));
    QCOMPARE(t.taskBox(), QString("sketch --\nsketch in pencil (other copy)\nlogo\n"));
}

void TestSyncWindow::conflictCopyOffered()
{
    Window t;
    const QString copy = "Plan.sync-conflict-20270101-120000-ABCDEFG.gpj";
    t.modals.answer(Msg::Yes);
    t.otherDevice([](Project &o) { o.subGoals[1].tasks = "frame\nwheels\n"; }, true, copy);
    QTRY_VERIFY(!t.modals.asked.isEmpty());
    QCOMPARE(t.modals.asked[0].text, "A copy of this project made by a sync tool was found: " + copy + ". Merge it in?");
    QTRY_COMPARE(t.modals.asked.size(), 2);
    QCOMPARE(t.modals.asked[1].title, QString("Merged"));
    QCOMPARE(t.s().document.subGoal(1).tasks, QString("frame\nwheels\n"));
    QVERIFY(t.w.isWindowModified());
    QVERIFY(QFile::exists(t.app.file("projects/" + copy)));
    QCOMPARE(t.action("mnuUndo")->text(), QString("&Undo Update from Disk"));
}

QTEST_MAIN(TestSyncWindow)
#include "tst_syncwindow.moc"
