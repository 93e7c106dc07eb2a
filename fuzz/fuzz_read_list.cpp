// ReadFileIntoList and ReadTextFile on arbitrary bytes. Properties: the
// list is the text split at line breaks, no item holds a line feed, and the
// items written back one per line (as a load writes task files) read back
// as the same items and the same text.
#include <QDir>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>
#include <cstdio>

#include "component/KestrelFile.h"

namespace {

[[noreturn]] void fail(const char *what)
{
    fprintf(stderr, "property violated: %s\n", what);
    abort();
}

void writeRaw(const QString &path, const uint8_t *data, size_t size)
{
    FILE *f = fopen(QFile::encodeName(path).constData(), "wb");
    if (!f || fwrite(data, 1, size, f) != size)
        fail("the fuzz input could not be written to the scratch folder");
    fclose(f);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QTemporaryDir scratch;
    const QString in = scratch.path() + QStringLiteral("/in.txt");
    const QString back = scratch.path() + QStringLiteral("/back.txt");
    writeRaw(in, data, size);

    KestrelFile file;
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString decoded = KestrelFile::decode(bytes);

    QString text;
    if (!file.ReadTextFile(text, in) || text != decoded)
        fail("ReadTextFile differs from the decoding of the bytes");

    QStringList lines{QStringLiteral("before")};
    if (!file.ReadFileIntoList(lines, in))
        fail("ReadFileIntoList failed on a readable file");
    if (lines.isEmpty() || lines.takeFirst() != QStringLiteral("before"))
        fail("the list's earlier items were not kept");
    if (lines != KestrelFile::splitLines(decoded))
        fail("the list is not the split of the text");
    for (const QString &line : lines)
        if (line.contains(u'\n'))
            fail("an item holds a line feed");

    // A load writes each item followed by CR LF; a save reads them again.
    QString joined;
    for (const QString &line : lines)
        joined += line + QStringLiteral("\r\n");
    if (!file.WriteTextFile(joined, back))
        fail("WriteTextFile failed in the scratch folder");
    QStringList again;
    if (!file.ReadFileIntoList(again, back))
        fail("the written list could not be read");
    if (again != lines)
        fail("lines written one per line read back differently");
    QString textBack;
    if (!file.ReadTextFile(textBack, back) || textBack != joined)
        fail("a written text reads back differently");
    return 0;
}
