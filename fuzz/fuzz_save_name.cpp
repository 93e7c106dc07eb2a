// The save dialog's name check on arbitrary names. Properties: a name is
// accepted exactly when it is not empty, holds no refused or control
// character and no lone surrogate, and fits a file name with ".gpj"; and
// every accepted name really makes a file projects/<name>.gpj, inside the
// projects folder, that the open dialog then lists under that name.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "project/OpenDialog.h"
#include "project/SaveDialog.h"

namespace {

[[noreturn]] void fail(const char *what)
{
    fprintf(stderr, "property violated: %s\n", what);
    abort();
}

// The rules a name must keep, as a table written apart from the dialog's
// check: each rule says in its own way what breaks it.
struct Rule {
    const char *what;
    bool (*breaks)(const QString &name);
};
const Rule kRules[] = {
    {"not empty", [](const QString &n) { return n.isEmpty(); }},
    // The characters the dialog has always refused, one by one.
    {"no blank", [](const QString &n) { return n.contains(u' '); }},
    {"no full stop", [](const QString &n) { return n.contains(u'.'); }},
    {"no semicolon", [](const QString &n) { return n.contains(u';'); }},
    {"no apostrophe", [](const QString &n) { return n.contains(u'\''); }},
    {"no question mark", [](const QString &n) { return n.contains(u'?'); }},
    {"no at sign", [](const QString &n) { return n.contains(u'@'); }},
    {"no double quote", [](const QString &n) { return n.contains(u'"'); }},
    {"no dollar sign", [](const QString &n) { return n.contains(u'$'); }},
    // Those that would leave the projects folder or that file systems refuse.
    {"no path or reserved character",
     [](const QString &n) { return std::any_of(n.begin(), n.end(), [](QChar c) { return QStringView(u"/\\:*<>|").contains(c); }); }},
    {"no control character",
     [](const QString &n) { return std::any_of(n.begin(), n.end(), [](QChar c) { return c.category() == QChar::Other_Control; }); }},
    {"no broken surrogate pair", [](const QString &n) { return !n.isValidUtf16(); }},
    {"fits a file name with .gpj", [](const QString &n) { return QByteArray((n + ".gpj").toUtf8()).size() > 255; }},
};

bool acceptable(const QString &name)
{
    return std::none_of(std::begin(kRules), std::end(kRules), [&](const Rule &r) { return r.breaks(name); });
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QTemporaryDir scratch;
    static const QString projects = scratch.path() + QStringLiteral("/projects/");
    static const bool made = QDir().mkpath(projects);
    if (!made)
        fail("no scratch projects folder");

    // Half the inputs as UTF-8 (names people type), half as raw UTF-16.
    const bool utf16 = size > 0 && (data[0] & 1);
    const QString name = utf16 ? QString(reinterpret_cast<const QChar *>(data + 1), qsizetype((size - 1) / 2))
                               : QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));

    const bool accepted = SaveDialog::nameProblem(name) == SaveDialog::NameProblem::None;
    if (accepted != acceptable(name))
        fail(accepted ? "a name that breaks a rule was accepted" : "a name within every rule was refused");
    if (name.isEmpty() != (SaveDialog::nameProblem(name) == SaveDialog::NameProblem::Empty))
        fail("the empty name is not told apart");
    if (!accepted)
        return 0;

    const QString path = projects + name + QStringLiteral(".gpj");
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        fail("an accepted name cannot be created");
    f.close();
    const QStringList listed = OpenDialog::listProjects(projects);
    const bool found = listed == QStringList{name + QStringLiteral(".gpj")};
    QFile::remove(path);
    if (!found)
        fail("an accepted name is not listed back as itself, alone in the projects folder");
    return 0;
}
