// The attribute dialog over real files: three-state boxes that start
// undetermined, the word each file gets (bits other than the four kept),
// read-only set and cleared for real, boxes read anew for every file, and
// the cancel question.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include "support/dialog_test_fixture.h"
#include "ui/fileops/attr_dialog.h"
#include "ui/fileops/delete_dialog.h"

using plat::FileError;

namespace {

constexpr uint32_t RO = plat::faReadOnly, HID = plat::faHidden, SYS = plat::faSysFile,
                   ARC = plat::faArchive;

class AttrDialogTest : public DialogTest {
protected:
    TFakeDirWindow* src = nullptr;

    void SetUp() override {
        env.WriteFile("c/SRC/A.TXT", "alpha");
        env.WriteFile("c/SRC/B.TXT", "bravo");
        env.WriteFile("c/SRC/C.TXT", "charlie");
        // B is hidden and system, C is not archived.
        EXPECT_EQ(plat::SetFileAttributes("C:\\SRC\\B.TXT", HID | SYS | ARC), FileError::None);
        EXPECT_EQ(plat::SetFileAttributes("C:\\SRC\\C.TXT", 0), FileError::None);
        src = Open("C:\\SRC");
        src->TagAll();
    }
    static uint32_t Attr(const char* name) {
        return plat::GetFileAttributes(std::string("C:\\SRC\\") + name);
    }
    static void Choose(QCheckBox* box, Qt::CheckState state) { box->setCheckState(state); }
};

}  // namespace

TEST(AttributeWord, ChangesOnlyTheFourBitsAsChosen) {
    using C = TAttrChoice;
    const uint32_t other = plat::faDirectory | 0x80 | 0x800;  // a directory, platform bits
    EXPECT_EQ(NewAttributeWord(other | HID | ARC, C::Set, C::Keep, C::Keep, C::Keep), other | RO | HID | ARC);
    EXPECT_EQ(NewAttributeWord(other | RO | SYS | ARC, C::Clear, C::Keep, C::Keep, C::Keep), other | SYS | ARC);
    EXPECT_EQ(NewAttributeWord(other | RO | HID | SYS | ARC, C::Keep, C::Keep, C::Keep, C::Clear),
              other | RO | HID | SYS);
    EXPECT_EQ(NewAttributeWord(RO | ARC, C::Clear, C::Set, C::Set, C::Clear), HID | SYS);
    EXPECT_EQ(NewAttributeWord(RO | HID | SYS | ARC, C::Keep, C::Keep, C::Keep, C::Keep), RO | HID | SYS | ARC);
}

TEST_F(AttrDialogTest, BoxesStartUndeterminedAndSomeSettingIsRequired) {
    TAttrDlg dlg(*src);
    EXPECT_EQ(dlg.windowTitle(), "Set/Reset Attributes");
    EXPECT_EQ(dlg.L_Count->text(), "3");
    EXPECT_EQ(dlg.E_From->text(), "C:\\SRC");
    QStringList labels;
    for (QLabel* l : dlg.findChildren<QLabel*>()) labels << l->text();
    EXPECT_TRUE(labels.contains("From:"));
    EXPECT_TRUE(labels.contains("Process:"));
    struct Box {
        QCheckBox* box;
        const char* text;
        const char* hint;
    };
    for (Box b : {Box{dlg.CB_ReadOnly, "Read Only", "Read Only, File cannot be altered!"},
                  Box{dlg.CB_Hidden, "Hidden", "File is Hidden"},
                  Box{dlg.CB_System, "System", "System File Attribute "},
                  Box{dlg.CB_Archive, "Archive", "File needs archiving"}}) {
        EXPECT_EQ(b.box->text(), b.text);
        EXPECT_EQ(b.box->toolTip(), b.hint);
        EXPECT_TRUE(b.box->isTristate());
        EXPECT_EQ(b.box->checkState(), Qt::PartiallyChecked);
    }
    EXPECT_EQ(dlg.OKBtn->toolTip(), "Make the changes");
    EXPECT_EQ(dlg.CancelBtn->toolTip(), "Dont do any changes.");

    dlg.OKBtnClick();
    EXPECT_EQ(Texts(), std::vector<std::string>{"Please select a setting!"});
    EXPECT_EQ(dlg.focusWidget(), dlg.CB_ReadOnly);
    EXPECT_FALSE(dlg.Running());
    EXPECT_NE(dlg.result(), QDialog::Accepted);
    EXPECT_EQ(Attr("A.TXT"), ARC);
    EXPECT_EQ(Attr("B.TXT"), HID | SYS | ARC);
    EXPECT_EQ(Attr("C.TXT"), 0u);
}

