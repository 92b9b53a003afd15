#pragma once

#include <QListView>
#include <QStringListModel>

// A list of the regular files of one folder whose names match a pattern text
// such as "*.gb; *.sgb; *cgb": patterns separated by semicolons, blanks around
// them ignored, matched without regard to case. Sorted by name without regard
// to case; hidden files left out.
class FileListBox : public QListView
{
    Q_OBJECT

public:
    explicit FileListBox(QWidget *parent = nullptr);

    QString Path() const { return path_; }
    // Lists the folder, with nothing selected; the folder already listed is kept as it is.
    void SetPath(const QString &path);

    QString Pattern() const { return pattern_; }
    void SetPattern(const QString &pattern);

    // The selected file's name without folder, empty when none is selected.
    QString FileName() const;
    // Selects the entry of that name, as a click on it would; false when the list has none.
    bool Select(const QString &name);
    int ListCount() const { return model_.rowCount(); }
    QStringList Names() const { return model_.stringList(); }

    static bool MatchesPattern(const QString &name, const QString &pattern);

signals:
    void Click();
    void MouseMove();
    void MouseUp();
    // The listing of the shown folder has been applied to the list.
    void Listed();

protected:
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void Refresh();

    // Holds the names as the program keeps them; shows them as DisplayFileName does.
    class NameModel : public QStringListModel
    {
    public:
        QVariant data(const QModelIndex &index, int role) const override;
    };

    NameModel model_;
    QString path_;
    QString pattern_ = QStringLiteral("*.*");
    bool listed_ = false;
};
