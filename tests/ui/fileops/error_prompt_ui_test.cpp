// The error prompt TFError: its fixed texts, the message's lines, and the
// three answers from its buttons and the Escape key; its frame cannot end it.
#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include "ui/fileops/error_prompt_dialog.h"

TEST(ErrorPrompt, ShowsTheMessageLinesAndFixedQuestion) {
    TFError dialog("Bad open of: C:\\A.TXT\r\nCopying file: C:\\A.TXT\r\nto: D:\\A.TXT");
    EXPECT_EQ(dialog.windowTitle(), "Error");
    EXPECT_FALSE(dialog.windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(dialog.windowFlags() & Qt::WindowSystemMenuHint);
    EXPECT_EQ(dialog.M_Message->toPlainText(),
              "Bad open of: C:\\A.TXT\nCopying file: C:\\A.TXT\nto: D:\\A.TXT");
    EXPECT_EQ(dialog.M_Message->document()->blockCount(), 3);
    EXPECT_TRUE(dialog.M_Message->isReadOnly());
    EXPECT_EQ(dialog.M_Message->focusPolicy(), Qt::NoFocus);
    QStringList labels;
    for (QLabel* l : dialog.findChildren<QLabel*>()) labels << l->text();
    EXPECT_TRUE(labels.contains("Retry the operation, Cancel this file"));
    EXPECT_TRUE(labels.contains("or abort any remaining files?"));
    EXPECT_EQ(dialog.RetryBtn->text(), "&Retry");
    EXPECT_EQ(dialog.CancelBtn->text(), "Cancel");
    EXPECT_EQ(dialog.AbortBtn->text(), "&Abort");
    EXPECT_TRUE(dialog.RetryBtn->isDefault());
}

TEST(ErrorPrompt, ButtonsAndEscapeGiveTheThreeAnswers) {
    struct Case {
        const char* button;
        ErrorAction answer;
    };
    for (Case c : {Case{"RetryBtn", ErrorAction::Retry}, Case{"CancelBtn", ErrorAction::SkipFile},
                   Case{"AbortBtn", ErrorAction::AbortAll}}) {
        const char* name = c.button;
        QTimer::singleShot(0, [name] {
            auto* dlg = qobject_cast<TFError*>(QApplication::activeModalWidget());
            ASSERT_NE(dlg, nullptr);
            dlg->findChild<QPushButton*>(name)->click();
        });
        EXPECT_EQ(TFError::AskErrorAction("Disk full?"), c.answer) << name;
    }

    // Enter answers Retry (it has the focus), Escape answers Cancel.
    QTimer::singleShot(0, [] { QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Return); });
    EXPECT_EQ(TFError::AskErrorAction("Disk full?"), ErrorAction::Retry);
    QTimer::singleShot(0, [] { QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Escape); });
    EXPECT_EQ(TFError::AskErrorAction("Disk full?"), ErrorAction::SkipFile);
}

TEST(ErrorPrompt, TheFrameCannotCloseIt) {
    QTimer::singleShot(0, [] {
        auto* dlg = qobject_cast<TFError*>(QApplication::activeModalWidget());
        ASSERT_NE(dlg, nullptr);
        EXPECT_FALSE(dlg->close());  // a close request from the frame is refused
        EXPECT_TRUE(dlg->isVisible());
        dlg->AbortBtn->click();
    });
    EXPECT_EQ(TFError::AskErrorAction("Write error"), ErrorAction::AbortAll);
}
