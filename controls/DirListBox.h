#pragma once

#include <QListWidget>

// The classic folder list: the current folder's ancestors from the root, the
// folder itself, then its subfolders. Opening an entry (double-click or Enter)
// makes it the current folder and raises Changed().
class DirListBox : public QListWidget
{
    Q_OBJECT

public:
    explicit DirListBox(QWidget *parent = nullptr);

    QString Path() const { return path_; }
    // Moves to an existing folder (relative paths are taken from the working
    // directory). Anything that is not a folder is ignored.
    void SetPath(const QString &path);

    int CurrentFolderRow() const { return currentRow_; }

signals:
    void Changed();

private:
    void Fill();

    QString path_;
    int currentRow_ = 0;
};
