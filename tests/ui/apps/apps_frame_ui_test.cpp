// The applications and quick directories in a real main window: the
// category box, the Applications menus of a split window, starting on the
// window's entry, Quick Add, the quick directory dialogs and autoload at the
// first activation.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QListWidget>
#include <QTableWidget>
#include <QTimer>
#include <filesystem>

#include <gtest/gtest.h>

#include "core/platform/platform.h"
#include "core/settings/app_ini.h"
#include "support/main_window_ui_fixture.h"
#include "ui/apps/apps_qt.h"
#include "ui/apps/quick_dir_list_dialog.h"
#include "ui/apps/quick_dir_update_dialog.h"
#include "ui/apps/app_choose_dialog.h"
#include "ui/dirwin/cmb_dir_window.h"
#include "ui/dirwin/directory_windows_qt.h"
#include "ui/dirwin/file_list_view.h"
#include "ui/dirwin/sep_dir_window.h"
#include "ui/frame/speed_bar_widget.h"
#include "ui/search/drive_search_dialog.h"
#include "ui/viewers/text_editor.h"
#include "ui/viewers/viewers_text_qt.h"

namespace {

using Texts = std::vector<std::string>;

struct Start {
    std::string program;
    Texts args;
    std::string dir;
};

struct AppsFrameTest : MainWindowUiTest {
    TAppsParts* parts = nullptr;
    std::vector<Start> starts;

    void SetUp() override {
        std::filesystem::create_directories(env.hostC + "/WORK");
        std::filesystem::create_directories(env.hostD + "/DATA");
        plat::SetShellStartHook([this](const std::string& p, const Texts& a, const std::string& d) {
            starts.push_back({p, a, d});
            return 42;
        });
    }
    void Make() {
        form = std::make_unique<Tmainform>();
        InstallDirectoryWindows(*form);
        parts = &InstallApplications(*form);
    }
    void TearDown() override {
        form.reset();
        DeleteClosed();
    }
    TSepDir* Open(const std::string& dir) {
        plat::SetCurrentDir(dir);
        return qobject_cast<TSepDir*>(form->OpenDirectoryWindow());
    }
    QStringList Categories() {
        QStringList out;
        for (int i = 0; i < form->SpeedBar->CB_Category->count(); ++i) out << form->SpeedBar->CB_Category->itemText(i);
        return out;
    }
    static int Shown(const QList<QAction*>& items) {
        int n = 0;
        for (QAction* a : items) n += a->isVisible() ? 1 : 0;
        return n;
    }
};

TEST_F(AppsFrameTest, CategoryBoxAndMenusShowTheChosenCategory) {
    Make();
    for (int i = 1; i <= 10; ++i) parts->Apps.Add({"Many", "App" + std::to_string(i), "ed", "", "", false});
    parts->Apps.Add({"Few", "Lone", "ed", "", "", false});
    AddCategory("Many");
    AddCategory("Few");
    form->ReloadCategoryBox();
    EXPECT_EQ(Categories(), (QStringList{"", "Few", "Many"}));
    EXPECT_EQ(form->SpeedBar->CB_Category->currentIndex(), 0);

    TSepDir* w = Open("C:\\WORK");
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->AppMenu->menuAction()->isEnabled());
    const std::pair<const char*, int> cases[] = {{"Many", 9}, {"Few", 1}, {"", 9}};
    for (auto [category, shown] : cases) {
        form->SpeedBar->CB_Category->setCurrentText(category);
        emit w->AppMenu->aboutToShow();
        EXPECT_EQ(Shown(w->AppItems), shown) << category;
        EXPECT_EQ(w->AppMoreItem->isVisible(), shown == 9) << category;
    }
    form->SpeedBar->CB_Category->setCurrentText("Few");
    emit w->AppMenu->aboutToShow();
    EXPECT_EQ(w->AppItems[0]->text(), "&1: Lone");
}

