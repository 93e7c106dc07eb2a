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

    // Sets the check box and the calendar to the card's due date, as
    // selecting the card shows it.
    void showCardDueDate(int index);

    // A date as due-date text: the locale's short format with a four-digit year.
    static QString dueDateText(const QDate &date);
    // That format, for callers that write many dates at once.
    static QString dueDateFormat();
    // A stored due-date text back as a date; invalid when no form reads it.
    static QDate parseDueDateText(const QString &text);

private:
    // A due date the user chose: the card takes it, and it is a change only
    // when it differs from the one stored.
    void storeDueDate(int index, const QString &text);

    WorkingState &m_s;
    bool m_chkDueDate = false;
    QDate m_Calendar1;
};
