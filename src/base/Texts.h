#pragma once
#include <QCoreApplication>
#include <QString>
#include <QStringList>

// The system's own texts, written once. A caption that appears in three
// files drifts; here it is changed in one place for the whole program.
// Each goes through tr(), so that Qt Linguist finds it (context "Texts")
// and the user reads it in their language. What is written into a file (a
// project's merge notes, "Done: " in a calendar) stays the same in every
// language: a file never changes with the language it was saved in.

class Texts {
    Q_DECLARE_TR_FUNCTIONS(Texts)

public:
    static QString productName() { return QStringLiteral("Tarvo"); }
    // Product, " Pro ", version, and a trailing blank.
    static QString mainWindowCaption() { return productName() + QStringLiteral(" Pro ") + QStringLiteral("v1.4") + u' '; }

    static QString defaultProjectName() { return tr("My Goal"); }
    static QString noFilename() { return tr("New Project (No Filename)"); }
    static QString openProjectsFolder() { return tr("Open the projects folder"); }
    static QString mainGoalLabel() { return tr("Main Goal:"); }
    static QString subGoalLabel() { return tr("Sub Goal:"); }
    static QString goalNameLabelAtStart() { return tr("Goal Name:"); }
    static QString addModeLabel() { return tr("Add New Sub-Goal:"); }
    static QString renameModeLabel() { return tr("Edit Sub-Goal Name:"); }
    static QString charsLeft(qsizetype n) { return tr("Characters Left: %1").arg(n); }
    static QString cardCaptionAtStart() { return tr("Goal"); }
    // What a screen reader calls the parts that show no name of their own.
    static QString sidebarName() { return tr("Side bar"); }
    static QString cardsName() { return tr("Cards"); }
    static QString taskBoxName() { return tr("Project tasks"); }
    static QString calendarName() { return tr("Due date calendar"); }
    static QString eventListName() { return tr("Schedule list"); }

    // The counters of a card and its due-date caption.
    static QString tasksCounter(qsizetype n) { return tr("Tasks: %1").arg(n); }
    static QString completedCounter(qsizetype n) { return tr("Completed: %1").arg(n); }
    static QString pendingCounter(qsizetype n) { return tr("Pending: %1").arg(n); }
    static QString dueDateCaption(const QString &due) { return tr("Due Date: %1").arg(due); }

