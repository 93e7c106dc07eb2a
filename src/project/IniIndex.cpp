#include "project/IniIndex.h"

#include <QFile>

#include "component/KestrelFile.h"

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

// Splits "stem123" into the stem and 123; false when the key does not end
// in a digit or the number is too long to mean anything.
bool splitTrailingNumber(QStringView key, QStringView &stem, qint64 &number)
{
    qsizetype digits = 0;
    while (digits < key.size() && key[key.size() - 1 - digits].isDigit()
           && key[key.size() - 1 - digits].unicode() < 128)
        ++digits;
    if (digits == 0 || digits > 15)
        return false;
    stem = key.first(key.size() - digits);
    number = key.last(digits).toLongLong();
    return true;
}

} // namespace

bool IniIndex::load(const QString &path, QString *error)
{
    m_path = path;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = file.errorString();
        build({});
        return false;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        if (error)
            *error = file.errorString();
        build({});
        return false;
    }
    build(KestrelFile::decode(bytes));
    return true;
}

void IniIndex::build(QStringView text)
{
    m_sectionIndex.clear();
    m_sections.clear();

    // Every line of the file is at most one task line; numbers above this
    // bound cannot come from a file without gaps.
    const qint64 lineBound = text.count(u'\r') + text.count(u'\n') + 1;

    Section *current = nullptr;   // null before the first section and in repeated ones
    const qsizetype n = text.size();
    qsizetype start = 0;
    while (start <= n) {
        // A line ends at CR LF, a lone LF or a lone CR.
        qsizetype end = start;
        while (end < n && text[end] != u'\r' && text[end] != u'\n')
            ++end;
        const QStringView line = trimBlanks(text.sliced(start, end - start));
        if (end < n && text[end] == u'\r' && end + 1 < n && text[end + 1] == u'\n')
            start = end + 2;
        else
            start = end + 1;

        if (line.isEmpty())
            continue;
        if (line.front() == u'[') {
            qsizetype close = line.indexOf(u']');
            if (close < 0)
                close = line.size();
            const QString name = trimBlanks(line.sliced(1, close - 1)).toString().toCaseFolded();
            if (m_sectionIndex.contains(name)) {
                current = nullptr;   // only the first section of a name is read
            } else {
                m_sectionIndex.insert(name, int(m_sections.size()));
                m_sections.append(Section());
                current = &m_sections.last();
            }
            continue;
        }
        if (!current)
            continue;
        const qsizetype eq = line.indexOf(u'=');
        if (eq < 0)
            continue;
        const QString key = trimBlanks(line.first(eq)).toString().toCaseFolded();
        if (current->values.contains(key))
            continue;   // the first line of a key wins
        current->values.insert(key, readValue(line.sliced(eq + 1)));

        QStringView stem;
        qint64 number = 0;
        if (splitTrailingNumber(key, stem, number) && number <= lineBound) {
            qint64 &highest = current->highestNumbers[stem.toString()];
            highest = std::max(highest, number);
        }
    }
}

const IniIndex::Section *IniIndex::section(QStringView name) const
{
    const auto it = m_sectionIndex.constFind(name.toString().toCaseFolded());
    return it == m_sectionIndex.cend() ? nullptr : &m_sections.at(*it);
}

QString IniIndex::value(QStringView sectionName, QStringView key) const
{
    const Section *s = section(sectionName);
    if (!s)
        return {};
    return s->values.value(key.toString().toCaseFolded());
}

bool IniIndex::contains(QStringView sectionName, QStringView key) const
{
    const Section *s = section(sectionName);
    return s && s->values.contains(key.toString().toCaseFolded());
}

qint64 IniIndex::highestNumber(QStringView sectionName, QStringView stem) const
{
    const Section *s = section(sectionName);
    return s ? s->highestNumbers.value(stem.toString().toCaseFolded(), 0) : 0;
}

QString IniIndex::readValue(QStringView raw)
{
    QStringView v = trimBlanks(raw);
    if (enclosedInQuotes(v))
        v = v.sliced(1, v.size() - 2);
    return v.toString();
}

QString IniIndex::writeValue(const QString &value)
{
    if (value.isEmpty())
        return value;
    if (isBlank(value.front()) || isBlank(value.back()) || enclosedInQuotes(value))
        return u'"' + value + u'"';
    return value;
}
