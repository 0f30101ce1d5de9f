#include "ui/fileops/dir_copy_dialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/dirwin/mdi_child_window.h"
#include "core/fileops/dir_paths.h"
#include "core/fileops/file_primitives.h"
#include "ui/fileops/find_directory_dialog.h"
#include "core/platform/platform.h"
#include "core/settings/app_ini.h"
#include "core/fileops/change_notifier.h"
#include "ui/dirwin/frame_services.h"
#include "core/seams/prompter.h"
#include "ui/frame/shown_text_qt.h"

namespace {

constexpr char kSection[] = "F_DIRCPY";

}  // namespace

TFDIRCPY::TFDIRCPY(const std::string& root, const std::optional<std::string>& presetDestination,
                   TFrameServices* frame)
    : TDirOpDialog("Copy Directory", 1004, frame), root_(root) {
    setObjectName("FDIRCPY");
    auto* group = new QGroupBox("Destination", this);
    CB_Destination = new QComboBox(group);
    CB_Destination->setObjectName("CB_Destination");
    CB_Destination->setEditable(true);
    CB_Destination->setInsertPolicy(QComboBox::NoInsert);
    // Enter takes the path the box shows, never a drop-down entry the
    // combo box's own completer would put in place of a dropped destination.
    CB_Destination->setCompleter(nullptr);
    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->addWidget(CB_Destination);

    E_From = new QLineEdit(this);
    E_From->setObjectName("E_From");
    E_From->setReadOnly(true);
    E_From->setEnabled(false);
    CB_MkSub = new QCheckBox("Create &Base sub directory", this);
    CB_MkSub->setObjectName("CB_MkSub");
    E_Base = new QLineEdit(this);
    E_Base->setObjectName("E_Base");
    CB_IncSubs = new QCheckBox("&Include Sub-Directories", this);
    CB_IncSubs->setObjectName("CB_IncSubs");
    CB_Overwrite = new QCheckBox("&Warn on overwrite", this);
    CB_Overwrite->setObjectName("CB_Overwrite");
    LB_Tree = new QListWidget(this);
    LB_Tree->setObjectName("LB_Tree");
    FindBtn = new QPushButton("&Find", this);
    FindBtn->setObjectName("FindBtn");
    FindBtn->setToolTip("Search for a destination path");
    connect(FindBtn, &QPushButton::clicked, this, [this] { FindBtnClick(); });
    L_Processing = new QLabel("Processing:", this);
    L_Processing->setObjectName("L_Processing");
    E_Processing = new QLineEdit(this);
    E_Processing->setObjectName("E_Processing");
    E_Processing->setReadOnly(true);
    L_Processing->hide();
    E_Processing->hide();
    connect(CB_MkSub, &QCheckBox::toggled, E_Base, &QWidget::setEnabled);
    connect(CB_IncSubs, &QCheckBox::toggled, LB_Tree, &QWidget::setEnabled);

    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel("Copy from:", this), 0, 0);
    grid->addWidget(E_From, 0, 1);
    grid->addWidget(CB_MkSub, 1, 0);
    grid->addWidget(E_Base, 1, 1);
    grid->addWidget(CB_IncSubs, 2, 0);
    grid->addWidget(CB_Overwrite, 3, 0);
    grid->addWidget(L_Processing, 4, 0);
    grid->addWidget(E_Processing, 4, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addLayout(grid);
    layout->addWidget(LB_Tree);
    layout->addLayout(ButtonRow({FindBtn}));
    resize(440, 420);

    // Showing: the settings, the tree with the wait cursor, the source and
    // its base name, the other windows' directories, the preset.
    TAppIni& ini = AppIni();
    CB_MkSub->setChecked(ini.ReadBool(kSection, "CB_MkSub", true));
    CB_IncSubs->setChecked(ini.ReadBool(kSection, "CB_IncSubs", true));
    CB_Overwrite->setChecked(ini.ReadBool(kSection, "OVerwrite", true));
    E_Base->setEnabled(CB_MkSub->isChecked());
    CB_Destination->setEditText(QString());
    int64_t files = 0, dirs = 0;
    ShowTree(root_, tree_, LB_Tree, files, dirs);
    E_From->setText(ShownQText(root_));
    E_Base->setText(QString::fromStdString(BaseDirectoryName(root_)));
    FillDestinations();
    LB_Tree->setEnabled(CB_IncSubs->isChecked());
    if (presetDestination) CB_Destination->setEditText(QString::fromStdString(*presetDestination));
    CB_Destination->setFocus();
}

