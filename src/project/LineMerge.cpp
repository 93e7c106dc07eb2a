#include "project/LineMerge.h"

#include <QHash>
#include <vector>

namespace LineMerge {

namespace {

// For each item of base, its place in other, or -1.
std::vector<qsizetype> placesIn(const QList<int> &base, const QList<int> &other)
{
    std::vector<qsizetype> place(size_t(base.size()), -1);
    for (const Match &match : commonItems(base, other))
        place[size_t(match.a)] = match.b;
    return place;
}

struct Span {
    qsizetype from = 0, to = 0;
    qsizetype size() const { return to - from; }
};

bool sameItems(const QList<int> &a, Span sa, const QList<int> &b, Span sb)
{
    return sa.size() == sb.size() && std::equal(a.begin() + sa.from, a.begin() + sa.to, b.begin() + sb.from);
}

class ThreeWay {
public:
    ThreeWay(const QList<int> &base, const QList<int> &mine, const QList<int> &theirs)
        : m_base(base), m_mine(mine), m_theirs(theirs), m_inMine(placesIn(base, mine)),
          m_inTheirs(placesIn(base, theirs))
    {
    }

    Merged run()
    {
        qsizetype b = 0, m = 0, t = 0;
        const qsizetype nb = m_base.size();
        m_out.pieces.reserve(m_mine.size() + m_theirs.size() / 8);
        while (b < nb || m < m_mine.size() || t < m_theirs.size()) {
            // Lines in the same place on all three sides are stable.
            if (b < nb && m_inMine[size_t(b)] == m && m_inTheirs[size_t(b)] == t) {
                add(From::Both, m);
                ++b, ++m, ++t;
                continue;
            }
            // Up to the next base line both sides still hold.
            qsizetype next = b;
            while (next < nb && (m_inMine[size_t(next)] < 0 || m_inTheirs[size_t(next)] < 0))
                ++next;
            const qsizetype nm = next < nb ? m_inMine[size_t(next)] : m_mine.size();
            const qsizetype nt = next < nb ? m_inTheirs[size_t(next)] : m_theirs.size();
            resolve({b, next}, {m, nm}, {t, nt});
            b = next, m = nm, t = nt;
        }
        dropSurplus();
        return std::move(m_out);
    }

private:
    void add(From from, qsizetype index) { m_out.pieces.append({from, index}); }
    void addAll(From from, Span span)
    {
        for (qsizetype i = span.from; i < span.to; ++i)
            add(from, i);
    }

    void resolve(Span o, Span a, Span b)
    {
        const bool mineKept = sameItems(m_base, o, m_mine, a);
        if (mineKept && sameItems(m_base, o, m_theirs, b))
            return addAll(From::Both, a);
        if (mineKept)
            return addAll(From::Theirs, b);
        if (sameItems(m_base, o, m_theirs, b) || sameItems(m_mine, a, m_theirs, b))
            return addAll(From::Mine, a);
        // One side only added lines beside base's: no line was changed both
        // ways, and the other side's change takes them in.
        if (addWithInserted(o, From::Mine, a, From::Theirs, m_theirs, b)
            || addWithInserted(o, From::Theirs, b, From::Mine, m_mine, a))
            return;
        // Both changed these lines: what both made alike at either end is
        // theirs as much as mine; the middle is kept from both sides.
        qsizetype head = 0, tail = 0;
        while (head < a.size() && head < b.size() && m_mine[a.from + head] == m_theirs[b.from + head])
            ++head;
        while (tail < a.size() - head && tail < b.size() - head
               && m_mine[a.to - 1 - tail] == m_theirs[b.to - 1 - tail])
            ++tail;
        addAll(From::Mine, {a.from, a.to - tail});
        addChanged(o, {b.from + head, b.to - tail});
        addAll(From::Mine, {a.to - tail, a.to});
    }

    // When added's lines hold base's in order, what added wrote are
    // inserts: they go before or after changed's lines, as they stood
    // before or after base's. False, adding nothing, otherwise.
    bool addWithInserted(Span o, From changedFrom, Span changed, From addedFrom, const QList<int> &added, Span span)
    {
        QList<bool> isBase(span.size(), false);
        qsizetype next = o.from;
        for (qsizetype i = span.from; i < span.to && next < o.to; ++i) {
            if (added.at(i) == m_base.at(next)) {
                isBase[i - span.from] = true;
                ++next;
            }
        }
        if (next < o.to)
            return false;
        const qsizetype firstBase = o.size() == 0 ? span.size() : isBase.indexOf(true);
        for (qsizetype i = 0; i < firstBase && o.size() > 0; ++i)
            add(addedFrom, span.from + i);
        addAll(changedFrom, changed);
        for (qsizetype i = o.size() > 0 ? firstBase : 0; i < span.size(); ++i) {
            if (!isBase.at(i))
                add(addedFrom, span.from + i);
        }
        return true;
    }

    // Theirs' side of lines both changed: the lines theirs wrote. A base
    // line theirs only kept or moved is no text of its own; mine's choice
    // for it stands.
    void addChanged(Span o, Span b)
    {
        QHash<int, qsizetype> kept;
        for (qsizetype i = o.from; i < o.to; ++i)
            ++kept[m_base.at(i)];
        for (qsizetype i = b.from; i < b.to; ++i) {
            qsizetype &left = kept[m_theirs.at(i)];
            if (left > 0) {
                --left;
                continue;
            }
            add(From::OtherCopy, i);
            m_out.conflict = true;
        }
    }

