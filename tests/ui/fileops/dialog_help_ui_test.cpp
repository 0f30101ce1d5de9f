// Help opened from an operation dialog belongs to the dialog; locking the
// dialog's controls for a run leaves that help window usable.
#include <QPushButton>
#include <QTextBrowser>
#include <filesystem>

#include "support/dialog_test_fixture.h"
#include "ui/fileops/delete_dialog.h"
#include "ui/fileops/dir_remove_dialog.h"
#include "ui/frame/help_window.h"

namespace {

class DialogHelpTest : public DialogTest {
protected:
    TFakeDirWindow* src = nullptr;

    void SetUp() override {
        env.WriteFile("c/SRC/A.TXT", "a");
        env.WriteFile("c/GONE/SUB/B.TXT", "b");
        src = Open("C:\\SRC");
        src->Tag({"A.TXT"});
    }
    static void ExpectUsable(THelpWindow* help) {
        EXPECT_TRUE(help->isEnabled());
        EXPECT_TRUE(help->IndexBtn->isEnabled());
        EXPECT_TRUE(help->Text->isEnabled());
    }
};

}  // namespace

TEST_F(DialogHelpTest, ARunLocksTheDialogButNotItsHelpWindow) {
    TfDelete del(*src);
    auto* help = new THelpWindow(&del);
    del.OKBtnClick();
    EXPECT_FALSE(Exists("c/SRC/A.TXT"));
    EXPECT_FALSE(del.OKBtn->isEnabled());
    ExpectUsable(help);

    TFRDIR remove("C:\\GONE");
    auto* removeHelp = new THelpWindow(&remove);
    env.prompts.answers = {MsgResult::Yes};
    remove.OKBtnClick();
    EXPECT_FALSE(remove.OKBtn->isEnabled());
    ExpectUsable(removeHelp);
}
