// Shows topics of the help file by number in one help window: the topic's
// paragraphs reflowed to the window's width, links to other topics by their
// titles, the Contents topic and an index of every topic, and Back.
#pragma once

#include <QWidget>
#include <string>
#include <vector>

class QLabel;
class QPushButton;
class QTextBrowser;
class QUrl;

class THelpWindow : public QWidget {
    Q_OBJECT
public:
    // The topic the Contents button opens.
    static constexpr int kContentsTopic = 1002;

    explicit THelpWindow(QWidget* parent = nullptr);

    // Shows the topic in the program's help window (made on first use).
    // A topic or help file that is missing is said so through the prompter;
    // false then.
    static bool ShowTopic(int topic, QWidget* parent = nullptr);
    // The help window, nullptr when none was opened yet.
    static THelpWindow* Instance();

    // The index of all topics by title; Topic becomes 0.
    void ShowIndex();
    // The topic or index shown before the current one.
    void GoBack();
    // A link of the text was followed ("topic:1005").
    void FollowLink(const QUrl& url);

    QLabel* Title;
    QTextBrowser* Text;
    QPushButton* ContentsBtn;
    QPushButton* IndexBtn;
    QPushButton* BackBtn;
    int Topic = 0;  // the topic shown; 0 while the index is shown

private:
    // Puts a topic's text into the window; false when it is missing.
    bool Load(int topic);
    // The page shown now becomes the one Back returns to.
    void Remember();
    // First placement on the screen.
    void PlaceBesideWork();

    std::vector<int> history_;  // earlier pages; 0 stands for the index
};
