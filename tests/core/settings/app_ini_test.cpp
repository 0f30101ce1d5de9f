// The settings store over a real ini file.
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/platform/errors.h"
#include "core/platform/platform.h"
#include "core/settings/app_ini.h"
#include "support/test_env.h"

namespace fs = std::filesystem;

namespace {

void Append(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::app | std::ios::binary) << text;
}

}  // namespace

TEST(AppIni, InstalledStoreIsTheOneInUse) {
    TestEnv env;
    EXPECT_EQ(AppIni().FileName(), env.iniPath);
    AppIni().WriteString("Test", "Key", "value");
    TAppIni other(env.iniPath);
    EXPECT_EQ(other.ReadString("TEST", "KEY", ""), "value");  // nothing cached, names without case
}

TEST(AppIni, LocalIniRedirectsOnce) {
    TestEnv env;
    std::string user = env.Host("user.ini");
    std::string third = env.Host("third.ini");
    Append(env.iniPath, "[System]\nLocalIni=" + user + "\n");
    Append(user, "[System]\nLocalIni=" + third + "\n[Seen]\nWhere=user\n");
    TAppIni ini(env.iniPath);
    EXPECT_EQ(ini.FileName(), user);  // the user file's own LocalIni is not followed
    EXPECT_EQ(ini.ReadString("Seen", "Where", ""), "user");
    ini.WriteString("After", "Key", "1");
    EXPECT_EQ(env.ReadFile("user.ini").find("[After]") != std::string::npos, true);
    EXPECT_EQ(env.ReadFile("QUILBY.INI").find("After"), std::string::npos);
    EXPECT_FALSE(env.Exists("third.ini"));

    // An empty LocalIni sends nowhere.
    std::string plain = env.WriteFile("plain.ini", "[System]\nLocalIni=\n");
    EXPECT_EQ(TAppIni(plain).FileName(), plain);
}

TEST(AppIni, IntegersHexAndBooleans) {
    TestEnv env;
    env.WriteFile("QUILBY.INI",
                  "[N]\nhex=0x1F\nHEX2=0X1f\ndollar=$1F\nbare=0x\nletters=12abc\nneg=-42\n"
                  "big=99999999999\nblank=\ntwo=2\nminus=-1\nword=yes\nmax=$FFFFFFFF\n");
    TAppIni& ini = AppIni();
    EXPECT_EQ(ini.ReadInteger("N", "hex", 7), 31);
    EXPECT_EQ(ini.ReadInteger("N", "hex2", 7), 31);
    EXPECT_EQ(ini.ReadInteger("N", "dollar", 7), 31);
    EXPECT_EQ(ini.ReadInteger("N", "bare", 7), 7);
    EXPECT_EQ(ini.ReadInteger("N", "letters", 7), 7);
    EXPECT_EQ(ini.ReadInteger("N", "neg", 7), -42);
    EXPECT_EQ(ini.ReadInteger("N", "big", 7), 7);
    EXPECT_EQ(ini.ReadInteger("N", "blank", 7), 7);
    EXPECT_EQ(ini.ReadInteger("N", "missing", 7), 7);
    EXPECT_EQ(ini.ReadInteger("N", "max", 7), -1);
    EXPECT_TRUE(ini.ReadBool("N", "two", false));
    EXPECT_TRUE(ini.ReadBool("N", "minus", false));
    EXPECT_TRUE(ini.ReadBool("N", "word", true));  // no number: the default
    EXPECT_FALSE(ini.ReadBool("N", "word", false));
    EXPECT_TRUE(ini.ReadBool("N", "missing", true));

    ini.WriteBool("N", "two", true);
    EXPECT_EQ(ini.ReadString("N", "two", ""), "1");
    ini.WriteBool("N", "flag", false);
    EXPECT_EQ(ini.ReadString("N", "flag", ""), "0");
    ini.WriteInteger("N", "low", INT32_MIN);
    EXPECT_EQ(ini.ReadInteger("N", "low", 0), INT32_MIN);

    int32_t v = 0;
    EXPECT_TRUE(StrToIntChecked("-$10", v));
    EXPECT_EQ(v, -16);
    EXPECT_TRUE(StrToIntChecked("2147483647", v));
    EXPECT_FALSE(StrToIntChecked("2147483648", v));
    EXPECT_FALSE(StrToIntChecked("$", v));
    EXPECT_FALSE(StrToIntChecked("-", v));
    EXPECT_FALSE(StrToIntChecked("1 2", v));
    EXPECT_FALSE(StrToIntChecked("$1FFFFFFFF", v));
}

TEST(AppIni, LongValuesComeBackCut) {
    TestEnv env;
    AppIni().WriteString("Long", "Value", std::string(2000, 'a'));
    EXPECT_EQ(AppIni().ReadString("Long", "Value", ""), std::string(1023, 'a'));
    EXPECT_NE(env.ReadFile("QUILBY.INI").find(std::string(2000, 'a')), std::string::npos);
}

