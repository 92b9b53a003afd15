#include "Settings.h"

#include "FileNames.h"
#include "FileReplace.h"
#include "FolderScan.h"
#include "IniText.h"
#include "RegularFile.h"
#include "XdgFolders.h"

#include <QDeadlineTimer>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr std::int64_t kMaxStoreBytes = std::int64_t(1) << 20;
constexpr int kLockWaitMs = 1000;

struct Store {
    enum State { Absent, Loaded, Unusable } state = Unusable;
    QByteArray text;
    mode_t mode = 0;
    QString why; // when Unusable
};

QString ErrorText(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

QString FileName(const QByteArray &path)
{
    return DecodeFileName(path.mid(path.lastIndexOf('/') + 1));
}

// $XDG_CONFIG_HOME/<application>/<application>.conf, as QSettings places it.
QByteArray StorePath(const QString &application)
{
    const QByteArray name = EncodeFileName(application);
    return QByteArray::fromStdString(XdgFolder("XDG_CONFIG_HOME", ".config")) + name + '/' + name + ".conf";
}

// Only a regular file of sane size is read: a FIFO, a device or a link to one
// is never opened, and a huge file is not read into memory.
Store LoadStore(const QByteArray &path)
{
    Store store;
    RegularFile file(DecodeFileName(path));
    if (!file.IsOpen()) {
        if (file.Error() == ENOENT)
            store.state = Store::Absent;
        else
            store.why = file.Error() == EINVAL ? QStringLiteral("it is not a regular file") : ErrorText(file.Error());
        return store;
    }
    if (file.Size() > kMaxStoreBytes) {
        store.why = QStringLiteral("it is larger than 1 MB");
        return store;
    }
    store.text.resize(static_cast<qsizetype>(file.Size()));
    const std::int64_t read = file.Read(store.text.data(), file.Size());
    if (read != file.Size()) {
        store.why = read < 0 ? ErrorText(errno) : QStringLiteral("it changed while it was read");
        return store;
    }
    store.mode = file.Mode() & 07777;
    store.state = Store::Loaded;
    return store;
}

// The writers' lock beside the store, held the way Qt's lock files are: the
// file exists and is locked while a writer works, and goes when it is done.
// A lock that is not a regular file, or that another writer keeps for longer
// than kLockWaitMs, is not taken; Why() then says why.
class StoreLock
{
public:
    explicit StoreLock(const QByteArray &path) : path_(path)
    {
        const QString notAFile = QStringLiteral("%1 is not a regular file").arg(FileName(path));
        const QDeadlineTimer deadline(kLockWaitMs);
        while (!deadline.hasExpired()) {
            struct stat named = {};
            if (lstat(path.constData(), &named) == 0 && !S_ISREG(named.st_mode)) {
                why_ = notAFile;
                return;
            }
            const int fd = open(path.constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0644);
            if (fd < 0) {
                if (errno == EINTR)
                    continue;
                why_ = QStringLiteral("cannot make %1: %2").arg(FileName(path), ErrorText(errno));
                return;
            }
            struct stat opened = {};
            if (fstat(fd, &opened) != 0 || !S_ISREG(opened.st_mode)) {
                close(fd);
                why_ = notAFile;
                return;
            }
            if (flock(fd, LOCK_EX | LOCK_NB) == 0) {
                // The writer before may have removed it between our open and lock.
                if (lstat(path.constData(), &named) == 0 && named.st_dev == opened.st_dev
                    && named.st_ino == opened.st_ino) {
                    fd_ = fd;
                    return;
                }
                close(fd);
                continue;
            }
            const int error = errno;
            close(fd);
            if (error != EWOULDBLOCK && error != EINTR) {
                why_ = QStringLiteral("cannot lock %1: %2").arg(FileName(path), ErrorText(error));
                return;
            }
            const timespec pause = {0, 10000000L};
            nanosleep(&pause, nullptr);
        }
        why_ = QStringLiteral("another program holds %1").arg(FileName(path));
    }
    ~StoreLock()
    {
        if (fd_ >= 0) {
            unlink(path_.constData());
            close(fd_);
        }
    }
    StoreLock(const StoreLock &) = delete;
    StoreLock &operator=(const StoreLock &) = delete;

    bool Held() const { return fd_ >= 0; }
    const QString &Why() const { return why_; }

private:
    QByteArray path_;
    int fd_ = -1;
    QString why_;
};

bool WriteAll(int fd, const QByteArray &bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = write(fd, bytes.constData() + done, static_cast<size_t>(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += n;
    }
    return true;
}

// Replaces the target with the text (ReplaceFileAt, synced): a reader sees the
// old or the new file, never a part, and the new one is on the disk before
// this returns. Returns 0, or the errno value of what failed.
int ReplaceFile(const QByteArray &target, const QByteArray &text, mode_t mode)
{
    const qsizetype slash = target.lastIndexOf('/');
    const QByteArray folder = slash <= 0 ? QByteArray("/") : target.left(slash);
    const int folderFd = open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folderFd < 0)
        return errno;
    const int error = ReplaceFileAt(folderFd, target.mid(slash + 1).toStdString(), mode, true, [&text](int fd) {
        return WriteAll(fd, text) ? 0 : errno != 0 ? errno : EIO;
    });
    close(folderFd);
    return error;
}

// A store that is a link to a regular file is written through the link.
QByteArray WriteTarget(const QByteArray &path)
{
    char resolved[PATH_MAX];
    return realpath(path.constData(), resolved) ? QByteArray(resolved) : path;
}

// Why a store cannot be written, or nothing when it can. A file the user may
// not write to is left as it is, as QSettings leaves it, although the
// replacement would be allowed by the folder.
QString Unwritable(const Store &store, const QByteArray &target)
{
    if (store.state == Store::Unusable)
        return store.why;
    if (store.state == Store::Absent || faccessat(AT_FDCWD, target.constData(), W_OK, AT_EACCESS) == 0)
        return {};
    if (errno == EACCES)
        return QStringLiteral("the file is read-only");
    if (errno == EROFS)
        return QStringLiteral("the file system is read-only");
    return ErrorText(errno);
}

} // namespace

