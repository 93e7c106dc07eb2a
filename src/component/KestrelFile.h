#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>

#include "component/PieceWriter.h"
#include "component/TextScan.h"

// File services of the component library. Texts and lists are passed by
// value and reference instead of as controls.
class KestrelFile {
public:
    // How far a write goes before it counts as done.
    enum class Durability {
        Scratch,   // replaced atomically; the device catches up in its own time
        Flushed,   // the bytes on the device before the rename, the folder after it
    };
    // What a write does with a link standing where the file goes.
    enum class AtLink {
        Follow,    // a Flushed write saves where it points, as an editor does; Scratch never follows one
        Replace,   // the link itself is replaced by the file, never written through
    };
    // Nothing larger is read: no project comes near it, and a device or a
    // sparse file must not fill the memory.
    static constexpr qint64 kMaxReadBytes = 256LL * 1024 * 1024;

    // Replaces the file whole and atomically (a temporary file beside it is
    // renamed over it), in UTF-8. Returns false, with the reason in *error,
    // when the file could not be written; the old file is then untouched.
    // A Flushed write is a document's: the file replaced keeps its
    // permissions and, where this process may give them, its owner and
    // group, and a file its owner may not write is refused as read-only.
    bool WriteTextFile(const QString &text, const QString &path, QString *error = nullptr,
                       Durability durability = Durability::Flushed, AtLink atLink = AtLink::Follow) const;
    static bool writeBytes(const QByteArray &bytes, const QString &path, Durability durability, QString *error,
                           AtLink atLink = AtLink::Follow);
    // The same replacement with the bytes handed to the sink in pieces as
    // produce makes them, for a file too large to hold whole first.
    static bool writePieces(const QString &path, const std::function<void(const PieceWriter::ByteSink &)> &produce,
                            Durability durability, QString *error, AtLink atLink = AtLink::Follow);

    // The file's whole content. UTF-8, or Windows-1252 when the bytes are not
    // valid UTF-8 (files written on Windows in its Western code page), or
    // UTF-16 after its byte-order mark. Only regular files are read.
    bool ReadTextFile(QString &text, const QString &path, QString *error = nullptr) const;
    static bool readBytes(const QString &path, QByteArray &bytes, QString *error);
    // Whether anything is at path (a link: at its target), named by the
    // very bytes of its name.
    static bool exists(const QString &path);

    // Appends one item per line: lines end at CR LF or a lone LF, and the
    // empty remainder after a final line break yields no item.
    bool ReadFileIntoList(QStringList &list, const QString &path, QString *error = nullptr) const;

    // The decoding both readers use, for callers that hold the bytes already.
    static QString decode(const QByteArray &bytes);
    // Splits at CR LF or a lone LF, with no item for an empty final remainder.
    static QStringList splitLines(const QString &text);
    // The same lines as views into text, without a string made per line;
    // f(line, holdsCr) learns too whether the line holds a lone CR.
    template <typename F>
    static void forEachLine(QStringView text, F &&f);
    // How many items splitLines would give.
    static qsizetype lineCount(QStringView text)
    {
        return countEither(text, u'\n', u'\n') + (!text.isEmpty() && text.back() != u'\n' ? 1 : 0);
    }

    // Tests make the device refuse a flush: the hook stands in for fsync
    // (0 on success, else an errno value). Empty means the real one.
    static std::function<int(int fd)> &syncHookForTests();
};

template <typename F>
void KestrelFile::forEachLine(QStringView text, F &&f)
{
    const char16_t *p = text.utf16();
    const qsizetype n = text.size();
    qsizetype start = 0;
    while (start < n) {
        bool holdsCr = false;
        qsizetype end = start;
        for (;;) {
            end = findEither(text, end, u'\r', u'\n');
            if (end == n || p[end] == u'\n' || (end + 1 < n && p[end + 1] == u'\n'))
                break;
            holdsCr = true;   // a lone CR belongs to the line
            ++end;
        }
        f(text.sliced(start, end - start), holdsCr);
        if (end == n)
            return;
        start = end + (p[end] == u'\r' ? 2 : 1);
    }
}
