#include "ComboBox.h"

#include <QAbstractItemView>
#include <QLineEdit>

void ComboBox::showPopup()
{
    const int match = findText(currentText(), Qt::MatchExactly | Qt::MatchCaseSensitive);
    QComboBox::showPopup();
    view()->setCurrentIndex(match >= 0 ? model()->index(match, modelColumn()) : QModelIndex());
}

void ComboBox::focusInEvent(QFocusEvent *event)
{
    QComboBox::focusInEvent(event);
    if (lineEdit() && lineEdit()->hasSelectedText()) {
        lineEdit()->deselect();
        lineEdit()->end(false);
    }
}

void ComboBox::AddItemsKeepingText(const QStringList &items)
{
    const QString text = currentText();
    addItems(items);
    setCurrentIndex(-1);
    setEditText(text);
}
