#include "StatusBarAccessible.h"

#include "StatusBar.h"

#include <QPointer>

namespace {

class PanelAccessible : public QAccessibleInterface
{
public:
    PanelAccessible(StatusBar *bar, int position)
        : bar_(bar)
        , position_(position)
    {
    }

    bool isValid() const override { return bar_ && position_ <= bar_->PanelCount(); }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override { return bar_ ? bar_->window()->windowHandle() : nullptr; }
    QAccessibleInterface *parent() const override { return QAccessible::queryAccessibleInterface(bar_); }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QAccessible::Role role() const override { return QAccessible::StaticText; }
    void setText(QAccessible::Text, const QString &) override {}

    QString text(QAccessible::Text kind) const override
    {
        if (!isValid())
            return {};
        const StatusBar::Panel &panel = bar_->PanelAt(position_);
        switch (kind) {
        case QAccessible::Name: return panel.text;
        case QAccessible::Description: return panel.toolTip;
        default: return {};
        }
    }

    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.disabled = !isValid() || !bar_->PanelAt(position_).enabled;
        state.readOnly = true;
        return state;
    }

    QRect rect() const override
    {
        if (!isValid())
            return {};
        const QRect local = bar_->PanelRect(position_);
        return QRect(bar_->mapToGlobal(local.topLeft()), local.size());
    }

private:
    QPointer<StatusBar> bar_;
    int position_;
};

QAccessibleInterface *Factory(const QString &className, QObject *object)
{
    if (className == QLatin1String("StatusBar") && object && object->isWidgetType())
        return new StatusBarAccessible(static_cast<QWidget *>(object));
    return nullptr;
}

} // namespace

StatusBarAccessible::StatusBarAccessible(QWidget *widget)
    : QAccessibleWidget(widget, QAccessible::StatusBar, QStringLiteral("Status"))
{
}

StatusBarAccessible::~StatusBarAccessible()
{
    for (QAccessible::Id id : panels_)
        QAccessible::deleteAccessibleInterface(id);
}

void StatusBarAccessible::Install()
{
    static bool installed = false;
    if (!installed) {
        QAccessible::installFactory(Factory);
        installed = true;
    }
}

StatusBar *StatusBarAccessible::Bar() const
{
    return static_cast<StatusBar *>(widget());
}

int StatusBarAccessible::childCount() const
{
    return Bar()->PanelCount();
}

QAccessibleInterface *StatusBarAccessible::child(int index) const
{
    if (index < 0 || index >= childCount())
        return nullptr;
    while (static_cast<int>(panels_.size()) <= index) {
        const int position = static_cast<int>(panels_.size()) + 1;
        panels_.push_back(QAccessible::registerAccessibleInterface(new PanelAccessible(Bar(), position)));
    }
    return QAccessible::accessibleInterface(panels_.at(static_cast<std::size_t>(index)));
}

int StatusBarAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    for (std::size_t i = 0; i < panels_.size(); ++i) {
        if (QAccessible::accessibleInterface(panels_[i]) == child)
            return static_cast<int>(i);
    }
    return -1;
}
