// A project file of arbitrary bytes, read by the format's pure functions and
// then opened whole into a temporary application folder. Properties:
//  - every value written the writer's way reads back as itself;
//  - the format reads what the index holds: the sub-goals are the groups
//    Goal1..n up to the first without a key (at most eight), each with that
//    group's task lines;
//  - written and read again, a project read from any file is the same
//    value, and writing it again gives the same text;
//  - opened in the program, the project shown is the value read (a repeated
//    key aside, which gets a key of its own), and saving it writes the
//    format's text for it.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "app/Modals.h"
#include "component/KestrelFile.h"
#include "project/GpjFormat.h"
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
    MsgAnswer MsgBox(const QString &, const QString &, MsgStyle) override { ++messages; return Msg::Ok; }
    std::optional<QString> showOpenDialog(OpenDialog &) override { return std::nullopt; }
    std::optional<QString> showSaveDialog(SaveDialog &) override { return std::nullopt; }
    void showTips() override {}
    std::optional<QString> getSaveFileName(const QString &, const QString &, const QString &) override
    {
        return std::nullopt;
    }
    bool openFolder(const QString &) override { return false; }
    PrintOutcome printLines(const QStringList &, QString *) override { return PrintOutcome::Cancelled; }
    void setClipboardText(const QString &) override {}
    void DoEvents() override {}
};

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

// The project the index holds, read key by key.
Project expectedFrom(const IniIndex &index)
{
    Project p;
    p.name = index.value(u"PROJECT", u"Name");
    for (int n = 1; n <= 8; ++n) {
        const QString g = QStringLiteral("Goal%1").arg(n);
        SubGoal goal{index.value(u"GOALS", g), index.value(u"GOALS", g + QStringLiteral("_Name")),
                     index.value(u"GOALS", g + QStringLiteral("_Due")), {}};
        if (goal.key.isEmpty())
            break;
        const qint64 lines = std::min(countOf(index.value(u"GOALS", g + QStringLiteral("_Tasks"))),
                                      index.highestNumber(u"GOALS", g + QStringLiteral("_Task")));
        for (qint64 k = 1; k <= lines; ++k)
            goal.tasks += index.value(u"GOALS", g + QStringLiteral("_Task") + QString::number(k)) + QStringLiteral("\r\n");
        p.subGoals.append(goal);
    }
    return p;
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

    // The format's pure functions.
    const IniIndex index(text);
    const Project read = Gpj::read(index).project;
    if (!(read == expectedFrom(index)))
        fail("the format reads other than what the index holds");
    const QString written = Gpj::write(read);
    const Project again = Gpj::read(IniIndex(written)).project;
    if (!(again == read) || Gpj::write(again) != written)
        fail("a project written and read again is not the same value");

    // Opened in the program. Old task files must not leak into this run.
    QDir tmp(app + QStringLiteral("/tmp"));
    for (const QString &f : tmp.entryList(QDir::Files))
        tmp.remove(f);
    const QString in = app + QStringLiteral("/projects/in.gpj");
    writeRaw(in, bytes);
    QuietModals modals;
    WorkingState s(app, modals);
    s.project.NewProject();
    if (!s.project.LoadProject(in)) {
        // A refused file leaves a new, empty project without a file name.
        if (!s.CurrentProjectFile.isEmpty() || s.dashboard.cardsInUse() != 0)
            fail("a failed open left a project behind");
        return 0;
    }
    const std::optional<Project> shown = s.project.snapshot();
    if (!shown || shown->subGoals.size() != read.subGoals.size())
        fail("the open project is not the one read");
    QSet<QString> keys;
    for (qsizetype i = 0; i < read.subGoals.size(); ++i) {
        SubGoal goal = shown->subGoals.at(i);
        keys.insert(goal.key);
        if (goal.key != read.subGoals.at(i).key)
            goal.key = read.subGoals.at(i).key;   // a repeated key gets one of its own
        if (!(goal == read.subGoals.at(i)))
            fail("a sub-goal shown differs from the one read");
    }
    if (keys.size() != shown->subGoals.size())
        fail("two cards share a key, and so a task file");

    const QString out = app + QStringLiteral("/projects/out.gpj");
    if (!s.project.SaveProject(out))
        fail("a project that opened could not be saved");
    QFile o(out);
    if (!o.open(QIODevice::ReadOnly) || KestrelFile::decode(o.readAll()) != Gpj::write(*shown))
        fail("the saved file is not the format's text for the project");
    return 0;
}
