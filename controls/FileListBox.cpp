#include "FileListBox.h"

#include "platform/CurrentFolder.h"
#include "platform/FileNames.h"
#include "platform/FolderScan.h"

#include "core/ArchiveEntryName.h"

#include <QDir>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>

#include <algorithm>
#include <cstdio>
#include <iterator>

namespace {

// Changes in the shown folder are gathered for this long before it is read again.
constexpr int kSettleMs = 250;
// A folder that cannot be read or watched is tried again this often.
constexpr int kRetryMs = 1000;
// The archives are read in turns of about this long, each turn's joining the list.
constexpr int kArchiveTurnMs = 100;

// The list's order: by name without regard to case.
bool ListedBefore(const QString &a, const QString &b)
{
    const int folded = QString::compare(a, b, Qt::CaseInsensitive);
    return folded != 0 ? folded < 0 : a < b;
}

} // namespace

QVariant FileListBox::NameModel::data(const QModelIndex &index, int role) const
{
    const QVariant value = QStringListModel::data(index, role == Qt::DisplayRole ? Qt::EditRole : role);
    return role == Qt::DisplayRole ? QVariant(DisplayFileName(value.toString())) : value;
}

FileListBox::FileListBox(QWidget *parent)
    : QListView(parent)
    , lister(ListMatchingFiles)
    , archiveReader([](const QString &path, const FilePattern &pattern) {
        return ListArchiveRoms(EncodeFileName(path).toStdString(), pattern);
    })
    , path_(CurrentFolder())
    , request_(lane_, [this](std::optional<FolderListing> listing) { Apply(listing ? *listing : FolderListing()); })
    , archiveRequest_(lane_, [this](std::optional<ArchiveBatch> batch) {
        // A reading that could not start (every thread taken by a share that
        // stopped answering) ends the pass with what was found so far.
        if (batch)
            JoinArchives(*batch);
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
    model_.setStringList({});
    archives_.Clear();
    told_.clear();
    Refresh();
}

void FileListBox::SetPattern(const QString &pattern)
{
    patternText_ = pattern;
    pattern_ = FilePattern(pattern.toStdString());
    archives_.Clear();
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

QString FileListBox::ListNameOf(const QString &fileName) const
{
    const QString first = archives_.FirstOf(fileName);
    return first.isEmpty() ? fileName : first;
}

bool FileListBox::Select(const QString &name)
{
    const int row = static_cast<int>(model_.stringList().indexOf(name));
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
    // One reading of the folder finds its archives too; they are taken out
    // of the names here, and read after the plain files are shown.
    const FilePattern withArchives((patternText_ + QStringLiteral("; *.zip; *.7z")).toStdString());
    request_.Start([path = path_, pattern = pattern_, withArchives, list = lister] {
        FolderListing listing;
        // Watched first: a change while the folder is read is not missed.
        listing.watch = FolderWatch::Add(EncodeFileName(path));
        listing.read = list(path, withArchives, listing.names);
        listing.names.removeIf([&](const QString &name) {
            const QChar last = name.isEmpty() ? QChar() : name.back().toLower();
            if (last != u'p' && last != u'z')
                return false;
            const std::string bytes = EncodeFileName(name).toStdString();
            if (!IsArchiveName(bytes) || pattern.Matches(bytes))
                return false;
            listing.archives.append(name);
            return true;
        });
        return listing;
    });
}

void FileListBox::ReadAgain()
{
    if (request_.InFlight())
        again_ = true;
    else
        Refresh();
}

void FileListBox::Apply(const FolderListing &listing)
{
    // A folder read again keeps the archive entries it showed until its
    // archives have been read again.
    QStringList kept;
    for (const QString &name : model_.stringList()) {
        if (archives_.Find(name))
            kept.append(name);
    }
    if (kept.isEmpty()) {
        ShowNames(listing.names);
    } else {
        QStringList merged;
        std::merge(listing.names.begin(), listing.names.end(), kept.begin(), kept.end(), std::back_inserter(merged),
                   ListedBefore);
        ShowNames(merged);
    }
    watcher_.Follow(listing.watch);
    if (again_) {
        Refresh();
        emit Listed();
        return;
    }
    if (!listing.read || !listing.watch)
        retry_.start();
    seen_.clear();
    // A folder without archives is listed now.
    if (listing.archives.isEmpty())
        JoinArchives({});
    else
        ReadArchives({listing.archives, 0, {}});
}

void FileListBox::ReadArchives(const ArchiveBatch &rest)
{
    archiveRequest_.Start([path = path_, pattern = pattern_, read = archiveReader, rest] {
        ArchiveBatch batch{rest.names, rest.next, {}};
        QElapsedTimer turn;
        turn.start();
        while (batch.next < batch.names.size() && (batch.read.isEmpty() || turn.elapsed() < kArchiveTurnMs)) {
            const QString &name = batch.names.at(batch.next++);
            batch.read.append({name, read(path + QLatin1Char('/') + name, pattern)});
        }
        return batch;
    });
}

void FileListBox::JoinArchives(const ArchiveBatch &batch)
{
    QStringList added;
    for (const auto &[archive, roms] : batch.read) {
        for (const std::string &refusal : roms.refusals) {
            const QString line = DisplayFileName(path_ + QLatin1Char('/') + archive) + QStringLiteral(": ")
                + DisplayFileName(DecodeFileName(QByteArray::fromStdString(refusal)));
            if (!told_.contains(line)) {
                told_.insert(line);
                std::fprintf(stderr, "vexa-launcher: refused: %s\n", line.toLocal8Bit().constData());
            }
        }
        for (const QString &name : archives_.Add(archive, roms.entries, &added))
            seen_.insert(name);
    }
    const bool done = batch.next >= batch.names.size();
    // At the end of the pass, the entries it did not find again go.
    const QStringList gone = done ? archives_.KeepOnly(seen_) : QStringList();
    if (!added.isEmpty() || !gone.isEmpty()) {
        QStringList names = model_.stringList();
        if (!gone.isEmpty()) {
            const QSet<QString> goneSet(gone.begin(), gone.end());
            names.removeIf([&goneSet](const QString &name) { return goneSet.contains(name); });
        }
        std::sort(added.begin(), added.end(), ListedBefore);
        QStringList merged;
        merged.reserve(names.size() + added.size());
        std::merge(names.begin(), names.end(), added.begin(), added.end(), std::back_inserter(merged), ListedBefore);
        ShowNames(merged);
    }
    if (!done) {
        ReadArchives(batch);
        return;
    }
    emit Listed();
}

void FileListBox::ShowNames(const QStringList &names)
{
    // A folder read again keeps its selection while the selected file is there.
    const QString selected = FileName();
    const int scroll = verticalScrollBar()->value();
    restoring_ = true;
    model_.setStringList(names);
    const int row = selected.isEmpty() ? -1 : static_cast<int>(names.indexOf(selected));
    if (row >= 0)
        setCurrentIndex(model_.index(row));
    verticalScrollBar()->setValue(scroll);
    restoring_ = false;
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
