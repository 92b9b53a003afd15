#include "FileListBox.h"

#include "platform/CurrentFolder.h"
#include "platform/FileNames.h"
#include "platform/FolderScan.h"

#include "core/ArchiveEntryName.h"
#include "core/CartridgeTitle.h"

#include <QDir>
#include <QElapsedTimer>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QToolTip>

#include <algorithm>
#include <cstdio>
#include <iterator>

namespace {

// Changes in the shown folder are gathered for this long before it is read again.
constexpr int kSettleMs = 250;
// A folder that cannot be read or watched is tried again this often.
constexpr int kRetryMs = 1000;
// The archives are read in turns of about this long, or of this many entries,
// each turn's joining the list: the window's thread never takes in more at once.
constexpr int kArchiveTurnMs = 100;
constexpr std::size_t kArchiveTurnEntries = 2000;
// The window's thread takes in at most this many archive entries a turn of
// its event loop, and names of at most this many characters (the first
// entry whatever its length): a turn stays well within a frame.
constexpr std::size_t kJoinTurnEntries = 1000;
constexpr std::size_t kJoinTurnNameChars = std::size_t{32} * 1024;

// The list's order: by name without regard to case.
bool ListedBefore(const QString &a, const QString &b)
{
    const int folded = QString::compare(a, b, Qt::CaseInsensitive);
    return folded != 0 ? folded < 0 : a < b;
}

QString Decoded(std::string_view name)
{
    return DecodeFileName(QByteArray(name.data(), static_cast<qsizetype>(name.size())));
}

// Where a name goes among the listed names from start on: before the first
// that comes after it. The names added come in order and mostly close
// together: the search gallops from start, decoding a few names, not all.
std::size_t InsertionPoint(const NameList &listed, std::size_t start, const QString &name)
{
    const auto after = [&](std::size_t index) { return ListedBefore(name, Decoded(listed.At(index))); };
    std::size_t low = start;
    std::size_t high = start;
    for (std::size_t step = 1; high < listed.Size() && !after(high); step *= 2) {
        low = high + 1;
        high = low + step;
    }
    high = std::min(high, listed.Size());
    while (low < high) {
        const std::size_t middle = low + (high - low) / 2;
        if (after(middle))
            high = middle;
        else
            low = middle + 1;
    }
    return low;
}

// The listed names but those dropped (as the list keeps them, bytes), and
// more names, as one list in the list's order; both come in that order.
// Which rows are archive entries comes along: those of listed as they were
// (none when archived is empty), and all of more. Only archive entries are
// dropped, and a name of more that is an archive entry already is not added
// again. Taken only when a folder has archives: a folder of plain files moves
// its listing into the list whole. Safe on any thread.
NameList Merged(const NameList &listed, const std::vector<bool> &archived, const QStringList &more,
                const QSet<QByteArray> &dropped, std::vector<bool> &mergedArchived, qsizetype *added = nullptr)
{
    NameList merged;
    mergedArchived.clear();
    std::size_t next = 0;
    const auto copyUpTo = [&](std::size_t end) {
        for (; next < end; ++next) {
            const std::string_view name = listed.At(next);
            const bool entry = next < archived.size() && archived[next];
            if (entry && !dropped.isEmpty()
                && dropped.contains(QByteArray::fromRawData(name.data(), static_cast<qsizetype>(name.size()))))
                continue;
            merged.Append(name);
            mergedArchived.push_back(entry);
        }
    };
    // Equal names sit together, last before the place a name goes.
    const auto listedAlready = [&](const QString &name) {
        for (std::size_t row = merged.Size(); row > 0 && Decoded(merged.At(row - 1)) == name; --row) {
            if (mergedArchived[row - 1])
                return true;
        }
        return false;
    };
    qsizetype count = 0;
    for (const QString &name : more) {
        copyUpTo(InsertionPoint(listed, next, name));
        if (listedAlready(name))
            continue;
        merged.Append(EncodeFileName(name).toStdString());
        mergedArchived.push_back(true);
        ++count;
    }
    copyUpTo(listed.Size());
    if (added)
        *added = count;
    return merged;
}

// Puts a block's entries in the list's order, by the names they are listed under.
void SortBlock(ArchiveBlock &block)
{
    std::vector<std::size_t> order(block.entries.size());
    for (std::size_t index = 0; index < order.size(); ++index)
        order[index] = index;
    const auto listName = [&](std::size_t index) { return block.listNames.at(static_cast<qsizetype>(index)); };
    const auto before = [&](std::size_t a, std::size_t b) { return ListedBefore(listName(a), listName(b)); };
    if (std::is_sorted(order.begin(), order.end(), before))
        return;
    std::stable_sort(order.begin(), order.end(), before);
    std::vector<std::string> entries;
    QStringList listNames;
    entries.reserve(order.size());
    listNames.reserve(static_cast<qsizetype>(order.size()));
    for (const std::size_t index : order) {
        entries.push_back(std::move(block.entries[index]));
        listNames.append(listName(index));
    }
    block.entries = std::move(entries);
    block.listNames = std::move(listNames);
}

// Takes of an archive's entries, then of its refusals, what the folder's
// bounds leave room for; false when some were left out.
bool TakeWithinBounds(const QString &archive, ArchiveRoms &roms, std::size_t &taken, std::size_t &takenBytes)
{
    const std::size_t archiveBytes = static_cast<std::size_t>(EncodeFileName(archive).size());
    const auto keep = [&](std::vector<std::string> &names) {
        std::size_t kept = 0;
        for (; kept < names.size(); ++kept) {
            const std::size_t bytes = archiveBytes + names[kept].size();
            if (taken + 1 > kMaxFolderArchiveEntries || takenBytes + bytes > kMaxFolderArchiveNameBytes)
                break;
            ++taken;
            takenBytes += bytes;
        }
        const bool whole = kept == names.size();
        names.resize(kept);
        return whole;
    };
    const bool entries = keep(roms.entries);
    return entries && keep(roms.refusals);
}

} // namespace

