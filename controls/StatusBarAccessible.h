#pragma once

#include <QAccessibleWidget>

#include <vector>

class StatusBar;

// What assistive technology sees of the status bar: a status bar named
// "Status" whose children are its panels, each with its text as name, its tool
// tip as description, and its enabled state.
class StatusBarAccessible : public QAccessibleWidget
{
public:
    explicit StatusBarAccessible(QWidget *widget);
    ~StatusBarAccessible() override;

    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;

    // Makes the status bar known to Qt's accessibility; safe to call often.
    static void Install();

private:
    StatusBar *Bar() const;

    mutable std::vector<QAccessible::Id> panels_;
};
