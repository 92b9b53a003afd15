#pragma once

#include "core/CartridgeModel.h"
#include "core/SearchText.h"
#include "core/VersionGroup.h"
#include "platform/LibraryRecord.h"

#include <QAbstractTableModel>

#include <cstdint>
#include <set>
#include <string>
#include <vector>

// The library's ROMs as the rows of a table: every record, sorted by any
// column, narrowed by the search, by what is shown (all, the favourites, the
// recently played) and by the DAT check. Each record's texts are made once,
// when the records are set; the search runs over their folded texts in one
// block (SearchText), so a keystroke costs one pass over that block, not a
// text per row.
//
// With one row per game, the records that pass are grouped by game
// (GroupVersions): a game's row is its version shown first, marked "+N" for
// the N others that pass, which an expanded game lists below it.
class LibraryModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { Versions, Title, File, Model, Check, Size, LastPlayed, PlayTime, Favourite, ColumnCount };
    enum class Show { All, Favourites, RecentlyPlayed };
    // Which ROMs the Check filter lets through.
    enum class CheckFilter { All, Verified, BadDump, NotInDat, HeaderDamaged };
    // How many of the last played ROMs "Recently played" shows.
    static constexpr int kRecentCount = 50;

    explicit LibraryModel(QObject *parent = nullptr);

    // Replaces every record; the sorting, the search and what is shown are kept.
    void SetRecords(std::vector<LibraryRecord> records);
    // Marks every copy of that content a favourite, or no longer one.
    void SetFavourite(const QByteArray &sha1, bool on);
    // Shows only the records whose title, file name or cartridge title
    // contains the text, whatever the case and the accents.
    void SetSearch(const QString &text);
    QString Search() const { return search_; }
    void SetShow(Show show);
    Show Shown() const { return show_; }
    void SetCheckFilter(CheckFilter filter);
    CheckFilter Checked() const { return checkFilter_; }

    // One row per game, or one per ROM.
    void SetGrouped(bool on);
    bool Grouped() const { return grouped_; }
    // The regions whose versions a game's row shows first.
    void SetRegionOrder(const RegionOrder &order);
    const RegionOrder &Regions() const { return regionOrder_; }
    // For a game's row, how many other versions of it pass the filters;
    // -1 for a version listed below its game's row; 0 with one row per ROM.
    int OtherVersions(int row) const;
    bool Expanded(int row) const;
    // Lists a game's other versions below its row, or takes them away. A row
    // listed below a game collapses that game.
    void SetExpanded(int row, bool on);
    // The row of the game a row belongs to (the row itself for a game's row).
    int GameRow(int row) const;

    // The record shown at a row.
    const LibraryRecord &RecordAt(int row) const;
    int RecordCount() const { return static_cast<int>(rows_.size()); }
    // How many records pass the search and the filters, listed or not.
    int PassingCount() const { return passing_; }
    // How many games are listed with one row per game.
    int GameCount() const { return games_; }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

    // The texts the table shows for a size, a time played and a moment.
    static QString SizeText(qint64 bytes);
    static QString PlayTimeText(qint64 seconds);
    static QString LastPlayedText(qint64 msSinceEpoch);
    // "Verified", "Bad dump" or "Not in DAT", with "Header damaged" beside.
    static QString CheckText(const LibraryRecord &record);
    // The cartridge's models in the user's language, as the Model column shows them.
    static QString ModelText(const CartridgeModel &model);
    // The Check column's texts among the records, each once.
    QStringList CheckTexts() const;

private:
    struct Row {
        LibraryRecord record;
        QString title;          // the DAT's game when verified, else the file name without its extension
        QString cartridgeTitle; // from the header
        QString model;          // CartridgeModelText
        std::string titleKey;   // the title folded, for sorting
        std::string fileKey;
        int checkRank = 0;      // Verified, Bad dump, Not in DAT; a damaged header after a sound one
    };

    bool Less(int column, int a, int b) const;
    bool Passes(const LibraryRecord &record) const;
    // The keys of the expanded games.
    std::set<std::string> ExpandedGames() const;
    // Groups the records by game again, keeping the expanded games expanded.
    void Regroup(const std::set<std::string> &expanded);
    // Lists the shown records: every record that passes, or with one row
    // per game, each game's version shown first and, for an expanded game,
    // its other versions.
    void List(const std::vector<std::uint8_t> &pass);
    // Orders every record by the sorting column.
    void Order();
    // Picks the shown records from the ordered ones.
    void Narrow();
    // Narrows again and tells the views the rows are new.
    void Refilter();

    std::vector<Row> rows_;
    SearchText text_;
    std::vector<int> order_; // every record, sorted
    std::vector<int> shown_; // the rows: records of order_ that pass
    std::vector<int> marks_; // per row: OtherVersions
    std::vector<std::uint8_t> found_;
    std::vector<std::uint8_t> pass_; // per record: passes the search and the filters
    int passing_ = 0;
    int games_ = 0;
    unsigned checksFound_ = 0; // a bit per checkRank among the records
    QString search_;
    Show show_ = Show::All;
    CheckFilter checkFilter_ = CheckFilter::All;
    bool grouped_ = false;
    RegionOrder regionOrder_;
    std::vector<Version> versions_;         // per record
    std::vector<std::vector<int>> groups_;  // GroupVersions of versions_
    std::vector<int> groupOf_;              // per record: its group
    std::vector<std::uint8_t> expanded_;    // per group
    int sortColumn_ = Title;
    Qt::SortOrder sortOrder_ = Qt::AscendingOrder;
};
