#pragma once

#include "NameListModel.h"

#include "core/FilePattern.h"
#include "platform/ArchiveCatalog.h"
#include "platform/ArchiveReader.h"
#include "platform/Background.h"
#include "platform/FolderWatcher.h"

#include <QHash>
#include <QListView>
#include <QTimer>

// A list of the regular files of one folder whose names match a pattern text
// such as "*.gb; *.sgb; *cgb; *.gbc", and of the entries of the folder's zip
// and 7z archives that match it (ArchiveListName): the plain files show as
// soon as the folder is read, the archives join as they are read, at most
// kMaxFolderArchiveEntries entries and kMaxFolderArchiveNameBytes of their names
// a folder (what is left out is said once on the error output), a few
// thousand at a time. The folder is read in the background and
// read again when its entries change; the list fills when the reading is done.
// Sorted by name without regard to case; hidden files left out. One reading of
// the shown folder is under way at most: changes that come meanwhile make one
// more pass after it. A folder that cannot be read or watched (gone, or its
// disk unplugged) is tried again every second, so it shows when it comes back.
constexpr std::size_t kMaxFolderArchiveEntries = 100000;
constexpr std::size_t kMaxFolderArchiveNameBytes = std::size_t{32} * 1024 * 1024;

class FileListBox : public QListView
{
    Q_OBJECT

public:
    explicit FileListBox(QWidget *parent = nullptr);

    QString Path() const { return path_; }
    // Shows the folder, with nothing selected; the folder already shown is kept as it is.
    void SetPath(const QString &path);

    QString Pattern() const { return patternText_; }
    void SetPattern(const QString &pattern);
    // Whether a file of that name would be listed by the pattern.
    bool Takes(const QString &fileName) const;

    // The selected file's name without folder, empty when none is selected.
    QString FileName() const;
    // Selects the entry of that name, as a click on it would; false when the list has none.
    bool Select(const QString &name);
    int ListCount() const { return model_.rowCount(); }
    QStringList Names() const;
    // The cartridge title of a listed file, shown under its name in its tool
    // tip; forgotten when another folder is shown.
    void SetTitle(const QString &name, const QString &title);
    // Lines told under the title in a listed file's tool tip (what its header
    // and the DAT files say of it); forgotten when another folder is shown.
    void SetNotes(const QString &name, const QStringList &notes);
    // The tool tip of the entry at a point of the list's viewport: the
    // entry's whole name, its cartridge title once known, and its notes.
    // Empty off the entries.
    QString ToolTipAt(const QPoint &point) const;
    // True while the shown folder or its archives are being read.
    bool Listing() const { return request_.InFlight() || archiveRequest_.InFlight() || joinActive_; }

    // The archive and entry a listed name stands for; null for a plain file.
    const ArchiveEntry *ArchiveEntryOf(const QString &listName) const { return archives_.Find(listName); }
    // The name a file of the folder is listed under: an archive's first ROM
    // entry for an archive, else the name itself.
    QString ListNameOf(const QString &fileName) const;

    // Reads the matching names of a folder; false when it cannot be read. Runs
    // on a background thread. Replaceable by tests.
    std::function<bool(const QString &path, const FilePattern &pattern, NameList &names)> lister;
    // Reads the ROM entries of an archive. Runs on a background thread. Replaceable by tests.
    std::function<ArchiveRoms(const QString &path, const FilePattern &pattern)> archiveReader;

signals:
    void Click();
    void DblClick();
    // Enter (Return or keypad Enter) on a selected entry, as key code 13.
    void KeyPress(int keyAscii);
    void MouseMove();
    void MouseUp();
    // The entries of the shown folder, its archives' included, are in the list.
    void Listed();

protected:
    void focusInEvent(QFocusEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    bool viewportEvent(QEvent *event) override;

private:
    struct FolderListing {
        NameList names;
        QStringList archives; // the zip and 7z files among the folder's files
        std::vector<bool> archived; // which of the names are archive entries kept from before
        bool read = false;
        std::shared_ptr<const FolderWatch> watch;
    };

    // The archives of the shown folder: those still to read from next on,
    // and those a pass through them has read.
    struct ArchiveBatch {
        QStringList names;
        qsizetype next = 0;
        struct Read {
            ArchiveBlock block;
            std::vector<std::string> refusals;
        };
        QList<Read> read;
        // What the pass has taken so far: entries and refusals, and the bytes of their names.
        std::size_t taken = 0;
        std::size_t takenBytes = 0;
        // The archive from which on the folder's bounds left entries out; empty while none are.
        QString cutFrom;
        qsizetype unread = 0; // the archives after it, not read
        // The list with the entries read merged in, which rows are archive
        // entries, and how many names were added (-1 when not merged).
        NameList merged;
        std::vector<bool> mergedArchived;
        qsizetype mergedAdded = -1;
    };

    // Reads the shown folder, superseding a reading of another folder.
    void Refresh();
    // Reads the shown folder again once the reading under way is done.
    void ReadAgain();
    void Apply(FolderListing listing);
    // Shows the names, keeping the selection and the scrolling where they
    // are; archived says which rows are archive entries (none when empty).
    void ShowNames(NameList names, std::vector<bool> archived = {});
    // Reads the next few archives of the pass.
    void ReadArchives(const ArchiveBatch &rest);
    // Takes in the archives a reading gave, a few thousand entries a turn of
    // the event loop, then shows them.
    void JoinArchives(ArchiveBatch batch);
    void JoinTurn();
    void FinishJoin();
    // Writes a line to the error output, once for the folder shown.
    void Tell(const QString &line);

    NameListModel model_;
    std::vector<bool> archived_; // which rows of the list are archive entries
    QString path_;
    QString patternText_ = QStringLiteral("*.*");
    FilePattern pattern_;
    FolderWatcher watcher_;
    QTimer settle_;
    QTimer retry_;
    // Listings and archive reads each have threads of their own: archives
    // stuck on a share that stopped answering never keep a folder from being listed.
    BackgroundLane lane_{4};
    BackgroundLane archiveLane_{4};
    LatestRequest<FolderListing> request_;
    LatestRequest<ArchiveBatch> archiveRequest_;
    ArchiveCatalog archives_;
    // The archives being taken in: the reading, where the taking is, and the names it added.
    ArchiveBatch joining_;
    qsizetype joinArchive_ = 0;
    std::size_t joinEntry_ = 0;
    QStringList joinAdded_;
    bool joinActive_ = false;
    quint64 joinToken_ = 0; // a turn scheduled for an older taking in does nothing
    QSet<QString> told_; // the lines already written to the error output
    bool started_ = false; // a folder has been asked for
    bool again_ = false;   // the folder changed while it was being read
    bool restoring_ = false;
    bool pressSelected_ = false;
    bool afterDoubleClick_ = false;
    QHash<QString, QString> titles_; // file name: cartridge title
    QHash<QString, QStringList> notes_; // file name: lines under the title
};