FileListBox::FileListBox(QWidget *parent)
    : QListView(parent)
    , lister(ListMatchingFiles)
    , archiveReader([](const QString &path, const FilePattern &pattern) {
        return ListArchiveRoms(EncodeFileName(path).toStdString(), pattern);
    })
    , path_(CurrentFolder())
    , request_(lane_, [this](std::optional<FolderListing> listing) { Apply(listing ? std::move(*listing) : FolderListing()); })
    , archiveRequest_(archiveLane_, [this](std::optional<ArchiveBatch> batch) {
        // A reading that could not start (every thread taken by a share that
        // stopped answering) ends the pass with what was found so far.
        if (batch)
            JoinArchives(std::move(*batch));
        else
            emit Listed();
    })
{
    setModel(&model_);
    setUniformItemSizes(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    viewport()->setMouseTracking(true);
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this](const QItemSelection &selected) {
                if (selected.isEmpty() || restoring_)
                    return;
                pressSelected_ = true;
                emit Click();
            });
    settle_.setSingleShot(true);
    settle_.setInterval(kSettleMs);
    // The first change starts the wait: a folder that keeps changing is still
    // read again every quarter second.
    connect(&watcher_, &FolderWatcher::Changed, this, [this] {
        if (!settle_.isActive())
            settle_.start();
    });
    connect(&settle_, &QTimer::timeout, this, &FileListBox::ReadAgain);
    retry_.setSingleShot(true);
    retry_.setInterval(kRetryMs);
    connect(&retry_, &QTimer::timeout, this, &FileListBox::ReadAgain);
}

void FileListBox::SetPath(const QString &path)
{
    // Start-up sets the folder the folder list has just shown: list it once.
    if (started_ && path == path_)
        return;
    path_ = path;
    titles_.clear();
    notes_.clear();
    model_.SetNames({});
    archived_.clear();
    archives_.Clear();
    told_.clear();
    Refresh();
}

void FileListBox::SetPattern(const QString &pattern)
{
    patternText_ = pattern;
    pattern_ = FilePattern(pattern.toStdString());
    archives_.Clear();
    archived_.clear();
    if (started_)
        Refresh();
}

bool FileListBox::Takes(const QString &fileName) const
{
    return pattern_.Matches(EncodeFileName(fileName).toStdString());
}

