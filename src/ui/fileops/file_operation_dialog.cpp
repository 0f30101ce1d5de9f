#include "ui/fileops/file_operation_dialog.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>

#include "ui/frame/dialog_buttons.h"
#include "ui/dirwin/mdi_child_window.h"
#include "core/fileops/file_primitives.h"
#include "ui/frame/help_window.h"
#include "core/fileops/change_notifier.h"
#include "core/settings/startup.h"
#include "ui/frame/shown_text_qt.h"

TFileSet FileSetOf(TMDIChild& window) {
    std::vector<std::string> names;
    window.GetTaggedNames(names);
    std::vector<int> indexes;
    for (int i = window.FirstTagged(); i != -1; i = window.NextTagged(i)) indexes.push_back(i);
    // The window's own path of each entry is exact: a name without an
    // extension is listed with a dot its file does not have, and blanks at
    // the end of a name are part of it.
    const bool paired = indexes.size() == names.size();
    TFileSet set;
    set.Directory = window.GetDirectory();
    const std::string dir = AddBackslash(set.Directory);
    set.Files.reserve(names.size());
    for (size_t k = 0; k < names.size(); ++k) {
        const std::string& name = names[k];
        std::string path = name.find(':') != std::string::npos ? name
                           : paired ? window.GetEntryPath(indexes[k])
                                    : dir + name;
        set.Files.push_back({name, path, paired ? window.GetEntrySize(indexes[k]) : 0});
    }
    return set;
}

TFileSource SourceOf(TMDIChild& window) { return {FileSetOf(window), window.Frame(), &window}; }

TFileOperationDialog::TFileOperationDialog(const std::string& caption, int helpTopic,
                                           const std::string& cancelQuestion, QWidget* parent)
    : TCancelableDialog(parent), helpTopic_(helpTopic), cancelQuestion_(cancelQuestion) {
    setWindowTitle(QString::fromStdString(caption));
    QFont bold = font();
    bold.setPointSize(8);
    bold.setBold(true);
    setFont(bold);

    E_From = new QLineEdit(this);
    E_From->setObjectName("E_From");
    E_From->setEnabled(false);
    L_Count = new QLabel("0", this);
    L_Count->setObjectName("L_Count");
    LB1 = new QListWidget(this);
    LB1->setObjectName("LB1");
    QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    fixed.setPointSize(10);
    fixed.setBold(false);
    LB1->setFont(fixed);

    const TDialogButtons buttons = MakeDialogButtons(this);
    OKBtn = buttons.OK;
    CancelBtn = buttons.Cancel;
    HelpBtn = buttons.Help;
    HelpBtn->setAutoDefault(false);
    CancelBtn->setAutoDefault(false);
    connect(OKBtn, &QPushButton::clicked, this, [this] { OKBtnClick(); });
    connect(CancelBtn, &QPushButton::clicked, this, [this] { CancelBtnClick(); });
    connect(HelpBtn, &QPushButton::clicked, this, [this] { HelpBtnClick(); });

    // A selected row follows the loop's progress.
    Loop.SelectRow = [this](size_t row) {
        if (row < static_cast<size_t>(LB1->count()))
            LB1->setCurrentRow(static_cast<int>(row));
        else
            LB1->clearSelection();
    };
}

void TFileOperationDialog::TakeFiles(TMDIChild& source) { TakeFiles(FileSetOf(source)); }

void TFileOperationDialog::TakeFiles(const TFileSet& files) {
    files_ = files;
    E_From->setText(ShownQText(files_.Directory));
    L_Count->setText(QString::number(files_.Files.size()));
    LB1->clear();
    for (const TFileSetEntry& f : files_.Files) LB1->addItem(ShownQText(f.Name));
}

QLayout* TFileOperationDialog::SourceRow(const QString& label) {
    auto* row = new QHBoxLayout;
    auto* l = new QLabel(label, this);
    l->setBuddy(E_From);
    row->addWidget(l);
    row->addWidget(E_From, 1);
    return row;
}

QLayout* TFileOperationDialog::CountRow(const QString& label) {
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(label, this));
    row->addWidget(L_Count);
    row->addStretch(1);
    return row;
}

QLayout* TFileOperationDialog::ButtonRow(const QList<QPushButton*>& extra) {
    auto* row = new QHBoxLayout;
    row->addWidget(OKBtn);
    row->addWidget(CancelBtn);
    for (QPushButton* b : extra) row->addWidget(b);
    row->addWidget(HelpBtn);
    return row;
}

void TFileOperationDialog::FinishLayout(QLayout* layout) {
    setLayout(layout);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    LB1->setMinimumSize(320, 140);
    adjustSize();
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

std::string TFileOperationDialog::FromDirectory() const {
    return AddBackslash(files_.Directory);
}

void TFileOperationDialog::LockControls() {
    // Windows the dialog owns (its help) are not its controls.
    for (QWidget* w : findChildren<QWidget*>())
        if (w->window() == this) w->setEnabled(false);
    CancelBtn->setEnabled(true);
}

void TFileOperationDialog::Run(const std::function<void()>& operation,
                               const std::function<void()>& finish) {
    running_ = true;
    LockControls();
    // Whatever ends the loop, the gauge is hidden, the windows read again
    // and the dialog closes; an exception that escaped is shown first.
    RunReportingErrors(operation);
    RunReportingErrors(finish);
    running_ = false;
    accept();
}

void TFileOperationDialog::RunOnEachPath(const PathStep& step, const PathPrompt& promptText,
                                         const std::function<void()>& beforeRefresh) {
    const std::string from = FromDirectory();
    Run([&] { Loop.EachPath(files_, step, promptText); },
        [&] {
            if (beforeRefresh) beforeRefresh();
            ChangeNotifier().PathChanged(from);
        });
}

void TFileOperationDialog::HelpBtnClick() { THelpWindow::ShowTopic(helpTopic_, parentWidget()); }

void TFileOperationDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (initialFocus_) initialFocus_->setFocus();
}