    // Messages: text and title.
    static QString tooManySubGoals()
    {
        return tr("Ooops! You can create up to 8 sub-goals per goal so you can keep an eye on everything "
                  "(sometimes less is more).");
    }
    static QString tooManySubGoalsTitle() { return tr("Ooops"); }
    static QString confirmDelete() { return tr("Delete Sub Goal?"); }
    static QString confirmDeleteTitle() { return tr("Confirm"); }
    static QString saveChangesQuestion() { return tr("Want to save changes before?"); }
    static QString saveChangesTitle() { return tr("Save Changes"); }
    static QString projectSaved() { return tr("Ready! Project saved."); }
    static QString projectSavedTitle() { return tr("Done"); }
    static QString saveFailedTitle() { return tr("Save Failed"); }
    static QString openFailedTitle() { return tr("Open Failed"); }
    static QString tasksTitle() { return tr("Tasks"); }
    static QString notAProject()
    {
        return tr("It is not a Tarvo project: it has neither a [Project] nor a [Goals] section.");
    }
    static QString notOpened(const QString &path, const QString &reason)
    {
        return tr("The project \"%1\" could not be opened.\n\n%2").arg(path, reason);
    }
    static QString notSaved(const QString &path, const QString &reason)
    {
        return tr("The project could not be saved to \"%1\".\n\n%2").arg(path, reason);
    }
    static QString tooLargeToOpen(qint64 megabytes, qint64 limit)
    {
        return tr("At %1 MB it would be larger than the %2 MB a project may have to be opened again. "
                  "Shorten some task lists and save again.").arg(megabytes).arg(limit);
    }
    static QString folderNotCreated(const QString &folder)
    {
        return tr("The folder \"%1\" could not be created.").arg(folder);
    }
    static QString noFileBrowser(const QString &folder)
    {
        return tr("No file browser could be started to show \"%1\".").arg(folder);
    }
    static QString tasksNotWritten(const QString &path, const QString &reason)
    {
        return tr("The tasks could not be written to \"%1\": %2\n\nThey are kept, and written as soon as "
                  "the file can be.").arg(path, reason);
    }
    static QString tasksNotRead(const QString &path, const QString &reason)
    {
        return tr("The tasks could not be read from \"%1\": %2").arg(path, reason);
    }
    static QString notRestored(const QString &reason)
    {
        return tr("The changes could not be restored: %1").arg(reason);
    }
    static QString recoveryUnreadable(const QString &path)
    {
        return tr("Changes left by an earlier run could not be read. They are kept in \"%1\".").arg(path);
    }
    static QString recoveryNotWritten(const QString &path, const QString &reason)
    {
        return tr("The copy of your unsaved changes could not be written to \"%1\": %2\n\nSave the project "
                  "to keep them safe.").arg(path, reason);
    }
    static QString lockLost(const QString &folder)
    {
        return tr("Another Tarvo now uses the folder \"%1\", so this one no longer writes there. Save your "
                  "project with Save As, close this window and carry on in the other Tarvo.").arg(folder);
    }
    static QString unsafeKey(const QString &key)
    {
        return tr("the sub-goal key \"%1\" cannot name a task file.").arg(key);
    }
    static QString selectAFile() { return tr("Please select a file."); }
    static QString missingInfoTitle() { return tr("Missing Info"); }
    static QString enterAName() { return tr("Please enter a name for the file."); }
    static QString invalidName() { return tr("Please remove any spaces and/or special characters."); }
    static QString invalidNameTitle() { return tr("Invalid Name"); }
    static QString overwriteQuestion() { return tr("File already exists. Want to overwrite it?"); }
    static QString overwriteTitle() { return tr("File Already Exists"); }
    static QString printFinished() { return tr("Print Job Finished"); }
    static QString restoreQuestion() { return tr("Tarvo was closed before your changes were saved. Restore them?"); }
    static QString restoreTitle() { return tr("Restore"); }
    static QString nothingPrinted(const QString &reason) { return tr("Nothing was printed: %1").arg(reason); }

