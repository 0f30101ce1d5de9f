// "Drive Search - Setup" and "Multi Drive Search - Setup": every refusal
// with its page and focused field, the criteria the fields give (blank and
// zero sizes, date ends at 00:00), the histories and the last pattern list
// under "FS_FDL", the move buttons' enabling, and a multi-drive search that
// keeps only the windows that found something.
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <filesystem>

#include "core/settings/app_ini.h"
#include "core/tagging/history.h"
#include "support/main_window_ui_fixture.h"
#include "ui/dirwin/cmb_dir_window.h"
#include "ui/fileops/find_directory_dialog.h"
#include "ui/search/drive_search_dialog.h"

namespace {

using TMode = TDriveSearchDialog::TMode;

struct DriveSearchUiTest : MainWindowUiTest {
    std::vector<TDriveSearchCriteria> opened;
    void SetUp() override { form = std::make_unique<Tmainform>(); }
    void TearDown() override {
        form.reset();
        DeleteClosed();
    }
    // A dialog whose windows are only recorded.
    std::unique_ptr<TDriveSearchDialog> Dialog(TMode mode) {
        return std::make_unique<TDriveSearchDialog>(mode, [this](const TDriveSearchCriteria& c) {
            opened.push_back(c);
            return nullptr;
        });
    }
    static void Type(QLineEdit* e, const char* text) { e->setText(text); }
};

TEST_F(DriveSearchUiTest, EachRefusalShowsItsPageAndFocusesItsField) {
    struct Case {
        TMode mode;
        const char *wild, *dateFrom, *dateTo, *sizeFrom, *sizeTo;
        const char* message;
        const char* page;
        const char* field;
    } cases[] = {
        {TMode::MultiDrive, "*.*", "", "", "", "", "Please select one or more drives", "DrivesPage",
         "LB_Available"},
        {TMode::OneDirectory, "", "", "", "", "", "Please enter wildcard pattern(s)", "PatternPage",
         "E_Wild"},
        {TMode::OneDirectory, "*.TXT;;*.DOC", "", "", "", "", "Please enter valid pattern(s)",
         "PatternPage", "E_Wild"},
        {TMode::OneDirectory, "*.*", "13/45/97", "01/06/97", "", "", "Invalid date entered!",
         "DateSizePage", "E_DateFrom"},
        {TMode::OneDirectory, "*.*", "01/05/97", "", "", "", "Invalid date entered!",
         "DateSizePage", "E_DateTo"},
        {TMode::OneDirectory, "*.*", "01/06/97", "01/06/97", "", "", "Invalid date range entered!",
         "DateSizePage", "E_DateFrom"},
        {TMode::OneDirectory, "*.*", "01/07/97", "01/06/97", "", "", "Invalid date range entered!",
         "DateSizePage", "E_DateFrom"},
        {TMode::OneDirectory, "*.*", "", "", "10", "", "Invalid number entered!", "DateSizePage",
         "E_SizeTo"},
        {TMode::OneDirectory, "*.*", "", "", "", "10", "Invalid number entered!", "DateSizePage",
         "E_SizeFrom"},
        {TMode::OneDirectory, "*.*", "", "", "99999999999999999999", "1", "Invalid number entered!",
         "DateSizePage", "E_SizeFrom"},
        {TMode::OneDirectory, "*.*", "", "", "100", "99", "Invalid Size Range!", "DateSizePage",
         "E_SizeFrom"},
    };
    for (const Case& c : cases) {
        auto dlg = Dialog(c.mode);
        Type(dlg->E_Wild, c.wild);
        Type(dlg->E_DateFrom, c.dateFrom);
        Type(dlg->E_DateTo, c.dateTo);
        Type(dlg->E_SizeFrom, c.sizeFrom);
        Type(dlg->E_SizeTo, c.sizeTo);
        dlg->PageControl->setCurrentWidget(dlg->TextPage);
        env.prompts.seen.clear();
        dlg->OKBtnClick();
        ASSERT_EQ(env.prompts.texts(), std::vector<std::string>{c.message}) << c.message;
        EXPECT_EQ(dlg->PageControl->currentWidget()->objectName().toStdString(), c.page)
            << c.message;
        ASSERT_TRUE(dlg->focusWidget()) << c.message;
        EXPECT_EQ(dlg->focusWidget()->objectName().toStdString(), c.field) << c.message;
        EXPECT_TRUE(opened.empty());
        EXPECT_EQ(dlg->result(), 0);
    }
    // Nothing was stored.
    EXPECT_TRUE(LoadHistory("FS_FDL", "E_WILD_L").empty());
}

TEST_F(DriveSearchUiTest, FieldsGiveTheCriteria) {
    struct Case {
        const char *dateFrom, *dateTo, *sizeFrom, *sizeTo;
        bool useDate, useSize;
        int64_t min, max;
    } cases[] = {
        {"", "", "", "", false, false, 0, 0},
        {"", "", "0", "0", false, false, 0, 0},
        {"", "", "100", "100", false, true, 100, 100},
        {"", "", "0", "6000000000", false, true, 0, 6000000000},
        {"01/05/97", "01/06/97", "", "", true, false, 0, 0},
    };
    for (const Case& c : cases) {
        auto dlg = Dialog(TMode::OneDirectory);
        Type(dlg->E_DateFrom, c.dateFrom);
        Type(dlg->E_DateTo, c.dateTo);
        Type(dlg->E_SizeFrom, c.sizeFrom);
        Type(dlg->E_SizeTo, c.sizeTo);
        TDriveSearchCriteria crit;
        ASSERT_TRUE(dlg->ReadCriteria(crit)) << env.prompts.last();
        EXPECT_EQ(crit.UseDate, c.useDate);
        EXPECT_EQ(crit.UseSize, c.useSize);
        EXPECT_EQ(crit.MinSize, c.min);
        EXPECT_EQ(crit.MaxSize, c.max);
        if (c.useDate) {
            plat::DateParts from{}, to{};
            ASSERT_TRUE(plat::DecodeDateTime(crit.DateFrom, from) &&
                        plat::DecodeDateTime(crit.DateTo, to));
            // Both ends at 00:00, the year in the current century.
            EXPECT_EQ(from.year % 100, 97);
            EXPECT_EQ(from.year / 100, to.year / 100);
            EXPECT_EQ(from.day, 5);
            EXPECT_EQ(to.day, 6);
            EXPECT_EQ(from.hour + from.minute + to.hour + to.minute, 0);
        }
    }
}

TEST_F(DriveSearchUiTest, OkStoresTheHistoriesAndOpensOneWindowOnTheChosenDirectory) {
    env.WriteFile("c/W/a.txt", "x");
    auto dlg = Dialog(TMode::OneDirectory);
    dlg->DirectoryPicker->SetDirectory("C:\\W");
    Type(dlg->E_Wild, "*.TXT");
    Type(dlg->E_TScan, "");
    dlg->OKBtnClick();
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0].BaseDirectory, "C:\\W");
    EXPECT_EQ(opened[0].Patterns, "*.TXT");
    EXPECT_EQ(dlg->result(), QDialog::Accepted);
    EXPECT_EQ(LoadHistory("FS_FDL", "E_WILD_L"), std::vector<std::string>{"*.TXT"});
    // An empty scan text is remembered like any other.
    EXPECT_EQ(LoadHistory("FS_FDL", "E_TScan:H:"), std::vector<std::string>{""});
    EXPECT_EQ(AppIni().ReadString("FS_FDL", "E_Wild", ""), "*.TXT");
    // The next dialog starts with the last pattern list.
    EXPECT_EQ(Dialog(TMode::OneDirectory)->E_Wild->text(), "*.TXT");
}