QString FileListBox::FileName() const
{
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    return selected.isEmpty() ? QString() : selected.first().data(Qt::EditRole).toString();
}

QStringList FileListBox::Names() const
{
    QStringList names;
    for (int row = 0; row < model_.rowCount(); ++row)
        names.append(model_.index(row).data(Qt::EditRole).toString());
    return names;
}

QString FileListBox::ListNameOf(const QString &fileName) const
{
    const QString first = archives_.FirstOf(fileName);
    return first.isEmpty() ? fileName : first;
}

bool FileListBox::Select(const QString &name)
{
    const int row = model_.Row(name);
    if (row < 0)
        return false;
    setCurrentIndex(model_.index(row));
    return true;
}

void FileListBox::Refresh()
{
    started_ = true;
    again_ = false;
    retry_.stop();
    archiveRequest_.Drop();
    joinActive_ = false;
    ++joinToken_;
    // One reading of the folder finds its archives too; they are taken out
    // of the names here, and read after the plain files are shown.
    const FilePattern withArchives((patternText_ + QStringLiteral("; *.zip; *.7z")).toStdString());
    // A folder read again keeps the archive entries it shows until its
    // archives have been read again: they are merged with its new listing here too.
    NameList shown;
    if (std::find(archived_.begin(), archived_.end(), true) != archived_.end())
        shown = model_.Names();
    request_.Start([path = path_, pattern = pattern_, withArchives, list = lister, shown = std::move(shown),
                    archived = archived_] {
        FolderListing listing;
        // Watched first: a change while the folder is read is not missed.
        listing.watch = FolderWatch::Add(EncodeFileName(path));
        listing.read = list(path, withArchives, listing.names);
        listing.names.RemoveIf([&](std::string_view name) {
            const char last = name.empty() ? '\0' : name.back();
            if (last != 'p' && last != 'P' && last != 'z' && last != 'Z')
                return false;
            const std::string bytes(name);
            if (!IsArchiveName(bytes) || pattern.Matches(bytes))
                return false;
            listing.archives.append(DecodeFileName(QByteArray::fromStdString(bytes)));
            return true;
        });
        QStringList kept;
        for (std::size_t row = 0; row < shown.Size(); ++row) {
            if (row < archived.size() && archived[row])
                kept.append(Decoded(shown.At(row)));
        }
        if (!kept.isEmpty())
            listing.names = Merged(listing.names, {}, kept, {}, listing.archived);
        return listing;
    });
}

void FileListBox::ReadAgain()
{
    // Archives being taken in are taken in whole first: the list then shows every entry the catalog holds.
    if (request_.InFlight() || joinActive_)
        again_ = true;
    else
        Refresh();
}

void FileListBox::Apply(FolderListing listing)
{
    ShowNames(std::move(listing.names), std::move(listing.archived));
    watcher_.Follow(listing.watch);
    if (again_) {
        Refresh();
        emit Listed();
        return;
    }
    if (!listing.read || !listing.watch)
        retry_.start();
    archives_.StartPass();
    // A folder without archives is listed now.
    if (listing.archives.isEmpty())
        JoinArchives({});
    else {
        archives_.Reserve(kMaxFolderArchiveEntries); // the folder's most, hashed into place never again
        ReadArchives({listing.archives, 0, {}, 0, 0, {}, 0, {}, {}, -1});
    }
}

