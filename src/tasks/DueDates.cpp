// Due dates: the check box and the calendar set the selected card's date.
#include "tasks/DueDates.h"

#include "project/DueDate.h"
#include "project/ProjectDocument.h"

void DueDates::chkDueDate_Click(bool checked, const QDate &calendarDate)
{
    ApplyDueDate(checked, calendarDate);
}

void DueDates::Calendar1_DateChange(const QDate &date, bool checked)
{
    // A date not taken by the check box changes nothing.
    if (checked)
        ApplyDueDate(true, date);
}

void DueDates::ApplyDueDate(bool checked, const QDate &date)
{
    // The main goal has no due date.
    m_document.setDueDate(m_document.selectedSubGoal(), checked && date.isValid() ? DueDate::text(date) : QString());
}
