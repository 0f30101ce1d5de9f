// "Directory Options" over real split windows: where it opens from, every
// refusal with the field it focuses, the sort lists, what OK changes in the
// window, the defaults and the ini, and which windows re-read.
#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QFocusEvent>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QRadioButton>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QToolButton>

#include "core/settings/quilby_options.h"
#include "support/fake_dir_window.h"
#include "ui/frame/main_window.h"
#include "ui/frame/speed_bar_widget.h"
#include "ui/options/window_options_dialog.h"
#include "options_ui_fixture.h"

namespace {

struct WindowOptionsTest : OptionsUiTest {
    TCountingSepDir* window = nullptr;
    void SetUp() override {
        env.WriteFile("c/WORK/readme.txt", "hello");
        env.WriteFile("c/WORK/big.bin", std::string(300, 'x'));
        form = MakeForm();
        window = Open("C:\\WORK");
        ASSERT_NE(window, nullptr);
    }
    static std::vector<std::string> Items(const QListWidget* list) {
        std::vector<std::string> out;
        for (int i = 0; i < list->count(); ++i) out.push_back(list->item(i)->text().toStdString());
        return out;
    }
    static void Pick(QListWidget* list, const char* text) {
        list->setCurrentItem(list->findItems(text, Qt::MatchExactly).value(0));
    }
    QStringList HeaderCaptions() {
        QStringList out;
        auto* model = window->Header1->model();
        for (int i = 0; i < model->columnCount(); ++i)
            out << model->headerData(i, Qt::Horizontal).toString();
        return out;
    }
};

struct Refusal {
    const char* what;
    std::function<void(TWindowOptionsDialog&)> fill;
    std::string message;
    MsgIcon icon;
    const char* focused;
};

}  // namespace

TEST_F(WindowOptionsTest, TheButtonAndTheWindowsCommandOpenItOnTheActiveWindow) {
    ASSERT_TRUE(form->SpeedBar->SB_Options->isEnabled());
    int opened = 0;
    auto check = [&](TWindowOptionsDialog& d) {
        ++opened;
        EXPECT_EQ(d.windowTitle(), "Directory Options");
        EXPECT_EQ(&d.Target(), &window->Options);
    };
    WhenOpened<TWindowOptionsDialog>(check);
    form->SpeedBar->SB_Options->click();
    emit window->OptionsMenu->aboutToShow();
    ASSERT_TRUE(window->AllOptionsItem->isEnabled());
    WhenOpened<TWindowOptionsDialog>(check);
    window->AllOptionsItem->trigger();
    EXPECT_EQ(opened, 2);
}

TEST_F(WindowOptionsTest, EveryRefusalNamesItsFieldAndLeavesTheRecordAlone) {
    const std::vector<Refusal> refusals{
        {"equal sizes while used",
         [](TWindowOptionsDialog& d) {
             d.CB_UseSize->setChecked(true);
             d.E_SizeFrom->setText("100");
             d.E_SizeTo->setText("100");
         },
         "Invalid size range entered!", MsgIcon::None, "E_SizeFrom"},
        {"ten blanks while unused",
         [](TWindowOptionsDialog& d) { d.E_SizeTo->setText(QString(10, ' ')); },
         "Invalid number entered!", MsgIcon::Error, "E_SizeTo"},
        {"reversed dates",
         [](TWindowOptionsDialog& d) {
             d.CB_UseDate->setChecked(true);
             d.E_DateFrom->setText("03/01/24");
             d.E_DateTo->setText("02/01/24");
         },
         "Invalid date range entered!", MsgIcon::None, "E_DateFrom"},
        {"no date", [](TWindowOptionsDialog& d) { d.E_DateTo->setText("13/40/24"); },
         "Invalid date entered!", MsgIcon::Error, "E_DateTo"},
        {"bad patterns", [](TWindowOptionsDialog& d) { d.E_Patterns->setText("*.TXT;;"); },
         "Please enter valid pattern(s)", MsgIcon::None, "E_Patterns"},
    };
    for (const Refusal& r : refusals) {
        env.prompts.seen.clear();
        const std::string keys = window->Options.SortKeys;
        TWindowOptionsDialog d(*form, window);
        d.show();
        d.TabSet->setCurrentIndex(0);
        d.LB_SortBy->clear();  // an edit on another page that must not land
        d.CB_System->setChecked(true);
        r.fill(d);
        d.OKBtnClick();
        ASSERT_EQ(env.prompts.seen.size(), 1u) << r.what;
        EXPECT_EQ(env.prompts.seen[0].text, r.message) << r.what;
        EXPECT_EQ(env.prompts.seen[0].icon, r.icon) << r.what;
        EXPECT_TRUE(d.isVisible()) << r.what;
        ASSERT_TRUE(d.focusWidget()) << r.what;
        EXPECT_EQ(d.focusWidget()->objectName(), r.focused) << r.what;
        EXPECT_EQ(d.TabSet->currentIndex(), 2) << r.what << ": the field's page is shown";
        EXPECT_EQ(window->Options.SortKeys, keys) << r.what;
        EXPECT_FALSE(window->Options.A_System) << r.what;
    }
    // Unchecked, equal sizes are accepted.
    TWindowOptionsDialog d(*form, window);
    d.E_SizeFrom->setText("100");
    d.E_SizeTo->setText("100");
    env.prompts.seen.clear();
    d.OKBtnClick();
    EXPECT_TRUE(env.prompts.seen.empty()) << env.prompts.last();
    EXPECT_EQ(window->Options.SZ_MIN, 100);
}

