#pragma once

#include "platform/Background.h"

#include <QListWidget>

#include <functional>

// The classic folder list: the current folder's ancestors from the root, the
// folder itself, then its subfolders. Opening an entry (double-click or Enter)
// makes it the current folder and raises Changed(); Backspace goes up to the
// folder above. The file system is only
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
    bool Pending() const { return check_.InFlight(); }
    // Whether the shown folder's subfolders could not be read (it may not be
    // listed by this user): the list then shows the folder with nothing under it.
    bool Unreadable() const { return unreadable_; }

    int CurrentFolderRow() const { return currentRow_; }

signals:
    void Changed();

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    // What a background look at a folder found; subfolders sorted.
    struct Look {
        QString path;
        bool folder = false;
        bool asked = false; // whether the subfolders were to be read
        bool listed = false;
        QStringList subfolders;
    };
    static Look LookAt(const QString &path, bool list);

    void Arrive(const Look &look);
    void Fill(const Look &look);
    void ReadSubfolders();

    QString path_;
    int currentRow_ = 0;
    bool shown_ = false;
    bool unreadable_ = false;
    std::function<void()> settled_;
    BackgroundLane lane_{4};
    LatestRequest<Look> check_;
    LatestRequest<Look> subfolders_;
};
