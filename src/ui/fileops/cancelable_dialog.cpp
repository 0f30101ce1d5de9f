#include "ui/fileops/cancelable_dialog.h"

#include <QCloseEvent>

#include "core/seams/prompter.h"

void TCancelableDialog::CancelBtnClick() {
    if (!Running()) {
        QDialog::reject();
        return;
    }
    if (prompter().Message(CancelQuestion(), MsgIcon::Information, mbYesNo) == MsgResult::Yes)
        RequestCancel();
}

void TCancelableDialog::reject() { CancelBtnClick(); }

void TCancelableDialog::closeEvent(QCloseEvent* event) {
    // The loop goes on; the dialog closes when it has ended.
    if (Running()) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}
