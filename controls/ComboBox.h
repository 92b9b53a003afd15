#pragma once

#include <QComboBox>

#include <initializer_list>

// An editable combo box whose list opens on the entry that matches its text
// exactly, or on no entry at all. Its text is not selected when it takes the
// focus, so one stray key cannot replace it.
class ComboBox : public QComboBox
{
    Q_OBJECT

public:
    using QComboBox::QComboBox;

    // Fills the list and keeps the text shown, with no entry chosen (the
    // first entry added to an empty list would otherwise be chosen). Each
    // entry is its English text, marked for translation under context, and
    // shown translated.
    void AddItemsKeepingText(const char *context, std::initializer_list<const char *> sources);
    // The text as the program reads it: the English text of the entry shown,
    // or the text as typed when it is no entry's.
    QString SourceText() const;

    void showPopup() override;

protected:
    void focusInEvent(QFocusEvent *event) override;
};
