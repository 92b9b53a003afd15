// The translations: loaded for a language other than English only, damaged
// files passed over, and no text cut in any window in any language.

#include "PseudoTranslator.h"
#include "TestMain.h"

#include "about/frmAbout.h"
#include "controls/ComboBox.h"
#include "controls/Frame.h"
#include "launcher/StartFailureBox.h"
#include "launcher/Vexa.h"
#include "library/LibraryModel.h"
#include "library/LibraryWindow.h"
#include "platform/LibraryStore.h"
#include "platform/Translations.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QLibraryInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QStyleOptionHeader>
#include <QTableView>

#include <cerrno>
#include <functional>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

const QString kBuilt = QStringLiteral(VEXA_BUILT_TRANSLATIONS);
const QStringList kLanguages = {u"de"_s, u"fr"_s, u"es"_s, u"pt_BR"_s, u"ja"_s};

// The library window with a ROM of each check, so that the Check column, the
// Model column and the count have their texts.
std::unique_ptr<QWidget> LibraryWithRecords()
{
    auto window = std::make_unique<LibraryWindow>();
    std::vector<LibraryRecord> records;
    const std::pair<DumpCheck, bool> checks[] = {
        {DumpCheck::Verified, false}, {DumpCheck::BadDump, true}, {DumpCheck::NotInDat, true}, {DumpCheck::Verified, true}};
    for (const auto &[check, damaged] : checks) {
        LibraryRecord record;
        record.root = u"/roms"_s;
        record.file = u"Game %1.gbc"_s.arg(records.size());
        record.path = record.root + u'/' + record.file;
        record.size = 1024 * 1024 * qint64(records.size() + 1) / 3;
        record.sha1 = record.file.toLatin1().leftJustified(20, '.');
        record.header.assign(0x150, 0);
        record.header[0x143] = 0x80; // for the Game Boy and the Color,
        record.header[0x146] = 0x03; // the Super Game Boy's too
        record.header[0x14B] = 0x33;
        record.check = check;
        record.headerDamaged = damaged;
        record.datName = u"Nintendo - Game Boy Color"_s;
        record.lastPlayedMs = 1700000000000;
        record.playSeconds = 36000 + 3599;
        record.launches = 3;
        records.push_back(record);
    }
    window->SetRecords(std::move(records));
    return window;
}

// Every window whose texts are checked: a name and how to make it, shown.
struct WindowUnderTest {
    const char *name;
    std::function<std::unique_ptr<QWidget>()> make;
};

const std::vector<WindowUnderTest> &Windows()
{
    static const std::vector<WindowUnderTest> windows = {
        {"main window", [] { return std::make_unique<Vexa>(); }},
        {"failure box",
         [] {
             return std::make_unique<StartFailureBox>(
                 DescribeStartFailure(ENOENT, "vexa", false, "", "vexa  -rtsdir rsave/  -savdir saves/  -cgb  /r/x.gb"),
                 nullptr);
         }},
        {"About window",
         [] {
             auto about = std::make_unique<frmAbout>();
             about->showError = [](const QString &) {};
             about->beep = [] {};
             return about;
         }},
        {"library window", LibraryWithRecords},
    };
    return windows;
}

// One text in one control: how wide it is and how wide its place is.
struct TextRoom {
    QString control;
    QString text;
    int need = 0;
    int have = 0;
};

int Widest(const QFontMetrics &metrics, const QString &text)
{
    int widest = 0;
    for (const QString &line : text.split(QLatin1Char('\n')))
        widest = std::max(widest, metrics.horizontalAdvance(line));
    return widest;
}

QString Name(const QWidget *widget)
{
    return widget->objectName().isEmpty() ? QString::fromUtf8(widget->metaObject()->className()) : widget->objectName();
}

