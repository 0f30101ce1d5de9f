// A small directory window for the operation dialogs' tests: it reads a
// real directory of the test's drives into its file list (or, as a result
// window, a list of files below a base directory) and counts what the main
// window asks of it. Also the fixtures the dialog tests share.
#pragma once

#include <QApplication>
#include <QCoreApplication>
#include <QLabel>
#include <QListWidget>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/filelist/file_entry.h"
#include "ui/dirwin/mdi_child_window.h"
#include "core/platform/platform.h"
#include "ui/frame/main_window.h"
#include "support/byte_pattern.h"
#include "support/test_env.h"

class TTestDirWindow : public TMDIChild {
public:
    // A split window on directory (Windows form).
    explicit TTestDirWindow(const std::string& directory, TFrameServices* frame = nullptr)
        : TMDIChild(frame), directory_(directory) {
        setWindowTitle(QString::fromStdString(directory));
        Options.A_Hidden = Options.A_System = true;
        ReadDirectory();
    }
    // A result window: files given by their paths relative to base.
    TTestDirWindow(const std::string& base, const std::vector<std::string>& relative,
                   TFrameServices* frame = nullptr)
        : TMDIChild(frame), directory_(base), relative_(relative), result_(true) {
        setWindowTitle(QString::fromStdString(base));
        ReadDirectory();
    }

    int reads = 0, treeReads = 0;

    // Tags the entries of these names (as listed); every name must exist.
    void Tag(const std::vector<std::string>& names) {
        for (const std::string& n : names) {
            int i = FindEntry(n);
            ASSERT_GE(i, 0) << n;
            TagEntry(i);
        }
    }
    std::vector<std::string> Names() {
        std::vector<std::string> out;
        for (int i = 0; i < GetListCount(); ++i) out.push_back(GetEntryName(i));
        return out;
    }

    std::string GetDirectory() override { return directory_; }
    void WriteTaggedList(const std::string& fileName) override { FileList.WriteTaggedList(fileName); }
    bool ShowsPath(const std::string& path) override {
        std::string mine = plat::UpperCase(directory_);
        if (mine.empty() || mine.back() != '\\') mine += '\\';
        std::string given = plat::UpperCase(path);
        return result_ ? given.rfind(mine, 0) == 0 : mine.rfind(given, 0) == 0;
    }
    void ReadDirectory() override {
        ++reads;
        if (!result_) {
            FileList.ReadDirectory(directory_, Options);
            return;
        }
        FileList.ClearEntries();
        FileList.SetDirectory(directory_);
        dirs_.clear();
        for (const std::string& rel : relative_) {
            plat::FindData fd;
            if (!plat::GetFindData(Base() + rel, fd)) continue;
            size_t slash = rel.rfind('\\');
            dirs_.push_back(slash == std::string::npos ? "" : rel.substr(0, slash + 1));
            fd.name = rel.substr(slash == std::string::npos ? 0 : slash + 1);
            FileList.AppendEntry(fd, static_cast<int32_t>(dirs_.size() - 1));
        }
    }
    // A result window lists each file with its relative directory.
    std::string GetEntryName(int index) override {
        return Relative(index) + FileList.GetEntryName(index);
    }
    void GetTaggedNames(std::vector<std::string>& names) override {
        for (int i = FirstTagged(); i != -1; i = NextTagged(i)) names.push_back(GetEntryName(i));
    }
    int FindEntry(const std::string& name) override {
        for (int i = 0; i < GetListCount(); ++i)
            if (GetEntryName(i) == name) return i;
        return -1;
    }
    std::string GetEntryPath(int index) override {
        if (!result_) return FileList.GetEntryPath(index);
        return Base() + Relative(index) + EntryFileName(FileList.Entry(index));
    }
    void Refresh() override { ReadDirectory(); }
    std::string GetSelectedDirectory() override { return directory_; }
    char GetDrive() override { return directory_.empty() ? '\0' : directory_[0]; }
    void SetupHeader() override {}
    void UpdateStatus() override {}
    void RepaintList() override {}
    int GetCurrentIndex() override { return -1; }
    void UpdateTree() override { ++treeReads; }
    bool ApplyListFont() override { return false; }
    void CancelDrag() override {}

private:
    std::string Base() const {
        return directory_.back() == '\\' ? directory_ : directory_ + "\\";
    }
    std::string Relative(int index) {
        if (!result_ || index < 0 || index >= GetListCount()) return "";
        return dirs_.at(static_cast<size_t>(FileList.Entry(index).DirIndex));
    }

    std::string directory_;
    std::vector<std::string> relative_;
    std::vector<std::string> dirs_;
    bool result_ = false;
};

// A hermetic world with a main window; files are made on the test drives
// (C: and D: are <root>/c and <root>/d).
class DialogTest : public ::testing::Test {
protected:
    TestEnv env;
    std::unique_ptr<Tmainform> form = std::make_unique<Tmainform>();

    ~DialogTest() override {
        form.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // A split window on directory, added to the main window and active.
    TTestDirWindow* Open(const std::string& directory) {
        auto* w = new TTestDirWindow(directory, form.get());
        form->AddChild(w);
        return w;
    }
    TTestDirWindow* OpenResult(const std::string& base, const std::vector<std::string>& relative) {
        auto* w = new TTestDirWindow(base, relative, form.get());
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
    TTestDirWindow* src = nullptr;

    void SetUp() override {
        env.WriteFile("c/SRC/A.TXT", "alpha");
        env.WriteFile("c/SRC/B.TXT", "bravo");
        env.WriteFile("c/SRC/C.TXT", "charlie");
        MakeDir("d/DST");
        src = Open("C:\\SRC");
        src->Tag({"A.TXT", "B.TXT"});
    }
};
