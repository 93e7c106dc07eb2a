#pragma once
#include <QString>

#include "app/Shell.h"
#include "base/Folders.h"
#include "component/KestrelTools.h"
#include "dashboard/Dashboard.h"
#include "events/EventList.h"
#include "events/PlanCommands.h"
#include "events/ScheduleCommands.h"
#include "project/BaseCopy.h"
#include "project/DiskSync.h"
#include "project/Problems.h"
#include "project/ProjectCommands.h"
#include "project/ProjectDocument.h"
#include "project/Recovery.h"
#include "project/TaskFiles.h"
#include "project/TmpFolder.h"
#include "tasks/DueDates.h"
#include "tasks/StartsAfter.h"
#include "tasks/Tasks.h"

class Ask;
class Output;
class QLockFile;

// One running Tarvo without its window: the open project's document, what
// follows it on disk (task files, the recovery copy), and the commands of
// each part, every one given only what it needs. The window shows the
// document and forwards the user's actions to these commands; tests drive
// them directly.
class Session {
public:
    // lock: the instance lock of this run, looked after while it lasts;
    // none in tests.
    Session(const QString &appFolder, Ask &ask, Output &output, QLockFile *lock = nullptr);
    Session(const Session &) = delete;
    Session &operator=(const Session &) = delete;

    Ask &ask;
    Output &output;
    Folders folders;
    KestrelTools tools;
    Problems problems;           // what the user must learn but need not answer at once
    TmpFolder tmp;
    ProjectDocument document;
    TaskFiles taskFiles;
    Recovery recovery;
    BaseCopy base;               // the open project's file as last read or written

    ProjectCommands project;     // New, Open, Save and Save As
    TaskList tasks;              // the task box
    DueDates dueDates;           // the due-date check box and calendar
    StartsAfter startsAfter;     // the sub-goal the selected one starts after
    Dashboard dashboard;         // adding, renaming, selecting, deleting sub-goals
    EventList events;            // the calendar event list
    ScheduleCommands schedule;   // start date, working week, Prepare Calendar, exports
    PlanCommands plan;           // Print Plan and Export PDF
    Shell shell;                 // tips and the projects folder
    DiskSync sync;               // the file as other devices change it

    // Asks about unsaved work a run that did not end cleanly left behind;
    // the base of its file comes back with it.
    void offerRestore();
};
