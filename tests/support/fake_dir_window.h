// The child windows the UI tests put into a main window (or use alone): a
// directory window over a real directory of the test's drives, or a result
// window over files below a base directory, that counts what the program
// asks of it; and an editor-like file window that is no directory window.
#pragma once

#include <gtest/gtest.h>

#include <QString>
#include <optional>
#include <string>
#include <vector>

#include "core/filelist/file_entry.h"
#include "core/platform/errors.h"
#include "core/platform/platform.h"
#include "ui/dirwin/mdi_child_window.h"
#include "ui/dirwin/mdi_file_base_window.h"
#include "ui/dirwin/frame_services.h"

class TFakeDirWindow : public TMDIChild {
public:
    // A window on directory (Windows form); resultWindow makes it count as a
    // result window while it lists the directory like a split window.
    // Nothing is read until ReadDirectory.
    TFakeDirWindow(TFrameServices* frame, const std::string& directory, bool resultWindow = false)
        : TMDIChild(frame), directory_(directory), result_(resultWindow) {
        setWindowTitle(QString::fromStdString(directory));
    }
    // A result window: the files at these paths relative to base, each
    // listed with its relative directory. Nothing is read until ReadDirectory.
    TFakeDirWindow(TFrameServices* frame, const std::string& base,
                   const std::vector<std::string>& relative)
        : TMDIChild(frame), directory_(base), found_(relative), result_(true) {
        setWindowTitle(QString::fromStdString(base));
    }

    // What the program asked of this window.
    int reads = 0, treeReads = 0, statusUpdates = 0, repaints = 0, cancels = 0;
    int copies = 0, deletes = 0, reversals = 0, opened = -1, printed = -1, edited = -1;
    int current = -1;  // the list's current row
    // Copy and Delete open their dialogs, Open, Print and Edit act; else
    // they are only counted.
    bool runsCommands = false;
    // Makes ShowsPath fail, as a window on a vanished drive may.
    bool failShowsPath = false;
    // Put in front of every entry name, as a result window puts the entry's
    // directory relative to its base ("SUB\\").
    std::string namePrefix;

    void ResetCounts() { reads = treeReads = statusUpdates = repaints = 0; }
    // Hidden and system files are listed too.
    void ListEveryFile() {
        Options.A_Archive = Options.A_readonly = Options.A_Hidden = Options.A_System = true;
    }
    void SelectDirectory(const std::string& dir) { selected_ = dir; }

    // Tags the entries of these names (as listed); every name must exist.
    void Tag(const std::vector<std::string>& names) {
        for (const std::string& n : names) {
            int i = FindEntry(n);
            ASSERT_GE(i, 0) << n;
            TagEntry(i);
        }
    }
    // Names of the entries now listed, in list order.
    std::vector<std::string> Names() {
        std::vector<std::string> out;
        for (int i = 0; i < GetListCount(); ++i) out.push_back(GetEntryName(i));
        return out;
    }
    // File names of the tagged entries, in list order, joined with blanks.
    std::string TaggedNames() {
        std::string names;
        for (int i = FirstTagged(); i >= 0; i = NextTagged(i))
            names += (names.empty() ? "" : " ") + FileList.GetEntryName(i);
        return names;
    }

