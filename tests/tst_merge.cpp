// Merging two copies of a project that went apart since a common base:
// each case a row of (base, mine, theirs) and the project and report it
// comes to.
#include <QRandomGenerator>
#include <QTest>

#include "project/GpjFormat.h"
#include "project/LineMerge.h"
#include "project/Merge.h"

namespace {

// A project in one line: "=Name; !start=2027-03-01; !week=1111100;
// a Design@15/03/2027: one|two; b Build: " — sub-goals as "key name[@due]:
// lines", lines split by "|", each ending in LF in the task text.
Project P(const QString &text)
{
    Project project;
    project.name = QStringLiteral("Goal");
    for (QString part : text.split(u';', Qt::SkipEmptyParts)) {
        part = part.trimmed();
        if (part.startsWith(u'=')) {
            project.name = part.mid(1);
        } else if (part.startsWith(QStringLiteral("!start="))) {
            project.settings.start = QDate::fromString(part.mid(7), Qt::ISODate);
        } else if (part.startsWith(QStringLiteral("!week="))) {
            WorkWeek week{};
            for (int d = 0; d < 7; ++d)
                week[size_t(d)] = part.at(6 + d) == u'1';
            project.settings.workWeek = week;
        } else {
            const qsizetype colon = part.indexOf(u':');
            const QString head = part.left(colon);
            QString lines = part.mid(colon + 1).trimmed();
            SubGoal goal;
            goal.key = head.section(u' ', 0, 0);
            goal.name = head.section(u' ', 1).section(u'@', 0, 0);
            goal.due = head.section(u'@', 1);
            for (const QString &line : lines.isEmpty() ? QStringList() : lines.split(u'|'))
                goal.tasks += line + u'\n';
            project.subGoals.append(goal);
        }
    }
    return project;
}

QString show(const Project &p)
{
    QStringList parts{u'=' + p.name};
    for (const SubGoal &g : p.subGoals)
        parts << g.key + u' ' + g.name + (g.due.isEmpty() ? QString() : u'@' + g.due) + QStringLiteral(": ")
                     + QString(g.tasks).replace(u'\n', u'|');
    return parts.join(QStringLiteral("; "));
}

// What the report says, in short: "both=Design; other=1".
QString digest(const Merge::Report &r)
{
    QStringList parts;
    const auto add = [&](const char *what, const QStringList &names) {
        if (!names.isEmpty())
            parts << QString::fromLatin1(what) + u'=' + names.join(u',');
    };
    add("added", r.added);
    add("changed", r.changed);
    add("removed", r.removed);
    add("kept", r.keptDeleted);
    add("both", r.bothTexts);
    add("taken", r.takenIn);
    if (!r.otherValues.isEmpty())
        parts << QStringLiteral("other=%1").arg(r.otherValues.size());
    if (!r.movedIn.isEmpty())
        parts << QStringLiteral("moved=%1").arg(r.movedIn.size());
    return parts.join(QStringLiteral("; "));
}

// The longest common subsequence's length, the slow and sure way.
qsizetype lcsLength(const QList<int> &a, const QList<int> &b)
{
    QList<QList<qsizetype>> t(a.size() + 1, QList<qsizetype>(b.size() + 1, 0));
    for (qsizetype i = a.size() - 1; i >= 0; --i)
        for (qsizetype j = b.size() - 1; j >= 0; --j)
            t[i][j] = a[i] == b[j] ? t[i + 1][j + 1] + 1 : std::max(t[i + 1][j], t[i][j + 1]);
    return t[0][0];
}

} // namespace

class TestMerge : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom)); }
    void merges_data();
    void merges();
    void commonItemsAreALongestCommonSubsequence();
    void messageNamesTheOtherValues();
};

