// "Find Directory" over the test drives and the Find buttons that use it;
// the directory-window commands that open the operation dialogs modally;
// the help topic of each dialog.
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <functional>

#include "support/dialog_test_fixture.h"
#include "ui/fileops/attr_dialog.h"
#include "ui/fileops/copy_dialog.h"
#include "ui/fileops/delete_dialog.h"
#include "ui/fileops/file_dialogs_qt.h"
#include "ui/fileops/find_directory_dialog.h"
#include "ui/fileops/move_dialog.h"
#include "ui/fileops/shred_dialog.h"
#include "ui/frame/help_window.h"

namespace {

class FindDirectoryTest : public DialogTest {
protected:
    void SetUp() override {
        MakeDir("d/DST/Sub/Deeper");
        MakeDir("d/DST/alpha");
        MakeDir("d/DST/.hidden");
        MakeDir("c/WORK");
        env.WriteFile("d/DST/FILE.TXT", "not a directory");
    }
    static QStringList Children(QTreeWidgetItem* item) {
        QStringList out;
        for (int i = 0; i < item->childCount(); ++i) out << item->child(i)->text(0);
        return out;
    }
};

}  // namespace

TEST_F(FindDirectoryTest, OpensTheTreeDownToTheStartAndShowsTheSelectedPath) {
    TUDFind dlg("d:\\dst\\SUB");
    EXPECT_EQ(dlg.windowTitle(), "Find Directory");
    EXPECT_EQ(dlg.DCB1->currentText(), "D:");
    ASSERT_EQ(dlg.DLB1->topLevelItemCount(), 1);
    QTreeWidgetItem* root = dlg.DLB1->topLevelItem(0);
    EXPECT_EQ(root->text(0), "D:\\");
    QTreeWidgetItem* dst = root->child(0);
    ASSERT_NE(dst, nullptr);
    EXPECT_EQ(dst->text(0), "DST");
    // Subdirectories only, without regard to case in order, hidden ones left out.
    EXPECT_EQ(Children(dst), QStringList({"alpha", "Sub"}));
    EXPECT_TRUE(dst->isExpanded());
    EXPECT_EQ(dlg.Directory(), "D:\\DST\\Sub");
    EXPECT_EQ(dlg.L_Directory->text(), "D:\\DST\\Sub");

    // Another item: the label follows.
    dlg.DLB1->setCurrentItem(dst->child(0));
    EXPECT_EQ(dlg.L_Directory->text(), "D:\\DST\\alpha");
    // A subtree is read when it is opened.
    QTreeWidgetItem* sub = dst->child(1);
    sub->setExpanded(true);
    EXPECT_EQ(Children(sub), QStringList({"Deeper"}));
}

TEST_F(FindDirectoryTest, ChangingTheDriveMovesTheTreeToIt) {
    ASSERT_TRUE(plat::SetCurrentDir("C:\\WORK"));
    ASSERT_TRUE(plat::SetCurrentDir("D:\\DST"));
    TUDFind dlg;  // the current directory
    EXPECT_EQ(dlg.Directory(), "D:\\DST");
    dlg.DCB1->setCurrentIndex(dlg.DCB1->findText("C:"));
    emit dlg.DCB1->activated(dlg.DCB1->currentIndex());
    EXPECT_EQ(dlg.DLB1->topLevelItem(0)->text(0), "C:\\");
    EXPECT_EQ(dlg.Directory(), "C:\\WORK");  // drive C's current directory
    EXPECT_EQ(dlg.L_Directory->text(), "C:\\WORK");

    // A start that is no directory opens on the current one.
    TUDFind fromFile("D:\\DST\\FILE.TXT");
    EXPECT_EQ(fromFile.Directory(), "D:\\DST");
}

