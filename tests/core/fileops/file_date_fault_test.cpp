// A copy whose date cannot be carried over says so; the data is complete.
#include <gtest/gtest.h>

#include "core/fileops/file_primitives.h"
#include "core/platform/errors.h"
#include "core/platform/platform.h"
#include "support/test_env.h"

TEST(CopyDate, AFailedDateIsReportedAfterTheDataIsComplete) {
    TestEnv env;
    env.WriteFile("c/SRC.TXT", std::string(100000, 'q'));
    plat::InjectFault(plat::FaultOp::SetTime, 1, plat::FileError::AccessDenied);
    try {
        CopyOneFile("C:\\SRC.TXT", "D:\\DST.TXT", false, false);
        FAIL() << "no error raised";
    } catch (const EInOutError& e) {
        EXPECT_STREQ(e.what(), "Couldn't set the file date");
    }
    EXPECT_EQ(env.ReadFile("d/DST.TXT"), env.ReadFile("c/SRC.TXT"));
}
