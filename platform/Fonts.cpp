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
    const QStringList substitutes = QFont::substitutes(face);
    QFont font;
    font.setFamilies(substitutes.isEmpty() ? QStringList{face} : substitutes);
    return font;
}
