#include "fileops/delete_dialog.h"

#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "shell/main_window.h"

TfDelete::TfDelete(TMDIChild& source, QWidget* parent)
    : TFileOperationDialog("Delete", 1007, "Cancel Deleteing?", parent) {
    setObjectName("fDelete");
    auto* layout = new QVBoxLayout;
    layout->addLayout(SourceRow("Delete from:"));
    layout->addLayout(CountRow("Files to delete:"));
    layout->addWidget(LB1);
    layout->addLayout(ButtonRow());
    FinishLayout(layout);
    TakeFiles(source);
    SetInitialFocus(OKBtn);
}

void TfDelete::OKBtnClick() {
    const std::string from = FromDirectory();
    Run(
        [this] {
            Loop.Run(
                Files().size(),
                [this](size_t i) {
                    Loop.DeleteStep(Files()[i].Path);
                    return LoopStep::Next;
                },
                nullptr);
        },
        [&] {
            if (Tmainform* form = MainForm()) form->RefreshWindowsShowing(from);
        });
}
