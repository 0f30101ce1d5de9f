// Enter in the copy and move dialogs accepts the destination the box shows,
// however the dialog was opened: the drop-down's entries (the directories of
// the other windows) never replace it, also when the shown path extends one
// of them.
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <filesystem>

#include "support/dialog_test_fixture.h"
#include "ui/fileops/copy_dialog.h"
#include "ui/fileops/move_dialog.h"
#include "core/settings/app_ini.h"

namespace fs = std::filesystem;

namespace {

class EnterAcceptsTest : public TransferDialogTest {
protected:
    void SetUp() override {
        TransferDialogTest::SetUp();
        env.WriteFile("d/DEST/OLD.TXT", "old");
        MakeDir("d/DEST/SRC");
        AppIni().WriteBool("WOptions", "OVerwrite", false);
        Open("D:\\DEST");  // offered by the drop-down
        form->BringToFront(src);
    }

    // Shows the dialog, types typed (if any) into the destination box and
    // presses Enter there.
    static void PressEnter(TTransferDialog& dlg, const QString& typed = QString()) {
        dlg.show();
        QLineEdit* edit = dlg.CB_Destination->lineEdit();
        edit->setFocus();
        if (!typed.isEmpty()) QTest::keyClicks(edit, typed);
        QTest::keyClick(edit, Qt::Key_Return);
    }

    // The files arrived in D:\DEST\SRC and nothing else changed in D:\DEST.
    void ExpectArrivedInSrcOnly(const std::string& what) {
        EXPECT_EQ(Read("d/DEST/SRC/A.TXT"), "alpha") << what;
        EXPECT_EQ(Read("d/DEST/SRC/B.TXT"), "bravo") << what;
        EXPECT_FALSE(Exists("d/DEST/A.TXT")) << what;
        EXPECT_FALSE(Exists("d/DEST/B.TXT")) << what;
        EXPECT_EQ(Read("d/DEST/OLD.TXT"), "old") << what;
        EXPECT_TRUE(Texts().empty()) << what;
    }
};

}  // namespace

TEST_F(EnterAcceptsTest, CopyOpenedByADropCopiesIntoTheDroppedDirectory) {
    TFCopy dlg(*src, std::string("D:\\DEST\\SRC"));
    ASSERT_EQ(dlg.CB_Destination->findText("D:\\DEST"), 0);
    PressEnter(dlg);
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_EQ(dlg.CB_Destination->currentText(), "D:\\DEST\\SRC");
    ExpectArrivedInSrcOnly("drop");
    EXPECT_EQ(Read("c/SRC/A.TXT"), "alpha");
}

TEST_F(EnterAcceptsTest, CopyOpenedByTheCommandCopiesIntoTheTypedDirectory) {
    TFCopy dlg(*src);
    PressEnter(dlg, "D:\\DEST\\SRC");
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    ExpectArrivedInSrcOnly("typed");
}

TEST_F(EnterAcceptsTest, MoveOpenedByADropMovesIntoTheDroppedDirectory) {
    TFMove dlg(*src, std::string("D:\\DEST\\SRC"));
    PressEnter(dlg);
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    ExpectArrivedInSrcOnly("move");
    EXPECT_FALSE(Exists("c/SRC/A.TXT"));
    EXPECT_EQ(Read("c/SRC/C.TXT"), "charlie");
}
