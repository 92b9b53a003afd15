#pragma once

#include <QString>

#include <vector>

// A root the user can browse, as the drive list shows it.
struct Drive {
    QString root;
    QString label;
};

// "/" first, then the mounted volumes a user keeps files on (other disks,
// removable media); system, pseudo, snap and overlay mounts are left out.
std::vector<Drive> ListDrives();

// The root among drives that holds path: the longest root that is a prefix of it.
QString DriveOf(const QString &path, const std::vector<Drive> &drives);
