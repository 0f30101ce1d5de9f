// "Compare to another path" over two real directories: the refusals, the
// list of other windows, the comparison kinds and the content test, earlier
// tags kept unexamined, the defaults stored only on closing, Cancel's stop
// after the current entry, and a read failure ending the compare with the
// tags set so far.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <fcntl.h>
#include <set>
#include <sstream>
#include <sys/stat.h>

#include "core/settings/app_ini.h"
#include "core/settings/startup.h"
#include "support/dialog_test_fixture.h"
#include "support/tree_snapshot.h"
#include "ui/dirwin/directory_windows_qt.h"
#include "ui/dirwin/sep_dir_window.h"
#include "ui/search/compare_paths_dialog.h"
#include "ui/search/search_dialogs_qt.h"

namespace {

// Directory 1 is C:\ONE, directory 2 D:\TWO:
//   same.txt     equal in size, date and contents
//   bigger.txt   larger in 1
//   older.txt    same size and contents, older in 1
//   content.txt  same size and date, the last byte differs
//   README.TXT   is 'readme.txt' in 2, equal
//   only1.txt    absent from 2
class CompareTest : public DialogTest {
protected:
    TFakeDirWindow* one = nullptr;
    TFakeDirWindow* two = nullptr;

    void SetUp() override {
        Pair("same.txt", "same", "same", 1000, 1000);
        Pair("bigger.txt", "bigger!", "bigger", 1000, 1000);
        Pair("older.txt", "older", "older", 900, 1000);
        Pair("content.txt", "contenT", "content", 1000, 1000);
        Pair("README.TXT", "readme", "readme", 1000, 1000, "readme.txt");
        Put("c/ONE/only1.txt", "only", 1000);
        one = Open("C:\\ONE");
        two = Open("D:\\TWO");
    }
    void Put(const std::string& rel, const std::string& content, int minutes) {
        env.WriteFile(rel, content);
        const struct timespec times[2] = {{0, UTIME_OMIT}, {1700000000 + minutes * 60, 0}};
        ASSERT_EQ(utimensat(AT_FDCWD, env.Host(rel).c_str(), times, 0), 0);
    }
    void Pair(const std::string& name, const std::string& c1, const std::string& c2, int m1, int m2,
              const std::string& name2 = {}) {
        Put("c/ONE/" + name, c1, m1);
        Put("d/TWO/" + (name2.empty() ? name : name2), c2, m2);
    }
    // Chooses directory 2 and presses OK; errors shown as the program does.
    void Run(TComparePathsDialog& dlg, const QString& dir2 = "D:\\TWO") {
        dlg.CB_Dir2->setCurrentIndex(dlg.CB_Dir2->findText(dir2));
        RunReportingErrors([&] { dlg.OKBtnClick(); });
    }
    // Directory 1's tagged names, sorted.
    std::string Tagged() {
        std::istringstream in(one->TaggedNames());
        std::vector<std::string> names;
        for (std::string n; in >> n;) names.push_back(n);
        std::sort(names.begin(), names.end());
        std::string out;
        for (const std::string& n : names) out += (out.empty() ? "" : " ") + n;
        return out;
    }
    static void Criteria(TComparePathsDialog& dlg, bool size, int sizeKind, bool date, int dateKind, bool content,
                         bool additions) {
        dlg.CB_Size->setChecked(size);
        dlg.LB_Size->setCurrentIndex(sizeKind);
        dlg.CB_Date->setChecked(date);
        dlg.LB_Date->setCurrentIndex(dateKind);
        dlg.CB_Content->setChecked(content);
        dlg.CB_TagAdditions->setChecked(additions);
    }
};

enum { Different, Equal, Greater, Less };

}  // namespace

TEST_F(CompareTest, ListsEachOtherWindowOnceAndStartsEmpty) {
    Open("D:\\TWO");  // a second window with the same caption
    Open("C:\\");
    TComparePathsDialog dlg(one);
    QStringList items;
    for (int i = 0; i < dlg.CB_Dir2->count(); ++i) items << dlg.CB_Dir2->itemText(i);
    EXPECT_EQ(items, (QStringList{"D:\\TWO", "C:\\"}));
    EXPECT_EQ(dlg.CB_Dir2->currentIndex(), -1);
    EXPECT_FALSE(dlg.CB_Dir2->isEditable());
}

