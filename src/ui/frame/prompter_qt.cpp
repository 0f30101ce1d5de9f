#include "ui/frame/prompter_qt.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <memory>

#include "ui/fileops/error_prompt_dialog.h"
#include "ui/frame/shown_text_qt.h"
#include "core/settings/startup.h"

namespace {

struct ButtonKind {
    unsigned flag;
    QMessageBox::StandardButton standard;
    const char* text;
    MsgResult result;
};

// In the order the classic message boxes lay them out.
const ButtonKind kButtons[] = {
    {mbYes, QMessageBox::Yes, "&Yes", MsgResult::Yes},
    {mbNo, QMessageBox::No, "&No", MsgResult::No},
    {mbOK, QMessageBox::Ok, "OK", MsgResult::OK},
    {mbCancel, QMessageBox::Cancel, "Cancel", MsgResult::Cancel},
    {mbAbort, QMessageBox::Abort, "&Abort", MsgResult::Abort},
    {mbRetry, QMessageBox::Retry, "&Retry", MsgResult::Retry},
    {mbIgnore, QMessageBox::Ignore, "&Ignore", MsgResult::Ignore},
    {mbAll, QMessageBox::YesToAll, "&All", MsgResult::All},
};

QMessageBox::Icon QtIcon(MsgIcon icon) {
    switch (icon) {
        case MsgIcon::Information: return QMessageBox::Information;
        case MsgIcon::Warning: return QMessageBox::Warning;
        case MsgIcon::Error: return QMessageBox::Critical;
        case MsgIcon::Question: return QMessageBox::Question;
        case MsgIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

QString TQtPrompter::DefaultCaption(MsgIcon icon) {
    switch (icon) {
        case MsgIcon::Information: return "Information";
        case MsgIcon::Warning: return "Warning";
        case MsgIcon::Error: return "Error";
        case MsgIcon::Question: return "Confirm";
        case MsgIcon::None: break;
    }
    return QString::fromStdString(ApplicationTitle());
}

QMessageBox* TQtPrompter::MakeMessageBox(const std::string& text, MsgIcon icon, unsigned buttons,
                                         const std::string& caption) {
    auto* box = new QMessageBox(QApplication::activeWindow());
    box->setObjectName("MessageBox");
    box->setIcon(QtIcon(icon));
    box->setWindowTitle(caption.empty() ? DefaultCaption(icon) : ShownQText(caption));
    box->setText(ShownQText(text));
    box->setTextFormat(Qt::PlainText);
    if ((buttons & 0xFF) == 0) buttons = mbOK;  // a box always has a way out
    QAbstractButton* first = nullptr;
    for (const ButtonKind& k : kButtons) {
        if (!(buttons & k.flag)) continue;
        QAbstractButton* b = box->addButton(k.standard);
        b->setText(k.text);
        if (!first) first = b;
    }
    if (auto* def = qobject_cast<QPushButton*>(first)) box->setDefaultButton(def);
    if (QAbstractButton* cancel = box->button(QMessageBox::Cancel))
        box->setEscapeButton(cancel);
    else if (QAbstractButton* no = box->button(QMessageBox::No))
        box->setEscapeButton(no);
    else if (box->buttons().size() == 1)
        box->setEscapeButton(first);
    return box;
}

MsgResult TQtPrompter::ResultOf(QMessageBox* box) {
    QAbstractButton* clicked = box->clickedButton();
    if (!clicked) return MsgResult::Cancel;
    QMessageBox::StandardButton standard = box->standardButton(clicked);
    for (const ButtonKind& k : kButtons)
        if (k.standard == standard) return k.result;
    return MsgResult::Cancel;
}

MsgResult TQtPrompter::Message(const std::string& text, MsgIcon icon, unsigned buttons,
                               const std::string& caption) {
    std::unique_ptr<QMessageBox> box(MakeMessageBox(text, icon, buttons, caption));
    box->exec();
    return ResultOf(box.get());
}

ErrorAction TQtPrompter::AskErrorAction(const std::string& message) {
    return TFError::AskErrorAction(message);
}

bool TQtPrompter::Input(const std::string& caption, const std::string& prompt, std::string& value) {
    QInputDialog dialog(QApplication::activeWindow());
    dialog.setObjectName("InputDialog");
    dialog.setWindowTitle(ShownQText(caption));
    dialog.setLabelText(ShownQText(prompt));
    dialog.setTextValue(QString::fromStdString(value));
    dialog.setOkButtonText("OK");
    dialog.setCancelButtonText("Cancel");
    if (dialog.exec() != QDialog::Accepted) return false;
    value = dialog.textValue().toStdString();
    return true;
}
