/* The baseline for listing archives: a plain C program that opens every .zip
   of a folder with libarchive and reads its list of entries. Prints the time
   it took in milliseconds and the number of entries read.
   Usage: archive_list_bare FOLDER */
#include <archive.h>
#include <archive_entry.h>

#include <dirent.h>
#include <stdio.h>
#include <string.h>
#include <strings.h>
#include <time.h>

int main(int argc, char **argv)
{
    if (argc != 2)
        return 2;
    struct timespec start, end;
    clock_gettime(CLOCK_MONOTONIC, &start);
    DIR *dir = opendir(argv[1]);
    if (!dir)
        return 1;
    long entries = 0;
    char path[4096];
    struct dirent *item;
    while ((item = readdir(dir)) != NULL) {
        const size_t length = strlen(item->d_name);
        if (length < 4 || strcasecmp(item->d_name + length - 4, ".zip") != 0)
            continue;
        snprintf(path, sizeof path, "%s/%s", argv[1], item->d_name);
        struct archive *archive = archive_read_new();
        archive_read_support_format_zip(archive);
        if (archive_read_open_filename(archive, path, 65536) == ARCHIVE_OK) {
            struct archive_entry *entry;
            while (archive_read_next_header(archive, &entry) == ARCHIVE_OK)
                entries += archive_entry_pathname(entry) != NULL;
        }
        archive_read_free(archive);
    }
    closedir(dir);
    clock_gettime(CLOCK_MONOTONIC, &end);
    printf("%.3f %ld\n", (double)(end.tv_sec - start.tv_sec) * 1e3 + (double)(end.tv_nsec - start.tv_nsec) / 1e6,
           entries);
    return 0;
}
