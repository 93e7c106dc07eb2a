#pragma once
#include <QDate>

class ProjectDocument;

// Due dates: the check box chkDueDate and the calendar Calendar1 of the
// side bar, which show the selected card's due date and set it.
class DueDates {
public:
    explicit DueDates(ProjectDocument &document) : m_document(document) {}

    // The check box clicked: the calendar's date becomes the due date, or
    // the due date goes.
    void chkDueDate_Click(bool checked, const QDate &calendarDate);
    // The calendar moved: a date the check box takes becomes the due date.
    void Calendar1_DateChange(const QDate &date, bool checked);
    void ApplyDueDate(bool checked, const QDate &date);

private:
    ProjectDocument &m_document;
};