TEST(AppIni, SectionsListKeysInFileOrder) {
    TestEnv env;
    TAppIni& ini = AppIni();
    ini.WriteString("List", "Zeta", "1");
    ini.WriteString("List", "alpha", "two");
    ini.WriteString("List", "Mid", "");
    std::vector<std::string> names{"stale"};
    ini.ReadSection("LIST", names);
    EXPECT_EQ(names, (std::vector<std::string>{"Zeta", "alpha", "Mid"}));
    ini.ReadSectionValues("list", names);
    EXPECT_EQ(names, (std::vector<std::string>{"Zeta=1", "alpha=two", "Mid="}));
    ini.ReadSection("None", names);
    EXPECT_TRUE(names.empty());

    // Names beyond the 8192-byte buffer are lost: 1000 names of 9 bytes plus
    // their NULs need 10,001 bytes.
    std::string big = "[Big]\n";
    for (int i = 0; i < 1000; ++i) big += "Key" + std::to_string(100000 + i) + "=x\n";
    env.WriteFile("QUILBY.INI", big);
    ini.ReadSection("Big", names);
    EXPECT_EQ(names.size(), 819u);  // (8192 - 1) / 10
    EXPECT_EQ(names.front(), "Key100000");
    EXPECT_EQ(names.back(), "Key100818");

    ini.DeleteKey("Big", "key100000");
    EXPECT_EQ(ini.ReadString("Big", "Key100000", "gone"), "gone");
    ini.EraseSection("BIG");
    ini.ReadSection("Big", names);
    EXPECT_TRUE(names.empty());
}

TEST(AppIni, FontsUseComposedKeys) {
    TestEnv env;
    TAppIni& ini = AppIni();
    TFontSpec font;
    font.Name = "Courier New";
    font.Size = 11;
    font.Color = 0x0000FF;
    font.Bold = true;
    font.StrikeOut = true;
    ini.WriteFont("VAscii", "Font", font);
    ini.WriteFont("Editor", "Font:", font);
    EXPECT_EQ(ini.ReadString("VAscii", "Font:FontName", ""), "Courier New");
    EXPECT_EQ(ini.ReadString("VAscii", "FontFontSize", ""), "11");
    EXPECT_EQ(ini.ReadString("VAscii", "FontFontColor", ""), "255");
    EXPECT_EQ(ini.ReadString("VAscii", "FontFontSBold", ""), "1");
    EXPECT_EQ(ini.ReadString("VAscii", "FontFontSItalic", ""), "0");
    EXPECT_EQ(ini.ReadString("VAscii", "FontFontSunder", ""), "0");
    EXPECT_EQ(ini.ReadString("VAscii", "FontFontSStrike", ""), "1");
    EXPECT_EQ(ini.ReadString("Editor", "Font::FontName", ""), "Courier New");
    EXPECT_EQ(ini.ReadString("Editor", "Font:FontSize", ""), "11");

    TFontSpec back;
    back.Italic = true;
    EXPECT_EQ(ini.ReadFont("Editor", "Font:", back), font);  // each style set or cleared

    // A section without font keys leaves the font as it was.
    TFontSpec untouched;
    untouched.Name = "Arial";
    untouched.Underline = true;
    TFontSpec copy = untouched;
    EXPECT_EQ(ini.ReadFont("NoFont", "Font", untouched), copy);
}

TEST(AppIni, StringLists) {
    TestEnv env;
    TAppIni& ini = AppIni();
    ini.SaveStrings("Application", "CatList:", {"a", "b", "c", "d", "e"});
    EXPECT_EQ(ini.ReadString("Application", "CatList:!", ""), "5");
    EXPECT_EQ(ini.ReadString("Application", "CatList::S1", ""), "a");
    ini.SaveStrings("Application", "CatList:", {"x", "y", "z"});
    EXPECT_EQ(ini.ReadString("Application", "CatList:!", ""), "3");
    EXPECT_EQ(ini.ReadString("Application", "CatList::S4", ""), "d");  // left in the file
    EXPECT_EQ(ini.ReadString("Application", "CatList::S5", ""), "e");
    std::vector<std::string> list{"old"};
    ini.LoadStrings("Application", "CatList:", list);
    EXPECT_EQ(list, (std::vector<std::string>{"x", "y", "z"}));
    ini.LoadStrings("Application", "Missing", list);
    EXPECT_TRUE(list.empty());

    // A count beyond the stored items gives empty items for the missing
    // ones, but a damaged huge count does not read forever.
    env.WriteFile("QUILBY.INI", "[L]\nP!=3\nP:S1=one\nOther=x\n[M]\nP!=2000000000\nP:S1=one\n");
    ini.LoadStrings("L", "P", list);
    EXPECT_EQ(list, (std::vector<std::string>{"one", "", ""}));
    ini.LoadStrings("M", "P", list);
    ASSERT_FALSE(list.empty());
    EXPECT_LE(list.size(), 2u);
    EXPECT_EQ(list[0], "one");
}

