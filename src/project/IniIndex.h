#pragma once
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
//
// The index keeps the file's text and points into it: a file of 200,000
// task lines is indexed without a string made per line. Numbered keys
// ("Goal1_Task17") are kept by stem in number order, which is how the
// loader reads them back.
class IniIndex {
public:
    IniIndex() = default;
    explicit IniIndex(QString text) { build(std::move(text)); }
    IniIndex(const IniIndex &) = delete;   // its views point into its own text
    IniIndex &operator=(const IniIndex &) = delete;

    // Reads the file's bytes once (UTF-8, else Windows-1252). False, with
    // the reason in *error, when the file cannot be read.
    bool load(const QString &path, QString *error = nullptr);
    void build(QString text);

    const QString &path() const { return m_path; }

    // The value, or an empty string when the section or key is missing.
    QString value(QStringView section, QStringView key) const { return valueView(section, key).toString(); }
    // The same as a view into the index's text (null when missing).
    QStringView valueView(QStringView section, QStringView key) const;
    bool contains(QStringView section, QStringView key) const { return !valueView(section, key).isNull(); }
    bool hasSection(QStringView name) const { return section(name) != nullptr; }

    // The highest n for which the key stem + n (n in decimal) is in the
    // section, 0 when there is none. Numbers beyond the file's own line
    // count are left out: no file written by Tarvo has them, and honouring
    // one would let a tiny file ask for billions of lines.
    qint64 highestNumber(QStringView section, QStringView stem) const;
    // The values of stem + 1 … stem + count, in order, in one call; a number
    // the section lacks gives an empty value.
    QList<QStringView> numberedValues(QStringView section, QStringView stem, qint64 count) const;

    // The reader's value rule applied to the raw text after "=".
    static QString readValue(QStringView raw) { return readValueView(raw).toString(); }
    static QStringView readValueView(QStringView raw);
    // The text to write after "=" so that readValue gives value back: plain
    // unless the reader would change it (a blank at either end, or a
    // matching pair of enclosing quotes), then enclosed in double quotes.
    static QString writeValue(const QString &value);
    // Asked of every task line a save writes: kept inline.
    static bool needsQuotes(QStringView value)
    {
        if (value.isEmpty())
            return false;
        const QChar first = value.front(), last = value.back();
        return isBlank(first) || isBlank(last) || (value.size() >= 2 && first == last && (first == u'"' || first == u'\''));
    }
    static bool isBlank(QChar c) { return c == u' ' || c == u'\t'; }

    // A section or key name compared and hashed without regard to case.
    struct Name {
        QStringView text;
        friend bool operator==(Name a, Name b) { return a.text.compare(b.text, Qt::CaseInsensitive) == 0; }
        friend size_t qHash(Name name, size_t seed) noexcept;
    };

private:
    // A stem's numbered keys, one entry per number present: room kept by
    // number would let a small file of high numbers ask for gigabytes.
    struct Numbered {
        struct Entry {
            qint64 number;
            QStringView value;
        };
        QList<Entry> entries;   // in number order, the first line of each number, once the index is built
        bool inOrder = true;    // the lines came in rising order, as Tarvo writes them
    };
    struct Section {
        QHash<Name, QStringView> values;   // keys not held in `numbered`
        QHash<Name, Numbered> numbered;    // by stem
    };
    // The stem of the last numbered key, its entries, and its name as written.
    struct LastStem {
        Numbered *numbered = nullptr;
        QStringView name;
    };
    void addEntry(Section &section, QStringView key, QStringView value, LastStem &lastStem) const;
    const Section *section(QStringView name) const;
    static void putInOrder(Numbered &numbered);
    static QStringView numberedValue(const Numbered &numbered, qint64 number);

    QString m_path;
    QString m_text;                    // every view points into it
    qint64 m_lineBound = 0;
    QHash<Name, qsizetype> m_sectionIndex;
    QList<Section> m_sections;
};