    // The schedule panel and its messages.
    static QString scheduleCommand() { return tr("Schedule"); }
    static QString scheduleMenu() { return tr("Plan"); }
    static QString scheduleTitle() { return tr("Schedule"); }
    static QString noWorkingDay()
    {
        return tr("The working week has no working day, so no task can be scheduled. "
                  "Tick at least one day and prepare the calendar again.");
    }
    static QString tasksLeftOut(qsizetype n)
    {
        return tr("%1 task(s) would end after the year 9999 and were left out of the schedule.").arg(n);
    }
    static QString taskLinesCopied(qsizetype n)
    {
        return n == 1 ? tr("The task line of the 1 item is on the clipboard.")
                      : tr("The task lines of the %1 items are on the clipboard.").arg(n);
    }
    static QString endsAfterDueDate(const QString &due) { return tr("Ends after the due date, %1").arg(due); }
    // A "+" mark that is no duration, on its row of the list.
    static QString notUnderstood(const QString &text)
    {
        return tr("“%1” was not understood, so this task lasts one day. End the line with "
                  "“+ 3”, “+ 3 days” or “+ 2 weeks”.").arg(text);
    }
    // Before the subject of a done task in the exports, when they include it.
    static QString donePrefix() { return QStringLiteral("Done: "); }
    // The list's print: a title, then a table with these columns after the
    // one that ticks done tasks.
    static QString scheduleOf(const QString &project) { return tr("Schedule of %1").arg(project); }
    static QStringList printedColumns() { return {tr("Subject"), tr("Sub-Goal"), tr("Start"), tr("End")}; }
    // The panel's captions set in code.
    static QString includeDoneTasks() { return tr("Include d&one tasks"); }
    static QString daysOffLabel() { return tr("Days off:"); }
    static QString addDayOff() { return tr("A&dd"); }
    static QString removeDayOff() { return tr("Re&move"); }
    static QString exportCsvTitle() { return tr("Export CSV"); }
    static QString exportIcsTitle() { return tr("Export iCalendar"); }
    static QString csvFilter() { return tr("CSV files (*.csv)"); }
    static QString icsFilter() { return tr("iCalendar files (*.ics)"); }
    // "The calendar could not be written to ...", "The plan ...".
    static QString notWritten(const QString &what, const QString &path, const QString &reason)
    {
        return tr("The %1 could not be written to \"%2\": %3").arg(what, path, reason);
    }
    static QString exportFailedTitle() { return tr("Export Failed"); }
    static QString calendarWhat() { return tr("calendar"); }
    static QString planWhat() { return tr("plan"); }
    // The steps of the Edit menu's Undo and Redo; “ ” around names.
    static QString quoted(const QString &name) { return QStringLiteral("“") + name + QStringLiteral("”"); }
    static QString stepAdd(const QString &name) { return tr("Add %1").arg(quoted(name)); }
    static QString stepDelete(const QString &name) { return tr("Delete %1").arg(quoted(name)); }
    static QString stepRename(const QString &name) { return tr("Rename %1").arg(quoted(name)); }
    static QString stepDueDate(const QString &name) { return tr("Due Date of %1").arg(quoted(name)); }
    static QString stepProjectName() { return tr("Project Name"); }
    static QString stepStartDate() { return tr("Start Date"); }
    static QString stepWorkingWeek() { return tr("Working Week"); }
    static QString alreadyRunning() { return tr("Tarvo is already running from this folder."); }
    static QString stepDaysOff() { return tr("Days Off"); }
    static QString stepStartsAfter(const QString &name) { return tr("Sequence of %1").arg(quoted(name)); }

    // Sub-goals in sequence: the side bar's cboStartsAfter.
    static QString startsAfterLabel() { return tr("Starts after:"); }
    static QString startsAfterNone() { return tr("(none)"); }
    static QString sequenceTitle() { return tr("Sequence"); }
    static QString sequenceLoop(const QString &name, const QString &other)
    {
        return tr("%1 cannot start after %2: %2 already waits for %1 to end, so neither could ever start. "
                  "Nothing was changed.").arg(quoted(name), quoted(other));
    }

    // A card's slack under its due-date band, and why the band is red.
    static QString slackSpare(qint64 days)
    {
        if (days == 0)
            return tr("On time, no day to spare");
        return days == 1 ? tr("1 day to spare") : tr("%1 days to spare").arg(days);
    }
    static QString slackLate(qint64 days)
    {
        return days == 1 ? tr("Late by 1 working day") : tr("Late by %1 working days").arg(days);
    }
    // A card as a screen reader reads it: "Design, due 12 March 2027, 3 of 5
    // done, late by 2 working days".
    static QString dueOn(const QString &date) { return tr("due %1").arg(date); }
    static QString doneOf(qsizetype done, qsizetype all) { return tr("%1 of %2 done").arg(done).arg(all); }
    static QString lateBy(qint64 days)
    {
        return days == 1 ? tr("late by 1 working day") : tr("late by %1 working days").arg(days);
    }
    static QString toSpare(qint64 days) { return days == 1 ? tr("1 day to spare") : tr("%1 days to spare").arg(days); }
    static QString dueDatePassed() { return tr("The due date has passed with tasks still pending."); }
    static QString planEndsAfterDue(const QString &end)
    {
        return tr("The plan ends after the due date, on %1.").arg(end);
    }

