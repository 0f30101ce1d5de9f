// What the tests of the real main window share: a hermetic world with a
// main window of its own, the deletion of closed windows and the captions
// of a menu. Header-only: it needs the windows, which the support library
// does not link.
#pragma once

#include <QAction>
#include <QCoreApplication>
#include <QList>
#include <QStringList>
#include <memory>

#include <gtest/gtest.h>

#include "ui/frame/main_window.h"
#include "support/test_env.h"

// Runs the deletions of closed windows.
inline void DeleteClosed() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

// The texts of the actions, separators left out.
inline QStringList Captions(const QList<QAction*>& actions) {
    QStringList out;
    for (QAction* a : actions)
        if (!a->isSeparator()) out << a->text();
    return out;
}

// The world comes first and goes last; the test makes the main window.
struct MainWindowUiTest : ::testing::Test {
    TestEnv env;
    std::unique_ptr<Tmainform> form;
};
