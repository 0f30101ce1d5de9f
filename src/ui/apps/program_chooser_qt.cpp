#include "ui/apps/program_chooser_qt.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QSortFilterProxyModel>

#include "core/platform/platform.h"

namespace {

// Hides the files nobody may run while the "Programs" filter is chosen.
class TExecutableFilter : public QSortFilterProxyModel {
public:
    bool programsOnly = true;

protected:
    bool filterAcceptsRow(int row, const QModelIndex& parent) const override {
        if (!programsOnly) return true;
        auto* files = qobject_cast<QFileSystemModel*>(sourceModel());
        if (!files) return true;
        const QFileInfo info = files->fileInfo(files->index(row, 0, parent));
        return info.isDir() || info.isExecutable();
    }
};

std::string StartFolder() {
    auto host = plat::ToHost(plat::GetCurrentDir());
    return host ? *host : std::string();
}

bool ToWindowsForm(const QString& chosen, std::string& path) {
    if (chosen.isEmpty()) return false;
    auto win = plat::FromHost(chosen.toStdString());
    if (!win) return false;
    path = *win;
    return true;
}

}  // namespace

bool ChooseProgram(QWidget* parent, std::string& path) {
    QFileDialog dialog(parent, "Select a program to execute", QString::fromStdString(StartFolder()));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters({"Programs (*)", "All files (*)"});
    auto* filter = new TExecutableFilter;
    dialog.setProxyModel(filter);
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [filter](const QString& name) {
        filter->programsOnly = name.startsWith("Programs");
        filter->invalidate();
    });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;
    return ToWindowsForm(dialog.selectedFiles().first(), path);
}

bool ChooseSaveFile(QWidget* parent, std::string& path) {
    QFileDialog dialog(parent, "Save Instructions As:", QString::fromStdString(StartFolder()));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters({"Any File (*)", "Text File (*.TXT *.txt)"});
    dialog.selectNameFilter("Text File (*.TXT *.txt)");
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;
    return ToWindowsForm(dialog.selectedFiles().first(), path);
}
