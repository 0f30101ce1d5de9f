// The push buttons of the program's dialogs: a caption and the object name
// tests and the layout reach them by; OK is the default button.
#pragma once

#include <QPushButton>

inline QPushButton* DialogButton(QWidget* dialog, const char* caption, const char* name, bool isDefault = false) {
    auto* button = new QPushButton(caption, dialog);
    button->setObjectName(name);
    if (isDefault) button->setDefault(true);
    return button;
}

// OK (the default), Cancel and "&Help".
struct TDialogButtons {
    QPushButton* OK;
    QPushButton* Cancel;
    QPushButton* Help;
};

inline TDialogButtons MakeDialogButtons(QWidget* dialog) {
    return {DialogButton(dialog, "OK", "OKBtn", true), DialogButton(dialog, "Cancel", "CancelBtn"),
            DialogButton(dialog, "&Help", "HelpBtn")};
}
