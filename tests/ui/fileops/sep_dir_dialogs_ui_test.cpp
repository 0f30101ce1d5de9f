// The operation dialogs opened from real split directory windows through
// their Perform menu: what they take from the window, and that every
// window showing a changed directory lists the change afterwards.
#include <QApplication>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTimer>
#include <functional>

#include "ui/dirwin/directory_windows_qt.h"
#include "ui/dirwin/sep_dir_window.h"
#include "support/dialog_test_fixture.h"
#include "ui/fileops/attr_dialog.h"
#include "ui/fileops/copy_dialog.h"
#include "ui/fileops/delete_dialog.h"
#include "ui/fileops/file_dialogs_qt.h"
#include "ui/fileops/move_dialog.h"
#include "ui/fileops/shred_dialog.h"

namespace {

class SepDirDialogTest : public DialogTest {
protected:
    TSepDir* src = nullptr;
    TSepDir* dst = nullptr;

    void SetUp() override {
        InstallDirectoryWindows(*form);
        InstallFileOperationDialogs(*form);
        env.WriteFile("c/SRC/A.TXT", "alpha");
        env.WriteFile("c/SRC/B.TXT", "bravo");
        env.WriteFile("c/SRC/MAKEFILE", "make");
        MakeDir("d/DST");
        dst = OpenSep("D:\\DST");
        src = OpenSep("C:\\SRC");
    }

    TSepDir* OpenSep(const std::string& dir) {
        EXPECT_TRUE(plat::SetCurrentDir(dir));
        return qobject_cast<TSepDir*>(form->OpenDirectoryWindow());
    }
    static void Tag(TSepDir* w, const std::vector<std::string>& names) {
        for (const std::string& n : names) {
            int i = w->FindEntry(n);
            ASSERT_GE(i, 0) << n;
            w->TagEntry(i);
        }
    }
    static std::vector<std::string> Names(TSepDir* w) {
        std::vector<std::string> out;
        for (int i = 0; i < w->GetListCount(); ++i) out.push_back(w->GetEntryName(i));
        return out;
    }
    // Chooses a Perform item of w; answer acts on the dialog it opens.
    template <class Dialog>
    void Perform(TSepDir* w, QAction* item, std::function<void(Dialog&)> answer) {
        form->BringToFront(w);
        emit w->PerformMenu->aboutToShow();
        ASSERT_TRUE(item->isEnabled());
        bool opened = false;
        QTimer::singleShot(0, [&] {
            auto* dlg = qobject_cast<Dialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dlg, nullptr);
            opened = true;
            answer(*dlg);
        });
        item->trigger();
        EXPECT_TRUE(opened);
    }
};

}  // namespace

TEST_F(SepDirDialogTest, CopyAndMoveFromTheMenuReachEveryWindowShowingTheChange) {
    auto* dstBelow = OpenSep("D:\\DST");  // a second window on the destination
    Tag(src, {"A.TXT", "MAKEFILE."});
    Perform<TFCopy>(src, src->CopyItem, [](TFCopy& dlg) {
        EXPECT_EQ(dlg.E_From->text(), "C:\\SRC");
        EXPECT_EQ(dlg.CB_Destination->count(), 1);  // both other windows show D:\DST
        EXPECT_EQ(dlg.CB_Destination->itemText(0), "D:\\DST");
        dlg.CB_Destination->setCurrentIndex(0);
        dlg.OKBtnClick();
    });
    EXPECT_TRUE(env.prompts.seen.empty());
    EXPECT_EQ(Read("d/DST/A.TXT"), "alpha");
    EXPECT_EQ(Read("d/DST/MAKEFILE"), "make");
    EXPECT_EQ(Names(dst).size(), 2u);
    EXPECT_EQ(Names(dstBelow).size(), 2u);
    EXPECT_FALSE(form->GaugeState().visible);

    src->TagNone();
    Tag(src, {"B.TXT"});
    Perform<TFMove>(src, src->MoveItem, [](TFMove& dlg) {
        dlg.CB_Destination->setEditText("d:\\dst");
        dlg.OKBtnClick();
    });
    EXPECT_EQ(env.prompts.texts(), std::vector<std::string>{});
    EXPECT_EQ(Read("d/DST/B.TXT"), "bravo");
    EXPECT_FALSE(Exists("c/SRC/B.TXT"));
    EXPECT_EQ(src->FindEntry("B.TXT"), -1);
    EXPECT_GE(dst->FindEntry("B.TXT"), 0);
    EXPECT_EQ(Names(dst).size(), 3u);
}

TEST_F(SepDirDialogTest, DeleteShredAndAttributesFromTheMenu) {
    Tag(src, {"A.TXT"});
    Perform<TfDelete>(src, src->DeleteItem, [](TfDelete& dlg) { dlg.OKBtnClick(); });
    EXPECT_FALSE(Exists("c/SRC/A.TXT"));
    EXPECT_EQ(Names(src), (std::vector<std::string>{"MAKEFILE.", "B.TXT"}));

    Tag(src, {"MAKEFILE."});
    Perform<TAttrDlg>(src, src->AttrItem, [](TAttrDlg& dlg) {
        dlg.CB_ReadOnly->setCheckState(Qt::Checked);
        dlg.OKBtnClick();
    });
    EXPECT_TRUE(plat::GetFileAttributes("C:\\SRC\\MAKEFILE") & plat::faReadOnly);
    EXPECT_TRUE(src->GetEntryAttr(src->FindEntry("MAKEFILE.")) & plat::faReadOnly);

    // A gauge left visible is hidden once the dialog has closed, also when
    // it closes by Cancel.
    Tag(src, {"B.TXT"});
    form->StartProgress(100);
    Perform<TfShred>(src, src->ShredItem, [](TfShred& dlg) { dlg.CancelBtn->click(); });
    EXPECT_FALSE(form->GaugeState().visible);
    EXPECT_EQ(Read("c/SRC/B.TXT"), "bravo");
    Perform<TfShred>(src, src->ShredItem, [](TfShred& dlg) { dlg.OKBtnClick(); });
    EXPECT_FALSE(Exists("c/SRC/B.TXT"));
    EXPECT_EQ(Names(src), std::vector<std::string>{"MAKEFILE."});
    EXPECT_TRUE(env.prompts.seen.empty());
}
