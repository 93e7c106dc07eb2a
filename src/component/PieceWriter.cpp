#include "component/PieceWriter.h"

#include <QSaveFile>

namespace PieceWriter {

bool writeFile(const QString &path, const std::function<void(const ByteSink &)> &produce, QString *error)
{
    QSaveFile file(path);
    // Unbuffered, so a full disk shows in write(): a buffered save file
    // lets the last short flush pass and would report success.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    bool written = true;
    produce([&](QByteArrayView piece) {
        if (written && file.write(piece.data(), piece.size()) != piece.size())
            written = false;
    });
    if (!written) {
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

} // namespace PieceWriter
