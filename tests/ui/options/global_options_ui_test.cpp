// "Quilby Global Options" over a real main window: what OK changes in the
// running program and in the ini, the right-click interlocks, which windows
// re-read or only repaint, and stored values out of range.
#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QSpinBox>
#include <QRadioButton>

#include "ui/frame/main_window.h"
#include "ui/options/global_options_dialog.h"
#include "options_ui_fixture.h"

namespace {

struct GlobalOptionsTest : OptionsUiTest {
    void SetUp() override { form = MakeForm(); }
};

}  // namespace

TEST_F(GlobalOptionsTest, TheFileMenuItemOpensTheDialog) {
    ASSERT_TRUE(form->FileGlobalOptions->isEnabled());
    bool opened = false;
    WhenOpened<TGlobalOptionsDialog>([&](TGlobalOptionsDialog& d) {
        opened = true;
        EXPECT_EQ(d.windowTitle(), "Quilby Global Options");
        EXPECT_TRUE(d.CB_Default->isChecked());
    });
    form->FileGlobalOptions->trigger();
    EXPECT_TRUE(opened);
}

TEST_F(GlobalOptionsTest, DefaultUncheckedChangesTheRunningProgramOnly) {
    {
        TGlobalOptionsDialog d(*form);
        d.SE_Tabs->setValue(4);
        d.CB_ShowHints->setChecked(false);
        d.RB_Tag->setChecked(true);
        d.CB_Italic->setChecked(true);
        d.CB_Default->setChecked(false);
        d.OKBtnClick();
        EXPECT_EQ(d.result(), QDialog::Accepted);
    }
    EXPECT_EQ(form->Tabs, 4);
    EXPECT_FALSE(form->ShowHint);
    EXPECT_FALSE(form->Display().DBLClickRun);
    EXPECT_TRUE(form->Display().ExeItalic);
    EXPECT_EQ(Ini("Application", "Tabs"), "(unset)");
    EXPECT_EQ(Ini("Mainform", "ExeItalic"), "(unset)");

    // A restart reads the old values.
    Tmainform restarted;
    EXPECT_EQ(restarted.Tabs, 8);
    EXPECT_TRUE(restarted.ShowHint);
    EXPECT_TRUE(restarted.Display().DBLClickRun);
    EXPECT_FALSE(restarted.Display().ExeItalic);
}

TEST_F(GlobalOptionsTest, DefaultCheckedStoresEveryKeyForTheNextStart) {
    AddToIni("[Application]\nVHexS=0\n");
    form = MakeForm();
    TGlobalOptionsDialog d(*form);
    d.SE_Tabs->setValue(3);
    d.CB_Strikeout->setChecked(true);
    d.CB_Bold->setChecked(false);
    d.ExeColorChosen(QColor(0x10, 0x20, 0x30));
    d.HintColorChosen(QColor(0xFF, 0xFF, 0x80));
    d.CB_Size->setCurrentIndex(d.CB_Size->findText("12"));
    d.OKBtnClick();

    EXPECT_EQ(Ini("Application", "Tabs"), "3");
    EXPECT_EQ(Ini("Application", "FontSize"), "12");
    EXPECT_EQ(Ini("Application", "VHexS"), "0");  // written back as read
    EXPECT_EQ(Ini("Application", "VPicS"), "1");
    EXPECT_EQ(Ini("Application", "ShowHint"), "1");
    EXPECT_EQ(Ini("Application", "HintColor"), std::to_string(0x80FFFF));
    EXPECT_EQ(Ini("Mainform", "ExeColor"), std::to_string(0x302010));
    EXPECT_EQ(Ini("Mainform", "ExeBold"), "0");
    EXPECT_EQ(Ini("Mainform", "ExeStrikeout"), "1");
    EXPECT_EQ(Ini("Mainform", "RD_Menu"), "1");

    Tmainform restarted;
    EXPECT_EQ(restarted.Tabs, 3);
    EXPECT_EQ(restarted.Display().ListFont.pointSize(), 12);
    EXPECT_EQ(restarted.Display().ExeColor, QColor(0x10, 0x20, 0x30));
    EXPECT_TRUE(restarted.Display().ExeStrikeout);
    EXPECT_FALSE(restarted.VHexS);
}

