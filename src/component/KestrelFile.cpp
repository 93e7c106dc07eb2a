#include "component/KestrelFile.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>

namespace {

// Windows-1252 differs from Latin-1 only in 0x80..0x9F.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

QString decodeCp1252(const QByteArray &bytes)
{
    QString out(bytes.size(), Qt::Uninitialized);
    QChar *dst = out.data();
    for (unsigned char c : bytes) {
        *dst++ = (c >= 0x80 && c < 0xA0) ? QChar(kCp1252High[c - 0x80]) : QChar(c);
    }
    return out;
}

bool readAll(const QString &path, QByteArray &bytes, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

} // namespace

QString KestrelFile::decode(const QByteArray &bytes)
{
    QByteArrayView view(bytes);
    if (view.startsWith("\xEF\xBB\xBF"))
        view = view.sliced(3);
    // The mark is dropped above, once; the decoder must not drop another.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    QString text = utf8.decode(view);
    if (!utf8.hasError())
        return text;
    return decodeCp1252(view.toByteArray());
}

QStringList KestrelFile::splitLines(const QString &text)
{
    QStringList lines;
    lines.reserve(lineCount(text));
    forEachLine(text, [&](QStringView line, bool) { lines.append(line.toString()); });
    return lines;
}

bool KestrelFile::WriteTextFile(const QString &text, const QString &path, QString *error) const
{
    QSaveFile file(path);
    // Unbuffered, so a full disk shows in write(): a buffered save file
    // lets the last short flush pass and would report success.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    QByteArray bytes = text.toUtf8();
    // The readers drop one leading byte-order mark; a text that itself
    // begins with U+FEFF gets one more, so it reads back unchanged.
    if (text.startsWith(QChar(0xFEFF)))
        bytes.prepend("\xEF\xBB\xBF");
    if (file.write(bytes) != bytes.size()) {
        if (error)
            *error = file.errorString();
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

bool KestrelFile::ReadTextFile(QString &text, const QString &path, QString *error) const
{
    QByteArray bytes;
    if (!readAll(path, bytes, error))
        return false;
    text = decode(bytes);
    return true;
}

bool KestrelFile::ReadFileIntoList(QStringList &list, const QString &path, QString *error) const
{
    QByteArray bytes;
    if (!readAll(path, bytes, error))
        return false;
    list.append(splitLines(decode(bytes)));
    return true;
}
