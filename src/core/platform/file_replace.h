// Saving a whole file without ever destroying the old one on failure.
#pragma once

#include <string>

#include "core/platform/platform.h"

namespace plat {

// Writes data as the whole new content of a file, new or existing: a temp
// file beside it takes the old file's owner, mode and stored DOS
// attributes, is flushed, then renamed over it, so the old content stays
// whole until the new one is complete. A read-only file fails with
// AccessDenied and stays as it is; a link is written through. Faults
// injected for Open, Write and Rename fire here.
FileError ReplaceFileContents(const std::string& winPath, const std::string& data);

}  // namespace plat
