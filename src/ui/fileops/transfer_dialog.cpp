#include "ui/fileops/transfer_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>

#include "ui/dirwin/mdi_child_window.h"
#include "ui/fileops/find_directory_dialog.h"
#include "core/platform/platform.h"
#include "core/settings/app_ini.h"
#include "ui/dirwin/frame_services.h"
#include "core/seams/prompter.h"

TTransferDialog::TTransferDialog(const TFileSource& source, const std::optional<std::string>& preset,
                                 const std::string& caption, int helpTopic,
                                 const std::string& cancelQuestion, QWidget* parent)
    : TFileOperationDialog(caption, helpTopic, cancelQuestion, parent) {
    CB_Destination = new QComboBox(this);
    CB_Destination->setObjectName("CB_Destination");
    CB_Destination->setEditable(true);
    CB_Destination->setInsertPolicy(QComboBox::NoInsert);
    // Enter takes the path the box shows. The combo box's own completer
    // would put its first entry in place of a selected text the user never
    // typed (a drop's destination, shown selected), so there is none.
    CB_Destination->setCompleter(nullptr);
    CB_Destination->setMinimumWidth(280);
    CB_Overwrite = new QCheckBox("&Warn on overwrite", this);
    CB_Overwrite->setObjectName("CB_Overwrite");
    FindBtn = new QPushButton("&Find", this);
    FindBtn->setObjectName("FindBtn");
    FindBtn->setAutoDefault(false);
    FindBtn->setToolTip("Search for a destination path");
    connect(FindBtn, &QPushButton::clicked, this, [this] { FindBtnClick(); });
    connect(CB_Overwrite, &QCheckBox::toggled, this, [this](bool on) { WarnOverwrite = on; });

    WarnOverwrite = AppIni().ReadBool("WOptions", "OVerwrite", true);
    CB_Overwrite->setChecked(WarnOverwrite);

    // The drop-down offers the other windows' directories, each once.
    if (source.Frame) {
        for (TMDIChild* dir : source.Frame->DirectoryWindowsInOrder()) {
            if (dir == source.Window) continue;
            QString text = QString::fromStdString(dir->GetDirectory());
            bool listed = false;
            for (int i = 0; i < CB_Destination->count() && !listed; ++i)
                listed = plat::SameText(CB_Destination->itemText(i).toStdString(), text.toStdString());
            if (!listed) CB_Destination->addItem(text);
        }
    }
    CB_Destination->setEditText(preset ? QString::fromStdString(*preset) : QString());
    TakeFiles(source.Files);
    SetInitialFocus(CB_Destination);
}

std::string TTransferDialog::DestinationText() const {
    return CB_Destination->currentText().toStdString();
}

void TTransferDialog::FindBtnClick() {
    std::string dir = plat::TrimRight(DestinationText());
    if (TUDFind::Execute(dir, this)) CB_Destination->setEditText(QString::fromStdString(dir));
}

bool TTransferDialog::AcceptDestination() {
    const std::string dest = plat::TrimRight(DestinationText());
    if (dest.empty()) {
        CB_Destination->setFocus();
        ShowMessage("Please enter a destination!");
        return false;
    }
    if (!plat::SetCurrentDir(dest)) {
        ShowMessage("Sorry, please re-enter the directory");
        CB_Destination->setFocus();
        return false;
    }
    // From here on the destination is the full path the system reports.
    CB_Destination->setEditText(QString::fromStdString(plat::GetCurrentDir()));
    return true;
}

void TTransferDialog::SaveWarnOverwrite() { AppIni().WriteBool("WOptions", "OVerwrite", WarnOverwrite); }
