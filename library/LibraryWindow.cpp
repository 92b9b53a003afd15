#include "LibraryWindow.h"

#include "platform/SettingNames.h"
#include "platform/Settings.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QComboBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
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

#include <algorithm>
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
    setWindowTitle(tr("Library"));
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
    header->resizeSection(LibraryModel::Versions, table_->fontMetrics().horizontalAdvance(QStringLiteral("\u221288")) + 16);
    table_->setColumnHidden(LibraryModel::Versions, true);
    header->setSectionResizeMode(LibraryModel::Title, QHeaderView::Stretch);
    header->setSectionResizeMode(LibraryModel::File, QHeaderView::Stretch);
    header->resizeSection(LibraryModel::Model, 240);
    header->resizeSection(LibraryModel::Size, 70);
    header->resizeSection(LibraryModel::LastPlayed, 125);
    header->resizeSection(LibraryModel::PlayTime, 90);
    header->resizeSection(LibraryModel::Favourite, 30);
    // A column of fixed width is as wide as its title (with room for the sort
    // mark) in the user's language, and the Model column as its longest text.
    for (const int column : {LibraryModel::Model, LibraryModel::Size, LibraryModel::LastPlayed, LibraryModel::PlayTime}) {
        const QString title = model_->headerData(column, Qt::Horizontal).toString();
        header->resizeSection(column, std::max(header->sectionSize(column), header->fontMetrics().horizontalAdvance(title) + 40));
    }
    CartridgeModel widest;
    widest.colour = CartridgeModel::Colour::GameBoyAndColor;
    widest.superGameBoy = true;
    header->resizeSection(LibraryModel::Model,
                          std::max(header->sectionSize(LibraryModel::Model),
                                   table_->fontMetrics().horizontalAdvance(LibraryModel::ModelText(widest)) + 24));
    table_->installEventFilter(this);
    connect(table_, &QTableView::doubleClicked, this, [this](const QModelIndex &index) {
        if (index.column() != LibraryModel::Favourite && index.column() != LibraryModel::Versions)
            PlayRow(index.row());
    });
    connect(table_, &QTableView::clicked, this, [this](const QModelIndex &index) {
        if (index.column() == LibraryModel::Favourite)
            ToggleFavourite(index.row());
        if (index.column() == LibraryModel::Versions)
            model_->SetExpanded(index.row(), !model_->Expanded(index.row()));
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

    // Room for every column and the search field's hint beside the choices.
    resize(1180, 640);
    const QByteArray stored = QByteArray::fromBase64(
        ReadSetting(SettingNames::Application, SettingNames::Section, SettingNames::LibraryGeometry).toLatin1());
    if (!stored.isEmpty())
        restoreGeometry(stored);
    model_->SetRegionOrder(RegionOrder::FromText(
        ReadSetting(SettingNames::Application, SettingNames::Section, SettingNames::LibraryRegionOrder).toStdString()));
    const bool grouped =
        ReadSetting(SettingNames::Application, SettingNames::Section, SettingNames::LibraryOneRowPerGame) == QStringLiteral("1");
    oneRowPerGame_->setChecked(grouped);
    UpdateCount();
}

QWidget *LibraryWindow::BuildTop()
{
    auto *top = new QWidget(this);
    auto *row = new QHBoxLayout(top);
    row->setContentsMargins(0, 0, 0, 0);
    search_ = new QLineEdit(top);
    search_->setObjectName(QStringLiteral("Search"));
    search_->setPlaceholderText(tr("Find a game by its title, file name or cartridge title (Ctrl+F)"));
    search_->setClearButtonEnabled(true);
    search_->installEventFilter(this);
    connect(search_, &QLineEdit::textChanged, model_, &LibraryModel::SetSearch);
    row->addWidget(search_, 1);

    show_ = new QButtonGroup(top);
    const std::pair<LibraryModel::Show, const char *> choices[] = {
        {LibraryModel::Show::All, QT_TR_NOOP("All")},
        {LibraryModel::Show::Favourites, QT_TR_NOOP("Favourites")},
        {LibraryModel::Show::RecentlyPlayed, QT_TR_NOOP("Recently played")},
    };
    for (const auto &[show, text] : choices) {
        auto *button = new QToolButton(top);
        button->setText(tr(text));
        button->setCheckable(true);
        button->setAutoRaise(true);
        button->setChecked(show == LibraryModel::Show::All);
        show_->addButton(button, int(show));
        row->addWidget(button);
    }
    connect(show_, &QButtonGroup::idClicked, this, &LibraryWindow::ShowChanged);

    checkFilter_ = new QComboBox(top);
    checkFilter_->setObjectName(QStringLiteral("CheckFilter"));
    checkFilter_->setToolTip(tr("Show the ROMs by what the DAT files and their headers say of them"));
    const std::pair<LibraryModel::CheckFilter, QString> checks[] = {
        {LibraryModel::CheckFilter::All, tr("All checks")},
        {LibraryModel::CheckFilter::Verified, tr("Verified")},
        {LibraryModel::CheckFilter::BadDump, tr("Bad dump")},
        {LibraryModel::CheckFilter::NotInDat, tr("Not in DAT")},
        {LibraryModel::CheckFilter::HeaderDamaged, tr("Header damaged")},
    };
    for (const auto &[filter, text] : checks)
        checkFilter_->addItem(text, int(filter));
    connect(checkFilter_, &QComboBox::currentIndexChanged, this, [this](int index) {
        model_->SetCheckFilter(LibraryModel::CheckFilter(checkFilter_->itemData(index).toInt()));
    });
    row->addWidget(checkFilter_);

    oneRowPerGame_ = new QToolButton(top);
    oneRowPerGame_->setObjectName(QStringLiteral("OneRowPerGame"));
    oneRowPerGame_->setText(tr("One row per game"));
    oneRowPerGame_->setToolTip(tr("Show the versions of a game (regions, revisions, betas) as one row"));
    oneRowPerGame_->setCheckable(true);
    oneRowPerGame_->setAutoRaise(true);
    connect(oneRowPerGame_, &QToolButton::toggled, this, &LibraryWindow::SetGrouped);
    // Stored when the user changes it, not when the window opens as stored.
    connect(oneRowPerGame_, &QToolButton::clicked, this, [this](bool on) {
        settings_.Write(SettingNames::LibraryOneRowPerGame, on ? QStringLiteral("1") : QStringLiteral("0"));
    });
    row->addWidget(oneRowPerGame_);
    auto *regions = new QToolButton(top);
    regions->setObjectName(QStringLiteral("Regions"));
    regions->setText(tr("Regions\u2026"));
    regions->setToolTip(tr("Which region's version a game's row shows first"));
    regions->setAutoRaise(true);
    connect(regions, &QToolButton::clicked, this, &LibraryWindow::ChangeRegionOrder);
    row->addWidget(regions);
    return top;
}

QWidget *LibraryWindow::BuildRoots()
{
    auto *box = new QWidget(this);
    auto *row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    auto *label = new QLabel(tr("Folders:"), box);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    row->addWidget(label);
    roots_ = new QListWidget(box);
    roots_->setObjectName(QStringLiteral("Roots"));
    roots_->setMaximumHeight(roots_->fontMetrics().height() * 4 + 8);
    label->setBuddy(roots_);
    row->addWidget(roots_, 1);
    auto *buttons = new QVBoxLayout;
    auto *add = new QPushButton(tr("Add folder…"), box);
    removeRoot_ = new QPushButton(tr("Remove"), box);
    removeRoot_->setEnabled(false);
    connect(add, &QPushButton::clicked, this, &LibraryWindow::AddRoot);
    connect(removeRoot_, &QPushButton::clicked, this, &LibraryWindow::RemoveRoot);
    connect(roots_, &QListWidget::currentRowChanged, this, [this](int row) { removeRoot_->setEnabled(row >= 0); });
    auto *importDats = new QPushButton(tr("Import DAT\u2026"), box);
    importDats->setObjectName(QStringLiteral("ImportDat"));
    importDats->setToolTip(tr("Read DAT files (Logiqx XML) that list the good dumps, to check the ROMs against"));
    connect(importDats, &QPushButton::clicked, this, &LibraryWindow::ImportDats);
    buttons->addWidget(add);
    buttons->addWidget(removeRoot_);
    buttons->addWidget(importDats);
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
    const QString reading = tr("Reading %v of %m");
    progress_->setFormat(reading);
    QString widest = reading;
    widest.replace(QStringLiteral("%v"), QStringLiteral("888,888")).replace(QStringLiteral("%m"), QStringLiteral("888,888"));
    progress_->setFixedWidth(progress_->fontMetrics().horizontalAdvance(widest) + 24);
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
    // The Check column as wide as its texts, sized again when other texts come.
    const QStringList checks = model_->CheckTexts();
    if (checks == checkTexts_)
        return;
    checkTexts_ = checks;
    QHeaderView *header = table_->horizontalHeader();
    // The header's text with room for the sort mark.
    int width = header->fontMetrics().horizontalAdvance(
                    model_->headerData(LibraryModel::Check, Qt::Horizontal).toString()) + 24;
    for (const QString &text : checks)
        width = std::max(width, table_->fontMetrics().horizontalAdvance(text));
    header->resizeSection(LibraryModel::Check, width + 24);
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
            item->setToolTip(tr("This folder does not answer."));
        }
    }
    ShowProblem(tr("%1 does not answer: the rest of the library is shown.").arg(root));
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
    // With one row per game, Right or + lists a game's other versions, Left
    // or - takes them away again.
    const bool expand = key->key() == Qt::Key_Right || key->key() == Qt::Key_Plus;
    const bool collapse = key->key() == Qt::Key_Left || key->key() == Qt::Key_Minus;
    if (watched == table_ && model_->Grouped() && (expand || collapse) && table_->currentIndex().isValid()) {
        const int row = table_->currentIndex().row();
        const int game = model_->GameRow(row);
        model_->SetExpanded(game, expand);
        if (collapse && game != row)
            table_->selectRow(game);
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
                                     : QFileDialog::getExistingDirectory(this, tr("Add a folder to the library"));
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

void LibraryWindow::ImportDats()
{
    const QStringList files = askDatFiles
        ? askDatFiles()
        : QFileDialog::getOpenFileNames(this, tr("Import DAT files"), QString(),
                                        tr("DAT files (*.dat *.xml);;All files (*)"));
    if (!files.isEmpty())
        emit ImportDatsRequested(files);
}

void LibraryWindow::ChangeRegionOrder()
{
    const QString current = QString::fromStdString(model_->Regions().Text());
    QString text;
    if (askRegionOrder) {
        text = askRegionOrder(current);
    } else {
        bool ok = false;
        text = QInputDialog::getText(this, tr("Region order"),
                                     tr("The regions whose version a game's row shows first, best first,\n"
                                        "separated by commas (empty for World, USA, Europe, Japan):"),
                                     QLineEdit::Normal, current, &ok);
        if (!ok)
            text = QString();
    }
    if (text.isNull())
        return;
    const RegionOrder order = RegionOrder::FromText(text.toStdString());
    model_->SetRegionOrder(order);
    settings_.Write(SettingNames::LibraryRegionOrder, QString::fromStdString(order.Text()));
}

void LibraryWindow::SetGrouped(bool on)
{
    model_->SetGrouped(on);
    table_->setColumnHidden(LibraryModel::Versions, !on);
}

void LibraryWindow::UpdateCount()
{
    const int total = model_->RecordCount();
    const int passing = model_->PassingCount();
    const QString roms = passing == total ? tr("%1 ROMs").arg(total) : tr("%1 of %2 ROMs").arg(passing).arg(total);
    count_->setText(model_->Grouped() ? tr("%1 games, %2").arg(model_->GameCount()).arg(roms) : roms);
}
