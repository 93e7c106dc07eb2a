#pragma once
#include <QString>
#include <QStringList>

struct Plan;

enum class PrintOutcome { Printed, Cancelled, Failed };
enum class PictureFormat { Png, Svg };

// Everything that reaches outside the program without a question to
// answer: the printer, PDF files, pictures, the clipboard and the
// desktop's file browser. The window layer does it for real; tests record
// it.
class Output {
public:
    virtual ~Output() = default;

    // Starts the desktop's file browser on a folder; false when none started.
    virtual bool openFolder(const QString &path) = 0;

    // Prints lines in a fixed-width font on the printer the user picks in
    // the print dialog; Failed comes with the reason.
    virtual PrintOutcome printLines(const QStringList &lines, QString *error) = 0;
    // Shows the print dialog with a preview of the plan and prints it where
    // the user chooses. True when it printed or the user cancelled; false
    // when it failed, with the printer or file in *target and the reason.
    virtual bool printPlan(const Plan &plan, QString *target, QString *error) = 0;
    // Writes the plan as a PDF file, replacing it whole; false, with the
    // reason, when it could not.
    virtual bool writePlanPdf(const Plan &plan, const QString &path, QString *error) = 0;
    // Writes the plan's timeline as a picture, replacing the file whole;
    // false, with the reason, when it could not.
    virtual bool writeTimelinePicture(const Plan &plan, const QString &path, PictureFormat format, QString *error) = 0;

    virtual void setClipboardText(const QString &text) = 0;
};
