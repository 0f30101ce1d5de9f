// The copy dialog over real files: what it lists, how it checks the
// destination, the overwrite setting, printing to a port, the sub-directories
// of result-window names, cancel while running, faults in the middle of a
// copy, bad names and paths, and the windows it refreshes.
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <sys/stat.h>

#include <filesystem>

#include "support/dialog_test_fixture.h"
#include "ui/fileops/copy_dialog.h"
#include "core/fileops/file_primitives.h"
#include "core/settings/app_ini.h"
#include "support/tree_snapshot.h"

namespace fs = std::filesystem;
using plat::FaultOp;
using plat::FileError;

namespace {

class CopyDialogTest : public TransferDialogTest {
protected:
    // OK with destination typed into the box.
    void CopyTo(TFCopy& dlg, const std::string& destination) {
        dlg.CB_Destination->setEditText(QString::fromStdString(destination));
        dlg.OKBtnClick();
    }
};

}  // namespace

TEST_F(CopyDialogTest, ListsTheTaggedFilesAndOffersTheOtherWindowsDirectories) {
    MakeDir("d/DST/SUB");
    Open("D:\\DST");
    Open("d:\\dst");  // the same directory in another spelling: offered once
    Open("D:\\DST\\SUB");
    form->BringToFront(src);

    TFCopy dlg(*src);
    EXPECT_EQ(dlg.windowTitle(), "Copy");
    EXPECT_EQ(dlg.E_From->text(), "C:\\SRC");
    EXPECT_FALSE(dlg.E_From->isEnabled());
    EXPECT_EQ(dlg.L_Count->text(), "2");
    EXPECT_EQ(Rows(dlg.LB1), (std::vector<std::string>{"A.TXT", "B.TXT"}));
    EXPECT_EQ(dlg.CB_Destination->currentText(), "");
    QStringList offered;
    for (int i = 0; i < dlg.CB_Destination->count(); ++i) offered << dlg.CB_Destination->itemText(i);
    EXPECT_EQ(offered, QStringList({"D:\\DST", "D:\\DST\\SUB"}));  // never the source window's

    EXPECT_TRUE(dlg.RB_File->isChecked());
    EXPECT_EQ(dlg.RB_LPT1->text(), "LPT&1");
    EXPECT_EQ(dlg.RB_LPT2->text(), "LPT&2");
    EXPECT_EQ(dlg.CB_Overwrite->text(), "&Warn on overwrite");
    EXPECT_TRUE(dlg.CB_Overwrite->isChecked());  // the default
    EXPECT_EQ(dlg.FindBtn->toolTip(), "Search for a destination path");
    EXPECT_TRUE(dlg.OKBtn->isDefault());
    EXPECT_TRUE(LabelTexts(dlg).contains("Copy from:"));
    EXPECT_TRUE(LabelTexts(dlg).contains("Files to copy:"));
    EXPECT_EQ(dlg.findChild<QGroupBox*>()->title(), "Destination");

    TFCopy dropped(*src, std::string("D:\\DST\\SUB"));
    EXPECT_EQ(dropped.CB_Destination->currentText(), "D:\\DST\\SUB");
}

TEST_F(CopyDialogTest, BadDestinationsAreRefusedAndNothingIsCopied) {
    env.WriteFile("d/FILE.TXT", "a file, not a directory");
    struct Case {
        const char* typed;
        const char* message;
    };
    for (Case c : {Case{"", "Please enter a destination!"},
                   Case{"    ", "Please enter a destination!"},
                   Case{"D:\\FILE.TXT", "Sorry, please re-enter the directory"},
                   Case{"D:\\MISSING", "Sorry, please re-enter the directory"},
                   Case{"Q:\\DST", "Sorry, please re-enter the directory"},
                   Case{"D:\\DST\\A.TXT\\", "Sorry, please re-enter the directory"}}) {
        env.prompts.seen.clear();
        TFCopy dlg(*src);
        CopyTo(dlg, c.typed);
        EXPECT_EQ(Texts(), std::vector<std::string>{c.message}) << c.typed;
        EXPECT_EQ(dlg.focusWidget(), dlg.CB_Destination) << c.typed;
        EXPECT_FALSE(dlg.Running());
        EXPECT_TRUE(dlg.OKBtn->isEnabled());  // still in the dialog, ready again
        EXPECT_NE(dlg.result(), QDialog::Accepted);
    }
    EXPECT_TRUE(fs::is_empty(env.Host("d/DST")));
    EXPECT_EQ(Read("d/FILE.TXT"), "a file, not a directory");
}

