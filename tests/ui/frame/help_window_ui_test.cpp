// The help window: a topic's paragraphs reflowed, links shown by the linked
// topic's title that open it, the index of all topics, Contents and Back.
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTextFragment>
#include <QTimer>
#include <QUrl>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "core/platform/platform.h"
#include "support/test_env.h"
#include "ui/frame/help_window.h"

namespace {

// The links the help text shows: (text, target).
std::vector<std::pair<QString, QString>> Links(QTextBrowser* text) {
    std::vector<std::pair<QString, QString>> out;
    for (QTextBlock b = text->document()->begin(); b.isValid(); b = b.next())
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment f = it.fragment();
            if (f.charFormat().isAnchor()) out.emplace_back(f.text(), f.charFormat().anchorHref());
        }
    return out;
}

struct HelpWindowTest : ::testing::Test {
    TestEnv env;

    ~HelpWindowTest() override {
        delete THelpWindow::Instance();
        plat::SetHelpFile("");
    }
    static THelpWindow* Help() { return THelpWindow::Instance(); }
};

}  // namespace

TEST_F(HelpWindowTest, TopicsReflowAndLinkByTitle) {
    plat::SetHelpFile(env.WriteFile("Quilby.hlp",
                                    "#topic 1002 Contents\nStart with\nthe basics.\n\n- [[20]]\n- [[30]]\n"
                                    "#topic 20 Copy files\nCopies\nfiles. See [[30]].\n"
                                    "#topic 30 Attributes\nBits.\n"));
    ASSERT_TRUE(THelpWindow::ShowTopic(1002));
    THelpWindow* help = Help();
    EXPECT_EQ(help->Title->text(), "Contents");
    EXPECT_EQ(help->windowTitle(), "Quilby Help - Contents");
    const QString shown = help->Text->toPlainText();
    EXPECT_TRUE(shown.contains("Start with the basics.")) << shown.toStdString();
    EXPECT_FALSE(shown.contains("[[")) << shown.toStdString();
    const std::vector<std::pair<QString, QString>> links = Links(help->Text);
    ASSERT_EQ(links.size(), 2u);
    EXPECT_EQ(links[0], std::make_pair(QString("Copy files"), QString("topic:20")));
    EXPECT_EQ(links[1], std::make_pair(QString("Attributes"), QString("topic:30")));
    EXPECT_FALSE(help->BackBtn->isEnabled());

    // A link opens its topic in the same window; Back returns.
    emit help->Text->anchorClicked(QUrl(links[0].second));
    EXPECT_EQ(Help(), help);
    EXPECT_EQ(help->Topic, 20);
    EXPECT_TRUE(help->Text->toPlainText().contains("Copies files. See Attributes."));
    emit help->Text->anchorClicked(QUrl("topic:30"));
    EXPECT_EQ(help->Topic, 30);
    help->BackBtn->click();
    EXPECT_EQ(help->Topic, 20);
    help->BackBtn->click();
    EXPECT_EQ(help->Topic, 1002);
    EXPECT_FALSE(help->BackBtn->isEnabled());
    EXPECT_TRUE(env.prompts.seen.empty());
}

TEST_F(HelpWindowTest, TheIndexListsEveryTopicByTitle) {
    plat::SetHelpFile(env.WriteFile("Quilby.hlp", "#topic 1002 Contents\nAll.\n#topic 20 copy\nC.\n"
                                                  "#topic 30 Attributes\nA.\n"));
    ASSERT_TRUE(THelpWindow::ShowTopic(20));
    THelpWindow* help = Help();
    help->IndexBtn->click();
    EXPECT_EQ(help->Topic, 0);
    EXPECT_EQ(help->Title->text(), "Index");
    const std::vector<std::pair<QString, QString>> links = Links(help->Text);
    ASSERT_EQ(links.size(), 3u);
    EXPECT_EQ(links[0], std::make_pair(QString("Attributes"), QString("topic:30")));
    EXPECT_EQ(links[1], std::make_pair(QString("Contents"), QString("topic:1002")));
    EXPECT_EQ(links[2], std::make_pair(QString("copy"), QString("topic:20")));
    emit help->Text->anchorClicked(QUrl("topic:30"));
    EXPECT_EQ(help->Topic, 30);
    help->BackBtn->click();
    EXPECT_EQ(help->Topic, 0);  // back to the index
    help->ContentsBtn->click();
    EXPECT_EQ(help->Topic, 1002);
    help->BackBtn->click();
    help->BackBtn->click();
    EXPECT_EQ(help->Topic, 20);
}

TEST_F(HelpWindowTest, ALinkToAMissingTopicSaysSoAndKeepsThePage) {
    plat::SetHelpFile(env.WriteFile("Quilby.hlp", "#topic 1002 Contents\nSee [[77]].\n"));
    ASSERT_TRUE(THelpWindow::ShowTopic(1002));
    ASSERT_EQ(Links(Help()->Text).size(), 1u);
    emit Help()->Text->anchorClicked(QUrl("topic:77"));
    EXPECT_EQ(Help()->Topic, 1002);
    EXPECT_EQ(env.prompts.texts(),
              std::vector<std::string>{"Help topic 77 is not in the help file " + env.Host("Quilby.hlp") + "."});
}

TEST_F(HelpWindowTest, TheShippedContentsLinkToTopicsByTheirTitles) {
    plat::SetHelpFile(std::string(QUILBY_SOURCE_DIR) + "/resources/Quilby.hlp");
    ASSERT_TRUE(THelpWindow::ShowTopic(THelpWindow::kContentsTopic));
    const std::vector<std::pair<QString, QString>> links = Links(Help()->Text);
    ASSERT_GE(links.size(), 20u);
    for (const auto& [text, target] : links) {
        std::string title;
        const int topic = QUrl(target).path().toInt();
        ASSERT_TRUE(plat::HelpTopic(topic, &title)) << target.toStdString();
        EXPECT_EQ(text.toStdString(), title);
    }
    EXPECT_FALSE(Help()->Text->toPlainText().contains(QRegularExpression("topics? [0-9]")));
}

TEST_F(HelpWindowTest, HelpFromAModalDialogBelongsToItSoItTakesClicks) {
    plat::SetHelpFile(env.WriteFile("Quilby.hlp", "#topic 1002 Contents\nAll.\n#topic 20 Copy\nC.\n"));
    ASSERT_TRUE(THelpWindow::ShowTopic(1002));
    QDialog dialog;
    QWidget* owner = nullptr;
    QTimer::singleShot(0, &dialog, [&] {
        THelpWindow::ShowTopic(20);
        owner = Help() ? Help()->parentWidget() : nullptr;
        dialog.accept();
    });
    dialog.exec();
    EXPECT_EQ(owner, &dialog);
}
