// Files dropped from another application come as a file set, from no
// window: the copy and move dialogs list them and run on them like tagged
// files, and the directory windows are offered as destinations.
#include <QComboBox>
#include <QLineEdit>
#include <QLabel>

#include "core/filelist/drag_drop_rules.h"
#include "support/dialog_test_fixture.h"
#include "support/tree_snapshot.h"
#include "ui/fileops/copy_dialog.h"
#include "ui/fileops/move_dialog.h"

namespace {

class DroppedFilesTest : public TransferDialogTest {
protected:
    TFileSource Dropped(const std::vector<std::string>& files) {
        return {DroppedFileSet(files), form.get(), nullptr};
    }
};

}  // namespace

TEST_F(DroppedFilesTest, CopyListsThemAndCopiesTheirBytes) {
    env.WriteFile("c/OTHER/deep/D.TXT", "delta");
    const auto before = TreeSnapshot(env.Host("c"));

    TFCopy dlg(Dropped({"C:\\OTHER\\deep\\D.TXT", "C:\\SRC\\C.TXT"}), std::string("D:\\DST"));
    EXPECT_EQ(dlg.E_From->text(), "C:\\");
    EXPECT_EQ(dlg.L_Count->text(), "2");
    EXPECT_EQ(Rows(dlg.LB1), (std::vector<std::string>{"C:\\OTHER\\deep\\D.TXT", "C:\\SRC\\C.TXT"}));
    // Every directory window is a destination, the source window too: the
    // files come from none of them.
    EXPECT_GE(dlg.CB_Destination->findText("C:\\SRC"), 0);

    dlg.OKBtnClick();
    EXPECT_TRUE(Texts().empty());
    EXPECT_EQ(Read("d/DST/D.TXT"), "delta");
    EXPECT_EQ(Read("d/DST/C.TXT"), "charlie");
    EXPECT_EQ(TreeSnapshot(env.Host("c")), before);  // the sources untouched
}

TEST_F(DroppedFilesTest, MoveTakesThemOutOfTheirDirectory) {
    TFMove dlg(Dropped({"C:\\SRC\\A.TXT", "C:\\SRC\\C.TXT"}), std::string("D:\\DST"));
    EXPECT_EQ(dlg.E_From->text(), "C:\\SRC");
    EXPECT_EQ(Rows(dlg.LB1), (std::vector<std::string>{"A.TXT", "C.TXT"}));
    dlg.OKBtnClick();
    EXPECT_TRUE(Texts().empty());
    EXPECT_EQ(Read("d/DST/A.TXT"), "alpha");
    EXPECT_EQ(Read("d/DST/C.TXT"), "charlie");
    EXPECT_FALSE(std::filesystem::exists(env.Host("c/SRC/A.TXT")));
    EXPECT_EQ(Read("c/SRC/B.TXT"), "bravo");
}