void TFDIRCPY::FillDestinations() {
    CB_Destination->clear();
    if (!frame_) return;
    TMDIChild* active = frame_->ActiveDirectoryWindow();
    for (TMDIChild* dir : frame_->DirectoryWindowsInOrder()) {
        if (dir == active) continue;
        const QString text = QString::fromStdString(dir->GetDirectory());
        if (CB_Destination->findText(text, Qt::MatchFixedString) < 0) CB_Destination->addItem(text);
    }
    CB_Destination->setEditText(QString());
}

void TFDIRCPY::FindBtnClick() {
    std::string dir = plat::TrimRight(CB_Destination->currentText().toStdString());
    if (TUDFind::Execute(dir, this)) CB_Destination->setEditText(QString::fromStdString(dir));
}

void TFDIRCPY::OKBtnClick() {
    const std::string typed = plat::TrimRight(CB_Destination->currentText().toStdString());
    if (typed.empty()) {
        Refuse("Please enter a destination!", CB_Destination);
        return;
    }
    if (!plat::SetCurrentDir(typed)) {
        Refuse("Sorry, please re-enter the directory", CB_Destination);
        return;
    }
    const std::string destination = plat::GetCurrentDir();
    CB_Destination->setEditText(QString::fromStdString(destination));
    // The base name is typed: blanks at its end are dropped, as a typed
    // name's are; blanks alone are no name.
    const std::string base = plat::TrimRight(E_Base->text().toStdString());
    if (CB_MkSub->isChecked() && base.empty()) {
        Refuse("A base directory name is required!", E_Base);
        return;
    }
    // Filling a directory of the copied tree would copy the copy again and
    // could overwrite the tree's own files; onto the root itself, every file
    // would be its own target.
    if (IsAtOrBelow(destination, root_) &&
        (CB_IncSubs->isChecked() ||
         (!CB_MkSub->isChecked() && plat::SameFile(destination, root_)))) {
        Refuse("The destination lies within the directory being copied!", CB_Destination);
        return;
    }

    run_.Destination = destination;
    run_.BaseName = CB_MkSub->isChecked() ? base : std::string();
    run_.IncludeSubDirectories = CB_IncSubs->isChecked();
    run_.WarnOverwrite = CB_Overwrite->isChecked();
    TAppIni& ini = AppIni();
    ini.WriteBool(kSection, "OVerwrite", run_.WarnOverwrite);
    LockForRun();
    ini.WriteBool(kSection, "CB_MkSub", CB_MkSub->isChecked());
    ini.WriteBool(kSection, "CB_IncSubs", CB_IncSubs->isChecked());
    L_Processing->show();
    E_Processing->show();
    Run();
    accept();
}

void TFDIRCPY::Run() {
    run_.SelectLine = [this](size_t i) { LB_Tree->setCurrentRow(static_cast<int>(i)); };
    run_.OnFile = [this](const std::string& name) {
        E_Processing->setText(ShownQText(name));
        E_Processing->repaint();
    };
    // The windows re-read whatever the run got to, also when it raised.
    struct Refresh {
        const std::string& destination;
        ~Refresh() {
            if (destination.empty()) return;
            ChangeNotifier().PathChanged(destination);
            ChangeNotifier().TreeChanged(destination[0]);
        }
    } refresh{run_.Destination};
    run_.Run(tree_);
}
