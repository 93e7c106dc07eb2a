#include "project/Problems.h"

#include <QStringList>

void Problems::set(Source source, const QString &text)
{
    if (m_texts.value(source) == text)
        return;
    if (text.isEmpty())
        m_texts.remove(source);
    else
        m_texts.insert(source, text);
    emit changed(all());
}

QString Problems::all() const
{
    return QStringList(m_texts.values()).join(QStringLiteral("\n\n"));
}
