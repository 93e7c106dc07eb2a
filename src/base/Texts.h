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
// What a screen reader calls the parts that show no name of their own.
inline QString sidebarName() { return QStringLiteral("Side bar"); }
inline QString cardsName() { return QStringLiteral("Cards"); }
inline QString taskBoxName() { return QStringLiteral("Project tasks"); }
inline QString calendarName() { return QStringLiteral("Due date calendar"); }
inline QString eventListName() { return QStringLiteral("Schedule list"); }

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
inline QString tooLargeToOpen(qint64 megabytes, qint64 limit)
{
    return QStringLiteral("At %1 MB it would be larger than the %2 MB a project may have to be opened again. "
                          "Shorten some task lists and save again.").arg(megabytes).arg(limit);
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
inline QString recoveryUnreadable(const QString &path)
{
    return QStringLiteral("Changes left by an earlier run could not be read. They are kept in \"%1\".").arg(path);
}
inline QString recoveryNotWritten(const QString &path, const QString &reason)
{
    return QStringLiteral("The copy of your unsaved changes could not be written to \"%1\": %2\n\nSave the project "
                          "to keep them safe.").arg(path, reason);
}
inline QString lockLost(const QString &folder)
{
    return QStringLiteral("Another Tarvo now uses the folder \"%1\", so this one no longer writes there. Save your "
                          "project with Save As, close this window and carry on in the other Tarvo.").arg(folder);
}
inline QString unsafeKey(const QString &key)
{
    return QStringLiteral("the sub-goal key \"%1\" cannot name a task file.").arg(key);
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
// A card as a screen reader reads it: "Design, due 12 March 2027, 3 of 5
// done, late by 2 working days".
inline QString dueOn(const QString &date) { return QStringLiteral("due %1").arg(date); }
inline QString doneOf(qsizetype done, qsizetype all) { return QStringLiteral("%1 of %2 done").arg(done).arg(all); }
inline QString lateBy(qint64 days)
{
    return days == 1 ? QStringLiteral("late by 1 working day") : QStringLiteral("late by %1 working days").arg(days);
}
inline QString toSpare(qint64 days)
{
    return days == 1 ? QStringLiteral("1 day to spare") : QStringLiteral("%1 days to spare").arg(days);
}
inline QString dueDatePassed() { return QStringLiteral("The due date has passed with tasks still pending."); }
inline QString planEndsAfterDue(const QString &end)
{
    return QStringLiteral("The plan ends after the due date, on %1.").arg(end);
}

// Another copy of the open project: a synced folder, another device.
inline QString updatedFromDisk() { return QStringLiteral("Updated from disk"); }
inline QString changedOnDisk()
{
    return QStringLiteral("The project's file changed on disk: the next Save merges it with your changes.");
}
inline QString goneFromDisk() { return QStringLiteral("The project's file is no longer on disk."); }
inline QString stepUpdateFromDisk() { return QStringLiteral("Update from Disk"); }
inline QString mergedTitle() { return QStringLiteral("Merged"); }
inline QString mergedAtSave(const QStringList &lines)
{
    return QStringLiteral("The project's file had changed on disk since Tarvo last read or saved it. Both versions "
                          "are merged and saved:\n\n") + lines.join(u'\n');
}
inline QString mergedCopy(const QString &file, const QStringList &lines)
{
    return QStringLiteral("\"%1\" is merged into the open project:\n\n").arg(file) + lines.join(u'\n');
}
inline QString mergedNothingNew() { return QStringLiteral("\u2022 It holds nothing that the open project lacks."); }
inline QString otherCopyMarker() { return QStringLiteral(" (other copy)"); }
inline QString mergedAdded(const QString &names) { return QStringLiteral("\u2022 Added in the other copy: %1.").arg(names); }
inline QString mergedChanged(const QString &names)
{
    return QStringLiteral("\u2022 Changes from the other copy taken in: %1.").arg(names);
}
inline QString mergedTakenIn(const QString &what)
{
    return QStringLiteral("\u2022 Taken from the other copy: %1.").arg(what);
}
inline QString mergedRemoved(const QString &names)
{
    return QStringLiteral("\u2022 Deleted in the other copy, so deleted here too: %1.").arg(names);
}
inline QString mergedKeptDeleted(const QString &names)
{
    return QStringLiteral("\u2022 Kept, because one copy deleted it and the other changed it: %1.").arg(names);
}
inline QString mergedBothTexts(const QString &names)
{
    return QStringLiteral("\u2022 Lines changed in both copies, so both texts are kept (the other copy's lines end "
                          "in \u201C (other copy)\u201D): %1.").arg(names);
}
// "the due date of “Design”" ...: what a value is, in a sentence.
inline QString projectNameWhat() { return QStringLiteral("the project's name"); }
inline QString startDateWhat() { return QStringLiteral("the start date"); }
inline QString workWeekWhat() { return QStringLiteral("the working week"); }
inline QString goalNameWhat(const QString &name) { return QStringLiteral("the name of ") + quoted(name); }
inline QString dueDateWhat(const QString &name) { return QStringLiteral("the due date of ") + quoted(name); }
inline QString notSet() { return QStringLiteral("none"); }
inline QString noWorkingDays() { return QStringLiteral("no working day"); }
inline QString otherValue(const QString &what, const QString &value)
{
    return QStringLiteral("\u2022 Both copies changed %1: yours is kept; the other copy's is %2.").arg(what, value);
}
// The line above the tasks of a sub-goal that found no free card.
inline QString movedInNote(const QString &name, const QString &due)
{
    return due.isEmpty() ? QStringLiteral("From the other copy: %1:").arg(name)
                         : QStringLiteral("From the other copy: %1 (due %2):").arg(name, due);
}
inline QString mergedMovedIn(const QString &name, const QString &card, const QString &note)
{
    return QStringLiteral("\u2022 %1 found no free card: its name and tasks are on %2, under the line \"%3\".")
        .arg(quoted(name), quoted(card), note);
}
inline QString fileGone(const QString &path)
{
    return QStringLiteral("The project's file \"%1\" is no longer there: it was moved, renamed or deleted after "
                          "Tarvo opened it. Tarvo does not make it again on its own. Choose where to save the "
                          "project.").arg(path);
}
inline QString fileUnreadable(const QString &path, const QString &reason)
{
    return QStringLiteral("The project's file \"%1\" can no longer be read: %2\n\nTarvo does not write over "
                          "what it cannot read. Choose where to save the project.").arg(path, reason);
}
inline QString fileGoneTitle() { return QStringLiteral("Save"); }
inline QString conflictCopyQuestion(const QString &file)
{
    return QStringLiteral("A copy of this project made by a sync tool was found: %1. Merge it in?").arg(file);
}
inline QString conflictCopyTitle() { return QStringLiteral("Copy Found"); }

// The printed plan and its commands.
inline QString printPlanMenu() { return QStringLiteral("Print Plan..."); }
inline QString exportPdfMenu() { return QStringLiteral("Export PDF..."); }
inline QString exportPdfTitle() { return QStringLiteral("Export PDF"); }
inline QString pdfFilter() { return QStringLiteral("PDF files (*.pdf)"); }
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

// The timeline: a tab of the schedule panel, pages of the printed plan, a picture.
inline QString listTab() { return QStringLiteral("List"); }
inline QString timelineTab() { return QStringLiteral("Timeline"); }
inline QString timelineTitle() { return QStringLiteral("Timeline"); }
inline QString timelineName() { return QStringLiteral("Timeline of the plan"); }
inline QString timelineDays() { return QStringLiteral("Days"); }
inline QString timelineWeeks() { return QStringLiteral("Weeks"); }
inline QString timelineScaleTip() { return QStringLiteral("Ctrl+wheel over the timeline switches too"); }
inline QString timelineMonth() { return QStringLiteral("MMMM yyyy"); }   // date formats of its header
inline QString timelineShortMonth() { return QStringLiteral("MMM yyyy"); }
inline QString timelineYear() { return QStringLiteral("yyyy"); }
inline QString timelineTip(const QString &subject, const QString &dates, qint64 days)
{
    return subject + u'\n' + dates + u'\n'
           + (days == 1 ? QStringLiteral("1 working day") : QStringLiteral("%1 working days").arg(days));
}
inline QString noPlanYet()
{
    return QStringLiteral("There is no plan yet, so there is no timeline to export. Set the project's start under "
                          "%1 > %2, and every task gets its days.").arg(scheduleMenu(), scheduleCommand());
}
inline QString exportTimelineMenu() { return QStringLiteral("Export Timeline..."); }
inline QString exportTimelineTitle() { return QStringLiteral("Export Timeline"); }
inline QString pictureFilter() { return QStringLiteral("PNG or SVG pictures (*.png *.svg)"); }
inline QString timelineWhat() { return QStringLiteral("timeline"); }
inline QString notAPicture(const QString &path)
{
    return QStringLiteral("\"%1\" ends in neither .png nor .svg. Choose a name ending in .png for a picture, or in "
                          ".svg for a drawing that scales.").arg(path);
}
inline QString pictureNotEncoded() { return QStringLiteral("the picture could not be made."); }
inline QString pictureTooLarge(int width, int height)
{
    return QStringLiteral("a picture of %1 \u00D7 %2 pixels is too large; export it as .svg, or as a PDF with "
                          "Export PDF.").arg(width).arg(height);
}
} // namespace Texts
