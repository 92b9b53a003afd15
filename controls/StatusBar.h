#pragma once

#include "core/HeaderInspection.h"

#include <QStatusBar>
#include <QString>

#include <vector>

class QLabel;

// A status bar of keyed text panels, addressed by key or by position from 1.
// Each panel is a framed label placed side by side from the left; a disabled
// panel keeps its text, drawn greyed, and assistive technology reads it as
// disabled.
class StatusBar : public QStatusBar
{
    Q_OBJECT

public:
    struct Panel {
        QString text;
        QString key;
        QString toolTip;
        int width = 0;
        int minWidth = 0;
        bool enabled = true;
    };

    explicit StatusBar(QWidget *parent = nullptr);

    void AddPanel(const Panel &panel);
    // Lights or greys the panel of that key as a header fact says; Keep leaves it.
    void ApplyAction(const QString &key, PanelAction action);
    int PanelCount() const { return static_cast<int>(panels_.size()); }
    int IndexOf(const QString &key) const;

    const Panel &PanelAt(int position) const;
    void SetPanelEnabled(int position, bool enabled);
    void SetPanelText(int position, const QString &text);
    QRect PanelRect(int position) const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QLabel *LabelAt(int position) const;

    std::vector<Panel> panels_;
    std::vector<QLabel *> labels_;
};