// The texts of window's controls that must show whole on one line: frame
// captions, buttons, check boxes, options, combo entries, labels that do
// not wrap (the status bar's panels among them). Texts that wrap or scroll
// by design (wrapped labels, line edits) are not measured.
std::vector<TextRoom> Measure(QWidget *window)
{
    std::vector<TextRoom> rooms;
    QList<QWidget *> widgets = window->findChildren<QWidget *>();
    widgets.prepend(window);
    for (QWidget *widget : widgets) {
        QStyle *style = widget->style();
        const QFontMetrics metrics = widget->fontMetrics();
        if (const auto *frame = qobject_cast<Frame *>(widget)) {
            if (!frame->Caption().isEmpty())
                rooms.push_back({Name(widget), frame->Caption(), metrics.horizontalAdvance(frame->Caption()) + 2,
                                 frame->width() - 6 - 2});
        } else if (auto *button = qobject_cast<QAbstractButton *>(widget)) {
            if (button->text().isEmpty())
                continue;
            QStyleOptionButton option;
            option.initFrom(button);
            option.text = button->text();
            const QStyle::SubElement contents = qobject_cast<QCheckBox *>(button)      ? QStyle::SE_CheckBoxContents
                                                : qobject_cast<QRadioButton *>(button) ? QStyle::SE_RadioButtonContents
                                                                                      : QStyle::SE_PushButtonContents;
            rooms.push_back({Name(widget), button->text(), metrics.horizontalAdvance(button->text()),
                             style->subElementRect(contents, &option, button).width()});
        } else if (auto *combo = qobject_cast<QComboBox *>(widget)) {
            QStyleOptionComboBox option;
            option.initFrom(combo);
            option.editable = combo->isEditable();
            option.frame = true;
            // The line edit keeps a margin of two pixels on either side.
            const int have = style->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo).width()
                             - 4;
            QStringList texts{combo->currentText()};
            for (int index = 0; index < combo->count(); ++index)
                texts << combo->itemText(index);
            for (const QString &text : texts)
                if (!text.isEmpty())
                    rooms.push_back({Name(widget), text, metrics.horizontalAdvance(text), have});
        } else if (auto *header = qobject_cast<QHeaderView *>(widget); header && header->orientation() == Qt::Horizontal) {
            // A column's title beside the room its sort mark takes.
            for (int section = 0; section < header->count(); ++section) {
                if (header->isSectionHidden(section))
                    continue;
                QStyleOptionHeader option;
                option.initFrom(header);
                option.state |= QStyle::State_Horizontal;
                option.rect = QRect(0, 0, header->sectionSize(section), header->height());
                option.text = header->model()->headerData(section, Qt::Horizontal).toString();
                option.sortIndicator = QStyleOptionHeader::SortDown;
                rooms.push_back({Name(widget->parentWidget()) + u" header"_s, option.text, metrics.horizontalAdvance(option.text),
                                 style->subElementRect(QStyle::SE_HeaderLabel, &option, header).width()});
            }
        } else if (auto *table = qobject_cast<QTableView *>(widget); table && qobject_cast<LibraryModel *>(table->model())) {
            // The library's columns of words that are as wide as they are
            // made, not as the window: the cartridge's model, the check, the
            // play time.
            const int margin = 2 * (style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, table) + 1);
            for (const int column : {LibraryModel::Model, LibraryModel::Check, LibraryModel::PlayTime})
                for (int row = 0; row < table->model()->rowCount(); ++row) {
                    const QString text = table->model()->index(row, column).data().toString();
                    if (!text.isEmpty())
                        rooms.push_back({Name(widget), text, table->fontMetrics().horizontalAdvance(text),
                                         table->columnWidth(column) - margin});
                }
        } else if (const auto *label = qobject_cast<QLabel *>(widget)) {
            if (label->wordWrap() || label->text().isEmpty())
                continue;
            rooms.push_back({Name(widget), label->text(), Widest(metrics, label->text()),
                             label->contentsRect().width() - 2 * label->margin()});
        }
    }
    return rooms;
}

QString Cut(const std::vector<TextRoom> &rooms)
{
    QStringList cut;
    for (const TextRoom &room : rooms)
        if (room.need > room.have)
            cut << u"%1 \"%2\": %3 px in %4"_s.arg(room.control, room.text).arg(room.need).arg(room.have);
    return cut.join(u"; "_s);
}

std::unique_ptr<QWidget> Shown(const WindowUnderTest &window)
{
    std::unique_ptr<QWidget> widget = window.make();
    widget->show();
    if (!QTest::qWaitForWindowExposed(widget.get()))
        qWarning("%s not exposed", window.name);
    return widget;
}

// Closes a window with the background work of its own finished.
void Close(std::unique_ptr<QWidget> widget)
{
    if (auto *main = qobject_cast<Vexa *>(widget.get()))
        QTRY_VERIFY_WITH_TIMEOUT(!main->Busy(), 10000);
    widget->close();
}

} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void loading_data();
    void loading();
    void wording();
    void libraryLine();
    void comboSource_data();
    void comboSource();
    void nothingCut_data();
    void nothingCut();
    void pseudoTranslation();

private:
    std::unique_ptr<QObject> owner_;
    std::unique_ptr<QTemporaryDir> folder_;
};

void TestTranslations::init()
{
    owner_ = std::make_unique<QObject>();
    folder_ = std::make_unique<QTemporaryDir>();
}

void TestTranslations::cleanup()
{
    owner_.reset(); // removes the translators it holds
    folder_.reset();
}

