#include "core/filelist/file_entry.h"

TFileEntry MakeFileEntry(const plat::FindData& found) {
    TFileEntry e;
    e.Time = found.writeTime;
    e.Size = found.size;
    e.Attr = found.attr;
    e.FindData = {found.accessTime, found.changeTime};
    e.DanglingLink = found.isDanglingLink;
    const size_t dot = found.name.rfind('.');
    if (dot == std::string::npos) {
        e.Name = found.name;
    } else {
        e.HasDot = true;
        e.Name.assign(found.name, 0, dot);
        e.Ext.assign(found.name, dot + 1);
    }
    return e;
}

std::string EntryDisplayName(const TFileEntry& entry) {
    std::string s;
    s.reserve(entry.Name.size() + 1 + entry.Ext.size());
    s += entry.Name;
    s += '.';
    s += entry.Ext;
    return s;
}

std::string EntryFileName(const TFileEntry& entry) {
    return entry.HasDot ? EntryDisplayName(entry) : entry.Name;
}