void FileListBox::ReadArchives(const ArchiveBatch &rest)
{
    // The list as it is while the archives are read: their entries are merged
    // into it here, and the window's thread only takes the result.
    archiveRequest_.Start([path = path_, pattern = pattern_, read = archiveReader, rest, shown = model_.Names(),
                           archived = archived_] {
        ArchiveBatch batch{rest.names, rest.next, {}, rest.taken, rest.takenBytes, {}, 0, {}, {}, -1};
        QElapsedTimer turn;
        turn.start();
        std::size_t turnEntries = 0;
        while (batch.next < batch.names.size()
               && (batch.read.isEmpty() || (turn.elapsed() < kArchiveTurnMs && turnEntries < kArchiveTurnEntries))) {
            const QString &name = batch.names.at(batch.next++);
            ArchiveRoms roms = read(path + QLatin1Char('/') + name, pattern);
            const bool whole = TakeWithinBounds(name, roms, batch.taken, batch.takenBytes);
            turnEntries += roms.entries.size() + roms.refusals.size();
            // Made ready here, in the list's order: the window's thread only stores them.
            ArchiveBlock block = ArchiveCatalog::Prepare(name, std::move(roms.entries));
            SortBlock(block);
            batch.read.append({std::move(block), std::move(roms.refusals)});
            if (!whole) {
                batch.cutFrom = name;
                batch.unread = batch.names.size() - batch.next;
                batch.next = batch.names.size();
            }
        }
        QStringList names;
        for (const ArchiveBatch::Read &archive : std::as_const(batch.read))
            names.append(archive.block.listNames);
        if (!std::is_sorted(names.begin(), names.end(), ListedBefore))
            std::stable_sort(names.begin(), names.end(), ListedBefore);
        batch.merged = Merged(shown, archived, names, {}, batch.mergedArchived, &batch.mergedAdded);
        return batch;
    });
}

void FileListBox::JoinArchives(ArchiveBatch batch)
{
    joining_ = std::move(batch);
    joinArchive_ = 0;
    joinEntry_ = 0;
    joinAdded_.clear();
    joinActive_ = true;
    JoinTurn();
}

void FileListBox::JoinTurn()
{
    ArchiveCatalog::Room room{kJoinTurnEntries, kJoinTurnNameChars};
    while (joinArchive_ < joining_.read.size() && room.Left()) {
        const ArchiveBatch::Read &read = joining_.read.at(joinArchive_);
        joinEntry_ = archives_.Add(read.block, joinEntry_, room, &joinAdded_);
        if (joinEntry_ < read.block.entries.size())
            break;
        for (const std::string &refusal : read.refusals)
            Tell(QStringLiteral("refused: ") + path_ + QLatin1Char('/') + read.block.archive + QStringLiteral(": ")
                 + DecodeFileName(QByteArray::fromStdString(refusal)));
        room.entries -= std::min(room.entries, read.refusals.size());
        ++joinArchive_;
        joinEntry_ = 0;
    }
    if (joinArchive_ < joining_.read.size()) {
        QTimer::singleShot(0, this, [this, token = joinToken_] {
            if (token == joinToken_ && joinActive_)
                JoinTurn();
        });
        return;
    }
    FinishJoin();
}

void FileListBox::FinishJoin()
{
    joinActive_ = false;
    const ArchiveBatch &batch = joining_;
    if (!batch.cutFrom.isEmpty())
        Tell(QStringLiteral("%1: archive entries left out from %2 on, and %3 more archives not read: a folder "
                            "lists at most %4 archive entries and %5 MB of their names")
                 .arg(path_, batch.cutFrom)
                 .arg(batch.unread)
                 .arg(kMaxFolderArchiveEntries)
                 .arg(kMaxFolderArchiveNameBytes / (std::size_t{1024} * 1024)));
    const bool done = batch.next >= batch.names.size();
    // At the end of the pass, the entries it did not find again go.
    const QStringList gone = done ? archives_.ForgetUnfound() : QStringList();
    QStringList &added = joinAdded_;
    if (gone.isEmpty() && batch.mergedAdded == added.size()) {
        // What the catalog took is what the reading merged into the list.
        if (!added.isEmpty())
            ShowNames(std::move(joining_.merged), std::move(joining_.mergedArchived));
    } else if (!added.isEmpty() || !gone.isEmpty()) {
        // An archive's entries mostly come in order already: checked in one
        // pass, they are not sorted again.
        if (!std::is_sorted(added.begin(), added.end(), ListedBefore))
            std::sort(added.begin(), added.end(), ListedBefore);
        QSet<QByteArray> dropped;
        for (const QString &name : gone)
            dropped.insert(EncodeFileName(name));
        std::vector<bool> archived;
        NameList names = Merged(model_.Names(), archived_, added, dropped, archived);
        ShowNames(std::move(names), std::move(archived));
    }
    added.clear();
    joining_.read.clear();
    joining_.merged = {};
    joining_.mergedArchived.clear();
    // The folder changed while its archives were taken in: it is read again now.
    if (again_) {
        Refresh();
        return;
    }
    if (!done) {
        ReadArchives(joining_);
        return;
    }
    emit Listed();
}