    // Another copy of the open project: a synced folder, another device.
    static QString updatedFromDisk() { return tr("Updated from disk"); }
    static QString changedOnDisk();
    static QString goneFromDisk() { return tr("The project's file is no longer on disk."); }
    static QString stepUpdateFromDisk() { return tr("Update from Disk"); }
    static QString mergedTitle() { return tr("Merged"); }
    static QString mergedAtSave(const QStringList &lines);
    static QString mergedCopy(const QString &file, const QStringList &lines);
    static QString mergedNothingNew() { return tr("• It holds nothing that the open project lacks."); }
    static QString otherCopyMarker() { return QStringLiteral(" (other copy)"); }
    static QString mergedAdded(const QString &names) { return tr("• Added in the other copy: %1.").arg(names); }
    static QString mergedChanged(const QString &names);
    static QString mergedTakenIn(const QString &what) { return tr("• Taken from the other copy: %1.").arg(what); }
    static QString mergedRemoved(const QString &names);
    static QString mergedKeptDeleted(const QString &names);
    static QString mergedBothTexts(const QString &names);
    // "the due date of “Design”" ...: what a value is, in a sentence.
    static QString projectNameWhat() { return tr("the project's name"); }
    static QString startDateWhat() { return tr("the start date"); }
    static QString workWeekWhat() { return tr("the working week"); }
    static QString goalNameWhat(const QString &name) { return tr("the name of %1").arg(quoted(name)); }
    static QString dueDateWhat(const QString &name) { return tr("the due date of %1").arg(quoted(name)); }
    static QString notSet() { return tr("none"); }
    static QString noWorkingDays() { return tr("no working day"); }
    static QString otherValue(const QString &what, const QString &value);
    // The line above the tasks of a sub-goal that found no free card.
    static QString movedInNote(const QString &name, const QString &due);
    static QString mergedMovedIn(const QString &name, const QString &card, const QString &note);
    static QString fileGone(const QString &path);
    static QString fileUnreadable(const QString &path, const QString &reason);
    static QString fileGoneTitle() { return tr("Save"); }
    static QString conflictCopyQuestion(const QString &file);
    static QString conflictCopyTitle() { return tr("Copy Found"); }

    // The printed plan and its commands.
    static QString printPlanMenu() { return tr("&Print Plan..."); }
    static QString exportPdfMenu() { return tr("&Export PDF..."); }
    static QString exportPdfTitle() { return tr("Export PDF"); }
    static QString pdfFilter() { return tr("PDF files (*.pdf)"); }
    static QString printedOn(const QString &date) { return tr("Printed on %1").arg(date); }
    static QString overdue() { return tr("Overdue"); }
    static QString endsLate() { return tr("Ends late"); }
    static QString doneTick() { return QStringLiteral("✓"); }   // before a completed task
    static QString andMore(qsizetype n) { return tr("… and %1 more").arg(n); }
    static QString doneOfAll(qsizetype done, qsizetype all) { return QStringLiteral("%1 / %2").arg(done).arg(all); }
    static QString noTasks() { return tr("No tasks yet"); }
    static QString pageOf(int page, int pages) { return tr("Page %1 of %2").arg(page).arg(pages); }
    static QString fromTo(const QString &start, const QString &end) { return start + QStringLiteral(" – ") + end; }
    static QString planNotPrinted(const QString &target, const QString &reason)
    {
        return tr("The plan could not be printed on \"%1\": %2").arg(target, reason);
    }
    static QString printerNotStarted() { return tr("The printer could not be started."); }
    static QString deviceNotOpened() { return tr("it could not be opened."); }
    static QString pageNotStarted() { return tr("a new page could not be started."); }
    static QString pagesNotFinished() { return tr("the pages could not be finished."); }
    static QString printFailedTitle() { return tr("Print Failed"); }

