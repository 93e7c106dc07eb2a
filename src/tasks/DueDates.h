#pragma once
#include <QDate>
#include <QString>

class WorkingState;

// Due dates: the check box chkDueDate and the calendar Calendar1 of the side
// bar, which mirror the selected card's due date, and the due-date text.
class DueDates {
public:
    explicit DueDates(WorkingState &state);

    bool chkDueDate() const { return m_chkDueDate; }
    void setChkDueDate(bool checked);                 // runs chkDueDate_Click on a change
    QDate Calendar1() const { return m_Calendar1; }
    void setCalendar1(const QDate &date);             // runs Calendar1_DateChange on a change

    void chkDueDate_Click();
    void ApplyDueDate();
    void Calendar1_DateChange(const QDate &date);

    // The selecting card's step: the check box first, then the calendar.
    void showCardDueDate(int index);

    // A date as due-date text: the locale's short format with a four-digit year.
    static QString dueDateText(const QDate &date);
    // That format, for callers that write many dates at once.
    static QString dueDateFormat();
    // A stored due-date text back as a date; invalid when no form reads it.
    static QDate parseDueDateText(const QString &text);

private:
    WorkingState &m_s;
    bool m_chkDueDate = false;
    QDate m_Calendar1;
};
