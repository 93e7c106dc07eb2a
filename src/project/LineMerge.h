#pragma once
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

// Three-way merging of sequences: the task lines of one sub-goal, or the
// order of the sub-goals' keys. Items are compared as whole ids, counted
// from 0 up; the callers turn lines or keys into ids and back.
namespace LineMerge {

// Which item of a matches which of b: a longest common subsequence, in
// increasing order of both.
struct Match {
    qsizetype a = 0;
    qsizetype b = 0;
    friend bool operator==(const Match &, const Match &) = default;
};
QList<Match> commonItems(const QList<int> &a, const QList<int> &b);

// Where an item of the merged sequence comes from.
enum class From : quint8 {
    Both,        // unchanged on both sides, or changed the same way; index into mine
    Mine,        // index into mine
    Theirs,      // index into theirs
    OtherCopy,   // theirs' side of the same items changed both ways; index into theirs
};
struct Piece {
    From from = From::Both;
    qsizetype index = 0;
};
struct Merged {
    QList<Piece> pieces;
    bool conflict = false;   // some items were changed both ways
};
// Changes of mine and of theirs since base, merged. Where both changed the
// same items differently, mine's come first, then theirs' as OtherCopy.
// Items both sides inserted at one place are both kept, mine first, with
// nothing marked. No item occurs more often than in mine or in theirs,
// except as OtherCopy: a line both sides moved lands where mine put it.
Merged merge(const QList<int> &base, const QList<int> &mine, const QList<int> &theirs);

// ---- task texts

// The lines of a task text: "a\nb\n" and "a\nb" both hold a and b.
QList<QStringView> linesOf(QStringView text);
// Whether two task texts hold the same lines.
bool sameLines(QStringView a, QStringView b);

struct TextResult {
    QString text;
    bool conflict = false;
};
// The three task texts merged line by line; theirs' lines of a both-ways
// change end in marker. Each line of the result ends in LF, as a text read
// from a project file does; when one side kept base's lines, the other's
// text is the result as it is.
TextResult mergeText(QStringView base, QStringView mine, QStringView theirs, QStringView marker);
// The lines of text that other holds too, in a longest common run.
QString keptLines(QStringView text, QStringView other);

} // namespace LineMerge