TEST_F(GlobalOptionsTest, RightClickInterlocks) {
    TGlobalOptionsDialog d(*form);
    // Stored defaults: menu on, jump off, back on but disabled.
    EXPECT_TRUE(d.CB_Menu->isChecked());
    EXPECT_FALSE(d.CB_Jump->isChecked());
    EXPECT_FALSE(d.CB_Back->isEnabled());

    d.CB_Jump->click();
    EXPECT_TRUE(d.CB_Jump->isChecked());
    EXPECT_TRUE(d.CB_Back->isEnabled());
    EXPECT_FALSE(d.CB_Menu->isChecked());

    d.CB_Back->setChecked(true);
    d.CB_Menu->click();  // leaves only the menu checked
    EXPECT_TRUE(d.CB_Menu->isChecked());
    EXPECT_FALSE(d.CB_Jump->isChecked());
    EXPECT_FALSE(d.CB_Back->isChecked());
    EXPECT_FALSE(d.CB_Back->isEnabled());

    d.CB_Jump->click();  // unchecks the menu again
    EXPECT_FALSE(d.CB_Menu->isChecked());
    EXPECT_TRUE(d.CB_Jump->isChecked());
    d.CB_Back->click();
    d.OKBtnClick();
    EXPECT_TRUE(form->Display().RDJump);
    EXPECT_TRUE(form->Display().RDBack);
    EXPECT_FALSE(form->Display().RD_Menu);
}

TEST_F(GlobalOptionsTest, AStyleRepaintsEveryWindowWhileFaceOrSizeReReads) {
    TCountingSepDir* first = Open("C:\\");
    TCountingSepDir* active = Open("D:\\");
    ASSERT_TRUE(first && active);
    ASSERT_EQ(form->ActiveDirectoryWindow(), active);
    {
        TGlobalOptionsDialog d(*form);
        d.CB_Underline->setChecked(true);
        d.OKBtnClick();
    }
    EXPECT_TRUE(form->Display().ExeUnderline);
    EXPECT_EQ(first->reads + active->reads, 0);
    EXPECT_GE(first->repaints, 1);
    EXPECT_GE(active->repaints, 1);
    EXPECT_EQ(active->headers, 1);  // the active window rebuilds its header

    first->ResetCounts();
    active->ResetCounts();
    {
        TGlobalOptionsDialog d(*form);
        d.CB_Size->setCurrentIndex(d.CB_Size->findText("14"));
        d.OKBtnClick();
    }
    EXPECT_EQ(form->Display().ListFont.pointSize(), 14);
    EXPECT_EQ(first->reads, 1);
    EXPECT_EQ(active->reads, 1);
    EXPECT_EQ(active->font().pointSize(), 14);
}

TEST_F(GlobalOptionsTest, StoredValuesOutOfRangeNeverHalfApply) {
    AddToIni("[Application]\nFontSize=20\nTabs=99\nHintColor=junk\n[Mainform]\nExeColor=#zz\n");
    form = MakeForm();
    TGlobalOptionsDialog d(*form);
    EXPECT_EQ(d.CB_Size->currentIndex(), -1);
    EXPECT_EQ(d.SE_Tabs->value(), 8);
    d.CB_ShowHints->setChecked(false);
    d.OKBtnClick();
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_TRUE(env.prompts.seen.empty()) << env.prompts.last();
    // The size not offered keeps the current one; the rest is applied.
    EXPECT_EQ(form->Display().ListFont.pointSize(), 20);
    EXPECT_FALSE(form->ShowHint);
    EXPECT_EQ(Ini("Application", "FontSize"), "20");
    EXPECT_EQ(Ini("Application", "Tabs"), "8");
    EXPECT_EQ(Ini("Application", "HintColor"), "-1");
    EXPECT_EQ(Ini("Mainform", "ExeColor"), "-1");
}

TEST_F(GlobalOptionsTest, AFontSizeOfZeroShowsTheDefaultSize) {
    AddToIni("[Application]\nFontSize=0\n");
    form = MakeForm();
    TGlobalOptionsDialog d(*form);
    EXPECT_EQ(d.CB_Size->currentText(), "10");
}

TEST_F(GlobalOptionsTest, CancelChangesNothing) {
    TGlobalOptionsDialog d(*form);
    d.SE_Tabs->setValue(1);
    d.ExeColorChosen(Qt::red);
    d.CancelBtn->click();
    EXPECT_EQ(form->Tabs, 8);
    EXPECT_EQ(form->Display().ExeColor, QColor(Qt::black));
    EXPECT_EQ(Ini("Application", "Tabs"), "(unset)");
}
