#include "Desktop.h"

#include <QApplication>
#include <QFont>
#include <QMessageBox>
#include <QScreen>
#include <QWidget>

void Beep()
{
    QApplication::beep();
}

void CentreOnScreen(QWidget *window)
{
    if (!window->screen())
        return;
    QRect placed = window->frameGeometry();
    placed.moveCenter(window->screen()->availableGeometry().center());
    window->move(placed.topLeft());
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
