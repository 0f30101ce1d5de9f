// The text viewer in a main window: keys and the rows they show, the
// scaled scroll bar of a long file, the search and Find Again, the status
// panels, the Find Text dialog and the files that cannot be shown whole.
#include "ui/viewers/text_viewer.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QScrollBar>
#include <functional>
#include <utility>

#include "core/platform/platform.h"
#include "core/seams/progress.h"
#include "core/settings/app_ini.h"
#include "core/tagging/history.h"
#include "support/main_window_ui_fixture.h"
#include "ui/frame/status_line_bar.h"
#include "ui/viewers/find_text_dialog.h"
#include "ui/viewers/viewers_text_qt.h"

namespace {

std::string Numbered(int64_t n) {
    std::string s;
    for (int64_t i = 1; i <= n; ++i) s += "L" + std::to_string(i) + "\n";
    return s;
}

struct TextViewerTest : MainWindowUiTest {
    void SetUp() override {
        form = std::make_unique<Tmainform>();
        InstallTextViewers(*form);
        form->resize(900, 700);
        form->show();
    }
    void TearDown() override {
        form.reset();
        DeleteClosed();
    }
    // Opens a viewer on C:\name holding bytes, sized to show 10 rows.
    TFVAscii* View(const std::string& bytes, const std::string& name = "T.TXT") {
        env.WriteFile("c/" + name, bytes);
        TFVAscii* v = OpenTextViewer(*form, "C:\\" + name);
        if (!v) return nullptr;
        Settle(v);
        return v;
    }
    void Settle(TFVAscii* v) {
        QApplication::processEvents();
        const int h = QFontMetrics(v->ViewerFont).height();
        v->resize(600, v->height() - v->Pane->height() + 10 * h + h / 2);
        QApplication::processEvents();
    }
    void Keys(TFVAscii* v, int key, int times = 1, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        for (int i = 0; i < times; ++i) v->KeyDown(key, mods);
    }
};

TEST_F(TextViewerTest, CaseTwinsEachShowTheirOwnText) {
    env.WriteFile("c/TWIN.TXT", "upper\n");
    TFVAscii* v = View("lower\n", "twin.txt");
    ASSERT_TRUE(v);
    EXPECT_EQ(v->windowTitle(), "Ascii Viewer: C:\\twin.txt");
    EXPECT_EQ(v->ScreenRows().front(), "lower");
}

TEST_F(TextViewerTest, HomeUpEndAndTheEndOfFileRow) {
    TFVAscii* v = View(Numbered(100), "notes.txt");
    ASSERT_TRUE(v);
    EXPECT_EQ(v->windowTitle(), "Ascii Viewer: C:\\notes.txt");
    ASSERT_EQ(v->LinesPerScreen, 10);
    EXPECT_EQ(v->ScreenRows().front(), "L1");
    EXPECT_EQ(v->ScreenRows().size(), 11);  // one row more than fits, cut by the edge
    Keys(v, Qt::Key_Home);
    Keys(v, Qt::Key_Up);
    EXPECT_EQ(v->TopLine, 1);
    Keys(v, Qt::Key_End);
    EXPECT_EQ(v->TopLine, 100);
    EXPECT_EQ(v->ScreenRows(), (QStringList{"L100", "*** EOF ***"}));
    Keys(v, Qt::Key_Down);
    EXPECT_EQ(v->TopLine, 100);
    Keys(v, Qt::Key_PageUp);
    EXPECT_EQ(v->TopLine, 90);
    Keys(v, Qt::Key_PageDown, 3);
    EXPECT_EQ(v->TopLine, 100);
}

TEST_F(TextViewerTest, EmptyFileShowsTheEndAndNoLines) {
    TFVAscii* v = View("");
    ASSERT_TRUE(v);
    EXPECT_EQ(v->ScreenRows(), QStringList{"*** EOF ***"});
    v->UpdateStatus();
    EXPECT_EQ(form->StatusLine->P_Tags->text(), "Lines: 0");
    Keys(v, Qt::Key_End);
    EXPECT_EQ(v->TopLine, 1);
}

TEST_F(TextViewerTest, EveryLineOfTwoMillionReachable) {
    const int64_t lines = 2000000;
    TFVAscii* v = View(Numbered(lines));
    ASSERT_TRUE(v);
    EXPECT_EQ(v->LineCount, lines);
    // Over 30,000 screens: the bar moves in whole screens.
    EXPECT_EQ(v->ScrollScale, 10);
    EXPECT_EQ(v->VScroll->maximum(), lines / 10 + 1);
    EXPECT_EQ(v->VScroll->pageStep(), 1);
    Keys(v, Qt::Key_Down, 127);
    EXPECT_EQ(v->ScreenRows().front(), "L128");
    Keys(v, Qt::Key_Down);
    EXPECT_EQ(v->ScreenRows().front(), "L129");
    EXPECT_EQ(v->VScroll->value(), 13);  // line 129 lies on screen 13
    Keys(v, Qt::Key_End);
    EXPECT_EQ(v->ScreenRows(), (QStringList{"L2000000", "*** EOF ***"}));
    v->VScroll->setValue(2);
    EXPECT_EQ(v->TopLine, 11);
    EXPECT_EQ(v->ScreenRows().front(), "L11");
    v->VScroll->setValue(v->VScroll->maximum());
    EXPECT_EQ(v->TopLine, lines);
}

TEST_F(TextViewerTest, StatusPanelsShowPositionAndLines) {
    TFVAscii* v = View(Numbered(300) + std::string(200, 'w') + "\n");
    ASSERT_TRUE(v);
    QLabel* position = form->StatusLine->P_Counter;
    QLabel* count = form->StatusLine->P_Tags;
    v->Pane->repaint();
    EXPECT_EQ(position->text(), "P: 1:1");
    EXPECT_EQ(count->text(), "Lines: 301");
    Keys(v, Qt::Key_Down, 4);
    Keys(v, Qt::Key_Right);
    v->Pane->repaint();
    EXPECT_EQ(position->text(), "P: 5:2");
    EXPECT_EQ(v->ScreenRows().front(), "5");
    Keys(v, Qt::Key_Left, 5);
    EXPECT_EQ(v->FirstColumn, 1);
    // Right stops at the widest line.
    Keys(v, Qt::Key_Right, 500);
    EXPECT_EQ(v->FirstColumn, 201);
}

TEST_F(TextViewerTest, ShortLinesStillScrollToColumn80AndTabsExpand) {
    TFVAscii* v = View("\tx\nshort\n");
    ASSERT_TRUE(v);
    EXPECT_EQ(v->ScreenRows().front(), "       x");  // tab width 8: seven blanks
    Keys(v, Qt::Key_Right, 200);
    EXPECT_EQ(v->FirstColumn, 80);
}

TEST_F(TextViewerTest, TabsOptionChoosesTheExpansion) {
    struct Case {
        const char* stored;
        const char* row;
    } cases[] = {{"4", "   x"}, {"0", "\tx"}, {"1", " x"}, {"40", "       x"}, {"four", "       x"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored);
        AppIni().WriteString("Application", "Tabs", c.stored);
        TFVAscii* v = View("\tx\n");
        ASSERT_TRUE(v);
        EXPECT_EQ(v->ScreenRows().front(), c.row);
        v->close();
    }
}

TEST_F(TextViewerTest, TextShownAsTheUserReadsIt) {
    TFVAscii* v = View("gr\xc3\xbc\xc3\x9f\n\x93quoted\x94 caf\xe9\n");
    ASSERT_TRUE(v);
    const QStringList rows = v->ScreenRows();
    EXPECT_EQ(rows[0], QString::fromUtf8("gr\xc3\xbc\xc3\x9f"));
    EXPECT_EQ(rows[1], QString::fromUtf8("\xe2\x80\x9cquoted\xe2\x80\x9d caf\xc3\xa9"));
    Keys(v, Qt::Key_Right, 2);
    EXPECT_EQ(v->ScreenRows()[0], QString::fromUtf8("\xc3\xbc\xc3\x9f"));  // columns count characters
}

TEST_F(TextViewerTest, FindAgainNeverFindsTheSameLineTwice) {
    std::string text;
    for (int i = 1; i <= 200; ++i) text += (i == 5 || i == 6 || i == 150 ? "a Needle here" : "hay") + std::string("\n");
    TFVAscii* v = View(text);
    ASSERT_TRUE(v);
    EXPECT_FALSE(v->FindAgainItem->isEnabled());
    form->FindState() = {"needle", false, true, true};
    v->SearchWithFindState();
    EXPECT_EQ(v->TopLine, 5);
    EXPECT_TRUE(v->FindAgainItem->isEnabled());
    v->FindAgain();
    EXPECT_EQ(v->TopLine, 6);
    v->FindAgain();
    EXPECT_EQ(v->TopLine, 150);
    EXPECT_TRUE(env.prompts.texts().empty());
    v->FindAgain();
    EXPECT_EQ(v->TopLine, 150);
    EXPECT_EQ(env.prompts.texts(), std::vector<std::string>{"Search string not found!"});
    EXPECT_FALSE(v->FindAgainItem->isEnabled());

    // Case-sensitive, not from the top: starts at the top line.
    form->FindState() = {"Needle", true, false, true};
    v->SearchWithFindState();
    EXPECT_EQ(v->TopLine, 150);
    form->FindState() = {"needle", true, true, true};
    v->SearchWithFindState();
    EXPECT_EQ(env.prompts.last(), "Search string not found!");
    EXPECT_EQ(env.prompts.texts().size(), 2u);
}

TEST_F(TextViewerTest, DeletedFileGivesTheMessageAndClosesTheWindow) {
    EXPECT_EQ(OpenTextViewer(*form, "C:\\gone.txt"), nullptr);
    EXPECT_EQ(env.prompts.texts(), std::vector<std::string>{"Error reading file: C:\\gone.txt"});
    DeleteClosed();
    EXPECT_TRUE(form->MDIChildren().isEmpty());
}

TEST_F(TextViewerTest, FileThatShrinksOrVanishesShowsItsEnd) {
    TFVAscii* v = View(Numbered(3000));
    ASSERT_TRUE(v);
    env.WriteFile("c/T.TXT", "only\n");
    Keys(v, Qt::Key_End);
    EXPECT_EQ(v->ScreenRows().front(), "*** EOF ***");
    Keys(v, Qt::Key_Home);
    EXPECT_EQ(v->ScreenRows(), (QStringList{"only", "*** EOF ***"}));
    ASSERT_EQ(plat::DeleteFile("C:\\T.TXT"), plat::FileError::None);
    Keys(v, Qt::Key_PageDown);
    EXPECT_EQ(v->ScreenRows().back(), "*** EOF ***");
    EXPECT_TRUE(env.prompts.texts().empty());
}

TEST_F(TextViewerTest, BinaryFileAndHugeLineShowWithoutError) {
    std::string bytes(std::string("\x7f" "ELF\0\0\1\2", 8) + std::string(10 * 1024 * 1024, 'z') + "\nend\n");
    TFVAscii* v = View(bytes);
    ASSERT_TRUE(v);
    EXPECT_EQ(v->ScreenRows().front().left(5), QString::fromUtf8("\x7f" "ELF "));
    // 10 MB in pieces of 4096 bytes, then "end".
    EXPECT_EQ(v->LineCount, (8 + 10 * 1024 * 1024) / 4096 + 1 + 1);
    Keys(v, Qt::Key_End);
    EXPECT_EQ(v->ScreenRows().front(), "end");
    EXPECT_TRUE(env.prompts.texts().empty());
}

// A gauge that moves at every step and lets the test act while the walk
// handles events.
struct ActingGauge : TProgress {
    std::function<void()> act;
    int steps = 0;
    void StartProgress(int) override {}
    bool StepProgress(int, int) override { return ++steps > 0; }
    void StopProgress() override {}
    void ProcessEvents() override {
        if (act) std::exchange(act, nullptr)();
    }
};

TEST_F(TextViewerTest, EscapeOrClosingStopsALongLoad) {
    env.WriteFile("c/LONG.TXT", Numbered(100000));
    ActingGauge gauge;
    SetProgress(&gauge);
    auto viewer = [&] { return qobject_cast<TFVAscii*>(form->MDIChildren().last()); };
    gauge.act = [&] { viewer()->KeyDown(Qt::Key_Escape, Qt::NoModifier); };
    TFVAscii* v = OpenTextViewer(*form, "C:\\LONG.TXT");
    ASSERT_TRUE(v);
    EXPECT_EQ(v->LineCount, 128);  // the lines counted so far stay viewable
    EXPECT_FALSE(v->Loading());
    Settle(v);
    EXPECT_EQ(v->ScreenRows().front(), "L1");

    gauge.act = [&] { viewer()->close(); };
    EXPECT_EQ(OpenTextViewer(*form, "C:\\LONG.TXT"), nullptr);
    SetProgress(nullptr);
    DeleteClosed();
    EXPECT_EQ(form->MDIChildren().size(), 1);
    EXPECT_TRUE(env.prompts.texts().empty());
    EXPECT_GT(gauge.steps, 0);
}

TEST_F(TextViewerTest, FindTextDialog) {
    TFindState state;
    TFindTextDialog dialog(state);
    EXPECT_TRUE(dialog.CB_Top->isChecked());
    EXPECT_FALSE(dialog.CB_Case->isChecked());
    EXPECT_EQ(dialog.CB_Text->currentText(), "");
    dialog.OKBtnClick();
    EXPECT_EQ(env.prompts.last(), "Please enter text to find!");
    EXPECT_FALSE(state.Ok);
    EXPECT_NE(dialog.result(), QDialog::Accepted);

    dialog.CB_Text->setEditText("needle");
    dialog.CB_Top->setChecked(false);
    dialog.CB_Case->setChecked(true);
    dialog.OKBtnClick();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_TRUE(state.Ok);
    EXPECT_EQ(state.Text, "needle");
    EXPECT_FALSE(state.FromTop);
    EXPECT_TRUE(state.CaseSensitive);
    EXPECT_EQ(LoadHistory("Find", "CB_Text"), std::vector<std::string>{"needle"});

    TFindTextDialog again(state);
    EXPECT_FALSE(again.CB_Top->isChecked());
    EXPECT_TRUE(again.CB_Case->isChecked());
    EXPECT_EQ(again.CB_Text->count(), 1);
    EXPECT_EQ(again.CB_Text->currentText(), "");
    again.CancelBtnClick();
    EXPECT_FALSE(state.Ok);
}

TEST_F(TextViewerTest, ViewTextCommandOpensOneWindowPerRequest) {
    env.WriteFile("c/A.TXT", "a\n");
    EXPECT_TRUE(form->HasCommand(TCommand::ViewText));
    form->RunCommand(TCommand::ViewText, {nullptr, "C:\\A.TXT"});
    form->RunCommand(TCommand::ViewText, {nullptr, "C:\\A.TXT"});
    EXPECT_EQ(form->MDIChildren().size(), 2);
}

}  // namespace