TEST_F(CopyDialogTest, RelativeAndOtherCaseDestinationsBecomeTheirFullPath) {
    MakeDir("d/DST/Deep");
    AppIni().WriteBool("WOptions", "OVerwrite", false);
    struct Case {
        const char* current;
        const char* typed;
        const char* full;
    };
    for (Case c : {Case{"D:\\", "DST", "D:\\DST"}, Case{"D:\\DST", "deep", "D:\\DST\\Deep"},
                   Case{"C:\\", "d:\\dst\\DEEP   ", "D:\\DST\\Deep"}, Case{"D:\\DST\\Deep", "..", "D:\\DST"}}) {
        ASSERT_TRUE(plat::SetCurrentDir(c.current));
        TFCopy dlg(*src);
        CopyTo(dlg, c.typed);
        EXPECT_TRUE(env.prompts.seen.empty()) << c.typed;
        EXPECT_EQ(dlg.CB_Destination->currentText().toStdString(), c.full);
        EXPECT_EQ(plat::GetCurrentDir(), c.full);  // the current directory stays there
        EXPECT_EQ(dlg.result(), QDialog::Accepted);
    }
    EXPECT_EQ(Read("d/DST/A.TXT"), "alpha");
    EXPECT_EQ(Read("d/DST/Deep/B.TXT"), "bravo");
    EXPECT_FALSE(Exists("d/DST/deep"));
}

TEST_F(CopyDialogTest, TheOverwriteWarningIsSharedStoredAndAsked) {
    env.WriteFile("d/DST/A.TXT", "old A");
    env.WriteFile("d/DST/B.TXT", "old B");
    {
        // Warning on: No keeps A, Yes overwrites B.
        TFCopy dlg(*src);
        env.prompts.answers = {MsgResult::No, MsgResult::Yes};
        CopyTo(dlg, "D:\\DST");
        EXPECT_EQ(Texts(), (std::vector<std::string>{"File: D:\\DST\\A.TXT\r\nAlready exists. Overwrite?",
                                                     "File: D:\\DST\\B.TXT\r\nAlready exists. Overwrite?"}));
        EXPECT_EQ(env.prompts.seen[0].buttons, unsigned(mbYesNoCancel));
        EXPECT_EQ(Read("d/DST/A.TXT"), "old A");
        EXPECT_EQ(Read("d/DST/B.TXT"), "bravo");
        EXPECT_EQ(AppIni().ReadString("WOptions", "OVerwrite", "?"), "1");
    }
    {
        // Cancel at the question stops before the next file.
        env.prompts.seen.clear();
        env.WriteFile("d/DST/B.TXT", "old B");
        TFCopy dlg(*src);
        env.prompts.answers = {MsgResult::Cancel};
        CopyTo(dlg, "D:\\DST");
        EXPECT_EQ(Texts().size(), 1u);
        EXPECT_EQ(Read("d/DST/A.TXT"), "old A");
        EXPECT_EQ(Read("d/DST/B.TXT"), "old B");
        EXPECT_EQ(dlg.result(), QDialog::Accepted);
    }
    {
        // Warning off: no question, both overwritten, and the choice is kept.
        env.prompts.seen.clear();
        TFCopy dlg(*src);
        dlg.CB_Overwrite->click();
        EXPECT_FALSE(dlg.WarnOverwrite);
        CopyTo(dlg, "D:\\DST");
        EXPECT_TRUE(Texts().empty());
        EXPECT_EQ(Read("d/DST/A.TXT"), "alpha");
        EXPECT_EQ(AppIni().ReadString("WOptions", "OVerwrite", "?"), "0");
    }
    TFCopy again(*src);
    EXPECT_FALSE(again.WarnOverwrite);
    EXPECT_FALSE(again.CB_Overwrite->isChecked());
}

TEST_F(CopyDialogTest, PrinterPortsGetTheRawBytesAndAFormFeedPerFile) {
    env.WriteFile("lpt1.out", "");  // an existing "device": never asked about
    TFCopy dlg(*src);
    dlg.RB_LPT1->setChecked(true);
    dlg.OKBtnClick();  // the empty destination does not matter
    EXPECT_TRUE(Texts().empty());
    EXPECT_EQ(Read("lpt1.out"), "alpha\fbravo\f");
    EXPECT_FALSE(Exists("lpt2.out"));

    TFCopy second(*src);
    second.RB_LPT2->setChecked(true);
    second.CB_Destination->setEditText("D:\\MISSING");
    second.OKBtnClick();
    EXPECT_TRUE(Texts().empty());
    EXPECT_EQ(Read("lpt2.out"), "alpha\fbravo\f");
    EXPECT_TRUE(fs::is_empty(env.Host("d/DST")));
}

