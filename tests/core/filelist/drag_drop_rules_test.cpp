// What a split window takes while something is dragged over it and what a
// drop does: the splitter's hundred pixels, file drags, directory drags,
// files from other applications, and the directory their files share.
#include <gtest/gtest.h>

#include "core/filelist/drag_drop_rules.h"

namespace {

using K = TDragKind;
using T = TDropTarget;
using A = TDropAction;

TDragFacts Facts(K kind, const std::string& source, const std::string& target, bool ownWindow = false) {
    TDragFacts f;
    f.Kind = kind;
    f.SourceAlive = true;
    f.FromThisWindow = ownWindow;
    f.SourceDirs = {source};
    f.TargetDir = target;
    return f;
}

// "accepted action" or "refused", for short expectations.
std::string Say(T target, const TDragFacts& f) {
    const TDropDecision d = DecideDrop(target, f);
    if (!d.Accepted) return "refused";
    switch (d.Action) {
        case A::Nothing: return "nothing";
        case A::Split: return "split";
        case A::CopyFiles: return "copy";
        case A::MoveFiles: return "move";
        case A::CopyDirectory: return "copydir";
    }
    return "?";
}

}  // namespace

TEST(DragDropRulesTest, TheSplitterIsTakenOverTheTreeOnlyAHundredPixelsFromItsEdge) {
    TDragFacts f;
    f.Kind = K::Splitter;
    f.TreeX = 40;
    EXPECT_EQ(Say(T::SplitList, f), "split");  // the client area takes it anywhere
    EXPECT_EQ(Say(T::SplitTree, f), "refused");
    f.TreeX = 99;
    EXPECT_EQ(Say(T::SplitTree, f), "refused");
    f.TreeX = 100;
    EXPECT_EQ(Say(T::SplitTree, f), "split");
}

TEST(DragDropRulesTest, FileDragsCopyOrMoveIntoAnotherDirectoryOnly) {
    // Another window's list or client area: into its directory.
    EXPECT_EQ(Say(T::SplitList, Facts(K::FileList, "C:\\WORK", "D:\\DEST")), "copy");
    TDragFacts move = Facts(K::FileList, "C:\\WORK", "D:\\DEST");
    move.Move = true;
    EXPECT_EQ(Say(T::SplitList, move), "move");
    EXPECT_EQ(Say(T::SplitTree, move), "move");
    // The own list takes it and does nothing.
    EXPECT_EQ(Say(T::SplitList, Facts(K::FileList, "C:\\WORK", "C:\\WORK", true)), "nothing");
    // The own tree: into a subdirectory, not into the directory itself.
    EXPECT_EQ(Say(T::SplitTree, Facts(K::FileList, "C:\\WORK", "C:\\WORK\\SUB", true)), "copy");
    EXPECT_EQ(Say(T::SplitTree, Facts(K::FileList, "C:\\WORK", "C:\\WORK", true)), "refused");
    EXPECT_EQ(Say(T::SplitTree, Facts(K::FileList, "C:\\WORK", "C:\\work\\", true)), "refused");
    // Another window on the same directory would copy every file onto itself.
    EXPECT_EQ(Say(T::SplitList, Facts(K::FileList, "C:\\WORK", "C:\\WORK")), "refused");
    // Empty space in a tree; a source window that has closed.
    EXPECT_EQ(Say(T::SplitTree, Facts(K::FileList, "C:\\WORK", "")), "refused");
    TDragFacts gone = Facts(K::FileList, "C:\\WORK", "D:\\DEST");
    gone.SourceAlive = false;
    EXPECT_EQ(Say(T::SplitList, gone), "refused");
    EXPECT_EQ(Say(T::SplitTree, gone), "refused");
}

