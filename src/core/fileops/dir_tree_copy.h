// The run of the copy-directory dialog: for each line of a tree listing,
// creates its directory below the destination (and the base directory) and
// copies its files there. Qt-free; the dialog owns one, forwards a
// confirmed Cancel to CancelRequested and selects lines on request.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "core/fileops/file_primitives.h"

class TTreeCopy {
  public:
    std::string Destination;  // an existing directory
    std::string BaseName;     // "" copies the root straight into Destination
    bool IncludeSubDirectories = true;
    bool WarnOverwrite = true;

    bool OperationRunning = false;
    bool CancelRequested = false;

    std::function<void(size_t line)> SelectLine;
    // Receives each file's bare name before it is copied.
    std::function<void(const std::string& name)> OnFile;

    // The directory that receives the files of a line: Destination plus the
    // base directory plus the line's path below the root, with a trailing
    // backslash. Never cut, however long.
    std::string TargetOf(const TTreeListing& tree, size_t line) const;

    // Runs over the lines of a listing (line 0 the root), or over the root
    // alone without IncludeSubDirectories. Stops at a directory that cannot
    // be made ("Error Creating: "), silently at a Cancel of the overwrite
    // question, and before the next directory when a copy failure ("Error
    // Copying files: ") is answered with Cancel; a directory that cannot be
    // read or is no longer a directory is such a failure. Links are copied
    // as links; a root that is a link is copied as that link alone. Devices,
    // pipes and sockets are never opened: one message at the end names them.
    // Events are processed after every directory; the gauge is hidden
    // however the run ends.
    void Run(const TTreeListing& tree);

  private:
    void CopyLines(const TTreeListing& tree, std::vector<std::string>& notCopied);
    // Makes the link again in the destination, named as the base directory
    // or, without one, as the root; "Error Creating: " when it cannot.
    void CopyRootLink(const std::string& root);
};
