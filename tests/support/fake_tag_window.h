// Helpers of the tagging dialogs' tests: a small directory window that reads
// a real directory into its file list (every file, hidden and system ones
// too) and counts the status updates and repaints the dialogs ask for; test
// files with chosen sizes, times and attributes; and a way to act on the
// dialog a command opens modally.
#pragma once

#include <QApplication>
#include <QTimer>
#include <functional>
#include <string>

#include <gtest/gtest.h>

#include "ui/dirwin/mdi_child_window.h"
#include "core/platform/platform.h"
#include "support/test_env.h"

class TFakeTagWindow : public TMDIChild {
public:
    explicit TFakeTagWindow(const std::string& directory) : directory_(directory) {
        Options.SortKeys = "N";
        Options.Wildcards = "*.*";
        Options.A_Archive = Options.A_readonly = Options.A_Hidden = Options.A_System = true;
        setWindowTitle(QString::fromStdString(directory));
        ReadDirectory();
        statusUpdates = 0;
    }

    int statusUpdates = 0, repaints = 0;
    // Put in front of every entry name, as a search result window puts the
    // entry's directory relative to its base ("SUB\\").
    std::string namePrefix;

    std::string GetEntryName(int index) override { return namePrefix + FileList.GetEntryName(index); }

    std::string GetDirectory() override { return directory_; }
    void WriteTaggedList(const std::string& fileName) override { FileList.WriteTaggedList(fileName); }
    bool ShowsPath(const std::string& path) override { return plat::SameText(path, directory_); }
    void ReadDirectory() override {
        FileList.ReadDirectory(directory_, Options);
        UpdateStatus();
    }
    void Refresh() override { ReadDirectory(); }
    std::string GetSelectedDirectory() override { return directory_; }
    char GetDrive() override { return directory_[0]; }
    std::string GetEntryPath(int index) override { return FileList.GetEntryPath(index); }
    void SetupHeader() override {}
    void UpdateStatus() override { ++statusUpdates; }
    void RepaintList() override { ++repaints; }
    int GetCurrentIndex() override { return -1; }
    bool ApplyListFont() override { return false; }
    void CancelDrag() override {}

    // Names of the tagged entries, in list order, joined with blanks.
    std::string TaggedNames() {
        std::string names;
        for (int i = FirstTagged(); i >= 0; i = NextTagged(i))
            names += (names.empty() ? "" : " ") + FileList.GetEntryName(i);
        return names;
    }

private:
    std::string directory_;
};

// A local date-time.
inline plat::DateTime TagTestTime(int year, int month, int day, int hour = 12, int minute = 0) {
    plat::DateTime date = 0, time = 0;
    EXPECT_TRUE(plat::EncodeDate(year, month, day, date));
    EXPECT_TRUE(plat::EncodeTime(hour, minute, 0, 0, time));
    return date + time;
}

// A real file C:\<dir>\<name> of size bytes, last written at when, with attr.
inline void MakeTagTestFile(TestEnv& env, const std::string& dir, const std::string& name,
                            size_t size, plat::DateTime when, uint32_t attr = plat::faArchive) {
    env.WriteFile("c/" + dir + "/" + name, std::string(size, 'x'));
    const std::string path = "C:\\" + dir + "\\" + name;
    ASSERT_EQ(plat::SetFileTime(path, plat::DateTimeToFileTime(when)), plat::FileError::None);
    ASSERT_EQ(plat::SetFileAttributes(path, attr), plat::FileError::None) << name;
}

// Acts on the dialog of type D once the command under test has opened it
// modally, and makes sure the modal loop ends.
template <class D>
void WhenOpened(std::function<void(D&)> act) {
    QTimer::singleShot(0, [act] {
        D* dialog = qobject_cast<D*>(QApplication::activeModalWidget());
        if (!dialog) {
            ADD_FAILURE() << "no " << D::staticMetaObject.className() << " open";
            if (QWidget* other = QApplication::activeModalWidget()) other->close();
            return;
        }
        act(*dialog);
        if (dialog->isVisible()) dialog->reject();
    });
}