TEST_F(CopyDialogTest, ResultWindowNamesKeepTheirSubDirectoriesBelowTheDestination) {
    env.WriteFile("c/BASE/TOP.TXT", "top");
    env.WriteFile("c/BASE/ONE/TWO/DEEP.TXT", "deep");
    env.WriteFile("c/BASE/ONE/MID.TXT", "mid");
    auto* result = OpenResult("C:\\BASE", {"TOP.TXT", "ONE\\TWO\\DEEP.TXT", "ONE\\MID.TXT"});
    result->TagAll();
    TFCopy dlg(*result);
    EXPECT_EQ(Rows(dlg.LB1), (std::vector<std::string>{"TOP.TXT", "ONE\\TWO\\DEEP.TXT", "ONE\\MID.TXT"}));
    CopyTo(dlg, "D:\\DST");
    EXPECT_TRUE(Texts().empty());
    EXPECT_EQ(Read("d/DST/TOP.TXT"), "top");
    EXPECT_EQ(Read("d/DST/ONE/TWO/DEEP.TXT"), "deep");
    EXPECT_EQ(Read("d/DST/ONE/MID.TXT"), "mid");
}

TEST_F(CopyDialogTest, LongTargetPathsAreNeverCut) {
    // A destination of well over 120 characters, and a result-window name
    // that makes the target longer still.
    std::string rel = "d";
    std::string win = "D:";
    for (int i = 0; i < 8; ++i) {
        std::string part = "LEVEL_" + std::to_string(i) + "_WITH_A_RATHER_LONG_NAME";
        rel += "/" + part;
        win += "\\" + part;
    }
    ASSERT_GT(win.size(), 200u);
    MakeDir(rel);
    env.WriteFile("c/BASE/SUB_DIRECTORY_OF_THE_RESULT/FILE_WITH_A_LONG_NAME.TXT", "long");
    auto* result = OpenResult("C:\\BASE", {"SUB_DIRECTORY_OF_THE_RESULT\\FILE_WITH_A_LONG_NAME.TXT"});
    result->TagAll();

    TFCopy dlg(*result);
    CopyTo(dlg, win);
    EXPECT_TRUE(Texts().empty());
    EXPECT_EQ(dlg.CB_Destination->currentText().toStdString(), win);
    EXPECT_EQ(Read(rel + "/SUB_DIRECTORY_OF_THE_RESULT/FILE_WITH_A_LONG_NAME.TXT"), "long");
    // Nothing was written anywhere else on the drive.
    int files = 0;
    for (const auto& e : fs::recursive_directory_iterator(env.hostD))
        if (e.is_regular_file()) ++files;
    EXPECT_EQ(files, 1);
}

TEST_F(CopyDialogTest, NamesAreTakenExactlyAsTheWindowListsThem) {
    // A name without extension is listed with a dot its file does not
    // have; a blank at the end of a name is part of it.
    env.WriteFile("c/SRC/MAKEFILE", "make");
    env.WriteFile("c/SRC/A.TXT ", "blank at the end");
    src->ReadDirectory();
    src->Tag({"MAKEFILE.", "A.TXT "});
    TFCopy dlg(*src);
    std::vector<std::string> tagged;
    src->GetTaggedNames(tagged);
    EXPECT_EQ(Rows(dlg.LB1), tagged);
    EXPECT_EQ(tagged.size(), 2u);
    CopyTo(dlg, "D:\\DST");
    EXPECT_TRUE(Texts().empty());
    EXPECT_EQ(Read("d/DST/MAKEFILE"), "make");
    EXPECT_FALSE(Exists("d/DST/MAKEFILE."));
    EXPECT_EQ(Read("d/DST/A.TXT "), "blank at the end");
    EXPECT_FALSE(Exists("d/DST/A.TXT"));  // not the other file of a similar name
    EXPECT_EQ(Read("c/SRC/A.TXT"), "alpha");
}

