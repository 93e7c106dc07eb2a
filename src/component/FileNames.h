#pragma once
#include <QByteArray>
#include <QString>

// File names as the system holds them: bytes. A name that is valid UTF-8 is
// its text; each byte that is not is carried as one character U+DC80 + byte
// (a lone low surrogate no real name holds), so any file can be listed,
// shown and opened again by the very bytes it has.
namespace FileNames {
QString fromNative(const QByteArray &bytes);
QByteArray toNative(const QString &name);
// The name for people: carried bytes show as U+FFFD.
QString forDisplay(const QString &name);
} // namespace FileNames