TEST_F(AttrDialogTest, ReadOnlySetForRealKeepsTheOtherBits) {
    const int reads = src->reads;
    TAttrDlg dlg(*src);
    Choose(dlg.CB_ReadOnly, Qt::Checked);
    dlg.OKBtnClick();
    EXPECT_TRUE(Texts().empty());
    EXPECT_EQ(Attr("A.TXT"), RO | ARC);
    EXPECT_EQ(Attr("B.TXT"), RO | HID | SYS | ARC);
    EXPECT_EQ(Attr("C.TXT"), RO);
    EXPECT_EQ(src->reads, reads + 1);
    EXPECT_EQ(src->GetEntryAttr(src->FindEntry("B.TXT")), RO | HID | SYS | ARC);
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_TRUE(dlg.OKBtn->isEnabled());
    // Read-only for real: it can no longer be written, and the delete
    // dialog must prompt for it.
    plat::File f;
    EXPECT_NE(plat::OpenFile("C:\\SRC\\A.TXT", plat::OpenMode::Write, f), FileError::None);
    src->Tag({"A.TXT"});
    env.prompts.errorAnswers = {ErrorAction::SkipFile};
    TfDelete del(*src);
    del.OKBtnClick();
    EXPECT_EQ(Texts(), std::vector<std::string>{"Error: Deleteing file: C:\\SRC\\A.TXT"});
    EXPECT_EQ(Read("c/SRC/A.TXT"), "alpha");
}

TEST_F(AttrDialogTest, ReadOnlyClearedForRealAndArchiveCleared) {
    for (const char* name : {"A.TXT", "B.TXT"})
        plat::SetFileAttributes(std::string("C:\\SRC\\") + name, Attr(name) | RO);
    TAttrDlg dlg(*src);
    Choose(dlg.CB_ReadOnly, Qt::Unchecked);
    Choose(dlg.CB_Archive, Qt::Unchecked);
    dlg.OKBtnClick();
    EXPECT_EQ(Attr("A.TXT"), 0u);
    EXPECT_EQ(Attr("B.TXT"), HID | SYS);
    EXPECT_EQ(Attr("C.TXT"), 0u);
    plat::File f;
    EXPECT_EQ(plat::OpenFile("C:\\SRC\\B.TXT", plat::OpenMode::Write, f), FileError::None);
}

TEST_F(AttrDialogTest, BoxesAreReadForEveryFileAndStayUsable) {
    GaugeMovesEverySecond();
    TAttrDlg dlg(*src);
    Choose(dlg.CB_System, Qt::Checked);
    bool usable = false;
    // After the first file, hidden is set as well, for the files that follow.
    QTimer::singleShot(0, &dlg, [&] {
        usable = dlg.Running() && !dlg.OKBtn->isEnabled() && dlg.CB_Hidden->isEnabled() &&
                 dlg.CancelBtn->isEnabled();
        Choose(dlg.CB_Hidden, Qt::Checked);
    });
    dlg.OKBtnClick();
    EXPECT_TRUE(usable);
    EXPECT_EQ(Attr("A.TXT"), SYS | ARC);
    EXPECT_EQ(Attr("B.TXT"), HID | SYS | ARC);
    EXPECT_EQ(Attr("C.TXT"), HID | SYS);
}

TEST_F(AttrDialogTest, CancelAsksAndNoLeavesTheChoicesInForce) {
    GaugeMovesEverySecond();
    for (MsgResult answer : {MsgResult::No, MsgResult::Yes}) {
        for (const char* name : {"A.TXT", "B.TXT", "C.TXT"})
            plat::SetFileAttributes(std::string("C:\\SRC\\") + name, Attr(name) & ~RO);
        env.prompts.seen.clear();
        env.prompts.answers = {answer};
        src->TagAll();
        TAttrDlg dlg(*src);
        Choose(dlg.CB_ReadOnly, Qt::Checked);
        QTimer::singleShot(0, &dlg, [&] { dlg.CancelBtn->click(); });
        dlg.OKBtnClick();
        EXPECT_EQ(Texts(), std::vector<std::string>{"Cancel?"});
        EXPECT_TRUE(Attr("A.TXT") & RO);
        EXPECT_EQ((Attr("B.TXT") & RO) != 0, answer == MsgResult::No);
        EXPECT_EQ((Attr("C.TXT") & RO) != 0, answer == MsgResult::No);
    }
}

TEST_F(AttrDialogTest, AMissingFileIsPutToTheUserAndTheOthersChange) {
    std::filesystem::remove(env.Host("c/SRC/B.TXT"));
    TAttrDlg dlg(*src);
    Choose(dlg.CB_Hidden, Qt::Checked);
    env.prompts.errorAnswers = {ErrorAction::SkipFile};
    dlg.OKBtnClick();
    EXPECT_EQ(Texts(), std::vector<std::string>{plat::ErrorText(FileError::FileNotFound) +
                                                "\r\nChanging Attributes: C:\\SRC\\B.TXT"});
    EXPECT_EQ(Attr("A.TXT"), HID | ARC);
    EXPECT_EQ(Attr("C.TXT"), HID);
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
}
