// The save dialog's name check on arbitrary names. Properties: a name is
// accepted exactly when it is not empty, holds no refused or control
// character and no lone surrogate, and fits a file name with ".gpj"; and
// every accepted name really makes a file projects/<name>.gpj, inside the
// projects folder, that the open dialog then lists under that name.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
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

bool acceptable(const QString &name)
{
    if (name.isEmpty())
        return false;
    for (QChar c : QStringLiteral(" .;'?@\"$/\\:*<>|"))
        if (name.contains(c))
            return false;
    for (qsizetype i = 0; i < name.size(); ++i) {
        const char16_t u = name[i].unicode();
        if (u < 0x20 || (u >= 0x7F && u < 0xA0))
            return false;
        if (QChar::isHighSurrogate(u) && i + 1 < name.size() && name[i + 1].isLowSurrogate())
            ++i;
        else if (QChar::isSurrogate(u))
            return false;
    }
    return (name + QStringLiteral(".gpj")).toUtf8().size() <= 255;
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