void TestTranslations::loading_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("file"); // what is put as vexa_de.qm in the first folder
    QTest::addColumn<bool>("own");
    QTest::addColumn<bool>("qt");
    QTest::addColumn<QString>("sound");
    QTest::newRow("English: nothing") << u"en_US"_s << u"none"_s << false << false << u"Sound"_s;
    QTest::newRow("British English") << u"en_GB"_s << u"none"_s << false << false << u"Sound"_s;
    QTest::newRow("C locale") << u"C"_s << u"none"_s << false << false << u"Sound"_s;
    QTest::newRow("German") << u"de_DE"_s << u"none"_s << true << true << u"Ton"_s;
    QTest::newRow("Austrian German") << u"de_AT"_s << u"none"_s << true << true << u"Ton"_s;
    QTest::newRow("French") << u"fr_FR"_s << u"none"_s << true << true << u"Son"_s;
    QTest::newRow("Spanish") << u"es_ES"_s << u"none"_s << true << true << u"Sonido"_s;
    QTest::newRow("Brazilian Portuguese") << u"pt_BR"_s << u"none"_s << true << true << u"Som"_s;
    QTest::newRow("Japanese") << u"ja_JP"_s << u"none"_s << true << true << u"サウンド"_s;
    QTest::newRow("Italian: Qt's alone") << u"it_IT"_s << u"none"_s << false << true << u"Sound"_s;
    QTest::newRow("garbage before the good one") << u"de_DE"_s << u"garbage"_s << true << true << u"Ton"_s;
    QTest::newRow("truncated before the good one") << u"de_DE"_s << u"truncated"_s << true << true << u"Ton"_s;
    QTest::newRow("garbage alone") << u"de_DE"_s << u"garbage alone"_s << false << true << u"Sound"_s;
    QTest::newRow("truncated alone") << u"de_DE"_s << u"truncated alone"_s << false << true << u"Sound"_s;
}

// The first folder may hold a damaged vexa_de.qm, and holds a vexa_en.qm that
// English must never load; the second is the build's translations, left out
// for the "alone" rows.
void TestTranslations::loading()
{
    QFETCH(QString, locale);
    QFETCH(QString, file);
    QFETCH(bool, own);
    QFETCH(bool, qt);
    QFETCH(QString, sound);
    QStringList folders{folder_->path()};
    if (!file.endsWith(u" alone"_s))
        folders << kBuilt;
    QFile built(kBuilt + u"/vexa_de.qm"_s);
    QVERIFY(built.open(QIODevice::ReadOnly));
    const QByteArray good = built.readAll();
    // A translation named English would show, were English ever looked up.
    QVERIFY(QFile::copy(built.fileName(), folder_->filePath(u"vexa_en.qm"_s)));
    QFile damaged(folder_->filePath(u"vexa_de.qm"_s));
    if (file.startsWith(u"garbage"_s)) {
        QVERIFY(damaged.open(QIODevice::WriteOnly));
        damaged.write(QByteArray(good.size(), 'x'));
    } else if (file.startsWith(u"truncated"_s)) {
        QVERIFY(damaged.open(QIODevice::WriteOnly));
        damaged.write(good.left(good.size() / 2));
    }
    damaged.close();

    const TranslationsLoaded loaded = InstallTranslations(QLocale(locale), folders,
                                                          QLibraryInfo::path(QLibraryInfo::TranslationsPath), owner_.get());
    QCOMPARE(loaded.own, own);
    QCOMPARE(loaded.qt, qt);
    QCOMPARE(QCoreApplication::translate("Vexa", "Sound"), sound);
}

void TestTranslations::wording()
{
    QVERIFY(InstallTranslations(QLocale(u"de_DE"_s), {kBuilt}, QString(), owner_.get()).own);
    const StartFailure failure = DescribeStartFailure(ENOENT, "vexa", false, "", "vexa  /r/x.gb");
    // The box speaks German; the error output keeps the English words.
    QCOMPARE(Translated(failure.summaryWording), u"Der Emulator konnte nicht gestartet werden (vexa wurde im PATH nicht gefunden)."_s);
    QCOMPARE(QString::fromStdString(failure.message), u"The emulator could not be started (vexa was not found on the PATH): vexa  /r/x.gb"_s);
    // A word put in that holds a marker is not filled in again.
    QCOMPARE(Translated({"StartFailure", "The emulator could not be started (%1).", {"%1%2"}}),
             u"Der Emulator konnte nicht gestartet werden (%1%2)."_s);
}