TEST(DragDropRulesTest, DirectoryDragsGoToOtherWindowsAndNeverIntoThemselves) {
    EXPECT_EQ(Say(T::SplitList, Facts(K::Tree, "C:\\SRC", "D:\\DEST")), "copydir");
    EXPECT_EQ(Say(T::SplitTree, Facts(K::Tree, "C:\\SRC", "C:\\OTHER")), "copydir");
    // Into its parent is a copy beside itself; a name that only begins
    // alike is another directory.
    EXPECT_EQ(Say(T::SplitTree, Facts(K::Tree, "C:\\SRC", "C:\\")), "copydir");
    EXPECT_EQ(Say(T::SplitTree, Facts(K::Tree, "C:\\SRC", "C:\\SRC2")), "copydir");
    // Not from its own window's tree, whatever the target.
    EXPECT_EQ(Say(T::SplitList, Facts(K::Tree, "C:\\SRC", "C:\\WORK", true)), "refused");
    EXPECT_EQ(Say(T::SplitTree, Facts(K::Tree, "C:\\SRC", "C:\\WORK", true)), "refused");
    // Onto itself or below it.
    EXPECT_EQ(Say(T::SplitList, Facts(K::Tree, "C:\\SRC", "C:\\SRC")), "refused");
    EXPECT_EQ(Say(T::SplitTree, Facts(K::Tree, "C:\\SRC", "C:\\SRC\\SUB\\DEEP")), "refused");
    EXPECT_EQ(Say(T::SplitTree, Facts(K::Tree, "C:\\SRC\\", "c:\\src\\sub")), "refused");
    EXPECT_EQ(Say(T::SplitTree, Facts(K::Tree, "C:\\", "D:\\")), "copydir");
    EXPECT_EQ(Say(T::SplitTree, Facts(K::Tree, "C:\\", "C:\\ANY")), "refused");
    // No item under the mouse, or the source closed.
    EXPECT_EQ(Say(T::SplitTree, Facts(K::Tree, "C:\\SRC", "")), "refused");
    TDragFacts gone = Facts(K::Tree, "C:\\SRC", "D:\\DEST");
    gone.SourceAlive = false;
    EXPECT_EQ(Say(T::SplitList, gone), "refused");
}

TEST(DragDropRulesTest, FilesFromOutsideGoAnywhereButTheirOwnDirectory) {
    TDragFacts f;
    f.Kind = K::Outside;
    f.SourceDirs = {"C:\\IN", "C:\\IN\\SUB"};
    f.TargetDir = "D:\\DEST";
    EXPECT_EQ(Say(T::SplitList, f), "copy");
    f.Move = true;
    EXPECT_EQ(Say(T::SplitTree, f), "move");
    f.TargetDir = "C:\\IN\\SUB";
    EXPECT_EQ(Say(T::SplitList, f), "refused");
    f.TargetDir = "";
    EXPECT_EQ(Say(T::SplitTree, f), "refused");
    // Nothing that could be taken.
    f.SourceDirs.clear();
    f.TargetDir = "D:\\DEST";
    EXPECT_EQ(Say(T::SplitList, f), "refused");
    f.Kind = K::None;
    f.SourceDirs = {"C:\\IN"};
    EXPECT_EQ(Say(T::SplitList, f), "refused");
}