TEST_F(CompareTest, RefusalsKeepTheDialogOpenAndChangeNothing) {
    one->Tag({"same.txt"});
    {
        TComparePathsDialog dlg(one);
        dlg.show();
        Criteria(dlg, false, 0, false, 0, false, false);
        RunReportingErrors([&] { dlg.OKBtnClick(); });  // the criteria come first
        EXPECT_EQ(Texts(), std::vector<std::string>{"Please enter a criteria to compare!"});
        EXPECT_EQ(dlg.focusWidget(), dlg.CB_Size);
        env.prompts.seen.clear();

        dlg.CB_TagAdditions->setChecked(true);
        RunReportingErrors([&] { dlg.OKBtnClick(); });  // nothing chosen
        EXPECT_EQ(Texts(), std::vector<std::string>{"Please select a directory to compare!"});
        EXPECT_EQ(dlg.focusWidget(), dlg.CB_Dir2);
        env.prompts.seen.clear();

        // Directory 2 closed while the dialog was open: nothing runs.
        dlg.CB_Dir2->setCurrentIndex(0);
        delete two;
        RunReportingErrors([&] { dlg.OKBtnClick(); });
        EXPECT_EQ(Texts(), std::vector<std::string>{"Please select a directory to compare!"});
        EXPECT_NE(dlg.result(), QDialog::Accepted);
        EXPECT_TRUE(dlg.OKBtn->isEnabled());
        dlg.CB_Default->setChecked(false);
    }
    EXPECT_EQ(one->TaggedNames(), "same.txt");
}

TEST_F(CompareTest, EachCriterionTagsWhatDiffers) {
    struct Case {
        const char* what;
        bool size;
        int sizeKind;
        bool date;
        int dateKind;
        bool content, additions;
        std::string tagged;
    };
    const Case cases[] = {
        {"any", true, Different, true, Different, true, true, "bigger.txt content.txt older.txt only1.txt"},
        {"size differs", true, Different, false, 0, false, false, "bigger.txt"},
        // Equal sizes tag by the size test alone, whatever the dates.
        {"size equal", true, Equal, true, Different, false, false,
         "README.TXT content.txt older.txt same.txt"},
        {"1 greater", true, Greater, false, 0, false, false, "bigger.txt"},
        {"1 less", true, Less, false, 0, false, false, ""},
        {"date differs", false, 0, true, Different, false, false, "older.txt"},
        {"date 1 less", false, 0, true, Less, false, false, "older.txt"},
        {"date 1 greater", false, 0, true, Greater, false, false, ""},
        {"contents", false, 0, false, 0, true, false, "bigger.txt content.txt"},
        {"additions only", false, 0, false, 0, false, true, "only1.txt"},
    };
    for (const Case& c : cases) {
        TComparePathsDialog dlg(one);
        Criteria(dlg, c.size, c.sizeKind, c.date, c.dateKind, c.content, c.additions);
        Run(dlg);
        EXPECT_TRUE(Texts().empty()) << c.what;
        EXPECT_EQ(Tagged(), c.tagged) << c.what;
        EXPECT_EQ(dlg.result(), QDialog::Accepted) << c.what;
    }
}

TEST_F(CompareTest, NamesPairWithoutRegardToCase) {
    env.WriteFile("d/TWO/readme.txt", "README");  // same size and date, other contents
    Put("d/TWO/readme.txt", "README", 1000);
    two->ReadDirectory();
    TComparePathsDialog dlg(one);
    Criteria(dlg, false, 0, false, 0, true, true);
    Run(dlg);
    EXPECT_EQ(Tagged(), "README.TXT bigger.txt content.txt only1.txt");
}

