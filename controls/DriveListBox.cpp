#include "DriveListBox.h"

DriveListBox::DriveListBox(QWidget *parent)
    : QComboBox(parent)
{
    SetDrives(ListDrives());
    connect(this, &QComboBox::currentIndexChanged, this, &DriveListBox::Changed);
}

void DriveListBox::SetDrives(const std::vector<Drive> &drives)
{
    const QSignalBlocker blocker(this);
    drives_ = drives;
    clear();
    for (const Drive &drive : drives_)
        addItem(drive.label, drive.root);
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
