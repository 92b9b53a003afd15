#include "Drives.h"

#include <QStorageInfo>

namespace {

bool IsUserVolume(const QStorageInfo &volume)
{
    static const QList<QByteArray> kSystemTypes = {
        "proc", "sysfs", "devtmpfs", "devpts", "tmpfs", "cgroup", "cgroup2", "overlay",
        "squashfs", "nsfs", "autofs", "debugfs", "tracefs", "securityfs", "pstore",
        "bpf", "mqueue", "hugetlbfs", "fusectl", "configfs", "binfmt_misc", "efivarfs",
        "ramfs", "rpc_pipefs", "nfsd", "fuse.gvfsd-fuse", "fuse.portal"};
    if (!volume.isValid() || !volume.isReady())
        return false;
    if (kSystemTypes.contains(volume.fileSystemType()))
        return false;
    const QString root = volume.rootPath();
    if (root == QLatin1String("/"))
        return false; // listed first in any case
    for (const char *prefix : {"/proc", "/sys", "/dev", "/snap", "/boot", "/var/lib"}) {
        const QString p = QLatin1String(prefix);
        if (root == p || root.startsWith(p + QLatin1Char('/')))
            return false;
    }
    if (root.startsWith(QLatin1String("/run/")) && !root.startsWith(QLatin1String("/run/media/")))
        return false;
    return true;
}

} // namespace

std::vector<Drive> ListDrives()
{
    std::vector<Drive> drives{{QStringLiteral("/"), QStringLiteral("/")}};
    for (const QStorageInfo &volume : QStorageInfo::mountedVolumes()) {
        if (!IsUserVolume(volume))
            continue;
        const QString root = volume.rootPath();
        const QString name = volume.displayName();
        const QString label = name == root ? root : QStringLiteral("%1 [%2]").arg(root, name);
        drives.push_back({root, label});
    }
    return drives;
}

QString DriveOf(const QString &path, const std::vector<Drive> &drives)
{
    QString best = QStringLiteral("/");
    for (const Drive &drive : drives) {
        const QString &root = drive.root;
        const bool inside = path == root
            || path.startsWith(root.endsWith(QLatin1Char('/')) ? root : root + QLatin1Char('/'));
        if (inside && root.size() > best.size())
            best = root;
    }
    return best;
}