TEST_F(AppsFrameTest, AResultWindowsMoreItemOffersTheCategoryToRunOnItsRow) {
    env.WriteFile("c/WORK/A/found.txt", "x");
    Make();
    parts->Apps.Add({"", "Show", "C:\\BIN\\SHOW", "", "%F", false});
    TDriveSearchCriteria criteria;
    criteria.BaseDirectory = "C:\\WORK";
    criteria.Patterns = "*.TXT";
    TCmbDir* w = OpenResultWindow(*form, criteria);
    ASSERT_TRUE(w);
    ASSERT_EQ(w->GetListCount(), 1);
    w->LB1->SetCurrentRow(0);
    // Visible from the start; the choice of the category, run on the row.
    EXPECT_TRUE(w->AppMoreItem->isVisible());
    EXPECT_TRUE(w->ListAppMoreItem->isVisible());
    std::string title;
    QTimer::singleShot(0, [&title] {
        auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!modal) return;
        title = modal->windowTitle().toStdString();
        auto* d = qobject_cast<TAppChooseDialog*>(modal);
        if (!d) return modal->reject();
        d->LB_Apps->setCurrentRow(0);
        d->RunBtn->click();
    });
    w->AppMoreItem->trigger();
    EXPECT_EQ(title, "Application List");
    ASSERT_EQ(starts.size(), 1u);
    EXPECT_EQ(starts[0].args, Texts{env.hostC + "/WORK/A/found.txt"});
}

TEST_F(AppsFrameTest, AnApplicationStartsOnTheWindowsEntryWithNameAsOneArgument) {
    const std::string odd = "a b;$(touch X).txt";
    env.WriteFile("c/WORK/" + odd, "x");
    Make();
    parts->Apps.Add({"", "Show", "C:\\BIN\\SHOW", "", "-f %F %N", false});
    parts->Apps.Add({"", "Test", "C:\\BIN\\SHOW", "D:\\DATA", "-n %N", true});
    TSepDir* w = Open("C:\\WORK");
    ASSERT_EQ(w->GetListCount(), 1);
    w->LB1->SetCurrentRow(0);
    ASSERT_EQ(w->GetCurrentName(), odd);
    emit w->AppMenu->aboutToShow();
    w->AppItems[0]->trigger();
    ASSERT_EQ(starts.size(), 1u);
    EXPECT_EQ(starts[0].program, "C:\\BIN\\SHOW");
    EXPECT_EQ(starts[0].args, (Texts{"-f", env.hostC + "/WORK/" + odd, odd}));
    EXPECT_EQ(starts[0].dir, w->GetDirectory());
    // Test mode shows the line and starts nothing.
    w->AppItems[1]->trigger();
    EXPECT_EQ(starts.size(), 1u);
    EXPECT_EQ(env.prompts.texts(), Texts{"Command line is: \n-n \"" + odd + "\""});
    EXPECT_FALSE(env.Exists("c/WORK/X"));
}

TEST_F(AppsFrameTest, TheEditorsApplicationsMenuStartsOnItsFile) {
    env.WriteFile("c/WORK/notes.txt", "x\n");
    Make();
    InstallTextViewers(*form);
    form->show();
    parts->Apps.Add({"", "Show", "C:\\BIN\\SHOW", "", "%F", false});
    form->RunCommand(TCommand::EditFile, {nullptr, "C:\\WORK\\notes.txt"});
    auto* editor = qobject_cast<Tf_Editor*>(form->ActiveChild());
    ASSERT_TRUE(editor);
    emit editor->AppMenu->aboutToShow();
    EXPECT_EQ(Shown(editor->AppItems), 1);
    ASSERT_TRUE(editor->AppItems[0]->isEnabled());
    editor->AppItems[0]->trigger();
    ASSERT_EQ(starts.size(), 1u);
    EXPECT_EQ(starts[0].args, Texts{env.hostC + "/WORK/notes.txt"});
    EXPECT_TRUE(env.prompts.texts().empty());
}

