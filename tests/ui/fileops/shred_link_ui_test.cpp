// Shred acts on the entry the user tagged: a link is removed as itself and
// the file it names is never overwritten; a pipe is never opened.
#include <sys/stat.h>

#include <filesystem>

#include "support/dialog_test_fixture.h"
#include "core/fileops/file_primitives.h"
#include "ui/fileops/shred_dialog.h"
#include "support/tree_snapshot.h"

namespace fs = std::filesystem;

namespace {

class ShredLinkTest : public DialogTest {
protected:
    std::map<std::string, std::string> Drives() const {
        return DrivesSnapshot(env.root);
    }
};

}  // namespace

TEST_F(ShredLinkTest, ShreddingALinkRemovesTheLinkAndSaysSo) {
    env.WriteFile("d/SECRET.TXT", "the file the link names");
    env.WriteFile("c/SRC/PLAIN.TXT", "plain");
    fs::create_symlink(env.Host("d/SECRET.TXT"), env.Host("c/SRC/LINK.TXT"));
    auto* src = Open("C:\\SRC");
    src->Tag({"LINK.TXT", "PLAIN.TXT"});
    const auto before = Drives();
    TfShred dlg(*src);
    dlg.OKBtnClick();
    EXPECT_EQ(Texts(), std::vector<std::string>{"C:\\SRC\\LINK.TXT is a link: only the link was removed."});
    EXPECT_EQ(Drives(), Without(Without(before, "c/SRC/LINK.TXT"), "c/SRC/PLAIN.TXT"));
}

TEST_F(ShredLinkTest, APipeIsNeverOpenedForTheShred) {
    MakeDir("c/SRC");
    ASSERT_EQ(mkfifo(env.Host("c/SRC/PIPE").c_str(), 0644), 0);
    const auto before = Drives();
    try {
        ShredOneFile("C:\\SRC\\PIPE");
        ADD_FAILURE() << "no error";
    } catch (const EInOutError& e) {
        EXPECT_STREQ(e.what(), "Not a regular file: C:\\SRC\\PIPE");
    }
    EXPECT_EQ(Drives(), before);
}