    // The timeline: a tab of the schedule panel, pages of the printed plan, a picture.
    static QString listTab() { return tr("List"); }
    static QString timelineTab() { return tr("Timeline"); }
    static QString timelineTitle() { return tr("Timeline"); }
    static QString timelineName() { return tr("Timeline of the plan"); }
    static QString timelineDays() { return tr("Da&ys"); }
    static QString timelineWeeks() { return tr("&Weeks"); }
    static QString timelineScaleTip() { return tr("Ctrl+wheel over the timeline switches too"); }
    static QString timelineMonth() { return tr("MMMM yyyy"); }   // date formats of its header
    static QString timelineShortMonth() { return tr("MMM yyyy"); }
    static QString timelineYear() { return tr("yyyy"); }
    static QString timelineTip(const QString &subject, const QString &dates, qint64 days)
    {
        return subject + u'\n' + dates + u'\n'
               + (days == 1 ? tr("1 working day") : tr("%1 working days").arg(days));
    }
    static QString noPlanYet()
    {
        return tr("There is no plan yet, so there is no timeline to export. Set the project's start under "
                  "%1 > %2, and every task gets its days.").arg(scheduleMenu(), scheduleCommand());
    }
    static QString exportTimelineMenu() { return tr("Export &Timeline..."); }
    static QString exportTimelineTitle() { return tr("Export Timeline"); }
    static QString pictureFilter() { return tr("PNG or SVG pictures (*.png *.svg)"); }
    static QString timelineWhat() { return tr("timeline"); }
    static QString notAPicture(const QString &path)
    {
        return tr("\"%1\" ends in neither .png nor .svg. Choose a name ending in .png for a picture, or in "
                  ".svg for a drawing that scales.").arg(path);
    }
    static QString pictureNotEncoded() { return tr("the picture could not be made."); }
    static QString pictureTooLarge(int width, int height)
    {
        return tr("a picture of %1 × %2 pixels is too large; export it as .svg, or as a PDF with "
                  "Export PDF.").arg(width).arg(height);
    }
    // The menus; the letter after "&" opens or picks an item with Alt.
    static QString menuProject() { return tr("&Project"); }
    static QString menuNew() { return tr("&New"); }
    static QString menuOpen() { return tr("&Open"); }
    static QString menuSave() { return tr("&Save"); }
    static QString menuSaveAs() { return tr("Save &As..."); }
    static QString menuExit() { return tr("E&xit"); }
    static QString menuEdit() { return tr("&Edit"); }
    static QString menuUndo() { return tr("&Undo"); }
    static QString menuRedo() { return tr("&Redo"); }
    static QString menuHelp() { return tr("&Help"); }
    static QString menuTips() { return tr("&Tips"); }
    static QString menuPlan() { return tr("Pl&an"); }
    static QString menuSchedule() { return tr("&Schedule"); }

    // Why a second start is refused.
    static QString folderNotWritable(const QString &folder)
    {
        return tr("Tarvo cannot start: it cannot write in the folder \"%1\", where it keeps the open project's "
                  "tasks. Make that folder writable, or run Tarvo from a folder you can write to.").arg(folder);
    }
    static QString lockUnreadable(const QString &folder, const QString &lockFile)
    {
        return tr("Tarvo cannot tell whether another Tarvo uses the folder \"%1\": its lock file \"%2\" cannot be "
                  "read. If no Tarvo is running from this folder, delete that file and start Tarvo again.")
            .arg(folder, lockFile);
    }
    static QString usedOnOtherComputer(const QString &folder, const QString &host, const QString &lockFile)
    {
        return tr("The folder \"%1\" is in use by Tarvo on the computer \"%2\". If Tarvo is not running there "
                  "any more, delete the lock file \"%3\" and start Tarvo again.").arg(folder, host, lockFile);
    }

    // The schedule list's columns as shown; the CSV file keeps the English
    // names calendars import.
    static QStringList listColumns()
    {
        return {tr("Subject"), tr("Start Date"), tr("Start Time"), tr("End Date"), tr("End Time"),
                tr("All Day Event"), tr("Description"), tr("Location"), tr("Private")};
    }
    static QString trueValue() { return tr("True"); }
    static QString falseValue() { return tr("False"); }
};

