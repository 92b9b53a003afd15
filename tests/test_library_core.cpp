#include "TestMain.h"

#include "core/CartridgeModel.h"
#include "core/SearchFold.h"
#include "core/SearchText.h"

// The library's rules without Qt: how the search compares names, and which
// consoles a header names.
class TestLibraryCore : public QObject
{
    Q_OBJECT

private slots:
    void search_data();
    void search();
    void fieldsAndEntriesKeptApart();
    void cartridgeModel_data();
    void cartridgeModel();
};

void TestLibraryCore::search_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("query");
    QTest::addColumn<bool>("found");
    auto row = [](const char *tag, const char *name, const char *query, bool found) {
        QTest::newRow(tag) << QString::fromUtf8(name) << QString::fromUtf8(query) << found;
    };
    row("inside the name", "Legend of Zelda, The - Link's Awakening (USA)", "zelda", true);
    row("capitals in the query", "Tetris (World)", "TETRIS", true);
    row("capitals in the name", "TETRIS", "tetris", true);
    row("e with acute both ways", "Pok\u00e9mon Red", "pokemon", true);
    row("accent in the query", "Pokemon Red", "POK\u00c9MON", true);
    row("capital with accent", "\u00c9l\u00e8ve", "eleve", true);
    row("sharp s", "Stra\u00dfe", "strasse", true);
    row("ae ligature", "\u00c6sop", "aesop", true);
    row("oe ligature", "C\u0153ur", "coeur", true);
    row("o with stroke", "\u00d8resund", "oresund", true);
    row("thorn", "\u00deor", "thor", true);
    row("latin extended", "\u0141\u00f3d\u017a \u0160\u010derbinin", "lodz scer", true);
    row("combining accent", "Pokemo\u0301n", "pokemon", true);
    row("n with tilde", "Espa\u00f1a", "espana", true);
    row("cyrillic capitals", "\u0422\u0435\u0442\u0440\u0438\u0441", "\u0442\u0435\u0442\u0440\u0438\u0441", true);
    row("greek capitals", "\u0396\u03b5\u03bb\u03bd\u03c4\u03b1", "\u03b6\u03b5\u03bb", true);
    row("full-width letters", "\uff3a\uff25\uff2c\uff24\uff21", "zelda", true);
    row("curly apostrophe", "Kirby\u2019s Dream Land", "kirby's", true);
    row("kana kept", "\u30bc\u30eb\u30c0\u306e\u4f1d\u8aac", "\u30bc\u30eb\u30c0", true);
    row("kana not folded to latin", "\u30bc\u30eb\u30c0", "zelda", false);
    row("multiplication sign kept", "2\u00d72", "2x2", false);
    row("letters in order only", "Zelda", "adlez", false);
    row("a space is a character", "Dream Land", "dreamland", false);
    row("empty query finds all", "Tetris", "", true);
    row("longer than the name", "Tetris", "tetris dx", false);
}

void TestLibraryCore::search()
{
    QFETCH(QString, name);
    QFETCH(QString, query);
    SearchText text;
    text.Add({"unrelated.gb"});
    text.Add({name.toStdString()});
    std::vector<std::uint8_t> found;
    text.Find(query.toStdString(), found);
    QCOMPARE(found.size(), std::size_t(2));
    QTEST(found[1] == 1, "found");
    QCOMPARE(found[0] == 1, query.isEmpty());
}

void TestLibraryCore::fieldsAndEntriesKeptApart()
{
    SearchText text;
    text.Add({"Tetris.gb", "TETRIS"});
    text.Add({"Zelda.gb", "ZELDA"});
    text.Add({"Alleyway.gb", ""});
    std::vector<std::uint8_t> found;
    text.Find("gb zel", found); // the end of one entry and the start of the next
    QCOMPARE(found, (std::vector<std::uint8_t>{0, 0, 0}));
    text.Find("gbtetris", found); // the end of one field and the start of the next
    QCOMPARE(found, (std::vector<std::uint8_t>{0, 0, 0}));
    text.Find(".gb", found); // one hit in each entry, and two in none
    QCOMPARE(found, (std::vector<std::uint8_t>{1, 1, 1}));
    text.Find("zelda", found); // found in both fields of one entry
    QCOMPARE(found, (std::vector<std::uint8_t>{0, 1, 0}));
    text.Find("way", found); // the last entry
    QCOMPARE(found, (std::vector<std::uint8_t>{0, 0, 1}));
}

void TestLibraryCore::cartridgeModel_data()
{
    QTest::addColumn<int>("colour");
    QTest::addColumn<int>("superFlag");
    QTest::addColumn<int>("licensee");
    QTest::addColumn<int>("length");
    QTest::addColumn<QString>("text");
    auto row = [](const char *tag, int colour, int superFlag, int licensee, int length, const char *text) {
        QTest::newRow(tag) << colour << superFlag << licensee << length << QString::fromUtf8(text);
    };
    row("plain", 0x00, 0x00, 0x01, 0x150, "Game Boy");
    row("colour too", 0x80, 0x00, 0x01, 0x150, "Game Boy + Color");
    row("colour only", 0xC0, 0x00, 0x01, 0x150, "Color only");
    row("another colour value", 0x84, 0x00, 0x33, 0x150, "Game Boy");
    row("super game boy", 0x00, 0x03, 0x33, 0x150, "Game Boy, Super Game Boy");
    row("colour and super", 0x80, 0x03, 0x33, 0x150, "Game Boy + Color, Super Game Boy");
    row("colour only never super", 0xC0, 0x03, 0x33, 0x150, "Color only");
    row("super flag, new licensee missing", 0x00, 0x03, 0x01, 0x150, "Game Boy");
    row("licensee without the flag", 0x00, 0x00, 0x33, 0x150, "Game Boy");
    row("another super flag value", 0x00, 0x01, 0x33, 0x150, "Game Boy");
    row("header ends before the licensee", 0x80, 0x03, 0x33, 0x14B, "Game Boy + Color");
    row("header ends before the colour flag", 0x80, 0x03, 0x33, 0x143, "Game Boy");
}

void TestLibraryCore::cartridgeModel()
{
    QFETCH(int, colour);
    QFETCH(int, superFlag);
    QFETCH(int, licensee);
    QFETCH(int, length);
    std::vector<std::uint8_t> header(0x150, 0);
    header[0x143] = static_cast<std::uint8_t>(colour);
    header[0x146] = static_cast<std::uint8_t>(superFlag);
    header[0x14B] = static_cast<std::uint8_t>(licensee);
    header.resize(static_cast<std::size_t>(length));
    QTEST(QString::fromStdString(CartridgeModelText(ReadCartridgeModel(header))), "text");
}

VEXA_TEST_MAIN(TestLibraryCore)
#include "test_library_core.moc"
