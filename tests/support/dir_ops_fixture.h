// The world of the directory operation tests: a main window over the
// test's own drives, and directory windows that list a real directory, have
// a settable tree selection and count the re-reads the operations ask of
// them.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "core/platform/platform.h"
#include "support/fake_dir_window.h"
#include "support/test_env.h"
#include "ui/frame/main_window.h"

struct DirOpsTest : ::testing::Test {
    TestEnv env;
    std::unique_ptr<Tmainform> form = std::make_unique<Tmainform>();

    void TearDown() override { form.reset(); }

    // A window on directory (Windows form), added to the main window and
    // made active; its counters start at 0.
    TFakeDirWindow* Open(const std::string& directory) {
        auto* w = new TFakeDirWindow(form.get(), directory);
        w->ReadDirectory();
        form->AddChild(w);
        w->ResetCounts();
        return w;
    }

    // Host path of a Windows-form path on drive C: or D:.
    std::filesystem::path Host(const std::string& winPath) const {
        return std::filesystem::path(*plat::ToHost(winPath));
    }
    bool IsDir(const std::string& winPath) const {
        return std::filesystem::is_directory(Host(winPath));
    }
    bool IsFile(const std::string& winPath) const {
        return std::filesystem::is_regular_file(Host(winPath));
    }
    // Names directly inside a directory, sorted.
    std::vector<std::string> Listing(const std::string& winPath) const {
        std::vector<std::string> out;
        for (const auto& e : std::filesystem::directory_iterator(Host(winPath)))
            out.push_back(e.path().filename().string());
        std::sort(out.begin(), out.end());
        return out;
    }
};
