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

QDate DueDates::parseDueDateText(const QString &stored)
{
    // A file may come from any computer: the user's own forms first, then
    // the common written ones. Two-digit years are this century's.
    const QString text = stored.trimmed();
    const auto read = [&](const QLocale &locale, const QString &format) {
        QDate date = locale.toDate(text, format);
        if (date.isValid() && !format.contains(QStringLiteral("yyyy")) && date.year() < 2000)
            date = date.addYears(100);
        return date;
    };
    const QLocale locale;
    for (QLocale::FormatType type : {QLocale::ShortFormat, QLocale::LongFormat}) {
        const QString format = locale.dateFormat(type);
        for (const QString &f : {fourDigitYear(format), format}) {
            if (const QDate date = read(locale, f); date.isValid())
                return date;
        }
    }
    const QLocale c = QLocale::c();
    const auto first = [&](std::initializer_list<const char *> formats) {
        for (const char *format : formats) {
            if (const QDate date = read(c, QString::fromLatin1(format)); date.isValid())
                return date;
        }
        return QDate();
    };
    if (const QDate date = first({"d.M.yyyy", "d.M.yy", "yyyy-M-d"}); date.isValid())
        return date;
    // Day first or month first: taken only where one reading alone is a date.
    const QDate dayFirst = first({"d/M/yyyy", "d/M/yy"});
    const QDate monthFirst = first({"M/d/yyyy", "M/d/yy"});
    if (dayFirst.isValid() != monthFirst.isValid() || dayFirst == monthFirst)
        return dayFirst.isValid() ? dayFirst : monthFirst;
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
    ApplyDueDate();
}

void DueDates::ApplyDueDate()
{
    const int i = m_s.SelectedGoalIndex;
    if (m_s.RebuildingCards || i < 1 || i > Rules::kSubGoalCards)
        return; // the main goal has no due date
    storeDueDate(i, m_chkDueDate ? dueDateText(m_Calendar1) : QString());
}

void DueDates::Calendar1_DateChange(const QDate &date)
{
    const int i = m_s.SelectedGoalIndex;
    if (m_s.RebuildingCards || !m_chkDueDate || i < 1 || i > Rules::kSubGoalCards)
        return;   // a date not taken by a card changes nothing
    storeDueDate(i, dueDateText(date));
}

void DueDates::storeDueDate(int index, const QString &text)
{
    if (m_s.cards[index].lblDueDateDate_Tag != text)
        m_s.ProjectChanged = true;
    m_s.dashboard.setDueDate(index, text);
}

void DueDates::showCardDueDate(int index)
{
    // The controls only mirror the card here, so setting them is not an
    // edit: no handler runs, and the stored text stays as it was (also one
    // written under another locale that reads as no date here).
    const QString &stored = m_s.cards[index].lblDueDateDate_Tag;
    const QDate due = parseDueDateText(stored);
    m_chkDueDate = !stored.isEmpty();
    m_Calendar1 = due.isValid() ? due : QDate::currentDate();
}
