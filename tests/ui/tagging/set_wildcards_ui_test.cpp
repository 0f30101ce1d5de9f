// "Set Wildcards" over a real split window: refused pattern lists keep the
// dialog open and change nothing; a good one becomes the window's filter,
// re-reads it and goes into the history under "SWILD", "WILD".
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <memory>

#include <gtest/gtest.h>

#include "ui/dirwin/directory_windows_qt.h"
#include "ui/dirwin/sep_dir_window.h"
#include "core/platform/platform.h"
#include "core/tagging/history.h"
#include "ui/tagging/set_wildcards_dialog.h"
#include "core/settings/app_ini.h"
#include "ui/frame/main_window.h"
#include "ui/frame/speed_bar_widget.h"
#include "support/test_env.h"

namespace {

struct SetWildcardsTest : ::testing::Test {
    TestEnv env;
    std::unique_ptr<Tmainform> form;
    TSepDir* window = nullptr;

    void SetUp() override {
        for (const char* name : {"a.txt", "b.doc", "c.bak", "readme"}) env.WriteFile(std::string("c/w/") + name, "x");
        form = std::make_unique<Tmainform>();
        InstallDirectoryWindows(*form);
        plat::SetCurrentDir("C:\\w");
        window = qobject_cast<TSepDir*>(form->OpenDirectoryWindow());
    }
    void TearDown() override { form.reset(); }

    std::vector<std::string> Names() {
        std::vector<std::string> out;
        for (int i = 0; i < window->GetListCount(); ++i) out.push_back(window->GetEntryName(i));
        return out;
    }
};

}  // namespace

TEST_F(SetWildcardsTest, OpensOnTheWindowsPatternsAndTheStoredHistory) {
    SaveHistory("SWILD", "WILD", {"*.c;*.h", "*.txt"});
    window->Options.Wildcards = "*.doc";
    TSetWildcardsDialog dialog(window);
    EXPECT_EQ(dialog.windowTitle(), "Set Wildcards");
    EXPECT_EQ(dialog.E_Wild->text(), "*.doc");
    EXPECT_EQ(dialog.focusWidget(), dialog.E_Wild);
    ASSERT_EQ(dialog.LB_History->count(), 2);
    EXPECT_EQ(dialog.LB_History->item(0)->text(), "*.c;*.h");
    dialog.HistoryClick(1);
    EXPECT_EQ(dialog.E_Wild->text(), "*.txt");
    dialog.ResetBtn->click();
    EXPECT_EQ(dialog.E_Wild->text(), "*.*");
}

TEST_F(SetWildcardsTest, RefusedListsSayWhyAndKeepTheDialogOpen) {
    const std::pair<const char*, const char*> refused[] = {
        {"", "Please enter wildcard pattern(s)"},
        {"   ", "Please enter valid pattern(s)"},  // blanks are taken as typed
        {"*.TXT;;*.DOC", "Please enter valid pattern(s)"},
        {".TXT", "Please enter valid pattern(s)"},
        {";", "Please enter valid pattern(s)"}};
    for (auto [text, message] : refused) {
        TSetWildcardsDialog dialog(window);
        dialog.show();
        dialog.E_Wild->setText(text);
        dialog.OKBtn->setFocus();
        dialog.OKBtnClick();
        EXPECT_EQ(env.prompts.last(), message) << text;
        EXPECT_TRUE(dialog.isVisible()) << text;
        EXPECT_EQ(dialog.result(), QDialog::Rejected) << text;
        EXPECT_EQ(dialog.focusWidget(), dialog.E_Wild) << text;
    }
    // Nothing was stored or changed.
    EXPECT_EQ(window->Options.Wildcards, "*.*");
    EXPECT_TRUE(LoadHistory("SWILD", "WILD").empty());
    EXPECT_EQ(window->GetListCount(), 4);
}

TEST_F(SetWildcardsTest, AGoodListFiltersTheWindowAndEntersTheHistory) {
    SaveHistory("SWILD", "WILD", {"*.TXT"});
    TSetWildcardsDialog dialog(window);
    dialog.show();
    dialog.E_Wild->setText("-*.bak;*.*");
    dialog.OKBtnClick();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(window->Options.Wildcards, "-*.bak;*.*");
    EXPECT_EQ(Names(), (std::vector<std::string>{"readme.", "b.doc", "a.txt"}));
    EXPECT_EQ(form->SpeedBar->E_Pattern->text(), "-*.bak;*.*");
    EXPECT_EQ(LoadHistory("SWILD", "WILD"), (std::vector<std::string>{"-*.bak;*.*", "*.TXT"}));
    EXPECT_EQ(AppIni().ReadString("SWILD", "WILD!", ""), "2");
    EXPECT_EQ(AppIni().ReadString("SWILD", "WILD:S1", ""), "-*.bak;*.*");

    // A text seen before (in any case) keeps its place in the history; a
    // long one is the window's filter only up to 80 characters.
    TSetWildcardsDialog again(window);
    again.E_Wild->setText("*.txt");
    again.OKBtnClick();
    EXPECT_EQ(LoadHistory("SWILD", "WILD"), (std::vector<std::string>{"-*.bak;*.*", "*.TXT"}));
    EXPECT_EQ(Names(), (std::vector<std::string>{"a.txt"}));
    std::string longList = "*.txt";
    while (longList.size() < 100) longList += ";*.doc";
    TSetWildcardsDialog third(window);
    third.E_Wild->setText(QString::fromStdString(longList));
    third.OKBtnClick();
    EXPECT_EQ(window->Options.Wildcards, longList.substr(0, 80));
    EXPECT_EQ(LoadHistory("SWILD", "WILD").front(), longList);
}

TEST_F(SetWildcardsTest, ThePatternBoxOpensItForTheActiveWindow) {
    ASSERT_TRUE(form->HasCommand(TCommand::SetWildcards));
    bool seen = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<TSetWildcardsDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        seen = true;
        dialog->E_Wild->setText("*.doc;*.txt");
        dialog->OKBtnClick();
    });
    form->PatternBoxClicked();
    EXPECT_TRUE(seen);
    EXPECT_EQ(Names(), (std::vector<std::string>{"b.doc", "a.txt"}));
    EXPECT_EQ(form->SpeedBar->E_Pattern->text(), "*.doc;*.txt");
}
