#pragma once

#include <QByteArray>

#include <memory>
#include <mutex>
#include <string>
#include <unordered_map>

// The names of a folder as they were read, and what they were read from.
struct FolderNames {
    unsigned long long device = 0;
    unsigned long long inode = 0;
    long long modified = 0; // nanoseconds
    long long changed = 0;  // nanoseconds
    std::unordered_map<std::string, std::string> exact;  // name to itself
    std::unordered_map<std::string, std::string> folded; // PictureKey to the first name of that key
};

// A folder of pictures, such as images/, whose list of names is read once and
// kept while the folder stays the same (same folder, same modification
// time). A picture is found by its name, or when no name matches exactly by
// one that differs only in the case of its extension (PictureKey). On a share a look costs one lookup and one look at
// the folder, whatever the number of names tried. Safe to use from several
// threads at once; no lock is held while the disk is asked.
class PictureFolder
{
public:
    explicit PictureFolder(QByteArray path) : path_(std::move(path)) {}

    // The folder, open for looking up names in it, and its listing.
    class Look
    {
    public:
        ~Look();
        Look(const Look &) = delete;
        Look &operator=(const Look &) = delete;

        // The folder's descriptor (O_PATH), -1 when it could not be opened.
        int Descriptor() const { return fd_; }
        // The name in the folder that answers to that one, or empty.
        std::string Find(const std::string &name) const;

    private:
        friend class PictureFolder;
        Look() = default;
        int fd_ = -1;
        std::shared_ptr<const FolderNames> names_;
    };

    // Opens the folder and takes its listing, reading it again when it changed.
    std::unique_ptr<Look> Open();

private:
    QByteArray path_;
    std::mutex mutex_;
    std::shared_ptr<const FolderNames> kept_;
};
