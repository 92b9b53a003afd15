#include "FileListBox.h"

#include "../platform/FileNames.h"
#include "../platform/FolderScan.h"

#include <QDir>

#include <algorithm>

namespace {

bool WildcardMatch(const QChar *name, const QChar *nameEnd, const QChar *glob, const QChar *globEnd)
{
    // Iterative '*' and '?' matching with one backtrack point.
    const QChar *starGlob = nullptr;
    const QChar *starName = nullptr;
    while (name != nameEnd) {
        if (glob != globEnd && *glob == QLatin1Char('*')) {
            starGlob = ++glob;
            starName = name;
        } else if (glob != globEnd
                   && (*glob == QLatin1Char('?') || glob->toCaseFolded() == name->toCaseFolded())) {
            ++glob;
            ++name;
        } else if (starGlob) {
            glob = starGlob;
            name = ++starName;
        } else {
            return false;
        }
    }
    while (glob != globEnd && *glob == QLatin1Char('*'))
        ++glob;
    return glob == globEnd;
}

} // namespace

QVariant FileListBox::NameModel::data(const QModelIndex &index, int role) const
{
    const QVariant value = QStringListModel::data(index, role == Qt::DisplayRole ? Qt::EditRole : role);
    return role == Qt::DisplayRole ? QVariant(DisplayFileName(value.toString())) : value;
}

FileListBox::FileListBox(QWidget *parent)
    : QListView(parent)
    , path_(QDir::currentPath())
{
    setModel(&model_);
    setUniformItemSizes(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    viewport()->setMouseTracking(true);
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this](const QItemSelection &selected) {
                if (!selected.isEmpty())
                    emit Click();
            });
}

bool FileListBox::MatchesPattern(const QString &name, const QString &pattern)
{
    for (QStringView part : QStringView(pattern).split(QLatin1Char(';'))) {
        const QStringView glob = part.trimmed();
        if (!glob.isEmpty()
            && WildcardMatch(name.constData(), name.constData() + name.size(), glob.data(),
                             glob.data() + glob.size()))
            return true;
    }
    return false;
}

void FileListBox::SetPath(const QString &path)
{
    // Start-up sets the folder the folder list has just shown: list it once.
    if (listed_ && path == path_)
        return;
    path_ = path;
    Refresh();
}

void FileListBox::SetPattern(const QString &pattern)
{
    pattern_ = pattern;
    if (listed_)
        Refresh();
}

QString FileListBox::FileName() const
{
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    return selected.isEmpty() ? QString() : selected.first().data(Qt::EditRole).toString();
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
    FolderEntries entries;
    ScanFolder(path_, entries);
    QStringList names;
    names.reserve(entries.files.size());
    for (const QString &name : std::as_const(entries.files)) {
        if (MatchesPattern(name, pattern_))
            names.append(name);
    }
    std::sort(names.begin(), names.end(), [](const QString &a, const QString &b) {
        return QString::compare(a, b, Qt::CaseInsensitive) < 0;
    });
    model_.setStringList(names);
    listed_ = true;
    scrollToTop();
    emit Listed();
}

void FileListBox::mouseMoveEvent(QMouseEvent *event)
{
    emit MouseMove();
    QListView::mouseMoveEvent(event);
}

void FileListBox::mouseReleaseEvent(QMouseEvent *event)
{
    QListView::mouseReleaseEvent(event);
    emit MouseUp();
}
