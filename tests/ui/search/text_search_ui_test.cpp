// "Tag based on Text Search" over real files: the refusals, the tags of a
// case-sensitive and a case-blind search, the histories and boxes it
// stores, earlier tags kept unsearched, Cancel's stop after the current
// file, and a read failure ending the search with the tags set so far.
#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QTimer>
#include <sys/stat.h>

#include "core/seams/prompter.h"
#include "core/settings/app_ini.h"
#include "core/settings/startup.h"
#include "core/tagging/history.h"
#include "support/dialog_test_fixture.h"
#include "ui/search/text_search_dialog.h"

namespace {

class TextSearchTest : public DialogTest {
protected:
    TFakeDirWindow* w = nullptr;
    void SetUp() override {
        env.WriteFile("c/W/a.txt", "one Needle here");
        env.WriteFile("c/W/b.txt", "nothing");
        env.WriteFile("c/W/c.doc", "Needle but not a text file");
        env.WriteFile("c/W/d.txt", std::string(20000, '.') + "NEEDLE");
        w = Open("C:\\W");
    }
    // OK with text and patterns typed; errors shown as the program does.
    void Run(TTextSearchDialog& dlg, const std::string& text, const std::string& patterns = "*.txt") {
        dlg.CB_Text->setEditText(QString::fromStdString(text));
        dlg.CB_Wildcards->setEditText(QString::fromStdString(patterns));
        RunReportingErrors([&] { dlg.OKBtnClick(); });
    }
};

}  // namespace

TEST_F(TextSearchTest, RefusalsKeepTheDialogOpenAndChangeNothing) {
    w->Tag({"b.txt"});
    struct Case {
        const char* text;
        const char* patterns;
        const char* message;
        bool textField;
    };
    for (Case c : {Case{"", "*.*", "Please enter a search string!", true},
                   Case{"x", "", "Please enter a wildcard pattern!", false},
                   Case{"x", "   ", "Please enter a wildcard pattern!", false},
                   Case{"x", "*.TXT;;*.DOC", "Please enter valid pattern(s)", false}}) {
        env.prompts.seen.clear();
        TTextSearchDialog dlg(w);
        dlg.show();
        Run(dlg, c.text, c.patterns);
        EXPECT_EQ(Texts(), std::vector<std::string>{c.message}) << c.message;
        EXPECT_EQ(dlg.focusWidget(), c.textField ? static_cast<QWidget*>(dlg.CB_Text) : dlg.CB_Wildcards);
        EXPECT_FALSE(dlg.Running());
        EXPECT_TRUE(dlg.OKBtn->isEnabled());
        EXPECT_NE(dlg.result(), QDialog::Accepted);
    }
    EXPECT_EQ(w->TaggedNames(), "b.txt");
    EXPECT_TRUE(LoadHistory("F_Search", "CB_Text").empty());
}

TEST_F(TextSearchTest, TagsTheMatchingFilesThatHoldTheText) {
    {
        TTextSearchDialog dlg(w);
        EXPECT_TRUE(dlg.CB_CaseSensitive->isChecked());  // the defaults
        EXPECT_TRUE(dlg.CB_Cleartags->isChecked());
        EXPECT_EQ(dlg.CB_Wildcards->currentText(), "*.*");
        Run(dlg, "Needle");
        EXPECT_EQ(dlg.result(), QDialog::Accepted);
    }
    EXPECT_EQ(w->TaggedNames(), "a.txt");  // c.doc is not a *.txt file; d.txt is upper case

    w->Tag({"b.txt"});
    {
        TTextSearchDialog dlg(w);
        dlg.CB_CaseSensitive->setChecked(false);
        Run(dlg, "needle");
    }
    EXPECT_EQ(w->TaggedNames(), "a.txt d.txt");  // found across the 16 KB mark; b.txt's tag cleared
    EXPECT_TRUE(Texts().empty());
    // "needle" is "Needle" to the history, which keeps its place.
    EXPECT_EQ(LoadHistory("F_Search", "CB_Text"), std::vector<std::string>{"Needle"});
    EXPECT_EQ(LoadHistory("F_Search", "CB_Wildcards"), std::vector<std::string>{"*.txt"});
    EXPECT_FALSE(AppIni().ReadBool("F_Search", "CB_CaseSensitive", true));
    TTextSearchDialog again(w);
    EXPECT_FALSE(again.CB_CaseSensitive->isChecked());
    EXPECT_EQ(again.CB_Text->currentText(), "");  // empty when it opens, the history below
    EXPECT_EQ(again.CB_Text->count(), 1);
}

TEST_F(TextSearchTest, EarlierTagsStayUnsearchedWithoutClearing) {
    // A FIFO tagged beforehand: searched, it would fail to open.
    ASSERT_EQ(mkfifo(env.Host("c/W/pipe.txt").c_str(), 0600), 0);
    w->ReadDirectory();
    w->Tag({"pipe.txt"});
    TTextSearchDialog dlg(w);
    dlg.CB_Cleartags->setChecked(false);
    Run(dlg, "Needle");
    EXPECT_TRUE(Texts().empty());
    EXPECT_EQ(w->TaggedNames(), "a.txt pipe.txt");
    EXPECT_FALSE(AppIni().ReadBool("F_Search", "CB_Cleartags", true));
}

TEST_F(TextSearchTest, CancelStopsAfterTheCurrentFile) {
    GaugeMovesEverySecond();
    TTextSearchDialog dlg(w);
    dlg.CB_CaseSensitive->setChecked(false);
    env.prompts.answers = {MsgResult::No, MsgResult::Yes};
    int asked = 0;
    // Cancel is pressed while the first file's step hands control back;
    // the first answer is No (the search goes on), the second Yes.
    QTimer::singleShot(0, &dlg, [&] {
        ++asked;
        dlg.CancelBtnClick();
        EXPECT_TRUE(dlg.Running());
        QTimer::singleShot(0, &dlg, [&] {
            ++asked;
            dlg.CancelBtnClick();
        });
    });
    Run(dlg, "needle", "*.*");
    EXPECT_EQ(asked, 2);
    EXPECT_EQ(Texts(), (std::vector<std::string>{"Cancel the search process?", "Cancel the search process?"}));
    // The list is in type order: c.doc was searched, a.txt too (after the
    // No), then the stop: d.txt never.
    EXPECT_EQ(w->TaggedNames(), "c.doc a.txt");
    EXPECT_FALSE(dlg.Running());
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
}

TEST_F(TextSearchTest, AReadFailureEndsTheSearchAndKeepsTheTagsSoFar) {
    const std::string before = Read("c/W/d.txt");
    // The list is in type order: c.doc takes two reads (its bytes, the
    // end), then a.txt's first read fails.
    plat::InjectFault(plat::FaultOp::Read, 3, plat::FileError::IoError);
    TTextSearchDialog dlg(w);
    dlg.CB_CaseSensitive->setChecked(false);
    Run(dlg, "needle", "*.*");
    EXPECT_EQ(Texts(), std::vector<std::string>{"Error reading: C:\\W\\a.txt"});
    EXPECT_EQ(w->TaggedNames(), "c.doc");
    EXPECT_FALSE(dlg.Running());
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_EQ(Read("c/W/d.txt"), before);
}
