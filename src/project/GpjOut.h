#pragma once
// Where the ".gpj" writer puts what it writes: the text (UTF-16) into a
// QString, or the bytes (UTF-8) into pieces handed to a sink. Each gives
// room before it is written and learns where the writing ended, so a line
// is written by plain stores; each knows how to store text in its form.
#include <QByteArray>
#include <QString>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "component/PieceWriter.h"
#include "component/Utf8.h"
#include "project/GpjKeys.h"

// The text into a QString whose room is kept from save to save: once the
// room is there, writing a line is copying it.
class TextOut {
public:
    using Char = char16_t;
    static constexpr qsizetype kRoomPerUnit = 1;

    TextOut(QString &out, qsizetype expected) : m_out(out)
    {
        m_out.resize(0);
        resize(std::max(m_out.capacity(), expected));
    }
    ~TextOut() { m_out.resize(m_at); }
    Char *room(qsizetype units)
    {
        if (m_at + units > m_limit - m_base)   // only when the room kept is short
            resize(std::max(m_at + units, m_out.size() + m_out.size() / 2));
        return m_base + m_at;
    }
    Char *limit() const { return m_limit; }
    void done(Char *end) { m_at = end - m_base; }

    static Char *put(Char *d, QStringView text)
    {
        const char16_t *s = text.utf16();
        qsizetype n = text.size();
#if defined(__SSE2__)
        for (; n >= 8; n -= 8, s += 8, d += 8)   // a library call costs more than a task line
            _mm_storeu_si128(reinterpret_cast<__m128i *>(d), _mm_loadu_si128(reinterpret_cast<const __m128i *>(s)));
#endif
        while (n-- > 0)
            *d++ = *s++;
        return d;
    }
    static Char *putAscii(Char *d, QByteArrayView ascii) { return std::copy(ascii.begin(), ascii.end(), d); }
    static Char *putKey(Char *d, const TaskKey &key)
    {
#if defined(__SSE2__)
        // Whole, widened sixteen bytes at a time: a fixed length stores fastest.
        static_assert(TaskKey::kRoom == 32);
        for (int half = 0; half < 2; ++half) {
            const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i *>(key.data() + 16 * half));
            _mm_storeu_si128(reinterpret_cast<__m128i *>(d + 16 * half), _mm_unpacklo_epi8(bytes, _mm_setzero_si128()));
            _mm_storeu_si128(reinterpret_cast<__m128i *>(d + 16 * half + 8), _mm_unpackhi_epi8(bytes, _mm_setzero_si128()));
        }
#else
        std::copy(key.data(), key.data() + key.size(), d);
#endif
        return d + key.size();
    }
    static Char *putUnit(Char *d, const char16_t *&p, const char16_t *) { return *d++ = *p++, d; }
#if defined(__SSE2__)
    // The units a run of plain characters stops at, as negative 16-bit
    // lanes: here the control characters up to CR, line breaks among them.
    static __m128i refused(__m128i units)
    {
        return _mm_cmpeq_epi16(_mm_subs_epu16(units, _mm_set1_epi16('\r')), _mm_setzero_si128());
    }
    static void store(Char *d, __m128i low, __m128i high)
    {
        _mm_storeu_si128(reinterpret_cast<__m128i *>(d), low);
        _mm_storeu_si128(reinterpret_cast<__m128i *>(d + 8), high);
    }
#endif

private:
    void resize(qsizetype size)
    {
        m_out.resize(size);
        m_base = reinterpret_cast<Char *>(m_out.data());
        m_limit = m_base + size;
    }
    QString &m_out;
    Char *m_base = nullptr;
    Char *m_limit = nullptr;
    qsizetype m_at = 0;
};

// UTF-8 as QString::toUtf8 writes it, so both forms of the file agree.
struct Utf8Form {
    using Char = char;
    static constexpr qsizetype kRoomPerUnit = Utf8::kMaxBytesPerUnit;

