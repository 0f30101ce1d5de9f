// One file of a directory window's list.
#pragma once

#include <cstdint>
#include <string>

#include "core/platform/platform.h"

// What the entry keeps of the enumeration record besides Time, Size, Attr
// and the name: the two other file times. The name lives in Name/Ext only.
struct TEntryFindData {
    plat::FileTime accessTime;
    plat::FileTime changeTime;
};

struct TFileEntry {
    plat::FileTime Time;       // last write
    int64_t Size = 0;
    uint32_t Attr = 0;         // faReadOnly, faHidden, faSysFile, faArchive
    std::string Name;          // the found name up to its last dot
    TEntryFindData FindData;
    std::string Ext;           // after the last dot, without it; "" when none
    bool Tagged = false;       // changed only through the list's tag operations
    bool HasDot = false;       // the found name has a dot, so "NAME." is its real name
    int32_t DirIndex = 0;      // the result window's directory; 0 in a split window
    bool DanglingLink = false; // a link that leads nowhere: shown with a mark, size 0
};

// An entry from an enumeration record, its name split at the last dot:
// "A.TAR.GZ" gives Name "A.TAR", Ext "GZ"; ".profile" gives "" and "profile".
TFileEntry MakeFileEntry(const plat::FindData& found);
// The displayed name: Name "." Ext, the dot also when Ext is empty.
std::string EntryDisplayName(const TFileEntry& entry);
// The name as the file system spells it: no dot added to a name without one.
std::string EntryFileName(const TFileEntry& entry);
