#pragma once
#include <QByteArrayView>
#include <QString>
#include <functional>

// Files too large to hold whole before writing (an export of 80,000 events):
// the bytes are handed over piece by piece as they are made.
namespace PieceWriter {

using ByteSink = std::function<void(QByteArrayView)>;

// Replaces the file whole and atomically, as the component's text writer
// does, with what produce hands to its sink. False, with the reason in
// *error, when it could not; the old file is then untouched.
bool writeFile(const QString &path, const std::function<void(const ByteSink &)> &produce, QString *error = nullptr);

} // namespace PieceWriter
