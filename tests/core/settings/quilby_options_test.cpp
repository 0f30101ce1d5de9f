// The window options record: defaults, ini round trip, copies.
#include <cmath>
#include <string>

#include <gtest/gtest.h>

#include "core/platform/platform.h"
#include "core/settings/app_ini.h"
#include "core/text/date_text.h"
#include "core/settings/quilby_options.h"
#include "support/test_env.h"

namespace {

plat::DateTime Day(int y, int m, int d) {
    plat::DateTime t = 0;
    EXPECT_TRUE(plat::EncodeDate(y, m, d, t));
    return t;
}

int ThisCentury() {
    plat::DateParts now{};
    EXPECT_TRUE(plat::DecodeDateTime(plat::Now(), now));
    return now.year / 100 * 100;
}

}  // namespace

TEST(QuilbyOptions, DefaultsOfAnEmptyIni) {
    TestEnv env;
    TQuilbyOptions o;  // the defaults are ready: a copy of them
    EXPECT_EQ(o.SortKeys, "END");
    EXPECT_TRUE(o.DirFull);
    EXPECT_EQ(o.Wildcards, "*.*");
    EXPECT_FALSE(o.A_System);
    EXPECT_TRUE(o.A_readonly);
    EXPECT_FALSE(o.A_Hidden);
    EXPECT_TRUE(o.A_Archive);
    EXPECT_EQ(o.SZ_MIN, 0);
    EXPECT_EQ(o.SZ_MAX, 0);
    EXPECT_FALSE(o.UseSize);
    EXPECT_EQ(o.DT_MIN, Day(ThisCentury() + 80, 1, 1));
    EXPECT_EQ(o.DT_MAX, Day(ThisCentury() + 99, 12, 31));
    EXPECT_FALSE(o.UseDate);
    EXPECT_EQ(o.DSRefresh, 5);
    EXPECT_TRUE(o.SplitExe);
    EXPECT_EQ(o.Case, "P");
    EXPECT_TRUE(o.ShowAttr);
    EXPECT_EQ(o.Date, "mm/dd/yy");
    EXPECT_EQ(o.Time, "hh:mm:ss");
    EXPECT_EQ(o.Size, 1);
    EXPECT_EQ(o.DFields, "TFDSA");
    EXPECT_EQ(o.TFields, 5);
    EXPECT_EQ(o.AttributeMask(), plat::faReadOnly | plat::faArchive);
    o.A_System = o.A_Hidden = true;
    o.A_readonly = o.A_Archive = false;
    EXPECT_EQ(o.AttributeMask(), plat::faSysFile | plat::faHidden);
}

TEST(QuilbyOptions, RoundTripThroughTheIni) {
    TestEnv env;
    TQuilbyOptions o;
    o.SortKeys = "SD";
    o.DirFull = false;
    o.Wildcards = "*.CPP;*.H";
    o.A_System = true;
    o.A_readonly = false;
    o.A_Hidden = true;
    o.A_Archive = false;
    o.SZ_MIN = 5'000'000'000LL;  // beyond 32 bits
    o.SZ_MAX = 9'000'000'000LL;
    o.UseSize = true;
    o.DT_MIN = Day(1990, 3, 4);  // another century keeps its year
    o.DT_MAX = Day(ThisCentury() + 30, 12, 31);
    o.UseDate = true;
    o.DSRefresh = 12;
    o.SplitExe = false;
    o.Case = "L";
    o.ShowAttr = false;
    o.Date = "yyyy-mm-dd";
    o.Time = "hh:mm:ss AM/PM";
    o.Size = 3;
    o.DFields = "*FEDTSA";
    o.TFields = 7;
    o.SaveDefaults();
    EXPECT_EQ(AppIni().ReadString("FOptions", "SZ_MIN", ""), "5000000000");
    EXPECT_EQ(AppIni().ReadString("FOptions", "DT_MIN", ""), "03/04/1990");
    EXPECT_EQ(AppIni().ReadString("FOptions", "DT_MAX", ""), "12/31/30");
    EXPECT_EQ(AppIni().ReadString("SOptions", "Sort", ""), "SD");
    EXPECT_EQ(AppIni().ReadString("VOptions", "SplitExe", ""), "0");

    TQuilbyOptions back;
    back.LoadDefaults();
    EXPECT_EQ(back.SortKeys, o.SortKeys);
    EXPECT_EQ(back.DirFull, o.DirFull);
    EXPECT_EQ(back.Wildcards, o.Wildcards);
    EXPECT_EQ(back.AttributeMask(), o.AttributeMask());
    EXPECT_EQ(back.SZ_MIN, o.SZ_MIN);
    EXPECT_EQ(back.SZ_MAX, o.SZ_MAX);
    EXPECT_EQ(back.UseSize, o.UseSize);
    EXPECT_EQ(back.DT_MIN, o.DT_MIN);
    EXPECT_EQ(back.DT_MAX, o.DT_MAX);
    EXPECT_EQ(back.UseDate, o.UseDate);
    EXPECT_EQ(back.DSRefresh, o.DSRefresh);
    EXPECT_EQ(back.SplitExe, o.SplitExe);
    EXPECT_EQ(back.Case, o.Case);
    EXPECT_EQ(back.ShowAttr, o.ShowAttr);
    EXPECT_EQ(back.Date, o.Date);
    EXPECT_EQ(back.Time, o.Time);
    EXPECT_EQ(back.Size, o.Size);
    EXPECT_EQ(back.DFields, o.DFields);
    EXPECT_EQ(back.TFields, o.TFields);
}

