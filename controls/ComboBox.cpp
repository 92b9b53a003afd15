#include "ComboBox.h"

#include <QAbstractItemView>

void ComboBox::showPopup()
{
    const int match = findText(currentText(), Qt::MatchExactly | Qt::MatchCaseSensitive);
    QComboBox::showPopup();
    view()->setCurrentIndex(match >= 0 ? model()->index(match, modelColumn()) : QModelIndex());
}
