// The world of the directory operation tests: a main window over the
// test's own drives, and a directory window that lists a real directory in
// its file list, has a settable tree selection and counts the re-reads the
// operations ask of it.
#pragma once

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <algorithm>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "ui/dirwin/mdi_child_window.h"
#include "core/platform/errors.h"
#include "core/platform/platform.h"
#include "ui/frame/main_window.h"
#include "support/test_env.h"

class TFakeDirOpsWindow : public TMDIChild {
  public:
    explicit TFakeDirOpsWindow(const std::string& directory, TFrameServices* frame = nullptr)
        : TMDIChild(frame), directory_(directory), selected_(directory) {
        setWindowTitle(QString::fromStdString(directory));
        ReadDirectory();
        reads = 0;
    }

    int reads = 0, treeReads = 0, statusUpdates = 0;
    // Makes ShowsPath fail, as a window on a vanished drive may.
    bool failShowsPath = false;

    void SelectDirectory(const std::string& dir) { selected_ = dir; }

    std::string GetDirectory() override { return directory_; }
    void WriteTaggedList(const std::string& fileName) override {
        FileList.WriteTaggedList(fileName);
    }
    bool ShowsPath(const std::string& path) override {
        if (failShowsPath) throw EInOutError("Drive not ready");
        std::string mine = plat::UpperCase(directory_);
        if (mine.empty() || mine.back() != '\\') mine += '\\';
        return mine.rfind(plat::UpperCase(path), 0) == 0;
    }
    void ReadDirectory() override {
        ++reads;
        FileList.ReadDirectory(directory_, Options);
    }
    void Refresh() override { ReadDirectory(); }
    std::string GetSelectedDirectory() override { return selected_; }
    char GetDrive() override { return directory_.empty() ? '\0' : directory_[0]; }
    std::string GetEntryPath(int index) override { return FileList.GetEntryPath(index); }
    void SetupHeader() override {}
    void UpdateStatus() override { ++statusUpdates; }
    void RepaintList() override {}
    int GetCurrentIndex() override { return -1; }
    void UpdateTree() override { ++treeReads; }
    bool ApplyListFont() override { return false; }
    void CancelDrag() override {}

    // Names of the entries now listed, in list order.
    std::vector<std::string> Names() {
        std::vector<std::string> out;
        for (int i = 0; i < GetListCount(); ++i) out.push_back(GetEntryName(i));
        return out;
    }

  private:
    std::string directory_;
    std::string selected_;
};

struct DirOpsTest : ::testing::Test {
    TestEnv env;
    std::unique_ptr<Tmainform> form = std::make_unique<Tmainform>();

    void TearDown() override { form.reset(); }

    // A window on directory (Windows form), added to the main window and
    // made active; its counters start at 0.
    TFakeDirOpsWindow* Open(const std::string& directory) {
        auto* w = new TFakeDirOpsWindow(directory, form.get());
        form->AddChild(w);
        w->reads = w->treeReads = w->statusUpdates = 0;
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
