// Working days: the working week less the days off.
#include "project/WorkCalendar.h"

#include <QLocale>
#include <algorithm>

bool hasWorkingDay(const WorkWeek &week)
{
    return std::find(week.begin(), week.end(), true) != week.end();
}

WorkWeek workWeekOf(const QLocale &locale)
{
    WorkWeek week{};
    for (Qt::DayOfWeek day : locale.weekdays())
        week[size_t(day - 1)] = true;
    // A locale that names no weekday would leave nothing to plan on.
    return hasWorkingDay(week) ? week : kDefaultWorkWeek;
}

WorkWeek defaultWorkWeek()
{
    return workWeekOf(QLocale());
}

WorkCalendar::WorkCalendar(const WorkWeek &week, QList<QDate> daysOff)
    : m_week(week), m_perWeek(int(std::count(week.begin(), week.end(), true))), m_daysOff(std::move(daysOff))
{
}

WorkCalendar WorkCalendar::of(const ProjectSettings &settings)
{
    return WorkCalendar(settings.workWeek.value_or(defaultWorkWeek()), settings.daysOff);
}

bool WorkCalendar::isWorkingDay(const QDate &date) const
{
    return inWeek(date) && (m_daysOff.isEmpty() || !std::binary_search(m_daysOff.begin(), m_daysOff.end(), date));
}

QDate WorkCalendar::firstWorkingDayFrom(QDate date) const
{
    // Ends: a week with a working day has one in every seven days, and the
    // days off are finitely many.
    while (!isWorkingDay(date))
        date = date.addDays(1);
    return date;
}

qsizetype WorkCalendar::daysOffWithin(const QDate &first, const QDate &last) const
{
    if (m_daysOff.isEmpty() || last < first)
        return 0;
    const auto from = std::lower_bound(m_daysOff.begin(), m_daysOff.end(), first);
    const auto to = std::upper_bound(from, m_daysOff.end(), last);
    return std::count_if(from, to, [this](const QDate &day) { return inWeek(day); });
}

QDate WorkCalendar::nthWorkingDay(const QDate &start, int n) const
{
    // The week alone first, a whole week at a time ...
    int rest = n - 1;
    QDate date = start.addDays(qint64(rest / m_perWeek) * 7);
    rest %= m_perWeek;
    while (rest > 0) {
        date = date.addDays(1);
        if (inWeek(date))
            --rest;
    }
    // ... then one working day more for each day off on the way, skipping
    // the days off met after it too.
    qsizetype lost = daysOffWithin(start, date);
    while (lost > 0) {
        date = date.addDays(1);
        if (isWorkingDay(date))
            --lost;
    }
    return date;
}

qint64 WorkCalendar::workingDaysAfter(const QDate &from, const QDate &to) const
{
    if (!from.isValid() || !to.isValid() || to <= from)
        return 0;
    const qint64 span = from.daysTo(to);
    qint64 days = (span / 7) * m_perWeek;
    QDate date = from.addDays((span / 7) * 7);
    while (date < to) {
        date = date.addDays(1);
        days += inWeek(date);
    }
    return days - daysOffWithin(from.addDays(1), to);
}
