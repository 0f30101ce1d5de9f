// The host layer against real temp directories, as root.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/xattr.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <set>

#include "core/platform/platform.h"
#include "support/test_env.h"

namespace fs = std::filesystem;
using namespace plat;

namespace {

std::string Slurp(const std::string& host) {
    std::ifstream in(host, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

}  // namespace

TEST(PlatformPaths, DriveTableComesFromTheIniSection) {
    TestEnv env;
    ASSERT_NE(FindDrive('c'), nullptr);
    EXPECT_EQ(FindDrive('C')->hostRoot, env.hostC);
    EXPECT_EQ(FindDrive('D')->hostRoot, env.hostD);
    EXPECT_EQ(FindDrive('Q'), nullptr);
    EXPECT_EQ(LogicalDrives(), (1u << 2) | (1u << 3));
    EXPECT_EQ(GetDriveType('Q'), DriveType::NoRootDir);
    int64_t size = 0, free = 0;
    EXPECT_TRUE(DiskSpace('C', size, free));
    EXPECT_GT(size, 0);
    EXPECT_FALSE(DiskSpace('Q', size, free));
}

TEST(PlatformPaths, ExplicitDriveTypeWins) {
    TestEnv env;
    {
        std::ofstream ini(env.iniPath);
        ini << "[drives]\r\n E = " << env.hostC << " , removable\r\nf=" << env.hostD << ",cdrom\r\n";
    }
    InitDrives(env.iniPath);
    EXPECT_EQ(GetDriveType('E'), DriveType::Removable);
    EXPECT_EQ(GetDriveType('F'), DriveType::CDRom);
    EXPECT_EQ(FindDrive('E')->hostRoot, env.hostC);
}

TEST(PlatformPaths, ExpandAndMapBothWays) {
    TestEnv env;
    fs::create_directories(env.hostC + "/Work/Sub");
    EXPECT_TRUE(SetCurrentDir("C:\\Work"));
    EXPECT_EQ(GetCurrentDir(), "C:\\Work");
    EXPECT_EQ(ExpandFileName("Sub\\..\\a.txt"), "C:\\Work\\a.txt");
    EXPECT_EQ(ExpandFileName("D:x"), "D:\\x");
    EXPECT_EQ(ExpandFileName("\\top"), "C:\\top");
    EXPECT_EQ(ExpandFileName("C:/Work/./Sub/"), "C:\\Work\\Sub\\");
    EXPECT_EQ(*ToHost("C:\\Work\\Sub"), env.hostC + "/Work/Sub");
    EXPECT_EQ(*FromHost(env.hostD + "/x/y.txt"), "D:\\x\\y.txt");
    EXPECT_EQ(*FromHost(env.hostC), "C:\\");
    EXPECT_FALSE(ToHost("Q:\\nothing").has_value());
    EXPECT_FALSE(SetCurrentDir("C:\\Missing"));
    EXPECT_FALSE(SetCurrentDir("Q:\\"));
    EXPECT_EQ(GetCurrentDir(), "C:\\Work");
    // Each drive keeps its own current directory.
    fs::create_directories(env.hostD + "/Other");
    EXPECT_TRUE(SetCurrentDir("D:\\Other"));
    EXPECT_EQ(GetDriveCurrentDir('C'), "C:\\Work");
    EXPECT_EQ(ExpandFileName("C:file"), "C:\\Work\\file");
    EXPECT_TRUE(SetCurrentDir("C:"));
    EXPECT_EQ(GetCurrentDir(), "C:\\Work");
}

TEST(PlatformPaths, CurrentDirectoryKeepsTrailingBlanksOfItsName) {
    TestEnv env;
    fs::create_directories(env.hostC + "/t/old");
    fs::create_directories(env.hostC + "/t/old ");
    EXPECT_TRUE(SetCurrentDir("C:\\t\\old "));
    EXPECT_EQ(GetCurrentDir(), "C:\\t\\old ");
    EXPECT_EQ(ExpandFileName("a.txt"), "C:\\t\\old \\a.txt");
    fs::remove(env.hostC + "/t/old ");
    EXPECT_FALSE(SetCurrentDir("C:\\t\\old "));
    EXPECT_EQ(GetCurrentDir(), "C:\\t\\old ");
}

TEST(PlatformPaths, OldUpperCasedPathResolvesWithoutRegardToCase) {
    TestEnv env;
    env.WriteFile("c/Projects/Notes/readme.txt", "hello");
    EXPECT_EQ(*ToHost("C:\\PROJECTS\\NOTES\\README.TXT"), env.hostC + "/Projects/Notes/readme.txt");
    EXPECT_TRUE(FileExists("c:\\projects\\NOTES\\ReadMe.txt"));
    EXPECT_EQ(ActualSpelling("C:\\PROJECTS\\NOTES"), "C:\\Projects\\Notes");
    EXPECT_TRUE(SetCurrentDir("C:\\PROJECTS"));
    EXPECT_EQ(GetCurrentDir(), "C:\\Projects");
    // Two spellings that differ only by case are ambiguous: nothing is picked.
    env.WriteFile("c/Projects/Notes/README.TXT", "other");
    EXPECT_FALSE(FileExists("C:\\Projects\\Notes\\Readme.txt"));
    EXPECT_EQ(Slurp(*ToHost("C:\\Projects\\Notes\\README.TXT")), "other");
}

TEST(PlatformPaths, HostNamesWithWindowsSpecialCharactersRoundTrip) {
    TestEnv env;
    const std::string odd[] = {"a:b.txt", "back\\slash", "q?*\"<>|", "new\nline", "\xff\xfe raw"};
    for (const auto& name : odd) {
        std::ofstream(env.hostC + "/" + name) << name;
        std::string win = HostNameToWin(name);
        EXPECT_EQ(win.find_first_of(":\\*?\"<>|\n"), std::string::npos) << win;
        EXPECT_EQ(WinNameToHost(win), name);
        EXPECT_TRUE(FileExists("C:\\" + win)) << name;
    }
    int seen = 0;
    FindFiles("C:\\*.*", faAnyFile & ~faDirectory & ~faVolumeID, [&](const FindData& fd) {
        EXPECT_EQ(Slurp(*ToHost("C:\\" + fd.name)), WinNameToHost(fd.name));
        ++seen;
        return true;
    });
    EXPECT_EQ(seen, 5);
}

TEST(PlatformFiles, ReadOnlyFileRefusesDeleteTruncationAndWriting) {
    TestEnv env;
    std::string host = env.WriteFile("c/ro.txt", "keep me");
    ASSERT_EQ(SetFileAttributes("C:\\ro.txt", faReadOnly | faArchive), FileError::None);
    EXPECT_EQ(GetFileAttributes("C:\\ro.txt") & faReadOnly, faReadOnly);
    EXPECT_EQ(DeleteFile("C:\\ro.txt"), FileError::AccessDenied);
    File f;
    EXPECT_EQ(OpenFile("C:\\ro.txt", OpenMode::CreateTruncate, f), FileError::AccessDenied);
    EXPECT_EQ(OpenFile("C:\\ro.txt", OpenMode::Write, f), FileError::AccessDenied);
    EXPECT_EQ(OpenFile("C:\\ro.txt", OpenMode::ReadWrite, f), FileError::AccessDenied);
    EXPECT_EQ(OpenFile("C:\\ro.txt", OpenMode::Read, f), FileError::None);
    EXPECT_EQ(Slurp(host), "keep me");
    ASSERT_EQ(SetFileAttributes("C:\\ro.txt", faArchive), FileError::None);
    EXPECT_EQ(DeleteFile("C:\\ro.txt"), FileError::None);
    EXPECT_FALSE(fs::exists(host));
}

TEST(PlatformFiles, RenameNeverReplacesATarget) {
    TestEnv env;
    env.WriteFile("c/a.txt", "a");
    env.WriteFile("c/B.TXT", "b");
    EXPECT_EQ(RenameFile("C:\\a.txt", "C:\\B.TXT"), FileError::AlreadyExists);
    EXPECT_EQ(RenameFile("C:\\a.txt", "C:\\b.txt"), FileError::AlreadyExists);  // other spelling
    EXPECT_EQ(env.ReadFile("c/a.txt"), "a");
    EXPECT_EQ(env.ReadFile("c/B.TXT"), "b");
    EXPECT_EQ(RenameFile("C:\\a.txt", "C:\\A.TXT"), FileError::None);  // case change only
    EXPECT_TRUE(env.Exists("c/A.TXT"));
    EXPECT_EQ(RenameFile("C:\\missing", "C:\\x"), FileError::FileNotFound);
}

TEST(PlatformFiles, DirectoriesFollowWindowsRules) {
    TestEnv env;
    EXPECT_EQ(CreateDirectory("C:\\New"), FileError::None);
    EXPECT_EQ(CreateDirectory("C:\\NEW"), FileError::AlreadyExists);
    EXPECT_EQ(CreateDirectory("C:\\No\\Such\\Path"), FileError::PathNotFound);
    env.WriteFile("c/New/f", "x");
    EXPECT_EQ(RemoveDirectory("C:\\New"), FileError::DirNotEmpty);
    EXPECT_EQ(DeleteFile("C:\\New"), FileError::AccessDenied);
    EXPECT_EQ(DeleteFile("C:\\New\\f"), FileError::None);
    EXPECT_EQ(RemoveDirectory("C:\\New"), FileError::None);
}

TEST(PlatformAttributes, StoredBitsRoundTripThroughDosAttrib) {
    TestEnv env;
    std::string host = env.WriteFile("c/f.txt", "x");
    EXPECT_EQ(GetFileAttributes("C:\\f.txt"), faArchive);  // no stored bits: archive only
    ASSERT_EQ(SetFileAttributes("C:\\f.txt", faHidden | faSysFile), FileError::None);
    char buf[32] = {};
    ASSERT_GT(getxattr(host.c_str(), "user.DOSATTRIB", buf, sizeof buf - 1), 0);
    EXPECT_STREQ(buf, "0x6");
    EXPECT_EQ(GetFileAttributes("C:\\f.txt"), faHidden | faSysFile);
    // Samba's own text form is read the same way.
    setxattr(host.c_str(), "user.DOSATTRIB", "0x22", 4, 0);
    EXPECT_EQ(GetFileAttributes("C:\\f.txt"), faHidden | faArchive);
    ASSERT_EQ(SetFileAttributes("C:\\f.txt", faArchive), FileError::None);
    EXPECT_LT(getxattr(host.c_str(), "user.DOSATTRIB", buf, sizeof buf), 0);
    EXPECT_EQ(GetFileAttributes("C:\\missing"), kInvalidAttributes);
    env.WriteFile("c/.dot", "");
    EXPECT_EQ(GetFileAttributes("C:\\.dot") & faHidden, faHidden);
}

TEST(PlatformEnumeration, MaskFiltersHiddenSystemAndDirectories) {
    TestEnv env;
    env.WriteFile("c/plain.txt", "1");
    env.WriteFile("c/hidden.txt", "22");
    env.WriteFile("c/system.txt", "333");
    env.WriteFile("c/.dotfile", "");
    env.WriteFile("c/other.doc", "");
    fs::create_directories(env.hostC + "/sub");
    SetFileAttributes("C:\\hidden.txt", faHidden | faArchive);
    SetFileAttributes("C:\\system.txt", faSysFile | faArchive);
    auto names = [](const std::string& mask, uint32_t attr) {
        std::set<std::string> out;
        EXPECT_TRUE(FindFiles(mask, attr, [&](const FindData& fd) {
            out.insert(fd.name);
            return true;
        }));
        return out;
    };
    using S = std::set<std::string>;
    EXPECT_EQ(names("C:\\*.*", faReadOnly | faArchive), (S{"plain.txt", "other.doc"}));
    EXPECT_EQ(names("C:\\*.*", faReadOnly | faArchive | faHidden),
              (S{"plain.txt", "other.doc", "hidden.txt", ".dotfile"}));
    EXPECT_EQ(names("C:\\*.*", faArchive | faSysFile), (S{"plain.txt", "other.doc", "system.txt"}));
    EXPECT_EQ(names("C:\\*.TXT", faArchive), (S{"plain.txt"}));
    EXPECT_EQ(names("C:\\sub\\*.*", faDirectory), (S{".", ".."}));
    EXPECT_EQ(names("C:\\*.*", faDirectory), (S{"sub", "plain.txt", "other.doc"}));  // root: no dots
    EXPECT_FALSE(FindFiles("C:\\missing\\*.*", faAnyFile, [](const FindData&) { return true; }));
    EXPECT_FALSE(FindFiles("Q:\\*.*", faAnyFile, [](const FindData&) { return true; }));
    FindData fd;
    ASSERT_TRUE(GetFindData("C:\\system.txt", fd));
    EXPECT_EQ(fd.size, 3);
    EXPECT_EQ(fd.attr, faSysFile | faArchive);
}

TEST(PlatformEnumeration, WindowsWildcardMasks) {
    EXPECT_TRUE(MaskMatches("*.*", "README"));
    EXPECT_TRUE(MaskMatches("*.txt", "A.TXT"));
    EXPECT_TRUE(MaskMatches("A?C.*", "abc.doc"));
    EXPECT_TRUE(MaskMatches("README.*", "readme"));
    EXPECT_TRUE(MaskMatches("*.", "MAKEFILE"));
    EXPECT_FALSE(MaskMatches("*.", "a.b"));
    EXPECT_FALSE(MaskMatches("*.TXT", "a.txt.bak"));
    EXPECT_TRUE(MaskMatches("*a*b*", "xxaxxbxx"));
}

TEST(PlatformFaults, InjectedDiskFullOnTheNthWrite) {
    TestEnv env;
    File f;
    ASSERT_EQ(OpenFile("C:\\out.bin", OpenMode::CreateTruncate, f), FileError::None);
    InjectFault(FaultOp::Write, 3, FileError::DiskFull);
    size_t w = 0;
    EXPECT_EQ(WriteFile(f, "ab", 2, w), FileError::None);
    EXPECT_EQ(WriteFile(f, "cd", 2, w), FileError::None);
    EXPECT_EQ(WriteFile(f, "ef", 2, w), FileError::DiskFull);
    EXPECT_EQ(w, 0u);
    EXPECT_EQ(WriteFile(f, "gh", 2, w), FileError::None);  // fires once
    EXPECT_EQ(CloseFile(f), FileError::None);
    EXPECT_EQ(env.ReadFile("c/out.bin"), "abcdgh");
    InjectFault(FaultOp::Delete, 1, FileError::AccessDenied);
    EXPECT_EQ(DeleteFile("C:\\out.bin"), FileError::AccessDenied);
    EXPECT_TRUE(env.Exists("c/out.bin"));
    InjectFault(FaultOp::Open, 1, FileError::SharingViolation);
    EXPECT_EQ(OpenFile("C:\\out.bin", OpenMode::Read, f), FileError::SharingViolation);
    InjectFault(FaultOp::Rename, 2, FileError::IoError);
    ClearFaults();
    EXPECT_EQ(RenameFile("C:\\out.bin", "C:\\o2.bin"), FileError::None);
}

TEST(PlatformFiles, PortsWriteToTheirDeviceAndAppend) {
    TestEnv env;
    EXPECT_TRUE(IsPortName("lpt1"));
    EXPECT_FALSE(IsPortName("LPT3"));
    for (const char* chunk : {"one", "two"}) {
        File f;
        ASSERT_EQ(OpenFile("LPT1", OpenMode::CreateTruncate, f), FileError::None);
        size_t w;
        WriteFile(f, chunk, 3, w);
    }
    EXPECT_EQ(env.ReadFile("lpt1.out"), "onetwo");
}

TEST(PlatformTime, DateTimeConversionsAgree) {
    DateTime d;
    ASSERT_TRUE(EncodeDate(1899, 12, 30, d));
    EXPECT_EQ(d, 0.0);
    ASSERT_TRUE(EncodeDate(2000, 2, 29, d));
    EXPECT_FALSE(EncodeDate(1999, 2, 29, d));
    EXPECT_FALSE(EncodeDate(2024, 13, 1, d));
    DateTime t;
    ASSERT_TRUE(EncodeTime(23, 59, 30, 0, t));
    DateParts p{};
    ASSERT_TRUE(DecodeDateTime(45000.0 + t, p));
    EXPECT_EQ(p.year, 2023);
    EXPECT_EQ(p.month, 3);
    EXPECT_EQ(p.day, 15);
    EXPECT_EQ(p.hour, 23);
    EXPECT_EQ(p.second, 30);
    // A host time survives the round trip (to the millisecond).
    FileTime ft{1700000000, 250000000};
    FileTime back = DateTimeToFileTime(FileTimeToDateTime(ft));
    EXPECT_EQ(back.sec, ft.sec);
    EXPECT_NEAR(back.nsec, ft.nsec, 1000000);
    // Times far outside the classic 1980-2107 window still convert.
    ASSERT_TRUE(DecodeDateTime(FileTimeToDateTime(FileTime{-2000000000LL, 0}), p));
    EXPECT_EQ(p.year, 1906);
    ASSERT_TRUE(DecodeDateTime(FileTimeToDateTime(FileTime{5000000000LL, 0}), p));
    EXPECT_EQ(p.year, 2128);
}

TEST(PlatformHelp, TopicsAreReadFromTheHelpFile) {
    TestEnv env;
    std::string file = env.WriteFile("Quilby.hlp", "#topic 1 Contents\nFirst\n#topic 20 Copy\nCopy text\nmore\n");
    SetHelpFile(file);
    std::string title;
    EXPECT_EQ(*HelpTopic(20, &title), "Copy text\nmore\n");
    EXPECT_EQ(title, "Copy");
    EXPECT_FALSE(HelpTopic(99).has_value());
}

TEST(PlatformEnumeration, LinksAreMarked) {
    TestEnv env;
    fs::create_directories(env.hostD + "/outside");
    fs::create_directory_symlink(env.hostD + "/outside", env.hostC + "/link");
    env.WriteFile("c/plain", "");
    std::map<std::string, bool> links;
    FindFiles("C:\\*.*", faAnyFile, [&](const FindData& fd) {
        links[fd.name] = fd.isLink;
        if (fd.name == "link") {
            EXPECT_TRUE(fd.attr & faDirectory);
        }
        return true;
    });
    EXPECT_TRUE(links["link"]);
    EXPECT_FALSE(links["plain"]);
    // Deleting the link removes the link, never the directory it names.
    EXPECT_EQ(DeleteFile("C:\\link"), FileError::None);
    EXPECT_TRUE(fs::exists(env.hostD + "/outside"));
}

TEST(PlatformEnumeration, DirectoriesOnlyForTrees) {
    TestEnv env;
    fs::create_directories(env.hostC + "/Tree/A");
    fs::create_directories(env.hostC + "/Tree/.hid");
    env.WriteFile("c/Tree/file.txt", "x");
    fs::create_directory_symlink(env.hostC + "/Tree/A", env.hostC + "/Tree/L");
    auto dirs = [](uint32_t mask) {
        std::set<std::string> out;
        EXPECT_TRUE(FindDirectories("C:\\TREE", mask, [&](const FindData& fd) {
            EXPECT_TRUE(fd.attr & faDirectory);
            out.insert(fd.name + (fd.isLink ? "@" : ""));
            return true;
        }));
        return out;
    };
    EXPECT_EQ(dirs(faDirectory), (std::set<std::string>{"A", "L@"}));
    EXPECT_EQ(dirs(faDirectory | faHidden), (std::set<std::string>{"A", "L@", ".hid"}));
    EXPECT_FALSE(FindDirectories("C:\\nope", faDirectory, [](const FindData&) { return true; }));
}

TEST(PlatformTime, TimesBeyondTheCalendarGiveNoDate) {
    DateParts p{};
    EXPECT_FALSE(DecodeDateTime(FileTimeToDateTime(FileTime{INT64_MAX / 2, 0}), p));
}

TEST(PlatformPaths, NewNamesInALargeDirectoryStillFindOtherSpellings) {
    TestEnv env;
    fs::create_directories(env.hostC + "/Big");
    for (int i = 0; i < 300; ++i) {
        File f;
        ASSERT_EQ(OpenFile("C:\\BIG\\new" + std::to_string(i) + ".txt", OpenMode::CreateTruncate, f),
                  FileError::None);
    }
    // Names created by the program are known at once in every spelling...
    EXPECT_TRUE(FileExists("C:\\Big\\NEW299.TXT"));
    // ...and so are names another program adds or removes.
    std::ofstream(env.hostC + "/Big/Outside.txt") << "x";
    EXPECT_TRUE(FileExists("C:\\Big\\OUTSIDE.TXT"));
    fs::remove(env.hostC + "/Big/new5.txt");
    EXPECT_FALSE(FileExists("C:\\Big\\NEW5.TXT"));
    EXPECT_EQ(CreateDirectory("C:\\Big\\Sub"), FileError::None);
    EXPECT_TRUE(DirectoryExists("C:\\BIG\\SUB"));
}

TEST(PlatformPaths, UnmountedDriveIsNotReadyAndNeverCrashes) {
    TestEnv env;
    {
        std::ofstream ini(env.iniPath);
        ini << "[Drives]\nC=" << env.hostC << "\nE=" << env.root << "/not-mounted,removable\n";
    }
    InitDrives(env.iniPath);
    ASSERT_NE(FindDrive('E'), nullptr);
    int64_t size = 0, free = 0;
    EXPECT_FALSE(DiskSpace('E', size, free));
    EXPECT_FALSE(SetCurrentDir("E:\\"));
    EXPECT_FALSE(FindFiles("E:\\*.*", faAnyFile, [](const FindData&) { return true; }));
    File f;
    EXPECT_EQ(OpenFile("E:\\x.txt", OpenMode::CreateTruncate, f), FileError::PathNotFound);
    EXPECT_EQ(GetCurrentDir().substr(0, 2), "C:");
}
