// Helpers of the tagging dialogs' tests: a directory window that lists every
// file of a real directory by name; test files with chosen sizes, times and
// attributes; and a way to act on the dialog a command opens modally.
#pragma once

#include <QApplication>
#include <QTimer>
#include <functional>
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "core/platform/platform.h"
#include "support/fake_dir_window.h"
#include "support/test_env.h"

// A window on directory, outside any main window, listing every file sorted
// by name; its counters start at 0.
inline std::unique_ptr<TFakeDirWindow> MakeTagWindow(const std::string& directory) {
    auto w = std::make_unique<TFakeDirWindow>(nullptr, directory);
    w->Options.SortKeys = "N";
    w->Options.Wildcards = "*.*";
    w->ListEveryFile();
    w->ReadDirectory();
    w->ResetCounts();
    return w;
}

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
