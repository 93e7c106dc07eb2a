#pragma once
#include <QDate>
#include <QList>

#include "project/Project.h"

class QLocale;

constexpr WorkWeek kDefaultWorkWeek = {true, true, true, true, true, false, false};   // Monday to Friday
bool hasWorkingDay(const WorkWeek &week);
// The working week where the locale is used (QLocale::weekdays()): Monday
// to Friday in most countries, Sunday to Thursday in some.
WorkWeek workWeekOf(const QLocale &locale);
// The week a project that has none saved is planned over: the user's
// locale's. It is never written into the project for them.
WorkWeek defaultWorkWeek();

// The days that are worked: the days of the working week, less the days
// off. Every count walks whole weeks at once, so a task of 9,999 days or a
// due date years away costs no more than one of a day.
class WorkCalendar {
public:
    // daysOff sorted, each once, as ProjectSettings holds them.
    explicit WorkCalendar(const WorkWeek &week = kDefaultWorkWeek, QList<QDate> daysOff = {});
    static WorkCalendar of(const ProjectSettings &settings);

    bool hasWorkingDay() const { return m_perWeek > 0; }
    int daysPerWeek() const { return m_perWeek; }
    bool isWorkingDay(const QDate &date) const;
    // date itself when it is worked, else the next day that is.
    QDate firstWorkingDayFrom(QDate date) const;
    // The nth working day counting start, itself a working day (n >= 1).
    QDate nthWorkingDay(const QDate &start, int n) const;
    // The working days after from, up to and including to; 0 when to is
    // not after from.
    qint64 workingDaysAfter(const QDate &from, const QDate &to) const;

private:
    bool inWeek(const QDate &date) const { return m_week[date.dayOfWeek() - 1]; }
    // The days off from first to last, both included, that fall on a day
    // of the working week: each is a working day lost.
    qsizetype daysOffWithin(const QDate &first, const QDate &last) const;

    WorkWeek m_week;
    int m_perWeek;
    QList<QDate> m_daysOff;
};
