// The component's writer: every file Tarvo writes is replaced whole and
// atomically, a temporary file beside it renamed over it.
#include "component/KestrelFile.h"

#include <QCoreApplication>

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "component/FileNames.h"
#include "component/SystemError.h"
#include "component/Utf8.h"

using Durability = KestrelFile::Durability;

namespace {

int syncFile(int fd)
{
    if (const auto &hook = KestrelFile::syncHookForTests())
        return hook(fd);
    return ::fsync(fd) == 0 ? 0 : errno;
}

bool writeAll(int fd, const char *data, qint64 size, int &code)
{
    while (size > 0) {
        const ssize_t written = ::write(fd, data, size_t(std::min<qint64>(size, 1 << 30)));
        if (written < 0) {
            if (errno == EINTR)
                continue;
            code = errno;
            return false;
        }
        data += written;
        size -= written;
    }
    return true;
}

// A new file gets the permissions any other program would give it.
mode_t newFileMode()
{
    static const mode_t mask = [] {
        const mode_t m = ::umask(0);
        ::umask(m);
        return m;
    }();
    return 0666 & ~mask;
}

// Where the bytes go. A document behind a link is saved where the link
// points, as an editor does, unless the caller owns the name and wants the
// link itself replaced; Tarvo's scratch files never follow one.
QByteArray targetOf(const QString &path, Durability durability, KestrelFile::AtLink atLink)
{
    QByteArray target = FileNames::toNative(path);
    struct stat link;
    if (durability == Durability::Flushed && atLink == KestrelFile::AtLink::Follow
        && ::lstat(target.constData(), &link) == 0 && S_ISLNK(link.st_mode)) {
        if (char *resolved = ::realpath(target.constData(), nullptr)) {
            target = resolved;
            ::free(resolved);
        }
    }
    return target;
}

// The file a write replaces, as far as the new one takes after it.
struct Replaced {
    bool exists = false;
    struct stat info {};

    // A document's own owner may not write it: the user made it read-only.
    bool readOnly() const { return exists && S_ISREG(info.st_mode) && !(info.st_mode & S_IWUSR); }
};

Replaced replacedAt(const QByteArray &target, Durability durability)
{
    Replaced old;
    // A document's target is resolved already, or is a link to be replaced,
    // which hands nothing on; a scratch file keeps the mode of what it
    // replaces, through a link too, as it always has.
    if (durability == Durability::Flushed)
        old.exists = ::lstat(target.constData(), &old.info) == 0 && !S_ISLNK(old.info.st_mode);
    else
        old.exists = ::stat(target.constData(), &old.info) == 0;
    return old;
}

// The new file takes the permissions of the one it replaces, and for a
// document its owner and group as far as this process may give them.
void takeOver(int fd, const Replaced &old, Durability durability)
{
    if (!old.exists) {
        ::fchmod(fd, newFileMode());
        return;
    }
    if (durability == Durability::Flushed && ::fchown(fd, old.info.st_uid, old.info.st_gid) != 0)
        (void)::fchown(fd, uid_t(-1), old.info.st_gid);   // a group of the user's own may still be kept
    ::fchmod(fd, old.info.st_mode & 07777);   // after the owner: a change of owner clears set-id bits
}

// Flushes and closes the temporary file, renames it over the target and,
// for a document, flushes the folder. 0, or the errno value of the failure;
// the temporary file is gone either way.
int commit(int fd, const QByteArray &temp, const QByteArray &target, const QByteArray &folder, Durability durability)
{
    int code = 0;
    if (durability == Durability::Flushed)
        code = syncFile(fd);
    if (::close(fd) != 0 && code == 0)
        code = errno;
    if (code == 0 && ::rename(temp.constData(), target.constData()) != 0)
        code = errno;
    if (code != 0) {
        ::unlink(temp.constData());
        return code;
    }
    if (durability == Durability::Flushed) {
        // The rename itself is on the device only once its folder is.
        const int dir = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        code = dir < 0 ? errno : syncFile(dir);
        if (dir >= 0)
            ::close(dir);
    }
    return code;
}

} // namespace

std::function<int(int fd)> &KestrelFile::syncHookForTests()
{
    static std::function<int(int fd)> hook;
    return hook;
}

bool KestrelFile::WriteTextFile(const QString &text, const QString &path, QString *error, Durability durability,
                                AtLink atLink) const
{
    const auto produce = [&](const PieceWriter::ByteSink &sink) {
        // The readers drop one leading byte-order mark; a text that itself
        // begins with U+FEFF gets one more, so it reads back unchanged.
        if (text.startsWith(QChar(0xFEFF)))
            sink("\xEF\xBB\xBF");
        Utf8::encodeInPieces(text, sink);
    };
    return writePieces(path, produce, durability, error, atLink);
}

bool KestrelFile::writeBytes(const QByteArray &bytes, const QString &path, Durability durability, QString *error,
                             AtLink atLink)
{
    return writePieces(path, [&](const PieceWriter::ByteSink &sink) { sink(bytes); }, durability, error, atLink);
}

bool KestrelFile::writePieces(const QString &path, const std::function<void(const PieceWriter::ByteSink &)> &produce,
                              Durability durability, QString *error, AtLink atLink)
{
    const QByteArray target = targetOf(path, durability, atLink);
    const Replaced old = replacedAt(target, durability);
    if (durability == Durability::Flushed && old.readOnly())
        return SystemError::fail(error, QCoreApplication::translate("KestrelFile", "The file is read-only."));
    const qsizetype slash = target.lastIndexOf('/');
    const QByteArray folder = slash < 0 ? QByteArray(".") : slash == 0 ? QByteArray("/") : target.left(slash);
    // A short name of its own, so a long target name cannot make it too long.
    QByteArray temp = folder + "/.tarvo-XXXXXX";
    const int fd = ::mkostemp(temp.data(), O_CLOEXEC);
    if (fd < 0)
        return SystemError::fail(error, SystemError::text(errno));
    takeOver(fd, old, durability);

    int code = 0;
    bool written = true;
    produce([&](QByteArrayView piece) { written = written && writeAll(fd, piece.data(), piece.size(), code); });
    if (!written) {
        ::close(fd);
        ::unlink(temp.constData());
        return SystemError::fail(error, SystemError::text(code));
    }
    code = commit(fd, temp, target, folder, durability);
    return code == 0 || SystemError::fail(error, SystemError::text(code));
}