TEST_F(WindowOptionsTest, SortListsMoveFieldsAndStoreTheirLetters) {
    window->Options.SortKeys = "D";  // as the sort box leaves it
    {
        TWindowOptionsDialog d(*form, window);
        EXPECT_EQ(Items(d.LB_SortBy), std::vector<std::string>{"Date"});
        EXPECT_EQ(Items(d.LB_Available), (std::vector<std::string>{"Filename", "Extension", "Size"}));
        d.AddSortField();  // nothing selected: nothing moves
        EXPECT_EQ(d.LB_SortBy->count(), 1);
        for (const char* field : {"Filename", "Extension", "Size"}) {
            Pick(d.LB_Available, field);
            d.AddSortBtn->click();
        }
        EXPECT_EQ(d.LB_Available->count(), 0);
        d.OKBtnClick();
    }
    EXPECT_EQ(window->Options.SortKeys, "DNES");
    EXPECT_EQ(Ini("SOptions", "Sort"), "DNES");
    EXPECT_EQ(DefaultOptions().SortKeys, "DNES");

    {
        TWindowOptionsDialog d(*form, window);
        d.CB_Default->setChecked(false);
        for (const char* field : {"Date", "Filename", "Extension", "Size"}) {
            Pick(d.LB_SortBy, field);
            d.RemoveSortField();
        }
        EXPECT_EQ(Items(d.LB_Available), (std::vector<std::string>{"Date", "Filename", "Extension", "Size"}));
        d.OKBtnClick();
    }
    EXPECT_EQ(window->Options.SortKeys, "");
    EXPECT_EQ(Ini("SOptions", "Sort"), "DNES");
}

TEST_F(WindowOptionsTest, NoTimeHidesTheTimeColumn) {
    ASSERT_TRUE(HeaderCaptions().contains("Time"));
    TWindowOptionsDialog d(*form, window);
    d.CB_Time->setCurrentIndex(d.CB_Time->findText("(none)"));
    d.CB_Default->setChecked(false);
    d.OKBtnClick();
    EXPECT_EQ(window->Options.Time, "(none)");
    EXPECT_FALSE(HeaderCaptions().contains("Time"));
    EXPECT_EQ(window->Options.DFields.find('T'), std::string::npos);
    EXPECT_EQ(window->reads, 1);  // the header rebuilt, the directory read
}

TEST_F(WindowOptionsTest, OkRefreshesTheActiveWindowAndRepaintsTheOthers) {
    TCountingSepDir* other = window;
    auto* result = new TFakeDirWindow(form.get(), "C:\\WORK", true);
    form->AddChild(result);
    window = Open("C:\\WORK");
    ASSERT_EQ(form->ActiveDirectoryWindow(), window);
    other->ResetCounts();
    result->reads = result->repaints = 0;

    TWindowOptionsDialog d(*form, window);
    d.CB_Hidden->setChecked(true);
    d.CB_Default->setChecked(false);
    d.OKBtnClick();
    EXPECT_TRUE(window->Options.A_Hidden);
    EXPECT_FALSE(other->Options.A_Hidden);
    EXPECT_EQ(window->headers, 1);
    EXPECT_EQ(window->reads, 1);
    EXPECT_EQ(other->reads, 0);
    EXPECT_GE(other->repaints, 1);
    EXPECT_EQ(result->reads, 0);
    EXPECT_EQ(result->repaints, 1);
}

