#include "ArchiveReader.h"
#include "ArchiveLibrary.h"
#include "RegularFile.h"

#include "core/ArchiveEntryName.h"
#include "core/FilePattern.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <limits>
#include <memory>

#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr std::size_t kBlockBytes = std::size_t{64} * 1024;
constexpr std::uint64_t kMegabyte = std::uint64_t{1024} * 1024;

// An archive being read, with the file under it; both closed when it goes.
class OpenArchive
{
public:
    // Only a regular file is opened: a FIFO or device is never touched.
    explicit OpenArchive(const std::string &path)
        : file_(AT_FDCWD, QByteArray::fromStdString(path))
    {
        if (!file_.IsOpen()) {
            why_ = file_.Error() == EINVAL ? "it is not a regular file" : std::strerror(file_.Error());
            return;
        }
        if (!Libarchive().why.empty()) {
            why_ = Libarchive().why;
            return;
        }
        archive_ = Libarchive().read_new();
        // The name says what the archive is, and nothing else is read as one.
        const std::string lower = [&] {
            std::string text = path.substr(path.size() > 4 ? path.size() - 4 : 0);
            std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
            return text;
        }();
        const bool zip = lower == ".zip";
        sevenZip_ = !zip;
        if (zip)
            Libarchive().support_format_zip(archive_);
        else
            Libarchive().support_format_7zip(archive_);
        if (Libarchive().read_open_fd(archive_, file_.Descriptor(), kBlockBytes) != ARCHIVE_OK) {
            Fail();
            why_ = std::string("it is not a readable ") + (zip ? "zip" : "7z") + " archive (" + why_ + ")";
        }
    }
    ~OpenArchive()
    {
        if (archive_)
            Libarchive().read_free(archive_);
    }
    OpenArchive(const OpenArchive &) = delete;
    OpenArchive &operator=(const OpenArchive &) = delete;

    bool IsOpen() const { return why_.empty(); }
    const std::string &Why() const { return why_; }

    // The next entry; null at the end or on failure (Why then says why).
    archive_entry *Next()
    {
        if (!IsOpen())
            return nullptr;
        archive_entry *entry = nullptr;
        const int result = Libarchive().read_next_header(archive_, &entry);
        if (result == ARCHIVE_EOF)
            return nullptr;
        if (result < ARCHIVE_WARN) {
            Fail();
            return nullptr;
        }
        if (++count_ > kMaxArchiveEntries) {
            why_ = "it holds more than " + std::to_string(kMaxArchiveEntries) + " entries";
            return nullptr;
        }
        return entry;
    }

    // Reads the current entry's data into sink, block by block, until it ends,
    // sink returns false, more than limit bytes came or the archive as a
    // whole has unpacked more than kMaxUnpackedBytes; a block that passes
    // either bound never reaches sink. False on a read failure or a bound passed.
    template <typename Sink>
    bool ReadData(std::uint64_t limit, Sink sink)
    {
        std::vector<char> block(kBlockBytes);
        std::uint64_t total = 0;
        for (;;) {
            const la_ssize_t got = Libarchive().read_data(archive_, block.data(), block.size());
            if (got < 0) {
                Fail();
                return false;
            }
            if (got == 0)
                return true;
            total += static_cast<std::uint64_t>(got);
            unpacked_ += static_cast<std::uint64_t>(got);
            if (total > limit) {
                why_ = "it unpacks to more than " + std::to_string(limit / kMegabyte) + " MB";
                return false;
            }
            if (!WithinUnpackBound())
                return false;
            if (!sink(block.data(), static_cast<std::size_t>(got)))
                return false;
        }
    }

