#include "ui/fileops/delete_dialog.h"

#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

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
    RunOnEachPath([this](const std::string& path) { Loop.DeleteStep(path); }, nullptr);
}
