#pragma once
#include <QString>
#include <QStringList>

// The system's own texts, written once. A caption that appears in three
// files drifts; here it is changed in one place for the whole program.

namespace Texts {
inline QString productName() { return QStringLiteral("Tarvo"); }
// Product, " Pro ", version, and a trailing blank.
inline QString mainWindowCaption() { return productName() + QStringLiteral(" Pro ") + QStringLiteral("v1.4") + u' '; }

inline QString defaultProjectName() { return QStringLiteral("My Goal"); }
inline QString noFilename() { return QStringLiteral("New Project (No Filename)"); }
inline QString openProjectsFolder() { return QStringLiteral("Open the projects folder"); }
inline QString mainGoalLabel() { return QStringLiteral("Main Goal:"); }
inline QString subGoalLabel() { return QStringLiteral("Sub Goal:"); }
inline QString goalNameLabelAtStart() { return QStringLiteral("Goal Name:"); }
inline QString addModeLabel() { return QStringLiteral("Add New Sub-Goal:"); }
inline QString renameModeLabel() { return QStringLiteral("Edit Sub-Goal Name:"); }
inline QString charsLeft(qsizetype n) { return QStringLiteral("Characters Left: ") + QString::number(n); }
inline QString cardCaptionAtStart() { return QStringLiteral("Goal"); }

// The counters of a card and its due-date caption.
inline QString tasksCounter(qsizetype n) { return QStringLiteral("Tasks: ") + QString::number(n); }
inline QString completedCounter(qsizetype n) { return QStringLiteral("Completed: ") + QString::number(n); }
inline QString pendingCounter(qsizetype n) { return QStringLiteral("Pending: ") + QString::number(n); }
inline QString dueDateCaption(const QString &due) { return QStringLiteral("Due Date: ") + due; }

// Messages: text and title.
inline QString tooManySubGoals()
{
    return QStringLiteral("Ooops! You can create up to 8 sub-goals per goal so you can keep an eye on everything "
                          "(sometimes less is more).");
}
inline QString tooManySubGoalsTitle() { return QStringLiteral("Ooops"); }
inline QString confirmDelete() { return QStringLiteral("Delete Sub Goal?"); }
inline QString confirmDeleteTitle() { return QStringLiteral("Confirm"); }
inline QString saveChangesQuestion() { return QStringLiteral("Want to save changes before?"); }
inline QString saveChangesTitle() { return QStringLiteral("Save Changes"); }
inline QString projectSaved() { return QStringLiteral("Ready! Project saved."); }
inline QString projectSavedTitle() { return QStringLiteral("Done"); }
inline QString saveFailedTitle() { return QStringLiteral("Save Failed"); }
inline QString openFailedTitle() { return QStringLiteral("Open Failed"); }
inline QString tasksTitle() { return QStringLiteral("Tasks"); }
inline QString notAProject()
{
    return QStringLiteral("It is not a Tarvo project: it has neither a [Project] nor a [Goals] section.");
}
inline QString notOpened(const QString &path, const QString &reason)
{
    return QStringLiteral("The project \"%1\" could not be opened.\n\n%2").arg(path, reason);
}
inline QString notSaved(const QString &path, const QString &reason)
{
    return QStringLiteral("The project could not be saved to \"%1\".\n\n%2").arg(path, reason);
}
inline QString folderNotCreated(const QString &folder)
{
    return QStringLiteral("The folder \"%1\" could not be created.").arg(folder);
}
inline QString noFileBrowser(const QString &folder)
{
    return QStringLiteral("No file browser could be started to show \"%1\".").arg(folder);
}
inline QString tasksNotWritten(const QString &path, const QString &reason)
{
    return QStringLiteral("The tasks could not be written to \"%1\": %2\n\nThey are kept, and written as soon as "
                          "the file can be.").arg(path, reason);
}
inline QString tasksNotRead(const QString &path, const QString &reason)
{
    return QStringLiteral("The tasks could not be read from \"%1\": %2").arg(path, reason);
}
inline QString notRestored(const QString &reason)
{
    return QStringLiteral("The changes could not be restored: %1").arg(reason);
}
inline QString selectAFile() { return QStringLiteral("Please select a file."); }
inline QString missingInfoTitle() { return QStringLiteral("Missing Info"); }
inline QString enterAName() { return QStringLiteral("Please enter a name for the file."); }
inline QString invalidName() { return QStringLiteral("Please remove any spaces and/or special characters."); }
inline QString invalidNameTitle() { return QStringLiteral("Invalid Name"); }
inline QString overwriteQuestion() { return QStringLiteral("File already exists. Want to overwrite it?"); }
inline QString overwriteTitle() { return QStringLiteral("File Already Exists"); }
inline QString printFinished() { return QStringLiteral("Print Job Finished"); }
inline QString restoreQuestion() { return QStringLiteral("Tarvo was closed before your changes were saved. Restore them?"); }
inline QString restoreTitle() { return QStringLiteral("Restore"); }
inline QString nothingPrinted(const QString &reason) { return QStringLiteral("Nothing was printed: %1").arg(reason); }

// The schedule panel and its messages.
inline QString scheduleCommand() { return QStringLiteral("Schedule"); }
inline QString scheduleMenu() { return QStringLiteral("Plan"); }
inline QString scheduleTitle() { return QStringLiteral("Schedule"); }
inline QString noWorkingDay()
{
    return QStringLiteral("The working week has no working day, so no task can be scheduled. "
                          "Tick at least one day and prepare the calendar again.");
}
inline QString tasksLeftOut(qsizetype n)
{
    return QStringLiteral("%1 task(s) would end after the year 9999 and were left out of the schedule.").arg(n);
}
inline QString taskLinesCopied(qsizetype n)
{
    return n == 1 ? QStringLiteral("The task line of the 1 item is on the clipboard.")
                  : QStringLiteral("The task lines of the %1 items are on the clipboard.").arg(n);
}
inline QString endsAfterDueDate(const QString &due) { return QStringLiteral("Ends after the due date, %1").arg(due); }
// A "+" mark that is no duration, on its row of the list.
inline QString notUnderstood(const QString &text)
{
    return QStringLiteral("\u201C%1\u201D was not understood, so this task lasts one day. End the line with "
                          "\u201C+ 3\u201D, \u201C+ 3 days\u201D or \u201C+ 2 weeks\u201D.").arg(text);
}
// Before the subject of a done task in the exports, when they include it.
inline QString donePrefix() { return QStringLiteral("Done: "); }
// The list's print: a title, then a table with these columns after the
// one that ticks done tasks.
inline QString scheduleOf(const QString &project) { return QStringLiteral("Schedule of ") + project; }
inline QStringList printedColumns()
{
    return {QStringLiteral("Subject"), QStringLiteral("Sub-Goal"), QStringLiteral("Start"), QStringLiteral("End")};
}
// The panel's captions set in code.
inline QString includeDoneTasks() { return QStringLiteral("Include done tasks"); }
inline QString daysOffLabel() { return QStringLiteral("Days off:"); }
inline QString addDayOff() { return QStringLiteral("Add"); }
inline QString removeDayOff() { return QStringLiteral("Remove"); }
inline QString exportCsvTitle() { return QStringLiteral("Export CSV"); }
inline QString exportIcsTitle() { return QStringLiteral("Export iCalendar"); }
inline QString csvFilter() { return QStringLiteral("CSV files (*.csv)"); }
inline QString icsFilter() { return QStringLiteral("iCalendar files (*.ics)"); }
// "The calendar could not be written to ...", "The plan ...".
inline QString notWritten(const QString &what, const QString &path, const QString &reason)
{
    return QStringLiteral("The %1 could not be written to \"%2\": %3").arg(what, path, reason);
}
inline QString exportFailedTitle() { return QStringLiteral("Export Failed"); }
inline QString calendarWhat() { return QStringLiteral("calendar"); }
inline QString planWhat() { return QStringLiteral("plan"); }
// The steps of the Edit menu's Undo and Redo; “ ” around names.
inline QString quoted(const QString &name) { return QStringLiteral("\u201C") + name + QStringLiteral("\u201D"); }
inline QString stepAdd(const QString &name) { return QStringLiteral("Add ") + quoted(name); }
inline QString stepDelete(const QString &name) { return QStringLiteral("Delete ") + quoted(name); }
inline QString stepRename(const QString &name) { return QStringLiteral("Rename ") + quoted(name); }
inline QString stepDueDate(const QString &name) { return QStringLiteral("Due Date of ") + quoted(name); }
inline QString stepProjectName() { return QStringLiteral("Project Name"); }
inline QString stepStartDate() { return QStringLiteral("Start Date"); }
inline QString stepWorkingWeek() { return QStringLiteral("Working Week"); }
inline QString alreadyRunning() { return QStringLiteral("Tarvo is already running from this folder."); }
inline QString stepDaysOff() { return QStringLiteral("Days Off"); }
inline QString stepStartsAfter(const QString &name) { return QStringLiteral("Sequence of ") + quoted(name); }

// Sub-goals in sequence: the side bar's cboStartsAfter.
inline QString startsAfterLabel() { return QStringLiteral("Starts after:"); }
inline QString startsAfterNone() { return QStringLiteral("(none)"); }
inline QString sequenceTitle() { return QStringLiteral("Sequence"); }
inline QString sequenceLoop(const QString &name, const QString &other)
{
    return QStringLiteral("%1 cannot start after %2: %2 already waits for %1 to end, so neither could ever start. "
                          "Nothing was changed.").arg(quoted(name), quoted(other));
}

// A card's slack under its due-date band, and why the band is red.
inline QString slackSpare(qint64 days)
{
    if (days == 0)
        return QStringLiteral("On time, no day to spare");
    return days == 1 ? QStringLiteral("1 day to spare") : QStringLiteral("%1 days to spare").arg(days);
}
inline QString slackLate(qint64 days)
{
    return days == 1 ? QStringLiteral("Late by 1 working day") : QStringLiteral("Late by %1 working days").arg(days);
}
inline QString dueDatePassed() { return QStringLiteral("The due date has passed with tasks still pending."); }
inline QString planEndsAfterDue(const QString &end)
{
    return QStringLiteral("The plan ends after the due date, on %1.").arg(end);
}

// The printed plan and its commands.
inline QString printPlanMenu() { return QStringLiteral("Print Plan..."); }
inline QString exportPdfMenu() { return QStringLiteral("Export PDF..."); }
inline QString exportPdfTitle() { return QStringLiteral("Export PDF"); }
inline QString pdfFilter() { return QStringLiteral("PDF files (*.pdf)"); }
inline QString pdfSuffix() { return QStringLiteral(".pdf"); }
inline QString printedOn(const QString &date) { return QStringLiteral("Printed on ") + date; }
inline QString overdue() { return QStringLiteral("Overdue"); }
inline QString endsLate() { return QStringLiteral("Ends late"); }
inline QString doneTick() { return QStringLiteral("\u2713"); }   // before a completed task
inline QString andMore(qsizetype n) { return QStringLiteral("\u2026 and %1 more").arg(n); }
inline QString doneOfAll(qsizetype done, qsizetype all) { return QStringLiteral("%1 / %2").arg(done).arg(all); }
inline QString noTasks() { return QStringLiteral("No tasks yet"); }
inline QString pageOf(int page, int pages) { return QStringLiteral("Page %1 of %2").arg(page).arg(pages); }
inline QString fromTo(const QString &start, const QString &end) { return start + QStringLiteral(" \u2013 ") + end; }
inline QString planNotPrinted(const QString &target, const QString &reason)
{
    return QStringLiteral("The plan could not be printed on \"%1\": %2").arg(target, reason);
}
inline QString printerNotStarted() { return QStringLiteral("The printer could not be started."); }
inline QString deviceNotOpened() { return QStringLiteral("it could not be opened."); }
inline QString pageNotStarted() { return QStringLiteral("a new page could not be started."); }
inline QString pagesNotFinished() { return QStringLiteral("the pages could not be finished."); }
inline QString printFailedTitle() { return QStringLiteral("Print Failed"); }
} // namespace Texts