    static Char *put(Char *d, QStringView text) { return Utf8::put(d, text, Utf8::kAsToUtf8); }
    static Char *putAscii(Char *d, QByteArrayView ascii)
    {
        std::memcpy(d, ascii.data(), size_t(ascii.size()));
        return d + ascii.size();
    }
    static Char *putKey(Char *d, const TaskKey &key)
    {
        std::memcpy(d, key.data(), TaskKey::kRoom);
        return d + key.size();
    }
    static Char *putUnit(Char *d, const char16_t *&p, const char16_t *end)
    {
        return Utf8::putUnit(d, p, end, Utf8::kAsToUtf8);
    }
#if defined(__SSE2__)
    // The control characters up to CR, line breaks among them, and what
    // is not ASCII, which is encoded one by one: less 14, a unit is one of
    // them when it is 0x72 or more (the small ones wrap round), and adding
    // with saturation sets the top bit of exactly those.
    static __m128i refused(__m128i units)
    {
        return _mm_adds_epu16(_mm_sub_epi16(units, _mm_set1_epi16(0x0E)), _mm_set1_epi16(0x7F8E));
    }
    // Sixteen units stored as bytes; those that are not ASCII are refused
    // above, and what is stored of them is written over.
    static void store(Char *d, __m128i low, __m128i high)
    {
        _mm_storeu_si128(reinterpret_cast<__m128i *>(d), _mm_packus_epi16(low, high));
    }
#endif
};

// A sub-goal's task entries in UTF-8, made while their lines are counted,
// so that the count can be written before them.
class BlockOut : public Utf8Form {
public:
    void start(qsizetype expected)
    {
        m_at = 0;
        resize(std::max(m_buffer.size(), expected));
    }
    Char *room(qsizetype bytes)
    {
        if (m_at + bytes > m_limit - m_base)
            resize(std::max(m_at + bytes, m_buffer.size() + m_buffer.size() / 2));
        return m_base + m_at;
    }
    Char *limit() const { return m_limit; }
    void done(Char *end) { m_at = end - m_base; }
    QByteArrayView bytes() const { return {m_base, m_at}; }

private:
    void resize(qsizetype size)
    {
        m_buffer.resize(size);
        m_base = m_buffer.data();
        m_limit = m_base + size;
    }
    QByteArray m_buffer;
    Char *m_base = nullptr;
    Char *m_limit = nullptr;
    qsizetype m_at = 0;
};

// The file's bytes in pieces, each made in one buffer and handed on while
// it is still in the processor's cache.
class BytesOut : public Utf8Form {
public:
    static constexpr qsizetype kPiece = 128 * 1024;

    // expected: about how many bytes will come. A small project's file is
    // one piece, made in room no larger than it needs.
    BytesOut(const PieceWriter::ByteSink &sink, qsizetype expected)
        : m_sink(sink), m_buffer(std::min(expected, 2 * kPiece), Qt::Uninitialized)
    {
    }
    ~BytesOut() { flush(); }
    Char *room(qsizetype bytes)
    {
        if (m_at + bytes > m_buffer.size()) {
            flush();
            if (bytes > m_buffer.size())   // one value longer than a piece
                m_buffer.resize(bytes);
        }
        return m_buffer.data() + m_at;
    }
    void done(Char *end)
    {
        m_at = end - m_buffer.data();
        if (m_at >= kPiece)
            flush();
    }
    BlockOut &block() { return m_block; }
    // Bytes made elsewhere, after those made here: copied while they fit
    // the piece, so a small file is still one write; handed on as they are
    // when they do not.
    void append(QByteArrayView bytes)
    {
        if (m_at + bytes.size() <= std::max(kPiece, m_buffer.size())) {
            Char *d = room(bytes.size());
            std::memcpy(d, bytes.data(), size_t(bytes.size()));
            done(d + bytes.size());
            return;
        }
        flush();
        m_sink(bytes);
    }

private:
    void flush()
    {
        if (m_at > 0)
            m_sink(QByteArrayView(m_buffer.constData(), m_at));
        m_at = 0;
    }
    const PieceWriter::ByteSink &m_sink;
    QByteArray m_buffer;
    qsizetype m_at = 0;
    BlockOut m_block;
};