TEST_F(CompareTest, EarlierTagsStayUnexaminedWithoutReset) {
    // A FIFO in both directories, tagged beforehand: compared, it could not
    // be opened.
    ASSERT_EQ(mkfifo(env.Host("c/ONE/pipe.txt").c_str(), 0600), 0);
    ASSERT_EQ(mkfifo(env.Host("d/TWO/pipe.txt").c_str(), 0600), 0);
    one->ReadDirectory();
    two->ReadDirectory();
    one->Tag({"pipe.txt", "same.txt"});
    TComparePathsDialog dlg(one);
    Criteria(dlg, false, 0, false, 0, true, false);
    dlg.CB_TReset->setChecked(false);
    Run(dlg);
    EXPECT_TRUE(Texts().empty());
    EXPECT_EQ(Tagged(), "bigger.txt content.txt pipe.txt same.txt");
    EXPECT_FALSE(AppIni().ReadBool("F_BYPATH", "CB_TReset", true));
}

TEST_F(CompareTest, DefaultsAreStoredOnlyOnClosingWithDefault) {
    {
        TComparePathsDialog dlg(one);
        EXPECT_TRUE(dlg.CB_Default->isChecked());
        Criteria(dlg, false, Greater, true, Less, false, false);
        EXPECT_FALSE(dlg.LB_Size->isEnabled());
        EXPECT_TRUE(dlg.LB_Date->isEnabled());
        dlg.CancelBtn->click();  // Cancel stores nothing
        EXPECT_FALSE(dlg.CB_Default->isChecked());
    }
    EXPECT_EQ(AppIni().ReadString("F_BYPATH", "LB_Date", "none"), "none");
    {
        TComparePathsDialog dlg(one);
        Criteria(dlg, false, Greater, true, Less, false, false);
        dlg.CB_TagAdditions->setChecked(true);
        Run(dlg);
    }
    {
        TComparePathsDialog dlg(one);  // read back at opening
        EXPECT_FALSE(dlg.CB_Size->isChecked());
        EXPECT_FALSE(dlg.LB_Size->isEnabled());
        EXPECT_EQ(dlg.LB_Size->currentIndex(), Greater);
        EXPECT_EQ(dlg.LB_Date->currentIndex(), Less);
        EXPECT_FALSE(dlg.CB_Content->isChecked());
        EXPECT_TRUE(dlg.CB_TagAdditions->isChecked());
        dlg.AnyBtnClick();
        for (QCheckBox* b : {dlg.CB_Size, dlg.CB_Date, dlg.CB_Content, dlg.CB_TagAdditions}) EXPECT_TRUE(b->isChecked());
        EXPECT_EQ(dlg.LB_Size->currentIndex(), Different);
        EXPECT_EQ(dlg.LB_Date->currentIndex(), Different);
        dlg.CB_Default->setChecked(false);  // OK without Default stores nothing
        Run(dlg);
    }
    EXPECT_FALSE(AppIni().ReadBool("F_BYPATH", "CB_Size", true));
    EXPECT_EQ(AppIni().ReadInteger("F_BYPATH", "LB_Date", 0), Less);
    // A stored index outside the list reads as "Different".
    AppIni().WriteInteger("F_BYPATH", "LB_Size", 7);
    TComparePathsDialog dlg(one);
    EXPECT_EQ(dlg.LB_Size->currentIndex(), Different);
}

TEST_F(CompareTest, CancelStopsAfterTheCurrentEntry) {
    GaugeMovesEverySecond();
    TComparePathsDialog dlg(one);
    Criteria(dlg, true, Equal, false, 0, false, true);
    env.prompts.answers = {MsgResult::No, MsgResult::Yes};
    int asked = 0;
    // Cancel while the first entry's step hands control back: No goes on,
    // Yes stops after the second entry; the additions pass never runs.
    QTimer::singleShot(0, &dlg, [&] {
        ++asked;
        dlg.CancelBtnClick();
        EXPECT_TRUE(dlg.Running());
        QTimer::singleShot(0, &dlg, [&] {
            ++asked;
            dlg.CancelBtnClick();
        });
    });
    Run(dlg);
    EXPECT_EQ(asked, 2);
    EXPECT_EQ(Texts(), (std::vector<std::string>{"Cancel the compare process?", "Cancel the compare process?"}));
    // Only the first two entries were examined.
    const std::set<std::string> equalSizes = {"same.txt", "older.txt", "content.txt", "README.TXT"};
    for (int i = 0; i < one->GetEntryCount(); ++i)
        EXPECT_EQ(one->IsTagged(i), i < 2 && equalSizes.count(one->GetEntryName(i)) != 0) << one->GetEntryName(i);
    EXPECT_FALSE(dlg.Running());
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
}

