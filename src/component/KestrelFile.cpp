#include "component/KestrelFile.h"

#include <QCoreApplication>
#include <QStringDecoder>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "component/FileNames.h"
#include "component/SystemError.h"

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

} // namespace

QString KestrelFile::decode(const QByteArray &bytes)
{
    QByteArrayView view(bytes);
    // UTF-16 says so with its byte-order mark; then the mark is not text.
    if (view.startsWith("\xFF\xFE") || view.startsWith("\xFE\xFF")) {
        QStringDecoder utf16(view.startsWith("\xFF\xFE") ? QStringDecoder::Utf16LE : QStringDecoder::Utf16BE,
                             QStringDecoder::Flag::Stateless);
        QString text = utf16.decode(view.sliced(2));
        // Bytes that only look like it (an odd count, a lone surrogate that
        // no writer could store again) are read as 8-bit text below.
        if (!utf16.hasError() && view.size() % 2 == 0 && QStringView(text).isValidUtf16())
            return text;
    }
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

bool KestrelFile::exists(const QString &path)
{
    struct stat info;
    return ::stat(FileNames::toNative(path).constData(), &info) == 0;
}

bool KestrelFile::readBytes(const QString &path, QByteArray &bytes, QString *error)
{
    bytes.clear();
    // Not blocking on a pipe: what is not a regular file is refused below.
    const int fd = ::open(FileNames::toNative(path).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0)
        return SystemError::fail(error, SystemError::text(errno));
    struct stat info;
    QString problem;
    if (::fstat(fd, &info) != 0)
        problem = SystemError::text(errno);
    else if (!S_ISREG(info.st_mode))
        problem = QCoreApplication::translate("KestrelFile", "It is not a file.");
    else if (info.st_size > kMaxReadBytes)
        problem = QCoreApplication::translate("KestrelFile", "It is larger than %1 MB.").arg(kMaxReadBytes >> 20);
    if (problem.isEmpty()) {
        // Room for the size the file says it has, and one byte more: a read
        // that fills it tells the file grew, and only then is there more room.
        bytes.resize(qsizetype(info.st_size) + 1);
        qint64 done = 0;
        for (;;) {
            if (done == bytes.size()) {
                if (done >= kMaxReadBytes + 1)
                    break;
                bytes.resize(std::min<qint64>(kMaxReadBytes + 1, std::max<qint64>(done * 2, 4096)));
            }
            const ssize_t got = ::read(fd, bytes.data() + done, size_t(bytes.size() - done));
            if (got < 0 && errno == EINTR)
                continue;
            if (got < 0) {
                problem = SystemError::text(errno);
                break;
            }
            if (got == 0)
                break;
            done += got;
        }
        bytes.resize(done);
        if (problem.isEmpty() && done > kMaxReadBytes)
            problem = QCoreApplication::translate("KestrelFile", "It is larger than %1 MB.").arg(kMaxReadBytes >> 20);
    }
    ::close(fd);
    if (!problem.isEmpty()) {
        bytes.clear();
        return SystemError::fail(error, problem);
    }
    return true;
}

bool KestrelFile::ReadTextFile(QString &text, const QString &path, QString *error) const
{
    QByteArray bytes;
    if (!readBytes(path, bytes, error))
        return false;
    text = decode(bytes);
    return true;
}

bool KestrelFile::ReadFileIntoList(QStringList &list, const QString &path, QString *error) const
{
    QByteArray bytes;
    if (!readBytes(path, bytes, error))
        return false;
    list.append(splitLines(decode(bytes)));
    return true;
}
