// The editor in a main window, through the scripted prompter: the close
// question, find and find next, replace with its answers, saves that fail
// or are refused without harm, and files that come back byte for byte.
#include "ui/viewers/text_editor.h"

#include <QPlainTextEdit>
#include <QTextCursor>
#include <filesystem>

#include "core/platform/platform.h"
#include "core/tagging/history.h"
#include "support/main_window_ui_fixture.h"
#include "ui/viewers/find_replace_dialog.h"
#include "ui/viewers/viewers_text_qt.h"

#include <QCheckBox>
#include <QComboBox>
#include <QMenu>

namespace {

const char* const kSaveQuestion = "Has been modified. Do you want to save?";

struct TextEditorTest : MainWindowUiTest {
    void SetUp() override {
        form = std::make_unique<Tmainform>();
        InstallTextViewers(*form);
        form->show();
    }
    void TearDown() override {
        plat::ClearFaults();
        // Nothing is left to ask about when the frame goes.
        for (QMdiSubWindow* w : form->MDIChildren())
            if (auto* e = qobject_cast<Tf_Editor*>(w)) e->Memo->document()->setModified(false);
        form.reset();
        DeleteClosed();
    }
    Tf_Editor* Edit(const std::string& bytes, const std::string& name = "E.TXT") {
        env.WriteFile("c/" + name, bytes);
        return OpenEditor(*form, "C:\\" + name);
    }
    // The text as it would be saved: paragraph ends as LF, non-breaking spaces kept.
    std::string Text(Tf_Editor* e) {
        return e->Memo->document()->toRawText().replace(QChar::ParagraphSeparator, QLatin1Char('\n')).toStdString();
    }
    std::string Selected(Tf_Editor* e) { return e->Memo->textCursor().selectedText().toStdString(); }
    int SelectionStart(Tf_Editor* e) { return e->Memo->textCursor().selectionStart(); }
    bool IsOpen(Tf_Editor* e) {
        DeleteClosed();
        for (QMdiSubWindow* w : form->MDIChildren())
            if (w == e) return true;
        return false;
    }
    size_t FilesInC() {
        size_t n = 0;
        for (auto& entry : std::filesystem::directory_iterator(env.hostC)) n += entry.is_regular_file() ? 1 : 0;
        return n;
    }
};

TEST_F(TextEditorTest, CloseAsksOnlyAboutAChangedText) {
    Tf_Editor* fresh = OpenEditor(*form, "");
    ASSERT_TRUE(fresh);
    EXPECT_EQ(fresh->windowTitle(), "Editor: New File");
    EXPECT_FALSE(fresh->SaveItem->isEnabled());
    fresh->close();
    EXPECT_FALSE(IsOpen(fresh));
    EXPECT_TRUE(env.prompts.texts().empty());

    Tf_Editor* e = Edit("text\n");
    ASSERT_TRUE(e);
    EXPECT_EQ(e->windowTitle(), "Editor: C:\\E.TXT");
    e->close();
    EXPECT_FALSE(IsOpen(e));
    EXPECT_TRUE(env.prompts.texts().empty());

    e = Edit("text\n");
    e->Memo->insertPlainText("x");
    EXPECT_TRUE(e->Modified());
    e->UpdateMenus();
    EXPECT_TRUE(e->SaveItem->isEnabled());
    env.prompts.answers = {MsgResult::Cancel};
    e->close();
    EXPECT_TRUE(IsOpen(e));
    EXPECT_EQ(env.prompts.texts(), std::vector<std::string>{std::string("File: C:\\E.TXT\n") + kSaveQuestion});
    env.prompts.answers = {MsgResult::No};
    e->close();
    EXPECT_FALSE(IsOpen(e));
    EXPECT_EQ(env.ReadFile("c/E.TXT"), "text\n");

    e = Edit("text\n");
    e->Memo->insertPlainText("y");
    env.prompts.answers = {MsgResult::Yes};
    e->close();
    EXPECT_FALSE(IsOpen(e));
    EXPECT_EQ(env.ReadFile("c/E.TXT"), "ytext\n");
}

TEST_F(TextEditorTest, FindThenFindNextThenAMissThatOnlyBeeps) {
    Tf_Editor* e = Edit("x Needle y needle z\n");
    EXPECT_FALSE(e->FindNextItem->isEnabled());
    form->FindState() = {"needle", false, true, true};
    e->SearchWithFindState();
    EXPECT_EQ(SelectionStart(e), 2);
    EXPECT_EQ(Selected(e), "Needle");
    EXPECT_TRUE(e->FindNextItem->isEnabled());
    e->FindNext();
    EXPECT_EQ(SelectionStart(e), 11);
    e->FindNext();  // a miss: a beep, no message
    EXPECT_TRUE(env.prompts.texts().empty());
    EXPECT_FALSE(e->Found);
    EXPECT_FALSE(e->FindNextItem->isEnabled());
    e->FindNext();  // disabled: nothing happens
    EXPECT_TRUE(env.prompts.texts().empty());

    form->FindState() = {"zzz", false, true, true};
    e->SearchWithFindState();
    EXPECT_EQ(env.prompts.texts(), std::vector<std::string>{"String :zzz: not found!"});
    form->FindState() = {"NEEDLE", true, true, true};
    e->SearchWithFindState();
    EXPECT_EQ(env.prompts.last(), "String :NEEDLE: not found!");
}

TEST_F(TextEditorTest, ReplaceAnswers) {
    struct Case {
        const char* what;
        std::string text, find, replacement;
        std::vector<MsgResult> answers;
        std::string result;
        size_t questions;
    } cases[] = {
        {"All replaces every later one unasked", "a cat, a cat, a cat\n", "cat", "dog",
         {MsgResult::Yes, MsgResult::All}, "a dog, a dog, a dog\n", 2},
        {"Cancel at the first question changes nothing", "a cat, a cat\n", "cat", "dog", {MsgResult::Cancel},
         "a cat, a cat\n", 1},
        {"No leaves one and goes on", "cat cat cat\n", "cat", "cow",
         {MsgResult::No, MsgResult::Yes, MsgResult::No}, "cat cow cat\n", 3},
        {"Neighbours right after a replacement are not skipped", "aaa\n", "a", "b", {MsgResult::All}, "bbb\n", 1},
        {"A replacement holding the text does not loop", "ab ab\n", "ab", "abab", {MsgResult::All},
         "abab abab\n", 1},
        {"All after No keeps the one left", "x1 x2 x3 x4\n", "x", "y", {MsgResult::No, MsgResult::All},
         "x1 y2 y3 y4\n", 2},
        {"All keeps non-breaking spaces and line ends", "a\xc2\xa0" "a\na\n", "a", "b", {MsgResult::All},
         "b\xc2\xa0" "b\nb\n", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        env.prompts.seen.clear();
        Tf_Editor* e = Edit(c.text);
        env.prompts.answers.assign(c.answers.begin(), c.answers.end());
        e->ReplaceAll(c.find, c.replacement, false, true);
        EXPECT_EQ(Text(e), c.result);
        EXPECT_EQ(env.prompts.texts(), std::vector<std::string>(c.questions, "Do you want to replace this occurance?"));
        EXPECT_EQ(e->Modified(), c.result != c.text);
        e->Memo->document()->setModified(false);
        e->close();
        DeleteClosed();
    }
}

TEST_F(TextEditorTest, FindAndReplaceDialog) {
    TFindReplaceDialog dialog;
    dialog.OKBtnClick();
    EXPECT_EQ(env.prompts.last(), "Please enter text to find!");
    dialog.CB_Text->setEditText("cat");
    dialog.OKBtnClick();
    EXPECT_EQ(env.prompts.last(), "Please enter replacement text!");
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    dialog.CB_Replace->setEditText("dog");
    dialog.OKBtnClick();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(LoadHistory("Find", "CB_Text"), std::vector<std::string>{"cat"});
    EXPECT_EQ(LoadHistory("Find", "CB_Replace"), std::vector<std::string>{"dog"});
    TFindReplaceDialog again;
    EXPECT_EQ(again.CB_Replace->count(), 1);
    EXPECT_EQ(again.CB_Replace->currentText(), "");
}

TEST_F(TextEditorTest, FailedSaveKeepsWindowTextAndOldFile) {
    Tf_Editor* e = Edit("old\n");
    e->Memo->insertPlainText("new ");
    plat::InjectFault(plat::FaultOp::Write, 1, plat::FileError::DiskFull);
    env.prompts.answers = {MsgResult::Yes};
    e->close();
    EXPECT_TRUE(IsOpen(e));
    EXPECT_EQ(env.prompts.texts(),
              (std::vector<std::string>{std::string("File: C:\\E.TXT\n") + kSaveQuestion, "Error saving file!"}));
    EXPECT_EQ(e->Memo->toPlainText().toStdString(), "new old\n");
    EXPECT_TRUE(e->Modified());
    EXPECT_EQ(env.ReadFile("c/E.TXT"), "old\n");
    EXPECT_EQ(FilesInC(), 1u);
}

TEST_F(TextEditorTest, ReadOnlyFileIsRefusedAndLeftAlone) {
    Tf_Editor* e = Edit("old\n");
    ASSERT_EQ(plat::SetFileAttributes("C:\\E.TXT", plat::faReadOnly), plat::FileError::None);
    e->Memo->insertPlainText("new ");
    EXPECT_FALSE(e->Save());
    EXPECT_EQ(env.prompts.texts(), std::vector<std::string>{"Access is denied: C:\\E.TXT"});
    EXPECT_TRUE(e->Modified());
    EXPECT_EQ(env.ReadFile("c/E.TXT"), "old\n");
}

TEST_F(TextEditorTest, FileChangedOnDiskIsNotOverwrittenUnasked) {
    Tf_Editor* e = Edit("old\n");
    e->Memo->insertPlainText("mine ");
    env.WriteFile("c/E.TXT", "theirs, longer\n");
    env.prompts.answers = {MsgResult::No};
    EXPECT_FALSE(e->Save());
    EXPECT_EQ(env.prompts.texts(),
              std::vector<std::string>{"File: C:\\E.TXT\nHas been changed on disk. Do you want to overwrite it?"});
    EXPECT_EQ(env.ReadFile("c/E.TXT"), "theirs, longer\n");
    env.prompts.answers = {MsgResult::Yes};
    EXPECT_TRUE(e->Save());
    EXPECT_EQ(env.ReadFile("c/E.TXT"), "mine old\n");
    EXPECT_FALSE(e->Modified());
    // Its own save is no change on disk.
    e->Memo->insertPlainText("+");
    EXPECT_TRUE(e->Save());
    EXPECT_EQ(env.prompts.texts().size(), 2u);
}

TEST_F(TextEditorTest, LineEndsAndOtherBytesSurviveLoadAndSave) {
    const std::string bytes = "one\r\ncaf\xe9 \x80 \xa0nbsp\r\n\r\nlast";
    Tf_Editor* e = Edit(bytes);
    EXPECT_TRUE(e->Save());
    EXPECT_EQ(env.ReadFile("c/E.TXT"), bytes);
    e->Memo->moveCursor(QTextCursor::Start);
    e->Memo->insertPlainText("X");
    EXPECT_TRUE(e->Save());
    EXPECT_EQ(env.ReadFile("c/E.TXT"), "X" + bytes);
    EXPECT_EQ(FilesInC(), 1u);
}

TEST_F(TextEditorTest, SaveAsTakesTheNewName) {
    Tf_Editor* e = OpenEditor(*form, "");
    e->Memo->insertPlainText("fresh");
    e->AskSaveName = [](std::string& name) {
        name = "C:\\NEW.TXT";
        return true;
    };
    EXPECT_TRUE(e->Save());
    EXPECT_EQ(env.ReadFile("c/NEW.TXT"), "fresh");
    EXPECT_EQ(e->windowTitle(), "Editor: C:\\NEW.TXT");
    EXPECT_EQ(e->GetCurrentName(), "NEW.TXT");
    EXPECT_EQ(e->GetDirectory(), "C:\\");
    e->Memo->insertPlainText("!");
    e->AskSaveName = [](std::string&) { return false; };  // cancelled
    EXPECT_FALSE(e->SaveAs());
    EXPECT_TRUE(e->Modified());
}

TEST_F(TextEditorTest, EditingAnOpenFileBringsItsEditorForward) {
    env.WriteFile("c/Notes.txt", "n\n");
    env.WriteFile("c/other.txt", "o\n");
    form->RunCommand(TCommand::EditFile, {nullptr, "C:\\Notes.txt"});
    form->RunCommand(TCommand::EditFile, {nullptr, "C:\\other.txt"});
    EXPECT_EQ(form->MDIChildren().size(), 2);
    form->RunCommand(TCommand::EditFile, {nullptr, "C:\\NOTES.TXT"});
    EXPECT_EQ(form->MDIChildren().size(), 2);
    auto* active = qobject_cast<Tf_Editor*>(form->ActiveChild());
    ASSERT_TRUE(active);
    EXPECT_EQ(active->FileName, "C:\\Notes.txt");
    form->RunCommand(TCommand::NewFile);
    form->RunCommand(TCommand::NewFile);
    EXPECT_EQ(form->MDIChildren().size(), 4);
    // A case twin is another file with an editor of its own.
    env.WriteFile("c/NOTES.TXT", "twin\n");
    form->RunCommand(TCommand::EditFile, {nullptr, "C:\\NOTES.TXT"});
    EXPECT_EQ(form->MDIChildren().size(), 5);
}

TEST_F(TextEditorTest, UnreadableFileOpensNoEditor) {
    EXPECT_EQ(OpenEditor(*form, "C:\\missing.txt"), nullptr);
    EXPECT_EQ(env.prompts.texts(),
              std::vector<std::string>{"The system cannot find the file specified: C:\\missing.txt"});
    EXPECT_TRUE(form->MDIChildren().isEmpty());
}

TEST_F(TextEditorTest, ApplicationsMenuWaitsForTheApplicationList) {
    Tf_Editor* e = OpenEditor(*form, "");
    emit e->AppMenu->aboutToShow();
    for (QAction* a : e->AppItems) EXPECT_FALSE(a->isVisible() && a->isEnabled());
    EXPECT_FALSE(e->AppMore->isEnabled());
}

}  // namespace
