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
    // The first substitute alone: naming the second as well makes the font
    // engine look up fall-back faces for both at start. Without the first
    // face installed, fontconfig picks the nearest it has all the same.
    const QStringList substitutes = QFont::substitutes(face);
    QFont font;
    font.setFamily(substitutes.isEmpty() ? face : substitutes.first());
    return font;
}
