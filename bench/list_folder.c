/* The baseline for listing a folder, as a plain C program does it: read the
 * folder, keep the visible names with a ROM suffix (case folded), sort them
 * without regard to case, print how many. Usage: list_folder FOLDER */
#include <dirent.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <strings.h>

static const char *const suffixes[] = {".gb", ".sgb", "cgb", ".gbc"};

static int has_rom_suffix(const char *name)
{
    size_t length = strlen(name);
    for (size_t i = 0; i < sizeof suffixes / sizeof *suffixes; ++i) {
        size_t size = strlen(suffixes[i]);
        if (length >= size && strcasecmp(name + length - size, suffixes[i]) == 0)
            return 1;
    }
    return 0;
}

static int compare_names(const void *a, const void *b)
{
    return strcasecmp(*(char *const *)a, *(char *const *)b);
}

int main(int argc, char *argv[])
{
    if (argc < 2)
        return 2;
    DIR *dir = opendir(argv[1]);
    if (!dir)
        return 1;
    size_t count = 0, capacity = 1024;
    char **names = malloc(capacity * sizeof *names);
    struct dirent *entry;
    while ((entry = readdir(dir))) {
        if (entry->d_name[0] == '.' || !has_rom_suffix(entry->d_name))
            continue;
        if (count == capacity) {
            capacity *= 2;
            names = realloc(names, capacity * sizeof *names);
        }
        names[count++] = strdup(entry->d_name);
    }
    closedir(dir);
    qsort(names, count, sizeof *names, compare_names);
    printf("%zu\n", count);
    return 0;
}