    // Goes past the current entry on the way to another (toRead), or while
    // listing, counting what libarchive unpacks to do so. To reach an entry
    // of a 7z it unpacks every entry ahead of it in the same block (a solid
    // 7z's entries share one): the entry passed is refused at once when its
    // declared size takes the count past the bound, and otherwise read
    // through here, counted (libarchive's own way past a large entry loses
    // its place: "Truncated 7-Zip file body"). Listing a 7z unpacks nothing.
    // A zip entry is passed by seeking, unless nothing says how long it is
    // (sizes after the data, no central directory): then only unpacking
    // finds its end, and it is read through here, counted. An encrypted
    // entry cannot be unpacked, and is left to libarchive.
    bool Pass(archive_entry *entry, bool toRead)
    {
        if (Libarchive().entry_filetype(entry) != AE_IFREG || Libarchive().entry_is_encrypted(entry))
            return true;
        if (Libarchive().entry_size_is_set(entry)) {
            if (!sevenZip_ || !toRead)
                return true;
            const auto declared = static_cast<std::uint64_t>(std::max<la_int64_t>(0, Libarchive().entry_size(entry)));
            if (unpacked_ + declared > kMaxUnpackedBytes) {
                unpacked_ += declared;
                return WithinUnpackBound();
            }
        }
        return ReadData(std::numeric_limits<std::uint64_t>::max(), [](const char *, std::size_t) { return true; });
    }

    void SetWhy(std::string why) { why_ = std::move(why); }
    // What is unpacked from now on counts towards the bound afresh.
    void RestartCount() { unpacked_ = 0; }

private:
    bool WithinUnpackBound()
    {
        if (unpacked_ <= kMaxUnpackedBytes)
            return true;
        why_ = "reaching the entry unpacks more than " + std::to_string(kMaxUnpackedBytes / kMegabyte) + " MB";
        return false;
    }

    void Fail()
    {
        const char *text = Libarchive().error_string(archive_);
        why_ = text ? text : "it cannot be read";
    }

    RegularFile file_;
    archive *archive_ = nullptr;
    std::string why_;
    int count_ = 0;
    bool sevenZip_ = false;
    std::uint64_t unpacked_ = 0; // every byte unpacked, or to be unpacked, so far
};

// Why an entry is not taken as a ROM, or empty.
std::string EntryRefusal(archive_entry *entry, const std::string &name)
{
    std::string why = EntryNameRefusal(name);
    if (!why.empty())
        return why;
    if (Libarchive().entry_hardlink(entry) || Libarchive().entry_filetype(entry) == AE_IFLNK)
        return "it is a link";
    if (Libarchive().entry_filetype(entry) != AE_IFREG)
        return "it is not a regular file";
    if (Libarchive().entry_is_encrypted(entry))
        return "it is encrypted";
    if (Libarchive().entry_size_is_set(entry) && static_cast<std::uint64_t>(Libarchive().entry_size(entry)) > kMaxEntryBytes)
        return "it is larger than " + std::to_string(kMaxEntryBytes / kMegabyte) + " MB";
    return {};
}

std::string EntryName(archive_entry *entry)
{
    const char *name = Libarchive().entry_pathname(entry);
    return name ? std::string(name) : std::string();
}

// Moves the archive to the entry of that name, taken as a ROM; false, with
// why set, when there is none or it is refused.
bool FindEntry(OpenArchive &archive, const std::string &wanted, std::string *why)
{
    while (archive_entry *entry = archive.Next()) {
        if (EntryName(entry) != wanted || Libarchive().entry_filetype(entry) == AE_IFDIR) {
            if (!archive.Pass(entry, true))
                break;
            continue;
        }
        const std::string refusal = EntryRefusal(entry, wanted);
        if (refusal.empty())
            return true;
        archive.SetWhy(refusal);
        break;
    }
    if (why)
        *why = archive.IsOpen() ? "the archive holds no entry of that name" : archive.Why();
    return false;
}

} // namespace