TEST_F(CompareTest, ReadFailuresEndTheCompareWithTheTagsSoFar) {
    const auto before = TreeSnapshot(env.hostC), beforeD = TreeSnapshot(env.hostD);
    // The first content test that reads is that of the first listed pair
    // of equal sizes; its first read fails.
    plat::InjectFault(plat::FaultOp::Read, 1, plat::FileError::IoError);
    {
        TComparePathsDialog dlg(one);
        Criteria(dlg, true, Different, false, 0, true, true);
        Run(dlg);
        ASSERT_EQ(Texts().size(), 1u);
        EXPECT_EQ(Texts()[0].rfind("Error reading: C:\\ONE\\", 0), 0u) << Texts()[0];
        EXPECT_FALSE(dlg.Running());
        EXPECT_EQ(dlg.result(), QDialog::Accepted);
        EXPECT_TRUE(dlg.OKBtn->isEnabled());
    }
    // Entries before the failing one keep their tags; additions never ran.
    const std::string failed = Texts()[0].substr(std::string("Error reading: C:\\ONE\\").size());
    const int at = one->FindEntry(failed);
    for (int i = 0; i < one->GetEntryCount(); ++i)
        EXPECT_EQ(one->IsTagged(i), i < at && one->GetEntryName(i) == "bigger.txt") << one->GetEntryName(i);
    EXPECT_EQ(TreeSnapshot(env.hostC), before);
    EXPECT_EQ(TreeSnapshot(env.hostD), beforeD);
    plat::ClearFaults();

    // A file that vanished since the windows were read.
    env.prompts.seen.clear();
    std::filesystem::remove(env.Host("d/TWO/same.txt"));
    TComparePathsDialog dlg(one);
    Criteria(dlg, false, 0, false, 0, true, false);
    Run(dlg);
    EXPECT_EQ(Texts(), std::vector<std::string>{"Bad open of: D:\\TWO\\same.txt"});
}

// The whole way through the program: two real split windows, the window's
// "&Compare Paths ..." item, the dialog answered as a user would.
TEST(ComparePathsProgram, TagsTheDifferingFilesOfRealWindows) {
    TestEnv env;
    env.WriteFile("c/ONE/a.txt", "same");
    env.WriteFile("c/ONE/b.txt", "one");
    env.WriteFile("c/ONE/new.txt", "new");
    env.WriteFile("c/TWO/A.TXT", "same");
    env.WriteFile("c/TWO/b.txt", "two");
    {
        Tmainform form;
        InstallDirectoryWindows(form);
        InstallSearchDialogs(form);
        form.FirstActivationPending = false;
        form.show();
        ASSERT_TRUE(plat::SetCurrentDir("C:\\TWO"));
        form.OpenDirectoryWindow();
        ASSERT_TRUE(plat::SetCurrentDir("C:\\ONE"));
        auto* one = qobject_cast<TSepDir*>(form.OpenDirectoryWindow());
        QApplication::processEvents();
        ASSERT_TRUE(one->TagCompareItem->isEnabled());
        QString listed;
        QTimer::singleShot(0, [&] {
            auto* dlg = qobject_cast<TComparePathsDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dlg, nullptr);
            listed = dlg->CB_Dir2->itemText(0);
            dlg->CB_Dir2->setCurrentIndex(0);
            dlg->CB_Size->setChecked(false);
            dlg->CB_Date->setChecked(false);
            dlg->OKBtn->click();
        });
        one->TagCompareItem->trigger();
        EXPECT_EQ(listed.toStdString().find("C:\\TWO"), 0u) << listed.toStdString();
        std::vector<std::string> tagged;
        for (int i = 0; i < one->GetListCount(); ++i)
            if (one->IsTagged(i)) tagged.push_back(one->GetEntryName(i));
        EXPECT_EQ(tagged, (std::vector<std::string>{"b.txt", "new.txt"}));
        EXPECT_TRUE(env.prompts.texts().empty());
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
