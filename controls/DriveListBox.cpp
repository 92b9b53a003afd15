#include "DriveListBox.h"

DriveListBox::DriveListBox(QWidget *parent)
    : QComboBox(parent)
    , request_(lane_, [this](std::optional<std::vector<Drive>> drives) {
        if (drives)
            SetDrives(*drives);
    })
{
    SetDrives({{QStringLiteral("/"), QStringLiteral("/")}});
    Refresh();
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
    request_.Start([list = listDrives] { return list(); });
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
