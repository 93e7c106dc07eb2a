#pragma once
// The keys of a ".gpj" file as the writer and the one-pass reader use
// them: ASCII bytes on the stack, never a string made for one.
#include <QByteArrayView>
#include <algorithm>
#include <charconv>
#include <cstring>

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
// through 200,000 task lines without formatting or parsing a number.
class TaskKey {
public:
    static constexpr qsizetype kRoom = 32;   // the most it holds; so much may always be read

    explicit TaskKey(QByteArrayView stem) : m_stem(std::min(stem.size(), kMaxStem))
    {
        std::memcpy(m_text, stem.data(), size_t(m_stem));
        m_digitsEnd = m_stem;   // no number yet: next() makes it 1
        m_text[m_digitsEnd] = '=';
    }
    void next()
    {
        qsizetype i = m_digitsEnd - 1;
        while (i >= m_stem && m_text[i] == '9')
            m_text[i--] = '0';
        if (i >= m_stem) {
            ++m_text[i];
            return;
        }
        // 9…9 + 1 (or the first number): one digit more, a 1 then zeros.
        m_text[m_stem] = '1';
        std::fill(m_text + m_stem + 1, m_text + m_digitsEnd + 1, '0');
        m_text[++m_digitsEnd] = '=';
    }
    const char *data() const { return m_text; }
    qsizetype size() const { return m_digitsEnd + 1; }

private:
    static constexpr qsizetype kMaxStem = 12;   // "Goal8_Task" and then some
    char m_text[kRoom] = {};
    qsizetype m_stem;
    qsizetype m_digitsEnd;
};