TEST_F(FindDirectoryTest, TheCopyAndMoveFindButtonsTakeTheChosenDirectory) {
    env.WriteFile("c/SRC/A.TXT", "a");
    auto* src = Open("C:\\SRC");
    src->TagAll();
    TFCopy copy(*src);
    copy.CB_Destination->setEditText("D:\\DST");
    QTimer::singleShot(0, [] {
        auto* find = qobject_cast<TUDFind*>(QApplication::activeModalWidget());
        ASSERT_NE(find, nullptr);
        EXPECT_EQ(find->Directory(), "D:\\DST");  // opens on the typed destination
        find->SetDirectory("D:\\DST\\Sub\\Deeper");
        find->OKBtn->click();
    });
    copy.FindBtn->click();
    EXPECT_EQ(copy.CB_Destination->currentText(), "D:\\DST\\Sub\\Deeper");

    TFMove move(*src);
    move.CB_Destination->setEditText("D:\\DST");
    QTimer::singleShot(0, [] {
        auto* find = qobject_cast<TUDFind*>(QApplication::activeModalWidget());
        ASSERT_NE(find, nullptr);
        find->SetDirectory("C:\\WORK");
        find->CancelBtn->click();
    });
    move.FindBtn->click();
    EXPECT_EQ(move.CB_Destination->currentText(), "D:\\DST");  // Cancel returns nothing
}

TEST_F(FindDirectoryTest, DirectoryWindowCommandsOpenTheirDialogs) {
    InstallFileOperationDialogs(*form);
    env.WriteFile("c/SRC/A.TXT", "a");
    env.WriteFile("c/SRC/B.TXT", "b");
    auto* src = Open("C:\\SRC");
    src->Tag({"A.TXT"});

    struct Case {
        std::function<void()> command;
        const char* caption;
    };
    for (Case c : {Case{[src] { src->CopyTagged(); }, "Copy"}, Case{[src] { src->MoveTagged(); }, "Move"},
                   Case{[src] { src->DeleteTagged(); }, "Delete"},
                   Case{[this, src] { form->RunCommand(TCommand::Shred, {src}); }, "Shred Files"},
                   Case{[src] { src->SetAttributes(); }, "Set/Reset Attributes"}}) {
        QString seen;
        QTimer::singleShot(0, [&seen] {
            auto* dlg = qobject_cast<TFileOperationDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dlg, nullptr);
            seen = dlg->windowTitle();
            dlg->CancelBtn->click();
        });
        c.command();
        EXPECT_EQ(seen, c.caption);
    }
    // Cancel before OK did nothing and asked nothing.
    EXPECT_TRUE(env.prompts.seen.empty());
    EXPECT_EQ(Read("c/SRC/A.TXT"), "a");

    // A drop presets the destination.
    QTimer::singleShot(0, [] {
        auto* dlg = qobject_cast<TFCopy*>(QApplication::activeModalWidget());
        ASSERT_NE(dlg, nullptr);
        EXPECT_EQ(dlg->DestinationText(), "D:\\DST");
        dlg->OKBtnClick();
    });
    OpenCopyDialog(*src, std::string("D:\\DST"));
    EXPECT_EQ(Read("d/DST/A.TXT"), "a");
}

TEST_F(FindDirectoryTest, HelpShowsEachDialogsTopicAndDoesNothingElse) {
    const std::string before = plat::HelpFile();
    std::string topics;
    for (int t : {1005, 9014, 1007, 9015, 1001}) topics += "#topic " + std::to_string(t) + " T\ntext\n";
    plat::SetHelpFile(env.WriteFile("Quilby.hlp", topics));
    env.WriteFile("c/SRC/A.TXT", "a");
    auto* src = Open("C:\\SRC");
    src->TagAll();
    TFCopy copy(*src);
    TFMove move(*src);
    TfDelete del(*src);
    TfShred shred(*src);
    TAttrDlg attr(*src);
    struct Case {
        TFileOperationDialog* dialog;
        int topic;
    };
    for (Case c : {Case{&copy, 1005}, Case{&move, 9014}, Case{&del, 1007}, Case{&shred, 9015}, Case{&attr, 1001}}) {
        c.dialog->HelpBtn->click();
        ASSERT_NE(THelpWindow::Instance(), nullptr);
        EXPECT_EQ(THelpWindow::Instance()->Topic, c.topic);
        EXPECT_FALSE(c.dialog->Running());
        EXPECT_NE(c.dialog->result(), QDialog::Accepted);
    }
    EXPECT_TRUE(env.prompts.seen.empty());
    EXPECT_EQ(Read("c/SRC/A.TXT"), "a");
    plat::SetHelpFile(before);
}
