#include "LibraryModel.h"

#include "core/CartridgeModel.h"
#include "core/CartridgeTitle.h"
#include "core/SearchFold.h"

#include <QDateTime>
#include <QFileInfo>

#include <algorithm>
#include <numeric>

namespace {

const QString kStar = QStringLiteral("\u2605");
const QString kNoStar = QStringLiteral("\u2606");

QString WithoutExtension(const QString &name)
{
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot > 0 ? name.left(dot) : name;
}

QString LastPart(const QString &path)
{
    return path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
}

template <typename T>
int Compare(const T &a, const T &b)
{
    return a < b ? -1 : (b < a ? 1 : 0);
}

} // namespace

LibraryModel::LibraryModel(QObject *parent)
    : QAbstractTableModel(parent)
{
}

void LibraryModel::SetRecords(std::vector<LibraryRecord> records)
{
    beginResetModel();
    rows_.clear();
    rows_.reserve(records.size());
    text_.Clear();
    for (LibraryRecord &record : records) {
        Row row;
        const QString entry = QString::fromStdString(record.entry);
        const QString fileName = entry.isEmpty()
            ? LastPart(record.file)
            : QFileInfo(record.path).fileName() + QStringLiteral(": ") + entry;
        row.title = WithoutExtension(LastPart(entry.isEmpty() ? record.file : entry));
        const std::string cartridgeTitle = CartridgeTitle(record.header);
        row.cartridgeTitle = QString::fromStdString(cartridgeTitle);
        row.model = QString::fromStdString(CartridgeModelText(ReadCartridgeModel(record.header)));
        row.titleKey = FoldForSearch(row.title.toStdString());
        row.fileKey = FoldForSearch(record.file.toStdString());
        text_.Add({fileName.toStdString(), cartridgeTitle});
        row.record = std::move(record);
        rows_.push_back(std::move(row));
    }
    text_.Find(search_.toStdString(), found_);
    Order();
    Narrow();
    endResetModel();
}

void LibraryModel::SetFavourite(const QByteArray &sha1, bool on)
{
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        if (rows_[i].record.sha1 == sha1)
            rows_[i].record.favourite = on;
    }
    // The rows stay where they are until the next sorting.
    if (show_ == Show::Favourites) {
        Refilter();
        return;
    }
    if (!shown_.empty())
        emit dataChanged(index(0, Favourite), index(static_cast<int>(shown_.size()) - 1, Favourite));
}

void LibraryModel::SetSearch(const QString &text)
{
    if (text == search_)
        return;
    search_ = text;
    text_.Find(search_.toStdString(), found_);
    Refilter();
}

void LibraryModel::SetShow(Show show)
{
    if (show == show_)
        return;
    show_ = show;
    Refilter();
}

const LibraryRecord &LibraryModel::RecordAt(int row) const
{
    return rows_[static_cast<std::size_t>(shown_.at(static_cast<std::size_t>(row)))].record;
}

int LibraryModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(shown_.size());
}

int LibraryModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant LibraryModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= static_cast<int>(shown_.size()))
        return {};
    const Row &row = rows_[static_cast<std::size_t>(shown_[static_cast<std::size_t>(index.row())])];
    const LibraryRecord &record = row.record;
    if (role == Qt::DisplayRole) {
        switch (index.column()) {
        case Title: return row.title;
        case File: return record.file;
        case Model: return row.model;
        case Size: return SizeText(record.size);
        case LastPlayed: return LastPlayedText(record.lastPlayedMs);
        case PlayTime: return PlayTimeText(record.playSeconds);
        case Favourite: return record.favourite ? kStar : kNoStar;
        default: return {};
        }
    }
    if (role == Qt::ToolTipRole) {
        switch (index.column()) {
        case Title: return row.cartridgeTitle.isEmpty() ? QVariant() : QVariant(row.cartridgeTitle);
        case File: return record.path;
        case PlayTime:
            return record.launches == 1 ? QStringLiteral("Started once")
                                        : QStringLiteral("Started %1 times").arg(record.launches);
        case Favourite:
            return record.favourite ? QStringLiteral("A favourite: click to take it off")
                                    : QStringLiteral("Click to make it a favourite");
        default: return {};
        }
    }
    if (role == Qt::TextAlignmentRole) {
        if (index.column() == Size || index.column() == PlayTime)
            return int(Qt::AlignRight | Qt::AlignVCenter);
        if (index.column() == Favourite)
            return int(Qt::AlignCenter);
    }
    return {};
}

QVariant LibraryModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case Title: return QStringLiteral("Title");
    case File: return QStringLiteral("File");
    case Model: return QStringLiteral("Model");
    case Size: return QStringLiteral("Size");
    case LastPlayed: return QStringLiteral("Last played");
    case PlayTime: return QStringLiteral("Play time");
    case Favourite: return kStar;
    default: return {};
    }
}

