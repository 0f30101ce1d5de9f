#include "ui/fileops/rename_dialog.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QVBoxLayout>

#include "ui/dirwin/mdi_child_window.h"
#include "core/fileops/dir_paths.h"
#include "core/fileops/file_primitives.h"
#include "core/platform/platform.h"
#include "core/fileops/change_notifier.h"
#include "ui/dirwin/frame_services.h"
#include "core/seams/prompter.h"
#include "ui/frame/shown_text_qt.h"

TFRenam::TFRenam(TFrameServices* frame) : TDirOpDialog("Rename", 1021, frame) {
    setObjectName("FRenam");
    E_Old = new QLineEdit(this);
    E_Old->setObjectName("E_Old");
    E_Old->setReadOnly(true);
    E_New = new QLineEdit(this);
    E_New->setObjectName("E_New");

    auto* change = new QLabel("Change:", this);
    auto* to = new QLabel("&To:", this);
    to->setBuddy(E_New);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(change);
    layout->addWidget(E_Old);
    layout->addWidget(to);
    layout->addWidget(E_New);
    layout->addLayout(ButtonRow());
    setMinimumWidth(360);
}

void TFRenam::Prepare(const std::string& oldPath, TRenameMode mode) {
    oldPath_ = oldPath;
    mode_ = mode;
    completed_ = false;
    E_Old->setText(ShownQText(oldPath));
    E_New->setText(QString::fromStdString(LastPathComponent(oldPath)));
    E_New->setFocus();
}

// False when the rename did not happen.
bool TFRenam::Rename() {
    // Windows drops blanks at the end of a name; kept here they would make
    // a name that no path built with AddBackslash can reach again. A name of
    // blanks alone names nothing.
    const std::string name = plat::TrimRight(E_New->text().toStdString());
    if (name.empty()) return false;
    const std::string newPath = AddBackslash(DirectoryPartOf(oldPath_)) + name;
    if (mode_ == TRenameMode::Directory) {
        // A directory that a window shows stays where it is, as the
        // Directory menu promises.
        if (frame_ && frame_->IsPathShown(AddBackslash(oldPath_))) return false;
        const bool holdsCurrent = IsAtOrBelow(plat::GetCurrentDir(), oldPath_);
        if (plat::RenameFile(oldPath_, newPath) != plat::FileError::None) return false;
        // The process must not stay in a directory whose name is gone.
        if (holdsCurrent) plat::SetCurrentDir(newPath);
        return true;
    }
    return plat::RenameFile(oldPath_, newPath) == plat::FileError::None;
}

void TFRenam::OKBtnClick() {
    if (E_New->text().isEmpty()) {
        Refuse("Please enter a filename!", E_New);
        return;
    }
    try {
        if (!Rename()) {
            Refuse("Error trying to rename the file!", E_New);
            return;
        }
        if (mode_ == TRenameMode::Directory && !oldPath_.empty()) ChangeNotifier().TreeChanged(oldPath_[0]);
        completed_ = true;
        accept();
    } catch (const std::exception&) {
        ShowMessage("Error occured trying to access: " + oldPath_);
        completed_ = false;
        done(kAbortResult);
    }
}

void RenameTaggedEntries(TMDIChild& window, const TShowRename& show) {
    QPointer<TMDIChild> guard(&window);
    TFRenam dialog(window.Frame());
    bool renamed = false;
    for (int i = window.FirstTagged(); i >= 0 && guard; i = window.NextTagged(i)) {
        dialog.Prepare(window.GetEntryPath(i), TRenameMode::File);
        if (show)
            show(dialog);
        else
            dialog.exec();
        if (!dialog.Completed() || !guard) break;
        renamed = true;
        window.UntagEntry(i);
    }
    if (!guard) return;
    if (renamed) ChangeNotifier().PathChanged(window.GetDirectory());
    window.UpdateStatus();
}
