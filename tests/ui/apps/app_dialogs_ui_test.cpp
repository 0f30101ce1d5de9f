// The application dialogs: the listing's enabling, deletes and moves, the
// editor's validation and saving, "Run a program", the parameter prompt
// and the list behind "&More ...".
#include <QCheckBox>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include "core/apps/app_list.h"
#include "core/platform/platform.h"
#include "core/settings/app_ini.h"
#include "core/tagging/history.h"
#include "support/test_env.h"
#include "ui/apps/app_choose_dialog.h"
#include "ui/apps/app_editor_dialog.h"
#include "ui/apps/app_listing_dialog.h"
#include "ui/apps/app_params_dialog.h"
#include "ui/apps/run_program_dialog.h"

namespace {

using Texts = std::vector<std::string>;

struct AppDialogTest : ::testing::Test {
    TestEnv env;
    TTApp apps;
    std::vector<int> runs;

    void SetUp() override { apps.Load(); }
    void AddApps(std::initializer_list<const char*> names) {
        for (const char* name : names) apps.Add({"Tools", name, "ed", "", "%N", false});
    }
    // Enabled state of Change, Delete, Run, up and down, buttons and menu.
    static std::string Enabling(TAppListingDialog& d) {
        std::string s;
        for (QPushButton* b : {d.ChangeBtn, d.DeleteBtn, d.RunBtn, d.UpBtn, d.DownBtn}) s += b->isEnabled() ? '1' : '0';
        s += ' ';
        for (QAction* a : {d.PopChange, d.PopDelete, d.PopRun}) s += a->isEnabled() ? '1' : '0';
        return s;
    }
    TAppListingDialog* Listing() {
        auto* d = new TAppListingDialog(apps, [this](int index) {
            runs.push_back(index);
            return index != 1;  // the second entry does not start
        });
        return d;
    }
};

TEST_F(AppDialogTest, ListingFollowsTheSelection) {
    AddApps({"One", "Two", "Three"});
    std::unique_ptr<TAppListingDialog> d(Listing());
    EXPECT_EQ(d->windowTitle(), "Application Listing");
    EXPECT_EQ(d->LB_Apps->headerItem()->text(0), "Application Name");
    ASSERT_EQ(d->LB_Apps->topLevelItemCount(), 3);
    EXPECT_EQ(Enabling(*d), "00000 000");
    d->SelectRow(0);
    EXPECT_EQ(Enabling(*d), "11101 111");
    d->SelectRow(1);
    EXPECT_EQ(Enabling(*d), "11111 111");
    d->SelectRow(2);
    EXPECT_EQ(Enabling(*d), "11110 111");
}

TEST_F(AppDialogTest, DeletingKeepsALineSelectedUntilNoneIsLeft) {
    AddApps({"One", "Two", "Three"});
    std::unique_ptr<TAppListingDialog> d(Listing());
    d->SelectRow(2);
    d->DeleteClick();  // the last line: the new last line is selected
    EXPECT_EQ(d->SelectedRow(), 1);
    EXPECT_EQ(d->LB_Apps->topLevelItem(1)->text(0), "Two");
    d->SelectRow(0);
    d->DeleteClick();
    EXPECT_EQ(d->SelectedRow(), 0);
    EXPECT_EQ(d->LB_Apps->topLevelItem(0)->text(0), "Two");
    d->DeleteClick();  // the only entry
    EXPECT_EQ(d->LB_Apps->topLevelItemCount(), 0);
    EXPECT_FALSE(d->LB_Apps->isEnabled());
    EXPECT_EQ(Enabling(*d), "00000 000");
    TTApp stored;
    stored.Load();
    EXPECT_EQ(stored.Count(), 0);
}

TEST_F(AppDialogTest, ArrowsMoveTheLineAndTheOrderIsKeptWhenTheListingCloses) {
    AddApps({"One", "Two", "Three"});
    std::unique_ptr<TAppListingDialog> d(Listing());
    d->SelectRow(0);
    d->DownClick();
    EXPECT_EQ(d->SelectedRow(), 1);
    d->DownClick();
    EXPECT_EQ(d->SelectedRow(), 2);
    EXPECT_EQ(d->LB_Apps->topLevelItem(2)->text(0), "One");
    EXPECT_FALSE(d->DownBtn->isEnabled());
    d->UpClick();
    EXPECT_EQ(d->SelectedRow(), 1);
    d->OKBtn->click();
    TTApp stored;
    stored.Load();
    EXPECT_EQ(stored.NamesInCategory(""), (Texts{"Two", "One", "Three"}));
}

TEST_F(AppDialogTest, AddChangeAndRunGoThroughTheEditorAndTheLauncher) {
    AddApps({"One", "Two"});
    std::unique_ptr<TAppListingDialog> d(Listing());
    std::vector<int> edited;
    d->OpenEditor = [&](int index) {
        edited.push_back(index);
        if (index < 0) apps.Add({"X", "New", "p", "", "", false});
        else apps.Change(index, {"X", "Renamed", "p", "", "", false});
        return true;
    };
    d->AddClick();
    EXPECT_EQ(d->LB_Apps->topLevelItem(2)->text(0), "New");
    d->SelectRow(0);
    d->ChangeClick();
    EXPECT_EQ(d->LB_Apps->topLevelItem(0)->text(0), "Renamed");
    EXPECT_EQ(d->SelectedRow(), 0);
    EXPECT_EQ(edited, (std::vector<int>{-1, 0}));
    d->SelectRow(1);
    d->RunClick();  // did not start: the listing stays
    EXPECT_EQ(d->result(), 0);
    d->SelectRow(0);
    d->RunClick();
    EXPECT_EQ(runs, (std::vector<int>{1, 0}));
    EXPECT_EQ(d->result(), QDialog::Accepted);
}

TEST_F(AppDialogTest, EditorRefusesMissingFieldsInOrder) {
    TAppEditorDialog d(apps, -1);
    EXPECT_EQ(d.windowTitle(), "Application Editor");
    const std::tuple<const char*, const char*, const char*, const char*, QWidget*> cases[] = {
        {"  ", "Name", "prog", "A category is required!", d.CB_Category},
        {"Cat", " ", "prog", "A name is required!", d.E_Name},
        {"Cat", "Name", "  ", "A Program is required!", d.E_Program},
    };
    for (const auto& [category, name, program, message, field] : cases) {
        env.prompts.seen.clear();
        d.CB_Category->setEditText(category);
        d.E_Name->setText(name);
        d.E_Program->setText(program);
        d.OKBtnClick();
        EXPECT_EQ(env.prompts.texts(), Texts{message});
        EXPECT_EQ(d.focusWidget(), field) << message;
        EXPECT_EQ(d.result(), 0);
    }
    EXPECT_EQ(apps.Count(), 0);
    EXPECT_TRUE(LoadCategories().empty());
}

TEST_F(AppDialogTest, EditorStoresTrimmedFieldsAndTheCategoryOnce) {
    AddCategory("Edit");
    const std::string longProgram = "C:\\" + std::string(120, 'p') + "\\TOOL";
    for (int round = 0; round < 2; ++round) {
        TAppEditorDialog d(apps, round == 0 ? -1 : 0);
        d.CB_Category->setEditText("  edit ");
        d.E_Name->setText(round == 0 ? " Editor " : "Second");
        d.E_Program->setText(QString::fromStdString(longProgram));
        d.E_Directory->setText(" C:\\WORK ");
        d.E_Command->setText(" %F ");
        d.CB_Test->setChecked(true);
        d.OKBtnClick();
        EXPECT_EQ(d.result(), QDialog::Accepted);
    }
    TTApp stored;
    stored.Load();
    ASSERT_EQ(stored.Count(), 1);
    EXPECT_EQ(stored.Entry(0), (TAppEntry{"edit", "Second", longProgram, "C:\\WORK", "%F", true}));
    EXPECT_EQ(LoadCategories(), Texts{"Edit"});  // "edit" is the same category name
    // The change dialog starts from the entry.
    TAppEditorDialog change(apps, 0);
    EXPECT_EQ(change.E_Name->text(), "Second");
    EXPECT_TRUE(change.CB_Test->isChecked());
}

TEST_F(AppDialogTest, ReferenceTextIsSavedAndAnUnwritableFileIsSaid) {
    TAppEditorDialog d(apps, -1);
    EXPECT_TRUE(d.M_Reference->toPlainText().contains("%*(LIST.TXT)"));
    EXPECT_TRUE(d.SaveReference("C:\\REF.TXT"));
    EXPECT_EQ(env.ReadFile("c/REF.TXT"), CommandLineReference());
    plat::SetFileAttributes("C:\\REF.TXT", plat::faReadOnly);
    EXPECT_FALSE(d.SaveReference("C:\\REF.TXT"));
    EXPECT_EQ(env.prompts.texts(), Texts{"Bad open of: C:\\REF.TXT"});
}

struct Start {
    std::string program;
    Texts args;
    std::string dir;
};

TEST_F(AppDialogTest, RunAProgramChecksTheLengthAndStartsTheTypedCommand) {
    std::vector<Start> starts;
    plat::SetShellStartHook([&](const std::string& p, const Texts& a, const std::string& d) {
        starts.push_back({p, a, d});
        return 42;
    });
    SaveHistory("FDO", "PROGRAMS", {"older"});
    AppIni().WriteString("FDO", "CB_DO", "last one");
    {
        TRunProgramDialog d;
        EXPECT_EQ(d.windowTitle(), "Run a program");
        EXPECT_EQ(d.CB_DO->currentText(), "last one");
        EXPECT_EQ(d.CB_DO->count(), 1);
        const std::pair<std::string, const char*> refused[] = {
            {"", "Please enter a program to execute"},
            {std::string(121, 'x'), "Entry is too long."},
        };
        for (const auto& [text, message] : refused) {
            env.prompts.seen.clear();
            d.CB_DO->setEditText(QString::fromStdString(text));
            d.OKBtnClick();
            EXPECT_EQ(env.prompts.texts(), Texts{message});
            EXPECT_EQ(d.focusWidget(), d.CB_DO);
            EXPECT_EQ(d.result(), 0);
        }
        EXPECT_TRUE(starts.empty());
        d.CB_DO->setEditText(QString::fromStdString(std::string(120, 'y')));
        d.OKBtnClick();
        EXPECT_EQ(d.result(), QDialog::Accepted);
        ASSERT_EQ(starts.size(), 1u);
        EXPECT_EQ(starts[0].program, std::string(120, 'y'));
    }
    TRunProgramDialog d;
    d.CB_DO->setEditText("C:\\TOOLS\\EDIT.EXE NOTES.TXT");
    d.OKBtnClick();
    ASSERT_EQ(starts.size(), 2u);
    EXPECT_EQ(starts[1].program, "C:\\TOOLS\\EDIT.EXE");
    EXPECT_EQ(starts[1].args, Texts{"NOTES.TXT"});
    EXPECT_EQ(starts[1].dir, "C:\\TOOLS\\");
    EXPECT_EQ(AppIni().ReadString("FDO", "CB_DO", ""), "C:\\TOOLS\\EDIT.EXE NOTES.TXT");
    EXPECT_EQ(LoadHistory("FDO", "PROGRAMS"), (Texts{"C:\\TOOLS\\EDIT.EXE NOTES.TXT", std::string(120, 'y'), "older"}));
    // A program that does not start is said, and the dialog closes anyway.
    plat::SetShellStartHook([](const std::string&, const Texts&, const std::string&) { return 2; });
    TRunProgramDialog failing;
    failing.CB_DO->setEditText("nothing");
    failing.OKBtnClick();
    EXPECT_EQ(env.prompts.last(), "File not found");
    EXPECT_EQ(failing.result(), QDialog::Accepted);
}

TEST_F(AppDialogTest, ParameterPromptOffersTheLastAnswerAndTheHistory) {
    TAppParamsDialog d("last", {"one", "two"});
    EXPECT_EQ(d.windowTitle(), "Application Parameters");
    EXPECT_EQ(d.E_Prompt->text(), "Please enter command line parameter");
    EXPECT_TRUE(d.E_Prompt->isReadOnly());
    EXPECT_EQ(d.E_Param->text(), "last");
    d.HistoryClick(1);
    EXPECT_EQ(d.E_Param->text(), "two");
}

TEST_F(AppDialogTest, ApplicationListRunsTheChosenName) {
    std::vector<int> chosen;
    TAppChooseDialog d({"A", "B"}, [&](int position) { chosen.push_back(position); });
    EXPECT_EQ(d.windowTitle(), "Application List");
    d.RunBtnClick();  // nothing selected: a beep
    EXPECT_TRUE(chosen.empty());
    EXPECT_EQ(d.result(), 0);
    d.DoubleClick(1);  // runs and stays open
    EXPECT_EQ(d.result(), 0);
    d.LB_Apps->setCurrentRow(0);
    d.RunBtnClick();
    EXPECT_EQ(chosen, (std::vector<int>{1, 0}));
    EXPECT_EQ(d.result(), QDialog::Accepted);
}

}  // namespace
