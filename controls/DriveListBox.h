#pragma once

#include "platform/Drives.h"

#include <QComboBox>

// The list of roots the user can browse. Changed() follows the user's choice
// of another root; SetDrive and Refresh change the shown root silently.
class DriveListBox : public QComboBox
{
    Q_OBJECT

public:
    explicit DriveListBox(QWidget *parent = nullptr);

    void SetDrives(const std::vector<Drive> &drives);
    const std::vector<Drive> &Drives() const { return drives_; }
    // Reads the mounted roots afresh, keeping the shown root when it is still there.
    void Refresh();

    QString DriveRoot() const;
    // Shows the root that holds path.
    void SetDrive(const QString &path);

signals:
    void Changed();

private:
    std::vector<Drive> drives_;
};
