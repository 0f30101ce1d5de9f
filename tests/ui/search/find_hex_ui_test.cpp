// "Find Hex Characters" on its own: the hexadecimal and the text field
// follow each other, the light shows whether the hexadecimal field
// converts, and "&Find" stores the history and both boxes under "FHEX".
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include "core/settings/app_ini.h"
#include "core/tagging/history.h"
#include "support/test_env.h"
#include "ui/search/find_hex_dialog.h"

namespace {

struct FindHexTest : ::testing::Test {
    TestEnv env;

    // Replaces the hexadecimal field's text by typing it.
    static void TypeHex(TFindHexDialog& dialog, const QString& text) {
        dialog.CB_Hex->clearEditText();
        QTest::keyClicks(dialog.CB_Hex, text);
    }
    static void TypeText(TFindHexDialog& dialog, const QString& text) {
        dialog.E_Text->selectAll();
        QTest::keyClick(dialog.E_Text, Qt::Key_Delete);
        QTest::keyClicks(dialog.E_Text, text);
    }
};

TEST_F(FindHexTest, TypedHexShowsItsBytesAsTextOrTurnsTheLightRed) {
    // Typed a key at a time into the empty field: an invalid text leaves the
    // text field as the last valid one made it.
    struct Case {
        const char* hex;
        bool valid;
        const char* text;
    };
    const Case cases[] = {
        {"4", false, ""},
        {"41", true, "A"},
        {" 41  42 ", true, "AB"},
        {"4142", true, "AB"},
        {"4G", false, ""},
        {"4 1", false, ""},
        {"414", false, "A"},
        {"41 4G", false, "A"},
        {"41 00 42", true, "A"},  // the text ends before a byte 00
        {"00", true, ""},
    };
    for (const Case& c : cases) {
        TFindHexDialog dialog;
        TypeHex(dialog, c.hex);
        EXPECT_EQ(dialog.Light->Valid(), c.valid) << c.hex;
        EXPECT_EQ(dialog.E_Text->text(), c.text) << c.hex;
        EXPECT_EQ(dialog.SearchBytes(), c.text) << c.hex;
        EXPECT_EQ(dialog.CB_Hex->currentText(), c.hex) << "the hex field keeps what was typed";
    }
    // Clearing an invalid field makes it valid and empties the text.
    TFindHexDialog dialog;
    TypeHex(dialog, "41 4");
    dialog.CB_Hex->clearEditText();
    EXPECT_TRUE(dialog.Light->Valid());
    EXPECT_EQ(dialog.E_Text->text(), "");
}

TEST_F(FindHexTest, TypedTextShowsItsHexAndTurnsTheLightGreen) {
    TFindHexDialog dialog;
    TypeHex(dialog, "4");
    ASSERT_FALSE(dialog.Light->Valid());
    TypeText(dialog, "AB");
    EXPECT_EQ(dialog.CB_Hex->currentText(), "41 42");
    EXPECT_TRUE(dialog.Light->Valid());
    EXPECT_EQ(dialog.SearchBytes(), "AB");
    EXPECT_EQ(dialog.E_Text->text(), "AB") << "the hex field's update does not write back";

    // Typing inside the text keeps the cursor where it is.
    dialog.E_Text->setCursorPosition(1);
    QTest::keyClicks(dialog.E_Text, "x");
    EXPECT_EQ(dialog.E_Text->text(), "AxB");
    EXPECT_EQ(dialog.E_Text->cursorPosition(), 2);
    EXPECT_EQ(dialog.CB_Hex->currentText(), "41 78 42");
}

TEST_F(FindHexTest, BytesThatAreNotUtf8StillStandForThemselves) {
    TFindHexDialog dialog;
    TypeHex(dialog, "E9 80");
    EXPECT_EQ(dialog.SearchBytes(), "\xE9\x80");
    EXPECT_EQ(dialog.E_Text->text().size(), 2);
    TypeHex(dialog, "C3 A9");
    EXPECT_EQ(dialog.E_Text->text(), QString::fromUtf8("\xC3\xA9"));
    EXPECT_EQ(dialog.SearchBytes(), "\xC3\xA9");
}

TEST_F(FindHexTest, TheSearchStringIsCutTo255Bytes) {
    TFindHexDialog dialog;
    TypeText(dialog, QString(300, 'x'));
    EXPECT_EQ(dialog.SearchBytes(), std::string(255, 'x'));
}

TEST_F(FindHexTest, OpensOnTheStoredHistoryAndBoxes) {
    SaveHistory("FHEX", "HEX", {"41 42", "FF"});
    for (bool stored : {false, true}) {
        AppIni().WriteBool("FHEX", "TOP", stored);
        AppIni().WriteBool("FHEX", "CASE", !stored);
        TFindHexDialog dialog;
        EXPECT_EQ(dialog.CB_Top->isChecked(), stored);
        EXPECT_EQ(dialog.CB_Case->isChecked(), !stored);
        ASSERT_EQ(dialog.CB_Hex->count(), 2);
        EXPECT_EQ(dialog.CB_Hex->itemText(1), "FF");
        EXPECT_EQ(dialog.CB_Hex->currentText(), "");
        EXPECT_EQ(dialog.E_Text->text(), "");
        // Choosing an entry converts it like typing.
        dialog.CB_Hex->setCurrentIndex(0);
        EXPECT_EQ(dialog.E_Text->text(), "AB");
    }
    env.ReopenIni();
    AppIni().EraseSection("FHEX");
    TFindHexDialog fresh;
    EXPECT_TRUE(fresh.CB_Top->isChecked());
    EXPECT_TRUE(fresh.CB_Case->isChecked());
}

TEST_F(FindHexTest, FindWithoutBytesSaysSoAndStaysOpen) {
    for (const char* hex : {"", "   ", "00 41", "4"}) {
        TFindHexDialog dialog;
        dialog.show();
        TypeHex(dialog, hex);
        dialog.CancelBtn->setFocus();
        dialog.FindBtn->click();
        EXPECT_EQ(env.prompts.last(), "Enter something to find!") << hex;
        EXPECT_TRUE(dialog.isVisible()) << hex;
        EXPECT_EQ(dialog.focusWidget(), dialog.CB_Hex) << hex;
    }
    EXPECT_TRUE(LoadHistory("FHEX", "HEX").empty());
    EXPECT_EQ(AppIni().ReadString("FHEX", "TOP", "none"), "none");
}

// Runs the entry point, answering the dialog with act.
template <typename Act>
bool RunFind(Act act, std::string& bytes, bool& caseSensitive, bool& fromTop) {
    QTimer::singleShot(0, [act] {
        auto* dialog = qobject_cast<TFindHexDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->windowTitle(), "Find Hex Characters");
        EXPECT_EQ(dialog->focusWidget(), dialog->CB_Hex);
        act(*dialog);
    });
    return FindHexCharacters(nullptr, bytes, caseSensitive, fromTop);
}

