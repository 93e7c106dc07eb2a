// The common items of two lists, for the three-way merge.
#include <algorithm>
#include <optional>
#include <vector>

#include "project/LineMerge.h"

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
    const int most = other.isEmpty() ? -1 : *std::max_element(other.begin(), other.end());
    std::vector<bool> present(size_t(most + 1), false);
    for (int id : other)
        present[size_t(id)] = true;
    std::vector<int> kept;
    kept.reserve(size_t(list.size()));
    for (qsizetype i = 0; i < list.size(); ++i) {
        const size_t id = size_t(list.at(i));
        if (id < present.size() && present[id]) {
            kept.push_back(list.at(i));
            places.push_back(i);
        }
    }
    return kept;
}

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

} // namespace LineMerge
