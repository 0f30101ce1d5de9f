#include "core/fileops/dir_tree_remove.h"

#include "core/fileops/dir_paths.h"
#include "core/fileops/file_primitives.h"
#include "core/platform/platform.h"
#include "core/seams/progress.h"
#include "core/seams/prompter.h"

namespace {

// Removes one directory. The process must not be left in a directory that
// is gone: when it held the current directory, that moves to its parent.
bool RemoveOne(const std::string& path) {
    const bool holdsCurrent = IsAtOrBelow(plat::GetCurrentDir(), path);
    if (plat::RemoveDirectory(path) != plat::FileError::None) return false;
    if (!holdsCurrent) return true;
    std::string parent = DirectoryPartOf(plat::ExpandFileName(path));
    if (parent.size() > 3 && parent.back() == '\\') parent.pop_back();
    plat::SetCurrentDir(parent);
    return true;
}

bool Refuse(const std::string& path) {
    prompter().Message("Error Deleting: " + plat::UpperCase(path), MsgIcon::Error, mbOK);
    return false;
}

}  // namespace

bool TTreeRemoval::RemoveDirectoryLine(const std::string& path) {
    if ((InUse && InUse(path)) || !RemoveOne(path)) return Refuse(path);
    return true;
}

bool TTreeRemoval::RemoveLink(const std::string& path) {
    if ((InUse && InUse(path)) || plat::DeleteFile(path) != plat::FileError::None) return Refuse(path);
    return true;
}

void TTreeRemoval::Run(const TTreeListing& tree) {
    Aborted = false;
    // The gauge is hidden however the loop ends.
    const TProgressRun running(OperationRunning);
    const size_t n = tree.lines.size();
    size_t done = 0;
    for (size_t k = n; k-- > 0;) {
        if (Aborted) {
            ShowMessage("Delete process aborted!");
            return;
        }
        if (SelectLine) SelectLine(k);
        const std::string path = TreeLinePath(tree, k);
        if (plat::GetEntryKind(path) == plat::EntryKind::Link) {
            if ((DeleteFiles || !KeepStructure) && !RemoveLink(path)) Aborted = true;
        } else {
            if (DeleteFiles) Aborted = !DeleteDirectoryFiles(path, OverrideAttributes);
            if (!Aborted && !KeepStructure && !RemoveDirectoryLine(path)) Aborted = true;
        }
        ++done;
        Progress().StepProgress(static_cast<int>(done), static_cast<int>(n));
        Progress().ProcessEvents();
    }
}