void LibraryModel::sort(int column, Qt::SortOrder order)
{
    if (column < 0 || column >= ColumnCount)
        return;
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QModelIndexList before = persistentIndexList();
    std::vector<int> records;
    records.reserve(static_cast<std::size_t>(before.size()));
    for (const QModelIndex &index : before)
        records.push_back(shown_[static_cast<std::size_t>(index.row())]);
    sortColumn_ = column;
    sortOrder_ = order;
    Order();
    Narrow();
    std::vector<int> rowOf(rows_.size(), -1);
    for (std::size_t row = 0; row < shown_.size(); ++row)
        rowOf[static_cast<std::size_t>(shown_[row])] = static_cast<int>(row);
    QModelIndexList after;
    after.reserve(before.size());
    for (qsizetype i = 0; i < before.size(); ++i)
        after.push_back(index(rowOf[static_cast<std::size_t>(records[static_cast<std::size_t>(i)])], before[i].column()));
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

bool LibraryModel::Less(int column, const Row &a, const Row &b) const
{
    const LibraryRecord &x = a.record;
    const LibraryRecord &y = b.record;
    int order = 0;
    switch (column) {
    case File: order = Compare(a.fileKey, b.fileKey); break;
    case Model: order = Compare(a.model, b.model); break;
    case Size: order = Compare(x.size, y.size); break;
    case LastPlayed: order = Compare(x.lastPlayedMs, y.lastPlayedMs); break;
    case PlayTime: order = Compare(x.playSeconds, y.playSeconds); break;
    case Favourite: order = Compare(y.favourite, x.favourite); break; // favourites first
    default: break;
    }
    if (order == 0)
        order = Compare(a.titleKey, b.titleKey);
    if (order == 0)
        order = Compare(a.fileKey, b.fileKey);
    return order < 0;
}

void LibraryModel::Order()
{
    order_.resize(rows_.size());
    std::iota(order_.begin(), order_.end(), 0);
    const auto less = [this](int a, int b) {
        return Less(sortColumn_, rows_[static_cast<std::size_t>(a)], rows_[static_cast<std::size_t>(b)]);
    };
    if (sortOrder_ == Qt::AscendingOrder)
        std::stable_sort(order_.begin(), order_.end(), less);
    else
        std::stable_sort(order_.begin(), order_.end(), [&less](int a, int b) { return less(b, a); });
}

void LibraryModel::Narrow()
{
    std::vector<std::uint8_t> pass = found_;
    if (show_ == Show::Favourites) {
        for (std::size_t i = 0; i < rows_.size(); ++i)
            pass[i] = pass[i] && rows_[i].record.favourite;
    } else if (show_ == Show::RecentlyPlayed) {
        // The kRecentCount records played last, whatever the search finds.
        std::vector<int> played;
        for (std::size_t i = 0; i < rows_.size(); ++i) {
            if (rows_[i].record.lastPlayedMs > 0)
                played.push_back(static_cast<int>(i));
        }
        const auto later = [this](int a, int b) {
            const qint64 x = rows_[static_cast<std::size_t>(a)].record.lastPlayedMs;
            const qint64 y = rows_[static_cast<std::size_t>(b)].record.lastPlayedMs;
            return x != y ? x > y : a < b;
        };
        const std::size_t keep = std::min<std::size_t>(played.size(), kRecentCount);
        std::partial_sort(played.begin(), played.begin() + static_cast<std::ptrdiff_t>(keep), played.end(), later);
        std::vector<std::uint8_t> recent(rows_.size(), 0);
        for (std::size_t i = 0; i < keep; ++i)
            recent[static_cast<std::size_t>(played[i])] = 1;
        for (std::size_t i = 0; i < rows_.size(); ++i)
            pass[i] = pass[i] && recent[i];
    }
    shown_.clear();
    for (int record : order_) {
        if (pass[static_cast<std::size_t>(record)])
            shown_.push_back(record);
    }
}

void LibraryModel::Refilter()
{
    beginResetModel();
    Narrow();
    endResetModel();
}

QString LibraryModel::SizeText(qint64 bytes)
{
    constexpr qint64 kKilo = 1024;
    if (bytes < kKilo * kKilo)
        return QStringLiteral("%1 KB").arg((bytes + kKilo - 1) / kKilo);
    return QStringLiteral("%1 MB").arg(QString::number(double(bytes) / double(kKilo * kKilo), 'g', 3));
}

QString LibraryModel::PlayTimeText(qint64 seconds)
{
    if (seconds <= 0)
        return {};
    if (seconds < 60)
        return QStringLiteral("< 1 min");
    const qint64 minutes = seconds / 60;
    if (minutes < 60)
        return QStringLiteral("%1 min").arg(minutes);
    return QStringLiteral("%1 h %2 min").arg(minutes / 60).arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

QString LibraryModel::LastPlayedText(qint64 msSinceEpoch)
{
    if (msSinceEpoch <= 0)
        return {};
    return QDateTime::fromMSecsSinceEpoch(msSinceEpoch).toString(QStringLiteral("yyyy-MM-dd HH:mm"));
}
