#include "ui/apps/quick_dir_update_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "core/apps/quick_dirs.h"
#include "core/platform/platform.h"
#include "core/seams/prompter.h"
#include "core/tagging/wild_card.h"
#include "ui/fileops/find_directory_dialog.h"
#include "ui/frame/dialog_buttons.h"

namespace {

// Whether the directory can be made current; the current directory is the
// same afterwards.
bool CanEnter(const std::string& dir) {
    const std::string before = plat::GetCurrentDir();
    const bool entered = plat::SetCurrentDir(dir);
    plat::SetCurrentDir(before);
    return entered;
}

}  // namespace

TQuickDirUpdateDialog::TQuickDirUpdateDialog(TDlist& list, int index, const std::vector<std::string>& openDirectories,
                                             QWidget* parent)
    : QDialog(parent), list_(list), index_(list.Valid(index) ? index : -1) {
    setObjectName("QuickUpdate");
    setWindowTitle("Quick Directory Update");
    E_Name = new QLineEdit(this);
    E_Name->setObjectName("E_Name");
    E_Name->setMaxLength(static_cast<int>(kQuickNameWidth));
    E_Name->setToolTip("Enter a descriptive name for this directory");
    CB_Directory = new QComboBox(this);
    CB_Directory->setObjectName("CB_Directory");
    CB_Directory->setEditable(true);
    CB_Directory->setInsertPolicy(QComboBox::NoInsert);
    CB_Directory->setCompleter(nullptr);
    CB_Directory->setToolTip("Select or type a directory  name");
    CB_Directory->setMinimumWidth(260);
    for (const std::string& dir : openDirectories)
        if (CB_Directory->findText(QString::fromStdString(dir), Qt::MatchFixedString | Qt::MatchCaseSensitive) < 0)
            CB_Directory->addItem(QString::fromStdString(dir));
    E_Wild = new QLineEdit(this);
    E_Wild->setObjectName("E_Wild");
    E_Wild->setMaxLength(static_cast<int>(kQuickWildWidth));
    CB_Autoload = new QCheckBox("&Autoload", this);
    CB_Autoload->setObjectName("CB_Autoload");
    FindBtn = DialogButton(this, "&Find", "FindBtn");
    OKBtn = DialogButton(this, "OK", "OKBtn", true);
    CancelBtn = DialogButton(this, "Cancel", "CancelBtn");

    if (index_ >= 0) {
        const TQuickDir& e = list.Entry(index_);
        E_Name->setText(QString::fromStdString(e.Name));
        CB_Directory->setEditText(QString::fromStdString(e.Dir));
        E_Wild->setText(QString::fromStdString(e.Wild));
        CB_Autoload->setChecked(e.Load);
    } else {
        CB_Directory->setEditText(QString());
        E_Wild->setText("*.*");
    }

    auto label = [this](const char* text, QWidget* buddy) {
        auto* l = new QLabel(text, this);
        l->setBuddy(buddy);
        return l;
    };
    auto* fields = new QGridLayout;
    fields->addWidget(label("&Name:", E_Name), 0, 0);
    fields->addWidget(E_Name, 0, 1, 1, 2);
    fields->addWidget(label("&Directory:", CB_Directory), 1, 0);
    fields->addWidget(CB_Directory, 1, 1);
    fields->addWidget(FindBtn, 1, 2);
    fields->addWidget(label("&Wildcards:", E_Wild), 2, 0);
    fields->addWidget(E_Wild, 2, 1, 1, 2);
    fields->addWidget(CB_Autoload, 3, 1);
    fields->setColumnStretch(1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKBtn);
    buttons->addWidget(CancelBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(buttons);

    connect(OKBtn, &QPushButton::clicked, this, &TQuickDirUpdateDialog::OKBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(FindBtn, &QPushButton::clicked, this, &TQuickDirUpdateDialog::FindBtnClick);
    E_Name->setFocus();
}

void TQuickDirUpdateDialog::OKBtnClick() {
    const std::string name = plat::Trim(E_Name->text().toStdString());
    const std::string dir = plat::Trim(CB_Directory->currentText().toStdString());
    const std::string wild = plat::Trim(E_Wild->text().toStdString());
    auto fail = [](const char* message, QWidget* field) {
        ShowMessage(message);
        field->setFocus();
    };
    if (name.empty()) return fail("A name is required!", E_Name);
    if (dir.empty()) return fail("A directory is required!", CB_Directory);
    if (dir.size() < 2 || dir[1] != ':') return fail("The drive MUST be entered!", CB_Directory);
    if (!CanEnter(dir)) return fail("That directory is not valid!", CB_Directory);
    if (wild.empty()) return fail("Please enter filename wildcards!", E_Wild);
    if (TWildCard(wild).Invalid()) return fail("Please enter valid pattern(s)", E_Wild);
    if (index_ >= 0) list_.Change(index_, name, dir, CB_Autoload->isChecked(), wild);
    else list_.Add(name, dir, CB_Autoload->isChecked(), wild);
    accept();
}

void TQuickDirUpdateDialog::FindBtnClick() {
    std::string dir = CB_Directory->currentText().toStdString();
    if (TUDFind::Execute(dir, this)) CB_Directory->setEditText(QString::fromStdString(dir));
}
