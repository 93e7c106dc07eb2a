#include "component/FileNames.h"


namespace {
constexpr char16_t kCarriedBase = 0xDC00;   // byte b (0x80..0xFF) is carried as U+DC00 + b

bool isCarried(QStringView name, qsizetype i)
{
    const char16_t c = name.at(i).unicode();
    return c >= 0xDC80 && c <= 0xDCFF && !(i > 0 && name.at(i - 1).isHighSurrogate());
}

// The length of the valid UTF-8 sequence at p, or 0 when there is none;
// its code point in cp.
int sequenceLength(const unsigned char *p, qsizetype left, char32_t &cp)
{
    const unsigned char c = p[0];
    int length = c < 0x80 ? 1 : (c & 0xE0) == 0xC0 ? 2 : (c & 0xF0) == 0xE0 ? 3 : (c & 0xF8) == 0xF0 ? 4 : 0;
    if (length == 0 || length > left)
        return 0;
    for (int i = 1; i < length; ++i) {
        if ((p[i] & 0xC0) != 0x80)
            return 0;
    }
    // Overlong forms, surrogates and code points past U+10FFFF are not UTF-8.
    cp = length == 1 ? c
                        : length == 2 ? ((c & 0x1F) << 6 | (p[1] & 0x3F))
                        : length == 3 ? ((c & 0x0F) << 12 | (p[1] & 0x3F) << 6 | (p[2] & 0x3F))
                                      : ((c & 0x07) << 18 | (p[1] & 0x3F) << 12 | (p[2] & 0x3F) << 6 | (p[3] & 0x3F));
    static constexpr char32_t least[5] = {0, 0, 0x80, 0x800, 0x10000};
    if (cp < least[length] || (cp >= 0xD800 && cp < 0xE000) || cp > 0x10FFFF)
        return 0;
    return length;
}
} // namespace

namespace FileNames {

QString fromNative(const QByteArray &bytes)
{
    QString out;
    out.reserve(bytes.size());
    const auto *p = reinterpret_cast<const unsigned char *>(bytes.constData());
    const qsizetype n = bytes.size();
    for (qsizetype i = 0; i < n;) {
        char32_t cp = 0;
        const int length = sequenceLength(p + i, n - i, cp);
        if (length == 0) {
            out += QChar(char16_t(kCarriedBase + p[i]));
            ++i;
            continue;
        }
        // Each code point as it is: a decoder would drop a U+FEFF.
        if (cp > 0xFFFF) {
            out += QChar(QChar::highSurrogate(cp));
            out += QChar(QChar::lowSurrogate(cp));
        } else {
            out += QChar(char16_t(cp));
        }
        i += length;
    }
    return out;
}

QByteArray toNative(const QString &name)
{
    QByteArray out;
    out.reserve(name.size());
    const qsizetype n = name.size();
    qsizetype run = 0;   // start of the plain text not yet converted
    for (qsizetype i = 0; i < n; ++i) {
        if (isCarried(name, i)) {
            out += QStringView(name).sliced(run, i - run).toUtf8();
            out += char(name.at(i).unicode() - kCarriedBase);
            run = i + 1;
        }
    }
    out += QStringView(name).sliced(run).toUtf8();
    return out;
}

QString forDisplay(const QString &name)
{
    QString out = name;
    for (qsizetype i = 0; i < out.size(); ++i) {
        if (isCarried(name, i))
            out[i] = QChar(0xFFFD);
    }
    return out;
}

} // namespace FileNames
