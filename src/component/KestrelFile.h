#pragma once
#include <QString>
#include <QStringList>

// File services of the component library. Texts and lists are passed by
// value and reference instead of as controls.
class KestrelFile {
public:
    // Replaces the file whole and atomically (a temporary file beside it is
    // renamed over it), in UTF-8. Returns false, with the reason in *error,
    // when the file could not be written; the old file is then untouched.
    bool WriteTextFile(const QString &text, const QString &path, QString *error = nullptr) const;

    // The file's whole content. UTF-8, or Windows-1252 when the bytes are not
    // valid UTF-8 (files written on Windows in its Western code page).
    bool ReadTextFile(QString &text, const QString &path, QString *error = nullptr) const;

    // Appends one item per line: lines end at CR LF or a lone LF, and the
    // empty remainder after a final line break yields no item.
    bool ReadFileIntoList(QStringList &list, const QString &path, QString *error = nullptr) const;

    // The decoding both readers use, for callers that hold the bytes already.
    static QString decode(const QByteArray &bytes);
    // Splits at CR LF or a lone LF, with no item for an empty final remainder.
    static QStringList splitLines(const QString &text);
};
