#include "PictureFolder.h"

#include "FolderReader.h"

#include "core/PictureExtension.h"

#include <ctime>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A listing is kept only when the folder last changed longer ago than this.
constexpr long long kSettledNs = 3'000'000'000LL;

long long Nanoseconds(const timespec &time)
{
    return static_cast<long long>(time.tv_sec) * 1000000000LL + time.tv_nsec;
}

// The names of the folder open as fd; null when it cannot be read.
std::shared_ptr<FolderNames> ReadNames(int fd, const struct stat &info)
{
    FolderReader folder(fd, ".", O_NONBLOCK);
    if (!folder.IsOpen())
        return nullptr;
    auto names = std::make_shared<FolderNames>();
    names->device = info.st_dev;
    names->inode = info.st_ino;
    names->modified = Nanoseconds(info.st_mtim);
    names->changed = Nanoseconds(info.st_ctim);
    while (const dirent *entry = folder.Next()) {
        const std::string name(entry->d_name);
        names->exact.emplace(name, name);
        names->folded.emplace(PictureKey(name), name);
    }
    return names;
}

} // namespace

PictureFolder::Look::~Look()
{
    if (fd_ >= 0)
        close(fd_);
}

std::string PictureFolder::Look::Find(const std::string &name) const
{
    if (!names_)
        return {};
    const auto exact = names_->exact.find(name);
    if (exact != names_->exact.end())
        return exact->second;
    const auto folded = names_->folded.find(PictureKey(name));
    return folded != names_->folded.end() ? folded->second : std::string();
}

std::unique_ptr<PictureFolder::Look> PictureFolder::Open()
{
    std::unique_ptr<Look> look(new Look);
    look->fd_ = openat(AT_FDCWD, path_.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    struct stat info = {};
    if (look->fd_ < 0 || fstat(look->fd_, &info) != 0)
        return look;
    std::shared_ptr<const FolderNames> kept;
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        kept = kept_;
    }
    if (kept && kept->device == info.st_dev && kept->inode == info.st_ino
        && kept->modified == Nanoseconds(info.st_mtim) && kept->changed == Nanoseconds(info.st_ctim)) {
        look->names_ = kept;
        return look;
    }
    look->names_ = ReadNames(look->fd_, info);
    // A folder changed in the last moments may change again within the same
    // tick of its clock (two seconds on FAT): its listing is not kept.
    timespec now = {};
    clock_gettime(CLOCK_REALTIME, &now);
    if (look->names_ && Nanoseconds(now) - look->names_->modified > kSettledNs) {
        const std::lock_guard<std::mutex> lock(mutex_);
        kept_ = look->names_;
    }
    return look;
}
