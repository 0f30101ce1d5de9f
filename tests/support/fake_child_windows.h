// Small child windows for the main window's tests: a directory window over
// a real directory of the test's drive, an editor-like file window and a
// window of another kind (like a viewer).
#pragma once

#include <QMdiSubWindow>
#include <string>
#include <vector>

#include "ui/dirwin/mdi_child_window.h"
#include "core/platform/platform.h"
#include "ui/frame/main_window.h"

class TFakeDirWindow : public TMDIChild {
public:
    TFakeDirWindow(TFrameServices* frame, const std::string& directory, bool resultWindow = false)
        : TMDIChild(frame), directory_(directory), result_(resultWindow) {
        setWindowTitle(QString::fromStdString(directory));
    }
    bool IsResultWindow() const override { return result_; }

    // What the main window asked of this window.
    int reads = 0, treeReads = 0, statusUpdates = 0, repaints = 0, cancels = 0;
    int copies = 0, deletes = 0, reversals = 0, opened = -1, printed = -1, edited = -1;
    int current = -1;  // the list's current row

    std::string GetDirectory() override { return directory_; }
    void WriteTaggedList(const std::string& fileName) override { FileList.WriteTaggedList(fileName); }
    bool ShowsPath(const std::string& path) override {
        std::string mine = plat::UpperCase(directory_);
        if (mine.empty() || mine.back() != '\\') mine += '\\';
        return mine.rfind(plat::UpperCase(path), 0) == 0;
    }
    void ReadDirectory() override {
        ++reads;
        FileList.ReadDirectory(directory_, Options);
        UpdateStatus();
    }
    void Refresh() override { ReadDirectory(); }
    std::string GetSelectedDirectory() override { return directory_; }
    char GetDrive() override { return directory_.empty() ? '\0' : directory_[0]; }
    std::string GetEntryPath(int index) override { return FileList.GetEntryPath(index); }
    void SetupHeader() override {}
    void UpdateStatus() override {
        ++statusUpdates;
        if (!Frame()) return;
        TDirectoryStatus s;
        s.EntryCount = FileList.GetEntryCount();
        s.EntryBytes = FileList.GetEntryBytes();
        s.TaggedCount = FileList.GetTaggedCount();
        s.TaggedBytes = FileList.GetTaggedBytes();
        s.SortKeys = Options.SortKeys;
        s.Wildcards = Options.Wildcards;
        s.ResultWindow = result_;
        Frame()->ShowDirectoryStatus(s);
    }
    void RepaintList() override { ++repaints; }
    int GetCurrentIndex() override { return current; }
    void UpdateTree() override { ++treeReads; }
    bool ApplyListFont() override { return false; }
    void CancelDrag() override {
        ++cancels;
        if (Frame()) Frame()->Drag().Source = nullptr;
    }
    void CopyTagged() override { ++copies; }
    void DeleteTagged() override { ++deletes; }
    void ReverseAll() override {
        ++reversals;
        TMDIChild::ReverseAll();
        UpdateStatus();
    }
    void TagAll() override {
        TMDIChild::TagAll();
        UpdateStatus();
    }
    void OpenEntry(int index) override { opened = index; }
    void PrintEntry(int index) override { printed = index; }
    void EditEntry(int index) override { edited = index; }

private:
    std::string directory_;
    bool result_;
};

// An editor-like child: a file window that is no directory window.
class TFakeEditorWindow : public TMDIFileBase {
public:
    bool allowClose = true;
    std::string GetDirectory() override { return "C:\\"; }
    int GetTaggedCount() override { return 1; }
    void WriteTaggedList(const std::string&) override {}
    std::string GetCurrentName() override { return "NOTES.TXT"; }
    bool QuerySave() override { return allowClose; }
};
