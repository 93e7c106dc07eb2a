#include "project/IniIndex.h"


#include "component/KestrelFile.h"
#include "component/TextScan.h"

namespace {

QStringView trimBlanks(QStringView s)
{
    qsizetype begin = 0;
    qsizetype end = s.size();
    while (begin < end && IniIndex::isBlank(s[begin]))
        ++begin;
    while (end > begin && IniIndex::isBlank(s[end - 1]))
        --end;
    return s.sliced(begin, end - begin);
}

bool enclosedInQuotes(QStringView s)
{
    return s.size() >= 2 && s.front() == s.back() && (s.front() == u'"' || s.front() == u'\'');
}

// A key ending in a number: "stem123" is the stem and 123. `canonical` says
// the digits are the number's own decimal form (no leading zero), the form
// a lookup of stem + n builds.
struct NumberedKey {
    QStringView stem;
    qint64 number = 0;
    bool canonical = false;
};

// False when the key does not end in a digit or the number is too long to
// mean anything.
bool splitTrailingNumber(QStringView key, NumberedKey &out)
{
    qsizetype digits = 0;
    qint64 number = 0;
    qint64 scale = 1;
    while (digits < key.size() && digits < 16) {
        const char16_t c = key[key.size() - 1 - digits].unicode();
        if (c < u'0' || c > u'9')
            break;
        number += (c - u'0') * scale;
        scale *= 10;
        ++digits;
    }
    if (digits == 0 || digits > 15)
        return false;
    out.stem = key.first(key.size() - digits);
    out.number = number;
    out.canonical = digits == 1 || key[key.size() - digits] != u'0';
    return true;
}

} // namespace

size_t qHash(IniIndex::Name name, size_t seed) noexcept
{
    // Folded the way QStringView::compare(Qt::CaseInsensitive) folds, so
    // names equal without regard to case hash alike; ASCII takes the short way.
    size_t h = seed ^ 0x9E3779B97F4A7C15u;
    const QStringView s = name.text;
    for (qsizetype i = 0; i < s.size(); ++i) {
        char32_t c = s[i].unicode();
        if (c < 128) {
            if (c >= u'A' && c <= u'Z')
                c += 32;
        } else {
            if (QChar::isHighSurrogate(c) && i + 1 < s.size() && s[i + 1].isLowSurrogate())
                c = QChar::surrogateToUcs4(char16_t(c), s[++i].unicode());
            c = QChar::toCaseFolded(c);
        }
        h = (h ^ c) * 0x100000001B3u;
    }
    return h;
}

bool IniIndex::load(const QString &path, QString *error)
{
    m_path = path;
    QByteArray bytes;
    const bool read = KestrelFile::readBytes(path, bytes, error);
    build(KestrelFile::decode(bytes));
    return read;
}

void IniIndex::build(QString text)
{
    m_sectionIndex.clear();
    m_sections.clear();
    m_text = std::move(text);
    const QStringView all(m_text);

    // Every line of the file is at most one task line; numbers above this
    // bound cannot come from a file without gaps.
    m_lineBound = countEither(all, u'\r', u'\n') + 1;

    Section *current = nullptr;   // null before the first section and in repeated ones
    LastStem lastStem;
    const char16_t *p = all.utf16();
    const qsizetype n = all.size();
    qsizetype start = 0;
    while (start <= n) {
        // A line ends at CR LF, a lone LF or a lone CR.
        const qsizetype end = findEither(all, start, u'\r', u'\n');
        const QStringView line = trimBlanks(all.sliced(start, end - start));
        if (end < n && p[end] == u'\r' && end + 1 < n && p[end + 1] == u'\n')
            start = end + 2;
        else
            start = end + 1;

        if (line.isEmpty())
            continue;
        if (line.front() == u'[') {
            qsizetype close = line.indexOf(u']');
            if (close < 0)
                close = line.size();
            const Name name{trimBlanks(line.sliced(1, close - 1))};
            lastStem = {};
            if (m_sectionIndex.contains(name)) {
                current = nullptr;   // only the first section of a name is read
            } else {
                m_sectionIndex.insert(name, m_sections.size());
                m_sections.append(Section());
                current = &m_sections.last();
            }
            continue;
        }
        if (!current)
            continue;
        const qsizetype eq = findEither(line, 0, u'=', u'=');
        if (eq == line.size())
            continue;
        addEntry(*current, trimBlanks(line.first(eq)), readValueView(line.sliced(eq + 1)), lastStem);
    }
    for (Section &s : m_sections)
        for (Numbered &stem : s.numbered)
            putInOrder(stem);
}

