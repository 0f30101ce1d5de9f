// What the option dialogs check and store: the size and date ranges in
// their order, the sort fields and their letters, choices for stored
// values out of range, and the program-wide keys.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/settings/app_ini.h"
#include "core/settings/options_validation.h"
#include "core/settings/program_settings.h"
#include "core/text/date_text.h"
#include "support/test_env.h"

namespace {

struct RangeCase {
    const char* what;
    TRangeFields fields;
    TRangeFault::Field field;
    const char* message;
    bool error;
};

TRangeFields Fields(const char* szFrom, const char* szTo, bool useSize, const char* dtFrom,
                    const char* dtTo, bool useDate) {
    TRangeFields f;
    f.SizeFrom = szFrom;
    f.SizeTo = szTo;
    f.UseSize = useSize;
    f.DateFrom = dtFrom;
    f.DateTo = dtTo;
    f.UseDate = useDate;
    return f;
}

}  // namespace

TEST(OptionDialogRules, RangesAreCheckedInOrderWithTheFieldAtFault) {
    const std::vector<RangeCase> cases{
        {"equal sizes while used", Fields("100", "100", true, "01/01/24", "02/01/24", false),
         TRangeFault::SizeFrom, "Invalid size range entered!", false},
        {"reversed sizes while used", Fields("200", "100", true, "01/01/24", "02/01/24", false),
         TRangeFault::SizeFrom, "Invalid size range entered!", false},
        {"ten blanks, unused", Fields("          ", "100", false, "01/01/24", "02/01/24", false),
         TRangeFault::SizeFrom, "Invalid number entered!", true},
        {"blank upper bound", Fields("0", "          ", false, "01/01/24", "02/01/24", false),
         TRangeFault::SizeTo, "Invalid number entered!", true},
        {"a size beyond 64 bits", Fields("0", "99999999999999999999", false, "01/01/24", "02/01/24", false),
         TRangeFault::SizeTo, "Invalid number entered!", true},
        {"a size fault comes before a date fault", Fields("x", "1", false, "99/99/99", "02/01/24", false),
         TRangeFault::SizeFrom, "Invalid number entered!", true},
        {"not a date", Fields("0", "0", false, "13/45/24", "02/01/24", false),
         TRangeFault::DateFrom, "Invalid date entered!", true},
        {"blank upper date", Fields("0", "0", false, "01/01/24", "  /  /  ", false),
         TRangeFault::DateTo, "Invalid date entered!", true},
        {"reversed dates while used", Fields("0", "0", false, "02/01/24", "01/01/24", true),
         TRangeFault::DateFrom, "Invalid date range entered!", false},
        {"equal dates while used", Fields("0", "0", false, "02/01/24", "02/01/24", true),
         TRangeFault::DateFrom, "Invalid date range entered!", false},
    };
    for (const RangeCase& c : cases) {
        TRanges out;
        const TRangeFault fault = CheckRanges(c.fields, out);
        EXPECT_EQ(fault.field, c.field) << c.what;
        EXPECT_EQ(fault.message, c.message) << c.what;
        EXPECT_EQ(fault.error, c.error) << c.what;
    }
}

TEST(OptionDialogRules, UnusedRangesMayBeReversedAndSizesTake64Bits) {
    TRanges out;
    const TRangeFault fault =
        CheckRanges(Fields("  9000000000", "100  ", false, "02/01/24", "01/01/24", false), out);
    EXPECT_EQ(fault.field, TRangeFault::None) << fault.message;
    EXPECT_EQ(out.SzMin, 9000000000LL);
    EXPECT_EQ(out.SzMax, 100);
    EXPECT_GT(out.DtMin, out.DtMax);
}