TEST(QuilbyOptions, TimeOfDayIsDroppedOnSaving) {
    TestEnv env;
    TQuilbyOptions o;
    plat::DateTime time = 0;
    ASSERT_TRUE(plat::EncodeTime(15, 30, 0, 0, time));
    plat::DateTime day = Day(ThisCentury() + 24, 6, 15);
    o.DT_MIN = day + time;
    o.SaveDefaults();
    EXPECT_EQ(AppIni().ReadString("FOptions", "DT_MIN", ""), "06/15/24");
    o.LoadDefaults();
    EXPECT_EQ(o.DT_MIN, day);
}

TEST(QuilbyOptions, CopiesAndTheReadyFlag) {
    TestEnv env;
    TQuilbyOptions before;  // made from the defaults as they were
    TQuilbyOptions edited;
    edited.Wildcards = "*.TXT";
    edited.SortKeys = "S";
    edited.SZ_MAX = 1234;
    edited.SaveDefaults();
    DefaultOptions().CopyFrom(edited);  // what the dialog's "Default" box does
    TQuilbyOptions after;
    EXPECT_EQ(after.Wildcards, "*.TXT");
    EXPECT_EQ(after.SortKeys, "S");
    EXPECT_EQ(after.SZ_MAX, 1234);
    EXPECT_EQ(before.Wildcards, "*.*");
    EXPECT_EQ(before.SortKeys, "END");

    // A copy onto itself changes nothing.
    after.CopyFrom(after);
    EXPECT_EQ(after.Wildcards, "*.TXT");

    // Before the defaults are ready a record starts empty, as the defaults
    // themselves do at start-up.
    SetDefaultsReady(false);
    TQuilbyOptions early;
    EXPECT_EQ(early.Wildcards, "");
    EXPECT_EQ(early.SortKeys, "");
    EXPECT_FALSE(early.DirFull);
    EXPECT_EQ(early.DSRefresh, 0);
    SetDefaultsReady(true);

    // A fresh start reads the saved defaults back from the ini.
    env.ReopenIni();
    TQuilbyOptions loaded;
    loaded.LoadDefaults();
    EXPECT_EQ(loaded.Wildcards, "*.TXT");
    EXPECT_EQ(loaded.SZ_MAX, 1234);
}

TEST(QuilbyOptions, StoredValuesAreCutAndBadOnesReadAsDefaults) {
    TestEnv env;
    TAppIni& ini = AppIni();
    std::string longWild;
    for (int i = 0; i < 25; ++i) longWild += "*.A" + std::to_string(i % 10) + ";";
    longWild = longWild.substr(0, 100);
    ini.WriteString("FOptions", "Wildcards", longWild);
    ini.WriteString("SOptions", "Sort", "NEDSN");
    ini.WriteString("VOptions", "Case", "Upper");
    ini.WriteString("VOptions", "Date", std::string(30, 'd'));
    ini.WriteString("DOptions", "DFields", "*FEDTSAXYZW");
    ini.WriteString("FOptions", "SZ_MIN", "12abc");
    ini.WriteString("FOptions", "SZ_MAX", "");
    ini.WriteString("FOptions", "DT_MIN", "13/45/99");
    ini.WriteString("FOptions", "DT_MAX", "tomorrow");
    ini.WriteString("ROptions", "DSRefresh", "soon");
    TQuilbyOptions o;
    o.LoadDefaults();
    EXPECT_EQ(o.Wildcards, longWild.substr(0, 80));
    EXPECT_EQ(o.SortKeys, "NEDS");
    EXPECT_EQ(o.Case, "U");
    EXPECT_EQ(o.Date, std::string(20, 'd'));
    EXPECT_EQ(o.DFields, "*FEDTSAXYZ");
    EXPECT_EQ(o.SZ_MIN, 0);
    EXPECT_EQ(o.SZ_MAX, 0);
    EXPECT_EQ(o.DT_MIN, Day(ThisCentury() + 80, 1, 1));
    EXPECT_EQ(o.DT_MAX, Day(ThisCentury() + 99, 12, 31));
    EXPECT_EQ(o.DSRefresh, 5);

    ini.WriteString("SOptions", "Sort", "DS");
    ini.WriteString("FOptions", "SZ_MIN", " -5 ");
    o.LoadDefaults();
    EXPECT_EQ(o.SortKeys, "DS");
    EXPECT_EQ(o.SZ_MIN, -5);

    // Width counts characters: an accented name is not cut inside a letter.
    ini.WriteString("VOptions", "Case", "\xC3\xA9x");
    o.LoadDefaults();
    EXPECT_EQ(o.Case, "\xC3\xA9");
}
