#include "DirListBox.h"

#include "../platform/FolderScan.h"

#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QStyle>
#include <QStyledItemDelegate>

namespace {

constexpr int kLevelRole = Qt::UserRole + 1;
constexpr int kIndent = 8;

// Indents each entry, icon and all, by its depth below the root.
class IndentDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QStyleOptionViewItem indented = option;
        indented.rect.setLeft(option.rect.left() + index.data(kLevelRole).toInt() * kIndent);
        QStyledItemDelegate::paint(painter, indented, index);
    }

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        const QSize size = QStyledItemDelegate::sizeHint(option, index);
        return {size.width() + index.data(kLevelRole).toInt() * kIndent, size.height()};
    }
};

} // namespace

DirListBox::DirListBox(QWidget *parent)
    : QListWidget(parent)
    , path_(QDir::currentPath())
{
    setUniformItemSizes(true);
    setIconSize(QSize(13, 13));
    setItemDelegate(new IndentDelegate(this));
    connect(this, &QListWidget::itemActivated, this, [this](QListWidgetItem *item) {
        SetPath(item->data(Qt::UserRole).toString());
    });
    Fill();
}

void DirListBox::SetPath(const QString &path)
{
    if (path.isEmpty())
        return;
    const QString absolute = QDir::cleanPath(QDir::current().absoluteFilePath(path));
    if (!QFileInfo(absolute).isDir())
        return;
    if (absolute == path_)
        return;
    path_ = absolute;
    Fill();
    emit Changed();
}

void DirListBox::Fill()
{
    clear();
    const QIcon open = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closed = style()->standardIcon(QStyle::SP_DirClosedIcon);

    QStringList parts = path_.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    QString ancestor = QStringLiteral("/");
    QStringList chain{ancestor};
    for (const QString &part : parts) {
        ancestor = ancestor.endsWith(QLatin1Char('/')) ? ancestor + part : ancestor + QLatin1Char('/') + part;
        chain.append(ancestor);
    }
    parts.prepend(QStringLiteral("/"));
    for (qsizetype level = 0; level < chain.size(); ++level) {
        auto *item = new QListWidgetItem(open, parts.at(level));
        item->setData(Qt::UserRole, chain.at(level));
        item->setData(kLevelRole, static_cast<int>(level));
        addItem(item);
    }
    currentRow_ = count() - 1;

    FolderEntries entries;
    ScanFolder(path_, entries);
    entries.folders.sort(Qt::CaseInsensitive);
    const QString base = path_.endsWith(QLatin1Char('/')) ? path_ : path_ + QLatin1Char('/');
    for (const QString &name : std::as_const(entries.folders)) {
        auto *item = new QListWidgetItem(closed, name);
        item->setData(Qt::UserRole, base + name);
        item->setData(kLevelRole, static_cast<int>(chain.size()));
        addItem(item);
    }
    setCurrentRow(currentRow_);
    scrollToItem(item(currentRow_));
}