// The library's lines: the window has them in German, words put in
// translated too; the error output and scripts keep them English.
void TestTranslations::libraryLine()
{
    QVERIFY(InstallTranslations(QLocale(u"de_DE"_s), {kBuilt}, QString(), owner_.get()).own);
    const QString path = folder_->filePath(u"library.sqlite"_s);
    QVERIFY(QDir().mkpath(path));
    LibraryStore store(path);
    QVERIFY(!store.Open());
    QCOMPARE(store.Problem(), u"The library %1 is a folder: it is left as it is and not opened"_s.arg(path));
    const Told told = store.TakeTold();
    QCOMPARE(told.english, u"The library %1 is a folder: it is left as it is and not opened"_s.arg(path));
    QCOMPARE(told.shown, u"Die Bibliothek %1 ist ein Ordner: Sie bleibt, wie sie ist, und wird nicht geöffnet"_s.arg(path));
    QVERIFY(store.Problem().isEmpty());
}

void TestTranslations::comboSource_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("source");
    QTest::newRow("an entry as shown") << u"Aus"_s << u"Off"_s;
    QTest::newRow("another entry") << u"Getauscht"_s << u"Reversed"_s;
    QTest::newRow("the same in both") << u"Mono"_s << u"Mono"_s;
    QTest::newRow("English typed") << u"Reversed"_s << u"Reversed"_s;
    QTest::newRow("no entry's text") << u"Stereo"_s << u"Stereo"_s;
    QTest::newRow("an entry's text in another case") << u"aus"_s << u"aus"_s;
}

// The sound list shown in German builds the command by its English entries.
void TestTranslations::comboSource()
{
    QFETCH(QString, typed);
    QFETCH(QString, source);
    QVERIFY(InstallTranslations(QLocale(u"de_DE"_s), {kBuilt}, QString(), owner_.get()).own);
    ComboBox combo;
    combo.setEditable(true);
    combo.AddItemsKeepingText("Vexa", {"Off", "Mono", "Normal", "Reversed"});
    QCOMPARE(combo.itemText(0), u"Aus"_s);
    combo.setEditText(typed);
    QCOMPARE(combo.SourceText(), source);
}

void TestTranslations::nothingCut_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("window");
    for (const QString &language : QStringList{u"en"_s} + kLanguages)
        for (std::size_t window = 0; window < Windows().size(); ++window)
            QTest::addRow("%s, %s", qPrintable(language), Windows().at(window).name) << language << int(window);
}

void TestTranslations::nothingCut()
{
    QFETCH(QString, language);
    QFETCH(int, window);
    const TranslationsLoaded loaded = InstallTranslations(QLocale(language), {kBuilt},
                                                          QLibraryInfo::path(QLibraryInfo::TranslationsPath), owner_.get());
    QCOMPARE(loaded.own, language != u"en"_s);
    std::unique_ptr<QWidget> shown = Shown(Windows().at(window));
    const std::vector<TextRoom> rooms = Measure(shown.get());
    QVERIFY(!rooms.empty());
    const QString cut = Cut(rooms);
    QVERIFY2(cut.isEmpty(), qPrintable(cut));
    Close(std::move(shown));
}

// In the pseudo-language, every text a control shows comes through a
// translation (nothing is left out of tr()), and the run lists which
// controls have room for a translation 40 % longer than English.
void TestTranslations::pseudoTranslation()
{
    auto *pseudo = new PseudoTranslator;
    pseudo->setParent(owner_.get());
    QVERIFY(QCoreApplication::installTranslator(pseudo));
    // Not words: the program's "?", the status panels' header facts, the
    // video modes' sizes, the drive list's root, the favourites' star.
    const QStringList fixed{u"?"_s, u"/"_s, u"CGB"_s, u"SGB"_s, u"JAP"_s, u"0MBit"_s, u"360x144"_s, u"320x200"_s,
                            u"180x144"_s, u"256x200"_s, u"\u2605"_s};
    QStringList untranslated;
    for (const WindowUnderTest &window : Windows()) {
        std::unique_ptr<QWidget> shown = Shown(window);
        for (const TextRoom &room : Measure(shown.get())) {
            if (!fixed.contains(room.text) && !PseudoTranslator::IsPseudo(room.text))
                untranslated << room.control + u" \""_s + room.text + u'"';
            else if (!fixed.contains(room.text))
                qInfo("%s, %s \"%s\": %s (%d of %d px)", window.name, qPrintable(room.control), qPrintable(room.text),
                      room.need <= room.have ? "room" : "no room", room.need, room.have);
        }
        Close(std::move(shown));
    }
    QVERIFY2(untranslated.isEmpty(), qPrintable(untranslated.join(u"; "_s)));
}

VEXA_TEST_MAIN(TestTranslations)
#include "test_translations.moc"
