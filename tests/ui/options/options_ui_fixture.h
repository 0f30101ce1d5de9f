// What the option dialogs' tests share: a main window with the split
// directory windows and the option dialogs installed, split windows that
// count their re-reads, header rebuilds and repaints, settings written into
// the test's ini, and a way to act on the dialog a command opens modally.
#pragma once

#include <QApplication>
#include <QTimer>
#include <functional>
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "core/settings/app_ini.h"
#include "support/main_window_ui_fixture.h"
#include "support/tag_test_helpers.h"
#include "ui/dirwin/directory_windows_qt.h"
#include "ui/dirwin/sep_dir_window.h"
#include "ui/options/option_dialogs_qt.h"

// A split window that counts what the dialogs ask of it.
class TCountingSepDir : public TSepDir {
public:
    using TSepDir::TSepDir;
    int reads = 0, headers = 0, repaints = 0;
    void ReadDirectory() override {
        ++reads;
        TSepDir::ReadDirectory();
    }
    void SetupHeader() override {
        ++headers;
        TSepDir::SetupHeader();
    }
    void RepaintList() override {
        ++repaints;
        TSepDir::RepaintList();
    }
    void ResetCounts() { reads = headers = repaints = 0; }
};

struct OptionsUiTest : MainWindowUiTest {
    // Appends lines to the test's ini (its drive table stays).
    void AddToIni(const std::string& lines) {
        env.WriteFile("QUILBY.INI", env.ReadFile("QUILBY.INI") + lines);
        env.ReopenIni();
    }
    // A main window as at start-up, with the parts under test installed.
    std::unique_ptr<Tmainform> MakeForm() {
        auto f = std::make_unique<Tmainform>();
        InstallDirectoryWindows(*f);
        f->SetDirectoryWindowFactory([](TFrameServices& owner, int quickDir) -> TMDIChild* {
            return new TCountingSepDir(&owner, quickDir);
        });
        InstallOptionDialogs(*f);
        f->FirstActivationPending = false;
        f->resize(1000, 700);
        f->show();
        QApplication::processEvents();
        return f;
    }
    TCountingSepDir* Open(const std::string& dir) {
        EXPECT_TRUE(plat::SetCurrentDir(dir)) << dir;
        auto* w = dynamic_cast<TCountingSepDir*>(form->OpenDirectoryWindow());
        QApplication::processEvents();
        if (w) w->ResetCounts();
        return w;
    }
    std::string Ini(const char* section, const char* key) {
        return AppIni().ReadString(section, key, "(unset)");
    }
};

