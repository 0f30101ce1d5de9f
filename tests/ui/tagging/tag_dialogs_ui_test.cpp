// The four tagging dialogs over a window on a real directory: what they show
// when they open, what OK tags and stores, and every refusal (message,
// focus, nothing changed).
#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <functional>
#include <memory>

#include <gtest/gtest.h>

#include "support/tag_test_helpers.h"
#include "core/tagging/history.h"
#include "ui/tagging/tag_attr_dialog.h"
#include "ui/tagging/tag_date_dialog.h"
#include "ui/tagging/tag_size_dialog.h"
#include "ui/tagging/tag_wildcards_dialog.h"
#include "core/settings/app_ini.h"
#include "ui/frame/help_window.h"

namespace {

const std::string kUnset = "<unset>";

// The text of the label a form layout shows beside field.
QString LabelOf(QWidget* field) {
    auto* form = field->parentWidget()->findChild<QFormLayout*>();
    if (!form) return "<no form>";
    auto* label = qobject_cast<QLabel*>(form->labelForField(field));
    return label ? label->text() : "<no label>";
}

class TagDialogsTest : public ::testing::Test {
protected:
    TestEnv env;
    std::unique_ptr<TFakeDirWindow> window;

    // Sorted by name: AFTER.BAK LATE.TXT NEWYEAR.DOC NOTES.TXT OLD.BAK UPPER.DOC
    void SetUp() override {
        MakeTagTestFile(env, "TAGS", "NOTES.TXT", 100, TagTestTime(2023, 12, 20, 10));
        MakeTagTestFile(env, "TAGS", "LATE.TXT", 0, TagTestTime(2023, 12, 31, 23, 59),
                        plat::faArchive | plat::faHidden);
        MakeTagTestFile(env, "TAGS", "NEWYEAR.DOC", 2048, TagTestTime(2024, 1, 1, 0, 0),
                        plat::faReadOnly);
        MakeTagTestFile(env, "TAGS", "UPPER.DOC", 0, TagTestTime(2024, 1, 15, 23, 59),
                        plat::faSysFile);
        MakeTagTestFile(env, "TAGS", "AFTER.BAK", 7, TagTestTime(2024, 1, 16, 0, 0));
        MakeTagTestFile(env, "TAGS", "OLD.BAK", 5000, TagTestTime(2023, 11, 30, 23, 59), 0);
        window = MakeTagWindow("C:\\TAGS");
        ASSERT_EQ(window->GetEntryCount(), 6);
    }

    void Tag(const std::string& name) { window->TagEntry(window->FindEntry(name)); }

    // A refusal: the message, the dialog still open with the field focused,
    // nothing tagged, the window untouched.
    void ExpectRefused(QDialog& dialog, const std::string& message, QWidget* field) {
        EXPECT_EQ(env.prompts.last(), message);
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(dialog.result(), QDialog::Rejected);
        EXPECT_EQ(dialog.focusWidget(), field) << message;
        EXPECT_EQ(window->GetTaggedCount(), 0);
        EXPECT_EQ(window->statusUpdates, 0);
        EXPECT_EQ(window->repaints, 0);
    }

    // A pass: closed with OK, then one status update and one repaint.
    void ExpectTagged(QDialog& dialog, const std::string& names) {
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
        EXPECT_FALSE(dialog.isVisible());
        EXPECT_EQ(window->TaggedNames(), names);
        EXPECT_EQ(window->statusUpdates, 1);
        EXPECT_EQ(window->repaints, 1);
        EXPECT_TRUE(env.prompts.seen.empty()) << env.prompts.last();
    }

