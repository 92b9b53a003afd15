#include "Drives.h"

#include "FileNames.h"

#include <QFile>
#include <QList>

namespace {

// Mount points escape blanks, tabs, newlines and backslashes as \ooo.
QByteArray Unescape(const QByteArray &field)
{
    QByteArray plain;
    plain.reserve(field.size());
    for (qsizetype i = 0; i < field.size(); ++i) {
        const char c = field.at(i);
        if (c == '\\' && i + 3 < field.size()) {
            bool ok = false;
            const int code = field.mid(i + 1, 3).toInt(&ok, 8);
            if (ok && code >= 0 && code < 256) {
                plain.append(static_cast<char>(code));
                i += 3;
                continue;
            }
        }
        plain.append(c);
    }
    return plain;
}

bool IsSystemType(const QByteArray &type)
{
    static const QList<QByteArray> kSystemTypes = {
        "proc", "sysfs", "devtmpfs", "devpts", "tmpfs", "cgroup", "cgroup2", "overlay",
        "squashfs", "nsfs", "autofs", "debugfs", "tracefs", "securityfs", "pstore",
        "bpf", "mqueue", "hugetlbfs", "fusectl", "configfs", "binfmt_misc", "efivarfs",
        "ramfs", "rpc_pipefs", "nfsd", "fuse.gvfsd-fuse", "fuse.portal"};
    return kSystemTypes.contains(type);
}

bool IsSystemPlace(const QString &root)
{
    if (root == QLatin1String("/"))
        return true; // listed first in any case
    for (const char *prefix : {"/proc", "/sys", "/dev", "/snap", "/boot", "/var/lib", "/etc", "/usr"}) {
        const QString p = QLatin1String(prefix);
        if (root == p || root.startsWith(p + QLatin1Char('/')))
            return true;
    }
    return root.startsWith(QLatin1String("/run/")) && !root.startsWith(QLatin1String("/run/media/"));
}

} // namespace

std::vector<Drive> DrivesFromMountInfo(const QByteArray &mountInfo)
{
    std::vector<Drive> drives{{QStringLiteral("/"), QStringLiteral("/")}};
    for (const QByteArray &line : mountInfo.split('\n')) {
        // id parent major:minor root mount-point options [optional...] - type source super-options
        const QList<QByteArray> fields = line.split(' ');
        const qsizetype dash = fields.indexOf("-");
        if (fields.size() < 5 || dash < 6 || dash + 1 >= fields.size())
            continue;
        if (IsSystemType(fields.at(dash + 1)))
            continue;
        const QString root = DecodeFileName(Unescape(fields.at(4)));
        if (!root.startsWith(QLatin1Char('/')) || IsSystemPlace(root))
            continue;
        bool known = false;
        for (const Drive &drive : drives)
            known = known || drive.root == root;
        if (!known)
            drives.push_back({root, OneLineName(root)});
    }
    return drives;
}

std::vector<Drive> ListDrives()
{
    QFile file(QStringLiteral("/proc/self/mountinfo"));
    if (!file.open(QIODevice::ReadOnly))
        return DrivesFromMountInfo({});
    return DrivesFromMountInfo(file.readAll());
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
