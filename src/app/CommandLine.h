#pragma once
#include <QString>
#include <QStringList>
#include <functional>

class QTextStream;
struct Plan;

// Tarvo's command line: a project's schedule as a calendar file, or its
// plan as a PDF, written without a window. A script or a cron job runs
//   tarvo --export-ics|--export-csv|--export-pdf PROJECT.gpj OUT
// and --help and --version say what Tarvo is and can do.
namespace CommandLine {

// Whether the arguments (the program's own name first) ask for the command
// line rather than the window: one of its options is among them. Anything
// else starts the window as before, Qt's own options included.
bool wanted(const QStringList &arguments);
bool wanted(int argc, const char *const *argv);

// Writes the plan as a PDF, the window's writer; handed in because it
// draws with Qt Gui, which the rest of the command line does without.
using PdfWriter = std::function<bool(const Plan &plan, const QString &path, QString *error)>;

enum Status { Done = 0, FileFailed = 1, Usage = 2 };

// Parses the arguments and does what they ask. Help and the version go to
// out; every problem to err as one line naming the file, with the status
// FileFailed for a project that cannot be read or an output that cannot be
// written (the output is then as it was), Usage for wrong arguments.
int run(const QStringList &arguments, QTextStream &out, QTextStream &err, const PdfWriter &writePdf);

} // namespace CommandLine
