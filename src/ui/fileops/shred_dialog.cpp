#include "ui/fileops/shred_dialog.h"

#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/fileops/file_primitives.h"
#include "core/seams/prompter.h"

TfShred::TfShred(TMDIChild& source, QWidget* parent)
    : TFileOperationDialog("Shred Files", 9015, "Cancel Shredding?", parent) {
    setObjectName("fShred");
    // Plain system text, unlike the other operation dialogs.
    QFont plain = font();
    plain.setBold(false);
    plain.setPointSize(10);
    setFont(plain);
    auto* layout = new QVBoxLayout;
    layout->addLayout(SourceRow("Shred from:"));
    layout->addLayout(CountRow("Files:"));
    layout->addWidget(LB1);
    layout->addLayout(ButtonRow());
    FinishLayout(layout);
    TakeFiles(source);
    SetInitialFocus(OKBtn);
}

void TfShred::OKBtnClick() {
    RunOnEachPath(
        [](const std::string& path) {
            if (ShredOneFile(path) == ShredResult::LinkRemoved) ShowMessage(ShredLinkMessage(path));
        },
        ShredPrompt);
}
