// The tagging dialogs in a real split directory window opened by the main
// window: its Tag menu and the main window's button open them, the tags
// land in the window's list and its counters reach the main window.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QToolButton>
#include <memory>

#include <gtest/gtest.h>

#include "ui/dirwin/directory_windows_qt.h"
#include "ui/dirwin/sep_dir_window.h"
#include "support/tag_test_helpers.h"
#include "ui/tagging/tag_attr_dialog.h"
#include "ui/tagging/tag_date_dialog.h"
#include "ui/tagging/tag_dialogs_qt.h"
#include "ui/tagging/tag_size_dialog.h"
#include "ui/tagging/tag_wildcards_dialog.h"
#include "ui/frame/main_window.h"
#include "ui/frame/speed_bar_widget.h"
#include "ui/frame/status_line_bar.h"

namespace {

class TagSepDirTest : public ::testing::Test {
protected:
    TestEnv env;
    std::unique_ptr<Tmainform> form;
    TSepDir* window = nullptr;

    void SetUp() override {
        MakeTagTestFile(env, "WORK", "notes.txt", 100, TagTestTime(2023, 12, 20, 10));
        MakeTagTestFile(env, "WORK", "late.txt", 0, TagTestTime(2023, 12, 31, 23, 59));
        MakeTagTestFile(env, "WORK", "newyear.doc", 2048, TagTestTime(2024, 1, 1, 0, 0),
                        plat::faReadOnly);
        MakeTagTestFile(env, "WORK", "after.bak", 7, TagTestTime(2024, 1, 16, 0, 0));
        form = std::make_unique<Tmainform>();
        InstallDirectoryWindows(*form);
        InstallTaggingDialogs(*form);
        ASSERT_TRUE(plat::SetCurrentDir("C:\\WORK"));
        window = qobject_cast<TSepDir*>(form->OpenDirectoryWindow());
        ASSERT_NE(window, nullptr);
        ASSERT_EQ(window->GetEntryCount(), 4);
    }
    void TearDown() override { form.reset(); }

    // Opens the window's Tag menu (which sets its items' states) and picks item.
    void Pick(QAction* item) {
        emit window->TagMenu->aboutToShow();
        ASSERT_TRUE(item->isEnabled()) << item->text().toStdString();
        item->trigger();
    }
    std::string Tagged() {
        std::string names;
        for (int i = window->FirstTagged(); i >= 0; i = window->NextTagged(i))
            names += (names.empty() ? "" : " ") + window->GetEntryName(i);
        return names;
    }
    QString TagPanel() { return form->StatusLine->P_Tags->text(); }
};

TEST_F(TagSepDirTest, TheTagMenuOpensEachDialogAndTheCountersFollow) {
    WhenOpened<TTagDateDialog>([](TTagDateDialog& d) {
        d.E_From->setText("01/01/24");
        d.E_To->setText("12/01/23");  // reversed
        d.OKBtnClick();
    });
    Pick(window->TagDateItem);
    EXPECT_EQ(Tagged(), "newyear.doc late.txt notes.txt");  // by extension, then name
    EXPECT_EQ(TagPanel(), "3  2K");  // 2148 bytes

    // Tags are only added: the size pass selects one tagged entry and one new.
    WhenOpened<TTagSizeDialog>([](TTagSizeDialog& d) {
        d.E_From->setText("0");
        d.E_To->setText("7");
        d.OKBtnClick();
    });
    Pick(window->TagSizeItem);
    EXPECT_EQ(Tagged(), "after.bak newyear.doc late.txt notes.txt");
    EXPECT_EQ(TagPanel(), "4  2K");  // 2155 bytes, each entry once

    window->TagNone();
    WhenOpened<TTagAttrDialog>([](TTagAttrDialog& d) {
        d.CB_Archive->setChecked(false);
        d.CB_Readonly->setChecked(true);
        d.OKBtnClick();
    });
    Pick(window->TagAttrItem);
    EXPECT_EQ(Tagged(), "newyear.doc");
    EXPECT_EQ(TagPanel(), "1  2K");

    WhenOpened<TTagWildcardsDialog>([](TTagWildcardsDialog& d) {
        d.E_Wild->setText("*.TXT");
        d.OKBtnClick();
    });
    Pick(window->TagWildItem);
    EXPECT_EQ(Tagged(), "newyear.doc late.txt notes.txt");
    EXPECT_EQ(TagPanel(), "3  2K");
    EXPECT_TRUE(env.prompts.seen.empty()) << env.prompts.last();
}

TEST_F(TagSepDirTest, TheMainWindowsButtonAndARefusalThatChangesNothing) {
    ASSERT_TRUE(form->SpeedBar->SB_TagWild->isEnabled());
    WhenOpened<TTagWildcardsDialog>([](TTagWildcardsDialog& d) {
        d.E_Wild->setText("*.TXT;;");
        d.OKBtnClick();
        EXPECT_TRUE(d.isVisible()) << "a refusal keeps the dialog open";
        d.E_Wild->setText("*.BAK;*.DOC");
        d.OKBtnClick();
    });
    form->SpeedBar->SB_TagWild->click();
    EXPECT_EQ(env.prompts.texts(), std::vector<std::string>{"Please enter valid wildcards!"});
    EXPECT_EQ(Tagged(), "after.bak newyear.doc");
    EXPECT_EQ(TagPanel(), "2  2K");
    EXPECT_TRUE(form->SpeedBar->SB_TagNone->isEnabled());
}

}  // namespace
