// Start-up in its fixed order over real ini files, including broken ones,
// and the general error display that keeps the program going.
#include <QApplication>
#include <QMdiArea>
#include <QPixmap>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <stdexcept>

#include <gtest/gtest.h>

#include "support/fake_dir_window.h"
#include "core/platform/errors.h"
#include "core/platform/platform.h"
#include "core/settings/app_ini.h"
#include "ui/frame/main_window.h"
#include "core/settings/quilby_options.h"
#include "core/settings/startup.h"
#include "support/test_env.h"

namespace {

// The drive table of the test, so a rewritten ini keeps the test hermetic.
std::string DrivesSection(const TestEnv& env) {
    return "[Drives]\nC=" + env.hostC + "\nD=" + env.hostD + "\n";
}

}  // namespace

TEST(Startup, OpensTheIniDrivesDefaultsAndHelpInOrder) {
    TestEnv env;
    env.WriteFile("QUILBY.INI", DrivesSection(env) + "[SOptions]\nSort=DNE\n[FOptions]\nWildcards=*.TXT\n");
    StartProgram();
    EXPECT_EQ(AppIni().FileName(), env.iniPath);
    EXPECT_EQ(plat::FindDrive('C')->hostRoot, env.hostC);
    EXPECT_TRUE(DefaultsReady());
    EXPECT_EQ(DefaultOptions().SortKeys, "DNE");
    EXPECT_EQ(DefaultOptions().Wildcards, "*.TXT");
    // A window's record starts as a copy of the defaults.
    EXPECT_EQ(TQuilbyOptions().Wildcards, "*.TXT");
    std::string exe = plat::ExecutablePath();
    EXPECT_EQ(plat::HelpFile(), exe.substr(0, exe.rfind('/')) + "/Quilby.hlp");
    EXPECT_EQ(ApplicationTitle(), "Quilby  - 95");
    EndProgram();
    env.ReopenIni();
}

TEST(Startup, FollowsLocalIniForTheSettingsButNotForTheDrives) {
    TestEnv env;
    std::string user = env.Host("user.ini");
    env.WriteFile("QUILBY.INI", DrivesSection(env) + "[System]\nLocalIni=" + user + "\n");
    env.WriteFile("user.ini", "[Mainform]\nWindowState=X\n");
    StartProgram();
    EXPECT_EQ(AppIni().FileName(), user);
    EXPECT_EQ(plat::FindDrive('D')->hostRoot, env.hostD);
    Tmainform form;
    EXPECT_TRUE(form.isMaximized());
    EndProgram();
    env.ReopenIni();
}

TEST(Startup, MalformedIniNeverStopsTheStart) {
    TestEnv env;
    std::string content = "Orphan=before any section\n" + DrivesSection(env);
    content += "[Mainform\nWindowState=X\n";                      // no closing bracket
    content += std::string("\x01\x02\xff\xfe\x00binary=\x80\x81", 14) + "\n";
    content += "[Application]\nFontName=" + std::string(5000, 'F') + "\n";  // a 5,000-character line
    content += "FontSize=abc\nFontSize=12\nShowHint=maybe\nTabs=99999999999999\n";
    content += "HintColor=\xff\xff\n";
    content += "[Mainform]\nWindowState=N\nWindowState=X\nExeColor=0xZZ\nDBLClickRun=\n";
    content += "[SOptions]\nSort=" + std::string(300, 'N') + "\n[FOptions]\nSZ_MIN=12x\nDT_MIN=99/99/99\n";
    content += "[" + std::string(5000, 'S') + "]\n=no key\n";
    env.WriteFile("QUILBY.INI", content);

    StartProgram();
    EXPECT_EQ(DefaultOptions().SZ_MIN, 0);           // bad numbers read as defaults
    EXPECT_LE(DefaultOptions().SortKeys.size(), 4u);  // fields keep their widths
    {
        Tmainform form;
        EXPECT_GT(form.Display().ListFont.pointSize(), 0);
        EXPECT_EQ(form.Display().ExeColor, QColor(Qt::black));
        form.show();
        form.FirstActivation();
        QApplication::processEvents();
        EXPECT_TRUE(form.isVisible());
        form.close();
    }
    EndProgram();
    env.ReopenIni();
}

TEST(Startup, ErrorsReachingTheTopAreShownAndTheProgramGoesOn) {
    TestEnv env;
    EXPECT_FALSE(RunReportingErrors([] { throw EInOutError("Unable to write to X.INI"); }));
    EXPECT_FALSE(RunReportingErrors([] { throw std::runtime_error("Not a valid drive ID"); }));
    EXPECT_FALSE(RunReportingErrors([] { throw 42; }));
    EXPECT_TRUE(RunReportingErrors([] {}));
    ASSERT_EQ(env.prompts.seen.size(), 3u);
    EXPECT_EQ(env.prompts.texts()[0], "Unable to write to X.INI");
    EXPECT_EQ(env.prompts.texts()[1], "Not a valid drive ID");
    EXPECT_EQ(env.prompts.seen[0].icon, MsgIcon::Error);
}

TEST(Startup, TheFrameLooksLikeAFileManager) {
    TestEnv env;
    Tmainform form;
    form.resize(760, 480);
    form.show();
    for (const char* dir : {"C:\\", "C:\\WORK"}) {
        env.WriteFile(std::string("c/") + (dir[3] ? "WORK/" : "") + "readme.txt", "text");
        auto* w = new TFakeDirWindow(&form, dir);
        form.AddChild(w);
        w->ReadDirectory();
    }
    form.TileVertical();
    form.StartProgress(100);
    plat::SetClockSecondSource([] { return 7; });
    form.StepProgress(1, 3);
    QPixmap shot = form.grab();
    EXPECT_EQ(shot.size(), form.size());
    if (const char* out = std::getenv("QUILBY_SCREENSHOT")) shot.save(out);
}
