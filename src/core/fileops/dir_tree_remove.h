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

#include "core/fileops/file_primitives.h"

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

    // Runs over the lines of a listing (line 0 the root): deepest listed
    // directories first, the root last. A line that is a link is removed as
    // the link alone, with the files or instead of the directory; what it
    // names is never emptied. Events are processed after every directory.
    // The gauge is hidden however the run ends.
    void Run(const TTreeListing& tree);

  private:
    // Each says "Error Deleting: " + PATH when it fails.
    bool RemoveDirectoryLine(const std::string& path);
    bool RemoveLink(const std::string& path);
};