    std::string Ini(const std::string& section, const std::string& key) {
        return AppIni().ReadString(section, key, kUnset);
    }
};

// ---------------------------------------------------------------- wildcards

TEST_F(TagDialogsTest, WildcardsDialogOpensOnAllFilesWithItsHistory) {
    SaveHistory("FWILD", "WILD", {"*.DOC", "*.TXT;*.BAK"});
    TTagWildcardsDialog dialog(window.get());
    EXPECT_EQ(dialog.windowTitle(), "Tag by Wildcards");
    EXPECT_EQ(dialog.E_Wild->text(), "*.*");
    EXPECT_EQ(dialog.focusWidget(), dialog.E_Wild);
    ASSERT_EQ(dialog.LB_History->count(), 2);
    EXPECT_EQ(dialog.LB_History->item(0)->text(), "*.DOC");
    EXPECT_EQ(dialog.OKBtn->toolTip(), "Yes, Tag these entries");
    EXPECT_EQ(dialog.CancelBtn->toolTip(), "Do not tag these entries");

    emit dialog.LB_History->itemClicked(dialog.LB_History->item(1));
    EXPECT_EQ(dialog.E_Wild->text(), "*.TXT;*.BAK");
    dialog.ResetBtn->click();
    EXPECT_EQ(dialog.E_Wild->text(), "*.*");
}

TEST_F(TagDialogsTest, WildcardsTagMatchingNamesAndPutTheListFirstInTheHistory) {
    SaveHistory("FWILD", "WILD", {"*.DOC", "*.TXT"});
    Tag("OLD.BAK");  // not selected by the list: keeps its tag
    Tag("NOTES.TXT");  // selected again: counted once
    window->statusUpdates = 0;
    TTagWildcardsDialog dialog(window.get());
    dialog.show();
    dialog.E_Wild->setText("*.txt;up*.DOC   ");
    dialog.OKBtnClick();

    ExpectTagged(dialog, "LATE.TXT NOTES.TXT OLD.BAK UPPER.DOC");
    EXPECT_EQ(window->GetTaggedCount(), 4);
    EXPECT_EQ(window->FileList.GetTaggedBytes(), 5100);
    // Stored trimmed, newest first.
    EXPECT_EQ(LoadHistory("FWILD", "WILD"),
              (std::vector<std::string>{"*.txt;up*.DOC", "*.DOC", "*.TXT"}));
    EXPECT_EQ(Ini("FWILD", "WILD:S1"), "*.txt;up*.DOC");

    // A list already in the history (in another case) keeps its place.
    TTagWildcardsDialog again(window.get());
    again.E_Wild->setText("*.doc");
    again.OKBtnClick();
    EXPECT_EQ(LoadHistory("FWILD", "WILD"),
              (std::vector<std::string>{"*.txt;up*.DOC", "*.DOC", "*.TXT"}));
    EXPECT_EQ(window->TaggedNames(), "LATE.TXT NEWYEAR.DOC NOTES.TXT OLD.BAK UPPER.DOC");
}

TEST_F(TagDialogsTest, WildcardsMatchTheFileNameWithoutTheResultWindowsDirectory) {
    window->namePrefix = "DOCS.TXT\\SUB\\";
    TTagWildcardsDialog byName(window.get());
    byName.E_Wild->setText("*.DOC");
    byName.OKBtnClick();
    ExpectTagged(byName, "NEWYEAR.DOC UPPER.DOC");

    TTagWildcardsDialog byDirectory(window.get());
    byDirectory.E_Wild->setText("DOCS.TXT");
    byDirectory.OKBtnClick();
    EXPECT_EQ(window->TaggedNames(), "NEWYEAR.DOC UPPER.DOC");
}

TEST_F(TagDialogsTest, WildcardsRefuseEmptyAndInvalidLists) {
    const std::pair<const char*, const char*> cases[] = {
        {"", "Please enter wildcards!"},
        {"    ", "Please enter wildcards!"},
        {".TXT", "Please enter valid wildcards!"},
        {"*.TXT;;*.DOC", "Please enter valid wildcards!"},
        {";", "Please enter valid wildcards!"},
    };
    for (const auto& [text, message] : cases) {
        TTagWildcardsDialog dialog(window.get());
        dialog.show();
        dialog.OKBtn->setFocus();
        dialog.E_Wild->setText(text);
        dialog.OKBtnClick();
        ExpectRefused(dialog, message, dialog.E_Wild);
    }
    EXPECT_EQ(Ini("FWILD", "WILD!"), kUnset) << "no history written";
}

// ---------------------------------------------------------------- date range

TEST_F(TagDialogsTest, DateDialogShowsBlankMasksAndItsHints) {
    TTagDateDialog dialog(window.get());
    EXPECT_EQ(dialog.windowTitle(), "Tag by Date Range");
    EXPECT_EQ(dialog.E_From->displayText(), "  /  /  ");
    EXPECT_EQ(dialog.E_To->displayText(), "  /  /  ");
    EXPECT_EQ(dialog.E_From->toolTip(), "Enter the lower date range (MM/DD/YY)");
    EXPECT_EQ(dialog.E_To->toolTip(), "Enter the upper date");
    EXPECT_EQ(LabelOf(dialog.E_From), "From:");
    EXPECT_EQ(LabelOf(dialog.E_To), "To:");
    EXPECT_EQ(dialog.focusWidget(), dialog.E_From);

    // Typed digits fill the mask around its slashes.
    dialog.show();
    QTest::keyClicks(dialog.E_From, "1231x24");
    EXPECT_EQ(dialog.E_From->displayText(), "12/31/24");
}

TEST_F(TagDialogsTest, DateRangeFromDecemberToJanuaryTypedInReverse) {
    // 23:59 on the upper day is in; 00:00 the day after and 23:59 the day
    // before the lower one are not.
    TTagDateDialog dialog(window.get());
    dialog.show();
    dialog.E_From->setText("01/15/24");
    dialog.E_To->setText("12/01/23");
    dialog.OKBtnClick();
    ExpectTagged(dialog, "LATE.TXT NEWYEAR.DOC NOTES.TXT UPPER.DOC");

    window->TagNone();
    window->statusUpdates = window->repaints = 0;
    TTagDateDialog oneDay(window.get());
    oneDay.E_From->setText("01/15/24");
    oneDay.E_To->setText("01/15/24");
    oneDay.OKBtnClick();
    ExpectTagged(oneDay, "UPPER.DOC");
}

TEST_F(TagDialogsTest, DateDialogRefusesDatesThatDoNotConvert) {
    struct Case {
        const char *from, *to;
        bool blameTo;
    };
    const Case cases[] = {
        {"13/45/99", "01/15/24", false},
        {"", "01/15/24", false},
        {"02/30/24", "01/15/24", false},
        {"12/01/23", "", true},
        {"12/01/23", "12/31/", true},
        {"12/01/23", "00/00/00", true},
    };
    for (const Case& c : cases) {
        TTagDateDialog dialog(window.get());
        dialog.show();
        dialog.OKBtn->setFocus();
        dialog.E_From->setText(c.from);
        dialog.E_To->setText(c.to);
        dialog.OKBtnClick();
        ExpectRefused(dialog, "Invalid date entered!", c.blameTo ? dialog.E_To : dialog.E_From);
    }
}

// ---------------------------------------------------------------- size

TEST_F(TagDialogsTest, SizeRangeIsInclusiveAndTakesReversedBounds) {
    TTagSizeDialog empty(window.get());
    EXPECT_EQ(empty.windowTitle(), "Tag by Size");
    EXPECT_EQ(empty.focusWidget(), empty.E_From);
    EXPECT_EQ(LabelOf(empty.E_From), "From:");
    EXPECT_EQ(LabelOf(empty.E_To), "To:");
    empty.E_From->setText("0");
    empty.E_To->setText("0");
    empty.OKBtnClick();
    ExpectTagged(empty, "LATE.TXT UPPER.DOC");

    window->TagNone();
    window->statusUpdates = window->repaints = 0;
    TTagSizeDialog reversed(window.get());
    reversed.E_From->setText("5000  ");
    reversed.E_To->setText("7");
    reversed.OKBtnClick();
    ExpectTagged(reversed, "AFTER.BAK NEWYEAR.DOC NOTES.TXT OLD.BAK");

    // Bounds past 32 bits are sizes like any other.
    window->TagNone();
    window->statusUpdates = window->repaints = 0;
    TTagSizeDialog big(window.get());
    big.E_From->setText("2049");
    big.E_To->setText("9223372036854775807");
    big.OKBtnClick();
    ExpectTagged(big, "OLD.BAK");
}

TEST_F(TagDialogsTest, SizeDialogRefusesEmptyAndNonIntegerBounds) {
    struct Case {
        const char *from, *to, *message;
        bool blameTo;
    };
    const Case cases[] = {
        {"", "10", "Please enter a lower limit!", false},
        {"   ", "10", "Please enter a lower limit!", false},
        {"1 2", "10", "'1 2' is not a valid integer value", false},
        {"10", "", "Please enter an upper limit!", true},
        {"10", "99999999999999999999", "'99999999999999999999' is not a valid integer value", true},
        {"10", "9223372036854775808  ", "'9223372036854775808' is not a valid integer value", true},
    };
    for (const Case& c : cases) {
        TTagSizeDialog dialog(window.get());
        dialog.show();
        dialog.OKBtn->setFocus();
        dialog.E_From->setText(c.from);
        dialog.E_To->setText(c.to);
        dialog.OKBtnClick();
        ExpectRefused(dialog, c.message, c.blameTo ? dialog.E_To : dialog.E_From);
    }
}

TEST_F(TagDialogsTest, SizeFieldsTakeOnlyDigitsAndBlanks) {
    TTagSizeDialog dialog(window.get());
    dialog.show();
    QTest::keyClicks(dialog.E_From, "1k2 3-");
    EXPECT_EQ(dialog.E_From->text(), "12 3");
    QTest::keyClicks(dialog.E_To, std::string(25, '9').c_str());
    EXPECT_EQ(dialog.E_To->text().size(), 20) << "room for one digit past 64 bits";
}

// ---------------------------------------------------------------- attributes

TEST_F(TagDialogsTest, AttributeBoxesComeFromTheirSettings) {
    {
        TTagAttrDialog dialog(window.get());
        EXPECT_EQ(dialog.windowTitle(), "Tag based on attributes");
        EXPECT_TRUE(dialog.CB_Archive->isChecked());
        EXPECT_FALSE(dialog.CB_Readonly->isChecked());
        EXPECT_FALSE(dialog.CB_System->isChecked());
        EXPECT_FALSE(dialog.CB_Hidden->isChecked());
        EXPECT_EQ(dialog.focusWidget(), dialog.CB_Archive);
        EXPECT_EQ(dialog.CB_Readonly->text(), "&Readonly");
        auto* panel = dialog.findChild<QGroupBox*>();
        ASSERT_NE(panel, nullptr);
        EXPECT_EQ(panel->title(), "Tag if:");
        // Tab order: Archive, Readonly, System, Hidden.
        EXPECT_EQ(dialog.CB_Archive->nextInFocusChain(), dialog.CB_Readonly);
        EXPECT_EQ(dialog.CB_Readonly->nextInFocusChain(), dialog.CB_System);
        EXPECT_EQ(dialog.CB_System->nextInFocusChain(), dialog.CB_Hidden);
    }
    AppIni().WriteString("F_BYATTR", "A", "0");
    AppIni().WriteString("F_BYATTR", "S", "1");
    TTagAttrDialog dialog(window.get());
    EXPECT_FALSE(dialog.CB_Archive->isChecked());
    EXPECT_TRUE(dialog.CB_System->isChecked());
}

TEST_F(TagDialogsTest, AttributesTagOnAnyCheckedBitAndAreStoredByOKOnly) {
    TTagAttrDialog cancelled(window.get());
    cancelled.CB_Hidden->setChecked(true);
    cancelled.CancelBtn->click();
    EXPECT_EQ(Ini("F_BYATTR", "H"), kUnset);
    EXPECT_EQ(window->GetTaggedCount(), 0);

    // Archive alone: LATE.TXT is hidden too and still counts.
    TTagAttrDialog dialog(window.get());
    dialog.OKBtnClick();
    ExpectTagged(dialog, "AFTER.BAK LATE.TXT NOTES.TXT");
    EXPECT_EQ(Ini("F_BYATTR", "A"), "1");
    EXPECT_EQ(Ini("F_BYATTR", "R"), "0");
    EXPECT_EQ(Ini("F_BYATTR", "S"), "0");
    EXPECT_EQ(Ini("F_BYATTR", "H"), "0");

    window->TagNone();
    window->statusUpdates = window->repaints = 0;
    TTagAttrDialog others(window.get());
    others.CB_Archive->setChecked(false);
    others.CB_Readonly->setChecked(true);
    others.CB_System->setChecked(true);
    others.OKBtnClick();
    ExpectTagged(others, "NEWYEAR.DOC UPPER.DOC");
    EXPECT_EQ(Ini("F_BYATTR", "A"), "0");
    EXPECT_EQ(Ini("F_BYATTR", "S"), "1");
}

TEST_F(TagDialogsTest, AttributeDialogRefusesNoCheckedBox) {
    AppIni().WriteString("F_BYATTR", "R", "1");
    TTagAttrDialog dialog(window.get());
    dialog.show();
    dialog.OKBtn->setFocus();
    dialog.CB_Archive->setChecked(false);
    dialog.CB_Readonly->setChecked(false);
    dialog.OKBtnClick();
    ExpectRefused(dialog, "Please select one or more attributes!", dialog.CB_Archive);
    EXPECT_EQ(Ini("F_BYATTR", "A"), kUnset);
    EXPECT_EQ(Ini("F_BYATTR", "R"), "1") << "the stored boxes are left as they were";
}

// ---------------------------------------------------------------- all four

TEST_F(TagDialogsTest, EveryDialogClosesNormallyOnAnEmptyWindow) {
    env.WriteFile("c/NONE/.keep", "");
    window = MakeTagWindow("C:\\NONE");
    window->Options.A_Hidden = false;  // the one file is hidden by its dot
    window->ReadDirectory();
    ASSERT_EQ(window->GetEntryCount(), 0);
    window->statusUpdates = 0;

    TTagWildcardsDialog wild(window.get());
    wild.OKBtnClick();
    TTagDateDialog date(window.get());
    date.E_From->setText("01/01/24");
    date.E_To->setText("12/31/24");
    date.OKBtnClick();
    TTagSizeDialog size(window.get());
    size.E_From->setText("0");
    size.E_To->setText("100");
    size.OKBtnClick();
    TTagAttrDialog attr(window.get());
    attr.OKBtnClick();
    for (QDialog* d : std::initializer_list<QDialog*>{&wild, &date, &size, &attr})
        EXPECT_EQ(d->result(), QDialog::Accepted) << d->windowTitle().toStdString();
    EXPECT_EQ(window->GetTaggedCount(), 0);
    EXPECT_EQ(window->statusUpdates, 4);
    EXPECT_TRUE(env.prompts.seen.empty());
}

TEST_F(TagDialogsTest, HelpButtonsShowTheirTopics) {
    env.WriteFile("help.hlp",
                  "#topic 9009 Tag by Wildcards\nw\n#topic 9003 Tag by Date Range\nd\n"
                  "#topic 9005 Tag by Size\ns\n#topic 9002 Tag based on attributes\na\n");
    plat::SetHelpFile(env.Host("help.hlp"));
    TTagWildcardsDialog wild(window.get());
    TTagDateDialog date(window.get());
    TTagSizeDialog size(window.get());
    TTagAttrDialog attr(window.get());
    const std::pair<TTagDialog*, int> topics[] = {{&wild, 9009}, {&date, 9003}, {&size, 9005},
                                                  {&attr, 9002}};
    for (auto [dialog, topic] : topics) {
        dialog->HelpBtn->click();
        ASSERT_NE(THelpWindow::Instance(), nullptr);
        EXPECT_EQ(THelpWindow::Instance()->Topic, topic);
        EXPECT_EQ(dialog->result(), QDialog::Rejected) << "help leaves the dialog open";
    }
    EXPECT_TRUE(env.prompts.seen.empty()) << env.prompts.last();
    plat::SetHelpFile("");
}

TEST_F(TagDialogsTest, AWindowClosedWhileTheDialogIsOpenIsNotTouched) {
    TTagSizeDialog dialog(window.get());
    dialog.E_From->setText("0");
    dialog.E_To->setText("10");
    window.reset();
    dialog.OKBtnClick();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

// ---------------------------------------------------------------- opening

}  // namespace