TEST_F(FindHexTest, FindHandsBackTheBytesAndStoresHistoryAndBoxes) {
    SaveHistory("FHEX", "HEX", {"FF"});
    std::string bytes;
    bool caseSensitive = true, fromTop = true;
    const bool found = RunFind(
        [](TFindHexDialog& dialog) {
            TypeHex(dialog, "61 62 63");
            dialog.CB_Case->setChecked(false);
            dialog.CB_Top->setChecked(false);
            QTest::keyClick(dialog.CB_Hex, Qt::Key_Return);  // "&Find" is the default
        },
        bytes, caseSensitive, fromTop);
    EXPECT_TRUE(found);
    EXPECT_EQ(bytes, "abc");
    EXPECT_FALSE(caseSensitive);
    EXPECT_FALSE(fromTop);
    EXPECT_EQ(LoadHistory("FHEX", "HEX"), (std::vector<std::string>{"61 62 63", "FF"}));
    EXPECT_EQ(AppIni().ReadString("FHEX", "TOP", ""), "0");
    EXPECT_EQ(AppIni().ReadString("FHEX", "CASE", ""), "0");
}

TEST_F(FindHexTest, CancelHandsBackNothingAndStoresNothing) {
    std::string bytes = "keep";
    bool caseSensitive = true, fromTop = true;
    const bool found = RunFind(
        [](TFindHexDialog& dialog) {
            TypeHex(dialog, "41");
            dialog.CB_Case->setChecked(false);
            dialog.CancelBtn->click();
        },
        bytes, caseSensitive, fromTop);
    EXPECT_FALSE(found);
    EXPECT_EQ(bytes, "keep");
    EXPECT_TRUE(caseSensitive);
    EXPECT_TRUE(LoadHistory("FHEX", "HEX").empty());
    EXPECT_EQ(AppIni().ReadString("FHEX", "CASE", "none"), "none");
}

}  // namespace
