// The copy-directory dialog over real trees: what it offers, its refusals,
// the copy with and without sub-directories and base directory, its
// failures, Cancel while it runs, and the windows it refreshes.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <fstream>
#include <map>

#include "support/dir_ops_fixture.h"
#include "ui/fileops/dir_copy_dialog.h"
#include "core/settings/app_ini.h"

namespace fs = std::filesystem;

namespace {

struct DirCopyTest : DirOpsTest {
    // C:\SRC with SUB1 and SUB1\DEEP, files of every kind in each.
    void MakeTree() {
        std::string binary;
        for (int i = 0; i < 70000; ++i) binary += static_cast<char>(i * 7 % 256);
        env.WriteFile("c/SRC/root.bin", binary);
        env.WriteFile("c/SRC/empty.txt", "");
        env.WriteFile("c/SRC/.hidden", "hidden");
        env.WriteFile("c/SRC/SUB1/one.txt", "one");
        env.WriteFile("c/SRC/SUB1/DEEP/deep.txt", "deep");
        env.WriteFile("c/SRC/SUB1/DEEP/ro.txt", "read-only");
        plat::SetFileAttributes("C:\\SRC\\SUB1\\DEEP\\ro.txt", plat::faReadOnly);
        fs::create_directories(env.hostD + "/DST");
    }
    void SetSwitches(bool base, bool subs, bool warn) {
        AppIni().WriteBool("F_DIRCPY", "CB_MkSub", base);
        AppIni().WriteBool("F_DIRCPY", "CB_IncSubs", subs);
        AppIni().WriteBool("F_DIRCPY", "OVerwrite", warn);
    }
    // Every file directly in a (host) directory, by name, with its bytes.
    static std::map<std::string, std::string> Files(const fs::path& dir) {
        std::map<std::string, std::string> out;
        if (!fs::is_directory(dir)) return out;
        for (const auto& e : fs::directory_iterator(dir)) {
            if (!e.is_regular_file()) continue;
            std::ifstream in(e.path(), std::ios::binary);
            out[e.path().filename().string()] = std::string(std::istreambuf_iterator<char>(in), {});
        }
        return out;
    }
    void ExpectSameFiles(const std::string& source, const std::string& target) {
        auto want = Files(Host(source));
        ASSERT_FALSE(want.empty()) << source;
        EXPECT_TRUE(Files(Host(target)) == want) << target;
    }
    static void Accept(TFDIRCPY& dlg, const std::string& destination) {
        dlg.CB_Destination->setEditText(QString::fromStdString(destination));
        dlg.OKBtnClick();
    }
};

TEST_F(DirCopyTest, OffersTheTreeTheBaseNameAndTheOtherWindowsDirectories) {
    env.WriteFile("c/GAMES/DOOM.V2/WADS/x.wad", "x");
    env.WriteFile("c/WORK/a.txt", "");
    env.WriteFile("d/DATA/a.txt", "");
    Open("C:\\WORK");
    Open("c:\\work");  // the same directory once more
    Open("D:\\DATA");
    Open("C:\\GAMES\\DOOM.V2");  // the active window
    SetSwitches(false, false, false);
    TFDIRCPY dlg("C:\\GAMES\\DOOM.V2", std::nullopt, form.get());
    EXPECT_EQ(dlg.windowTitle(), "Copy Directory");
    EXPECT_EQ(dlg.E_From->text(), "C:\\GAMES\\DOOM.V2");
    EXPECT_EQ(dlg.E_Base->text(), "DOOM");
    ASSERT_EQ(dlg.LB_Tree->count(), 2);
    EXPECT_EQ(dlg.LB_Tree->item(1)->text(), "  WADS");
    ASSERT_EQ(dlg.CB_Destination->count(), 2);
    EXPECT_EQ(dlg.CB_Destination->itemText(0), "C:\\WORK");
    EXPECT_EQ(dlg.CB_Destination->itemText(1), "D:\\DATA");
    EXPECT_EQ(dlg.CB_Destination->currentText(), "");
    EXPECT_FALSE(dlg.CB_MkSub->isChecked());
    EXPECT_FALSE(dlg.E_Base->isEnabled());
    EXPECT_FALSE(dlg.CB_IncSubs->isChecked());
    EXPECT_FALSE(dlg.LB_Tree->isEnabled());
    EXPECT_FALSE(dlg.CB_Overwrite->isChecked());
    EXPECT_TRUE(dlg.L_Processing->isHidden());
    dlg.CB_MkSub->setChecked(true);
    dlg.CB_IncSubs->setChecked(true);
    EXPECT_TRUE(dlg.E_Base->isEnabled());
    EXPECT_TRUE(dlg.LB_Tree->isEnabled());

    AppIni().EraseSection("F_DIRCPY");
    TFDIRCPY dropped("C:\\", std::string("D:\\DATA"), form.get());
    EXPECT_EQ(dropped.E_Base->text(), "");  // a drive root has no name
    EXPECT_EQ(dropped.CB_Destination->currentText(), "D:\\DATA");
    EXPECT_TRUE(dropped.CB_MkSub->isChecked());  // the defaults
    EXPECT_TRUE(dropped.CB_IncSubs->isChecked());
    EXPECT_TRUE(dropped.CB_Overwrite->isChecked());
}

TEST_F(DirCopyTest, RefusesBadDestinationsAndBaseNamesAndStays) {
    MakeTree();
    TFDIRCPY dlg("C:\\SRC", std::nullopt, form.get());
    QSignalSpy finished(&dlg, &QDialog::finished);
    Accept(dlg, "   ");
    Accept(dlg, "D:\\NOWHERE");
    dlg.E_Base->setText("   ");
    Accept(dlg, "d:\\dst");
    EXPECT_EQ(dlg.CB_Destination->currentText(), "D:\\DST");  // read back
    dlg.E_Base->setText("");
    Accept(dlg, "D:\\DST");
    dlg.E_Base->setText("SRC");
    Accept(dlg, "C:\\SRC\\SUB1");
    Accept(dlg, "C:\\SRC");
    // Only the root's files into a sub-directory of their own is no loop...
    dlg.CB_IncSubs->setChecked(false);
    dlg.CB_MkSub->setChecked(false);
    // ...but the root onto itself is.
    Accept(dlg, "C:\\SRC");
    EXPECT_EQ(env.prompts.texts(),
              (std::vector<std::string>{
                  "Please enter a destination!", "Sorry, please re-enter the directory",
                  "A base directory name is required!", "A base directory name is required!",
                  "The destination lies within the directory being copied!",
                  "The destination lies within the directory being copied!",
                  "The destination lies within the directory being copied!"}));
    EXPECT_EQ(finished.count(), 0);
    EXPECT_TRUE(Listing("D:\\DST").empty());
    EXPECT_TRUE(Listing("C:\\SRC\\SUB1") == (std::vector<std::string>{"DEEP", "one.txt"}));
    EXPECT_FALSE(AppIni().ReadString("F_DIRCPY", "CB_MkSub", "").size());  // nothing stored yet

    Accept(dlg, "C:\\SRC\\SUB1");
    EXPECT_EQ(finished.count(), 1);
    // The root's files beside SUB1's own.
    auto inSub = Files(Host("C:\\SRC\\SUB1"));
    for (const auto& [name, bytes] : Files(Host("C:\\SRC"))) EXPECT_EQ(inSub[name], bytes) << name;
    EXPECT_EQ(inSub["one.txt"], "one");
}

TEST_F(DirCopyTest, CopiesTheTreeBelowTheBaseDirectoryOneDirectoryAfterAnother) {
    MakeTree();
    SetSwitches(true, true, true);
    TFDIRCPY dlg("C:\\SRC", std::nullopt, form.get());
    const std::vector<std::string> sources = {"C:\\SRC", "C:\\SRC\\SUB1", "C:\\SRC\\SUB1\\DEEP"};
    const std::vector<std::string> targets = {"D:\\DST\\SRC", "D:\\DST\\SRC\\SUB1",
                                              "D:\\DST\\SRC\\SUB1\\DEEP"};
    // When line i is selected, the lines before it are made and filled, the
    // ones from it on not made yet.
    std::vector<int> rows;
    QObject::connect(dlg.LB_Tree, &QListWidget::currentRowChanged, [&](int row) {
        rows.push_back(row);
        for (int j = 0; j < 3; ++j) {
            if (j < row)
                ExpectSameFiles(sources[j], targets[j]);
            else
                EXPECT_FALSE(IsDir(targets[j])) << "line " << row;
        }
    });
    Accept(dlg, "D:\\DST");
    EXPECT_EQ(rows, (std::vector<int>{0, 1, 2}));
    for (int j = 0; j < 3; ++j) ExpectSameFiles(sources[j], targets[j]);
    EXPECT_TRUE(Listing("D:\\DST") == std::vector<std::string>{"SRC"});
    EXPECT_TRUE(Listing("D:\\DST\\SRC\\SUB1\\DEEP") ==
                (std::vector<std::string>{"deep.txt", "ro.txt"}));
    // Dates and attributes travel with the files.
    EXPECT_TRUE(plat::GetFileAttributes("D:\\DST\\SRC\\SUB1\\DEEP\\ro.txt") & plat::faReadOnly);
    plat::FileTime a, b;
    plat::GetFileTime("C:\\SRC\\root.bin", a);
    plat::GetFileTime("D:\\DST\\SRC\\root.bin", b);
    EXPECT_EQ(a.sec, b.sec);
    EXPECT_TRUE(env.prompts.texts().empty());
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_EQ(dlg.E_Processing->isHidden(), false);
    EXPECT_FALSE(form->GaugeState().visible);
    EXPECT_TRUE(AppIni().ReadBool("F_DIRCPY", "CB_MkSub", false));
    EXPECT_TRUE(AppIni().ReadBool("F_DIRCPY", "CB_IncSubs", false));
    EXPECT_TRUE(AppIni().ReadBool("F_DIRCPY", "OVerwrite", false));
}

TEST_F(DirCopyTest, WithoutSubDirectoriesOnlyTheRootsFilesAreCopied) {
    MakeTree();
    SetSwitches(true, false, true);
    TFDIRCPY dlg("C:\\SRC", std::nullopt, form.get());
    Accept(dlg, "D:\\DST");
    ExpectSameFiles("C:\\SRC", "D:\\DST\\SRC");
    EXPECT_TRUE(Listing("D:\\DST\\SRC") ==
                (std::vector<std::string>{".hidden", "empty.txt", "root.bin"}));
    EXPECT_FALSE(AppIni().ReadBool("F_DIRCPY", "CB_IncSubs", true));
}

TEST_F(DirCopyTest, WithoutTheBaseDirectoryTheRootGoesStraightIntoTheDestination) {
    MakeTree();
    env.WriteFile("d/DST/old.txt", "old");
    SetSwitches(false, true, true);
    TFakeDirWindow* onDst = Open("D:\\DST");
    TFakeDirWindow* onSrc = Open("C:\\SRC");
    TFDIRCPY dlg("C:\\SRC", std::nullopt, form.get());
    Accept(dlg, "D:\\DST");
    EXPECT_TRUE(Listing("D:\\DST") ==
                (std::vector<std::string>{".hidden", "SUB1", "empty.txt", "old.txt", "root.bin"}));
    ExpectSameFiles("C:\\SRC\\SUB1", "D:\\DST\\SUB1");
    ExpectSameFiles("C:\\SRC\\SUB1\\DEEP", "D:\\DST\\SUB1\\DEEP");
    // The window on the destination lists the new files; the one on the
    // source only reads its tree again if it is on the same drive (it is not).
    EXPECT_GE(onDst->reads, 1);
    EXPECT_GE(onDst->treeReads, 1);
    std::vector<std::string> listed = onDst->Names();
    std::sort(listed.begin(), listed.end());
    EXPECT_EQ(listed, (std::vector<std::string>{"empty.txt", "old.txt", "root.bin"}));
    EXPECT_EQ(onSrc->reads, 0);
    EXPECT_EQ(onSrc->treeReads, 0);
}

TEST_F(DirCopyTest, ALongTargetIsNeverCut) {
    MakeTree();
    SetSwitches(true, true, false);
    const std::string longName(110, 'L');
    fs::create_directories(env.hostD + "/" + longName);
    TFDIRCPY dlg("C:\\SRC", std::nullopt, form.get());
    dlg.E_Base->setText("BASENAME12345");  // more than the classic 9 characters
    Accept(dlg, "D:\\" + longName);
    const std::string target = "D:\\" + longName + "\\BASENAME12345";
    ASSERT_GT((target + "\\SUB1\\DEEP\\").size(), 120u);
    ExpectSameFiles("C:\\SRC", target);
    ExpectSameFiles("C:\\SRC\\SUB1", target + "\\SUB1");
    ExpectSameFiles("C:\\SRC\\SUB1\\DEEP", target + "\\SUB1\\DEEP");
    // Nothing was written anywhere else.
    EXPECT_TRUE(Listing("D:\\") == (std::vector<std::string>{"DST", longName}));
    EXPECT_TRUE(Listing("D:\\" + longName) == std::vector<std::string>{"BASENAME12345"});
    EXPECT_TRUE(env.prompts.texts().empty());
}

TEST_F(DirCopyTest, ADirectoryThatCannotBeMadeStopsTheCopy) {
    MakeTree();
    SetSwitches(true, true, true);
    env.WriteFile("d/DST/SRC", "a file in the way");
    TFDIRCPY dlg("C:\\SRC", std::nullopt, form.get());
    Accept(dlg, "D:\\DST");
    EXPECT_EQ(env.prompts.texts(),
              std::vector<std::string>{"Error Creating: D:\\DST\\SRC\n\r" +
                                       plat::ErrorText(plat::FileError::AlreadyExists)});
    EXPECT_EQ(env.ReadFile("d/DST/SRC"), "a file in the way");
    EXPECT_TRUE(Listing("D:\\DST") == std::vector<std::string>{"SRC"});
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
}

TEST_F(DirCopyTest, ACopyFailureAsksToGoOnWithTheNextDirectoryOrStop) {
    env.WriteFile("c/SRC/r.txt", "root");
    env.WriteFile("c/SRC/SUB1/one.txt", "one");
    fs::create_directories(env.hostD + "/DST");
    SetSwitches(true, true, true);
    const std::string failure = "Error Copying files: \n\rBad open of: C:\\SRC\\r.txt";

    // Retry: the failing directory's files are left, the next one is copied.
    plat::InjectFault(plat::FaultOp::Open, 1, plat::FileError::IoError);
    env.prompts.answers = {MsgResult::Retry};
    {
        TFDIRCPY dlg("C:\\SRC", std::nullopt, form.get());
        Accept(dlg, "D:\\DST");
    }
    EXPECT_EQ(env.prompts.texts(), std::vector<std::string>{failure});
    EXPECT_EQ(env.prompts.seen[0].buttons, static_cast<unsigned>(mbCancel | mbRetry));
    EXPECT_FALSE(IsFile("D:\\DST\\SRC\\r.txt"));
    EXPECT_EQ(env.ReadFile("d/DST/SRC/SUB1/one.txt"), "one");

    // Cancel: the run ends before the next directory.
    fs::remove_all(env.hostD + "/DST/SRC");
    env.prompts.seen.clear();
    plat::InjectFault(plat::FaultOp::Open, 1, plat::FileError::IoError);
    env.prompts.answers = {MsgResult::Cancel};
    {
        TFDIRCPY dlg("C:\\SRC", std::nullopt, form.get());
        Accept(dlg, "D:\\DST");
    }
    EXPECT_EQ(env.prompts.texts(), std::vector<std::string>{failure});
    EXPECT_TRUE(Listing("D:\\DST\\SRC").empty());
}

TEST_F(DirCopyTest, CancelAtTheOverwriteQuestionEndsTheCopySilently) {
    MakeTree();
    env.WriteFile("d/DST/SRC/empty.txt", "kept");
    env.WriteFile("d/DST/SRC/root.bin", "kept");
    env.WriteFile("d/DST/SRC/.hidden", "kept");
    SetSwitches(true, true, true);
    env.prompts.answers = {MsgResult::Cancel};
    TFDIRCPY dlg("C:\\SRC", std::nullopt, form.get());
    Accept(dlg, "D:\\DST");
    ASSERT_EQ(env.prompts.texts().size(), 1u);
    EXPECT_NE(env.prompts.texts()[0].find("Already exists. Overwrite?"), std::string::npos);
    EXPECT_TRUE(Listing("D:\\DST\\SRC") ==
                (std::vector<std::string>{".hidden", "empty.txt", "root.bin"}));
    EXPECT_EQ(env.ReadFile("d/DST/SRC/root.bin"), "kept");
}

TEST_F(DirCopyTest, CancelWhileRunningAsksAndStopsBeforeTheNextDirectory) {
    MakeTree();
    SetSwitches(true, true, true);
    TFDIRCPY dlg("C:\\SRC", std::nullopt, form.get());
    QTimer::singleShot(0, dlg.CancelBtn, [&] {
        EXPECT_FALSE(dlg.CB_Destination->isEnabled());
        EXPECT_TRUE(dlg.CancelBtn->isEnabled());
        EXPECT_TRUE(dlg.E_Processing->isVisibleTo(&dlg));
        dlg.CancelBtn->click();
    });
    Accept(dlg, "D:\\DST");
    EXPECT_EQ(env.prompts.texts(), std::vector<std::string>{"Cancel the copy process?"});
    ExpectSameFiles("C:\\SRC", "D:\\DST\\SRC");
    EXPECT_FALSE(IsDir("D:\\DST\\SRC\\SUB1"));
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_FALSE(form->GaugeState().visible);

    // No lets it go on to the end.
    fs::remove_all(env.hostD + "/DST/SRC");
    env.prompts.seen.clear();
    env.prompts.answers = {MsgResult::No};
    TFDIRCPY again("C:\\SRC", std::nullopt, form.get());
    QTimer::singleShot(0, again.CancelBtn, [&] { again.CancelBtn->click(); });
    Accept(again, "D:\\DST");
    EXPECT_EQ(env.prompts.texts(), std::vector<std::string>{"Cancel the copy process?"});
    ExpectSameFiles("C:\\SRC\\SUB1\\DEEP", "D:\\DST\\SRC\\SUB1\\DEEP");
}

}  // namespace

TEST_F(DirCopyTest, EnterAcceptsTheDroppedDestinationNotTheDropDownsEntry) {
    MakeTree();
    fs::create_directories(env.hostD + "/DST/SRC");
    env.WriteFile("d/DST/keep.txt", "keep");
    Open("D:\\DST");  // offered by the drop-down, a prefix of the dropped path
    Open("C:\\SRC");  // the active window
    SetSwitches(false, false, false);
    TFDIRCPY dlg("C:\\SRC", std::string("D:\\DST\\SRC"), form.get());
    ASSERT_EQ(dlg.CB_Destination->findText("D:\\DST"), 0);
    dlg.show();
    dlg.CB_Destination->lineEdit()->setFocus();
    QTest::keyClick(dlg.CB_Destination->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(dlg.CB_Destination->currentText(), "D:\\DST\\SRC");
    EXPECT_EQ(Files(env.hostD + "/DST"), (std::map<std::string, std::string>{{"keep.txt", "keep"}}));
}