TEST(DragDropRulesTest, AResultWindowTakesFilesAndDirectoriesOverARowOnly) {
    // Into the directory of the row under the mouse.
    EXPECT_EQ(Say(T::ResultList, Facts(K::FileList, "C:\\WORK", "D:\\FOUND\\SUB")), "copy");
    TDragFacts move = Facts(K::FileList, "C:\\WORK", "D:\\FOUND");
    move.Move = true;
    EXPECT_EQ(Say(T::ResultList, move), "move");
    EXPECT_EQ(Say(T::ResultList, Facts(K::Tree, "C:\\SRC", "D:\\FOUND")), "copydir");
    // Below the last row nothing is taken, not even from the own window.
    EXPECT_EQ(Say(T::ResultList, Facts(K::FileList, "C:\\WORK", "")), "refused");
    EXPECT_EQ(Say(T::ResultList, Facts(K::FileList, "D:\\FOUND", "", true)), "refused");
    EXPECT_EQ(Say(T::ResultList, Facts(K::Tree, "C:\\SRC", "")), "refused");
    // Over a row of the own window: taken, and nothing happens.
    EXPECT_EQ(Say(T::ResultList, Facts(K::FileList, "D:\\FOUND", "D:\\FOUND\\SUB", true)), "nothing");
    // Files of several directories are not taken into any one of them.
    TDragFacts several = Facts(K::FileList, "C:\\A", "C:\\B");
    several.SourceDirs = {"C:\\A", "C:\\B\\C", "C:\\b"};
    EXPECT_EQ(Say(T::ResultList, several), "refused");
    EXPECT_EQ(Say(T::SplitList, several), "refused");
    several.TargetDir = "C:\\B\\D";
    EXPECT_EQ(Say(T::ResultList, several), "copy");
    // The splitter belongs to split windows.
    TDragFacts splitter;
    splitter.Kind = K::Splitter;
    splitter.TreeX = 300;
    EXPECT_EQ(Say(T::ResultList, splitter), "refused");
}

TEST(DragDropRulesTest, ResultDragCursorsCountFilesAndMoves) {
    const struct {
        int tagged;
        bool move;
        int cursor;
    } cases[] = {{0, false, 1}, {1, false, 1}, {2, false, 2}, {500000, false, 2},
                 {1, true, 3},  {2, true, 4},  {0, true, 3}};
    for (const auto& c : cases)
        EXPECT_EQ(ResultDragCursor(c.tagged, c.move), c.cursor) << c.tagged << " moved " << c.move;
}

TEST(DragDropRulesTest, CommonDirectoryOfDroppedFiles) {
    EXPECT_EQ(CommonDirectory({"C:\\IN\\a.txt"}), "C:\\IN");
    EXPECT_EQ(CommonDirectory({"C:\\IN\\a.txt", "C:\\IN\\b.txt"}), "C:\\IN");
    EXPECT_EQ(CommonDirectory({"C:\\IN\\SUB\\a.txt", "C:\\IN\\b.txt", "C:\\IN\\X\\Y\\c"}), "C:\\IN");
    // Whole names only.
    EXPECT_EQ(CommonDirectory({"C:\\AB\\a.txt", "C:\\ABC\\b.txt"}), "C:\\");
    EXPECT_EQ(CommonDirectory({"C:\\a.txt", "C:\\IN\\b.txt"}), "C:\\");
    EXPECT_EQ(CommonDirectory({"C:\\IN\\a.txt", "D:\\IN\\b.txt"}), "");
    EXPECT_EQ(CommonDirectory({}), "");
}

TEST(DragDropRulesTest, DroppedFilesOfOneDirectoryAreListedByName) {
    const TFileSet one = DroppedFileSet({"C:\\IN\\a.txt", "C:\\in\\b c.txt"});
    EXPECT_EQ(one.Directory, "C:\\IN");
    ASSERT_EQ(one.Files.size(), 2u);
    EXPECT_EQ(one.Files[0].Name, "a.txt");
    EXPECT_EQ(one.Files[1].Name, "b c.txt");
    EXPECT_EQ(one.Files[1].Path, "C:\\in\\b c.txt");

    // Files of several directories keep their full paths as names.
    const TFileSet several = DroppedFileSet({"C:\\IN\\SUB\\a.txt", "C:\\IN\\b.txt"});
    EXPECT_EQ(several.Directory, "C:\\IN");
    ASSERT_EQ(several.Files.size(), 2u);
    EXPECT_EQ(several.Files[0].Name, "C:\\IN\\SUB\\a.txt");
    EXPECT_EQ(several.Files[1].Name, "C:\\IN\\b.txt");
}
