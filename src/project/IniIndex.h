#pragma once
#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringView>

// A project file read once into memory: every value can then be looked up
// by section and key without scanning the file again, so a load costs time
// in proportion to the file and not to its square.
//
// Lookups follow the classic INI reader: section and key are compared
// without regard to case; only the first section of a name counts, and in
// it the first line of a key; the value is what follows the first "=",
// with blanks trimmed and one matching pair of enclosing quotes removed.
// Values are kept whole, however long.
class IniIndex {
public:
    IniIndex() = default;
    explicit IniIndex(QStringView text) { build(text); }

    // Reads the file's bytes once (UTF-8, else Windows-1252). False, with
    // the reason in *error, when the file cannot be read.
    bool load(const QString &path, QString *error = nullptr);
    void build(QStringView text);

    const QString &path() const { return m_path; }

    // The value, or an empty string when the section or key is missing.
    QString value(QStringView section, QStringView key) const;
    bool contains(QStringView section, QStringView key) const;

    // The highest n for which the key stem + n (n in decimal) is in the
    // section, 0 when there is none. Numbers beyond the file's own line
    // count are left out: no file written by Tarvo has them, and honouring
    // one would let a tiny file ask for billions of lines.
    qint64 highestNumber(QStringView section, QStringView stem) const;

    // The reader's value rule applied to the raw text after "=".
    static QString readValue(QStringView raw);
    // The text to write after "=" so that readValue gives value back: plain
    // unless the reader would change it (a blank at either end, or a
    // matching pair of enclosing quotes), then enclosed in double quotes.
    static QString writeValue(const QString &value);
    static bool isBlank(QChar c) { return c == u' ' || c == u'\t'; }

private:
    struct Section {
        QHash<QString, QString> values;         // case-folded key -> value
        QHash<QString, qint64> highestNumbers;  // case-folded stem -> highest n
    };
    const Section *section(QStringView name) const;

    QString m_path;
    QHash<QString, int> m_sectionIndex;         // case-folded name -> m_sections
    QList<Section> m_sections;
};
