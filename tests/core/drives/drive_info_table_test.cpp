// The drive information rows over a drive table of every kind: names,
// figures, removable drives left alone, drives that are gone, the refresh
// of one drive and the stored unit.
#include <gtest/gtest.h>

#include <atomic>

#include "core/drives/drive_info_table.h"
#include "core/platform/platform.h"
#include "support/test_env.h"

using namespace plat;

namespace {

class DriveInfoTableTest : public ::testing::Test {
protected:
    void SetUp() override {
        // letter, host root, type, file system, network name
        std::vector<Drive> drives;
        drives.push_back({'A', env.hostD, DriveType::Removable, "", ""});
        drives.push_back({'C', env.hostC, DriveType::Fixed, "", ""});
        drives.push_back({'X', env.root + "/missing", DriveType::Fixed, "", ""});
        SetDriveTable(drives);
        SetDiskSpaceProbe([this](const std::string& root, int64_t& size, int64_t& freeBytes) {
            if (root == env.hostD) ++floppyQuestions;
            if (root != env.hostC && root != env.hostD) return false;
            if (cFails && root == env.hostC) return false;
            size = 1000000;
            freeBytes = freeC;
            return true;
        });
    }
    void TearDown() override { SetDiskSpaceProbe(nullptr); }

    TestEnv env;
    std::atomic<int> floppyQuestions{0};
    std::atomic<int64_t> freeC{250000};
    std::atomic<bool> cFails{false};
};

}  // namespace

TEST(DriveInfoUnit, OnlyBKOrMInEitherCaseElseBytes) {
    const std::pair<const char*, char> cases[] = {{"B", 'B'}, {"K", 'K'}, {"M", 'M'}, {"k", 'K'}, {"m", 'M'},
                                                  {"", 'B'},  {"X", 'B'}, {"KB", 'B'}, {" K", 'B'}, {"0", 'B'}};
    for (auto [stored, unit] : cases) EXPECT_EQ(DriveInfoUnit(stored), unit) << '"' << stored << '"';
}

TEST_F(DriveInfoTableTest, FillingNamesEveryRowAndMeasuresAllButRemovableDrives) {
    TDriveInfoTable table({"a:", "c: [odd * ? < label]", "X: []", ""});
    table.SetUnit('K');
    table.Fill(false);
    const auto& rows = table.Rows();
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[0].name, "A:");
    EXPECT_EQ(rows[0].size, "");
    EXPECT_EQ(floppyQuestions.load(), 0);
    EXPECT_EQ(rows[1].name, "C: [ODD * ? < LABEL]");
    EXPECT_EQ(rows[1].size, "976K");
    EXPECT_EQ(rows[1].freeSpace, "244K");
    EXPECT_EQ(rows[1].percent, "25 % ");
    // A drive whose folder is gone is not ready; a text without a letter
    // names no drive.
    EXPECT_EQ(rows[2].size, "Not ready");
    EXPECT_EQ(rows[2].freeSpace, "");
    EXPECT_EQ(rows[3].name, "");
    EXPECT_EQ(rows[3].size, "");

    table.Fill(true);
    EXPECT_EQ(floppyQuestions.load(), 1);
    EXPECT_EQ(rows[0].size, "976K");
}

TEST_F(DriveInfoTableTest, RefreshMeasuresTheFirstRowOfTheLetterAndKeepsCellsItCannotFill) {
    TDriveInfoTable table({"A:", "C: []", "C: [TWICE]"});
    table.Fill(false);
    freeC = 500000;
    EXPECT_EQ(table.RefreshDrive('c'), 1);
    EXPECT_EQ(table.Rows()[1].freeSpace, "500,000 ");
    EXPECT_EQ(table.Rows()[1].percent, "50 % ");
    EXPECT_EQ(table.Rows()[2].freeSpace, "250,000 ");

    // Removable or not, the changed drive is measured.
    EXPECT_EQ(table.RefreshDrive('A'), 0);
    EXPECT_EQ(floppyQuestions.load(), 1);
    EXPECT_EQ(table.Rows()[0].size, "1,000,000 ");

    cFails = true;
    EXPECT_EQ(table.RefreshDrive('C'), 1);
    EXPECT_EQ(table.Rows()[1].size, "Not ready");
    EXPECT_EQ(table.Rows()[1].freeSpace, "500,000 ");
    EXPECT_EQ(table.RefreshDrive('Q'), -1);
    EXPECT_EQ(table.RefreshDrive('\0'), -1);
}
