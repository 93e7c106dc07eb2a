#include "component/Utf8.h"

#include <QByteArray>

void Utf8::encodeInPieces(QStringView text, const PieceWriter::ByteSink &sink)
{
    // Small enough to stay in the processor's cache between the encoding
    // and the write that copies it out.
    constexpr qsizetype kUnits = 32 * 1024;
    QByteArray piece(kUnits * kMaxBytesPerUnit, Qt::Uninitialized);
    for (qsizetype at = 0; at < text.size();) {
        qsizetype n = std::min(kUnits, text.size() - at);
        // A surrogate pair is never cut in two: both halves go together.
        if (at + n < text.size() && QChar::isHighSurrogate(text[at + n - 1].unicode()))
            --n;
        const char *end = put(piece.data(), text.sliced(at, n), kAsToUtf8);
        sink(QByteArrayView(piece.constData(), end - piece.constData()));
        at += n;
    }
}