void TestMerge::merges_data()
{
    QTest::addColumn<QString>("base");
    QTest::addColumn<QString>("mine");
    QTest::addColumn<QString>("theirs");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("report");

    const QString d = QStringLiteral("a Design: one|two|three");
    QTest::newRow("nothing changed") << d << d << d << d << "";
    QTest::newRow("theirs changed a line") << d << d << "a Design: one|2|three" << "a Design: one|2|three"
                                           << "changed=Design";
    QTest::newRow("mine changed a line") << d << "a Design: one|2|three" << d << "a Design: one|2|three" << "";
    QTest::newRow("different lines, each side") << d << "a Design: 1|two|three" << "a Design: one|two|3"
                                                << "a Design: 1|two|3" << "changed=Design";
    QTest::newRow("same line, same change") << d << "a Design: one|2|three" << "a Design: one|2|three"
                                            << "a Design: one|2|three" << "";
    QTest::newRow("same line, changed both ways")
        << d << "a Design: one|two --|three" << "a Design: one|two!|three"
        << "a Design: one|two --|two! (other copy)|three" << "changed=Design; both=Design";
    QTest::newRow("lines added at one place on both sides")
        << d << "a Design: one|two|three|mine" << "a Design: one|two|three|theirs"
        << "a Design: one|two|three|mine|theirs" << "changed=Design";
    QTest::newRow("one deletes a line, the other changes another")
        << d << "a Design: two|three" << "a Design: one|two|3" << "a Design: two|3" << "changed=Design";
    QTest::newRow("mine deletes the line theirs changes")
        << d << "a Design: one|three" << "a Design: one|2|three" << "a Design: one|2 (other copy)|three"
        << "changed=Design; both=Design";
    QTest::newRow("theirs deletes the line mine changes")
        << d << "a Design: one|2|three" << "a Design: one|three" << "a Design: one|2|three" << "";
    QTest::newRow("empty list filled on the other side") << "a Design: " << "a Design: " << "a Design: x|y"
                                                         << "a Design: x|y" << "changed=Design";
    QTest::newRow("list emptied, the other adds a line") << d << "a Design: " << "a Design: one|two|three|four"
                                                         << "a Design: four" << "changed=Design";
    QTest::newRow("both empty the list") << d << "a Design: " << "a Design: " << "a Design: " << "";
    QTest::newRow("mine moves a line, theirs changes another")
        << d << "a Design: two|three|one" << "a Design: one|two|3" << "a Design: two|3|one" << "changed=Design";
    QTest::newRow("both move one line to different places: mine's place")
        << "a Design: one|two|three|four" << "a Design: two|three|four|one" << "a Design: two|one|three|four"
        << "a Design: two|three|four|one" << "";
    QTest::newRow("mine moves a line theirs changes: both kept")
        << d << "a Design: two|three|one" << "a Design: one!|two|three"
        << "a Design: one! (other copy)|two|three|one" << "changed=Design; both=Design";
    QTest::newRow("the same line added at two places: once, at mine's")
        << d << "a Design: new|one|two|three" << "a Design: one|two|three|new" << "a Design: new|one|two|three"
        << "";

    const QString two = QStringLiteral("a Design: x; b Build: y");
    QTest::newRow("a sub-goal added on each side") << two << "a Design: x; b Build: y; c Test: z"
                                                   << "a Design: x; b Build: y; d Ship: w"
                                                   << "a Design: x; b Build: y; c Test: z; d Ship: w" << "added=Ship";
    QTest::newRow("theirs deletes an unchanged sub-goal") << two << two << "a Design: x" << "a Design: x"
                                                         << "removed=Build";
    QTest::newRow("mine deletes an unchanged sub-goal") << two << "b Build: y" << two << "b Build: y" << "";
    QTest::newRow("deleted by theirs, changed by mine: kept") << two << "a Design: x; b Build: y|more"
                                                              << "a Design: x" << "a Design: x; b Build: y|more"
                                                              << "kept=Build";
    QTest::newRow("deleted by mine, changed by theirs: kept in its place")
        << two << "b Build: y" << "a Design: x!; b Build: y" << "a Design: x!; b Build: y" << "kept=Design";
    QTest::newRow("deleted on both sides") << two << "a Design: x" << "a Design: x" << "a Design: x" << "";
    QTest::newRow("sub-goals reordered by theirs") << "a A: ; b B: ; c C: " << "a A: ; b B: ; c C: "
                                                   << "c C: ; a A: ; b B: " << "c C: ; a A: ; b B: " << "";
    QTest::newRow("each side moves another card: both moves") << "a A: ; b B: ; c C: " << "b B: ; c C: ; a A: "
                                                              << "c C: ; a A: ; b B: " << "c C: ; b B: ; a A: " << "";
    QTest::newRow("both move one card to different places: mine's place")
        << "a A: ; b B: ; c C: " << "b B: ; c C: ; a A: " << "b B: ; a A: ; c C: " << "b B: ; c C: ; a A: " << "";
    QTest::newRow("renamed both ways: mine kept") << two << "a Draft: x; b Build: y" << "a Sketch: x; b Build: y"
                                                  << "a Draft: x; b Build: y" << "other=1";
    QTest::newRow("renamed by theirs") << two << two << "a Sketch: x; b Build: y" << "a Sketch: x; b Build: y"
                                       << "changed=Sketch";
    QTest::newRow("due date both ways: mine kept") << "a D@01/03/2027: x" << "a D@02/03/2027: x"
                                                   << "a D@03/03/2027: x" << "a D@02/03/2027: x" << "other=1";
    QTest::newRow("due date by theirs") << "a D: x" << "a D: x" << "a D@03/03/2027: x" << "a D@03/03/2027: x"
                                        << "changed=D";
    QTest::newRow("project name both ways") << "=Plan" << "=Mine" << "=Theirs" << "=Mine" << "other=1";
    QTest::newRow("project name by theirs") << "=Plan" << "=Plan" << "=Theirs" << "=Theirs"
                                            << "taken=the project's name";
    QTest::newRow("start date both ways, week by theirs")
        << "!start=2027-03-01" << "!start=2027-03-02" << "!start=2027-03-03; !week=1111110" << "" << "taken=the working week; other=1";
    QTest::newRow("the same sub-goal added on both sides") << "" << "c Test: z|mine" << "c Test: z|theirs"
                                                           << "c Test: z|mine|theirs" << "changed=Test";

    const QString seven = QStringLiteral("a 1: ; b 2: ; c 3: ; d 4: ; e 5: ; f 6: ; g 7: ");
    QTest::newRow("a ninth sub-goal goes under a note on the last card")
        << seven << seven + "; h Mine: m" << seven + "; i Ninth@01/04/2027: n1|n2"
        << seven + "; h Mine: m|From the other copy: Ninth (due 01/04/2027):|n1|n2" << "added=Ninth; moved=1";
}