TEST(OptionDialogRules, SortFieldsAndTheirLetters) {
    EXPECT_EQ(SelectedSortFields("D"), std::vector<std::string>{"Date"});
    EXPECT_EQ(AvailableSortFields("D"), (std::vector<std::string>{"Filename", "Extension", "Size"}));
    // Characters that name no field are skipped.
    EXPECT_EQ(SelectedSortFields("SxN"), (std::vector<std::string>{"Size", "Filename"}));
    EXPECT_EQ(AvailableSortFields(""), SortFieldNames());
    EXPECT_EQ(SortKeysOf({"Date", "Filename", "Extension", "Size"}), "DNES");
    EXPECT_EQ(SortKeysOf({}), "");
}

TEST(OptionDialogRules, StoredValuesOutOfRangeShowTheDefaults) {
    EXPECT_EQ(CaseChoice("U"), 0);
    EXPECT_EQ(CaseChoice("L"), 1);
    EXPECT_EQ(CaseChoice("X"), 2);  // as stored, the default "P"
    EXPECT_EQ(SizeUnitChoice(3), 3);
    EXPECT_EQ(SizeUnitChoice(7), 1);
    EXPECT_EQ(SizeUnitChoice(-1), 1);
    EXPECT_EQ(TabWidthOrDefault(32), 32);
    EXPECT_EQ(TabWidthOrDefault(99), kDefaultTabWidth);
    EXPECT_EQ(TabWidthOrDefault(-3), kDefaultTabWidth);
    EXPECT_EQ(ListFontSizeFromText("16"), 16);
    EXPECT_EQ(ListFontSizeFromText(""), std::nullopt);
    EXPECT_EQ(ListFontSizeFromText("0"), std::nullopt);
    EXPECT_EQ(ListFontSizeFromText("17"), std::nullopt);
    EXPECT_EQ(ListFontSizeFromText("9x"), std::nullopt);
}

TEST(OptionDialogRules, ProgramSettingsGoToTheirKeysAndTabsOnlyWhenAsked) {
    TestEnv env;
    TProgramSettings s;
    s.VHexS = false;
    s.HintColor = 0x00FF00;
    s.DBLClickRun = false;
    s.ExeStrikeout = true;
    s.FontName = "Courier";
    s.FontSize = 12;
    s.Tabs = 4;
    SaveProgramSettings(s, false);
    TAppIni& ini = AppIni();
    EXPECT_FALSE(ini.ReadBool("Application", "VHexS", true));
    EXPECT_EQ(ini.ReadInteger("Application", "HintColor", -1), 0x00FF00);
    EXPECT_FALSE(ini.ReadBool("Mainform", "DBLClickRun", true));
    EXPECT_TRUE(ini.ReadBool("Mainform", "ExeStrikeout", false));
    EXPECT_EQ(ini.ReadString("Application", "FontName", ""), "Courier");
    EXPECT_EQ(ini.ReadInteger("Application", "FontSize", 0), 12);
    EXPECT_EQ(ini.ReadString("Application", "Tabs", "unset"), "unset");
    SaveProgramSettings(s, true);
    EXPECT_EQ(ini.ReadInteger("Application", "Tabs", 0), 4);
}

TEST(OptionDialogRules, AnUntouchedDateFieldKeepsItsCentury) {
    plat::DateTime y1990 = 0, typed = 0;
    ASSERT_TRUE(plat::EncodeDate(1990, 1, 1, y1990));
    ASSERT_TRUE(StrToDate("01/01/90", typed));  // typed: this century
    // The lower field shows a stored 1990 untouched; the upper was typed over.
    TRangeFields f = Fields("0", "0", false, "01/01/90", "01/01/90", true);
    f.ShownFrom = {"01/01/90", y1990};
    f.ShownTo = {"12/31/99", 0};
    TRanges out;
    const TRangeFault fault = CheckRanges(f, out);
    EXPECT_EQ(fault.field, TRangeFault::None) << fault.message;
    EXPECT_EQ(out.DtMin, y1990);
    EXPECT_EQ(out.DtMax, typed);
}
