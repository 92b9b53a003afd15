#pragma once

#include "platform/Background.h"
#include "platform/Drives.h"

#include <QComboBox>

// The list of roots the user can browse. Changed() follows the user's choice
// of another root; SetDrive and Refresh change the shown root silently. The
// roots are read in the background (a machine may have thousands of mounts);
// until they are in, the list holds "/".
class DriveListBox : public QComboBox
{
    Q_OBJECT

public:
    explicit DriveListBox(QWidget *parent = nullptr);

    void SetDrives(const std::vector<Drive> &drives);
    const std::vector<Drive> &Drives() const { return drives_; }
    // Reads the mounted roots afresh, keeping the shown root when it is still there.
    void Refresh();
    // True while the roots are being read.
    bool Reading() const { return request_.InFlight(); }

    // Reads the mounted roots; runs on a background thread. Replaceable by tests.
    std::function<std::vector<Drive>()> listDrives = ListDrives;

    QString DriveRoot() const;
    // Shows the root that holds path.
    void SetDrive(const QString &path);

signals:
    void Changed();

private:
    std::vector<Drive> drives_;
    BackgroundLane lane_{2};
    LatestRequest<std::vector<Drive>> request_;
};
