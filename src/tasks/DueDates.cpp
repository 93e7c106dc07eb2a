// Due dates: the check box, the calendar and the card's due-date band.
#include "tasks/DueDates.h"

#include <QLocale>
#include <QRegularExpression>

#include "app/Modals.h"
#include "project/WorkingState.h"

namespace {

// The locale's short format, but always with a four-digit year, so that a
// stored date never loses its century.
QString fourDigitYear(QString format)
{
    static const QRegularExpression twoDigitYear(QStringLiteral("(?<!y)yy(?!y)"));
    return format.replace(twoDigitYear, QStringLiteral("yyyy"));
}

} // namespace

DueDates::DueDates(WorkingState &state) : m_s(state), m_Calendar1(QDate::currentDate()) {}

QString DueDates::dueDateFormat()
{
    return fourDigitYear(QLocale().dateFormat(QLocale::ShortFormat));
}

QString DueDates::dueDateText(const QDate &date)
{
    return QLocale().toString(date, dueDateFormat());
}

QDate DueDates::parseDueDateText(const QString &text)
{
    const QLocale locale;
    const QString shortFormat = locale.dateFormat(QLocale::ShortFormat);
    const QStringList localeFormats = {fourDigitYear(shortFormat), shortFormat,
                                       locale.dateFormat(QLocale::NarrowFormat)};
    for (const QString &format : localeFormats) {
        const QDate date = locale.toDate(text, format);
        if (date.isValid())
            return date;
    }
    for (const char *format : {"dd/MM/yyyy", "d/M/yyyy", "M/d/yyyy", "yyyy-MM-dd"}) {
        const QDate date = QDate::fromString(text, QString::fromLatin1(format));
        if (date.isValid())
            return date;
    }
    return {};
}

void DueDates::setChkDueDate(bool checked)
{
    if (m_chkDueDate == checked)
        return;
    m_chkDueDate = checked;
    chkDueDate_Click();
}

void DueDates::setCalendar1(const QDate &date)
{
    if (!date.isValid() || m_Calendar1 == date)
        return;
    m_Calendar1 = date;
    Calendar1_DateChange(date);
}

void DueDates::chkDueDate_Click()
{
    m_s.ProjectChanged = true;
    ApplyDueDate();
}

void DueDates::ApplyDueDate()
{
    const int i = m_s.SelectedGoalIndex;
    if (m_s.RebuildingCards || i < 1 || i > Rules::kSubGoalCards)
        return; // the main goal has no due date
    m_s.dashboard.setDueDate(i, m_chkDueDate ? dueDateText(m_Calendar1) : QString());
}

void DueDates::Calendar1_DateChange(const QDate &date)
{
    m_s.ProjectChanged = true;
    const int i = m_s.SelectedGoalIndex;
    if (m_s.RebuildingCards || !m_chkDueDate || i < 1 || i > Rules::kSubGoalCards)
        return;
    m_s.dashboard.setDueDate(i, dueDateText(date));
}

void DueDates::showCardDueDate(int index)
{
    // The check box goes first, then the calendar: its click shows the
    // card's date from whatever the calendar holds at that moment.
    const QString stored = m_s.cards[index].lblDueDateDate_Tag;
    if (stored.isEmpty()) {
        setChkDueDate(false);
        setCalendar1(QDate(1998, 2, 20));
        m_s.modals().DoEvents();
        setCalendar1(QDate::currentDate());
        return;
    }
    const QDate due = parseDueDateText(stored);
    setChkDueDate(true);
    m_s.modals().DoEvents();
    setCalendar1(due.isValid() ? due : QDate::currentDate());
    // Selecting is not editing: the stored text stays as it was, also when
    // it was written under another locale and does not read back.
    m_s.dashboard.setDueDate(index, stored);
}
