#pragma once
#include <optional>

#include "project/Plan.h"

class WorkingState;

// The plan on paper: Print Plan and Export PDF over a snapshot of the open
// project. The printer and the PDF writer are reached through the modal
// seam, so the commands are decided here and tested without a window.
class PlanCommands {
public:
    explicit PlanCommands(WorkingState &state) : m_s(state) {}

    void mnuPrintPlan_Click();
    void mnuExportPdf_Click();

    // The schedule's start and end of each task, printed beside it on the
    // list pages; empty while the project has no schedule.
    TaskDates taskDates;

private:
    // The open project as a plan printed today.
    Plan plan() const;

    WorkingState &m_s;
};
