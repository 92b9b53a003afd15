#include "LibraryModel.h"

#include "core/CartridgeModel.h"
#include "core/CartridgeTitle.h"
#include "core/SearchFold.h"

#include <QDateTime>
#include <QFileInfo>

#include <algorithm>
#include <numeric>
#include <set>

namespace {

const QString kStar = QStringLiteral("\u2605");
const QString kNoStar = QStringLiteral("\u2606");
// A version listed below its game's row.
const QString kVersionMark = QStringLiteral("\u21b3");

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
    const std::set<std::string> expanded = ExpandedGames();
    rows_.clear();
    rows_.reserve(records.size());
    checksFound_ = 0;
    versions_.clear();
    versions_.reserve(records.size());
    text_.Clear();
    for (LibraryRecord &record : records) {
        Row row;
        const QString entry = QString::fromStdString(record.entry);
        const QString fileName = entry.isEmpty()
            ? LastPart(record.file)
            : QFileInfo(record.path).fileName() + QStringLiteral(": ") + entry;
        const bool verified = record.check == DumpCheck::Verified && !record.datGame.isEmpty();
        row.title = verified ? record.datGame : WithoutExtension(LastPart(entry.isEmpty() ? record.file : entry));
        const std::string cartridgeTitle = CartridgeTitle(record.header);
        row.cartridgeTitle = QString::fromStdString(cartridgeTitle);
        row.model = ModelText(ReadCartridgeModel(record.header));
        row.titleKey = FoldForSearch(row.title.toStdString());
        row.fileKey = FoldForSearch(record.file.toStdString());
        row.checkRank = int(record.check == DumpCheck::Verified ? 0 : record.check == DumpCheck::BadDump ? 1 : 2) * 2
            + int(record.headerDamaged);
        checksFound_ |= 1u << row.checkRank;
        text_.Add({fileName.toStdString(), cartridgeTitle, verified ? record.datGame.toStdString() : std::string()});
        versions_.push_back(ReadVersion(row.title.toStdString(), record.cloneOf.toStdString()));
        row.record = std::move(record);
        rows_.push_back(std::move(row));
    }
    text_.Find(search_.toStdString(), found_);
    Regroup(expanded);
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

void LibraryModel::SetCheckFilter(CheckFilter filter)
{
    if (filter == checkFilter_)
        return;
    checkFilter_ = filter;
    Refilter();
}

void LibraryModel::SetGrouped(bool on)
{
    if (on == grouped_)
        return;
    grouped_ = on;
    Refilter();
}

void LibraryModel::SetRegionOrder(const RegionOrder &order)
{
    regionOrder_ = order;
    beginResetModel();
    Regroup(ExpandedGames());
    Narrow();
    endResetModel();
}

std::set<std::string> LibraryModel::ExpandedGames() const
{
    std::set<std::string> expanded;
    for (std::size_t group = 0; group < groups_.size(); ++group) {
        if (expanded_[group])
            expanded.insert(versions_[static_cast<std::size_t>(groups_[group].front())].key);
    }
    return expanded;
}

void LibraryModel::Regroup(const std::set<std::string> &expanded)
{
    groups_ = GroupVersions(versions_, regionOrder_);
    groupOf_.assign(versions_.size(), 0);
    expanded_.assign(groups_.size(), 0);
    for (std::size_t group = 0; group < groups_.size(); ++group) {
        for (const int record : groups_[group])
            groupOf_[static_cast<std::size_t>(record)] = static_cast<int>(group);
        expanded_[group] = expanded.count(versions_[static_cast<std::size_t>(groups_[group].front())].key) > 0;
    }
}

int LibraryModel::OtherVersions(int row) const
{
    return grouped_ && row >= 0 && row < static_cast<int>(marks_.size()) ? marks_[static_cast<std::size_t>(row)] : 0;
}

bool LibraryModel::Expanded(int row) const
{
    if (!grouped_ || row < 0 || row >= static_cast<int>(shown_.size()))
        return false;
    return expanded_[static_cast<std::size_t>(groupOf_[static_cast<std::size_t>(shown_[static_cast<std::size_t>(row)])])];
}

int LibraryModel::GameRow(int row) const
{
    while (row > 0 && OtherVersions(row) < 0)
        --row;
    return row;
}

void LibraryModel::SetExpanded(int row, bool on)
{
    if (!grouped_ || row < 0 || row >= static_cast<int>(shown_.size()))
        return;
    row = GameRow(row);
    const int others = marks_[static_cast<std::size_t>(row)];
    const int record = shown_[static_cast<std::size_t>(row)];
    const auto group = static_cast<std::size_t>(groupOf_[static_cast<std::size_t>(record)]);
    if (others <= 0 || bool(expanded_[group]) == on)
        return;
    expanded_[group] = on;
    const auto at = static_cast<std::ptrdiff_t>(row) + 1;
    if (on) {
        beginInsertRows({}, row + 1, row + others);
        std::vector<int> versions;
        for (const int version : groups_[group]) {
            if (version != record && pass_[static_cast<std::size_t>(version)])
                versions.push_back(version);
        }
        shown_.insert(shown_.begin() + at, versions.begin(), versions.end());
        marks_.insert(marks_.begin() + at, versions.size(), -1);
        endInsertRows();
    } else {
        beginRemoveRows({}, row + 1, row + others);
        shown_.erase(shown_.begin() + at, shown_.begin() + at + others);
        marks_.erase(marks_.begin() + at, marks_.begin() + at + others);
        endRemoveRows();
    }
    emit dataChanged(index(row, Versions), index(row, Versions));
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
    const int mark = OtherVersions(index.row());
    if (role == Qt::DisplayRole) {
        switch (index.column()) {
        case Versions:
            if (mark < 0)
                return kVersionMark;
            if (mark == 0)
                return {};
            return (Expanded(index.row()) ? QStringLiteral("\u2212") : QStringLiteral("+")) + QString::number(mark);
        case Title: return row.title;
        case File: return record.file;
        case Model: return row.model;
        case Check: return CheckText(record);
        case Size: return SizeText(record.size);
        case LastPlayed: return LastPlayedText(record.lastPlayedMs);
        case PlayTime: return PlayTimeText(record.playSeconds);
        case Favourite: return record.favourite ? kStar : kNoStar;
        default: return {};
        }
    }
    if (role == Qt::ToolTipRole) {
        switch (index.column()) {
        case Versions:
            if (mark < 0)
                return tr("Another version of the game above");
            if (mark == 0)
                return {};
            if (Expanded(index.row()))
                return tr("Click to hide the other versions of this game");
            return mark == 1 ? tr("1 other version of this game: click to list it")
                             : tr("%1 other versions of this game: click to list them").arg(mark);
        case Title: {
            QStringList lines;
            if (!row.cartridgeTitle.isEmpty())
                lines << row.cartridgeTitle;
            if (record.check == DumpCheck::Verified && !record.datName.isEmpty())
                lines << tr("Verified in %1").arg(record.datName);
            if (record.headerDamaged)
                lines << tr("Header damaged");
            return lines.isEmpty() ? QVariant() : QVariant(lines.join(QLatin1Char('\n')));
        }
        case Check: {
            QString line;
            switch (record.check) {
            case DumpCheck::Verified:
                line = record.datName.isEmpty() ? tr("A good dump, as an imported DAT lists it")
                                                : tr("A good dump, as %1 lists it").arg(record.datName);
                break;
            case DumpCheck::BadDump:
                line = tr("A bad dump: a DAT lists this game with other contents, or marks this dump bad");
                break;
            case DumpCheck::NotInDat: line = tr("No imported DAT lists this ROM"); break;
            }
            if (record.headerDamaged)
                line += QLatin1Char('\n') + tr("Header damaged: its header checksum or logo is wrong; it starts all the same");
            return line;
        }
        case File: return record.path;
        case PlayTime:
            return record.launches == 1 ? tr("Started once")
                                        : tr("Started %1 times").arg(record.launches);
        case Favourite:
            return record.favourite ? tr("A favourite: click to take it off")
                                    : tr("Click to make it a favourite");
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
    if (orientation == Qt::Horizontal && role == Qt::ToolTipRole && section == Versions)
        return tr("The other versions of a game");
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case Versions: return QStringLiteral("+");
    case Title: return tr("Title");
    case File: return tr("File");
    case Model: return tr("Model");
    case Check: return tr("Check");
    case Size: return tr("Size");
    case LastPlayed: return tr("Last played");
    case PlayTime: return tr("Play time");
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

bool LibraryModel::Less(int column, int first, int second) const
{
    const Row &a = rows_[static_cast<std::size_t>(first)];
    const Row &b = rows_[static_cast<std::size_t>(second)];
    const LibraryRecord &x = a.record;
    const LibraryRecord &y = b.record;
    const auto versions = [this](int record) {
        return groups_[static_cast<std::size_t>(groupOf_[static_cast<std::size_t>(record)])].size();
    };
    int order = 0;
    switch (column) {
    case Versions: order = Compare(versions(first), versions(second)); break;
    case Check: order = Compare(a.checkRank, b.checkRank); break;
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
        return Less(sortColumn_, a, b);
    };
    if (sortOrder_ == Qt::AscendingOrder)
        std::stable_sort(order_.begin(), order_.end(), less);
    else
        std::stable_sort(order_.begin(), order_.end(), [&less](int a, int b) { return less(b, a); });
}

bool LibraryModel::Passes(const LibraryRecord &record) const
{
    switch (checkFilter_) {
    case CheckFilter::All: return true;
    case CheckFilter::Verified: return record.check == DumpCheck::Verified;
    case CheckFilter::BadDump: return record.check == DumpCheck::BadDump;
    case CheckFilter::NotInDat: return record.check == DumpCheck::NotInDat;
    case CheckFilter::HeaderDamaged: return record.headerDamaged;
    }
    return true;
}

void LibraryModel::Narrow()
{
    std::vector<std::uint8_t> &pass = pass_;
    pass = found_;
    if (checkFilter_ != CheckFilter::All) {
        for (std::size_t i = 0; i < rows_.size(); ++i)
            pass[i] = pass[i] && Passes(rows_[i].record);
    }
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
    passing_ = static_cast<int>(std::count(pass.begin(), pass.end(), std::uint8_t(1)));
    List(pass);
}

void LibraryModel::List(const std::vector<std::uint8_t> &pass)
{
    shown_.clear();
    marks_.clear();
    games_ = 0;
    if (!grouped_) {
        for (int record : order_) {
            if (pass[static_cast<std::size_t>(record)])
                shown_.push_back(record);
        }
        marks_.assign(shown_.size(), 0);
        return;
    }
    // Each game's row is its first version that passes; the games come in
    // the order of those rows.
    std::vector<int> first(groups_.size(), -1);
    std::vector<int> passing(groups_.size(), 0);
    for (std::size_t group = 0; group < groups_.size(); ++group) {
        for (const int record : groups_[group]) {
            if (!pass[static_cast<std::size_t>(record)])
                continue;
            if (first[group] < 0)
                first[group] = record;
            ++passing[group];
        }
    }
    for (const int record : order_) {
        const auto group = static_cast<std::size_t>(groupOf_[static_cast<std::size_t>(record)]);
        if (first[group] != record)
            continue;
        shown_.push_back(record);
        marks_.push_back(passing[group] - 1);
        ++games_;
        if (!expanded_[group] || passing[group] < 2)
            continue;
        for (const int version : groups_[group]) {
            if (version != record && pass[static_cast<std::size_t>(version)]) {
                shown_.push_back(version);
                marks_.push_back(-1);
            }
        }
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
        return tr("%1 KB").arg((bytes + kKilo - 1) / kKilo);
    return tr("%1 MB").arg(QString::number(double(bytes) / double(kKilo * kKilo), 'g', 3));
}

QString LibraryModel::PlayTimeText(qint64 seconds)
{
    if (seconds <= 0)
        return {};
    if (seconds < 60)
        return tr("< 1 min");
    const qint64 minutes = seconds / 60;
    if (minutes < 60)
        return tr("%1 min").arg(minutes);
    return tr("%1 h %2 min").arg(minutes / 60).arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

QString LibraryModel::ModelText(const CartridgeModel &model)
{
    QString text;
    switch (model.colour) {
    case CartridgeModel::Colour::GameBoy: text = tr("Game Boy"); break;
    case CartridgeModel::Colour::GameBoyAndColor: text = tr("Game Boy + Color"); break;
    case CartridgeModel::Colour::ColorOnly: text = tr("Color only"); break;
    }
    return model.superGameBoy ? tr("%1, Super Game Boy").arg(text) : text;
}

QString LibraryModel::CheckText(const LibraryRecord &record)
{
    QString text;
    switch (record.check) {
    case DumpCheck::Verified: text = tr("Verified"); break;
    case DumpCheck::BadDump: text = tr("Bad dump"); break;
    case DumpCheck::NotInDat: text = tr("Not in DAT"); break;
    }
    if (record.headerDamaged)
        text = tr("%1 \u00b7 Header damaged").arg(text);
    return text;
}

QStringList LibraryModel::CheckTexts() const
{
    QStringList texts;
    for (int rank = 0; rank < 6; ++rank) {
        if (checksFound_ & (1u << rank)) {
            LibraryRecord record;
            record.check = rank < 2 ? DumpCheck::Verified : rank < 4 ? DumpCheck::BadDump : DumpCheck::NotInDat;
            record.headerDamaged = rank % 2 == 1;
            texts << CheckText(record);
        }
    }
    return texts;
}

QString LibraryModel::LastPlayedText(qint64 msSinceEpoch)
{
    if (msSinceEpoch <= 0)
        return {};
    return QDateTime::fromMSecsSinceEpoch(msSinceEpoch).toString(QStringLiteral("yyyy-MM-dd HH:mm"));
}
