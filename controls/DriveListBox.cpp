#include "DriveListBox.h"

DriveListBox::DriveListBox(QWidget *parent)
    : QComboBox(parent)
{
    SetDrives(ListDrives());
    connect(this, &QComboBox::activated, this, &DriveListBox::Changed);
}

void DriveListBox::SetDrives(const std::vector<Drive> &drives)
{
    const QString shown = DriveRoot();
    drives_ = drives;
    clear();
    for (const Drive &drive : drives_)
        addItem(drive.label, drive.root);
    SetDrive(shown.isEmpty() ? QStringLiteral("/") : shown);
}

void DriveListBox::Refresh()
{
    SetDrives(ListDrives());
}

QString DriveListBox::DriveRoot() const
{
    return currentData().toString();
}

void DriveListBox::SetDrive(const QString &path)
{
    const int index = findData(DriveOf(path, drives_));
    if (index >= 0)
        setCurrentIndex(index);
}
