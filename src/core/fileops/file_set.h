// A file set: what the copy, move, delete, shred and attribute runs act on,
// taken from a window when its dialog is made (or from a drop). Plain values:
// the runs never see the window.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// One file of a set: the name as the window lists it (a bare name, or a path
// relative to the directory from a result window), the full path the window
// gives for it (exact: blanks at the end and a missing extension's dot as
// the file has them) and its size.
struct TFileSetEntry {
    std::string Name;
    std::string Path;
    int64_t Size = 0;
};

struct TFileSet {
    std::string Directory;              // the directory the names are listed in
    std::vector<TFileSetEntry> Files;   // in list order
};

// Everything after the last backslash or colon.
std::string FileNamePart(const std::string& path);
// Everything up to and including the last backslash; "" when none.
std::string DirectoryPart(const std::string& path);