TEST_F(DriveSearchUiTest, MoveButtonsFollowTheListsAndTheSelection) {
    auto dlg = Dialog(TMode::MultiDrive);
    ASSERT_EQ(dlg->LB_Available->count(), 2);  // C: and D:
    auto enabled = [&] {
        return std::vector<bool>{dlg->MoveBtn->isEnabled(), dlg->BackBtn->isEnabled(),
                                 dlg->MoveAllBtn->isEnabled(), dlg->BackAllBtn->isEnabled()};
    };
    EXPECT_EQ(enabled(), (std::vector<bool>{false, false, true, false}));
    dlg->LB_Available->setCurrentRow(1);
    EXPECT_EQ(enabled(), (std::vector<bool>{true, false, true, false}));
    dlg->MoveBtn->click();
    ASSERT_EQ(dlg->LB_Search->count(), 1);
    EXPECT_EQ(dlg->LB_Search->item(0)->text().left(2), "D:");
    EXPECT_EQ(enabled(), (std::vector<bool>{false, false, true, true}));
    dlg->MoveAllBtn->click();
    EXPECT_EQ(dlg->LB_Search->item(1)->text().left(2), "C:");  // moved items go to the end
    EXPECT_EQ(enabled(), (std::vector<bool>{false, false, false, true}));
    dlg->BackAllBtn->click();
    EXPECT_EQ(dlg->LB_Available->count(), 2);
    EXPECT_EQ(enabled(), (std::vector<bool>{false, false, true, false}));
}

TEST_F(DriveSearchUiTest, AMultiDriveSearchKeepsOnlyTheWindowsThatFoundSomething) {
    const std::string hostE = env.root + "/e";
    std::filesystem::create_directories(hostE);
    plat::SetDriveTable({{'C', env.hostC, plat::DriveType::Fixed, "", ""},
                         {'D', env.hostD, plat::DriveType::Fixed, "", ""},
                         {'E', hostE, plat::DriveType::Fixed, "", ""}});
    env.WriteFile("c/x/hit.txt", "x");
    env.WriteFile("d/nothing.doc", "x");
    env.WriteFile("e/hit2.txt", "x");
    form->FirstActivationPending = false;
    form->show();
    TDriveSearchDialog dlg(TMode::MultiDrive, [this](const TDriveSearchCriteria& c) {
        return OpenResultWindow(*form, c);
    });
    dlg.MoveAllBtn->click();
    Type(dlg.E_Wild, "*.TXT");
    dlg.OKBtnClick();
    DeleteClosed();
    std::vector<std::string> titles;
    for (TMDIChild* w : form->DirectoryWindowsInOrder())
        if (!w->Closing) titles.push_back(w->windowTitle().toStdString());
    EXPECT_EQ(titles, (std::vector<std::string>{"C:\\ *.TXT", "E:\\ *.TXT"}));
    EXPECT_EQ(form->ResultWindowCount(), 2);
}

}  // namespace