void TestMerge::merges()
{
    QFETCH(QString, base);
    QFETCH(QString, mine);
    QFETCH(QString, theirs);
    QFETCH(QString, result);
    QFETCH(QString, report);
    const Merge::Result merged = Merge::merge(P(base), P(mine), P(theirs));
    Project expected = P(result);
    expected.settings = merged.project.settings;   // compared below where a row sets them
    QCOMPARE(show(merged.project), show(expected));
    QCOMPARE(digest(merged.report), report);
    if (mine.contains(QStringLiteral("!start")))
        QCOMPARE(merged.project.settings, (ProjectSettings{QDate(2027, 3, 2), WorkWeek{true, true, true, true, true, true, false}}));
    // Every merge gives a project the format writes and reads back as itself.
    QCOMPARE(show(Gpj::readFile(Gpj::write(merged.project).toUtf8()).project), show(merged.project));
    // Merging the result with itself changes nothing.
    QCOMPARE(show(Merge::merge(merged.project, merged.project, merged.project).project), show(merged.project));
}

void TestMerge::commonItemsAreALongestCommonSubsequence()
{
    // Few distinct items, so long runs match in many ways.
    QRandomGenerator random(23);
    for (int round = 0; round < 400; ++round) {
        QList<int> a, b;
        const int kinds = 2 + int(random.bounded(5));
        for (int i = int(random.bounded(40)); i > 0; --i)
            a << int(random.bounded(kinds));
        for (int i = int(random.bounded(40)); i > 0; --i)
            b << int(random.bounded(kinds));
        const QList<LineMerge::Match> matches = LineMerge::commonItems(a, b);
        QCOMPARE(matches.size(), lcsLength(a, b));
        for (qsizetype i = 0; i < matches.size(); ++i) {
            QCOMPARE(a[matches[i].a], b[matches[i].b]);
            if (i > 0)
                QVERIFY(matches[i].a > matches[i - 1].a && matches[i].b > matches[i - 1].b);
        }
    }
}

void TestMerge::messageNamesTheOtherValues()
{
    const Merge::Result merged = Merge::merge(P("=Plan; a D@01/03/2027: x|y"), P("=Mine; a Draft@02/03/2027: x!|y"),
                                              P("=Theirs; a Sketch: x?|y"));
    QCOMPARE(merged.report.lines(),
             QStringList({"\u2022 Changes from the other copy taken in: \u201CDraft\u201D.",
                          "\u2022 Lines changed in both copies, so both texts are kept (the other copy's lines end "
                          "in \u201C (other copy)\u201D): \u201CDraft\u201D.",
                          "\u2022 Both copies changed the project's name: yours is kept; the other copy's is "
                          "\u201CTheirs\u201D.",
                          "\u2022 Both copies changed the name of \u201CDraft\u201D: yours is kept; the other copy's "
                          "is \u201CSketch\u201D.",
                          "\u2022 Both copies changed the due date of \u201CDraft\u201D: yours is kept; the other "
                          "copy's is none."}));
}

QTEST_GUILESS_MAIN(TestMerge)
#include "tst_merge.moc"
