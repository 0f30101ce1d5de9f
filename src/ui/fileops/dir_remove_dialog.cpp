#include "ui/fileops/dir_remove_dialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

#include "core/fileops/file_primitives.h"
#include "core/settings/app_ini.h"
#include "core/fileops/change_notifier.h"
#include "ui/dirwin/frame_services.h"
#include "core/seams/prompter.h"
#include "ui/frame/shown_text_qt.h"

namespace {

constexpr char kSection[] = "F_RDIR";

QLineEdit* ReadOnlyEdit(QWidget* parent, const char* name) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(name);
    e->setReadOnly(true);
    e->setEnabled(false);
    return e;
}

}  // namespace

TFRDIR::TFRDIR(const std::string& root, TFrameServices* frame)
    : TDirOpDialog("Remove Directory", 9006, frame), root_(root) {
    setObjectName("FRDIR");
    auto* panel = new QFrame(this);
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Sunken);
    E_Root = ReadOnlyEdit(panel, "E_Root");
    LB_Tree = new QListWidget(panel);
    LB_Tree->setObjectName("LB_Tree");
    CB_KeepStruct = new QCheckBox("&Keep Sub Directory Structure", panel);
    CB_KeepStruct->setObjectName("CB_KeepStruct");
    auto* panelLayout = new QVBoxLayout(panel);
    panelLayout->addWidget(new QLabel("Remove", panel));
    panelLayout->addWidget(E_Root);
    panelLayout->addWidget(LB_Tree);
    panelLayout->addWidget(CB_KeepStruct);

    E_Files = ReadOnlyEdit(this, "E_Files");
    E_Dirs = ReadOnlyEdit(this, "E_Dirs");
    CB_DeleteFile = new QCheckBox("&Delete existing files ", this);
    CB_DeleteFile->setObjectName("CB_DeleteFile");
    CB_DelReadonly = new QCheckBox("&Override file attributes", this);
    CB_DelReadonly->setObjectName("CB_DelReadonly");
    auto* counts = new QGridLayout;
    counts->addWidget(new QLabel("Files:", this), 0, 0);
    counts->addWidget(E_Files, 0, 1);
    counts->addWidget(CB_DeleteFile, 0, 2);
    counts->addWidget(new QLabel("Directories", this), 1, 0);
    counts->addWidget(E_Dirs, 1, 1);
    counts->addWidget(CB_DelReadonly, 1, 2);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(panel);
    layout->addLayout(counts);
    layout->addLayout(ButtonRow());
    resize(420, 360);

    // What is about to go: the settings, then the whole tree with its counts.
    E_Root->setText(ShownQText(root_));
    TAppIni& ini = AppIni();
    CB_DeleteFile->setChecked(ini.ReadBool(kSection, "CB_DeleteFile", true));
    CB_KeepStruct->setChecked(ini.ReadBool(kSection, "CB_KeepStruct", true));
    CB_DelReadonly->setChecked(ini.ReadBool(kSection, "CB_DelReadonly", true));
    int64_t files = 0, dirs = 0;
    ShowTree(root_, tree_, LB_Tree, files, dirs);
    E_Files->setText(QString::number(files));
    E_Dirs->setText(QString::number(dirs));
    CB_KeepStruct->setFocus();
}

void TFRDIR::OKBtnClick() {
    if (prompter().Message("Delete Directory\r\nAre you sure you want to delete the Directories?",
                           MsgIcon::Warning, mbYesNo) != MsgResult::Yes)
        return;
    TAppIni& ini = AppIni();
    ini.WriteBool(kSection, "CB_DeleteFile", CB_DeleteFile->isChecked());
    ini.WriteBool(kSection, "CB_KeepStruct", CB_KeepStruct->isChecked());
    ini.WriteBool(kSection, "CB_DelReadonly", CB_DelReadonly->isChecked());
    LockForRun();
    Run();
    accept();
}

void TFRDIR::Run() {
    run_.KeepStructure = CB_KeepStruct->isChecked();
    run_.DeleteFiles = CB_DeleteFile->isChecked();
    run_.OverrideAttributes = CB_DelReadonly->isChecked();
    run_.SelectLine = [this](size_t k) { LB_Tree->setCurrentRow(static_cast<int>(k)); };
    // A directory a window shows stays, as the Directory menu promises.
    run_.InUse = [this](const std::string& path) { return frame_ && frame_->IsPathShown(AddBackslash(path)); };
    // The windows re-read whatever the run got to, also when it raised.
    struct Refresh {
        const std::string& root;
        ~Refresh() {
            if (root.empty()) return;
            ChangeNotifier().PathChanged(root);
            ChangeNotifier().TreeChanged(root[0]);
        }
    } refresh{root_};
    run_.Run(tree_);
}