    bool IsResultWindow() const override { return result_; }
    std::string GetDirectory() override { return directory_; }
    void WriteTaggedList(const std::string& fileName) override { FileList.WriteTaggedList(fileName); }
    // A split window shows a path when its directory lies at or below it; a
    // result window when the path lies at or below its base.
    bool ShowsPath(const std::string& path) override {
        if (failShowsPath) throw EInOutError("Drive not ready");
        const std::string mine = Base(plat::UpperCase(directory_));
        const std::string given = plat::UpperCase(path);
        return found_ ? given.rfind(mine, 0) == 0 : mine.rfind(given, 0) == 0;
    }
    void ReadDirectory() override {
        ++reads;
        if (found_) ReadFound();
        else FileList.ReadDirectory(directory_, Options);
        UpdateStatus();
    }
    void Refresh() override { ReadDirectory(); }
    std::string GetSelectedDirectory() override { return selected_ ? *selected_ : directory_; }
    char GetDrive() override { return directory_.empty() ? '\0' : directory_[0]; }
    std::string GetEntryName(int index) override {
        return namePrefix + Relative(index) + FileList.GetEntryName(index);
    }
    void GetTaggedNames(std::vector<std::string>& names) override {
        for (int i = FirstTagged(); i != -1; i = NextTagged(i)) names.push_back(GetEntryName(i));
    }
    // The exact spelling first (case twins may both be listed), else the
    // first name equal without regard to case.
    int FindEntry(const std::string& name) override {
        for (int i = 0; i < GetListCount(); ++i)
            if (GetEntryName(i) == name) return i;
        for (int i = 0; i < GetListCount(); ++i)
            if (plat::SameText(GetEntryName(i), name)) return i;
        return -1;
    }
    std::string GetEntryPath(int index) override {
        if (!found_) return FileList.GetEntryPath(index);
        return Base(directory_) + Relative(index) + EntryFileName(FileList.Entry(index));
    }
    void SetupHeader() override {}
    void UpdateStatus() override {
        ++statusUpdates;
        if (Frame()) Frame()->ShowDirectoryStatus(StatusFigures());
    }
    void RepaintList() override { ++repaints; }
    int GetCurrentIndex() override { return current; }
    void UpdateTree() override { ++treeReads; }
    bool ApplyListFont() override { return false; }
    // It has no list controls of its own.
    void ListPressed(const QPoint&, Qt::MouseButton, Qt::KeyboardModifiers) override {}
    void PopupListMenu(const QPoint&, bool) override {}
    void CancelDrag() override {
        ++cancels;
        if (Frame()) Frame()->Drag().Source = nullptr;
    }
    void CopyTagged() override {
        ++copies;
        if (runsCommands) TMDIChild::CopyTagged();
    }
    void DeleteTagged() override {
        ++deletes;
        if (runsCommands) TMDIChild::DeleteTagged();
    }
    void ReverseAll() override {
        ++reversals;
        TMDIChild::ReverseAll();
        UpdateStatus();
    }
    void TagAll() override {
        TMDIChild::TagAll();
        UpdateStatus();
    }
    void OpenEntry(int index) override {
        opened = index;
        if (runsCommands) TMDIChild::OpenEntry(index);
    }
    void PrintEntry(int index) override {
        printed = index;
        if (runsCommands) TMDIChild::PrintEntry(index);
    }
    void EditEntry(int index) override {
        edited = index;
        if (runsCommands) TMDIChild::EditEntry(index);
    }

private:
    static std::string Base(const std::string& dir) {
        return !dir.empty() && dir.back() == '\\' ? dir : dir + "\\";
    }
    // The relative directory a result window lists entry index with.
    std::string Relative(int index) {
        if (!found_ || index < 0 || index >= GetListCount()) return "";
        return dirs_.at(static_cast<size_t>(FileList.Entry(index).DirIndex));
    }
    void ReadFound() {
        FileList.ClearEntries();
        FileList.SetDirectory(directory_);
        dirs_.clear();
        for (const std::string& rel : *found_) {
            plat::FindData fd;
            if (!plat::GetFindData(Base(directory_) + rel, fd)) continue;
            const size_t slash = rel.rfind('\\');
            dirs_.push_back(slash == std::string::npos ? "" : rel.substr(0, slash + 1));
            fd.name = rel.substr(slash == std::string::npos ? 0 : slash + 1);
            FileList.AppendEntry(fd, static_cast<int32_t>(dirs_.size() - 1));
        }
    }

    std::string directory_;
    std::optional<std::vector<std::string>> found_;  // a result window's relative paths
    std::vector<std::string> dirs_;                 // their directories, by DirIndex
    std::optional<std::string> selected_;           // the tree's selection, when set
    bool result_ = false;
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
