#include "ui/apps/app_editor_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "core/apps/app_list.h"
#include "core/platform/platform.h"
#include "core/seams/prompter.h"
#include "ui/apps/program_chooser_qt.h"
#include "ui/frame/dialog_buttons.h"

const char* CommandLineReference() {
    return "%%   a single %\n"
           "%I   the current file's name without its extension\n"
           "     (ARCHIVE.TAR.GZ gives ARCHIVE)\n"
           "%N   the current file's name (README.TXT)\n"
           "%F   the current file's full name (C:\\DOCS\\README.TXT)\n"
           "%E   the current file's extension (TXT)\n"
           "%P   the current directory with a backslash (C:\\DOCS\\)\n"
           "%D   the current drive letter (C)\n"
           "%C   the number of tagged files (3)\n"
           "%*(LIST.TXT)\n"
           "     writes the full names of the tagged files to LIST.TXT,\n"
           "     one a line, and puts LIST.TXT into the command line.\n"
           "     The name is made of letters, digits, '.', '\\' and ':'\n"
           "     (at most 50) and must be closed by ')'.\n"
           "%@format@\n"
           "     today's date and time in the format, e.g. %@yyyymmdd@\n"
           "     gives 20240131. Specifiers: d dd ddd dddd (day),\n"
           "     m mm mmm mmmm (month), yy yyyy (year), h hh (hour),\n"
           "     n nn (minute; m after h also), s ss (second), t tt\n"
           "     (short and long time), am/pm a/p, / and :.\n"
           "#    asks for a parameter when the application runs\n"
           "     (%# does the same).\n"
           "\n"
           "The command line is cut into arguments before the codes are\n"
           "filled in: blanks separate arguments and double quotes group\n"
           "them (\"two words\"). A name that a code puts in stays one\n"
           "argument, whatever it holds; no shell reads the line. What\n"
           "is typed at # is cut into arguments like the command line.\n"
           "Programs receive the paths of this computer's files.\n";
}

namespace {

QLabel* Label(QWidget* dialog, const char* text, QWidget* buddy) {
    auto* label = new QLabel(text, dialog);
    label->setBuddy(buddy);
    return label;
}

}  // namespace

