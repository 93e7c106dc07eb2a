#include "component/Utf8.h"

#include <QByteArray>
#include <bit>

namespace {

bool continues(unsigned char b)
{
    return (b & 0xC0) == 0x80;
}

} // namespace

// An overlong form, a surrogate, a code beyond U+10FFFF and a sequence cut
// short are what Qt's decoder rejects too.
char16_t *Utf8::getChar(const char *&p, const char *end, char16_t *d)
{
    const auto *b = reinterpret_cast<const unsigned char *>(p);
    const qsizetype left = end - p;
    if (b[0] < 0x80) {
        *d++ = b[0];
        ++p;
        return d;
    }
    char32_t c = 0;
    int length = 0;
    if (b[0] >= 0xC2 && b[0] <= 0xDF) {
        length = 2;
        c = b[0] & 0x1F;
    } else if (b[0] >= 0xE0 && b[0] <= 0xEF) {
        length = 3;
        c = b[0] & 0x0F;
        // The second byte's range rules out overlong forms and surrogates.
        if (left >= 2 && ((b[0] == 0xE0 && b[1] < 0xA0) || (b[0] == 0xED && b[1] > 0x9F)))
            return nullptr;
    } else if (b[0] >= 0xF0 && b[0] <= 0xF4) {
        length = 4;
        c = b[0] & 0x07;
        if (left >= 2 && ((b[0] == 0xF0 && b[1] < 0x90) || (b[0] == 0xF4 && b[1] > 0x8F)))
            return nullptr;
    } else {
        return nullptr;
    }
    if (left < length)
        return nullptr;
    for (int k = 1; k < length; ++k) {
        if (!continues(b[k]))
            return nullptr;
        c = (c << 6) | (b[k] & 0x3F);
    }
    p += length;
    if (c >= 0x10000) {
        *d++ = QChar::highSurrogate(c);
        *d++ = QChar::lowSurrogate(c);
    } else {
        *d++ = char16_t(c);
    }
    return d;
}


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

