#include "project/TaskText.h"

#include <QStringEncoder>
#include <algorithm>

#include "base/Rules.h"
#include "component/TextScan.h"

namespace TaskText {

TaskCounts count(QStringView text)
{
    return scan(text).counts;
}

Facts scan(QStringView text)
{
    Facts facts;
    TaskCounts &counts = facts.counts;
    const char16_t *p = text.utf16();
    const qsizetype n = text.size();
    qsizetype start = 0;
    bool done = false;   // the current line holds "--"
    auto endLine = [&](qsizetype end) {
        if (isTaskLine(text.sliced(start, end - start))) {
            ++counts.total;
            if (done)
                ++counts.completed;
        }
    };
    for (qsizetype i = findAny(text, 0, u'\n', u'-', u'\r'); i < n; i = findAny(text, i, u'\n', u'-', u'\r')) {
        if (p[i] == u'\n') {
            endLine(i);
            start = ++i;
            done = false;
        } else if (p[i] == u'\r') {
            facts.holdsCr = true;
            ++i;
        } else if (i + 1 < n && p[i + 1] == u'-') {
            done = true;
            i += 2;
        } else {
            ++i;
        }
    }
    if (start < n)
        endLine(n);
    return facts;
}

bool isTaskLine(QStringView line)
{
    int visible = 0;
    for (QChar c : line) {
        if (!c.isSpace() && ++visible >= 2)
            return true;
    }
    return false;
}

qsizetype lineStart(QStringView text, qsizetype at)
{
    return at == 0 ? 0 : text.first(at).lastIndexOf(u'\n') + 1;
}

qsizetype lineEnd(QStringView text, qsizetype end)
{
    return findEither(text, end, u'\n', u'\n');
}

QString fromFile(const QString &fileText)
{
    if (!fileText.contains(u'\r'))
        return fileText;
    QString text = fileText;
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

QByteArray toFileBytes(QStringView text)
{
    // Room for the worst case, every unit three bytes and every one a line
    // break besides; pages never written are never touched, and the
    // result is cut to what was written.
    QByteArray out(3 + text.size() * 4, Qt::Uninitialized);
    char *d = out.data();
    // The readers drop one leading byte-order mark; a text that itself
    // begins with U+FEFF gets one more, so it reads back unchanged.
    if (text.startsWith(QChar(0xFEFF)))
        d = std::copy_n("\xEF\xBB\xBF", 3, d);
    // One pass: each line encoded straight into the result, CR LF after it.
    QStringEncoder utf8(QStringConverter::Utf8);
    for (qsizetype from = 0;;) {
        const qsizetype lineBreak = text.indexOf(u'\n', from);
        const qsizetype to = lineBreak < 0 ? text.size() : lineBreak;
        d = utf8.appendToBuffer(d, text.sliced(from, to - from));
        if (lineBreak < 0)
            break;
        *d++ = '\r';
        *d++ = '\n';
        from = lineBreak + 1;
    }
    out.truncate(d - out.constData());
    return out;
}

} // namespace TaskText
