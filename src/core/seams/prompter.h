// Every message box, question, error prompt and input of the program goes
// through the one installed prompter. The Qt prompter shows dialogs; tests
// install a ScriptedPrompter that records each text and answers as told.
#pragma once

#include <deque>
#include <string>
#include <vector>

enum class MsgIcon { None, Information, Warning, Error, Question };

// Buttons, combinable.
enum MsgButtons : unsigned {
    mbOK = 1,
    mbCancel = 2,
    mbYes = 4,
    mbNo = 8,
    mbAll = 16,
    mbRetry = 32,
    mbAbort = 64,
    mbIgnore = 128,
    mbYesNo = mbYes | mbNo,
    mbYesNoCancel = mbYes | mbNo | mbCancel,
    mbOKCancel = mbOK | mbCancel,
};

enum class MsgResult { None, OK, Cancel, Yes, No, All, Retry, Abort, Ignore };

// The answer of the file-operation error prompt.
enum class ErrorAction { Retry = 1, SkipFile = 2, AbortAll = 3 };

class Prompter {
public:
    virtual ~Prompter() = default;
    // A message box; returns the button pressed.
    virtual MsgResult Message(const std::string& text, MsgIcon icon, unsigned buttons,
                              const std::string& caption = "") = 0;
    // The error prompt of file operations (Retry / Cancel this file / Abort).
    virtual ErrorAction AskErrorAction(const std::string& message) = 0;
    // A one-line input; false when cancelled. value holds the default on
    // entry and the answer on return.
    virtual bool Input(const std::string& caption, const std::string& prompt,
                       std::string& value) = 0;
};

Prompter& prompter();
// Installs a prompter (not owned); nullptr restores the default, which
// answers OK/Cancel-less defaults without showing anything.
void SetPrompter(Prompter* p);

// Shorthands.
inline void ShowMessage(const std::string& text) {
    prompter().Message(text, MsgIcon::None, mbOK);
}
inline void ShowError(const std::string& text) {
    prompter().Message(text, MsgIcon::Error, mbOK);
}

// Answers from a script and records every text it was shown.
class ScriptedPrompter : public Prompter {
public:
    struct Seen {
        enum Kind { Message, Error, Input } kind;
        std::string text;
        MsgIcon icon = MsgIcon::None;
        unsigned buttons = 0;
        std::string caption;
    };

    ScriptedPrompter();   // installs itself
    ~ScriptedPrompter() override;  // restores the previous prompter

    // Queued answers, used in order. When a queue is empty, a message box is
    // answered with its first button among OK, Yes, Retry; an error prompt
    // with AbortAll; an input with cancel.
    std::deque<MsgResult> answers;
    std::deque<ErrorAction> errorAnswers;
    std::deque<std::string> inputAnswers;  // each answer confirms the input

    std::vector<Seen> seen;
    // Texts of every prompt in order (messages, error prompts, inputs).
    std::vector<std::string> texts() const;
    std::string last() const { return seen.empty() ? std::string() : seen.back().text; }

    MsgResult Message(const std::string& text, MsgIcon icon, unsigned buttons,
                      const std::string& caption) override;
    ErrorAction AskErrorAction(const std::string& message) override;
    bool Input(const std::string& caption, const std::string& prompt,
               std::string& value) override;

private:
    Prompter* previous_;
};
