/* The baselines for reading the library's roots, in plain C.
 * "hash FOLDER": every ROM below the folder (*.gb, *.gbc, *.sgb, *cgb, and
 * each entry of a *.zip or *.7z read with libarchive) read whole, with zlib's
 * crc32 and OpenSSL's SHA-1 of its bytes. "stat FOLDER": a walk that looks at
 * every entry with fstatat, as a reading with nothing changed must. Prints the
 * milliseconds taken, the files seen and a sum of the CRCs. */
#define _GNU_SOURCE
#include <archive.h>
#include <archive_entry.h>
#include <dirent.h>
#include <fcntl.h>
#include <openssl/evp.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>
#include <zlib.h>

static long files;
static unsigned long crcs;
static int hash;
static unsigned char *buffer;
static size_t capacity;

static int ends_with(const char *name, const char *suffix)
{
    size_t n = strlen(name), s = strlen(suffix);
    return n > s && strcasecmp(name + n - s, suffix) == 0;
}

static void digest(const unsigned char *data, size_t size)
{
    unsigned char sha1[EVP_MAX_MD_SIZE];
    unsigned int length = 0;
    EVP_Digest(data, size, sha1, &length, EVP_sha1(), NULL);
    crcs += crc32(0L, data, (uInt)size) + sha1[0];
    ++files;
}

static void grow(size_t size)
{
    if (size > capacity) {
        capacity = size;
        buffer = realloc(buffer, capacity);
    }
}

static void read_plain(int folder, const char *name, off_t size)
{
    int fd = openat(folder, name, O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return;
    grow((size_t)size + 1);
    size_t filled = 0;
    ssize_t got;
    while ((got = read(fd, buffer + filled, capacity - filled)) > 0)
        filled += (size_t)got;
    close(fd);
    digest(buffer, filled);
}

static void read_archive(int folder, const char *name)
{
    int fd = openat(folder, name, O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return;
    struct archive *archive = archive_read_new();
    archive_read_support_format_zip(archive);
    archive_read_support_format_7zip(archive);
    if (archive_read_open_fd(archive, fd, 65536) == ARCHIVE_OK) {
        struct archive_entry *entry;
        while (archive_read_next_header(archive, &entry) == ARCHIVE_OK) {
            size_t filled = 0;
            la_ssize_t got;
            grow(65536);
            while ((got = archive_read_data(archive, buffer + filled, capacity - filled)) > 0) {
                filled += (size_t)got;
                if (capacity - filled < 65536)
                    grow(capacity * 2);
            }
            digest(buffer, filled);
        }
    }
    archive_read_free(archive);
    close(fd);
}

static void walk(int parent, const char *path)
{
    int fd = openat(parent, path, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    DIR *dir = fdopendir(fd);
    struct dirent *entry;
    while ((entry = readdir(dir)) != NULL) {
        if (entry->d_name[0] == '.')
            continue;
        struct stat info;
        if (fstatat(fd, entry->d_name, &info, AT_SYMLINK_NOFOLLOW) != 0)
            continue;
        if (S_ISDIR(info.st_mode)) {
            walk(fd, entry->d_name);
        } else if (!hash) {
            ++files;
        } else if (ends_with(entry->d_name, ".zip") || ends_with(entry->d_name, ".7z")) {
            read_archive(fd, entry->d_name);
        } else if (ends_with(entry->d_name, ".gb") || ends_with(entry->d_name, ".gbc") ||
                   ends_with(entry->d_name, ".sgb") || ends_with(entry->d_name, "cgb")) {
            read_plain(fd, entry->d_name, info.st_size);
        }
    }
    closedir(dir);
}

int main(int argc, char **argv)
{
    if (argc != 3) {
        fprintf(stderr, "usage: %s hash|stat FOLDER\n", argv[0]);
        return 2;
    }
    hash = strcmp(argv[1], "hash") == 0;
    struct timespec start, end;
    clock_gettime(CLOCK_MONOTONIC, &start);
    walk(AT_FDCWD, argv[2]);
    clock_gettime(CLOCK_MONOTONIC, &end);
    printf("%.3f %ld %lu\n", (end.tv_sec - start.tv_sec) * 1e3 + (end.tv_nsec - start.tv_nsec) / 1e6, files, crcs);
    return 0;
}
