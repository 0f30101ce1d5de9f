// DOS attributes: one reading of user.DOSATTRIB for listings and single
// files, and the hidden bit a leading "." sets.
#include <gtest/gtest.h>
#include <sys/xattr.h>

#include <filesystem>
#include <fstream>
#include <map>

#include "core/platform/platform.h"
#include "support/test_env.h"
#include "support/tree_snapshot.h"

namespace fs = std::filesystem;
using namespace plat;

namespace {

uint32_t ListedAttributes(const std::string& name) {
    uint32_t attr = kInvalidAttributes;
    FindFiles("C:\\*.*", faAnyFile & ~faVolumeID, [&](const FindData& fd) {
        if (fd.name == name) attr = fd.attr;
        return true;
    });
    return attr;
}

}  // namespace

TEST(Attributes, ListingAndSingleFileReadEveryLengthOfStoredValueAlike) {
    TestEnv env;
    // Samba writes the text, a NUL and binary data after it; the value's
    // length decides nothing.
    const size_t lengths[] = {4, 31, 32, 34, 64, 255, 256, 300, 2000};
    for (size_t length : lengths) {
        SCOPED_TRACE(length);
        const std::string name = "f" + std::to_string(length);
        const std::string host = env.WriteFile("c/" + name, name);
        std::string value = "0x22";
        value += '\0';
        value.resize(length < value.size() ? 4 : length, '\x7F');
        if (setxattr(host.c_str(), "user.DOSATTRIB", value.data(), value.size(), 0) != 0)
            GTEST_SKIP() << "no user extended attributes here";
        EXPECT_EQ(GetFileAttributes("C:\\" + name), faHidden | faArchive);
        EXPECT_EQ(ListedAttributes(name), faHidden | faArchive);
    }
}

TEST(Attributes, ClearingHiddenOnADotNameFailsAndChangesTheOtherBits) {
    TestEnv env;
    env.WriteFile("c/.profile", "dot");
    env.WriteFile("c/plain", "plain");
    ASSERT_EQ(SetFileAttributes("C:\\plain", faHidden | faArchive), FileError::None);
    const auto before = TreeSnapshot(env.root);

    EXPECT_EQ(SetFileAttributes("C:\\plain", faArchive), FileError::None);
    EXPECT_EQ(GetFileAttributes("C:\\plain"), faArchive);
    // Hidden by its name: clearing it cannot take effect, so it is a
    // failure; the bits that can change still do.
    EXPECT_EQ(SetFileAttributes("C:\\.profile", faArchive | faReadOnly), FileError::AccessDenied);
    EXPECT_EQ(GetFileAttributes("C:\\.profile"), faHidden | faArchive | faReadOnly);
    EXPECT_EQ(SetFileAttributes("C:\\.profile", faHidden | faArchive), FileError::None);
    EXPECT_EQ(GetFileAttributes("C:\\.profile"), faHidden | faArchive);
    EXPECT_EQ(TreeSnapshot(env.root), before);
}
