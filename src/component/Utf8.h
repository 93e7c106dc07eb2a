#pragma once
#include <QStringView>
#include <bit>
#include <cstdint>
#include <cstring>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "component/PieceWriter.h"

// UTF-16 text written as UTF-8, and UTF-8 read back, straight into room
// made beforehand, for the writers and the reader of large files: no
// whole copy of a text is made first.
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
    while (end - p >= 16) {   // sixteen at a time, both halves tested together
        const __m128i low = _mm_loadu_si128(reinterpret_cast<const __m128i *>(p));
        const __m128i next = _mm_loadu_si128(reinterpret_cast<const __m128i *>(p + 8));
        const __m128i either = _mm_and_si128(_mm_or_si128(low, next), high);
        if (_mm_movemask_epi8(_mm_cmpeq_epi16(either, _mm_setzero_si128())) != 0xFFFF)
            break;
        _mm_storeu_si128(reinterpret_cast<__m128i *>(d), _mm_packus_epi16(low, next));
        d += 16;
        p += 16;
    }
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

// Writes the character at p at d and moves p past it (two units for a
// surrogate pair); a lone surrogate becomes lone. At most four bytes.
inline char *putUnit(char *d, const char16_t *&p, const char16_t *end, char32_t lone)
{
    char32_t c = *p++;
    if (c < 0x80) {   // nearly every character of a task line
        *d++ = char(c);
        return d;
    }
    if (QChar::isHighSurrogate(c) && p < end && QChar::isLowSurrogate(*p))
        c = QChar::surrogateToUcs4(char16_t(c), *p++);
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

// The same for the character at text[i], moving i to its last unit.
inline char *putChar(char *d, QStringView text, qsizetype &i, char32_t lone = 0xFFFD)
{
    const char16_t *p = text.utf16() + i;
    d = putUnit(d, p, text.utf16() + text.size(), lone);
    i = p - text.utf16() - 1;
    return d;
}

// The whole text at d; needs room for kMaxBytesPerUnit × its length.
inline char *put(char *d, QStringView text, char32_t lone = 0xFFFD)
{
    const char16_t *p = text.utf16();
    const char16_t *const end = p + text.size();
    while (p < end) {
        d = putAsciiRun(d, p, end);
        while (p < end && *p < 0x80)   // the last few of a run
            *d++ = char(*p++);
        if (p < end)
            d = putUnit(d, p, end, lone);
    }
    return d;
}

// Reading: the character at p decoded at d, p moved past it; null for a
// sequence that is not well-formed UTF-8, as Qt's decoder rejects it.
char16_t *getChar(const char *&p, const char *end, char16_t *d);

// The UTF-8 from p on decoded at d, as QStringDecoder decodes valid UTF-8,
// for values read straight from a file's bytes. Stops at end or at a CR or
// LF, with p there; null when the bytes before are no valid UTF-8. d needs
// room for (end - p) + kReadSlack units.
constexpr qsizetype kReadSlack = 16;
inline char16_t *getUntilBreak(const char *&p, const char *end, char16_t *d)
{
    for (;;) {
#if defined(__SSE2__)
        // Sixteen bytes a step, each widened to its unit, while none is a
        // control character up to CR or is not ASCII: a signed compare
        // finds both at once.
        while (end - p >= 16) {
            const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i *>(p));
            _mm_storeu_si128(reinterpret_cast<__m128i *>(d), _mm_unpacklo_epi8(bytes, _mm_setzero_si128()));
            _mm_storeu_si128(reinterpret_cast<__m128i *>(d + 8), _mm_unpackhi_epi8(bytes, _mm_setzero_si128()));
            const unsigned stops = unsigned(_mm_movemask_epi8(_mm_cmplt_epi8(bytes, _mm_set1_epi8(0x0E))));
            const int run = stops ? std::countr_zero(stops) : 16;
            p += run;
            d += run;
            if (run < 16)
                break;
        }
#endif
        if (p == end || *p == '\r' || *p == '\n')
            return d;
        if (!(d = getChar(p, end, d)))
            return nullptr;
    }
}

// The text's UTF-8, the bytes QString::toUtf8 gives, handed to sink in
// pieces made in one small buffer: a large text is never held twice.
void encodeInPieces(QStringView text, const PieceWriter::ByteSink &sink);

} // namespace Utf8