TEST_F(CopyDialogTest, AFileGoneBeforeItsTurnIsPromptedAndTheRestCopied) {
    src->Tag({"C.TXT"});
    fs::remove(env.Host("c/SRC/B.TXT"));  // another program deleted it
    env.prompts.errorAnswers = {ErrorAction::SkipFile};
    TFCopy dlg(*src);
    CopyTo(dlg, "D:\\DST");
    EXPECT_EQ(Texts(), std::vector<std::string>{"Bad open of: C:\\SRC\\B.TXT\r\nCopying file: C:\\SRC\\B.TXT"
                                                "\r\nto: D:\\DST\\B.TXT"});
    EXPECT_EQ(Read("d/DST/A.TXT"), "alpha");
    EXPECT_FALSE(Exists("d/DST/B.TXT"));
    EXPECT_EQ(Read("d/DST/C.TXT"), "charlie");
}

TEST_F(CopyDialogTest, CopyingIntoTheSourceDirectoryNeverLosesAFile) {
    for (bool warn : {true, false}) {
        env.prompts.seen.clear();
        env.prompts.errorAnswers = {ErrorAction::SkipFile, ErrorAction::SkipFile};
        src->Tag({"A.TXT", "B.TXT"});  // the last run's re-read dropped the tags
        TFCopy dlg(*src);
        dlg.CB_Overwrite->setChecked(warn);
        CopyTo(dlg, "C:\\SRC");
        ASSERT_EQ(Texts().size(), 2u);
        EXPECT_EQ(Texts()[0], "Cannot copy a file onto itself: C:\\SRC\\A.TXT\r\nCopying file: "
                              "C:\\SRC\\A.TXT\r\nto: C:\\SRC\\A.TXT");
        EXPECT_EQ(Read("c/SRC/A.TXT"), "alpha");
        EXPECT_EQ(Read("c/SRC/B.TXT"), "bravo");
    }
}

TEST_F(CopyDialogTest, DiskFullInTheMiddleIsPromptedAndRetryCopiesAgain) {
    // Three files of two and a half blocks: three writes each; the fifth
    // write (the middle of the second file) fails.
    std::vector<std::string> data;
    for (int i = 1; i <= 3; ++i) {
        data.push_back(Pattern(2 * kCopyBlockSize + kCopyBlockSize / 2, i));
        env.WriteFile("c/BIG/F" + std::to_string(i) + ".DAT", data.back());
    }
    auto* big = Open("C:\\BIG");
    big->TagAll();
    const std::string prompt =
        "Disk full?\r\nCopying file: C:\\BIG\\F2.DAT\r\nto: D:\\DST\\F2.DAT";

    plat::InjectFault(FaultOp::Write, 5, FileError::DiskFull);
    env.prompts.errorAnswers = {ErrorAction::Retry};
    TFCopy retry(*big);
    CopyTo(retry, "D:\\DST");
    // The copy tried again finds the part it wrote and asks before
    // replacing it (answered Yes).
    EXPECT_EQ(Texts(), (std::vector<std::string>{prompt, "File: D:\\DST\\F2.DAT\r\nAlready exists. Overwrite?"}));
    for (int i = 1; i <= 3; ++i) EXPECT_EQ(Read("d/DST/F" + std::to_string(i) + ".DAT"), data[i - 1]) << i;

    fs::remove_all(env.Host("d/DST"));
    MakeDir("d/DST");
    env.prompts.seen.clear();
    plat::InjectFault(FaultOp::Write, 5, FileError::DiskFull);
    env.prompts.errorAnswers = {ErrorAction::AbortAll};
    big->TagAll();
    TFCopy abort(*big);
    CopyTo(abort, "D:\\DST");
    EXPECT_EQ(Texts(), std::vector<std::string>{prompt});
    EXPECT_EQ(Read("d/DST/F1.DAT"), data[0]);
    // The second stays as far as it was written (the prompt said so); the
    // third was never started; no source was touched.
    std::string partial = Read("d/DST/F2.DAT");
    EXPECT_LT(partial.size(), data[1].size());
    EXPECT_EQ(partial, data[1].substr(0, partial.size()));
    EXPECT_FALSE(Exists("d/DST/F3.DAT"));
    for (int i = 1; i <= 3; ++i) EXPECT_EQ(Read("c/BIG/F" + std::to_string(i) + ".DAT"), data[i - 1]);
}

