// The settings file is never lost, mixed up or taken over: read-only files,
// two writing processes, oversized files, owners, and changes made behind
// the reader's back.
#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <set>
#include <string>
#include <thread>

#include <gtest/gtest.h>

#include "core/platform/platform.h"
#include "support/test_env.h"

namespace fs = std::filesystem;
using plat::ProfileDelete;
using plat::ProfileReadKeys;
using plat::ProfileReadString;
using plat::ProfileRefused;
using plat::ProfileWriteString;

namespace {

std::set<std::string> NamesIn(const std::string& dir) {
    std::set<std::string> names;
    for (const auto& e : fs::directory_iterator(dir)) names.insert(e.path().filename().string());
    return names;
}

struct Nobody {
    uid_t uid;
    gid_t gid;
};

Nobody NobodyUser() {
    const passwd* pw = getpwnam("nobody");
    const group* gr = getgrnam("nogroup");
    return {pw ? pw->pw_uid : 65534, gr ? gr->gr_gid : 65534};
}

// Runs body in a child process, as user `as` when given; the child's exit
// code is body's result (255 when it could not become that user).
int InChild(const std::function<int()>& body, const Nobody* as = nullptr) {
    pid_t pid = fork();
    if (pid == 0) {
        if (as && (setgroups(0, nullptr) != 0 || setgid(as->gid) != 0 || setuid(as->uid) != 0))
            _exit(255);
        _exit(body());
    }
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 254;
}

// Writes text into the existing file in place (same inode), as another
// program would.
void OverwriteInPlace(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary | std::ios::in | std::ios::out) << text;
}

void SetModified(const std::string& path, const timespec& mtime) {
    timespec times[2] = {mtime, mtime};
    ASSERT_EQ(utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
}

}  // namespace

TEST(ProfileSafety, ReadOnlyFileIsNeverReplaced) {
    TestEnv env;
    const std::string text = "[S]\nK=old\n";
    std::string f = env.WriteFile("ro/a.ini", text);
    chmod(f.c_str(), 0444);
    struct stat before {};
    ASSERT_EQ(stat(f.c_str(), &before), 0);
    EXPECT_FALSE(ProfileWriteString(f, "S", "K", "new"));
    EXPECT_FALSE(ProfileWriteString(f, "New", "K", "new"));
    EXPECT_FALSE(ProfileDelete(f, "S", "K"));
    EXPECT_FALSE(ProfileDelete(f, "S"));
    // Through a link the file it names is just as read-only.
    fs::create_symlink(f, env.Host("ro/link.ini"));
    EXPECT_FALSE(ProfileWriteString(env.Host("ro/link.ini"), "S", "K", "new"));
    struct stat after {};
    ASSERT_EQ(stat(f.c_str(), &after), 0);
    EXPECT_EQ(after.st_ino, before.st_ino);
    EXPECT_EQ(env.ReadFile("ro/a.ini"), text);
    EXPECT_EQ(NamesIn(env.Host("ro")), (std::set<std::string>{"a.ini", "link.ini"}));

    // An unprivileged owner in a folder it may write fares the same.
    Nobody nobody = NobodyUser();
    chmod(env.root.c_str(), 0755);
    chown(env.Host("ro").c_str(), nobody.uid, nobody.gid);
    chown(f.c_str(), nobody.uid, nobody.gid);
    int written = InChild([&] { return ProfileWriteString(f, "S", "K", "new") ? 1 : 0; }, &nobody);
    EXPECT_EQ(written, 0);
    EXPECT_EQ(env.ReadFile("ro/a.ini"), text);
    // Once the mark is gone the same owner writes it.
    chmod(f.c_str(), 0644);
    written = InChild([&] { return ProfileWriteString(f, "S", "K", "new") ? 1 : 0; }, &nobody);
    EXPECT_EQ(written, 1);
    EXPECT_EQ(env.ReadFile("ro/a.ini"), "[S]\nK=new\n");
    EXPECT_EQ(NamesIn(env.Host("ro")), (std::set<std::string>{"a.ini", "link.ini"}));
}

