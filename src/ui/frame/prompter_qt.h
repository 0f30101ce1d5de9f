// The prompter of the running program: message boxes, the error prompt and
// one-line inputs as modal dialogs.
#pragma once

#include <QString>

#include "core/seams/prompter.h"

class QInputDialog;
class QMessageBox;
class QAbstractButton;

class TQtPrompter : public Prompter {
public:
    MsgResult Message(const std::string& text, MsgIcon icon, unsigned buttons,
                      const std::string& caption = "") override;
    ErrorAction AskErrorAction(const std::string& message) override;
    bool Input(const std::string& caption, const std::string& prompt, std::string& value) override;

    // The message box Message shows, not yet run: buttons in the order
    // Yes, No, OK, Cancel, Abort, Retry, Ignore, All; the first is the
    // default; Cancel (else No, else the only button) answers Escape.
    static QMessageBox* MakeMessageBox(const std::string& text, MsgIcon icon, unsigned buttons,
                                       const std::string& caption);
    // The answer of a message box made by MakeMessageBox.
    static MsgResult ResultOf(QMessageBox* box);
    // The caption of a box without its own: by the icon, else the program's title.
    static QString DefaultCaption(MsgIcon icon);
};
