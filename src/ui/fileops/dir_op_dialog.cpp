#include "ui/fileops/dir_op_dialog.h"

#include <QGuiApplication>
#include <QApplication>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>

#include "ui/frame/dialog_buttons.h"
#include "ui/frame/help_window.h"
#include "ui/dirwin/frame_services.h"
#include "core/seams/prompter.h"
#include "ui/frame/shown_text_qt.h"

TDirOpDialog::TDirOpDialog(const QString& caption, int helpTopic, TFrameServices* frame)
    : TCancelableDialog(frame ? frame->FrameWidget() : nullptr, Qt::Dialog | Qt::CustomizeWindowHint |
                                                                    Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      frame_(frame),
      helpTopic_(helpTopic) {
    setWindowTitle(caption);
    const TDialogButtons buttons = MakeDialogButtons(this);
    OKBtn = buttons.OK;
    CancelBtn = buttons.Cancel;
    HelpBtn = buttons.Help;
    connect(OKBtn, &QPushButton::clicked, this, [this] { OKBtnClick(); });
    connect(CancelBtn, &QPushButton::clicked, this, [this] { CancelBtnClick(); });
    connect(HelpBtn, &QPushButton::clicked, this, [this] { HelpBtnClick(); });
}

QBoxLayout* TDirOpDialog::ButtonRow(const QList<QPushButton*>& extra) {
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(OKBtn);
    row->addWidget(CancelBtn);
    for (QPushButton* b : extra) row->addWidget(b);
    row->addWidget(HelpBtn);
    return row;
}

void TDirOpDialog::HelpBtnClick() {
    if (frame_)
        frame_->ShowHelp(helpTopic_);
    else
        THelpWindow::ShowTopic(helpTopic_, this);
}

void TDirOpDialog::Refuse(const std::string& message, QWidget* field) {
    ShowMessage(message);
    if (field) field->setFocus();
}

void TDirOpDialog::LockForRun() {
    // Windows the dialog owns (its help) are not its controls.
    for (QWidget* w : findChildren<QWidget*>())
        if (w->window() == this) w->setEnabled(false);
    // Cancel's parents must be enabled for it to take clicks.
    for (QWidget* w = CancelBtn; w && w != this; w = w->parentWidget()) w->setEnabled(true);
}

void TDirOpDialog::ShowTree(const std::string& root, TTreeListing& tree, QListWidget* list,
                            int64_t& files, int64_t& dirs) {
    tree = TTreeListing(root);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    try {
        ListDirectoryTree(tree, files, dirs);
    } catch (...) {
        QApplication::restoreOverrideCursor();
        throw;
    }
    QApplication::restoreOverrideCursor();
    for (const std::string& line : tree.lines) list->addItem(ShownQText(line));
}
