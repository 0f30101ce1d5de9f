#include "ui/fileops/attr_dialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/platform/errors.h"
#include "core/platform/platform.h"
#include "core/seams/prompter.h"

namespace {

uint32_t Apply(uint32_t word, uint32_t current, uint32_t bit, TAttrChoice choice) {
    if (choice == TAttrChoice::Set || (choice == TAttrChoice::Keep && (current & bit))) word |= bit;
    return word;
}

TAttrChoice ChoiceOf(const QCheckBox* box) {
    switch (box->checkState()) {
        case Qt::Checked: return TAttrChoice::Set;
        case Qt::Unchecked: return TAttrChoice::Clear;
        default: return TAttrChoice::Keep;
    }
}

}  // namespace

uint32_t NewAttributeWord(uint32_t current, TAttrChoice readOnly, TAttrChoice hidden,
                          TAttrChoice system, TAttrChoice archive) {
    uint32_t word =
        current & ~(plat::faReadOnly | plat::faHidden | plat::faSysFile | plat::faArchive);
    word = Apply(word, current, plat::faReadOnly, readOnly);
    word = Apply(word, current, plat::faHidden, hidden);
    word = Apply(word, current, plat::faSysFile, system);
    return Apply(word, current, plat::faArchive, archive);
}

TAttrDlg::TAttrDlg(TMDIChild& source, QWidget* parent)
    : TFileOperationDialog("Set/Reset Attributes", 1001, "Cancel?", parent) {
    setObjectName("AttrDlg");
    QFont plain = font();
    plain.setBold(false);
    auto box = [&](const char* name, const char* text, const char* hint) {
        auto* b = new QCheckBox(text, this);
        b->setObjectName(name);
        b->setToolTip(hint);
        b->setFont(plain);
        b->setTristate(true);
        // Every use starts from changing nothing.
        b->setCheckState(Qt::PartiallyChecked);
        return b;
    };
    CB_ReadOnly = box("CB_ReadOnly", "Read Only", "Read Only, File cannot be altered!");
    CB_Hidden = box("CB_Hidden", "Hidden", "File is Hidden");
    CB_System = box("CB_System", "System", "System File Attribute ");
    CB_Archive = box("CB_Archive", "Archive", "File needs archiving");
    OKBtn->setToolTip("Make the changes");
    CancelBtn->setToolTip("Dont do any changes.");

    auto* group = new QGroupBox("Attributes", this);
    auto* grid = new QGridLayout(group);
    grid->addWidget(CB_ReadOnly, 0, 0);
    grid->addWidget(CB_Hidden, 0, 1);
    grid->addWidget(CB_System, 1, 0);
    grid->addWidget(CB_Archive, 1, 1);

    auto* layout = new QVBoxLayout;
    layout->addWidget(group);
    layout->addLayout(SourceRow("From:"));
    layout->addLayout(CountRow("Process:"));
    layout->addWidget(LB1);
    layout->addLayout(ButtonRow());
    FinishLayout(layout);
    TakeFiles(source);
    SetInitialFocus(CB_ReadOnly);
}

void TAttrDlg::LockControls() { OKBtn->setEnabled(false); }

void TAttrDlg::OKBtnClick() {
    const bool nothingChosen = CB_ReadOnly->checkState() == Qt::PartiallyChecked &&
                               CB_Hidden->checkState() == Qt::PartiallyChecked &&
                               CB_System->checkState() == Qt::PartiallyChecked &&
                               CB_Archive->checkState() == Qt::PartiallyChecked;
    if (nothingChosen) {
        ShowMessage("Please select a setting!");
        CB_ReadOnly->setFocus();
        return;
    }
    RunOnEachPath([this](const std::string& path) { ChangeAttributes(path); }, AttributesPrompt,
                  [this] { OKBtn->setEnabled(true); });
}

void TAttrDlg::ChangeAttributes(const std::string& path) {
    const uint32_t current = plat::GetFileAttributes(path);
    // A file that vanished or refuses its new bits is put to the user, not
    // passed over as if it had changed.
    if (current == plat::kInvalidAttributes)
        throw EInOutError(plat::ErrorText(plat::FileError::FileNotFound));
    const uint32_t wanted = NewAttributeWord(current, ChoiceOf(CB_ReadOnly), ChoiceOf(CB_Hidden),
                                             ChoiceOf(CB_System), ChoiceOf(CB_Archive));
    if (wanted == current) return;
    if (auto e = plat::SetFileAttributes(path, wanted); e != plat::FileError::None)
        throw EInOutError(plat::ErrorText(e));
}
