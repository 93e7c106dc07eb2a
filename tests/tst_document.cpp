// The project document on its own: each intent method as a change that
// says what it touched, what follows from the value, and the value
// assigned whole.
#include <QSignalSpy>
#include <QTest>

#include "Patience.h"
#include "project/ProjectDocument.h"

Q_DECLARE_METATYPE(DocumentChange)

namespace {

// Two sub-goals, the second selected, saved: the start of every row.
struct Doc {
    ProjectDocument d;
    QList<DocumentChange> changes;
    Doc()
    {
        d.assign({"Plan",
                  {{"1-1-1", "One", "", "a1 --\nb2"}, {"2-2-2", "Two", "01/03/2027", "c3"}},
                  {QDate(2027, 3, 1), {}}},
                 DocumentChange::Cause::Load);
        d.select(2);
        d.markSaved(QStringLiteral("/plans/plan.gpj"));
        QObject::connect(&d, &ProjectDocument::changed, [this](const DocumentChange &c) { changes.append(c); });
    }
    unsigned parts() const
    {
        unsigned all = 0;
        for (const DocumentChange &c : changes)
            all |= c.parts;
        return all;
    }
};

using Intent = std::function<void(ProjectDocument &)>;

} // namespace

class TestDocument : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom)); }
    void intentsSayWhatChanged_data();
    void intentsSayWhatChanged();
    void assignKeepsTheSelectionWhereItCan_data();
    void assignKeepsTheSelectionWhereItCan();
    void countsFollowEveryEdit();
    void planFollowsTypingAfterAPause();
    void planNeedsAStartDate();
};

void TestDocument::intentsSayWhatChanged_data()
{
    QTest::addColumn<Intent>("intent");
    QTest::addColumn<unsigned>("parts");      // what the change says it touched; 0 = no change at all
    QTest::addColumn<bool>("undoable");       // it carries the project before it
    QTest::addColumn<int>("selected");        // the card selected after
    using P = DocumentChange::Part;
    const unsigned unsaved = P::File;         // the first edit after a save also changes whether it is saved
    QTest::newRow("name") << Intent([](ProjectDocument &d) { d.setName("New"); }) << (P::Name | unsaved) << true << 2;
    QTest::newRow("same name") << Intent([](ProjectDocument &d) { d.setName("Plan"); }) << 0u << false << 2;
    QTest::newRow("add") << Intent([](ProjectDocument &d) { d.addSubGoal("Three", "3-3-3"); })
                         << (P::Outline | P::Plan | unsaved) << true << 2;
    QTest::newRow("rename") << Intent([](ProjectDocument &d) { d.renameSubGoal(0, "Uno"); })
                            << (P::Outline | unsaved) << true << 2;
    QTest::newRow("rename to the same") << Intent([](ProjectDocument &d) { d.renameSubGoal(0, "One"); }) << 0u << false << 2;
    QTest::newRow("rename past the end") << Intent([](ProjectDocument &d) { d.renameSubGoal(5, "X"); }) << 0u << false << 2;
    QTest::newRow("remove") << Intent([](ProjectDocument &d) { d.removeSubGoal(0); })
                            << (P::Outline | P::Selection | P::Plan | unsaved) << true << 0;
    QTest::newRow("due date") << Intent([](ProjectDocument &d) { d.setDueDate(0, "02/03/2027"); })
                              << (P::Outline | P::Plan | unsaved) << true << 2;
    QTest::newRow("tasks") << Intent([](ProjectDocument &d) { d.setTasks(1, "c3\nd4"); }) << (P::Tasks | unsaved) << false << 2;
    QTest::newRow("same tasks") << Intent([](ProjectDocument &d) { d.setTasks(1, "c3"); }) << 0u << false << 2;
    QTest::newRow("an edit") << Intent([](ProjectDocument &d) { d.editTasks(1, 1, 0, u"x", 3); })
                             << (P::Tasks | unsaved) << false << 2;
    QTest::newRow("settings") << Intent([](ProjectDocument &d) { d.setSettings({QDate(2027, 4, 1), {}}); })
                              << (P::Settings | P::Plan | unsaved) << true << 2;
    QTest::newRow("select") << Intent([](ProjectDocument &d) { d.select(1); }) << unsigned(P::Selection) << false << 1;
    QTest::newRow("select a free card") << Intent([](ProjectDocument &d) { d.select(5); }) << 0u << false << 2;
    QTest::newRow("select again") << Intent([](ProjectDocument &d) { d.select(2); }) << 0u << false << 2;
    QTest::newRow("ninth sub-goal") << Intent([](ProjectDocument &d) {
        for (int i = 3; i <= 9; ++i)
            d.addSubGoal(QString::number(i), QStringLiteral("%1-0-0").arg(i));
    }) << (P::Outline | P::Plan | unsaved) << true << 2;
}

