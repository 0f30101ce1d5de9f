// The order of a directory window's list, from the sort key string
// (SortKeys, up to four letters): N name and E extension ascending byte by
// byte, D date newest first, S size largest first; any other letter is no key.
#pragma once

#include <string>

#include "core/filelist/file_entry.h"

class TSortOrder {
public:
    explicit TSortOrder(const std::string& sortKeys);
    // -1 when existing goes before added, 1 when after, 0 when every key
    // leaves them equal.
    int Compare(const TFileEntry& existing, const TFileEntry& added) const;
    // Strict weak order for std::sort.
    bool operator()(const TFileEntry& a, const TFileEntry& b) const { return Compare(a, b) < 0; }

private:
    char keys_[4] = {};
    int count_ = 0;
};
