// The frame listens to the change notifier: an announced directory is read
// again by exactly the windows that show it (or a directory below it), an
// announced drive's trees by exactly the windows on that drive; a frame
// that is gone hears nothing.
#include <QApplication>
#include <memory>
#include <vector>

#include <gtest/gtest.h>

#include "core/fileops/change_notifier.h"
#include "support/fake_dir_window.h"
#include "support/main_window_ui_fixture.h"

namespace {

struct ChangeNotifierTest : MainWindowUiTest {
    void SetUp() override { form = std::make_unique<Tmainform>(); }
    void TearDown() override { form.reset(); }

    TFakeDirWindow* AddDir(const std::string& dir) {
        auto* w = new TFakeDirWindow(form.get(), dir);
        form->AddChild(w);
        return w;
    }
};

}  // namespace

TEST_F(ChangeNotifierTest, AnnouncedPathRereadsExactlyTheWindowsShowingIt) {
    env.WriteFile("c/WORK/SUB/keep.txt", "");
    env.WriteFile("c/WORKS/keep.txt", "");
    env.WriteFile("c/OTHER/keep.txt", "");
    env.WriteFile("d/WORK/keep.txt", "");
    form->show();
    TFakeDirWindow* work = AddDir("C:\\WORK");
    TFakeDirWindow* sub = AddDir("C:\\WORK\\SUB");
    TFakeDirWindow* works = AddDir("C:\\WORKS");  // same start, another directory
    TFakeDirWindow* other = AddDir("C:\\OTHER");
    TFakeDirWindow* onD = AddDir("D:\\WORK");    // same name, another drive
    const std::vector<TFakeDirWindow*> all = {work, sub, works, other, onD};
    auto reads = [&] {
        std::vector<int> out;
        for (TFakeDirWindow* w : all) out.push_back(w->reads);
        return out;
    };
    auto treeReads = [&] {
        std::vector<int> out;
        for (TFakeDirWindow* w : all) out.push_back(w->treeReads);
        return out;
    };

    ChangeNotifier().PathChanged("c:\\work");
    EXPECT_EQ(reads(), std::vector<int>({1, 1, 0, 0, 0}));
    ChangeNotifier().PathChanged("C:\\WORK\\SUB\\");
    EXPECT_EQ(reads(), std::vector<int>({1, 2, 0, 0, 0}));
    ChangeNotifier().PathChanged("C:\\NOWHERE");
    EXPECT_EQ(reads(), std::vector<int>({1, 2, 0, 0, 0}));
    EXPECT_EQ(treeReads(), std::vector<int>({0, 0, 0, 0, 0}));

    ChangeNotifier().TreeChanged('d');
    EXPECT_EQ(treeReads(), std::vector<int>({0, 0, 0, 0, 1}));
    ChangeNotifier().TreeChanged('C');
    EXPECT_EQ(treeReads(), std::vector<int>({1, 1, 1, 1, 1}));
    EXPECT_EQ(reads(), std::vector<int>({1, 2, 0, 0, 0}));
}

TEST_F(ChangeNotifierTest, ClosedWindowsAndGoneFramesHearNothing) {
    env.WriteFile("c/WORK/keep.txt", "");
    form->show();
    TFakeDirWindow* kept = AddDir("C:\\WORK");
    TFakeDirWindow* closed = AddDir("C:\\WORK");
    closed->close();
    DeleteClosed();
    ChangeNotifier().PathChanged("C:\\WORK");
    EXPECT_EQ(kept->reads, 1);

    // A second frame hears the same announcement; once gone, it no longer
    // listens, and the first frame still does.
    auto second = std::make_unique<Tmainform>();
    auto* there = new TFakeDirWindow(second.get(), "C:\\WORK");
    second->AddChild(there);
    ChangeNotifier().PathChanged("C:\\WORK");
    EXPECT_EQ(there->reads, 1);
    EXPECT_EQ(kept->reads, 2);
    second.reset();
    ChangeNotifier().PathChanged("C:\\WORK");
    EXPECT_EQ(kept->reads, 3);
}
