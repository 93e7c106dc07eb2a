// FillListFromText with arbitrary text, delimiter and filter. Properties:
// the pieces joined again give the text back (less a final delimiter), no
// piece holds the delimiter, the filter keeps exactly the pieces that hold
// it, and what the list held before is kept in front.
#include <QString>
#include <QStringList>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "component/KestrelTools.h"

namespace {

[[noreturn]] void fail(const char *what)
{
    fprintf(stderr, "property violated: %s\n", what);
    abort();
}

QString fromBytes(const uint8_t *data, size_t size)
{
    // UTF-16 straight from the bytes, so lone surrogates and NULs occur too.
    return QString(reinterpret_cast<const QChar *>(data), qsizetype(size / 2));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 2)
        return 0;
    const uint8_t mode = data[0];
    const uint8_t cut = data[1];
    data += 2;
    size -= 2;

    // The program's own delimiters most of the time, an arbitrary one otherwise.
    QString delimiter;
    QString filter;
    size_t head = 0;
    switch (mode % 4) {
    case 0: delimiter = QStringLiteral("\r\n"); break;
    case 1: delimiter = QStringLiteral("\u00A8"); break;
    case 2: delimiter = QString(); break;
    default:
        head = std::min<size_t>(size, 2 * (1 + cut % 3));
        delimiter = fromBytes(data, head);
        break;
    }
    switch ((mode / 4) % 3) {
    case 0: break;
    case 1: filter = QStringLiteral("--"); break;
    default: filter = fromBytes(data + head, std::min<size_t>(size - head, 2 * (1 + cut % 2))); break;
    }
    const QString text = fromBytes(data + head, size - head);

    KestrelTools tools;
    QStringList all{QStringLiteral("before")};
    tools.FillListFromText(text, delimiter, all, QString());
    if (all.isEmpty() || all.first() != QStringLiteral("before"))
        fail("the list's earlier items were not kept");
    all.removeFirst();

    if (text.isEmpty()) {
        if (!all.isEmpty())
            fail("an empty text yielded items");
    } else if (delimiter.isEmpty()) {
        if (all != QStringList{text})
            fail("an empty delimiter did not keep the text whole");
    } else {
        // Either the text ends in a piece, or in a delimiter whose empty
        // remainder yields nothing.
        const QString joined = all.join(delimiter);
        if (joined != text && joined + delimiter != text)
            fail("the pieces joined again differ from the text");
        for (const QString &piece : all)
            if (piece.contains(delimiter))
                fail("a piece holds the delimiter");
    }

    QStringList kept;
    tools.FillListFromText(text, delimiter, kept, filter);
    QStringList expectedKept;
    for (const QString &piece : all)
        if (filter.isEmpty() || piece.contains(filter))
            expectedKept.append(piece);
    if (kept != expectedKept)
        fail("the filter kept other pieces than those that hold it");
    return 0;
}