TAppEditorDialog::TAppEditorDialog(TTApp& apps, int index, QWidget* parent)
    : QDialog(parent), apps_(apps), index_(apps.Valid(index) ? index : -1) {
    setObjectName("AppEditor");
    setWindowTitle("Application Editor");

    CB_Category = new QComboBox(this);
    CB_Category->setObjectName("CB_Category");
    CB_Category->setEditable(true);
    CB_Category->setInsertPolicy(QComboBox::NoInsert);
    CB_Category->setCompleter(nullptr);
    CB_Category->lineEdit()->setMaxLength(static_cast<int>(kAppCategoryWidth));
    for (const std::string& c : LoadCategories()) CB_Category->addItem(QString::fromStdString(c));
    E_Name = new QLineEdit(this);
    E_Name->setObjectName("E_Name");
    E_Name->setMaxLength(static_cast<int>(kAppNameWidth));
    E_Name->setToolTip("Enter a descriptive name");
    E_Program = new QLineEdit(this);
    E_Program->setObjectName("E_Program");
    FindBtn = DialogButton(this, "&Find", "FindBtn");
    E_Directory = new QLineEdit(this);
    E_Directory->setObjectName("E_Directory");
    E_Command = new QLineEdit(this);
    E_Command->setObjectName("E_Command");
    E_Command->setMaxLength(static_cast<int>(kAppCommandWidth));
    CB_Test = new QCheckBox("&Test Mode:", this);
    CB_Test->setObjectName("CB_Test");
    CB_Test->setLayoutDirection(Qt::RightToLeft);
    M_Reference = new QPlainTextEdit(CommandLineReference(), this);
    M_Reference->setObjectName("M_Reference");
    M_Reference->setReadOnly(true);
    M_Reference->setLineWrapMode(QPlainTextEdit::NoWrap);
    QFont fixed("Monospace");
    fixed.setStyleHint(QFont::TypeWriter);
    M_Reference->setFont(fixed);
    SaveBtn = DialogButton(this, "&Save Instr", "SaveBtn");
    OKBtn = DialogButton(this, "OK", "OKBtn", true);
    CancelBtn = DialogButton(this, "Cancel", "CancelBtn");

    if (index_ >= 0) {
        const TAppEntry& e = apps.Entry(index_);
        CB_Category->setEditText(QString::fromStdString(e.Category));
        E_Name->setText(QString::fromStdString(e.Name));
        E_Program->setText(QString::fromStdString(e.Program));
        E_Directory->setText(QString::fromStdString(e.Directory));
        E_Command->setText(QString::fromStdString(e.Command));
        CB_Test->setChecked(e.TestMode);
    } else {
        CB_Category->setEditText(QString());
    }

    auto* fields = new QGridLayout;
    fields->addWidget(Label(this, "&Category:", CB_Category), 0, 0);
    fields->addWidget(CB_Category, 0, 1, 1, 2);
    fields->addWidget(Label(this, "De&scription:", E_Name), 1, 0);
    fields->addWidget(E_Name, 1, 1, 1, 2);
    fields->addWidget(Label(this, "&Program:", E_Program), 2, 0);
    fields->addWidget(E_Program, 2, 1);
    fields->addWidget(FindBtn, 2, 2);
    fields->addWidget(Label(this, "&Directory", E_Directory), 3, 0);
    fields->addWidget(E_Directory, 3, 1, 1, 2);
    fields->addWidget(Label(this, "&Command Line", E_Command), 4, 0);
    fields->addWidget(E_Command, 4, 1, 1, 2);
    fields->addWidget(CB_Test, 5, 0, 1, 2, Qt::AlignLeft | Qt::AlignAbsolute);
    fields->setColumnStretch(1, 1);

    auto* reference = new QGroupBox("Command Line Reference", this);
    auto* refLayout = new QVBoxLayout(reference);
    refLayout->addWidget(M_Reference);
    auto* refButtons = new QHBoxLayout;
    refButtons->addStretch();
    refButtons->addWidget(SaveBtn);
    refLayout->addLayout(refButtons);

    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(OKBtn);
    row->addWidget(CancelBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(reference, 1);
    layout->addLayout(row);
    resize(520, 560);

    connect(OKBtn, &QPushButton::clicked, this, &TAppEditorDialog::OKBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(FindBtn, &QPushButton::clicked, this, &TAppEditorDialog::FindBtnClick);
    connect(SaveBtn, &QPushButton::clicked, this, &TAppEditorDialog::SaveBtnClick);
    CB_Category->setFocus();
}

void TAppEditorDialog::OKBtnClick() {
    TAppEntry e;
    e.Category = plat::Trim(CB_Category->currentText().toStdString());
    e.Name = plat::Trim(E_Name->text().toStdString());
    e.Program = plat::Trim(E_Program->text().toStdString());
    e.Directory = plat::Trim(E_Directory->text().toStdString());
    e.Command = plat::Trim(E_Command->text().toStdString());
    e.TestMode = CB_Test->isChecked();
    const std::pair<bool, std::pair<const char*, QWidget*>> checks[] = {
        {e.Category.empty(), {"A category is required!", CB_Category}},
        {e.Name.empty(), {"A name is required!", E_Name}},
        {e.Program.empty(), {"A Program is required!", E_Program}},
    };
    for (const auto& [failed, failure] : checks)
        if (failed) {
            ShowMessage(failure.first);
            failure.second->setFocus();
            return;
        }
    AddCategory(e.Category);
    if (index_ >= 0) apps_.Change(index_, e);
    else apps_.Add(e);
    accept();
}

void TAppEditorDialog::FindBtnClick() {
    std::string path;
    if (ChooseProgram(this, path)) E_Program->setText(QString::fromStdString(path));
}

void TAppEditorDialog::SaveBtnClick() {
    std::string path;
    if (ChooseSaveFile(this, path)) SaveReference(path);
}

bool TAppEditorDialog::SaveReference(const std::string& path) {
    const std::string text = CommandLineReference();
    plat::File file;
    size_t written = 0;
    if (plat::OpenFile(path, plat::OpenMode::CreateTruncate, file) != plat::FileError::None) {
        ShowMessage("Bad open of: " + path);
        return false;
    }
    const plat::FileError e = plat::WriteFile(file, text.data(), text.size(), written);
    const plat::FileError closed = plat::CloseFile(file);
    if (e != plat::FileError::None || closed != plat::FileError::None || written != text.size()) {
        ShowMessage(e != plat::FileError::None ? plat::ErrorText(e) : closed != plat::FileError::None ? plat::ErrorText(closed) : "Disk full?");
        return false;
    }
    return true;
}
