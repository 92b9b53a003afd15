#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

// A root the user can browse, as the drive list shows it.
struct Drive {
    QString root;  // the real path, for going there
    QString label; // the path on one line: a newline in it shows as \012
};

// "/" first, then the mounted volumes a user keeps files on (other disks,
// removable media, network shares), read from /proc/self/mountinfo without
// asking any of them anything: a dead share never holds up the list.
std::vector<Drive> ListDrives();

// The drives that a mountinfo text describes: "/" first, then each mount that
// is not a system, pseudo, snap or overlay mount, nor a single file bound
// into /etc, in the order listed; a mount point mounted over keeps one entry.
std::vector<Drive> DrivesFromMountInfo(const QByteArray &mountInfo);

// The root among drives that holds path: the longest root that is a prefix of it.
QString DriveOf(const QString &path, const std::vector<Drive> &drives);
