// The search result window in a real main window: captions numbered among
// result windows, relative names and full paths of the rows, the DSRefresh
// rule after a change inside the searched tree, Escape and closing during a
// long search, a full list closing the window, and the hint line after a
// search that passed directories over.
#include <QApplication>
#include <QKeyEvent>
#include <QTimer>
#include <filesystem>

#include "core/fileops/change_notifier.h"
#include "core/fileops/file_set.h"
#include "core/platform/platform.h"
#include "support/main_window_ui_fixture.h"
#include "ui/dirwin/cmb_dir_window.h"
#include "ui/dirwin/file_list_view.h"
#include "ui/fileops/delete_dialog.h"
#include "ui/fileops/file_operation_dialog.h"
#include "ui/search/drive_search_dialog.h"

namespace {

struct CmbDirUiTest : MainWindowUiTest {
    void SetUp() override {
        form = std::make_unique<Tmainform>();
        form->FirstActivationPending = false;
        form->show();
        QApplication::processEvents();
    }
    void TearDown() override {
        form.reset();
        DeleteClosed();
    }
    TCmbDir* Search(const std::string& base, const std::string& patterns) {
        TDriveSearchCriteria c;
        c.BaseDirectory = base;
        c.Patterns = patterns;
        return OpenResultWindow(*form, c);
    }
    std::vector<std::string> Names(TCmbDir* w) {
        std::vector<std::string> out;
        for (int i = 0; i < w->GetListCount(); ++i) out.push_back(w->GetEntryName(i));
        return out;
    }
};

TEST_F(CmbDirUiTest, CaptionsAreNumberedAmongResultWindows) {
    env.WriteFile("c/a.txt", "x");
    TCmbDir* first = Search("C:\\", "*.TXT");
    TCmbDir* second = Search("C:\\", "*.TXT");
    TCmbDir* other = Search("C:\\", "*.DOC");
    ASSERT_TRUE(first && second && other);
    EXPECT_EQ(first->windowTitle().toStdString(), "C:\\ *.TXT");
    EXPECT_EQ(second->windowTitle().toStdString(), "C:\\ *.TXT <2>");
    EXPECT_EQ(other->windowTitle().toStdString(), "C:\\ *.DOC");
    EXPECT_EQ(form->ResultWindowCount(), 3);
    EXPECT_EQ(form->SplitWindowCount(), 0);
}

TEST_F(CmbDirUiTest, RowsCarryTheirRelativeDirectoryAndTheirFullPath) {
    env.WriteFile("c/top.txt", "1");
    env.WriteFile("c/A/B/deep.txt", "22");
    env.WriteFile("c/A/B/MAKEFILE", "333");
    TCmbDir* w = Search("C:\\", "*.*");
    ASSERT_TRUE(w);
    // The base's file first; those of one directory in the order it lists them.
    ASSERT_EQ(w->GetListCount(), 3);
    EXPECT_EQ(w->GetEntryName(0), "top.txt");
    const int deep = w->FindEntry("a\\b\\DEEP.TXT"), make = w->FindEntry("A\\B\\MAKEFILE.");
    ASSERT_TRUE(deep > 0 && make > 0);
    EXPECT_EQ(w->GetEntryPath(deep), "C:\\A\\B\\deep.txt");
    EXPECT_EQ(w->GetEntryPath(make), "C:\\A\\B\\MAKEFILE");
    EXPECT_EQ(w->GetColumnText(deep, 'F'), "A\\B\\deep.txt");
    w->LB1->SetCurrentRow(deep);
    EXPECT_EQ(w->GetSelectedDirectory(), "C:\\A\\B");
    w->LB1->SetCurrentRow(0);
    EXPECT_EQ(w->GetSelectedDirectory(), "C:\\");
    EXPECT_EQ(w->GetDrive(), 'C');

    // What the file operations take: every tagged row by its own path.
    w->TagEntry(deep);
    const TFileSet set = FileSetOf(*w);
    ASSERT_EQ(set.Files.size(), 1u);
    EXPECT_EQ(set.Files[0].Name, "A\\B\\deep.txt");
    EXPECT_EQ(set.Files[0].Path, "C:\\A\\B\\deep.txt");
    EXPECT_EQ(set.Files[0].Size, 2);
    w->TagEntry(make);
    w->WriteTaggedList("C:\\list.lst");
    const std::string list = env.ReadFile("c/list.lst");
    EXPECT_TRUE(list == "C:\\A\\B\\deep.txt\nC:\\A\\B\\MAKEFILE\n" ||
                list == "C:\\A\\B\\MAKEFILE\nC:\\A\\B\\deep.txt\n")
        << list;
    EXPECT_TRUE(w->ShowsPath("c:\\a\\b"));
    EXPECT_FALSE(w->ShowsPath("D:\\A"));
}

TEST_F(CmbDirUiTest, DeletingRowsRemovesTheirOwnFilesAndSearchesAgain) {
    // One name in three directories, and a case twin beside one of them.
    for (const char* f : {"c/x.txt", "c/A/x.txt", "c/B/x.txt", "c/B/X.TXT"}) env.WriteFile(f, f);
    TCmbDir* w = Search("C:\\", "*.TXT");
    ASSERT_TRUE(w);
    ASSERT_EQ(w->GetListCount(), 4);
    for (int i = 0; i < w->GetListCount(); ++i)
        if (w->GetEntryPath(i) == "C:\\A\\x.txt" || w->GetEntryPath(i) == "C:\\B\\X.TXT") w->TagEntry(i);
    ASSERT_EQ(w->GetTaggedCount(), 2);
    TfDelete dialog(*w);
    dialog.OKBtnClick();
    EXPECT_TRUE(env.prompts.seen.empty()) << env.prompts.last();
    EXPECT_FALSE(env.Exists("c/A/x.txt"));
    EXPECT_FALSE(env.Exists("c/B/X.TXT"));
    EXPECT_EQ(env.ReadFile("c/B/x.txt"), "c/B/x.txt");
    EXPECT_EQ(env.ReadFile("c/x.txt"), "c/x.txt");
    // The fast search ran again after the change inside its tree.
    EXPECT_EQ(Names(w), (std::vector<std::string>{"x.txt", "B\\x.txt"}));
}

TEST_F(CmbDirUiTest, AChangeInsideTheTreeSearchesAgainOnlyAfterAFastSearch) {
    env.WriteFile("c/A/one.txt", "1");
    TCmbDir* w = Search("C:\\", "*.TXT");
    ASSERT_TRUE(w);
    struct Case {
        int dsRefresh;
        bool searchesAgain;
    } cases[] = {{3, false}, {4, true}};
    int files = 1;
    for (const Case& c : cases) {
        w->Options.DSRefresh = c.dsRefresh;
        w->LastSearchMs = 3000;
        env.WriteFile("c/A/new" + std::to_string(files++) + ".txt", "x");
        ChangeNotifier().PathChanged("C:\\A");
        EXPECT_EQ(w->GetEntryCount(), c.searchesAgain ? files : 1) << c.dsRefresh;
    }
    // Refresh always searches.
    w->LastSearchMs = 1000000;
    w->Refresh();
    EXPECT_EQ(w->GetEntryCount(), 3);
}

TEST_F(CmbDirUiTest, EscapeStopsALongSearchAndClosingEndsIt) {
    for (int d = 0; d < 150; ++d)
        for (int f = 0; f < 200; ++f)
            env.WriteFile("c/D" + std::to_string(d) + "/f" + std::to_string(f) + ".txt", "");
    TDriveSearchCriteria c;
    c.BaseDirectory = "C:\\";
    c.Patterns = "*.*";
    auto* w = new TCmbDir(form.get(), c);
    form->AddChild(w);
    // The first hand-back to the event loop delivers Escape.
    QTimer::singleShot(0, w->LB1, [w] {
        QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(w->LB1, &esc);
    });
    w->Search();
    EXPECT_EQ(w->LastEnd(), TScanEnd::Stopped);
    EXPECT_GT(w->GetListCount(), 0);
    EXPECT_LT(w->GetListCount(), 30000);
    EXPECT_EQ(w->GetListCount(), w->LB1->RowCount());
    EXPECT_EQ(form->HintText().rfind("Search stopped: ", 0), 0u) << form->HintText();

    // A close during the search stops it, then the window closes.
    QPointer<TCmbDir> alive(w);
    QTimer::singleShot(0, w, [w] { w->close(); });
    w->Search();
    EXPECT_TRUE(w->Closing);
    DeleteClosed();
    EXPECT_FALSE(alive);
}

TEST_F(CmbDirUiTest, AFullListSaysSoAndClosesTheWindow) {
    for (int i = 0; i < 5; ++i) env.WriteFile("c/f" + std::to_string(i) + ".txt", "");
    TDriveSearchCriteria c;
    c.BaseDirectory = "C:\\";
    c.Patterns = "*.*";
    auto* w = new TCmbDir(form.get(), c);
    QPointer<TCmbDir> alive(w);
    form->AddChild(w);
    w->EntryLimit = 3;
    w->Search();
    EXPECT_EQ(env.prompts.texts(),
              (std::vector<std::string>{"Out of memory\r\nPlease limit selection!"}));
    DeleteClosed();
    EXPECT_FALSE(alive);
}

TEST_F(CmbDirUiTest, TheHintLineCountsDirectoriesPassedOver) {
    env.WriteFile("c/A/a.txt", "");
    env.WriteFile("c/B/b.txt", "");
    plat::InjectFault(plat::FaultOp::Read, 2, plat::FileError::AccessDenied);
    TCmbDir* w = Search("C:\\", "*.*");
    ASSERT_TRUE(w);
    EXPECT_EQ(w->GetEntryCount(), 1);
    EXPECT_EQ(form->HintText(), "1 directory could not be read");
}

}  // namespace
