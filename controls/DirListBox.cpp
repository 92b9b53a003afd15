#include "DirListBox.h"

#include "platform/CurrentFolder.h"
#include "platform/FileNames.h"
#include "platform/FolderScan.h"

#include <QDir>
#include <QKeyEvent>
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
    , path_(CurrentFolder())
    , check_(lane_, [this](std::optional<Look> look) { Arrive(look ? *look : Look()); })
    , subfolders_(lane_, [this](std::optional<Look> look) {
        if (look && look->path == path_)
            Fill(*look);
    })
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
    settled_ = settled;
    check_.Start([absolute = FullFolderPath(path), list = shown_] { return LookAt(absolute, list); });
}

DirListBox::Look DirListBox::LookAt(const QString &path, bool list)
{
    Look look;
    look.path = path;
    look.folder = IsFolder(path);
    look.asked = list;
    look.listed = look.folder && list && ListSubfolders(path, look.subfolders);
    look.subfolders.sort(Qt::CaseInsensitive);
    return look;
}

void DirListBox::Arrive(const Look &look)
{
    // The check of a later SetPath has superseded this one's: only its own settles.
    const std::function<void()> settled = std::move(settled_);
    settled_ = nullptr;
    if (look.folder && look.path != path_) {
        path_ = look.path;
        if (shown_ && look.asked)
            Fill(look);
        else if (shown_)
            ReadSubfolders();
        emit Changed();
    }
    if (settled)
        settled();
}

void DirListBox::showEvent(QShowEvent *event)
{
    QListWidget::showEvent(event);
    if (!shown_) {
        shown_ = true;
        ReadSubfolders();
    }
}

void DirListBox::keyPressEvent(QKeyEvent *event)
{
    if (event->key() != Qt::Key_Backspace || event->modifiers() != Qt::NoModifier) {
        QListWidget::keyPressEvent(event);
        return;
    }
    const qsizetype slash = path_.lastIndexOf(QLatin1Char('/'));
    if (path_ != QLatin1String("/") && slash >= 0)
        SetPath(slash == 0 ? QStringLiteral("/") : path_.left(slash));
    event->accept();
}

void DirListBox::ReadSubfolders()
{
    subfolders_.Start([path = path_] { return LookAt(path, true); });
}

void DirListBox::Fill(const Look &look)
{
    subfolders_.Drop();
    unreadable_ = !look.listed;
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

    const QString base = path_.endsWith(QLatin1Char('/')) ? path_ : path_ + QLatin1Char('/');
    for (const QString &name : look.subfolders) {
        auto *item = new QListWidgetItem(closed, DisplayFileName(name));
        item->setData(Qt::UserRole, base + name);
        item->setData(kLevelRole, static_cast<int>(chain.size()));
        addItem(item);
    }
    setCurrentRow(currentRow_);
    scrollToItem(item(currentRow_));
}
