#pragma once

#include <QComboBox>

// An editable combo box whose list opens on the entry that matches its text
// exactly, or on no entry at all.
class ComboBox : public QComboBox
{
    Q_OBJECT

public:
    using QComboBox::QComboBox;

    void showPopup() override;
};
