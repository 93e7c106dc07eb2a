#include "app/CommandLine.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QTextStream>
#include <algorithm>

#include "component/KestrelFile.h"
#include "events/CalendarExport.h"
#include "events/EventList.h"
#include "events/Plan.h"
#include "project/GpjFormat.h"
#include "project/ProjectDocument.h"
#include "project/Schedule.h"
#include "project/WorkCalendar.h"

namespace {

enum class Format { Ics, Csv, Pdf };

struct ExportOption {
    QString name;
    Format format;
    QString description;
};

const QList<ExportOption> &exportOptions()
{
    static const QList<ExportOption> options = {
        {QStringLiteral("export-ics"), Format::Ics,
         QStringLiteral("Write the project's schedule as an iCalendar file of all-day events.")},
        {QStringLiteral("export-csv"), Format::Csv,
         QStringLiteral("Write the project's schedule as a CSV file for Google Calendar or Outlook.")},
        {QStringLiteral("export-pdf"), Format::Pdf,
         QStringLiteral("Write the project's plan as a PDF file, each task with its planned days.")},
    };
    return options;
}

// What QCommandLineParser's help and version options answer to.
const QStringList kOtherOptions = {QStringLiteral("h"), QStringLiteral("help"), QStringLiteral("help-all"),
                                   QStringLiteral("v"), QStringLiteral("version"), QStringLiteral("include-done")};

// One line on err, as a script's log should show it.
int fail(QTextStream &err, int status, const QString &text)
{
    err << QStringLiteral("tarvo: ") << text << Qt::endl;
    return status;
}

// The project with the start the schedule panel prepares it from: the
// saved one, or today when it has none.
Project withStart(Project project)
{
    if (!project.settings.start.isValid())
        project.settings.start = QDate::currentDate();
    return project;
}

bool writeCalendar(const ProjectDocument &document, Format format, bool includeDone, const QString &path,
                   QString *error)
{
    const bool iCalendar = format == Format::Ics;
    return writeCalendarFile(calendarEvents(document.project(), document.schedule(), includeDone, {}, iCalendar), iCalendar,
                             path, error);
}

// Reads the project and writes what the option asks for, or says why not.
int exportProject(const ExportOption &chosen, const QString &projectPath, const QString &outputPath, bool includeDone,
                  QTextStream &err, const CommandLine::PdfWriter &writePdf)
{
    QByteArray bytes;
    QString error;
    if (!KestrelFile::readBytes(projectPath, bytes, &error))
        return fail(err, CommandLine::FileFailed, QStringLiteral("cannot read the project \"%1\": %2").arg(projectPath, error));
    const Gpj::ReadResult read = Gpj::readFile(bytes);
    if (read.noProjectSections)
        return fail(err, CommandLine::FileFailed, QStringLiteral("\"%1\" is not a Tarvo project: it has no [Project] or [Goals] section")
                                         .arg(projectPath));
    ProjectDocument document;
    document.assign(withStart(read.project), DocumentChange::Cause::Load);
    const ProjectSettings &settings = document.project().settings;

    const bool noWorkingDay = !WorkCalendar::of(settings).hasWorkingDay();
    if (noWorkingDay && chosen.format != Format::Pdf)
        return fail(err, CommandLine::FileFailed, QStringLiteral("the project \"%1\" has no working day in its week: nothing can be "
                                                    "scheduled").arg(projectPath));
    const qsizetype leftOut = document.schedule().leftOut();
    if (leftOut > 0)
        err << QStringLiteral("tarvo: %1 task(s) would end after the year 9999 and were left out").arg(leftOut)
            << Qt::endl;

    const bool written = chosen.format == Format::Pdf
                             ? writePdf(planOf(document, QDate::currentDate()), outputPath, &error)
                             : writeCalendar(document, chosen.format, includeDone, outputPath, &error);
    if (!written)
        return fail(err, CommandLine::FileFailed, QStringLiteral("cannot write \"%1\": %2").arg(outputPath, error));
    return CommandLine::Done;
}

} // namespace

bool CommandLine::wanted(const QStringList &arguments)
{
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        QStringView name = arguments.at(i);
        if (!name.startsWith(u'-'))
            continue;
        name = name.sliced(name.startsWith(u"--") ? 2 : 1);
        if (kOtherOptions.contains(name)
            || std::any_of(exportOptions().cbegin(), exportOptions().cend(),
                           [&](const ExportOption &o) { return o.name == name; }))
            return true;
    }
    return false;
}

bool CommandLine::wanted(int argc, const char *const *argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return wanted(arguments);
}

int CommandLine::run(const QStringList &arguments, QTextStream &out, QTextStream &err, const PdfWriter &writePdf)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Tarvo plans one personal project: a main goal, eight sub-goals and their tasks.\n"
                       "Without options it opens its window; with an export option it writes the\n"
                       "project's schedule or plan to OUT without a window, replacing OUT whole."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    for (const ExportOption &o : exportOptions())
        parser.addOption(QCommandLineOption(o.name, o.description));
    parser.addOption(QCommandLineOption(QStringLiteral("include-done"),
                                        QStringLiteral("Export done tasks too, their subject starting with \"Done: \".")));
    parser.addPositionalArgument(QStringLiteral("project"), QStringLiteral("The project file to read."),
                                 QStringLiteral("PROJECT.gpj"));
    parser.addPositionalArgument(QStringLiteral("output"), QStringLiteral("The file to write."), QStringLiteral("OUT"));

    if (!parser.parse(arguments))
        return fail(err, Usage, parser.errorText() + QStringLiteral(" See tarvo --help."));
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
        out << parser.helpText() << Qt::flush;
        return Done;
    }
    if (parser.isSet(version)) {
        out << QStringLiteral("Tarvo " TARVO_VERSION) << Qt::endl;
        return Done;
    }

    const ExportOption *chosen = nullptr;
    for (const ExportOption &o : exportOptions()) {
        if (!parser.isSet(o.name))
            continue;
        if (chosen)
            return fail(err, Usage, QStringLiteral("--%1 and --%2 cannot be given together").arg(chosen->name, o.name));
        chosen = &o;
    }
    const QStringList files = parser.positionalArguments();
    if (!chosen)
        return fail(err, Usage, QStringLiteral("choose one of --export-ics, --export-csv and --export-pdf"));
    if (files.size() != 2)
        return fail(err, Usage, QStringLiteral("--%1 needs a project file and an output file").arg(chosen->name));
    const QString &projectPath = files.at(0), &outputPath = files.at(1);
    // A slip of the fingers must not write a calendar over the project.
    if (QFileInfo(outputPath).exists() && QFileInfo(outputPath).canonicalFilePath() == QFileInfo(projectPath).canonicalFilePath())
        return fail(err, Usage, QStringLiteral("the output \"%1\" is the project itself").arg(outputPath));

    return exportProject(*chosen, projectPath, outputPath, parser.isSet(QStringLiteral("include-done")), err, writePdf);
}
