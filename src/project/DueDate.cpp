#include "project/DueDate.h"

#include <QLocale>
#include <QRegularExpression>

namespace {

// The locale's short format, but always with a four-digit year, so that a
// stored date never loses its century.
QString fourDigitYear(QString format)
{
    static const QRegularExpression twoDigitYear(QStringLiteral("(?<!y)yy(?!y)"));
    return format.replace(twoDigitYear, QStringLiteral("yyyy"));
}

QDate readAs(const QLocale &locale, const QString &text, const QString &format)
{
    // Two-digit years are this century's.
    QDate date = locale.toDate(text, format);
    if (date.isValid() && !format.contains(QStringLiteral("yyyy")) && date.year() < 2000)
        date = date.addYears(100);
    return date;
}

QDate firstOf(const QString &text, std::initializer_list<const char *> formats)
{
    const QLocale c = QLocale::c();
    for (const char *format : formats) {
        if (const QDate date = readAs(c, text, QString::fromLatin1(format)); date.isValid())
            return date;
    }
    return {};
}

} // namespace

namespace DueDate {

QString format()
{
    return fourDigitYear(QLocale().dateFormat(QLocale::ShortFormat));
}

QString text(const QDate &date)
{
    return QLocale().toString(date, format());
}

QDate parse(const QString &stored)
{
    // A file may come from any computer: the user's own forms first, then
    // the common written ones.
    const QString text = stored.trimmed();
    const QLocale locale;
    for (QLocale::FormatType type : {QLocale::ShortFormat, QLocale::LongFormat}) {
        const QString form = locale.dateFormat(type);
        for (const QString &f : {fourDigitYear(form), form}) {
            if (const QDate date = readAs(locale, text, f); date.isValid())
                return date;
        }
    }
    if (const QDate date = firstOf(text, {"d.M.yyyy", "d.M.yy", "yyyy-M-d"}); date.isValid())
        return date;
    // Day first or month first: taken only where one reading alone is a date.
    const QDate dayFirst = firstOf(text, {"d/M/yyyy", "d/M/yy"});
    const QDate monthFirst = firstOf(text, {"M/d/yyyy", "M/d/yy"});
    if (dayFirst.isValid() != monthFirst.isValid() || dayFirst == monthFirst)
        return dayFirst.isValid() ? dayFirst : monthFirst;
    return {};
}

} // namespace DueDate
