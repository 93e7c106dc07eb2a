#pragma once
#include <QString>
#include <QStringList>
#include <QStringView>
#include <utility>

#include "component/PieceWriter.h"
#include "project/Project.h"

class IniIndex;

// The ".gpj" project file as pure functions: a project value to the file's
// text, and an indexed file back to a project value. No folder, no dialog,
// no widget: what these give is what is on disk.
//
// Layout (every line ends with CR LF):
//   [Project]
//   Name=<project name>
//   Start=<yyyy-mm-dd>  WorkWeek=<seven "1"/"0", Monday first>
//   DaysOff=<yyyy-mm-dd>,<yyyy-mm-dd>...                        (each only when set)
//   [Goals]
//   Goal<n>=<key>  Goal<n>_Name=<name>  Goal<n>_Due=<due text>
//   Goal<n>_After=<key of the sub-goal it starts after>         (only when set)
//   Goal<n>_Tasks=<T>  Goal<n>_Task1=<line> ... Goal<n>_Task<T>=<line>
namespace Gpj {

// What follows each task line in a sub-goal's text in memory, as the
// readers build it and the task box holds it (the writers take LF or CR LF
// either way). The file's own lines always end with CR LF.
inline constexpr QStringView kTaskLineBreak = u"\n";

// The whole file's text. Each task line of a sub-goal is one entry, as its
// task file's lines are read (CR LF or a lone LF ends a line; no entry for
// an empty remainder after the last break). A value the reader would change
// (blanks at an end, enclosing quotes) is written in double quotes, and a
// line break inside a value becomes a blank, so every value reads back.
QString write(const Project &project);
// The same into out, keeping out's room: saving again needs as much.
void writeInto(const Project &project, QString &out);
// The file's bytes, the UTF-8 of write(), made straight from the project
// in one pass and handed to sink in pieces.
void writeUtf8(const Project &project, const PieceWriter::ByteSink &sink);
// The same bytes whole, for a save that keeps them as its base.
QByteArray toUtf8(const Project &project);
// Saves the project to path as a document is saved (KestrelFile's
// flushed, atomic replacement) without holding its text whole. False, with
// the reason in *error, when it could not; the old file is then untouched.
bool writeFile(const Project &project, const QString &path, QString *error = nullptr);

struct ReadResult {
    Project project;
    // Set when the file holds neither section, so it is no project file.
    bool noProjectSections = false;
};

// Reads what the loader reads: the name, then the sub-goals from Goal1 on,
// stopping at the first that has no key (a group after a gap is not read).
// Task T is read for T up to the "_Tasks" count, and never beyond the last
// numbered task line the file holds. Each sub-goal's task text holds its
// lines, each followed by kTaskLineBreak.
ReadResult read(const IniIndex &index);
// The same from the file's bytes as stored, decoded as KestrelFile::decode
// does. A file as Tarvo writes it (and in well-formed UTF-8) is read in one
// pass straight from its bytes; any other is decoded and goes through the
// index, with the same result.
ReadResult readFile(const QByteArray &bytes);
// The settings from the values of "Start", "WorkWeek" and "DaysOff"; what
// is not in their form reads as not set (a day off that is no date is left
// out, and the days come sorted, each once).
ProjectSettings readSettings(QStringView start, QStringView workWeek, QStringView daysOff = {});
// The settings' keys and values in the order written, each only when set,
// so a project that sets none is written as before they existed.
QList<std::pair<QStringView, QString>> settingsEntries(const ProjectSettings &settings);

// The integer part of a plain decimal number; anything else is 0. Numbers
// too large to hold saturate.
qint64 taskCount(QStringView value);

// Whether a key read from a file may name a task file: 1 to 64 letters,
// digits, "-" and "_", so it cannot point outside the task folder nor make
// a file name too long.
constexpr qsizetype kMaxKeyLength = 64;
bool isSafeKey(QStringView key);

// "Goal" n and a suffix such as "_Name".
QString goalKey(int n, QStringView suffix = {});

} // namespace Gpj
