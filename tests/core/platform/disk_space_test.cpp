// Drive sizes never hold up the program: a drive whose file system does not
// answer is not ready, is asked once at a time, and is ready again once it
// answers.
#include <gtest/gtest.h>

#include <atomic>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>

#include "core/platform/platform.h"
#include "core/text/size_text.h"
#include "support/test_env.h"

using namespace plat;

namespace {

// A file system that holds every question of one root until released.
struct HangingMount {
    std::string root;
    std::mutex mutex;
    std::condition_variable released;
    bool open = false;
    std::atomic<int> questions{0};

    void Release() {
        std::lock_guard<std::mutex> lock(mutex);
        open = true;
        released.notify_all();
    }
};

class DiskSpaceTest : public ::testing::Test {
protected:
    void TearDown() override {
        if (mount) mount->Release();
        SetDiskSpaceProbe(nullptr);
    }
    void HangDrive(char letter) {
        mount = std::make_shared<HangingMount>();
        mount->root = FindDrive(letter)->hostRoot;
        std::shared_ptr<HangingMount> m = mount;
        SetDiskSpaceProbe([m](const std::string& root, int64_t& size, int64_t& freeBytes) {
            if (root == m->root) {
                ++m->questions;
                std::unique_lock<std::mutex> lock(m->mutex);
                m->released.wait(lock, [&] { return m->open; });
            }
            size = 1000000000;
            freeBytes = 250000000;
            return true;
        });
    }

    TestEnv env;
    std::shared_ptr<HangingMount> mount;
};

}  // namespace

TEST_F(DiskSpaceTest, AHangingDriveIsNotReadyAndAskedOnceUntilItAnswers) {
    HangDrive('D');
    int64_t size = 0, freeBytes = 0;
    EXPECT_FALSE(DiskSpace('D', size, freeBytes));
    EXPECT_FALSE(DriveReady('d'));
    EXPECT_FALSE(DiskSpace('D', size, freeBytes));
    EXPECT_EQ(mount->questions.load(), 1);
    // The other drives answer meanwhile.
    EXPECT_TRUE(DiskSpace('C', size, freeBytes));
    EXPECT_EQ(size, 1000000000);

    mount->Release();
    // Once the late answer is in, the next question is a new one.
    bool ready = false;
    for (int i = 0; i < 500 && !ready; ++i) {
        ready = DiskSpace('D', size, freeBytes);
        if (!ready) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    EXPECT_TRUE(ready);
    EXPECT_EQ(size, 1000000000);
    EXPECT_EQ(freeBytes, 250000000);
    EXPECT_GE(mount->questions.load(), 2);
}

TEST_F(DiskSpaceTest, AFailingOrMissingDriveIsNotReady) {
    SetDiskSpaceProbe([](const std::string&, int64_t&, int64_t&) { return false; });
    int64_t size = 0, freeBytes = 0;
    EXPECT_FALSE(DiskSpace('C', size, freeBytes));
    SetDiskSpaceProbe(nullptr);
    EXPECT_TRUE(DiskSpace('C', size, freeBytes));
    std::vector<Drive> drives = Drives();
    Drive gone;
    gone.letter = 'E';
    gone.hostRoot = env.root + "/no-such-folder";
    drives.push_back(gone);
    SetDriveTable(drives);
    EXPECT_FALSE(DiskSpace('E', size, freeBytes));
    EXPECT_FALSE(DriveReady('E'));
}
