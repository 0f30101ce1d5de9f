// The directory tree shows an expand arrow exactly where a folder has a
// subfolder it would list, before the folder is ever opened: plain
// subfolders and links to folders count; files, dangling links and (unless
// asked for) hidden folders do not.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTreeWidgetItem>
#include <filesystem>
#include <string>
#include <vector>

#include "core/platform/platform.h"
#include "support/test_env.h"
#include "ui/dirwin/dir_tree_widget.h"

namespace {

namespace fs = std::filesystem;

struct TreeArrowsTest : ::testing::Test {
    TestEnv env;

    void MakeDir(const std::string& rel) { fs::create_directories(env.Host("c/" + rel)); }
    void MakeLink(const std::string& rel, const std::string& target) {
        fs::create_symlink(target, env.Host("c/" + rel));
    }

    // The folders below C:\ with and without a subfolder.
    void MakeFolders() {
        env.WriteFile("c/FILES/a.txt", "a");         // files only
        MakeDir("EMPTY");                             // nothing at all
        MakeDir("PLAIN/SUB");                         // one plain subfolder
        env.WriteFile("c/LATE/many0.txt", "");        // its one subfolder comes after files
        for (int i = 1; i < 50; ++i) env.WriteFile("c/LATE/many" + std::to_string(i) + ".txt", "");
        MakeDir("LATE/zsub");
        MakeDir("LINKED");                            // only a link to a folder
        MakeLink("LINKED/TO", "../PLAIN");
        MakeDir("FILELINK");                          // only a link to a file
        MakeLink("FILELINK/TO", "../FILES/a.txt");
        MakeDir("DANGLING");                          // only a link that leads nowhere
        MakeLink("DANGLING/TO", "../NOWHERE");
        MakeDir("LOOPING");                           // only a link that loops
        MakeLink("LOOPING/SELF", "SELF");
        MakeDir("HIDDEN/.secret");                    // only a hidden subfolder
    }

    // The tree on C:\ shown, with its first probe done.
    void Show(TDirTree& tree, bool showHidden = false) {
        tree.SetShowHidden(showHidden);
        tree.resize(240, 600);
        tree.show();
        ASSERT_TRUE(tree.SetDirectory("C:\\"));
        QApplication::processEvents();
    }

    static QTreeWidgetItem* Child(TDirTree& tree, const std::string& name) {
        QTreeWidgetItem* root = tree.topLevelItem(0);
        for (int i = 0; root && i < root->childCount(); ++i)
            if (root->child(i)->text(0).toStdString() == name) return root->child(i);
        ADD_FAILURE() << "no tree item " << name;
        return nullptr;
    }
    // Whether the view draws an expand arrow for the item.
    static bool HasArrow(TDirTree& tree, QTreeWidgetItem* item) {
        return tree.model()->hasChildren(tree.indexFromItem(item));
    }
};

TEST_F(TreeArrowsTest, ArrowOnlyWhereAFolderHasASubfolderBeforeItIsOpened) {
    MakeFolders();
    TDirTree tree;
    Show(tree);
    struct Case {
        const char* name;
        bool arrow;
    };
    for (const Case& c : {Case{"FILES", false}, Case{"EMPTY", false}, Case{"PLAIN", true},
                          Case{"LATE", true}, Case{"LINKED", true}, Case{"FILELINK", false},
                          Case{"DANGLING", false}, Case{"LOOPING", false}, Case{"HIDDEN", false}}) {
        QTreeWidgetItem* item = Child(tree, c.name);
        ASSERT_TRUE(item);
        EXPECT_FALSE(item->isExpanded()) << c.name;
        EXPECT_EQ(item->childCount(), 0) << c.name << " was read before it was opened";
        EXPECT_EQ(HasArrow(tree, item), c.arrow) << c.name;
        // Opening it shows what the arrow promised.
        item->setExpanded(true);
        EXPECT_EQ(item->childCount() > 0, c.arrow) << c.name;
    }
}

TEST_F(TreeArrowsTest, AHiddenSubfolderGivesAnArrowWhenHiddenFoldersAreListed) {
    MakeFolders();
    TDirTree tree;
    Show(tree, true);
    EXPECT_TRUE(HasArrow(tree, Child(tree, "HIDDEN")));
}

TEST_F(TreeArrowsTest, AFolderReachedThroughALinkShowsTheArrowsOfItsTarget) {
    MakeFolders();
    TDirTree tree;
    Show(tree);
    QTreeWidgetItem* linked = Child(tree, "LINKED");
    ASSERT_TRUE(linked);
    linked->setExpanded(true);
    QApplication::processEvents();
    ASSERT_EQ(linked->childCount(), 1);
    // TO is PLAIN, which holds SUB.
    EXPECT_TRUE(HasArrow(tree, linked->child(0)));
}

TEST_F(TreeArrowsTest, RowsOutOfViewAreNotAskedUntilTheyComeIntoView) {
    for (int i = 0; i < 200; ++i) MakeDir("MANY/D" + std::to_string(1000 + i) + "/SUB");
    TDirTree tree;
    tree.resize(240, 200);
    tree.show();
    ASSERT_TRUE(tree.SetDirectory("C:\\MANY"));
    QApplication::processEvents();
    QTreeWidgetItem* many = Child(tree, "MANY");
    ASSERT_TRUE(many);
    ASSERT_EQ(many->childCount(), 200);
    QTreeWidgetItem* first = many->child(0);
    QTreeWidgetItem* last = many->child(199);
    EXPECT_TRUE(HasArrow(tree, first));
    EXPECT_FALSE(HasArrow(tree, last)) << "asked while out of view";
    tree.scrollToItem(last);
    QApplication::processEvents();
    EXPECT_TRUE(HasArrow(tree, last));
}

}  // namespace
