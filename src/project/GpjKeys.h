#pragma once
// The keys of a ".gpj" file as the writer and the one-pass reader use
// them: ASCII bytes on the stack, never a string made for one.
#include <QByteArrayView>
#include <algorithm>
#include <charconv>
#include <cstring>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

// "Goal<n>" and a suffix such as "_Name".
class GoalKey {
public:
    GoalKey(int n, QByteArrayView suffix)
    {
        std::memcpy(m_text, "Goal", 4);
        char *end = std::to_chars(m_text + 4, m_text + 16, n).ptr;
        const qsizetype room = m_text + sizeof m_text - end;
        const qsizetype kept = std::min(suffix.size(), room);
        std::memcpy(end, suffix.data(), size_t(kept));
        m_size = end + kept - m_text;
    }
    QByteArrayView view() const { return {m_text, m_size}; }
    operator QByteArrayView() const { return view(); }

private:
    char m_text[32];
    qsizetype m_size;
};

// The key of a sub-goal's task line k with its "=", "Goal<n>_Task<k>=",
// counted up in place from k = 1: the writer and the one-pass reader go
// through 200,000 task lines without formatting or parsing a number. The
// key is read whole, sixteen bytes at a time; a read of sixteen bytes
// soon after a write of one of them waits until that write is done, so
// counting up writes sixteen bytes at a time too, and callers count up for
// the next line right after reading this line's key.
class TaskKey {
public:
    static constexpr qsizetype kRoom = 32;   // the most it holds; so much may always be read

    explicit TaskKey(QByteArrayView stem) : m_stem(std::min(stem.size(), kMaxStem))
    {
        std::memcpy(m_text, stem.data(), size_t(m_stem));
        m_digitsEnd = m_stem;
        next();   // the first line's key
    }
    void next()
    {
#if defined(__SSE2__)
        const qsizetype last = m_digitsEnd - 1;
        if (last >= m_stem && m_text[last] != '9') {   // nine times in ten: one more in the last digit
            alignas(16) static constexpr char kOne[2 * kRoom] = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                                                                 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1};
            const char *one = kOne + kRoom - last;
            for (int at = 0; at < kRoom; at += 16) {
                auto *half = reinterpret_cast<__m128i *>(m_text + at);
                _mm_storeu_si128(half, _mm_add_epi8(_mm_loadu_si128(half),
                                                    _mm_loadu_si128(reinterpret_cast<const __m128i *>(one + at))));
            }
            return;
        }
#endif
        qsizetype i = m_digitsEnd - 1;
        while (i >= m_stem && m_text[i] == '9')
            m_text[i--] = '0';
        if (i >= m_stem) {
            ++m_text[i];
            wholeAgain();
            return;
        }
        // 9…9 + 1 (or the first number, 1): one digit more, a 1 then zeros.
        m_text[m_stem] = '1';
        std::fill(m_text + m_stem + 1, m_text + m_digitsEnd + 1, '0');
        m_text[++m_digitsEnd] = '=';
        wholeAgain();
    }
    const char *data() const { return m_text; }
    qsizetype size() const { return m_digitsEnd + 1; }

private:
    // After single bytes were written: the key written again whole, so the
    // next reads of it need not wait (one wait here, once in ten lines).
    void wholeAgain()
    {
#if defined(__SSE2__)
        for (int at = 0; at < kRoom; at += 16) {
            auto *half = reinterpret_cast<__m128i *>(m_text + at);
            _mm_storeu_si128(half, _mm_loadu_si128(half));
        }
#endif
    }
    static constexpr qsizetype kMaxStem = 12;   // "Goal8_Task" and then some
    char m_text[kRoom] = {};
    qsizetype m_stem;
    qsizetype m_digitsEnd;
};
