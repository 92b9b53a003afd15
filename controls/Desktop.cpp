#include "Desktop.h"

#include <QApplication>
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
