#include "core/seams/prompter.h"

namespace {

// Used before the window system installs its own: says nothing, takes the
// first offered button, so a command-line tool or benchmark never blocks.
class SilentPrompter : public Prompter {
public:
    MsgResult Message(const std::string&, MsgIcon, unsigned buttons,
                      const std::string&) override {
        if (buttons & mbOK) return MsgResult::OK;
        if (buttons & mbYes) return MsgResult::Yes;
        if (buttons & mbRetry) return MsgResult::Retry;
        return MsgResult::Cancel;
    }
    ErrorAction AskErrorAction(const std::string&) override { return ErrorAction::AbortAll; }
    bool Input(const std::string&, const std::string&, std::string&) override { return false; }
};

SilentPrompter silent;
Prompter* current = &silent;

}  // namespace

Prompter& prompter() { return *current; }

void SetPrompter(Prompter* p) { current = p ? p : &silent; }

ScriptedPrompter::ScriptedPrompter() : previous_(&prompter()) { SetPrompter(this); }

ScriptedPrompter::~ScriptedPrompter() {
    if (&prompter() == this) SetPrompter(previous_ == this ? nullptr : previous_);
}

std::vector<std::string> ScriptedPrompter::texts() const {
    std::vector<std::string> out;
    for (const auto& s : seen) out.push_back(s.text);
    return out;
}

MsgResult ScriptedPrompter::Message(const std::string& text, MsgIcon icon, unsigned buttons,
                                    const std::string& caption) {
    seen.push_back({Seen::Message, text, icon, buttons, caption});
    if (!answers.empty()) {
        MsgResult r = answers.front();
        answers.pop_front();
        return r;
    }
    if (buttons & mbOK) return MsgResult::OK;
    if (buttons & mbYes) return MsgResult::Yes;
    if (buttons & mbRetry) return MsgResult::Retry;
    return MsgResult::Cancel;
}

ErrorAction ScriptedPrompter::AskErrorAction(const std::string& message) {
    seen.push_back({Seen::Error, message, MsgIcon::Error, 0, "Error"});
    if (errorAnswers.empty()) return ErrorAction::AbortAll;
    ErrorAction a = errorAnswers.front();
    errorAnswers.pop_front();
    return a;
}

bool ScriptedPrompter::Input(const std::string& caption, const std::string& prompt,
                             std::string& value) {
    seen.push_back({Seen::Input, prompt, MsgIcon::None, 0, caption});
    if (inputAnswers.empty()) return false;
    value = inputAnswers.front();
    inputAnswers.pop_front();
    return true;
}