TEST_F(AppsFrameTest, QuickAddTwiceAddsTwoEntries) {
    Make();
    TSepDir* w = Open("C:\\WORK");
    w->Options.Wildcards = "*.TXT";
    form->RunCommand(TCommand::QuickAdd, {w});
    form->RunCommand(TCommand::QuickAdd, {w});
    ASSERT_EQ(parts->Quick.Count(), 2);
    EXPECT_EQ(parts->Quick.Entry(0), (TQuickDir{"C:\\WORK", "C:\\WORK", "*.TXT", true}));
    EXPECT_EQ(parts->Quick.Entry(1), parts->Quick.Entry(0));
    TDlist stored;
    stored.Load();
    EXPECT_EQ(stored.Count(), 2);
}

TEST_F(AppsFrameTest, AutoloadOpensEachMarkedDirectoryWithItsPatterns) {
    env.WriteFile("c/WORK/a.txt", "x");
    env.WriteFile("c/WORK/b.doc", "x");
    Make();
    parts->Quick.Add("Work", "C:\\WORK", true, "*.TXT");
    parts->Quick.Add("Off", "C:\\", false, "*.*");
    parts->Quick.Add("Data", "D:\\DATA", true, "*.DAT");
    plat::SetCurrentDir("C:\\");
    form->FirstActivation();
    const QList<TMDIChild*> windows = form->DirectoryWindowsInOrder();
    ASSERT_EQ(windows.size(), 2);
    EXPECT_EQ(windows[0]->GetDirectory(), "C:\\WORK");
    EXPECT_EQ(windows[0]->Options.Wildcards, "*.TXT");
    EXPECT_EQ(windows[0]->GetListCount(), 1);
    EXPECT_EQ(windows[1]->GetDirectory(), "D:\\DATA");
    EXPECT_EQ(windows[1]->Options.Wildcards, "*.DAT");
    EXPECT_TRUE(env.prompts.seen.empty());
}

TEST_F(AppsFrameTest, AVanishedAutoloadDirectoryIsSaidAndStartUpGoesOn) {
    Make();
    parts->Quick.Add("Gone", "C:\\GONE", true, "*.TXT");
    parts->Quick.Add("Unknown drive", "Q:\\X", true, "*.TXT");
    parts->Quick.Add("Data", "D:\\DATA", true, "*.DAT");
    plat::SetCurrentDir("C:\\");
    form->FirstActivation();
    EXPECT_EQ(env.prompts.texts(), (Texts{"Error loading: C:\\GONE", "Error loading: Q:\\X"}));
    ASSERT_EQ(form->DirectoryWindowsInOrder().size(), 3);
    EXPECT_EQ(form->DirectoryWindowsInOrder()[2]->GetDirectory(), "D:\\DATA");
    EXPECT_EQ(parts->Quick.Count(), 3);  // the list is untouched
}

TEST_F(AppsFrameTest, WithoutAutoloadOneOrdinaryWindowOpens) {
    Make();
    parts->Quick.Add("Off", "D:\\DATA", false, "*.DAT");
    plat::SetCurrentDir("C:\\WORK");
    form->FirstActivation();
    ASSERT_EQ(form->DirectoryWindowsInOrder().size(), 1);
    EXPECT_EQ(form->DirectoryWindowsInOrder()[0]->GetDirectory(), "C:\\WORK");
    EXPECT_EQ(form->DirectoryWindowsInOrder()[0]->Options.Wildcards, "*.*");
}