QString ReadSetting(const QString &application, const QString &section, const QString &key,
                    const QString &defaultValue)
{
    const Store store = LoadStore(StorePath(application));
    QString value;
    if (store.state != Store::Loaded || !FindIniString(store.text, section, key, value))
        return defaultValue;
    return value;
}

bool WriteSetting(const QString &application, const QString &section, const QString &key,
                  const QString &value, QString *why)
{
    const auto fail = [why](const QString &reason) {
        if (why)
            *why = reason;
        return false;
    };
    const QByteArray path = StorePath(application);
    auto unchanged = [&](const Store &store) {
        QString stored;
        return store.state == Store::Loaded && FindIniString(store.text, section, key, stored) && stored == value;
    };
    Store store = LoadStore(path);
    if (unchanged(store))
        return true;
    if (store.state == Store::Unusable)
        return fail(store.why);
    std::string failed;
    if (const int error = MakeFolders(path.left(path.lastIndexOf('/')).toStdString(), 0777, &failed))
        return fail(QStringLiteral("cannot make %1: %2").arg(DecodeFileName(QByteArray::fromStdString(failed)), ErrorText(error)));
    const StoreLock lock(path + ".lock");
    if (!lock.Held())
        return fail(lock.Why());
    // Another launcher may have written while this one waited.
    store = LoadStore(path);
    if (unchanged(store))
        return true;
    const QByteArray target = store.state == Store::Loaded ? WriteTarget(path) : path;
    const QString reason = Unwritable(store, target);
    if (!reason.isEmpty())
        return fail(reason);
    if (const int error = ReplaceFile(target, SetIniString(store.text, section, key, value), store.mode))
        return fail(ErrorText(error));
    return true;
}