void FileListBox::Tell(const QString &line)
{
    if (told_.contains(line))
        return;
    told_.insert(line);
    // On one line, whatever an archive's names hold: no control character
    // (a terminal's escape sequence) reaches the error output as it is.
    std::fprintf(stderr, "vexa-launcher: %s\n", OneLineName(line).toLocal8Bit().constData());
}

void FileListBox::ShowNames(NameList names, std::vector<bool> archived)
{
    archived_ = std::move(archived);
    // A folder read again keeps its selection while the selected file is there.
    const QString selected = FileName();
    const int scroll = verticalScrollBar()->value();
    restoring_ = true;
    model_.SetNames(std::move(names));
    const int row = selected.isEmpty() ? -1 : model_.Row(selected);
    if (row >= 0)
        setCurrentIndex(model_.index(row));
    verticalScrollBar()->setValue(scroll);
    restoring_ = false;
}

void FileListBox::focusInEvent(QFocusEvent *event)
{
    QListView::focusInEvent(event);
    // Taking the focus makes the first entry current, drawn as if chosen:
    // with nothing selected, no entry is current (Down selects the first).
    if (selectionModel()->selectedIndexes().isEmpty())
        selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
}

void FileListBox::keyPressEvent(QKeyEvent *event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && !FileName().isEmpty()) {
        emit KeyPress(13);
        return;
    }
    // With nothing selected yet, the first step down selects the first entry.
    if (event->key() == Qt::Key_Down && FileName().isEmpty() && model_.rowCount() > 0) {
        setCurrentIndex(model_.index(0));
        return;
    }
    QListView::keyPressEvent(event);
}

void FileListBox::mouseDoubleClickEvent(QMouseEvent *event)
{
    QListView::mouseDoubleClickEvent(event);
    if (indexAt(event->position().toPoint()).isValid() && !FileName().isEmpty()) {
        afterDoubleClick_ = true;
        emit DblClick();
    }
}

void FileListBox::mouseMoveEvent(QMouseEvent *event)
{
    emit MouseMove();
    QListView::mouseMoveEvent(event);
}

void FileListBox::mousePressEvent(QMouseEvent *event)
{
    pressSelected_ = false;
    QListView::mousePressEvent(event);
}

void FileListBox::mouseReleaseEvent(QMouseEvent *event)
{
    QListView::mouseReleaseEvent(event);
    // A click on the entry that is selected already is a click all the same.
    const QModelIndex index = indexAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && !afterDoubleClick_ && !pressSelected_ && index.isValid()
        && selectionModel()->isSelected(index))
        emit Click();
    afterDoubleClick_ = false;
    pressSelected_ = false;
    emit MouseUp();
}

void FileListBox::SetTitle(const QString &name, const QString &title)
{
    titles_.insert(name, title);
}

QString FileListBox::ToolTipAt(const QPoint &point) const
{
    const QModelIndex index = indexAt(point);
    if (!index.isValid())
        return {};
    const QString name = index.data(Qt::EditRole).toString();
    const QString tip = QString::fromStdString(
        RomToolTip(model()->data(index, Qt::DisplayRole).toString().toStdString(), titles_.value(name).toStdString()));
    const QStringList notes = notes_.value(name);
    return notes.isEmpty() ? tip : tip + QLatin1Char('\n') + notes.join(QLatin1Char('\n'));
}

void FileListBox::SetNotes(const QString &name, const QStringList &notes)
{
    notes_.insert(name, notes);
}

bool FileListBox::viewportEvent(QEvent *event)
{
    if (event->type() != QEvent::ToolTip)
        return QListView::viewportEvent(event);
    const auto *help = static_cast<QHelpEvent *>(event);
    const QString tip = ToolTipAt(help->pos());
    if (tip.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(help->globalPos(), tip, viewport(), visualRect(indexAt(help->pos())));
    return true;
}