TEST_F(AppsFrameTest, QuickUpdateRefusesBadFieldsInOrderAndKeepsTheCurrentDirectory) {
    Make();
    Open("D:\\DATA");
    Open("C:\\WORK");
    Open("C:\\WORK");
    plat::SetCurrentDir("C:\\WORK");
    TQuickDirUpdateDialog d(parts->Quick, -1, {"D:\\DATA", "C:\\WORK", "C:\\WORK"});
    EXPECT_EQ(d.windowTitle(), "Quick Directory Update");
    EXPECT_EQ(d.CB_Directory->count(), 2);
    EXPECT_EQ(d.E_Wild->text(), "*.*");
    const std::tuple<const char*, const char*, const char*, const char*, QWidget*> cases[] = {
        {" ", "C:\\", "*.*", "A name is required!", d.E_Name},
        {"N", "  ", "*.*", "A directory is required!", d.CB_Directory},
        {"N", "\\TEMP", "*.*", "The drive MUST be entered!", d.CB_Directory},
        {"N", "C:\\NOPE", "*.*", "That directory is not valid!", d.CB_Directory},
        {"N", "D:\\DATA", " ", "Please enter filename wildcards!", d.E_Wild},
        {"N", "D:\\DATA", "*.TXT;;*.DOC", "Please enter valid pattern(s)", d.E_Wild},
    };
    for (const auto& [name, dir, wild, message, field] : cases) {
        env.prompts.seen.clear();
        d.E_Name->setText(name);
        d.CB_Directory->setEditText(dir);
        d.E_Wild->setText(wild);
        d.OKBtnClick();
        EXPECT_EQ(env.prompts.texts(), Texts{message});
        EXPECT_EQ(d.focusWidget(), field) << message;
        EXPECT_EQ(plat::GetCurrentDir(), "C:\\WORK") << message;
    }
    EXPECT_EQ(parts->Quick.Count(), 0);
    d.E_Name->setText(" Data ");
    d.CB_Directory->setEditText(" d:\\DATA ");
    d.E_Wild->setText(" *.DAT ");
    d.CB_Autoload->setChecked(true);
    d.OKBtnClick();
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_EQ(plat::GetCurrentDir(), "C:\\WORK");
    ASSERT_EQ(parts->Quick.Count(), 1);
    EXPECT_EQ(parts->Quick.Entry(0), (TQuickDir{"Data", "d:\\DATA", "*.DAT", true}));
}

TEST_F(AppsFrameTest, QuickListEnablingAutoloadDeleteAndLoad) {
    Make();
    std::vector<int> opened;
    TQuickDirListDialog d(parts->Quick, [&](int n) { opened.push_back(n); });
    EXPECT_EQ(d.windowTitle(), "Quick Directory List");
    for (QWidget* w : std::initializer_list<QWidget*>{d.Grid, d.ChangeBtn, d.DeleteBtn, d.LoadBtn})
        EXPECT_FALSE(w->isEnabled());
    d.OpenUpdate = [&](int index) {
        if (index < 0) parts->Quick.Add("Q" + std::to_string(parts->Quick.Count()), "C:\\WORK", false, "*.*");
        return index < 0;
    };
    d.AddClick();
    d.AddClick();
    ASSERT_EQ(d.Grid->rowCount(), 2);
    EXPECT_TRUE(d.LoadBtn->isEnabled());
    EXPECT_EQ(d.Grid->item(1, 0)->text(), "Q1");
    EXPECT_EQ(d.Grid->item(1, 1)->text(), "No");
    d.SelectRow(1);
    d.ToggleAutoload();
    EXPECT_EQ(d.Grid->item(1, 1)->text(), "Yes");
    TDlist stored;
    stored.Load();
    EXPECT_TRUE(stored.GetLoad(1));
    d.SelectRow(0);
    d.DeleteClick();
    ASSERT_EQ(d.Grid->rowCount(), 1);
    EXPECT_EQ(d.Grid->item(0, 0)->text(), "Q1");
    d.LoadClick();
    EXPECT_EQ(opened, std::vector<int>{0});
    EXPECT_EQ(d.result(), QDialog::Accepted);
}

}  // namespace

namespace {

TEST_F(AppsFrameTest, QuickListColumnWidthsAreKeptOnceSet) {
    Make();
    parts->Quick.Add("Work", "C:\\WORK", true, "*.*");
    {
        TQuickDirListDialog d(parts->Quick, [](int) {});
        d.show();
        EXPECT_EQ(QuickGridWidth(0), -1);  // the widths laid out on showing are not stored
        EXPECT_EQ(d.Grid->columnWidth(1), 10 * QFontMetrics(d.font()).horizontalAdvance('A'));
        d.Grid->setColumnWidth(0, 123);
        EXPECT_EQ(QuickGridWidth(0), 123);
    }
    TQuickDirListDialog again(parts->Quick, [](int) {});
    again.show();
    EXPECT_EQ(again.Grid->columnWidth(0), 123);
}

}  // namespace