TEST(AppIni, SystemChannel) {
    TestEnv env;
    TAppIni& ini = AppIni();
    EXPECT_EQ(ini.GetReturnCode(), 199);
    EXPECT_EQ(ini.GetWarnLevel(), 0);
    ini.SetReturnCode(3);
    ini.SetWarnLevel(2);
    ini.SetReturnMessage("done");
    EXPECT_EQ(ini.GetReturnCode(), 3);
    EXPECT_EQ(ini.GetWarnLevel(), 2);
    EXPECT_EQ(ini.ReadString("System", "ReturnMessage", ""), "done");
}

TEST(AppIni, FailedWritesNameTheFile) {
    TestEnv env;
    std::string dirIni = env.Host("folder.ini");
    fs::create_directories(dirIni);
    TAppIni inDir(dirIni);
    try {
        inDir.WriteString("S", "K", "v");
        FAIL() << "no error";
    } catch (const EInOutError& e) {
        EXPECT_EQ(std::string(e.what()), "Unable to write to " + dirIni);
    }
    EXPECT_THROW(inDir.WriteBool("S", "K", true), EInOutError);
    EXPECT_THROW(inDir.EraseSection("S"), EInOutError);
    EXPECT_EQ(inDir.ReadString("S", "K", "d"), "d");

    std::string nowhere = env.Host("no/such/dir/q.ini");
    TAppIni missing(nowhere);
    try {
        missing.SaveStrings("L", "P", {"a"});
        FAIL() << "no error";
    } catch (const EInOutError& e) {
        EXPECT_EQ(std::string(e.what()), "Unable to write to " + nowhere);
    }

    // A read-only file is reported the same way and stays as it was.
    std::string readOnly = env.WriteFile("ro.ini", "[S]\nK=kept\n");
    chmod(readOnly.c_str(), 0444);
    TAppIni marked(readOnly);
    try {
        marked.WriteString("S", "K", "v");
        FAIL() << "no error";
    } catch (const EInOutError& e) {
        EXPECT_EQ(std::string(e.what()), "Unable to write to " + readOnly);
    }
    EXPECT_THROW(marked.DeleteKey("S", "K"), EInOutError);
    EXPECT_EQ(marked.ReadString("S", "K", ""), "kept");
    EXPECT_EQ(env.ReadFile("ro.ini"), "[S]\nK=kept\n");
    EXPECT_TRUE(env.prompts.seen.empty());  // the caller shows the error
}

TEST(AppIni, OversizedFileStartsOnDefaultsAndIsLeftAlone) {
    TestEnv env;
    const std::string big = "[System]\nReturnCode=5\n" + std::string(17 << 20, '\n');
    env.WriteFile("QUILBY.INI", big);
    env.ReopenIni();
    ASSERT_EQ(env.prompts.seen.size(), 1u);
    EXPECT_EQ(env.prompts.last(), "Unable to write to " + env.iniPath);
    EXPECT_EQ(env.prompts.seen.back().icon, MsgIcon::Error);
    EXPECT_EQ(AppIni().GetReturnCode(), 199);
    EXPECT_THROW(AppIni().SetReturnCode(3), EInOutError);
    EXPECT_TRUE(env.ReadFile("QUILBY.INI") == big);
}

TEST(AppIni, RelativeLocalIniLiesBesideTheIniThatNamesIt) {
    TestEnv env;
    Append(env.iniPath, "[System]\nLocalIni=\"conf\\user.ini\"\n");
    env.WriteFile("conf/user.ini", "[Seen]\nWhere=user\n");
    env.ReopenIni();
    EXPECT_EQ(AppIni().FileName(), env.Host("conf/user.ini"));
    // Whatever folder is current later, the same file is used.
    ASSERT_TRUE(plat::SetCurrentDir("D:\\"));
    AppIni().WriteString("After", "Key", "1");
    EXPECT_EQ(AppIni().ReadString("Seen", "Where", ""), "user");
    EXPECT_NE(env.ReadFile("conf/user.ini").find("[After]"), std::string::npos);
    EXPECT_FALSE(env.Exists("d/conf"));
    EXPECT_FALSE(env.Exists("c/conf"));

    // A Windows-form ini file: the name lies in its folder, or at its
    // drive's root when it starts with a backslash.
    env.WriteFile("c/cfg/main.ini", "[System]\nLocalIni=..\\other.ini\n");
    EXPECT_EQ(TAppIni("C:\\cfg\\main.ini").FileName(), "C:\\other.ini");
    env.WriteFile("c/cfg/main.ini", "[System]\nLocalIni=\\top\\x.ini\n");
    EXPECT_EQ(TAppIni("C:\\cfg\\main.ini").FileName(), "C:\\top\\x.ini");
    // Absolute names stay as written.
    env.WriteFile("c/cfg/main.ini", "[System]\nLocalIni=D:\\y.ini\n");
    EXPECT_EQ(TAppIni("C:\\cfg\\main.ini").FileName(), "D:\\y.ini");
}
