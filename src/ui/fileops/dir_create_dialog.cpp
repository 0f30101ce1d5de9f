#include "ui/fileops/dir_create_dialog.h"

#include <QFont>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/dirwin/mdi_child_window.h"
#include "core/platform/platform.h"
#include "core/fileops/change_notifier.h"
#include "ui/dirwin/frame_services.h"
#include "core/seams/prompter.h"
#include "ui/frame/shown_text_qt.h"

TF_CreateDIR::TF_CreateDIR(TMDIChild* window)
    : TDirOpDialog("Create Directory", 9000, window->Frame()), window_(window) {
    setObjectName("F_CreateDIR");
    E_Info = new QLineEdit(this);
    E_Info->setObjectName("E_Info");
    E_Info->setReadOnly(true);
    E_Info->setFrame(false);
    E_Info->setFocusPolicy(Qt::NoFocus);
    // Reads like a label.
    QPalette pal = E_Info->palette();
    pal.setColor(QPalette::Base, pal.color(QPalette::Window));
    E_Info->setPalette(pal);

    E_Name = new QLineEdit(this);
    E_Name->setObjectName("E_Name");
    E_Name->setMaxLength(79);
    QFont bold("Sans Serif", 10);
    bold.setBold(true);
    E_Name->setFont(bold);
    E_Name->setToolTip("Enter the new sub-directory name");
    OKBtn->setToolTip("Create the directory");
    CancelBtn->setToolTip("Do not create a directory");

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(E_Info);
    layout->addWidget(E_Name);
    layout->addLayout(ButtonRow());
    setMinimumWidth(420);
    Rebuild();
}

void TF_CreateDIR::Rebuild() {
    const std::string parent = window_ ? window_->GetSelectedDirectory() : std::string();
    E_Info->setText(
        ShownQText("Enter the directory to create as a child of: " + parent));
    E_Name->clear();
    E_Name->setFocus();
}

void TF_CreateDIR::showEvent(QShowEvent* event) {
    Rebuild();
    TDirOpDialog::showEvent(event);
}

void TF_CreateDIR::OKBtnClick() {
    // Windows drops blanks at the end of a name; kept here they would make a
    // directory that no path built with AddBackslash can reach again.
    const std::string name = plat::TrimRight(E_Name->text().toStdString());
    if (name.empty()) {
        Refuse("Please enter a directory name!", E_Name);
        return;
    }
    if (!window_) {
        QDialog::reject();
        return;
    }
    std::string parent = window_->GetSelectedDirectory();
    if (parent.empty() || parent.back() != '\\') parent += '\\';
    const plat::FileError e = plat::CreateDirectory(parent + name);
    if (e != plat::FileError::None) {
        prompter().Message(plat::ErrorText(e) + "\r\nCreating Directory: " + name, MsgIcon::Error,
                           mbOK);
        QDialog::reject();
        return;
    }
    ChangeNotifier().TreeChanged(window_->GetDrive());
    accept();
}
