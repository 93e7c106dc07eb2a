// Three copies of a project: a base, and two that went apart from it by
// the edits the input spells (lines added, deleted, changed and moved;
// sub-goals added, deleted, renamed and moved; dates and settings), merged
// by the program's pure functions. Properties:
//  - no line mine or theirs added is lost: each is in the result as often
//    as it was added, as it is or marked as the other copy's;
//  - merging a project with itself changes nothing, and a side that did not
//    change gives the other side's project;
//  - the result is a valid project: at most eight sub-goals, each key safe
//    and its own in any letter case, written and read back as itself;
//  - merged as a sync tool's copy (over the base as far as the copy holds
//    it), no line of the open project is taken away.
#include <QHash>
#include <QSet>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "project/GpjFormat.h"
#include "project/LineMerge.h"
#include "project/Merge.h"

namespace {

QString context;   // the projects of the input, shown with a finding

[[noreturn]] void fail(const char *what)
{
    fprintf(stderr, "%s\nproperty violated: %s\n", qPrintable(context), what);
    abort();
}

QString show(const char *what, const Project &p)
{
    QString out = QString::fromLatin1(what) + QStringLiteral(": \"") + p.name + u'"';
    for (const SubGoal &g : p.subGoals)
        out += QStringLiteral("\n  %1 \"%2\" @%3: %4").arg(g.key, g.name, g.due, QString(g.tasks).replace(u'\n', u'|'));
    return out + u'\n';
}

class Input {
public:
    Input(const uint8_t *data, size_t size) : m_data(data), m_size(size) {}
    bool more() const { return m_at < m_size; }
    unsigned next(unsigned bound) { return bound == 0 ? 0 : (more() ? m_data[m_at++] : 0) % bound; }

private:
    const uint8_t *m_data;
    size_t m_size;
    size_t m_at = 0;
};

// Few words, so lines repeat and match in many ways; some need quotes or
// carry the done mark.
const char *const kWords[] = {"a", "b", "c", "d", "a --", "", " padded ", "\"q\"", "e", "f"};
const char *const kNames[] = {"Design", "Build", "Test", "Ship", "Plan", "", "Ünïcode"};
const char *const kDues[] = {"", "15/03/2027", "01/04/2027"};

QString line(Input &in, int &fresh)
{
    // Now and then a line no other side can hold.
    if (in.next(4) == 0)
        return QStringLiteral("new %1").arg(++fresh);
    return QString::fromUtf8(kWords[in.next(std::size(kWords))]);
}

QStringList linesOf(const QString &text)
{
    QStringList lines;
    for (QStringView l : LineMerge::linesOf(text))
        lines << l.toString();
    return lines;
}

QString textOf(const QStringList &lines)
{
    QString text;
    for (const QString &l : lines)
        text += l + u'\n';
    return text;
}

QString freeKey(Input &in, const Project &p)
{
    for (int tries = 0; tries < 16; ++tries) {
        const QString key = QStringLiteral("k%1").arg(in.next(12));
        if (std::none_of(p.subGoals.begin(), p.subGoals.end(), [&](const SubGoal &g) { return g.key == key; }))
            return key;
    }
    return {};
}

void editTasks(Input &in, SubGoal &goal, int &fresh)
{
    QStringList lines = linesOf(goal.tasks);
    const qsizetype n = lines.size();
    switch (in.next(4)) {
    case 0: lines.insert(in.next(unsigned(n + 1)), line(in, fresh)); break;
    case 1: if (n) lines.removeAt(in.next(unsigned(n))); break;
    case 2: if (n) lines[in.next(unsigned(n))] = line(in, fresh); break;
    default:
        if (n > 1)
            lines.move(in.next(unsigned(n)), in.next(unsigned(n)));
    }
    goal.tasks = textOf(lines);
}

void edit(Input &in, Project &p, int &fresh)
{
    const qsizetype n = p.subGoals.size();
    switch (in.next(9)) {
    case 0:
        if (n < 8) {
            const QString key = freeKey(in, p);
            if (!key.isEmpty())
                p.subGoals.insert(in.next(unsigned(n + 1)), {key, QString::fromUtf8(kNames[in.next(7)]), {}, {}});
        }
        break;
    case 1: if (n) p.subGoals.removeAt(in.next(unsigned(n))); break;
    case 2: if (n) p.subGoals[in.next(unsigned(n))].name = QString::fromUtf8(kNames[in.next(7)]); break;
    case 3: if (n) p.subGoals[in.next(unsigned(n))].due = QString::fromUtf8(kDues[in.next(3)]); break;
    case 4: if (n > 1) p.subGoals.move(in.next(unsigned(n)), in.next(unsigned(n))); break;
    case 5: p.name = QString::fromUtf8(kNames[in.next(7)]); break;
    case 6: p.settings.start = in.next(2) ? QDate(2027, 3, 1 + int(in.next(28))) : QDate(); break;
    case 7: p.settings.workWeek = WorkWeek{true, true, true, true, bool(in.next(2)), bool(in.next(2)), false}; break;
    default:
        if (n)
            editTasks(in, p.subGoals[in.next(unsigned(n))], fresh);
    }
}

Project baseFrom(Input &in, int &fresh)
{
    Project p;
    p.name = QStringLiteral("Plan");
    for (unsigned g = in.next(9); g > 0; --g) {
        const QString key = freeKey(in, p);
        if (key.isEmpty())
            continue;
        QStringList lines;
        for (unsigned l = in.next(12); l > 0; --l)
            lines << line(in, fresh);
        p.subGoals.append({key, QString::fromUtf8(kNames[in.next(7)]), QString::fromUtf8(kDues[in.next(3)]), textOf(lines)});
    }
    return p;
}

// Every task line of a project, and how often.
QHash<QString, int> lineCounts(const Project &p)
{
    QHash<QString, int> counts;
    for (const SubGoal &g : p.subGoals)
        for (QStringView l : LineMerge::linesOf(g.tasks))
            ++counts[l.toString()];
    return counts;
}

void checkValid(const Project &p)
{
    if (p.subGoals.size() > 8)
        fail("more than eight sub-goals");
    QSet<QString> keys;
    for (const SubGoal &g : p.subGoals) {
        if (!Gpj::isSafeKey(g.key) || keys.contains(g.key.toLower()))
            fail("a key that is unsafe or not its own");
        keys.insert(g.key.toLower());
    }
    if (!(Gpj::readFile(Gpj::write(p).toUtf8()).project == p))
        fail("the result does not read back as itself");
}

void checkNothingLost(const Project &base, const Project &side, const Project &result, bool everyLine)
{
    const QHash<QString, int> had = lineCounts(base), has = lineCounts(side), got = lineCounts(result);
    const QString marker = QStringLiteral(" (other copy)");
    for (auto it = has.cbegin(); it != has.cend(); ++it) {
        const int added = everyLine ? it.value() : it.value() - had.value(it.key());
        if (added > 0 && got.value(it.key()) + got.value(it.key() + marker) < added) {
            fprintf(stderr, "line \"%s\"\n", qPrintable(it.key()));
            fail(everyLine ? "a line of the open project was taken away by a copy" : "a line one side added is lost");
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Input in(data, size);
    int fresh = 0;
    const Project base = baseFrom(in, fresh);
    Project mine = base, theirs = base;
    const unsigned mineEdits = in.next(16), theirEdits = in.next(16);
    for (unsigned i = 0; i < mineEdits; ++i)
        edit(in, mine, fresh);
    for (unsigned i = 0; i < theirEdits; ++i)
        edit(in, theirs, fresh);

    const Project merged = Merge::merge(base, mine, theirs).project;
    context = show("base", base) + show("mine", mine) + show("theirs", theirs) + show("merged", merged);
    checkValid(merged);
    checkNothingLost(base, mine, merged, false);
    checkNothingLost(base, theirs, merged, false);
    for (const Project *p : {&base, static_cast<const Project *>(&mine), static_cast<const Project *>(&theirs), &merged}) {
        if (!(Merge::merge(*p, *p, *p).project == *p))
            fail("a project merged with itself changed");
    }
    if (!(Merge::merge(base, mine, base).project == mine) || !(Merge::merge(base, base, theirs).project == theirs))
        fail("a side that did not change does not give the other side");
    if (!(Merge::merge(base, mine, mine).project == mine))
        fail("two sides changed alike do not give that change");

    const Project copy = Merge::merge(Merge::keptBy(base, theirs), mine, theirs).project;
    checkValid(copy);
    checkNothingLost(base, mine, copy, true);
    checkNothingLost(base, theirs, copy, false);
    return 0;
}
