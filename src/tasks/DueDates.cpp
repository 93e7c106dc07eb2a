// Due dates: the check box, the calendar and the card's due-date band.
#include "project/WorkingState.h"

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

} // namespace

QString WorkingState::dueDateText(const QDate &date)
{
    const QLocale locale;
    return locale.toString(date, fourDigitYear(locale.dateFormat(QLocale::ShortFormat)));
}

QDate WorkingState::parseDueDateText(const QString &text)
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

void WorkingState::chkDueDate_Click()
{
    ProjectChanged = true;
    ApplyDueDate();
}

void WorkingState::ApplyDueDate()
{
    if (RebuildingCards)
        return;
    const int i = SelectedGoalIndex;
    if (i < 1 || i > 8)
        return; // the main goal has no due date
    GoalCard &card = cards[i];
    const bool shown = m_chkDueDate;
    card.shDueDate_Visible = shown;
    card.lblDueDateDate_Visible = shown;
    if (shown) {
        const QString text = dueDateText(m_Calendar1);
        card.lblDueDateDate_Caption = QStringLiteral("Due Date: ") + text;
        card.lblDueDateDate_Tag = text;
    } else {
        card.lblDueDateDate_Tag.clear();
    }
}

void WorkingState::Calendar1_DateChange(const QDate &date)
{
    ProjectChanged = true;
    if (RebuildingCards || !m_chkDueDate)
        return;
    const int i = SelectedGoalIndex;
    if (i < 1 || i > 8)
        return;
    const QString text = dueDateText(date);
    cards[i].lblDueDateDate_Caption = QStringLiteral("Due Date: ") + text;
    cards[i].lblDueDateDate_Tag = text;
}