void IniIndex::addEntry(Section &section, QStringView key, QStringView value, LastStem &lastStem) const
{
    NumberedKey numbered;
    if (splitTrailingNumber(key, numbered) && numbered.number <= m_lineBound && numbered.canonical) {
        // Task lines come in runs of one stem: it is looked up once a run.
        const bool sameStem = lastStem.numbered && lastStem.name.size() == numbered.stem.size()
                              && std::equal(lastStem.name.begin(), lastStem.name.end(), numbered.stem.begin());
        if (!sameStem)
            lastStem = {&section.numbered[Name{numbered.stem}], numbered.stem};
        QList<Numbered::Entry> &entries = lastStem.numbered->entries;
        if (!entries.isEmpty() && entries.last().number >= numbered.number)
            lastStem.numbered->inOrder = false;
        entries.append({numbered.number, value});
        return;
    }
    // "Task05" is a key of its own, not task 5: it neither counts as
    // present nor gives a value.
    if (!section.values.contains(Name{key}))   // the first line of a key wins
        section.values.insert(Name{key}, value);
}

void IniIndex::putInOrder(Numbered &numbered)
{
    if (numbered.inOrder)
        return;
    QList<Numbered::Entry> &entries = numbered.entries;
    const auto byNumber = [](const Numbered::Entry &a, const Numbered::Entry &b) { return a.number < b.number; };
    // Stable, so of two lines with one number the first stays first, and
    // is the one kept: the first line of a key wins.
    std::stable_sort(entries.begin(), entries.end(), byNumber);
    const auto sameNumber = [](const Numbered::Entry &a, const Numbered::Entry &b) { return a.number == b.number; };
    entries.erase(std::unique(entries.begin(), entries.end(), sameNumber), entries.end());
    numbered.inOrder = true;
}

QStringView IniIndex::numberedValue(const Numbered &numbered, qint64 number)
{
    const QList<Numbered::Entry> &entries = numbered.entries;
    // A file as Tarvo writes it numbers from 1 without a gap.
    if (number >= 1 && number <= entries.size() && entries.at(number - 1).number == number)
        return entries.at(number - 1).value;
    const auto it = std::lower_bound(entries.begin(), entries.end(), number,
                                     [](const Numbered::Entry &e, qint64 n) { return e.number < n; });
    return it != entries.end() && it->number == number ? it->value : QStringView();
}

const IniIndex::Section *IniIndex::section(QStringView name) const
{
    const auto it = m_sectionIndex.constFind(Name{name});
    return it == m_sectionIndex.cend() ? nullptr : &m_sections.at(*it);
}

QStringView IniIndex::valueView(QStringView sectionName, QStringView key) const
{
    const Section *s = section(sectionName);
    if (!s)
        return {};
    NumberedKey numbered;
    if (splitTrailingNumber(key, numbered) && numbered.canonical && numbered.number <= m_lineBound) {
        const auto it = s->numbered.constFind(Name{numbered.stem});
        return it == s->numbered.cend() ? QStringView() : numberedValue(*it, numbered.number);
    }
    return s->values.value(Name{key});
}

qint64 IniIndex::highestNumber(QStringView sectionName, QStringView stem) const
{
    const Section *s = section(sectionName);
    if (!s)
        return 0;
    const auto it = s->numbered.constFind(Name{stem});
    return it == s->numbered.cend() || it->entries.isEmpty() ? 0 : it->entries.last().number;
}

QList<QStringView> IniIndex::numberedValues(QStringView sectionName, QStringView stem, qint64 count) const
{
    // Never more than the file has lines, whatever a caller asks.
    QList<QStringView> out(std::clamp<qint64>(count, 0, m_lineBound));
    count = out.size();
    const Section *s = section(sectionName);
    if (!s)
        return out;
    const auto it = s->numbered.constFind(Name{stem});
    if (it == s->numbered.cend())
        return out;
    for (const Numbered::Entry &e : it->entries) {
        if (e.number > count)
            break;
        if (e.number >= 1)
            out[e.number - 1] = e.value;
    }
    return out;
}

QStringView IniIndex::readValueView(QStringView raw)
{
    QStringView v = trimBlanks(raw);
    if (enclosedInQuotes(v))
        v = v.sliced(1, v.size() - 2);
    return v;
}

QString IniIndex::writeValue(const QString &value)
{
    return needsQuotes(value) ? u'"' + value + u'"' : value;
}
