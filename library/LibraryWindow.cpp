#include "LibraryWindow.h"

#include "platform/SettingNames.h"
#include "platform/Settings.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QShortcut>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

#include <cstdio>

namespace {

bool IsEnter(const QKeyEvent *key)
{
    return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
}

} // namespace

LibraryWindow::LibraryWindow(QWidget *parent)
    : QWidget(parent, Qt::Window)
    , model_(new LibraryModel(this))
    , settings_(
          [](const QString &key, const QString &value, QString *why) {
              return WriteSetting(SettingNames::Application, SettingNames::Section, key, value, why);
          },
          [](const QString &why) {
              std::fprintf(stderr, "vexa-launcher: the settings could not be stored: %s\n", why.toLocal8Bit().constData());
          })
{
    setObjectName(QStringLiteral("Library"));
    setWindowTitle(QStringLiteral("Library"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(BuildTop());

    table_ = new QTableView(this);
    table_->setObjectName(QStringLiteral("Games"));
    table_->setModel(model_);
    table_->setSortingEnabled(true);
    table_->sortByColumn(LibraryModel::Title, Qt::AscendingOrder);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setShowGrid(false);
    table_->setWordWrap(false);
    table_->setAlternatingRowColors(true);
    table_->verticalHeader()->hide();
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 6);
    QHeaderView *header = table_->horizontalHeader();
    header->setSectionResizeMode(LibraryModel::Title, QHeaderView::Stretch);
    header->setSectionResizeMode(LibraryModel::File, QHeaderView::Stretch);
    header->resizeSection(LibraryModel::Model, 240);
    header->resizeSection(LibraryModel::Size, 70);
    header->resizeSection(LibraryModel::LastPlayed, 125);
    header->resizeSection(LibraryModel::PlayTime, 90);
    header->resizeSection(LibraryModel::Favourite, 30);
    table_->installEventFilter(this);
    connect(table_, &QTableView::doubleClicked, this, [this](const QModelIndex &index) {
        if (index.column() != LibraryModel::Favourite)
            PlayRow(index.row());
    });
    connect(table_, &QTableView::clicked, this, [this](const QModelIndex &index) {
        if (index.column() == LibraryModel::Favourite)
            ToggleFavourite(index.row());
    });
    layout->addWidget(table_, 1);
    layout->addWidget(BuildRoots());
    layout->addWidget(BuildBottom());

    connect(model_, &QAbstractItemModel::modelReset, this, &LibraryWindow::UpdateCount);
    auto *find = new QShortcut(QKeySequence::Find, this);
    connect(find, &QShortcut::activated, this, [this] {
        search_->setFocus(Qt::ShortcutFocusReason);
        search_->selectAll();
    });

    resize(960, 600);
    const QByteArray stored = QByteArray::fromBase64(
        ReadSetting(SettingNames::Application, SettingNames::Section, SettingNames::LibraryGeometry).toLatin1());
    if (!stored.isEmpty())
        restoreGeometry(stored);
    UpdateCount();
}

QWidget *LibraryWindow::BuildTop()
{
    auto *top = new QWidget(this);
    auto *row = new QHBoxLayout(top);
    row->setContentsMargins(0, 0, 0, 0);
    search_ = new QLineEdit(top);
    search_->setObjectName(QStringLiteral("Search"));
    search_->setPlaceholderText(QStringLiteral("Find a game by its title, file name or cartridge title (Ctrl+F)"));
    search_->setClearButtonEnabled(true);
    search_->installEventFilter(this);
    connect(search_, &QLineEdit::textChanged, model_, &LibraryModel::SetSearch);
    row->addWidget(search_, 1);

    show_ = new QButtonGroup(top);
    const std::pair<LibraryModel::Show, const char *> choices[] = {
        {LibraryModel::Show::All, "All"},
        {LibraryModel::Show::Favourites, "Favourites"},
        {LibraryModel::Show::RecentlyPlayed, "Recently played"},
    };
    for (const auto &[show, text] : choices) {
        auto *button = new QToolButton(top);
        button->setText(QString::fromUtf8(text));
        button->setCheckable(true);
        button->setAutoRaise(true);
        button->setChecked(show == LibraryModel::Show::All);
        show_->addButton(button, int(show));
        row->addWidget(button);
    }
    connect(show_, &QButtonGroup::idClicked, this, &LibraryWindow::ShowChanged);
    return top;
}

QWidget *LibraryWindow::BuildRoots()
{
    auto *box = new QWidget(this);
    auto *row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    auto *label = new QLabel(QStringLiteral("Folders:"), box);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    row->addWidget(label);
    roots_ = new QListWidget(box);
    roots_->setObjectName(QStringLiteral("Roots"));
    roots_->setMaximumHeight(roots_->fontMetrics().height() * 4 + 8);
    label->setBuddy(roots_);
    row->addWidget(roots_, 1);
    auto *buttons = new QVBoxLayout;
    auto *add = new QPushButton(QStringLiteral("Add folder…"), box);
    removeRoot_ = new QPushButton(QStringLiteral("Remove"), box);
    removeRoot_->setEnabled(false);
    connect(add, &QPushButton::clicked, this, &LibraryWindow::AddRoot);
    connect(removeRoot_, &QPushButton::clicked, this, &LibraryWindow::RemoveRoot);
    connect(roots_, &QListWidget::currentRowChanged, this, [this](int row) { removeRoot_->setEnabled(row >= 0); });
    buttons->addWidget(add);
    buttons->addWidget(removeRoot_);
    buttons->addStretch();
    row->addLayout(buttons);
    return box;
}

QWidget *LibraryWindow::BuildBottom()
{
    auto *bottom = new QWidget(this);
    auto *row = new QHBoxLayout(bottom);
    row->setContentsMargins(0, 0, 0, 0);
    count_ = new QLabel(bottom);
    count_->setObjectName(QStringLiteral("Count"));
    row->addWidget(count_);
    progress_ = new QProgressBar(bottom);
    progress_->setObjectName(QStringLiteral("Reading"));
    progress_->setFormat(QStringLiteral("Reading %v of %m"));
    progress_->setFixedWidth(progress_->fontMetrics().horizontalAdvance(QStringLiteral("Reading 888,888 of 888,888")) + 24);
    progress_->hide();
    row->addWidget(progress_);
    problem_ = new QLabel(bottom);
    problem_->setObjectName(QStringLiteral("Problem"));
    problem_->setTextFormat(Qt::PlainText);
    // One line, however long: the whole of it in the tool tip.
    problem_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    row->addWidget(problem_, 1);
    return bottom;
}

void LibraryWindow::Open()
{
    if (isMinimized())
        showNormal();
    show();
    raise();
    activateWindow();
    search_->setFocus(Qt::OtherFocusReason);
}

void LibraryWindow::SetRecords(std::vector<LibraryRecord> records)
{
    // The row the user is on stays the current one (a play recorded, a
    // folder read again), found by its file once the records are replaced.
    const QModelIndex current = table_->currentIndex();
    QString path;
    std::string entry;
    if (current.isValid()) {
        path = model_->RecordAt(current.row()).path;
        entry = model_->RecordAt(current.row()).entry;
    }
    model_->SetRecords(std::move(records));
    for (int row = 0; !path.isEmpty() && row < model_->rowCount(); ++row) {
        const LibraryRecord &record = model_->RecordAt(row);
        if (record.path == path && record.entry == entry) {
            table_->selectionModel()->setCurrentIndex(model_->index(row, current.column()),
                                                     QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
            break;
        }
    }
}

void LibraryWindow::SetRoots(const QStringList &roots)
{
    roots_->clear();
    roots_->addItems(roots);
}

void LibraryWindow::SetProgress(int done, int total)
{
    const bool reading = total > 0 && done < total;
    if (reading) {
        progress_->setRange(0, total);
        progress_->setValue(done);
    }
    progress_->setVisible(reading);
}

void LibraryWindow::ShowProblem(const QString &line)
{
    const QString first = line.section(QLatin1Char('\n'), 0, 0);
    problem_->setText(first);
    problem_->setToolTip(line);
}

void LibraryWindow::RootUnreachable(const QString &root)
{
    for (int row = 0; row < roots_->count(); ++row) {
        QListWidgetItem *item = roots_->item(row);
        if (item->text() == root) {
            item->setForeground(palette().color(QPalette::Disabled, QPalette::Text));
            item->setToolTip(QStringLiteral("This folder does not answer."));
        }
    }
    ShowProblem(QStringLiteral("%1 does not answer: the rest of the library is shown.").arg(root));
}

void LibraryWindow::SetFavourite(const QByteArray &sha1, bool on)
{
    model_->SetFavourite(sha1, on);
}

bool LibraryWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    auto *key = static_cast<QKeyEvent *>(event);
    if (watched == search_ && IsEnter(key)) {
        PlayRow(0);
        return true;
    }
    if (watched == search_ && key->key() == Qt::Key_Down && model_->rowCount() > 0) {
        table_->setFocus(Qt::TabFocusReason);
        table_->selectRow(0);
        return true;
    }
    if (watched == table_ && IsEnter(key) && table_->currentIndex().isValid()) {
        PlayRow(table_->currentIndex().row());
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void LibraryWindow::hideEvent(QHideEvent *event)
{
    settings_.Write(SettingNames::LibraryGeometry, QString::fromLatin1(saveGeometry().toBase64()));
    QWidget::hideEvent(event);
}

void LibraryWindow::ShowChanged(int id)
{
    const auto show = LibraryModel::Show(id);
    model_->SetShow(show);
    if (show == LibraryModel::Show::RecentlyPlayed)
        table_->sortByColumn(LibraryModel::LastPlayed, Qt::DescendingOrder);
}

void LibraryWindow::PlayRow(int row)
{
    if (row >= 0 && row < model_->rowCount())
        emit PlayRequested(model_->RecordAt(row));
}

void LibraryWindow::ToggleFavourite(int row)
{
    const LibraryRecord &record = model_->RecordAt(row);
    const QByteArray sha1 = record.sha1;
    const bool on = !record.favourite;
    model_->SetFavourite(sha1, on);
    emit FavouriteToggled(sha1, on);
}

void LibraryWindow::AddRoot()
{
    const QString folder = askFolder ? askFolder()
                                     : QFileDialog::getExistingDirectory(this, QStringLiteral("Add a folder to the library"));
    if (folder.isEmpty())
        return;
    if (roots_->findItems(folder, Qt::MatchExactly).isEmpty())
        roots_->addItem(folder);
    emit AddRootRequested(folder);
}

void LibraryWindow::RemoveRoot()
{
    QListWidgetItem *item = roots_->currentItem();
    if (!item)
        return;
    const QString folder = item->text();
    delete roots_->takeItem(roots_->row(item));
    emit RemoveRootRequested(folder);
}

void LibraryWindow::UpdateCount()
{
    const int total = model_->RecordCount();
    const int shown = model_->rowCount();
    count_->setText(shown == total ? QStringLiteral("%1 ROMs").arg(total)
                                   : QStringLiteral("%1 of %2 ROMs").arg(shown).arg(total));
}
