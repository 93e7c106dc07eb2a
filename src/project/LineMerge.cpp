#include "project/LineMerge.h"

#include <QHash>
#include <QSet>
#include <optional>
#include <vector>

namespace LineMerge {

namespace {

// A longest common subsequence by Myers' O(ND) difference algorithm in
// linear space: the middle snake splits the problem in two, each half is
// solved the same way. Common heads and tails are matched first, so lists
// that differ in a few places cost little more than one pass over them.
class Differ {
public:
    Differ(const std::vector<int> &a, const std::vector<int> &b) : m_a(a), m_b(b) {}

    QList<Match> run()
    {
        solve(0, qsizetype(m_a.size()), 0, qsizetype(m_b.size()));
        return std::move(m_matches);
    }

private:
    void solve(qsizetype a0, qsizetype a1, qsizetype b0, qsizetype b1)
    {
        while (a0 < a1 && b0 < b1 && m_a[a0] == m_b[b0])
            m_matches.append({a0++, b0++});
        const qsizetype tailA = a1;
        while (a0 < a1 && b0 < b1 && m_a[a1 - 1] == m_b[b1 - 1]) {
            --a1;
            --b1;
        }
        const qsizetype tail = tailA - a1;
        if (a0 < a1 && b0 < b1) {
            if (const auto split = middle(a0, a1, b0, b1)) {
                solve(a0, split->first, b0, split->second);
                solve(split->first, a1, split->second, b1);
            }
        }
        for (qsizetype i = 0; i < tail; ++i)
            m_matches.append({a1 + i, b1 + i});
    }

    using Point = std::pair<qsizetype, qsizetype>;

    // One direction's search: the furthest point reached on each diagonal,
    // and the diagonals that ran off the ranges and are done.
    struct Search {
        std::vector<qsizetype> furthest;
        qsizetype doneBelow = 0, doneAbove = 0;
    };

    // The ranges a0..a1 and b0..b1 searched from one end.
    struct Ranges {
        qsizetype a0, a1, b0, b1;
        qsizetype n() const { return a1 - a0; }
        qsizetype m() const { return b1 - b0; }
    };

    // Round d of one search: each diagonal steps on and follows its run of
    // equal items. Where it meets the other search, that is the middle.
    std::optional<Point> advance(Search &self, const Search &other, qsizetype d, const Ranges &r, bool backward,
                                 bool meets)
    {
        const qsizetype offset = qsizetype(self.furthest.size() / 2) - 1, delta = r.n() - r.m();
        std::vector<qsizetype> &v = self.furthest;
        for (qsizetype k = -d + self.doneBelow; k <= d - self.doneAbove; k += 2) {
            const qsizetype at = offset + k;
            qsizetype x = (k == -d || (k != d && v[at - 1] < v[at + 1])) ? v[at + 1] : v[at - 1] + 1;
            qsizetype y = x - k;
            while (x < r.n() && y < r.m()
                   && (backward ? m_a[r.a1 - x - 1] == m_b[r.b1 - y - 1] : m_a[r.a0 + x] == m_b[r.b0 + y])) {
                ++x;
                ++y;
            }
            v[at] = x;
            if (x > r.n()) {
                self.doneAbove += 2;
                continue;
            }
            if (y > r.m()) {
                self.doneBelow += 2;
                continue;
            }
            const qsizetype mirror = offset + delta - k;
            if (!meets || mirror < 0 || mirror >= qsizetype(other.furthest.size()) || other.furthest[mirror] == -1)
                continue;
            // Forward x and backward x, both from the start of a.
            const qsizetype ahead = backward ? other.furthest[mirror] : x;
            const qsizetype behind = r.n() - (backward ? x : other.furthest[mirror]);
            if (ahead >= behind)
                return backward ? Point{r.a0 + ahead, r.b0 + ahead - (mirror - offset)} : Point{r.a0 + x, r.b0 + y};
        }
        return std::nullopt;
    }

    // The point where a shortest edit path crosses its middle, as absolute
    // positions in a and b; nothing when the ranges share no item.
    std::optional<Point> middle(qsizetype a0, qsizetype a1, qsizetype b0, qsizetype b1)
    {
        const Ranges r{a0, a1, b0, b1};
        const qsizetype maxD = (r.n() + r.m() + 1) / 2;
        Search forward{std::vector<qsizetype>(size_t(2 * maxD + 2), -1)}, backward = forward;
        forward.furthest[size_t(maxD + 1)] = 0;
        backward.furthest[size_t(maxD + 1)] = 0;
        // Which search can meet the other first depends on whether the
        // lengths differ by an odd number.
        const bool odd = ((r.n() - r.m()) & 1) != 0;
        for (qsizetype d = 0; d < maxD; ++d) {
            if (const auto point = advance(forward, backward, d, r, false, odd))
                return point;
            if (const auto point = advance(backward, forward, d, r, true, !odd))
                return point;
        }
        return std::nullopt;
    }

    const std::vector<int> &m_a;
    const std::vector<int> &m_b;
    QList<Match> m_matches;
};

// The items of list that occur in other, with their places in list. An
// item the other list lacks can match nothing, so dropping such items
// first leaves the same common subsequence to find, in shorter lists; a
// changed line is usually unique to its side.
std::vector<int> sharedItems(const QList<int> &list, const QList<int> &other, std::vector<qsizetype> &places)
{
    QSet<int> present(other.begin(), other.end());
    std::vector<int> kept;
    kept.reserve(size_t(list.size()));
    for (qsizetype i = 0; i < list.size(); ++i) {
        if (present.contains(list.at(i))) {
            kept.push_back(list.at(i));
            places.push_back(i);
        }
    }
    return kept;
}

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
        QHash<int, qsizetype> allowed, held;
        for (int id : m_mine)
            ++allowed[id];
        QHash<int, qsizetype> inTheirs;
        for (int id : m_theirs)
            ++inTheirs[id];
        for (auto it = inTheirs.cbegin(); it != inTheirs.cend(); ++it)
            allowed[it.key()] = std::max(allowed.value(it.key()), it.value());
        for (const Piece &piece : std::as_const(m_out.pieces)) {
            if (piece.from != From::OtherCopy)
                ++held[idOf(piece)];
        }
        QList<Piece> kept;
        kept.reserve(m_out.pieces.size());
        for (const Piece &piece : std::as_const(m_out.pieces)) {
            const int id = idOf(piece);
            if (piece.from == From::Theirs && held.value(id) > allowed.value(id)) {
                --held[id];
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

QList<Match> commonItems(const QList<int> &a, const QList<int> &b)
{
    std::vector<qsizetype> placesA, placesB;
    const std::vector<int> sharedA = sharedItems(a, b, placesA);
    const std::vector<int> sharedB = sharedItems(b, a, placesB);
    QList<Match> matches = Differ(sharedA, sharedB).run();
    for (Match &match : matches)
        match = {placesA[size_t(match.a)], placesB[size_t(match.b)]};
    return matches;
}

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
// Each line as an id, equal lines alike, over every list given.
QList<int> idsOf(const QList<QStringView> &lines, QHash<QStringView, int> &ids)
{
    QList<int> list;
    list.reserve(lines.size());
    for (QStringView line : lines) {
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
    const QList<int> sides[3] = {idsOf(lines[0], ids), idsOf(lines[1], ids), idsOf(lines[2], ids)};
    const Merged merged = merge(sides[0], sides[1], sides[2]);
    TextResult result{QString(), merged.conflict};
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
