#pragma once

#include "../platform/Drives.h"

#include <QComboBox>

// The list of roots the user can browse. Changed() follows every change of
// the selected root, by the user or by SetDrive.
class DriveListBox : public QComboBox
{
    Q_OBJECT

public:
    explicit DriveListBox(QWidget *parent = nullptr);

    void SetDrives(const std::vector<Drive> &drives);
    const std::vector<Drive> &Drives() const { return drives_; }

    QString DriveRoot() const;
    // Selects the root that holds path.
    void SetDrive(const QString &path);

signals:
    void Changed();

private:
    std::vector<Drive> drives_;
};
