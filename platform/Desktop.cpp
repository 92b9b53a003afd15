#include "Desktop.h"

#include <QApplication>
#include <QFont>
#include <QMessageBox>

void Beep()
{
    QApplication::beep();
}

void MessageBox(QWidget *parent, const QString &prompt, int style, const QString &title)
{
    QMessageBox box(style == kExclamationOk ? QMessageBox::Warning : QMessageBox::NoIcon, title,
                    prompt, QMessageBox::Ok, parent);
    box.exec();
}

void MapWindowsFonts()
{
    const QStringList substitutes{QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")};
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), substitutes);
    QFont::insertSubstitutions(QStringLiteral("Arial"), substitutes);
}
