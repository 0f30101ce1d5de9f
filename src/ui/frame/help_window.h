// Shows topics of the help file by number in one help window.
#pragma once

#include <QWidget>

class QLabel;
class QPlainTextEdit;

class THelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit THelpWindow(QWidget* parent = nullptr);

    // Shows the topic in the program's help window (made on first use).
    // A topic or help file that is missing is said so through the prompter;
    // false then.
    static bool ShowTopic(int topic, QWidget* parent = nullptr);
    // The help window, nullptr when none was opened yet.
    static THelpWindow* Instance();

    QLabel* Title;
    QPlainTextEdit* Text;
    int Topic = 0;
};