void TestDocument::intentsSayWhatChanged()
{
    QFETCH(Intent, intent);
    QFETCH(unsigned, parts);
    QFETCH(bool, undoable);
    QFETCH(int, selected);
    Doc doc;
    const Project before = doc.d.project();
    const quint64 revision = doc.d.revision();
    intent(doc.d);
    QCOMPARE(doc.parts(), parts);
    if (parts == 0) {
        QCOMPARE(doc.d.project(), before);
        QVERIFY(!doc.d.isModified());
    }
    // The project's value changed exactly when the revision moved, and that is unsaved work.
    const bool valueChanged = !(doc.d.project() == before);
    QCOMPARE(doc.d.revision() != revision, valueChanged);
    QCOMPARE(doc.d.isModified(), valueChanged);
    QVERIFY(doc.d.subGoalCount() <= 8);
    QCOMPARE(doc.d.selectedCard(), selected);
    if (!doc.changes.isEmpty()) {
        QCOMPARE(bool(doc.changes.first().before), undoable);
        if (undoable)
            QCOMPARE(*doc.changes.first().before, before);
    }
}

void TestDocument::assignKeepsTheSelectionWhereItCan_data()
{
    QTest::addColumn<DocumentChange::Cause>("cause");
    QTest::addColumn<QStringList>("keys");   // the sub-goals assigned, in card order
    QTest::addColumn<int>("selected");
    QTest::addColumn<bool>("modified");
    using Cause = DocumentChange::Cause;
    QTest::newRow("undo, still there") << Cause::Undo << QStringList{"2-2-2", "1-1-1"} << 1 << true;
    QTest::newRow("undo, gone") << Cause::Undo << QStringList{"1-1-1"} << 0 << true;
    QTest::newRow("restore") << Cause::Restore << QStringList{"1-1-1", "2-2-2"} << 2 << true;
    QTest::newRow("merge") << Cause::Merge << QStringList{"1-1-1", "2-2-2"} << 2 << true;
    QTest::newRow("load") << Cause::Load << QStringList{"1-1-1", "2-2-2"} << 0 << false;
    QTest::newRow("new") << Cause::New << QStringList{} << 0 << false;
}

void TestDocument::assignKeepsTheSelectionWhereItCan()
{
    QFETCH(DocumentChange::Cause, cause);
    QFETCH(QStringList, keys);
    QFETCH(int, selected);
    QFETCH(bool, modified);
    Doc doc;
    Project project{"Assigned", {}, {}};
    for (const QString &key : keys)
        project.subGoals.append({key, key, "", "x1\ny2 --"});
    doc.d.assign(project, cause);
    QCOMPARE(doc.d.project(), project);
    QCOMPARE(doc.d.selectedCard(), selected);
    QCOMPARE(doc.d.isModified(), modified);
    QCOMPARE(doc.changes.size(), 1);
    QCOMPARE(doc.changes[0].parts, unsigned(DocumentChange::All));
    QCOMPARE(doc.changes[0].cause, cause);
    for (int i = 0; i < keys.size(); ++i)
        QCOMPARE(doc.d.counts(i), (TaskCounts{2, 1}));
}

// However the text got there, the counts are those of the text.
void TestDocument::countsFollowEveryEdit()
{
    Doc doc;
    const auto counted = [&] { return doc.d.counts(0) == TaskText::count(doc.d.subGoal(0).tasks); };
    QVERIFY(counted());
    QVERIFY(doc.d.editTasks(0, 5, 0, u"\nnew --", 15));
    QVERIFY(counted());
    QCOMPARE(doc.d.counts(0), (TaskCounts{3, 2}));
    QVERIFY(doc.d.editTasks(0, 0, 15, u"", 0));
    QVERIFY(counted());
    QCOMPARE(doc.d.counts(0), (TaskCounts{0, 0}));
    doc.d.setTasks(0, "p\rq --\nr");   // a CR stays in its line
    QVERIFY(counted());
    QVERIFY(!doc.d.editTasks(0, 0, 0, u"x", 8));   // with a CR the box and the text may not line up
    QCOMPARE(doc.d.counts(5), TaskCounts{});
}

// Typing replans the sub-goal a moment after the last key; whoever asks
// for the plan before then gets it worked out at once.
void TestDocument::planFollowsTypingAfterAPause()
{
    Doc doc;
    QCOMPARE(doc.d.schedule().size(), 3);
    doc.d.setTasks(0, "a1 --\nb2\nc3 + 2");
    QVERIFY(!(doc.parts() & DocumentChange::Plan));
    QCOMPARE(doc.d.lateness(1).planEnd, QDate(2027, 3, 1));
    QTRY_VERIFY(doc.parts() & DocumentChange::Plan);
    QCOMPARE(doc.d.schedule().size(), 4);
    QCOMPARE(doc.d.lateness(0).planEnd, QDate(2027, 3, 4));
    doc.d.setTasks(0, "a1 --");
    QCOMPARE(doc.d.schedule().size(), 2);   // asked at once: no waiting
}

void TestDocument::planNeedsAStartDate()
{
    Doc doc;
    doc.d.setSettings({});
    QCOMPARE(doc.d.schedule().size(), 0);
    QVERIFY(!doc.d.lateness(1).planEnd.isValid());
    doc.d.setTasks(1, "more + 3");
    QTest::qWait(ProjectDocument::kPlanDelayMs * 2);
    QVERIFY(!(doc.changes.last().parts & DocumentChange::Plan));   // nothing to replan without a start
    doc.d.setSettings({QDate(2027, 3, 1), WorkWeek{false, false, false, false, false, false, false}});
    QCOMPARE(doc.d.schedule().size(), 0);   // nor without a working day
}

QTEST_GUILESS_MAIN(TestDocument)
#include "tst_document.moc"
