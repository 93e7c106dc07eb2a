// A project file of arbitrary bytes, indexed and then opened whole into a
// temporary application folder. Properties:
//  - every value written the writer's way reads back as itself;
//  - the open shows what the index holds: the cards are the groups Goal1..n
//    up to the first without a key (at most eight), each task file holds
//    that group's task lines;
//  - saved and opened again, the project shows the same, and a second save
//    gives the same bytes as the first.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "app/Modals.h"
#include "component/KestrelFile.h"
#include "project/IniIndex.h"
#include "project/WorkingState.h"

namespace {

[[noreturn]] void fail(const char *what)
{
    fprintf(stderr, "property violated: %s\n", what);
    abort();
}

// Every message is answered OK and counted; no dialog is ever shown.
struct QuietModals : Modals {
    int messages = 0;
    int MsgBox(const QString &, const QString &, int) override { ++messages; return Msg::Ok; }
    void showOpenDialog(OpenDialog &) override {}
    void showSaveDialog(SaveDialog &) override {}
    void showTips() override {}
    bool openFolder(const QString &) override { return false; }
    bool printLines(const QStringList &, QString *) override { return false; }
    void setClipboardText(const QString &) override {}
    void DoEvents() override {}
};

struct Shown {
    QString name;
    QStringList captions, keys, dues, tasks;   // tasks: each card's task file
    bool operator==(const Shown &) const = default;
};

Shown shown(const WorkingState &s)
{
    Shown out;
    out.name = s.txtProjectName;
    for (int i = 1; i <= 8; ++i) {
        const GoalCard &c = s.cards[i];
        if (!c.picGoal_Visible)
            continue;
        out.captions.append(c.lblGoal_Caption);
        out.keys.append(c.lblGoal_Tag);
        out.dues.append(c.lblDueDateDate_Tag);
        QFile f(s.taskFilePath(c.lblGoal_Tag));
        out.tasks.append(f.open(QIODevice::ReadOnly) ? KestrelFile::decode(f.readAll()) : QStringLiteral("<none>"));
    }
    return out;
}

QString noLineBreaks(QString v)
{
    v.replace(u'\r', u' ');
    v.replace(u'\n', u' ');
    return v;
}

void writeRaw(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        fail("the fuzz input could not be written to the scratch folder");
}

qint64 countOf(const QString &v)
{
    // The reader's rule for a count: a plain decimal, its integer part.
    qsizetype i = v.startsWith(u'+') ? 1 : 0;
    const qsizetype digits = i;
    while (i < v.size() && v[i] >= u'0' && v[i] <= u'9')
        ++i;
    const qsizetype end = i;
    if (i < v.size() && v[i] == u'.')
        for (++i; i < v.size() && v[i] >= u'0' && v[i] <= u'9';)
            ++i;
    if (end == digits || i != v.size())
        return 0;
    return end - digits > 15 ? std::numeric_limits<qint64>::max() : v.mid(digits, end - digits).toLongLong();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QTemporaryDir scratch;
    static const QString app = scratch.path() + QStringLiteral("/app");
    static const bool made = QDir().mkpath(app + QStringLiteral("/projects")) && QDir().mkpath(app + QStringLiteral("/tmp"));
    if (!made)
        fail("no scratch application folder");
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString text = KestrelFile::decode(bytes);

    // The writer's quoting undone by the reader, for the input as a value.
    const QString value = noLineBreaks(text.left(300));
    const IniIndex one(QStringLiteral("[S]\r\nK=") + IniIndex::writeValue(value) + QStringLiteral("\r\n"));
    if (one.value(u"s", u"k") != value)
        fail("a value written the writer's way reads back changed");

    // Old task files must not leak into this run.
    QDir tmp(app + QStringLiteral("/tmp"));
    for (const QString &f : tmp.entryList(QDir::Files))
        tmp.remove(f);
    const QString in = app + QStringLiteral("/projects/in.gpj");
    writeRaw(in, bytes);

    QuietModals modals;
    WorkingState s(app, modals);
    s.NewProject();
    s.CurrentProjectFile = in;
    s.LoadProject(in);
    const Shown first = shown(s);
    if (modals.messages > 0) {
        // A refused file leaves a new, empty project without a file name.
        if (!s.CurrentProjectFile.isEmpty() || !first.keys.isEmpty())
            fail("a failed open left a project behind");
        return 0;
    }

    // What the index holds is what is shown.
    const IniIndex index(text);
    if (first.name != index.value(u"PROJECT", u"Name"))
        fail("the project name differs from the file's");
    int groups = 0;
    while (groups < 8 && !index.value(u"GOALS", QStringLiteral("Goal%1").arg(groups + 1)).isEmpty())
        ++groups;
    if (first.keys.size() != groups)
        fail("the cards are not the groups up to the first without a key");
    for (int n = 1; n <= groups; ++n) {
        const QString g = QStringLiteral("Goal%1").arg(n);
        if (first.captions[n - 1] != index.value(u"GOALS", g + QStringLiteral("_Name")))
            fail("a card's name differs from the file's");
        if (first.dues[n - 1] != index.value(u"GOALS", g + QStringLiteral("_Due")))
            fail("a card's due date differs from the file's");
        const qint64 lines = std::min(countOf(index.value(u"GOALS", g + QStringLiteral("_Tasks"))),
                                      index.highestNumber(u"GOALS", g + QStringLiteral("_Task")));
        QString expected;
        for (qint64 k = 1; k <= lines; ++k)
            expected += index.value(u"GOALS", g + QStringLiteral("_Task") + QString::number(k)) + QStringLiteral("\r\n");
        if (first.tasks[n - 1] != expected)
            fail("a task file differs from the group's task lines");
    }
    if (QSet<QString>(first.keys.begin(), first.keys.end()).size() != first.keys.size())
        fail("two cards share a key, and so a task file");

    // Saved and opened again: the same project, and a stable file.
    const QString out = app + QStringLiteral("/projects/out.gpj");
    s.CurrentProjectFile = out;
    if (!s.SaveProject())
        fail("a project that opened could not be saved");
    QFile o(out);
    if (!o.open(QIODevice::ReadOnly))
        fail("the saved file cannot be read");
    const QByteArray saved = o.readAll();
    o.close();

    s.NewProject();
    s.LoadProject(out);
    if (modals.messages != 1)
        fail("the saved file did not open cleanly");
    if (!(shown(s) == first))
        fail("the saved project opens differently from the one saved");
    s.CurrentProjectFile = out;
    if (!s.SaveProject())
        fail("the reopened project could not be saved");
    QFile again(out);
    if (!again.open(QIODevice::ReadOnly) || again.readAll() != saved)
        fail("saving the reopened project gives other bytes");
    return 0;
}