TEST_F(CopyDialogTest, CancelWhileRunningAsksAndStopsBeforeTheNextFile) {
    src->Tag({"C.TXT"});
    GaugeMovesEverySecond();
    for (MsgResult answer : {MsgResult::No, MsgResult::Yes}) {
        fs::remove_all(env.Host("d/DST"));
        MakeDir("d/DST");
        env.prompts.seen.clear();
        env.prompts.answers = {answer};
        TFCopy dlg(*src);
        bool locked = false;
        QTimer::singleShot(0, &dlg, [&] {
            locked = dlg.Running() && !dlg.OKBtn->isEnabled() && !dlg.CB_Destination->isEnabled() &&
                     !dlg.LB1->isEnabled() && dlg.CancelBtn->isEnabled();
            dlg.CancelBtn->click();
        });
        CopyTo(dlg, "D:\\DST");
        EXPECT_TRUE(locked);
        ASSERT_EQ(Texts(), std::vector<std::string>{"Cancel the copy process?"});
        EXPECT_EQ(env.prompts.seen[0].icon, MsgIcon::Information);
        EXPECT_EQ(env.prompts.seen[0].buttons, unsigned(mbYesNo));
        EXPECT_EQ(Read("d/DST/A.TXT"), "alpha");
        EXPECT_EQ(Exists("d/DST/B.TXT"), answer == MsgResult::No);
        EXPECT_EQ(Exists("d/DST/C.TXT"), answer == MsgResult::No);
        EXPECT_EQ(dlg.result(), QDialog::Accepted);
        EXPECT_FALSE(dlg.Running());
        EXPECT_FALSE(form->GaugeState().visible);
    }
}

TEST_F(CopyDialogTest, EveryWindowShowingTheDestinationReadsItAgain) {
    MakeDir("d/DST/BELOW");
    MakeDir("c/OTHER");
    auto* dst = Open("D:\\DST");
    auto* below = Open("D:\\DST\\BELOW");
    auto* other = Open("C:\\OTHER");
    form->BringToFront(src);
    EXPECT_EQ(dst->GetListCount(), 0);
    const int dstReads = dst->reads, belowReads = below->reads, otherReads = other->reads;

    TFCopy dlg(*src);
    CopyTo(dlg, "D:\\DST");
    EXPECT_EQ(dst->reads, dstReads + 1);
    EXPECT_EQ(dst->Names(), (std::vector<std::string>{"A.TXT", "B.TXT"}));
    EXPECT_EQ(below->reads, belowReads + 1);
    EXPECT_EQ(other->reads, otherReads);
    // Every window on the destination drive re-reads its tree.
    EXPECT_EQ(dst->treeReads, 1);
    EXPECT_EQ(below->treeReads, 1);
    EXPECT_EQ(other->treeReads, 0);
    EXPECT_EQ(src->treeReads, 0);
}

TEST_F(CopyDialogTest, NamesOfOneFileInAnotherCaseNeverCollapseUnasked) {
    env.WriteFile("c/CASE/a.txt", "lower");
    env.WriteFile("c/CASE/A.TXT", "upper");
    auto* both = Open("C:\\CASE");
    both->Tag({"a.txt", "A.TXT"});
    // The warning is off, yet the second name, which leads to the file the
    // first has just made, is asked about by the name that file has.
    AppIni().WriteBool("WOptions", "OVerwrite", false);
    const auto before = DrivesSnapshot(env.root);
    env.prompts.answers = {MsgResult::No};
    TFCopy dlg(*both);
    CopyTo(dlg, "D:\\DST");
    const std::string first = both->Names()[0] == "a.txt" ? "a.txt" : "A.TXT";
    EXPECT_EQ(Texts(), std::vector<std::string>{"File: D:\\DST\\" + first + "\r\nAlready exists. Overwrite?"});
    auto after = DrivesSnapshot(env.root);
    EXPECT_EQ(Below(after, "d/DST"),
              (std::map<std::string, std::string>{{first, first == "a.txt" ? "file lower" : "file upper"}}));
    EXPECT_EQ(Without(after, "d/DST"), Without(before, "d/DST"));
}

TEST_F(CopyDialogTest, AFifoIsPromptedAndSkipGoesOnWithTheNextFile) {
    ASSERT_EQ(mkfifo(env.Host("c/SRC/PIPE").c_str(), 0666), 0);
    src->ReadDirectory();
    src->Tag({"A.TXT", "PIPE.", "C.TXT"});
    env.prompts.errorAnswers = {ErrorAction::SkipFile};
    TFCopy dlg(*src);
    CopyTo(dlg, "D:\\DST");
    EXPECT_EQ(Texts(), std::vector<std::string>{"Not a regular file: C:\\SRC\\PIPE\r\nCopying file: "
                                                "C:\\SRC\\PIPE\r\nto: D:\\DST\\PIPE"});
    EXPECT_EQ(Below(TreeSnapshot(env.root), "d/DST"),
              (std::map<std::string, std::string>{{"A.TXT", "file alpha"}, {"C.TXT", "file charlie"}}));
}
