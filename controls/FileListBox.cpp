#include "FileListBox.h"

#include "platform/CurrentFolder.h"
#include "platform/FileNames.h"
#include "platform/FolderScan.h"

#include "core/CartridgeTitle.h"

#include <QDir>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QToolTip>

namespace {

// Changes in the shown folder are gathered for this long before it is read again.
constexpr int kSettleMs = 250;
// A folder that cannot be read or watched is tried again this often.
constexpr int kRetryMs = 1000;

} // namespace

FileListBox::FileListBox(QWidget *parent)
    : QListView(parent)
    , lister(ListMatchingFiles)
    , path_(CurrentFolder())
    , request_(lane_, [this](std::optional<FolderListing> listing) { Apply(listing ? std::move(*listing) : FolderListing()); })
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
    model_.SetNames({});
    Refresh();
}

void FileListBox::SetPattern(const QString &pattern)
{
    patternText_ = pattern;
    pattern_ = FilePattern(pattern.toStdString());
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
    request_.Start([path = path_, pattern = pattern_, list = lister] {
        FolderListing listing;
        // Watched first: a change while the folder is read is not missed.
        listing.watch = FolderWatch::Add(EncodeFileName(path));
        listing.read = list(path, pattern, listing.names);
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

void FileListBox::Apply(FolderListing listing)
{
    // A folder read again keeps its selection while the selected file is there.
    const QString selected = FileName();
    const int scroll = verticalScrollBar()->value();
    restoring_ = true;
    model_.SetNames(std::move(listing.names));
    const int row = selected.isEmpty() ? -1 : model_.Row(selected);
    if (row >= 0)
        setCurrentIndex(model_.index(row));
    verticalScrollBar()->setValue(scroll);
    restoring_ = false;
    watcher_.Follow(listing.watch);
    if (again_)
        Refresh();
    else if (!listing.read || !listing.watch)
        retry_.start();
    emit Listed();
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
    const QString title = titles_.value(index.data(Qt::EditRole).toString());
    return QString::fromStdString(
        RomToolTip(model()->data(index, Qt::DisplayRole).toString().toStdString(), title.toStdString()));
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
