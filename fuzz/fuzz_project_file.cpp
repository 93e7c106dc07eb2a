// A project file of arbitrary bytes, read by the format's pure functions and
// then opened whole into a temporary application folder. Properties:
//  - every value written the writer's way reads back as itself;
//  - the format reads what a reader written apart from the product's index
//    reads: the sub-goals are the groups Goal1..n up to the first without a
//    key (at most eight), each with that group's task lines;
//  - written and read again, a project read from any file is the same
//    value, and writing it again gives the same text; the bytes a save
//    writes are that text's UTF-8;
//  - opened in the program, the project shown is the value read (a repeated
//    key aside, which gets a key of its own), and saving it writes the
//    format's text for it.
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <list>
#include <set>

#include "ScriptedModals.h"
#include "component/KestrelFile.h"
#include "project/GpjFormat.h"
#include "project/IniIndex.h"
#include "app/Session.h"

namespace {

[[noreturn]] void fail(const char *what)
{
    fprintf(stderr, "property violated: %s\n", what);
    abort();
}

QString describe(const Project &p)
{
    QStringList parts{QStringLiteral("name ") + p.name.toUtf8().toPercentEncoding()};
    QStringList off;
    for (const QDate &day : p.settings.daysOff)
        off << day.toString(Qt::ISODate);
    parts << QStringLiteral("start %1 week %2 off %3")
                 .arg(p.settings.start.toString(Qt::ISODate), p.settings.workWeek ? QStringLiteral("set") : QString(),
                      off.join(u','));
    for (const SubGoal &g : p.subGoals)
        parts << QStringList{g.key, g.name, g.due, g.tasks, g.after}.join(u'|').toUtf8().toPercentEncoding();
    return parts.join(u' ');
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

// The oracle: a reader written apart from the product's index. It keeps
// the file as a list of sections and lines and finds every key by walking
// that list, with the reading rules stated plainly: a line ends at CR LF,
// LF or CR; section and key names match without regard to case; only the
// first section of a name and the first line of a key count; the value is
// what follows the first "=", blanks trimmed, one pair of matching quotes
// removed.
class ListReader {
public:
    explicit ListReader(const QString &text)
    {
        QStringList lines;
        QString line;
        for (qsizetype i = 0; i <= text.size(); ++i) {
            const QChar c = i < text.size() ? text.at(i) : QChar(u'\n');
            if (c != u'\r' && c != u'\n') {
                line += c;
                continue;
            }
            if (c == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n')
                ++i;
            lines.append(line);
            line.clear();
        }
        Section *current = nullptr;
        for (const QString &raw : lines) {
            const QString l = trimmed(raw);
            if (l.startsWith(u'[')) {
                const QString name = trimmed(l.mid(1, l.indexOf(u']') < 0 ? -1 : l.indexOf(u']') - 1));
                current = find(name) ? nullptr : &m_sections.emplace_back(Section{name, {}});
            } else if (current && l.contains(u'=')) {
                current->entries.append({trimmed(l.left(l.indexOf(u'='))), l.mid(l.indexOf(u'=') + 1)});
            }
        }
    }
    QString value(const QString &section, const QString &key) const
    {
        if (const Section *s = find(section)) {
            for (const auto &[k, raw] : s->entries) {
                if (k.compare(key, Qt::CaseInsensitive) == 0) {
                    const QString v = trimmed(raw);
                    const bool quoted = v.size() >= 2 && v.front() == v.back() && (v.front() == u'"' || v.front() == u'\'');
                    return quoted ? v.mid(1, v.size() - 2) : v;
                }
            }
        }
        return {};
    }
    // The highest n, up to the file's line count, for which stem + n (no
    // leading zero) is a key of the section.
    qint64 highest(const QString &section, const QString &stem, qint64 lineCount) const
    {
        qint64 best = 0;
        if (const Section *s = find(section)) {
            for (const auto &entry : s->entries) {
                const QString &k = entry.first;
                if (k.size() <= stem.size() || !k.startsWith(stem, Qt::CaseInsensitive) || k.at(stem.size()) == u'0')
                    continue;
                const QString digits = k.mid(stem.size());
                if (digits.size() > 15 || !std::all_of(digits.begin(), digits.end(), [](QChar c) { return c >= u'0' && c <= u'9'; }))
                    continue;
                if (const qint64 n = digits.toLongLong(); n <= lineCount)
                    best = std::max(best, n);
            }
        }
        return best;
    }

private:
    struct Section {
        QString name;
        QList<std::pair<QString, QString>> entries;
    };
    static QString trimmed(QString s)
    {
        while (!s.isEmpty() && (s.front() == u' ' || s.front() == u'\t'))
            s.remove(0, 1);
        while (!s.isEmpty() && (s.back() == u' ' || s.back() == u'\t'))
            s.chop(1);
        return s;
    }
    const Section *find(const QString &name) const
    {
        for (const Section &s : m_sections)
            if (s.name.compare(name, Qt::CaseInsensitive) == 0)
                return &s;
        return nullptr;
    }
    std::list<Section> m_sections;
};

// The settings as the format describes them: the start and each day off
// as yyyy-mm-dd, the week as seven "0" or "1" from Monday; anything else
// not set. Days off sorted, each once.
ProjectSettings expectedSettings(const QString &start, const QString &week, const QString &daysOff)
{
    const auto date = [](const QString &text) {
        static const QRegularExpression form(QStringLiteral("^\\d{4}-\\d{2}-\\d{2}$"));
        if (!form.match(text).hasMatch())
            return QDate();
        return QDate(text.left(4).toInt(), text.mid(5, 2).toInt(), text.right(2).toInt());
    };
    ProjectSettings settings;
    settings.start = date(start);
    static const QRegularExpression weekForm(QStringLiteral("^[01]{7}$"));
    if (weekForm.match(week).hasMatch()) {
        WorkWeek days{};
        for (int d = 0; d < 7; ++d)
            days[size_t(d)] = week.at(d) == u'1';
        settings.workWeek = days;
    }
    std::set<QDate> off;
    for (const QString &part : daysOff.split(u','))
        if (const QDate day = date(part.trimmed()); day.isValid())
            off.insert(day);
    settings.daysOff = QList<QDate>(off.begin(), off.end());
    return settings;
}

// The project the oracle reads, key by key, as the loader is meant to.
Project expectedFrom(const QString &text)
{
    const ListReader ini(text);
    const qint64 lineCount = text.count(u'\n') + text.count(u'\r') + 1;
    Project p;
    p.name = ini.value("PROJECT", "Name");
    p.settings = expectedSettings(ini.value("PROJECT", "Start"), ini.value("PROJECT", "WorkWeek"),
                                  ini.value("PROJECT", "DaysOff"));
    for (int n = 1; n <= 8; ++n) {
        const QString g = QStringLiteral("Goal%1").arg(n);
        SubGoal goal{ini.value("GOALS", g), ini.value("GOALS", g + "_Name"), ini.value("GOALS", g + "_Due"), {},
                     ini.value("GOALS", g + "_After")};
        if (goal.key.isEmpty())
            break;
        const qint64 lines = std::min(countOf(ini.value("GOALS", g + "_Tasks")), ini.highest("GOALS", g + "_Task", lineCount));
        for (qint64 k = 1; k <= lines; ++k)
            goal.tasks += ini.value("GOALS", g + "_Task" + QString::number(k)) + u'\n';
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
    const Project read = Gpj::read(IniIndex(text)).project;
    if (const Project expected = expectedFrom(text); !(read == expected)) {
        fprintf(stderr, "read:     %s\nexpected: %s\n", qPrintable(describe(read)), qPrintable(describe(expected)));
        fail("the format reads other than a reader written apart");
    }
    if (!(Gpj::readFile(bytes).project == read))
        fail("the one-pass reader and the general reader disagree");
    const QString written = Gpj::write(read);
    QByteArray bytes8;
    Gpj::writeUtf8(read, [&](QByteArrayView piece) { bytes8 += piece; });
    if (bytes8 != written.toUtf8())
        fail("the bytes a save writes are not the UTF-8 of the project's text");
    const Project again = Gpj::read(IniIndex(written)).project;
    if (!(again == read) || !(Gpj::readFile(written.toUtf8()).project == read) || Gpj::write(again) != written)
        fail("a project written and read again is not the same value");

    // Opened in the program. Old task files must not leak into this run.
    QDir tmp(app + QStringLiteral("/tmp"));
    for (const QString &f : tmp.entryList(QDir::Files))
        tmp.remove(f);
    const QString in = app + QStringLiteral("/projects/in.gpj");
    writeRaw(in, bytes);
    ScriptedModals modals;   // every message answered at once and recorded
    Session s(app, modals, modals);
    if (!s.project.LoadProject(in)) {
        // A refused file leaves the open project, new and empty, as it was.
        if (!s.document.filePath().isEmpty() || s.document.subGoalCount() != 0 || s.document.isModified())
            fail("a failed open changed the open project");
        return 0;
    }
    const Project shownValue = s.document.project();
    const Project *shown = &shownValue;
    if (shown->subGoals.size() != read.subGoals.size())
        fail("the open project is not the one read");
    QSet<QString> keys;
    for (qsizetype i = 0; i < read.subGoals.size(); ++i) {
        SubGoal goal = shown->subGoals.at(i);
        if (!Gpj::isSafeKey(goal.key))
            fail("a card's key could point outside tmp/");
        keys.insert(goal.key.toLower());
        // A key that cannot name a task file, or repeats one in any letter
        // case, gets one of its own; a sound one is kept.
        const QString &readKey = read.subGoals.at(i).key;
        if (goal.key != readKey && Gpj::isSafeKey(readKey) && !keys.contains(readKey.toLower()))
            fail("a sound key was replaced");
        goal.key = readKey;
        if (!(goal == read.subGoals.at(i)))
            fail("a sub-goal shown differs from the one read");
    }
    if (keys.size() != shown->subGoals.size())
        fail("two cards share a task file");

    const QString out = app + QStringLiteral("/projects/out.gpj");
    if (!s.project.SaveProject(out))
        fail("a project that opened could not be saved");
    QFile o(out);
    if (!o.open(QIODevice::ReadOnly) || KestrelFile::decode(o.readAll()) != Gpj::write(*shown))
        fail("the saved file is not the format's text for the project");
    return 0;
}
