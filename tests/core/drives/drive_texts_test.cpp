// The drive list, the hint's space line and the drive information cells
// over a drive table of every kind, with sizes from a stand-in file system.
#include <gtest/gtest.h>

#include <atomic>
#include <map>

#include "core/drives/drive_texts.h"
#include "core/platform/platform.h"
#include "support/test_env.h"

using namespace plat;

namespace {

class DriveTextsTest : public ::testing::Test {
protected:
    void SetUp() override {
        // letter, host root, type, file system, network name
        std::vector<Drive> drives;
        drives.push_back({'A', env.hostD, DriveType::Removable, "", ""});
        drives.push_back({'C', env.hostC, DriveType::Fixed, "", ""});
        drives.push_back({'E', env.hostD, DriveType::CDRom, "", ""});
        drives.push_back({'N', env.hostD, DriveType::Remote, "", "//server/Share"});
        drives.push_back({'R', env.hostC, DriveType::Remote, "", ""});
        drives.push_back({'U', env.hostC, DriveType::Unknown, "", ""});
        drives.push_back({'X', env.root + "/missing", DriveType::Fixed, "", ""});
        SetDriveTable(drives);
        // Every root is counted from the start: the workers only count.
        for (const std::string& root : {env.hostC, env.hostD, env.root + "/missing"}) questions[root] = 0;
        // C: holds the worked example's figures; D:'s folder is a drive of
        // 1,000,000 bytes with 250,000 free.
        SetDiskSpaceProbe([this](const std::string& root, int64_t& size, int64_t& freeBytes) {
            ++questions.at(root);
            if (root == env.hostC) {
                size = 1000000000;
                freeBytes = 250000000;
                return true;
            }
            if (root == env.hostD) {
                size = 1000000;
                freeBytes = 250000;
                return true;
            }
            return false;
        });
    }
    void TearDown() override { SetDiskSpaceProbe(nullptr); }

    TestEnv env;
    std::map<std::string, std::atomic<int>> questions;
};

}  // namespace

TEST_F(DriveTextsTest, TheListHasOneUpperCaseTextPerKnownDriveInLetterOrder) {
    EXPECT_EQ(BuildDriveList(), (std::vector<std::string>{"A:", "C: []", "E: []", "N: //SERVER/SHARE",
                                                          "R: []", "X: []"}));
}

TEST_F(DriveTextsTest, TheHintShowsTheSpaceLineFloppyDiskOrNotReady) {
    EXPECT_EQ(DriveHint('C', false), "C: Avail: 250,000,000  Used: 732,421K  Free: 25 % ");
    EXPECT_EQ(DriveHint('X', false), "Not Ready");
    // A removable drive is not touched unless its figures are asked for.
    EXPECT_EQ(DriveHint('A', false), "Floppy Disk");
    EXPECT_EQ(questions[env.hostD].load(), 0);
    EXPECT_EQ(DriveHint('A', true), "A: Avail: 250,000  Used: 732K  Free: 25 % ");
    EXPECT_EQ(questions[env.hostD].load(), 1);
}

TEST_F(DriveTextsTest, SizesBeyondThirtyTwoBitsKeepTheirTextForms) {
    const int64_t tib = int64_t{1} << 40;
    EXPECT_EQ(DriveSpaceLine('D', 4 * tib, tib), "D: Avail: 1,099,511,627,776  Used: 3,221,225,472K  Free: 25 % ");
    EXPECT_EQ(DriveSpaceLine('D', 0, 0), "D: Avail: 0  Used: 0K  Free: 0 % ");
}

TEST_F(DriveTextsTest, InformationCellsInEveryUnitAndNotReady) {
    struct Case {
        char unit;
        const char *size, *freeSpace;
    };
    for (const Case& c : {Case{'B', "1,000,000 ", "250,000 "}, Case{'K', "976K", "244K"},
                          Case{'M', "0M", "0M"}}) {
        TDriveRowCells cells = MeasureDriveRow('E', c.unit);
        EXPECT_EQ(cells.size, c.size) << c.unit;
        EXPECT_EQ(cells.freeSpace, c.freeSpace) << c.unit;
        EXPECT_EQ(cells.percent, "25 % ") << c.unit;
    }
    TDriveRowCells missing = MeasureDriveRow('X', 'B');
    EXPECT_EQ(missing.size, "Not ready");
    EXPECT_FALSE(missing.freeSpace.has_value());
    EXPECT_FALSE(missing.percent.has_value());
}
