#include "ComboBox.h"

#include <QAbstractItemView>
#include <QCoreApplication>
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

void ComboBox::AddItemsKeepingText(const char *context, std::initializer_list<const char *> sources)
{
    const QString text = currentText();
    for (const char *source : sources)
        addItem(QCoreApplication::translate(context, source), QString::fromUtf8(source));
    setCurrentIndex(-1);
    setEditText(text);
}

QString ComboBox::SourceText() const
{
    const QString text = currentText();
    const int match = findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    return match >= 0 ? itemData(match).toString() : text;
}
