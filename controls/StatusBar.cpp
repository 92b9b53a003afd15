#include "StatusBar.h"

#include <QLabel>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>

namespace {
constexpr int kGap = 1;
constexpr int kTopMargin = 2;
constexpr int kTextMargin = 3;
}

StatusBar::StatusBar(QWidget *parent)
    : QStatusBar(parent)
{
    setSizeGripEnabled(false);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Button);
    setAccessibleName(tr("Status"));
}

void StatusBar::AddPanel(const Panel &panel)
{
    panels_.push_back(panel);
    auto *label = new QLabel(panel.text, this);
    label->setTextFormat(Qt::PlainText);
    label->setIndent(0);
    label->setContentsMargins(kTextMargin, 1, kTextMargin, 1);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    label->setToolTip(panel.toolTip);
    // A disabled panel's text is dark grey, etched in light by the bar below.
    QPalette colours = palette();
    colours.setColor(QPalette::Disabled, QPalette::WindowText, colours.color(QPalette::Active, QPalette::Dark));
    label->setPalette(colours);
    // Not the button text the bar's background role would give it.
    label->setForegroundRole(QPalette::WindowText);
    label->setEnabled(panel.enabled);
    labels_.push_back(label);
    label->setGeometry(PanelRect(PanelCount()));
    label->show();
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

QLabel *StatusBar::LabelAt(int position) const
{
    return labels_.at(static_cast<std::size_t>(position - 1));
}

void StatusBar::SetPanelEnabled(int position, bool enabled)
{
    panels_.at(static_cast<std::size_t>(position - 1)).enabled = enabled;
    LabelAt(position)->setEnabled(enabled);
    update(PanelRect(position));
}

void StatusBar::SetPanelText(int position, const QString &text)
{
    panels_.at(static_cast<std::size_t>(position - 1)).text = text;
    LabelAt(position)->setText(text);
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

void StatusBar::resizeEvent(QResizeEvent *event)
{
    QStatusBar::resizeEvent(event);
    for (int position = 1; position <= PanelCount(); ++position)
        LabelAt(position)->setGeometry(PanelRect(position));
}

void StatusBar::paintEvent(QPaintEvent *)
{
    // The panels' frames, and the light etch under a disabled panel's text
    // (the style draws a disabled label's text flat); each label draws its
    // text on top.
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::Light));
    for (int position = 1; position <= PanelCount(); ++position) {
        QStyleOptionFrame frame;
        frame.initFrom(this);
        frame.rect = PanelRect(position);
        frame.lineWidth = 1;
        frame.state |= QStyle::State_Sunken;
        style()->drawPrimitive(QStyle::PE_Frame, &frame, &painter, this);
        if (!PanelAt(position).enabled)
            painter.drawText(LabelAt(position)->contentsRect().translated(frame.rect.topLeft() + QPoint(1, 1)),
                             Qt::AlignLeft | Qt::AlignVCenter, PanelAt(position).text);
    }
}

void StatusBar::ApplyAction(const QString &key, PanelAction action)
{
    if (action != PanelAction::Keep)
        SetPanelEnabled(IndexOf(key), action == PanelAction::Enable);
}
