#include "StatusBar.h"

#include <QAccessible>
#include <QHelpEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QToolTip>

namespace {
constexpr int kGap = 1;
constexpr int kTopMargin = 2;
constexpr int kTextMargin = 3;
}

StatusBar::StatusBar(QWidget *parent)
    : QWidget(parent)
{
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Button);
    setAccessibleName(QStringLiteral("Status"));
}

void StatusBar::AddPanel(const Panel &panel)
{
    panels_.push_back(panel);
    update();
}

int StatusBar::IndexOf(const QString &key) const
{
    for (std::size_t i = 0; i < panels_.size(); ++i) {
        if (panels_[i].key == key)
            return static_cast<int>(i) + 1;
    }
    return 0;
}

const StatusBar::Panel &StatusBar::PanelAt(int position) const
{
    return panels_.at(static_cast<std::size_t>(position - 1));
}

StatusBar::Panel &StatusBar::At(int position)
{
    return panels_.at(static_cast<std::size_t>(position - 1));
}

void StatusBar::SetPanelEnabled(int position, bool enabled)
{
    At(position).enabled = enabled;
    update(PanelRect(position));
    if (QAccessible::isActive()) {
        QAccessibleInterface *panel = QAccessible::queryAccessibleInterface(this)->child(position - 1);
        QAccessible::State changed;
        changed.disabled = true;
        QAccessibleStateChangeEvent event(panel, changed);
        QAccessible::updateAccessibility(&event);
    }
}

void StatusBar::SetPanelText(int position, const QString &text)
{
    At(position).text = text;
    update(PanelRect(position));
}

QRect StatusBar::PanelRect(int position) const
{
    int left = 0;
    for (int i = 1; i < position; ++i)
        left += std::max(PanelAt(i).width, PanelAt(i).minWidth) + kGap;
    const Panel &panel = PanelAt(position);
    return QRect(left, kTopMargin, std::max(panel.width, panel.minWidth), height() - kTopMargin);
}

void StatusBar::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    for (int position = 1; position <= PanelCount(); ++position) {
        const Panel &panel = PanelAt(position);
        const QRect rect = PanelRect(position);
        QStyleOptionFrame frame;
        frame.initFrom(this);
        frame.rect = rect;
        frame.lineWidth = 1;
        frame.state |= QStyle::State_Sunken;
        style()->drawPrimitive(QStyle::PE_Frame, &frame, &painter, this);

        const QRect textRect = rect.adjusted(kTextMargin, 1, -kTextMargin, -1);
        if (panel.enabled) {
            painter.setPen(palette().color(QPalette::Active, QPalette::WindowText));
            painter.drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter, panel.text);
        } else {
            // Etched, as disabled text is drawn in classic controls.
            painter.setPen(palette().color(QPalette::Light));
            painter.drawText(textRect.translated(1, 1), Qt::AlignLeft | Qt::AlignVCenter, panel.text);
            painter.setPen(palette().color(QPalette::Dark));
            painter.drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter, panel.text);
        }
    }
}

bool StatusBar::event(QEvent *event)
{
    if (event->type() == QEvent::ToolTip) {
        const auto *help = static_cast<QHelpEvent *>(event);
        for (int position = 1; position <= PanelCount(); ++position) {
            if (PanelRect(position).contains(help->pos())) {
                QToolTip::showText(help->globalPos(), PanelAt(position).toolTip, this,
                                   PanelRect(position));
                return true;
            }
        }
        QToolTip::hideText();
        event->ignore();
        return true;
    }
    return QWidget::event(event);
}