    int idOf(const Piece &piece) const
    {
        return piece.from == From::Theirs || piece.from == From::OtherCopy ? m_theirs.at(piece.index)
                                                                           : m_mine.at(piece.index);
    }

    // A line moved or added by both sides, to different places, would be
    // there twice: theirs' copies go while the merge holds a line more often
    // than either side does.
    void dropSurplus()
    {
        const auto fromTheirs = [](const Piece &piece) { return piece.from == From::Theirs; };
        if (std::none_of(m_out.pieces.cbegin(), m_out.pieces.cend(), fromTheirs))
            return;
        std::vector<qsizetype> inMine, inTheirs, held;
        const auto count = [](std::vector<qsizetype> &counts, int id) {
            if (size_t(id) >= counts.size())
                counts.resize(size_t(id) + 1, 0);
            ++counts[size_t(id)];
        };
        const auto of = [](const std::vector<qsizetype> &counts, int id) {
            return size_t(id) < counts.size() ? counts[size_t(id)] : 0;
        };
        for (int id : m_mine)
            count(inMine, id);
        for (int id : m_theirs)
            count(inTheirs, id);
        bool surplus = false;
        for (const Piece &piece : std::as_const(m_out.pieces)) {
            if (piece.from != From::OtherCopy)
                count(held, idOf(piece));
        }
        for (const Piece &piece : std::as_const(m_out.pieces)) {
            const int id = idOf(piece);
            surplus = surplus || (piece.from == From::Theirs && of(held, id) > std::max(of(inMine, id), of(inTheirs, id)));
        }
        if (!surplus)
            return;
        QList<Piece> kept;
        kept.reserve(m_out.pieces.size());
        for (const Piece &piece : std::as_const(m_out.pieces)) {
            const int id = idOf(piece);
            if (piece.from == From::Theirs && of(held, id) > std::max(of(inMine, id), of(inTheirs, id))) {
                --held[size_t(id)];
                continue;
            }
            kept.append(piece);
        }
        m_out.pieces = std::move(kept);
    }

    const QList<int> &m_base;
    const QList<int> &m_mine;
    const QList<int> &m_theirs;
    std::vector<qsizetype> m_inMine, m_inTheirs;
    Merged m_out;
};

} // namespace

Merged merge(const QList<int> &base, const QList<int> &mine, const QList<int> &theirs)
{
    return ThreeWay(base, mine, theirs).run();
}

// ---------------------------------------------------------------- task texts

QList<QStringView> linesOf(QStringView text)
{
    QList<QStringView> lines;
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = text.indexOf(u'\n', start);
        if (end < 0)
            end = text.size();
        lines.append(text.sliced(start, end - start));
        start = end + 1;
    }
    return lines;
}

bool sameLines(QStringView a, QStringView b)
{
    // Only a last line without its LF reads alike: "" holds no line, "\n"
    // one empty line.
    const auto unended = [](QStringView text) { return !text.isEmpty() && !text.endsWith(u'\n'); };
    if (a.size() == b.size() + 1 && a.endsWith(u'\n') && unended(b))
        a.chop(1);
    else if (b.size() == a.size() + 1 && b.endsWith(u'\n') && unended(a))
        b.chop(1);
    return a == b;
}

namespace {
// Each line as an id, equal lines alike, over every list given. A line
// equal to base's line in the same place takes its id without a lookup:
// most lines of two copies stand where they stood.
QList<int> idsOf(const QList<QStringView> &lines, QHash<QStringView, int> &ids,
                 const QList<QStringView> &base = {}, const QList<int> &baseIds = {})
{
    QList<int> list;
    list.reserve(lines.size());
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QStringView line = lines.at(i);
        if (i < base.size() && base.at(i) == line) {
            list.append(baseIds.at(i));
            continue;
        }
        auto id = ids.constFind(line);
        if (id == ids.cend())
            id = ids.insert(line, int(ids.size()));
        list.append(id.value());
    }
    return list;
}
} // namespace

TextResult mergeText(QStringView base, QStringView mine, QStringView theirs, QStringView marker)
{
    if (sameLines(base, theirs) || sameLines(mine, theirs))
        return {mine.toString(), false};
    if (sameLines(base, mine))
        return {theirs.toString(), false};
    const QList<QStringView> lines[3] = {linesOf(base), linesOf(mine), linesOf(theirs)};
    QHash<QStringView, int> ids;
    ids.reserve(lines[0].size() + lines[1].size() / 8 + lines[2].size() / 8);
    const QList<int> baseIds = idsOf(lines[0], ids);
    const QList<int> sides[3] = {baseIds, idsOf(lines[1], ids, lines[0], baseIds),
                                 idsOf(lines[2], ids, lines[0], baseIds)};
    const Merged merged = merge(sides[0], sides[1], sides[2]);
    TextResult result{QString(), merged.conflict};
    result.text.reserve(mine.size() + theirs.size() / 4 + 1);
    for (const Piece &piece : merged.pieces) {
        const bool fromTheirs = piece.from == From::Theirs || piece.from == From::OtherCopy;
        result.text += (fromTheirs ? lines[2] : lines[1]).at(piece.index);
        if (piece.from == From::OtherCopy)
            result.text += marker;
        result.text += u'\n';
    }
    return result;
}

QString keptLines(QStringView text, QStringView other)
{
    const QList<QStringView> lines = linesOf(text);
    QHash<QStringView, int> ids;
    const QList<int> a = idsOf(lines, ids);
    const QList<int> b = idsOf(linesOf(other), ids);
    QString kept;
    for (const Match &match : commonItems(a, b)) {
        kept += lines.at(match.a);
        kept += u'\n';
    }
    return kept;
}

} // namespace LineMerge