namespace {

// Calls take(name) for each entry whose last part the pattern takes and that
// is taken as a ROM, in the archive's order, until it returns false; a
// refused one goes to refusals as "name: why".
template <typename Take>
void EachRomEntry(OpenArchive &archive, const FilePattern &pattern, bool reading, std::vector<std::string> *refusals,
                  Take take)
{
    std::size_t nameBytes = 0;
    while (archive_entry *entry = archive.Next()) {
        if (Libarchive().entry_filetype(entry) == AE_IFDIR)
            continue;
        std::string name = EntryName(entry);
        const bool matches = pattern.Matches(EntryBaseName(name));
        const std::string refusal = matches ? EntryRefusal(entry, name) : std::string();
        // An entry that is not read is gone past, counted.
        if ((!reading || !matches || !refusal.empty()) && !archive.Pass(entry, reading))
            break;
        if (!matches)
            continue;
        nameBytes += name.size();
        if (nameBytes > kMaxArchiveNameBytes) {
            archive.SetWhy("its names take more than " + std::to_string(kMaxArchiveNameBytes / kMegabyte) + " MB");
            break;
        }
        if (!refusal.empty()) {
            if (refusals)
                refusals->push_back(name.append(": ").append(refusal));
        } else if (!take(name)) {
            return;
        }
    }
}

} // namespace

ArchiveRoms ListArchiveRoms(const std::string &path, const FilePattern &pattern)
{
    ArchiveRoms roms;
    OpenArchive archive(path);
    EachRomEntry(archive, pattern, false, &roms.refusals, [&](const std::string &name) {
        roms.entries.push_back(name);
        return true;
    });
    if (!archive.IsOpen()) {
        roms.entries.clear();
        roms.refusals.assign(1, archive.Why());
    }
    return roms;
}

bool ReadArchiveRoms(const std::string &path, const FilePattern &pattern,
                     const std::function<void(const std::string &entry, const std::vector<std::uint8_t> &bytes)> &visit,
                     std::vector<std::string> *refusals, std::string *why)
{
    OpenArchive archive(path);
    std::vector<std::uint8_t> bytes;
    EachRomEntry(archive, pattern, true, refusals, [&](const std::string &name) {
        bytes.clear();
        if (!archive.ReadData(kMaxEntryBytes, [&](const char *data, std::size_t size) {
                bytes.insert(bytes.end(), data, data + size);
                return true;
            }))
            return false;
        // The way to the next ROM is counted from here.
        archive.RestartCount();
        visit(name, bytes);
        return true;
    });
    if (why && !archive.IsOpen())
        *why = archive.Why();
    return archive.IsOpen();
}

bool ReadArchiveEntryHead(const std::string &path, const std::string &entry, std::size_t length,
                          std::vector<std::uint8_t> &bytes, std::string *why)
{
    bytes.clear();
    OpenArchive archive(path);
    if (!FindEntry(archive, entry, why))
        return false;
    const bool read = archive.ReadData(kMaxEntryBytes, [&](const char *data, std::size_t size) {
        const std::size_t take = std::min(size, length - bytes.size());
        bytes.insert(bytes.end(), data, data + take);
        return bytes.size() < length;
    });
    if (!read && bytes.size() < length) {
        if (why)
            *why = archive.Why();
        return !bytes.empty();
    }
    return true;
}

bool CopyArchiveEntry(const std::string &path, const std::string &entry, int fd, std::string *why)
{
    OpenArchive archive(path);
    if (!FindEntry(archive, entry, why))
        return false;
    std::string writeFailure;
    const bool copied = archive.ReadData(kMaxEntryBytes, [&](const char *data, std::size_t size) {
        while (size > 0) {
            const ssize_t written = write(fd, data, size);
            if (written < 0 && errno == EINTR)
                continue;
            if (written <= 0) {
                writeFailure = std::strerror(written < 0 ? errno : ENOSPC);
                return false;
            }
            data += written;
            size -= static_cast<std::size_t>(written);
        }
        return true;
    });
    if (!copied && why)
        *why = writeFailure.empty() ? archive.Why() : writeFailure;
    return copied;
}