TEST(ProfileSafety, TwoProcessesWritingKeepEveryKey) {
    TestEnv env;
    std::string f = env.WriteFile("shared.ini", "[Keep]\nA=1\n");
    auto writer = [&](const std::string& who) {
        return [&, who] {
            for (int i = 0; i < 200; ++i)
                if (!ProfileWriteString(f, "Keys", who + std::to_string(i), std::to_string(i)))
                    return 1;
            return 0;
        };
    };
    pid_t first = fork();
    if (first == 0) _exit(writer("first")());
    int second = InChild(writer("second"));
    int status = 0;
    waitpid(first, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(second, 0);

    std::vector<std::string> keys = ProfileReadKeys(f, "Keys", SIZE_MAX);
    EXPECT_EQ(keys.size(), 400u);
    for (int i = 0; i < 200; ++i) {
        EXPECT_EQ(ProfileReadString(f, "Keys", "first" + std::to_string(i), ""), std::to_string(i));
        EXPECT_EQ(ProfileReadString(f, "Keys", "second" + std::to_string(i), ""), std::to_string(i));
    }
    EXPECT_EQ(ProfileReadString(f, "Keep", "A", ""), "1");
    // Neither temp files nor the lock file stay behind.
    EXPECT_EQ(NamesIn(env.root), (std::set<std::string>{"QUILBY.INI", "c", "d", "shared.ini"}));
}

TEST(ProfileSafety, OversizedFileIsRefusedAndLeftAlone) {
    TestEnv env;
    // 17 MiB of blank lines, then a section that must not be read.
    const std::string big = std::string(17 << 20, '\n') + "[S]\nK=v\n";
    std::string f = env.WriteFile("big.ini", big);
    EXPECT_TRUE(ProfileRefused(f));
    EXPECT_EQ(ProfileReadString(f, "S", "K", "default"), "default");
    EXPECT_TRUE(ProfileReadKeys(f, "S").empty());
    EXPECT_FALSE(ProfileWriteString(f, "S", "K", "new"));
    EXPECT_FALSE(ProfileDelete(f, "S"));
    EXPECT_TRUE(env.ReadFile("big.ini") == big);
    EXPECT_EQ(NamesIn(env.root), (std::set<std::string>{"QUILBY.INI", "big.ini", "c", "d"}));

    // A large file within the limit reads and writes as any other.
    const std::string large = std::string(15 << 20, '\n') + "[S]\r\nK=v\r\n";
    std::string g = env.WriteFile("large.ini", large);
    EXPECT_FALSE(ProfileRefused(g));
    EXPECT_EQ(ProfileReadString(g, "s", "k", "default"), "v");
    ASSERT_TRUE(ProfileWriteString(g, "S", "New", "w"));
    EXPECT_EQ(ProfileReadKeys(g, "S"), (std::vector<std::string>{"K", "New"}));
    EXPECT_TRUE(env.ReadFile("large.ini") == large + "New=w\n");
    // A write that would take it beyond the limit is refused.
    EXPECT_FALSE(ProfileWriteString(g, "S", "Huge", std::string(2 << 20, 'h')));
    EXPECT_TRUE(env.ReadFile("large.ini") == large + "New=w\n");
}

TEST(ProfileSafety, ReadsSeeChangesThatKeepSizeAndTime) {
    TestEnv env;
    std::string inPlace = env.WriteFile("inplace.ini", "[S]\nK=aaa\n");
    std::string replaced = env.WriteFile("replaced.ini", "[S]\nK=aaa\n");
    // Old enough that nothing about their times is in doubt any more.
    std::this_thread::sleep_for(std::chrono::milliseconds(2100));
    EXPECT_EQ(ProfileReadString(inPlace, "S", "K", ""), "aaa");
    EXPECT_EQ(ProfileReadString(replaced, "S", "K", ""), "aaa");
    struct stat inPlaceWas {}, replacedWas {};
    ASSERT_EQ(stat(inPlace.c_str(), &inPlaceWas), 0);
    ASSERT_EQ(stat(replaced.c_str(), &replacedWas), 0);

    // Another program rewrites one in place and puts its time back...
    OverwriteInPlace(inPlace, "[S]\nK=bbb\n");
    SetModified(inPlace, inPlaceWas.st_mtim);
    // ...and replaces the other by a file of the same size and time.
    std::string fresh = env.WriteFile("fresh.tmp", "[S]\nK=ccc\n");
    SetModified(fresh, replacedWas.st_mtim);
    fs::rename(fresh, replaced);

    EXPECT_EQ(ProfileReadString(inPlace, "S", "K", ""), "bbb");
    EXPECT_EQ(ProfileReadString(replaced, "S", "K", ""), "ccc");
    // A write starts from what is on disk, not from what was read before.
    ASSERT_TRUE(ProfileWriteString(inPlace, "S", "L", "1"));
    EXPECT_EQ(env.ReadFile("inplace.ini"), "[S]\nK=bbb\nL=1\n");
}

TEST(ProfileSafety, ReplacedFileKeepsOwnerGroupAndMode) {
    TestEnv env;
    Nobody nobody = NobodyUser();
    std::string f = env.WriteFile("user.ini", "[S]\nK=1\n");
    ASSERT_EQ(chown(f.c_str(), nobody.uid, nobody.gid), 0);
    ASSERT_EQ(chmod(f.c_str(), 0640), 0);
    struct stat before {};
    ASSERT_EQ(stat(f.c_str(), &before), 0);
    ASSERT_TRUE(ProfileWriteString(f, "S", "K", "2"));
    struct stat after {};
    ASSERT_EQ(stat(f.c_str(), &after), 0);
    EXPECT_NE(after.st_ino, before.st_ino);  // replaced, not written in place
    EXPECT_EQ(after.st_uid, nobody.uid);
    EXPECT_EQ(after.st_gid, nobody.gid);
    EXPECT_EQ(after.st_mode & 07777, 0640u);
    EXPECT_EQ(env.ReadFile("user.ini"), "[S]\nK=2\n");
    EXPECT_EQ(NamesIn(env.root), (std::set<std::string>{"QUILBY.INI", "c", "d", "user.ini"}));
}
