#pragma once

#include "core/SearchText.h"
#include "platform/LibraryRecord.h"

#include <QAbstractTableModel>

#include <cstdint>
#include <string>
#include <vector>

// The library's ROMs as the rows of a table: every record, sorted by any
// column, narrowed by the search and by what is shown (all, the favourites,
// the recently played). Each record's texts are made once, when the records
// are set; the search runs over their folded texts in one block (SearchText),
// so a keystroke costs one pass over that block, not a text per row.
class LibraryModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { Title, File, Model, Size, LastPlayed, PlayTime, Favourite, ColumnCount };
    enum class Show { All, Favourites, RecentlyPlayed };
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

    // The record shown at a row.
    const LibraryRecord &RecordAt(int row) const;
    int RecordCount() const { return static_cast<int>(rows_.size()); }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

    // The texts the table shows for a size, a time played and a moment.
    static QString SizeText(qint64 bytes);
    static QString PlayTimeText(qint64 seconds);
    static QString LastPlayedText(qint64 msSinceEpoch);

private:
    struct Row {
        LibraryRecord record;
        QString title;          // the file name without its extension
        QString cartridgeTitle; // from the header
        QString model;          // CartridgeModelText
        std::string titleKey;   // the title folded, for sorting
        std::string fileKey;
    };

    bool Less(int column, const Row &a, const Row &b) const;
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
    std::vector<std::uint8_t> found_;
    QString search_;
    Show show_ = Show::All;
    int sortColumn_ = Title;
    Qt::SortOrder sortOrder_ = Qt::AscendingOrder;
};