TEST_F(WindowOptionsTest, WithoutADirectoryWindowItEditsTheDefaultsForLaterWindows) {
    form->CloseAllWindows();
    DeleteClosed();
    ASSERT_EQ(form->ActiveDirectoryWindow(), nullptr);
    const std::string iniBefore = env.ReadFile("QUILBY.INI");
    WhenOpened<TWindowOptionsDialog>([](TWindowOptionsDialog& d) {
        EXPECT_EQ(&d.Target(), &DefaultOptions());
        d.E_Patterns->setText("*.TXT");
        d.RB_Upper->setChecked(true);
        d.CB_Default->setChecked(false);
        d.OKBtnClick();
    });
    ShowWindowOptions(*form);
    EXPECT_EQ(DefaultOptions().Wildcards, "*.TXT");
    EXPECT_EQ(DefaultOptions().Case, "U");
    EXPECT_EQ(env.ReadFile("QUILBY.INI"), iniBefore);
    TCountingSepDir* later = Open("C:\\WORK");
    ASSERT_NE(later, nullptr);
    EXPECT_EQ(later->Options.Wildcards, "*.TXT");
    EXPECT_EQ(later->GetEntryCount(), 1);
}

TEST_F(WindowOptionsTest, DefaultStoresTheRecordAndTheProgramSettingsButNotTabs) {
    form->Tabs = 4;
    form->Display().ExeItalic = true;
    TWindowOptionsDialog d(*form, window);
    d.RB_KBytes->setChecked(true);
    d.SE_Refresh->setValue(30);
    d.E_SizeTo->setText("12345678901234567890");  // twenty digits: too big for a size
    d.OKBtnClick();
    EXPECT_EQ(env.prompts.last(), "Invalid number entered!");
    d.E_SizeTo->setText("1234567890123");
    d.OKBtnClick();
    EXPECT_EQ(window->Options.SZ_MAX, 1234567890123LL);
    EXPECT_EQ(Ini("FOptions", "SZ_MAX"), "1234567890123");
    EXPECT_EQ(Ini("VOptions", "Size"), "2");
    EXPECT_EQ(Ini("ROptions", "DSRefresh"), "30");
    EXPECT_EQ(Ini("Mainform", "ExeItalic"), "1");
    EXPECT_EQ(Ini("Application", "FontName"), form->Display().ListFont.family().toStdString());
    EXPECT_EQ(Ini("Application", "Tabs"), "(unset)");
}

TEST_F(WindowOptionsTest, StoredValuesOutOfRangeShowTheDefaultChoices) {
    window->Options.Case = "X";
    window->Options.Size = 7;
    window->Options.Date = "junk";
    window->Options.SortKeys = "Q";
    TWindowOptionsDialog d(*form, window);
    EXPECT_TRUE(d.RB_AsIs->isChecked());
    EXPECT_TRUE(d.RB_Bytes->isChecked());
    EXPECT_EQ(d.CB_Date->currentIndex(), -1);
    EXPECT_EQ(d.LB_SortBy->count(), 0);
    EXPECT_EQ(d.LB_Available->count(), 4);
    d.CB_Default->setChecked(false);
    d.OKBtnClick();
    EXPECT_EQ(window->Options.Case, "P");
    EXPECT_EQ(window->Options.Size, 1);
    EXPECT_EQ(window->Options.Date, "junk");  // no choice keeps the stored format
}

TEST_F(WindowOptionsTest, CancelLeavesTheRecord) {
    TWindowOptionsDialog d(*form, window);
    d.CB_Hidden->setChecked(true);
    d.CancelBtn->click();
    EXPECT_FALSE(window->Options.A_Hidden);
    EXPECT_EQ(window->reads, 0);
}

TEST_F(WindowOptionsTest, LeavingThePatternsFieldChecksIt) {
    TWindowOptionsDialog d(*form, window);
    d.show();
    d.TabSet->setCurrentIndex(2);
    d.E_Patterns->setText(";");
    // Another window taking the focus (the message box itself) checks nothing.
    QFocusEvent away(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(d.E_Patterns, &away);
    QApplication::processEvents();
    EXPECT_TRUE(env.prompts.seen.empty());
    QFocusEvent tab(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(d.E_Patterns, &tab);
    QApplication::processEvents();
    EXPECT_EQ(env.prompts.texts(), std::vector<std::string>{"Please enter valid pattern(s)"});
    EXPECT_EQ(d.focusWidget(), d.E_Patterns);
    d.E_Patterns->setText("*.C;-*.BAK");
    QApplication::sendEvent(d.E_Patterns, &tab);
    QApplication::processEvents();
    EXPECT_EQ(env.prompts.seen.size(), 1u);
}
