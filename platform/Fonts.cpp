#include "Fonts.h"

#include <QFont>
#include <QStringList>

void MapWindowsFonts()
{
    const QStringList substitutes{QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")};
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), substitutes);
    QFont::insertSubstitutions(QStringLiteral("Arial"), substitutes);
}

QFont WindowsFont(const QString &face)
{
    return QFont(QFont::substitute(face));
}
