#include "ui/apps/apps_qt.h"

#include <QComboBox>

#include "core/apps/app_run.h"
#include "ui/apps/app_choose_dialog.h"
#include "ui/apps/app_listing_dialog.h"
#include "ui/apps/app_menu_qt.h"
#include "ui/apps/app_params_dialog.h"
#include "ui/apps/quick_dir_list_dialog.h"
#include "ui/apps/quick_dir_update_dialog.h"
#include "ui/apps/run_program_dialog.h"
#include "ui/dirwin/mdi_child_window.h"
#include "ui/dirwin/sep_dir_window.h"
#include "ui/frame/main_window.h"
#include "ui/frame/speed_bar_widget.h"

namespace {

// The window a command is for: the one it was chosen in, else the active
// child when that is a file window.
TMDIFileBase* FileWindow(Tmainform& form, const TCommandTarget& target) {
    if (target.Window) return target.Window;
    return qobject_cast<TMDIFileBase*>(form.ActiveChild());
}

std::vector<std::string> OpenSplitDirectories(Tmainform& form) {
    std::vector<std::string> dirs;
    for (TMDIChild* w : form.DirectoryWindowsInOrder())
        if (!w->IsResultWindow()) dirs.push_back(w->GetDirectory());
    return dirs;
}

}  // namespace

TAppsParts::TAppsParts(Tmainform& form) : QObject(&form), form_(form) {
    setObjectName("AppsParts");
    Apps.Load();
    Quick.Load();
}

TAppsParts::~TAppsParts() {
    TSepDir::QuickDirectoryLookup = nullptr;
    SetParameterDialog(nullptr);
}

std::string TAppsParts::Category() const { return form_.SpeedBar->CB_Category->currentText().toStdString(); }

bool TAppsParts::Run(int index, TMDIFileBase* window) {
    if (!Apps.Valid(index)) return false;
    TCommandExpander expander;
    std::optional<TFileWindowApps> fileWindow;
    if (window) expander.Window = &fileWindow.emplace(*window);
    return RunApplication(Apps.Entry(index), expander);
}

void TAppsParts::RunInCategory(int position, TMDIFileBase* window) {
    const int index = Apps.IndexInCategory(position, Category());
    if (index >= 0) Run(index, window);
}

void TAppsParts::QuickAdd(TMDIFileBase* window) {
    auto* dir = qobject_cast<TMDIChild*>(window);
    if (!dir || dir->IsResultWindow()) return;
    const std::string path = dir->GetDirectory();
    Quick.Add(path, path, true, dir->Options.Wildcards);
}

TAppsParts& InstallApplications(Tmainform& form) {
    auto* parts = new TAppsParts(form);
    SetParameterDialog(&ApplicationParameterDialog);

    form.ApplicationCategories = [] {
        std::vector<std::string> categories = LoadCategories();
        categories.insert(categories.begin(), std::string());  // every application
        return categories;
    };
    form.ApplicationNames = [parts](const std::string& category) { return parts->Apps.NamesInCategory(category); };
    form.ReloadCategoryBox();

    form.RegisterCommand(TCommand::StartApplication, [&form, parts](const TCommandTarget& target) {
        TMDIFileBase* window = FileWindow(form, target);
        if (target.Index != kChooseApplication) {
            parts->RunInCategory(target.Index, window);
            return;
        }
        const std::string category = parts->Category();
        QPointer<TMDIFileBase> guarded = window;
        TAppChooseDialog dialog(parts->Apps.NamesInCategory(category), [parts, category, guarded](int position) {
            parts->Run(parts->Apps.IndexInCategory(position, category), guarded.data());
        }, &form);
        dialog.exec();
    });
    form.RegisterCommand(TCommand::Applications, [&form, parts](const TCommandTarget& target) {
        QPointer<TMDIFileBase> window = FileWindow(form, target);
        TAppListingDialog dialog(parts->Apps, [parts, window](int index) { return parts->Run(index, window.data()); }, &form);
        dialog.exec();
    });
    form.RegisterCommand(TCommand::RunProgram, [&form] {
        TRunProgramDialog dialog(&form);
        dialog.exec();
    });

    TSepDir::QuickDirectoryLookup = [parts](int index, std::string& dir, std::string& wildcards) {
        if (!parts->Quick.Valid(index)) return false;
        dir = parts->Quick.Dir(index);
        wildcards = parts->Quick.Wild(index);
        return true;
    };
    form.OpenAutoloadQuickDirectories = [&form, parts] {
        return parts->Quick.OpenAutoload([&form](int index) { form.OpenQuickDirectory(index); });
    };
    form.RegisterCommand(TCommand::QuickDirectories, [&form, parts] {
        TQuickDirListDialog dialog(parts->Quick, [&form](int index) { form.OpenQuickDirectory(index); }, &form);
        dialog.OpenUpdate = [&form, parts, &dialog](int index) {
            TQuickDirUpdateDialog update(parts->Quick, index, OpenSplitDirectories(form), &dialog);
            return update.exec() == QDialog::Accepted;
        };
        dialog.exec();
    });
    form.RegisterCommand(TCommand::QuickAdd, [&form, parts](const TCommandTarget& target) {
        parts->QuickAdd(FileWindow(form, target));
    });
    return *parts;
}
