#include "NameListModel.h"

#include "platform/FileNames.h"

#include <limits>

void NameListModel::SetNames(NameList names)
{
    beginResetModel();
    names_ = std::move(names);
    endResetModel();
}

int NameListModel::Row(const QString &name) const
{
    const QByteArray bytes = EncodeFileName(name);
    return static_cast<int>(names_.IndexOf(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size()))));
}

int NameListModel::rowCount(const QModelIndex &parent) const
{
    // A view counts rows in an int; a folder with more names shows the first ones.
    constexpr std::size_t most = std::numeric_limits<int>::max();
    return parent.isValid() ? 0 : static_cast<int>(std::min(names_.Size(), most));
}

QVariant NameListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    const std::string_view bytes = names_.At(static_cast<std::size_t>(index.row()));
    const QString name = DecodeFileName(QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size())));
    return role == Qt::DisplayRole ? DisplayFileName(name) : name;
}
