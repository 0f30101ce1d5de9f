// The program's Qt prompter: message boxes with the classic buttons, their
// answers, Escape, captions and the one-line input, run modally for real.
#include <QApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <memory>

#include <gtest/gtest.h>

#include "ui/fileops/error_prompt_dialog.h"
#include "ui/frame/prompter_qt.h"

namespace {

QStringList ButtonTexts(QMessageBox* box) {
    QStringList out;
    for (QAbstractButton* b : box->buttons()) out << b->text();
    out.sort();
    return out;
}

// Presses the button with text on the modal dialog once it is shown.
void PressLater(const QString& text) {
    QTimer::singleShot(0, [text] {
        QWidget* modal = QApplication::activeModalWidget();
        ASSERT_NE(modal, nullptr);
        for (QAbstractButton* b : modal->findChildren<QAbstractButton*>())
            if (b->text() == text) return b->click();
        FAIL() << "no button " << text.toStdString();
    });
}

}  // namespace

TEST(QtPrompter, MessageBoxesCarryTheRequestedButtons) {
    std::unique_ptr<QMessageBox> box(
        TQtPrompter::MakeMessageBox("Overwrite?", MsgIcon::Question, mbYesNoCancel | mbAll, ""));
    EXPECT_EQ(box->text(), "Overwrite?");
    EXPECT_EQ(box->windowTitle(), "Confirm");
    EXPECT_EQ(box->icon(), QMessageBox::Question);
    EXPECT_EQ(ButtonTexts(box.get()), QStringList({"&All", "&No", "&Yes", "Cancel"}));
    EXPECT_EQ(box->defaultButton()->text(), "&Yes");
    EXPECT_EQ(box->escapeButton()->text(), "Cancel");

    box.reset(TQtPrompter::MakeMessageBox("Bad", MsgIcon::Error, mbAbort | mbRetry | mbIgnore, "Copy"));
    EXPECT_EQ(box->windowTitle(), "Copy");
    EXPECT_EQ(ButtonTexts(box.get()), QStringList({"&Abort", "&Ignore", "&Retry"}));

    // No buttons asked: a box still has OK, which Escape answers.
    box.reset(TQtPrompter::MakeMessageBox("Done", MsgIcon::None, 0, ""));
    EXPECT_EQ(ButtonTexts(box.get()), QStringList({"OK"}));
    EXPECT_EQ(box->windowTitle(), "Quilby  - 95");
    EXPECT_EQ(box->escapeButton()->text(), "OK");

    box.reset(TQtPrompter::MakeMessageBox("Cancel?", MsgIcon::Information, mbYesNo, ""));
    EXPECT_EQ(box->escapeButton()->text(), "&No");
}

TEST(QtPrompter, EachButtonGivesItsAnswer) {
    TQtPrompter p;
    const std::pair<const char*, MsgResult> cases[] = {
        {"&Yes", MsgResult::Yes}, {"&No", MsgResult::No},         {"Cancel", MsgResult::Cancel},
        {"&All", MsgResult::All}, {"&Retry", MsgResult::Retry},   {"&Abort", MsgResult::Abort},
        {"OK", MsgResult::OK},    {"&Ignore", MsgResult::Ignore}};
    for (auto [text, result] : cases) {
        PressLater(text);
        EXPECT_EQ(p.Message("Choose", MsgIcon::Warning, mbYesNoCancel | mbAll | mbRetry | mbAbort | mbOK | mbIgnore),
                  result)
            << text;
    }
    // Escape answers Cancel.
    QTimer::singleShot(0, [] { QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Escape); });
    EXPECT_EQ(p.Message("Cancel the copy process?", MsgIcon::Information, mbYesNoCancel), MsgResult::Cancel);
}

TEST(QtPrompter, InputReturnsTheTextOrKeepsTheValueOnCancel) {
    TQtPrompter p;
    std::string value = "old";
    QTimer::singleShot(0, [] {
        auto* dlg = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dlg, nullptr);
        EXPECT_EQ(dlg->windowTitle(), "Name");
        EXPECT_EQ(dlg->labelText(), "New name:");
        EXPECT_EQ(dlg->textValue(), "old");
        dlg->setTextValue("NEW.TXT");
        dlg->accept();
    });
    EXPECT_TRUE(p.Input("Name", "New name:", value));
    EXPECT_EQ(value, "NEW.TXT");

    QTimer::singleShot(0, [] { qobject_cast<QDialog*>(QApplication::activeModalWidget())->reject(); });
    EXPECT_FALSE(p.Input("Name", "New name:", value));
    EXPECT_EQ(value, "NEW.TXT");
}

TEST(QtPrompter, ErrorPromptRunsTheErrorDialog) {
    TQtPrompter p;
    PressLater("&Abort");
    EXPECT_EQ(p.AskErrorAction("Bad open of: C:\\A.TXT"), ErrorAction::AbortAll);
    PressLater("&Retry");
    EXPECT_EQ(p.AskErrorAction("Disk full?"), ErrorAction::Retry);
}
