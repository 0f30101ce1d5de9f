#include "core/filelist/file_sort.h"

TSortOrder::TSortOrder(const std::string& sortKeys) {
    for (size_t i = 0; i < sortKeys.size() && i < 4; ++i) {
        const char k = sortKeys[i];
        if (k == 'N' || k == 'E' || k == 'D' || k == 'S') keys_[count_++] = k;
    }
}

namespace {
int Sign(int c) { return c < 0 ? -1 : (c > 0 ? 1 : 0); }
}  // namespace

int TSortOrder::Compare(const TFileEntry& existing, const TFileEntry& added) const {
    for (int i = 0; i < count_; ++i) {
        switch (keys_[i]) {
        case 'D':
            if (added.Time != existing.Time) return added.Time > existing.Time ? 1 : -1;
            break;
        case 'S':
            if (added.Size != existing.Size) return added.Size > existing.Size ? 1 : -1;
            break;
        case 'E':  // std::string compares bytes as unsigned, shorter prefix first
            if (int c = existing.Ext.compare(added.Ext)) return Sign(c);
            break;
        case 'N':
            if (int c = existing.Name.compare(added.Name)) return Sign(c);
            break;
        }
    }
    return 0;
}
