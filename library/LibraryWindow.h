#pragma once

#include "library/LibraryModel.h"
#include "platform/LibraryRecord.h"
#include "platform/SettingsWriter.h"

#include <QWidget>

#include <functional>
#include <vector>

class QButtonGroup;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;
class QTableView;
class QToolButton;

// The library window: every ROM under the library's folders in one table
// that narrows as a name is typed. It holds no store of its own: the store
// feeds it records, progress and problems through its slots, and hears what
// the user asks for through its signals.
class LibraryWindow : public QWidget
{
    Q_OBJECT

public:
    explicit LibraryWindow(QWidget *parent = nullptr);

    LibraryModel *Model() const { return model_; }
    QLineEdit *SearchField() const { return search_; }
    QTableView *Table() const { return table_; }
    QListWidget *RootList() const { return roots_; }
    QProgressBar *ProgressBar() const { return progress_; }
    QLabel *ProblemLine() const { return problem_; }
    // Shows the window, or brings it to the front, with the search field focused.
    void Open();
    QComboBox *CheckFilter() const { return checkFilter_; }
    QToolButton *OneRowPerGame() const { return oneRowPerGame_; }
    // Asks the user for a folder to add; empty when cancelled. Replaceable by tests.
    std::function<QString()> askFolder;
    // Asks the user for DAT files to import; empty when cancelled. Replaceable by tests.
    std::function<QStringList()> askDatFiles;
    // Asks the user for the region order, given the one in use; a null
    // string when cancelled. Replaceable by tests.
    std::function<QString(const QString &current)> askRegionOrder;

public slots:
    // Every record of the library, replacing those shown.
    void SetRecords(std::vector<LibraryRecord> records);
    // The library's folders, in their order.
    void SetRoots(const QStringList &roots);
    // How far a reading of the folders is: the bar shows while done < total.
    void SetProgress(int done, int total);
    // One line about what went wrong (the store, a folder), or what an import of DAT files brought.
    void ShowProblem(const QString &line);
    // A folder that did not answer: marked in the list and said in the problem line.
    void RootUnreachable(const QString &root);
    // Another part of the program changed a favourite.
    void SetFavourite(const QByteArray &sha1, bool on);

signals:
    void AddRootRequested(const QString &path);
    void RemoveRootRequested(const QString &path);
    void FavouriteToggled(const QByteArray &sha1, bool on);
    void PlayRequested(const LibraryRecord &record);
    // DAT files (Logiqx XML) the user picked to import.
    void ImportDatsRequested(const QStringList &files);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    QWidget *BuildTop();
    QWidget *BuildRoots();
    QWidget *BuildBottom();
    void ShowChanged(int id);
    void PlayRow(int row);
    void ToggleFavourite(int row);
    void AddRoot();
    void RemoveRoot();
    void ImportDats();
    void ChangeRegionOrder();
    void SetGrouped(bool on);
    void UpdateCount();

    LibraryModel *model_;
    QLineEdit *search_ = nullptr;
    QButtonGroup *show_ = nullptr;
    QComboBox *checkFilter_ = nullptr;
    QToolButton *oneRowPerGame_ = nullptr;
    QStringList checkTexts_; // those the Check column was sized for
    QTableView *table_ = nullptr;
    QListWidget *roots_ = nullptr;
    QPushButton *removeRoot_ = nullptr;
    QLabel *count_ = nullptr;
    QProgressBar *progress_ = nullptr;
    QLabel *problem_ = nullptr;
    SettingsWriter settings_;
};
