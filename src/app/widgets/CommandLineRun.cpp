#include "app/widgets/CommandLineRun.h"

#include <QGuiApplication>
#include <QTextStream>

#include "app/CommandLine.h"
#include "app/widgets/FontSetup.h"
#include "events/widgets/PlanPrint.h"

namespace {
// Qt's notes about the desktop session the command line does not use (no
// XDG_RUNTIME_DIR under cron, say) would mix with the one line a script
// reads from stderr: only its errors are shown.
void errorsOnly(QtMsgType type, const QMessageLogContext &, const QString &text)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        QTextStream(stderr) << text << Qt::endl;
}
} // namespace

int runCommandLine(int &argc, char **argv)
{
    qInstallMessageHandler(errorsOnly);
    // The PDF needs fonts and a paint engine, never a window.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("Tarvo"));
    installFontSubstitutions();   // the same fonts as the window's PDF
    QTextStream out(stdout), err(stderr);
    return CommandLine::run(QCoreApplication::arguments(), out, err, writePlanPdf);
}
