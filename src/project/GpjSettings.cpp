// The project's settings as ".gpj" keys: the start as yyyy-mm-dd, the week
// as seven "1" or "0" from Monday on, the days off as yyyy-mm-dd joined by
// ",". Anything else reads as not set.
#include <algorithm>
#include <optional>

#include "project/GpjFormat.h"

namespace {

constexpr QStringView kDateForm = u"yyyy-MM-dd";

// Four-digit years only: what the form can write and read back.
bool writable(const QDate &date) { return date.isValid() && date.year() >= 1 && date.year() <= 9999; }

QString weekText(const WorkWeek &week)
{
    QString text;
    for (bool working : week)
        text += working ? u'1' : u'0';
    return text;
}

std::optional<WorkWeek> readWeek(QStringView text)
{
    if (text.size() != 7)
        return std::nullopt;
    WorkWeek week{};
    for (int d = 0; d < 7; ++d) {
        if (text[d] != u'0' && text[d] != u'1')
            return std::nullopt;
        week[d] = text[d] == u'1';
    }
    return week;
}

// "" when no day can be written.
QString daysOffText(const QList<QDate> &days)
{
    QStringList texts;
    for (const QDate &day : days) {
        if (writable(day))
            texts.append(day.toString(kDateForm));
    }
    return texts.join(u',');
}

QList<QDate> readDaysOff(QStringView text)
{
    QList<QDate> days;
    for (QStringView part : text.tokenize(u',', Qt::SkipEmptyParts)) {
        const QDate day = QDate::fromString(part.trimmed(), kDateForm);
        if (day.isValid())
            days.append(day);
    }
    std::sort(days.begin(), days.end());
    days.erase(std::unique(days.begin(), days.end()), days.end());
    return days;
}

} // namespace

namespace Gpj {

ProjectSettings readSettings(QStringView start, QStringView workWeek, QStringView daysOff)
{
    return {QDate::fromString(start, kDateForm), readWeek(workWeek), readDaysOff(daysOff)};
}

QList<std::pair<QStringView, QString>> settingsEntries(const ProjectSettings &settings)
{
    QList<std::pair<QStringView, QString>> entries;
    if (writable(settings.start))
        entries.append({u"Start", settings.start.toString(kDateForm)});
    if (settings.workWeek)
        entries.append({u"WorkWeek", weekText(*settings.workWeek)});
    if (const QString days = daysOffText(settings.daysOff); !days.isEmpty())
        entries.append({u"DaysOff", days});
    return entries;
}

} // namespace Gpj
