// What the split window's tests share: the main window shown with the
// parts a test installs, the directory commands put back afterwards,
// windows opened on a directory, and the points of a row and a tree item.
#pragma once

#include <QApplication>
#include <QPoint>
#include <QSize>
#include <QTreeWidgetItemIterator>
#include <functional>
#include <string>

#include "ui/dirwin/dir_tree_widget.h"
#include "ui/dirwin/file_list_view.h"
#include "ui/dirwin/sep_dir_window.h"
#include "core/platform/platform.h"
#include "support/main_window_ui_fixture.h"

struct SepDirUiTest : MainWindowUiTest {
    void TearDown() override { form.reset(); }

    // Makes the main window, lets install add its parts, and shows it at
    // size with no window of its own choosing.
    void ShowForm(const std::function<void(Tmainform&)>& install, const QSize& size) {
        form = std::make_unique<Tmainform>();
        install(*form);
        form->resize(size);
        form->FirstActivationPending = false;
        form->show();
        QApplication::processEvents();
    }
    // A split window on dir, made current first; its events are processed.
    TSepDir* Open(const std::string& dir) {
        EXPECT_TRUE(plat::SetCurrentDir(dir)) << dir;
        auto* w = qobject_cast<TSepDir*>(form->OpenDirectoryWindow());
        QApplication::processEvents();
        return w;
    }
    // The middle of row's height at x in the file list.
    static QPoint RowPoint(TSepDir* w, int row, int x = 60) {
        return QPoint(x, row * w->LB1->RowHeight() + w->LB1->RowHeight() / 2);
    }
    static QPoint TreePoint(TSepDir* w, const std::string& dir) {
        for (QTreeWidgetItemIterator it(w->DLB1); *it; ++it)
            if ((*it)->data(0, Qt::UserRole).toString().toStdString() == dir)
                return w->DLB1->visualItemRect(*it).center();
        ADD_FAILURE() << "no tree item " << dir;
        return {};
    }
};
