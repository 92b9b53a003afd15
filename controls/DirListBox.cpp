#include "DirListBox.h"

#include "platform/Background.h"
#include "platform/FileNames.h"
#include "platform/FolderScan.h"

#include <QDir>
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
}

void DirListBox::SetPath(const QString &path, const std::function<void()> &settled)
{
    if (path.isEmpty()) {
        if (settled)
            settled();
        return;
    }
    const QString absolute = FullPath(path);
    const unsigned serial = ++serial_;
    pending_ = true;
    const bool list = shown_;
    RunInBackground(
        this,
        [absolute, list] {
            Look look;
            look.folder = IsFolder(absolute);
            look.listed = look.folder && list && ListSubfolders(absolute, look.subfolders);
            return look;
        },
        [this, serial, absolute, settled](const Look &look) {
            if (serial != serial_)
                return;
            pending_ = false;
            if (look.folder && absolute != path_) {
                path_ = absolute;
                if (look.listed)
                    Fill(look.subfolders);
                emit Changed();
            }
            if (settled)
                settled();
        });
}

QString DirListBox::FullPath(const QString &path)
{
    return QDir::cleanPath(QDir::current().absoluteFilePath(path));
}

void DirListBox::showEvent(QShowEvent *event)
{
    QListWidget::showEvent(event);
    if (!shown_) {
        shown_ = true;
        ReadSubfolders();
    }
}

void DirListBox::ReadSubfolders()
{
    const QString path = path_;
    RunInBackground(
        this,
        [path] {
            QStringList subfolders;
            ListSubfolders(path, subfolders);
            return std::make_pair(path, subfolders);
        },
        [this](const std::pair<QString, QStringList> &result) {
            if (result.first == path_)
                Fill(result.second);
        });
}

void DirListBox::Fill(const QStringList &subfolders)
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
        auto *item = new QListWidgetItem(open, DisplayFileName(parts.at(level)));
        item->setData(Qt::UserRole, chain.at(level));
        item->setData(kLevelRole, static_cast<int>(level));
        addItem(item);
    }
    currentRow_ = count() - 1;

    QStringList sorted = subfolders;
    sorted.sort(Qt::CaseInsensitive);
    const QString base = path_.endsWith(QLatin1Char('/')) ? path_ : path_ + QLatin1Char('/');
    for (const QString &name : std::as_const(sorted)) {
        auto *item = new QListWidgetItem(closed, DisplayFileName(name));
        item->setData(Qt::UserRole, base + name);
        item->setData(kLevelRole, static_cast<int>(chain.size()));
        addItem(item);
    }
    setCurrentRow(currentRow_);
    scrollToItem(item(currentRow_));
}
