#pragma once

#include "core/NameList.h"

#include <QAbstractListModel>

// The file list's rows over one block of names. A name is decoded only when
// asked for: the display role shows it as DisplayFileName does, the edit role
// gives it as the program keeps it.
class NameListModel : public QAbstractListModel
{
public:
    using QAbstractListModel::QAbstractListModel;

    void SetNames(NameList names);
    const NameList &Names() const { return names_; }
    // The row of the name as the program keeps it, or -1.
    int Row(const QString &name) const;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;

private:
    NameList names_;
};
