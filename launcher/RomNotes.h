#pragma once

#include "platform/Background.h"
#include "platform/LibraryStore.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class FileListBox;

// What the file list's tool tip tells of a ROM under its title: "Header
// damaged" when its header's logo or checksum is wrong, at once; and, when
// the library's database is there, what the imported DAT files say of its
// content. That is looked up in the background: the ROM read whole and
// hashed, the database read without opening the library's store (SQLite is
// loaded only then, never at start-up). A newer ROM's look-up supersedes the
// one in flight.
class RomNotes : public QObject
{
    Q_OBJECT

public:
    RomNotes(FileListBox *list, QObject *parent);

    // The library's database looked in (tests give their own).
    QString databasePath;

    // A ROM of the list's folder was read: path is the file, or the archive
    // holding entry; header its first bytes.
    void Note(const QString &folder, const QString &name, const QString &path, const std::string &entry,
              const std::vector<std::uint8_t> &header);

signals:
    // The DAT files' word on the last ROM noted is in its tool tip.
    void LookedUp();

private:
    FileListBox *list_;
    QString folder_;
    QString name_;
    QStringList notes_;
    BackgroundLane lane_{2};
    LatestRequest<std::optional<LibraryStore::DumpFacts>> lookup_;
};
