// The world of the file operation dialogs' tests: a main window over the
// test's own drives (C: and D: are <root>/c and <root>/d) with directory
// windows that list every file of a real directory, or a result window's
// files, and run their commands for real.
#pragma once

#include <QCoreApplication>
#include <QLabel>
#include <QListWidget>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/platform/platform.h"
#include "support/byte_pattern.h"
#include "support/fake_dir_window.h"
#include "support/test_env.h"
#include "ui/frame/main_window.h"

class DialogTest : public ::testing::Test {
protected:
    TestEnv env;
    std::unique_ptr<Tmainform> form = std::make_unique<Tmainform>();

    ~DialogTest() override {
        form.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // A split window on directory, added to the main window and active.
    TFakeDirWindow* Open(const std::string& directory) {
        return Add(new TFakeDirWindow(form.get(), directory));
    }
    TFakeDirWindow* OpenResult(const std::string& base, const std::vector<std::string>& relative) {
        return Add(new TFakeDirWindow(form.get(), base, relative));
    }
    // Lists every file of w, runs its commands for real, reads it and adds
    // it to the main window, active.
    TFakeDirWindow* Add(TFakeDirWindow* w) {
        w->ListEveryFile();
        w->runsCommands = true;
        w->ReadDirectory();
        form->AddChild(w);
        return w;
    }
    // Host file below the test root ("c/SRC/A.TXT").
    std::string Read(const std::string& rel) const { return env.ReadFile(rel); }
    bool Exists(const std::string& rel) const { return env.Exists(rel); }
    void MakeDir(const std::string& rel) const {
        std::filesystem::create_directories(env.Host(rel));
    }
    // Makes every StepProgress move the gauge, so the loop processes events
    // after every file.
    static void GaugeMovesEverySecond() {
        plat::SetClockSecondSource([n = 0]() mutable { return n = n % 59 + 1; });
    }
    // Texts the list shows.
    static std::vector<std::string> Rows(QListWidget* list) {
        std::vector<std::string> out;
        for (int i = 0; i < list->count(); ++i) out.push_back(list->item(i)->text().toStdString());
        return out;
    }
    // Texts of the labels of w.
    static QStringList LabelTexts(QWidget& w) {
        QStringList out;
        for (QLabel* l : w.findChildren<QLabel*>()) out << l->text();
        return out;
    }
    // Texts the prompter was asked to show, in order.
    std::vector<std::string> Texts() const { return env.prompts.texts(); }
};

// The start of the copy and move tests: C:\SRC holds A.TXT, B.TXT and
// C.TXT, the first two tagged; D:\DST is empty.
class TransferDialogTest : public DialogTest {
protected:
    TFakeDirWindow* src = nullptr;

    void SetUp() override {
        env.WriteFile("c/SRC/A.TXT", "alpha");
        env.WriteFile("c/SRC/B.TXT", "bravo");
        env.WriteFile("c/SRC/C.TXT", "charlie");
        MakeDir("d/DST");
        src = Open("C:\\SRC");
        src->Tag({"A.TXT", "B.TXT"});
    }
};
