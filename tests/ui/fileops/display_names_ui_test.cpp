// Names with characters a Windows-form path cannot carry (':' and '\' inside
// a host name): the operation and directory dialogs, the error prompt and the
// message boxes show them as the user named them, and the operations still
// reach the very files.
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTreeWidget>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>

#include "support/dialog_test_fixture.h"
#include "ui/fileops/attr_dialog.h"
#include "ui/fileops/copy_dialog.h"
#include "ui/fileops/delete_dialog.h"
#include "ui/fileops/dir_copy_dialog.h"
#include "ui/fileops/dir_create_dialog.h"
#include "ui/fileops/dir_remove_dialog.h"
#include "ui/fileops/error_prompt_dialog.h"
#include "ui/fileops/find_directory_dialog.h"
#include "ui/fileops/move_dialog.h"
#include "ui/fileops/rename_dialog.h"
#include "ui/fileops/shred_dialog.h"
#include "ui/frame/prompter_qt.h"

namespace fs = std::filesystem;
using plat::HostNameToWin;

namespace {

class DisplayNamesTest : public DialogTest {
protected:
    // Host folder c/x:y with a:b.txt, back\slash.txt and plain.txt.
    const std::string hostDir = env.Host("c/x:y");
    const std::string dir = "C:\\" + HostNameToWin("x:y");
    const std::string colonName = HostNameToWin("a:b.txt");
    const std::string slashName = HostNameToWin("back\\slash.txt");
    TFakeDirWindow* src = nullptr;

    void SetUp() override {
        fs::create_directories(hostDir + "/in:ner");
        for (const char* n : {"a:b.txt", "back\\slash.txt", "plain.txt"})
            std::ofstream(hostDir + "/" + n) << "data of " << n;
        src = Open(dir);
        src->Tag({colonName, slashName});
    }
    bool HostHas(const std::string& name) const { return fs::exists(hostDir + "/" + name); }
};

}  // namespace

TEST_F(DisplayNamesTest, FileOperationDialogsShowTheOriginalCharacters) {
    // The list stays in the window's order, the names as the user named them.
    const std::vector<std::string> shownRows = {"a:b.txt", "back\\slash.txt"};
    const std::vector<std::pair<const char*, std::function<TFileOperationDialog*()>>> dialogs = {
        {"Copy", [&] { return new TFCopy(*src); }},
        {"Move", [&] { return new TFMove(*src); }},
        {"Delete", [&] { return new TfDelete(*src); }},
        {"Shred Files", [&] { return new TfShred(*src); }},
        {"Set/Reset Attributes", [&] { return new TAttrDlg(*src); }},
    };
    for (const auto& [caption, make] : dialogs) {
        SCOPED_TRACE(caption);
        std::unique_ptr<TFileOperationDialog> dlg(make());
        EXPECT_EQ(dlg->windowTitle(), caption);
        EXPECT_EQ(dlg->E_From->text(), "C:\\x:y");
        EXPECT_EQ(Rows(dlg->LB1), shownRows);
        // What the dialog works on stays the Windows form.
        EXPECT_EQ(dlg->FileSet().Directory, dir);
        ASSERT_EQ(dlg->FileSet().Files.size(), 2u);
        EXPECT_EQ(dlg->FileSet().Files[0].Name, colonName);
    }
}

TEST_F(DisplayNamesTest, DeleteAndCopyReachTheFilesBehindTheShownNames) {
    fs::create_directories(env.Host("d/OUT"));
    TFCopy copy(*src, std::string("D:\\OUT"));
    copy.OKBtnClick();
    EXPECT_EQ(Read("d/OUT/a:b.txt"), "data of a:b.txt");
    EXPECT_EQ(Read("d/OUT/back\\slash.txt"), "data of back\\slash.txt");

    const int reads = src->reads;
    TfDelete del(*src);
    del.OKBtnClick();
    EXPECT_TRUE(Texts().empty());
    EXPECT_FALSE(HostHas("a:b.txt"));
    EXPECT_FALSE(HostHas("back\\slash.txt"));
    EXPECT_TRUE(HostHas("plain.txt"));
    // The window showing the source directory read it again.
    EXPECT_EQ(src->reads, reads + 1);
    EXPECT_EQ(src->Names(), std::vector<std::string>{"plain.txt"});
}

TEST_F(DisplayNamesTest, MessagesAndTheErrorPromptShowTheOriginalCharacters) {
    const std::string text = "Overwrite " + dir + "\\" + colonName + "?";
    std::unique_ptr<QMessageBox> box(TQtPrompter::MakeMessageBox(text, MsgIcon::Question, mbYesNo, ""));
    EXPECT_EQ(box->text(), "Overwrite C:\\x:y\\a:b.txt?");

    TFError prompt("Bad open of: " + dir + "\\" + slashName);
    EXPECT_EQ(prompt.M_Message->toPlainText(), "Bad open of: C:\\x:y\\back\\slash.txt");
}

TEST_F(DisplayNamesTest, DirectoryDialogsShowTheOriginalCharacters) {
    const std::string inner = dir + "\\" + HostNameToWin("in:ner");

    TFRDIR remove(dir);
    EXPECT_EQ(remove.E_Root->text(), "C:\\x:y");
    ASSERT_EQ(remove.LB_Tree->count(), 2);
    EXPECT_EQ(remove.LB_Tree->item(1)->text(), "  in:ner");

    TFDIRCPY copyDir(dir);
    EXPECT_EQ(copyDir.E_From->text(), "C:\\x:y");
    ASSERT_EQ(copyDir.LB_Tree->count(), 2);
    EXPECT_EQ(copyDir.LB_Tree->item(0)->text(), "C:\\x:y");
    EXPECT_EQ(copyDir.Root(), dir);

    TFRenam rename;
    rename.Prepare(dir + "\\" + colonName, TRenameMode::File);
    EXPECT_EQ(rename.E_Old->text(), "C:\\x:y\\a:b.txt");

    // The Find Directory tree opens down to the mapped folder and names it.
    TUDFind find(inner);
    EXPECT_EQ(find.Directory(), inner);
    EXPECT_EQ(find.L_Directory->text(), "C:\\x:y\\in:ner");
    ASSERT_NE(find.DLB1->currentItem(), nullptr);
    EXPECT_EQ(find.DLB1->currentItem()->text(0), "in:ner");
}

TEST_F(DisplayNamesTest, CreateDirectoryNamesTheMappedParent) {
    TF_CreateDIR create(src);
    create.show();
    EXPECT_EQ(create.E_Info->text(), "Enter the directory to create as a child of: C:\\x:y");
}
