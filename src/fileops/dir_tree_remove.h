// The run of the remove-directory dialog: walks a tree listing from its
// last line back to the root, deleting each directory's files and/or the
// directory itself, and stops at the first failure. Qt-free; the dialog
// owns one, forwards a confirmed Cancel to Aborted and selects lines on
// request.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

class TTreeRemoval {
  public:
    // Copied from the dialog's check boxes when the run starts.
    bool KeepStructure = true;
    bool DeleteFiles = true;
    bool OverrideAttributes = true;

    bool OperationRunning = false;
    // Set by the first failure or by a confirmed Cancel; read before each
    // directory.
    bool Aborted = false;

    // Called with the line about to be handled.
    std::function<void(size_t line)> SelectLine;
    // Whether a directory must stay because something still uses it (a
    // window shows it); such a directory fails like any removal failure.
    std::function<bool(const std::string& path)> InUse;

    // Runs over lines (line 0 the root, as ListDirectoryTree makes them):
    // deepest listed directories first, the root last. Events are processed
    // after every directory. The gauge is hidden however the run ends.
    void Run(const std::vector<std::string>& lines);
};
