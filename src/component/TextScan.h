#pragma once
#include <QStringView>
#include <bit>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

// The position of the first a, b or c in text at or after from, else its
// size. The hot loops (counting tasks at every key release, reading a
// project file) look for two or three characters among many ordinary ones:
// eight at a time where the CPU allows, since at 30-character lines a
// library call per search would cost more than the search itself.
inline qsizetype findAny(QStringView text, qsizetype from, char16_t a, char16_t b, char16_t c)
{
    const char16_t *p = text.utf16();
    const qsizetype n = text.size();
    qsizetype i = from;
#if defined(__SSE2__)
    const __m128i va = _mm_set1_epi16(short(a));
    const __m128i vb = _mm_set1_epi16(short(b));
    const __m128i vc = _mm_set1_epi16(short(c));
    for (; i + 8 <= n; i += 8) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i *>(p + i));
        const __m128i hit = _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi16(v, va), _mm_cmpeq_epi16(v, vb)),
                                         _mm_cmpeq_epi16(v, vc));
        if (const int mask = _mm_movemask_epi8(hit))
            return i + std::countr_zero(unsigned(mask)) / 2;
    }
#endif
    for (; i < n; ++i) {
        if (p[i] == a || p[i] == b || p[i] == c)
            return i;
    }
    return n;
}

// The position of the first a or b in text at or after from, else its size.
inline qsizetype findEither(QStringView text, qsizetype from, char16_t a, char16_t b)
{
    return findAny(text, from, a, b, b);
}

// How many characters of text are a or b.
inline qsizetype countEither(QStringView text, char16_t a, char16_t b)
{
    const char16_t *p = text.utf16();
    const qsizetype n = text.size();
    qsizetype count = 0;
    qsizetype i = 0;
#if defined(__SSE2__)
    // Each lane counts its matches (a match compares as -1); the lanes are
    // summed before they could overflow.
    const __m128i va = _mm_set1_epi16(short(a));
    const __m128i vb = _mm_set1_epi16(short(b));
    const __m128i ones = _mm_set1_epi16(1);
    while (i + 8 <= n) {
        __m128i lanes = _mm_setzero_si128();
        for (int round = 0; round < 32767 && i + 8 <= n; ++round, i += 8) {
            const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i *>(p + i));
            lanes = _mm_sub_epi16(lanes, _mm_or_si128(_mm_cmpeq_epi16(v, va), _mm_cmpeq_epi16(v, vb)));
        }
        alignas(16) int sums[4];
        _mm_store_si128(reinterpret_cast<__m128i *>(sums), _mm_madd_epi16(lanes, ones));
        count += qsizetype(sums[0]) + sums[1] + sums[2] + sums[3];
    }
#endif
    for (; i < n; ++i)
        count += (p[i] == a || p[i] == b);
    return count;
}
