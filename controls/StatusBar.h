#pragma once

#include <QString>
#include <QWidget>

#include <vector>

// A status bar of keyed text panels, addressed by key or by position from 1.
// A disabled panel keeps its text, drawn greyed.
class StatusBar : public QWidget
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
    int PanelCount() const { return static_cast<int>(panels_.size()); }
    int IndexOf(const QString &key) const;

    const Panel &PanelAt(int position) const;
    void SetPanelEnabled(int position, bool enabled);
    void SetPanelText(int position, const QString &text);
    QRect PanelRect(int position) const;

protected:
    void paintEvent(QPaintEvent *event) override;
    bool event(QEvent *event) override;

private:
    Panel &At(int position);

    std::vector<Panel> panels_;
};
