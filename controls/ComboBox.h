#pragma once

#include <QComboBox>

// An editable combo box whose list opens on the entry that matches its text
// exactly, or on no entry at all. Its text is not selected when it takes the
// focus, so one stray key cannot replace it.
class ComboBox : public QComboBox
{
    Q_OBJECT

public:
    using QComboBox::QComboBox;

    // Fills the list and keeps the text shown, with no entry chosen (the
    // first entry added to an empty list would otherwise be chosen).
    void AddItemsKeepingText(const QStringList &items);

    void showPopup() override;

protected:
    void focusInEvent(QFocusEvent *event) override;
};
