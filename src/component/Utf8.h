#pragma once
#include <QStringView>
#include <cstdint>
#include <cstring>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "component/PieceWriter.h"

// UTF-16 text written as UTF-8 straight into room made beforehand, for the
// writers that make large files: no whole copy of the text is made first.
namespace Utf8 {

// Room a text needs: at most three bytes for each UTF-16 unit (a pair's
// four bytes for its two units).
constexpr qsizetype kMaxBytesPerUnit = 3;

// What a lone surrogate, which UTF-8 cannot hold, becomes: QString::toUtf8
// writes '?', so files written from a QString keep those bytes.
constexpr char32_t kAsToUtf8 = u'?';

// Copies the units from p on while they are ASCII, several at a time,
// stopping before the first that is not or where too few remain.
inline char *putAsciiRun(char *d, const char16_t *&p, const char16_t *end)
{
#if defined(__SSE2__)
    const __m128i high = _mm_set1_epi16(short(0xFF80));
    while (end - p >= 8) {
        const __m128i units = _mm_loadu_si128(reinterpret_cast<const __m128i *>(p));
        if (_mm_movemask_epi8(_mm_cmpeq_epi16(_mm_and_si128(units, high), _mm_setzero_si128())) != 0xFFFF)
            break;
        _mm_storel_epi64(reinterpret_cast<__m128i *>(d), _mm_packus_epi16(units, units));
        d += 8;
        p += 8;
    }
#else
    while (end - p >= 4) {
        std::uint64_t units;
        std::memcpy(&units, p, sizeof units);
        if (units & 0xFF80FF80FF80FF80u)
            break;
        for (int k = 0; k < 4; ++k)
            d[k] = char(p[k]);
        d += 4;
        p += 4;
    }
#endif
    return d;
}

// Writes the character at text[i] at d, moving i past a surrogate pair; a
// lone surrogate becomes lone.
inline char *putChar(char *d, QStringView text, qsizetype &i, char32_t lone = 0xFFFD)
{
    char32_t c = text[i].unicode();
    if (c < 0x80) {   // nearly every character of a task line
        *d++ = char(c);
        return d;
    }
    if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text[i + 1].isLowSurrogate())
        c = QChar::surrogateToUcs4(char16_t(c), text[++i].unicode());
    else if (QChar::isSurrogate(c))
        c = lone;
    if (c < 0x80) {
        *d++ = char(c);
    } else if (c < 0x800) {
        *d++ = char(0xC0 | (c >> 6));
        *d++ = char(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        *d++ = char(0xE0 | (c >> 12));
        *d++ = char(0x80 | ((c >> 6) & 0x3F));
        *d++ = char(0x80 | (c & 0x3F));
    } else {
        *d++ = char(0xF0 | (c >> 18));
        *d++ = char(0x80 | ((c >> 12) & 0x3F));
        *d++ = char(0x80 | ((c >> 6) & 0x3F));
        *d++ = char(0x80 | (c & 0x3F));
    }
    return d;
}

// The whole text at d; needs room for kMaxBytesPerUnit × its length.
inline char *put(char *d, QStringView text, char32_t lone = 0xFFFD)
{
    const char16_t *const begin = text.utf16();
    const char16_t *const end = begin + text.size();
    const char16_t *p = begin;
    while (p < end) {
        d = putAsciiRun(d, p, end);
        if (p == end)
            break;
        qsizetype i = p - begin;
        d = putChar(d, text, i, lone);
        p = begin + i + 1;
    }
    return d;
}

// The text's UTF-8, the bytes QString::toUtf8 gives, handed to sink in
// pieces made in one small buffer: a large text is never held twice.
void encodeInPieces(QStringView text, const PieceWriter::ByteSink &sink);

} // namespace Utf8
