#include "fileops/shred_dialog.h"

#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "fileops/file_primitives.h"
#include "shell/main_window.h"

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
    const std::string from = FromDirectory();
    std::string path;
    Run(
        [&] {
            Loop.Run(
                Files().size(),
                [&](size_t i) {
                    path = Files()[i].Path;
                    ShredOneFile(path);
                    return LoopStep::Next;
                },
                [&](size_t, const std::string& error) { return ShredPrompt(error, path); });
        },
        [&] {
            if (Tmainform* form = MainForm()) form->RefreshWindowsShowing(from);
        });
}
