#include "DirListBox.h"

#include "../platform/FolderScan.h"

#include <QDir>
#include <QFileInfo>
#include <QStyle>

DirListBox::DirListBox(QWidget *parent)
    : QListWidget(parent)
    , path_(QDir::currentPath())
{
    setUniformItemSizes(true);
    setIconSize(QSize(13, 13));
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
        auto *item = new QListWidgetItem(open, QString(level * 2, QLatin1Char(' ')) + parts.at(level));
        item->setData(Qt::UserRole, chain.at(level));
        addItem(item);
    }
    currentRow_ = count() - 1;

    FolderEntries entries;
    ScanFolder(path_, entries);
    entries.folders.sort(Qt::CaseInsensitive);
    const QString indent(chain.size() * 2, QLatin1Char(' '));
    const QString base = path_.endsWith(QLatin1Char('/')) ? path_ : path_ + QLatin1Char('/');
    for (const QString &name : std::as_const(entries.folders)) {
        auto *item = new QListWidgetItem(closed, indent + name);
        item->setData(Qt::UserRole, base + name);
        addItem(item);
    }
    setCurrentRow(currentRow_);
    scrollToItem(item(currentRow_));
}
