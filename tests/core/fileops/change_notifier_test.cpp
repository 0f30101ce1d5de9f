// The change notifier: every listener hears each announcement once; one
// forgotten hears nothing, also when it is forgotten during an
// announcement by a listener before it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/fileops/change_notifier.h"

TEST(ChangeNotifier, ListenersHearUntilForgotten) {
    TChangeNotifier notifier;
    std::vector<std::string> heard;
    const int a = notifier.Listen({[&](const std::string& p) { heard.push_back("a path " + p); },
                                   [&](char d) { heard.push_back(std::string("a tree ") + d); }});
    int b = 0;
    b = notifier.Listen({[&](const std::string& p) {
                             heard.push_back("b path " + p);
                             notifier.Forget(a);  // a heard this one already
                         },
                         nullptr});
    notifier.PathChanged("C:\\WORK");
    EXPECT_EQ(heard, std::vector<std::string>({"a path C:\\WORK", "b path C:\\WORK"}));

    heard.clear();
    notifier.TreeChanged('C');  // a is gone, b has no tree listener
    EXPECT_TRUE(heard.empty());

    // A listener that forgets one after it: the forgotten one is not called.
    heard.clear();
    notifier.Forget(b);
    int second = 0;
    notifier.Listen({[&](const std::string&) {
                         heard.push_back("first");
                         notifier.Forget(second);
                     },
                     nullptr});
    second = notifier.Listen({[&](const std::string&) { heard.push_back("second"); }, nullptr});
    notifier.PathChanged("D:\\");
    EXPECT_EQ(heard, std::vector<std::string>({"first"}));
}
