#pragma once
#include <QString>

class QPagedPaintDevice;
class QWidget;
enum class PictureFormat;
struct Plan;

// The printed plan: the chart of the cards on the first page, the timeline
// when the plan has dates, then every task list. One routine draws for the preview, the
// printer and the PDF, so what is previewed is what is printed; text is
// drawn as text, so a PDF of the plan can be searched and copied from.

// Draws the plan on the device's pages as the device lays them out (paper,
// orientation and margins are the device's). False, with the reason, when
// the device cannot be painted on.
bool drawPlan(QPagedPaintDevice &device, const Plan &plan, QString *error = nullptr);

// The plan as a PDF, landscape, on the paper of the user's locale; the
// file is replaced whole, or left as it was when the write fails.
bool writePlanPdf(const Plan &plan, const QString &path, QString *error = nullptr);

// The print dialog's preview of the plan, printed where the user chooses.
// True when printed or cancelled; false when printing failed, with the
// printer or file in *target and the reason in *error.
bool printPlanWithPreview(const Plan &plan, QWidget *parent, QString *target, QString *error);

// The whole timeline as one picture, PNG or SVG, drawn as the screen draws
// it; the file is replaced whole, or left as it was when the write fails.
// A PNG too large to be made fails with a reason that says so.
bool writeTimelinePicture(const Plan &plan, const QString &path, PictureFormat format, QString *error = nullptr);
