#pragma once

#include <QListWidget>

#include <functional>

// The classic folder list: the current folder's ancestors from the root, the
// folder itself, then its subfolders. Opening an entry (double-click or Enter)
// makes it the current folder and raises Changed(). The file system is only
// touched in the background, and the entries are read only once the list has
// been shown.
class DirListBox : public QListWidget
{
    Q_OBJECT

public:
    explicit DirListBox(QWidget *parent = nullptr);

    QString Path() const { return path_; }
    // Moves to an existing folder (relative paths are taken from the working
    // directory); anything that is not a folder is ignored. Changed() follows
    // once the path is known to be a folder; settled, when given, runs after
    // the outcome either way, unless a later SetPath came first.
    void SetPath(const QString &path, const std::function<void()> &settled = {});
    // True while a SetPath is being checked.
    bool Pending() const { return pending_; }

    int CurrentFolderRow() const { return currentRow_; }

    // A path as the list names folders: absolute (relative ones are taken
    // from the working directory), without "." or ".." or a trailing "/".
    static QString FullPath(const QString &path);

signals:
    void Changed();

protected:
    void showEvent(QShowEvent *event) override;

private:
    struct Look {
        bool folder = false;
        bool listed = false;
        QStringList subfolders;
    };

    void Fill(const QStringList &subfolders);
    void ReadSubfolders();

    QString path_;
    int currentRow_ = 0;
    unsigned serial_ = 0;
    bool pending_ = false;
    bool shown_ = false;
};
