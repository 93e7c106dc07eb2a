#include "app/widgets/FontSetup.h"

#include <QFont>
#include <QStringList>

void installFontSubstitutions()
{
    const QStringList sans = {QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans"),
                              QStringLiteral("Noto Sans"), QStringLiteral("FreeSans")};
    QFont::insertSubstitutions(QStringLiteral("Verdana"), sans);
    QFont::insertSubstitutions(QStringLiteral("Trebuchet MS"), sans);
    QFont::insertSubstitutions(QStringLiteral("Arial Black"),
                               {QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")});
    QFont::insertSubstitutions(QStringLiteral("Arial"), sans);
}
