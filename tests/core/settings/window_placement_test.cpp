// The main window's stored place: read and written beside "WindowState",
// and fitted to the screen it opens on.
#include <gtest/gtest.h>

#include "core/settings/window_placement.h"
#include "support/test_env.h"

TEST(WindowPlacement, IsReadAsWrittenAndOnlyWhenWhole) {
    TestEnv env;
    EXPECT_FALSE(ReadWindowPlacement(AppIni()).Stored);
    EXPECT_FALSE(ReadWindowPlacement(AppIni()).Maximized);

    WriteWindowPlacement(AppIni(), {true, true, {-20, 30, 800, 600}});
    TWindowPlacement read = ReadWindowPlacement(AppIni());
    EXPECT_TRUE(read.Maximized);
    EXPECT_TRUE(read.Stored);
    EXPECT_EQ(read.Normal, (TPlaceRect{-20, 30, 800, 600}));
    EXPECT_EQ(AppIni().ReadString("Mainform", "WindowState", ""), "X");

    // Nothing known of the normal place: the stored one stays.
    WriteWindowPlacement(AppIni(), {false, false, {}});
    read = ReadWindowPlacement(AppIni());
    EXPECT_EQ(AppIni().ReadString("Mainform", "WindowState", ""), "N");
    EXPECT_EQ(read.Normal, (TPlaceRect{-20, 30, 800, 600}));

    struct Case {
        const char* key;
        const char* value;
    };
    for (const Case c : {Case{"Width", "0"}, Case{"Height", "-5"}, Case{"Left", "x"}, Case{"Top", ""},
                         Case{"Width", "99999999999"}}) {
        SCOPED_TRACE(std::string(c.key) + "=" + c.value);
        WriteWindowPlacement(AppIni(), {false, true, {1, 2, 300, 200}});
        AppIni().WriteString("Mainform", c.key, c.value);
        EXPECT_FALSE(ReadWindowPlacement(AppIni()).Stored);
        EXPECT_EQ(ReadWindowPlacement(AppIni()).Normal, TPlaceRect{});
    }
}

TEST(WindowPlacement, FitsTheScreenItOpensOn) {
    const TPlaceRect screen{0, 24, 1280, 876};
    struct Case {
        TPlaceRect stored, placed;
    };
    for (const Case c : {
             Case{{100, 80, 700, 500}, {100, 80, 700, 500}},        // inside: as it was
             Case{{-50, 40, 700, 500}, {-50, 40, 700, 500}},        // partly off: as it was
             Case{{10, 30, 3000, 2000}, {10, 30, 1280, 876}},       // larger: sized down
             Case{{5000, 5000, 700, 500}, {290, 212, 700, 500}},    // wholly off: centred
             Case{{-900, 40, 700, 500}, {290, 212, 700, 500}},      // off to the left
             Case{{2147483000, 40, 2147483000, 500}, {0, 212, 1280, 500}},
         }) {
        SCOPED_TRACE(std::to_string(c.stored.Left) + "," + std::to_string(c.stored.Top));
        EXPECT_EQ(PlaceOnScreen(c.stored, screen), c.placed);
    }
    EXPECT_EQ(CentredOnScreen(800, 643, screen), (TPlaceRect{240, 140, 800, 643}));
    EXPECT_EQ(CentredOnScreen(2000, 643, screen), (TPlaceRect{0, 140, 1280, 643}));
}
