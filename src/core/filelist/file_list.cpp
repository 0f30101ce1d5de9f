#include "core/filelist/file_list.h"

#include <algorithm>
#include <cmath>

#include "core/filelist/file_sort.h"
#include "core/platform/errors.h"
#include "core/tagging/wild_card.h"
#include "core/settings/quilby_options.h"

namespace {

std::string WithBackslash(const std::string& dir) {
    return !dir.empty() && dir.back() == '\\' ? dir : dir + '\\';
}

// The per-file tests of a directory read (the pattern list beyond what the
// enumeration mask did, the size range, the date range).
class TReadFilter {
public:
    TReadFilter(const TWildCard& wild, bool testNames, const TQuilbyOptions& o)
        : wild_(wild), testNames_(testNames), options_(o) {}

    bool Accepts(const plat::FindData& f) const {
        if (f.attr & (plat::faDirectory | plat::faVolumeID)) return false;
        if (testNames_ && !wild_.Matches(f.name)) return false;
        if (options_.UseSize && (f.size < options_.SZ_MIN || f.size > options_.SZ_MAX))
            return false;
        if (options_.UseDate) {
            // A stamp that names no calendar date cannot lie in the range.
            const plat::DateTime when = plat::FileTimeToDateTime(f.writeTime);
            plat::DateParts parts;
            if (!std::isfinite(when) || !plat::DecodeDateTime(when, parts)) return false;
            if (when < options_.DT_MIN || when > options_.DT_MAX) return false;
        }
        return true;
    }

private:
    const TWildCard& wild_;
    bool testNames_;
    const TQuilbyOptions& options_;
};

}  // namespace

TFileListModel::TChanges::~TChanges() {
    if (--list_.changeDepth_ != 0 || !list_.changed_) return;
    list_.changed_ = false;
    if (list_.listener_) list_.listener_();
}

bool TFileListModel::ReadDirectory(const std::string& directory, const TQuilbyOptions& options) {
    TChanges changes(*this);
    ClearEntries();
    directory_ = directory;

    const TWildCard wild(options.Wildcards);
    // One inclusive pattern filters through the enumeration mask. A lone
    // exclusion selects nothing, which no mask can say, so it is tested per
    // file like a list of several patterns.
    const bool maskFilters = wild.Count() == 1 && !wild.IsExclusion(0);
    const bool testNames = wild.Count() > 0 && !maskFilters;
    const std::string mask = WithBackslash(directory) + (maskFilters ? wild.PatternText(0) : "*.*");
    const TReadFilter filter(wild, testNames, options);

    const bool readable = plat::FindFiles(mask, options.AttributeMask(), [&](const plat::FindData& f) {
        if (filter.Accepts(f)) {
            entries_.push_back(MakeFileEntry(f));
            CountEntry(entries_.back());
        }
        return true;
    });
    if (!readable) {
        ClearEntries();
        return false;
    }
    // Sorting once gives the order that inserting each file at its sorted
    // place would give; entries with equal keys have no set order either way.
    SortEntries(options.SortKeys);
    return true;
}

void TFileListModel::AppendEntry(const plat::FindData& found, int32_t dirIndex) {
    TChanges changes(*this);
    Changed();
    entries_.push_back(MakeFileEntry(found));
    entries_.back().DirIndex = dirIndex;
    CountEntry(entries_.back());
}

void TFileListModel::CountEntry(const TFileEntry& e) {
    ++entryCount_;
    entryBytes_ += e.Size;
}

void TFileListModel::SortEntries(const std::string& sortKeys) {
    TChanges changes(*this);
    Changed();
    std::sort(entries_.begin(), entries_.end(), TSortOrder(sortKeys));
}

void TFileListModel::ClearEntries() {
    TChanges changes(*this);
    Changed();
    entries_.clear();
    entryCount_ = 0;
    entryBytes_ = 0;
    taggedCount_ = 0;
    taggedBytes_ = 0;
}

void TFileListModel::FreeEntries() {
    TChanges changes(*this);
    ClearEntries();
    std::vector<TFileEntry>().swap(entries_);
}

// ---------------------------------------------------------------- tags

bool TFileListModel::IsTagged(int i) const { return Valid(i) && entries_[i].Tagged; }

void TFileListModel::TagEntry(int i) {
    if (!Valid(i) || entries_[i].Tagged) return;
    TChanges changes(*this);
    Changed();
    entries_[i].Tagged = true;
    ++taggedCount_;
    taggedBytes_ += entries_[i].Size;
}

void TFileListModel::UntagEntry(int i) {
    if (!Valid(i) || !entries_[i].Tagged) return;
    TChanges changes(*this);
    Changed();
    entries_[i].Tagged = false;
    --taggedCount_;
    taggedBytes_ -= entries_[i].Size;
}

void TFileListModel::ToggleTag(int i) {
    if (IsTagged(i))
        UntagEntry(i);
    else
        TagEntry(i);
}

void TFileListModel::TagAll() {
    TChanges changes(*this);
    for (int i = 0; i < GetListCount(); ++i) TagEntry(i);
}

void TFileListModel::TagNone() {
    TChanges changes(*this);
    for (int i = 0; i < GetListCount(); ++i) UntagEntry(i);
}

void TFileListModel::ToggleAll() {
    TChanges changes(*this);
    for (int i = 0; i < GetListCount(); ++i) ToggleTag(i);
}

bool TFileListModel::TagIfNone(int i) {
    if (taggedCount_ != 0 || !Valid(i)) return false;
    TagEntry(i);
    return true;
}

int TFileListModel::FirstTagged() const { return NextTagged(-1); }

int TFileListModel::NextTagged(int i) const {
    for (int k = std::max(i + 1, 0); k < GetListCount(); ++k)
        if (entries_[k].Tagged) return k;
    return -1;
}

int TFileListModel::PrevTagged(int i) const {
    for (int k = std::min(i, GetListCount()) - 1; k >= 0; --k)
        if (entries_[k].Tagged) return k;
    return -1;
}

int TFileListModel::LastTagged() const { return PrevTagged(GetListCount()); }

// ---------------------------------------------------------------- entries

plat::DateTime TFileListModel::GetEntryDate(int i) const {
    return Valid(i) ? plat::FileTimeToDateTime(entries_[i].Time) : 0.0;
}

int64_t TFileListModel::GetEntrySize(int i) const { return Valid(i) ? entries_[i].Size : 0; }

uint32_t TFileListModel::GetEntryAttr(int i) const { return Valid(i) ? entries_[i].Attr : 0; }

std::string TFileListModel::GetEntryName(int i) const {
    return Valid(i) ? EntryDisplayName(entries_[i]) : std::string();
}

std::string TFileListModel::GetEntryPath(int i) const {
    return Valid(i) ? WithBackslash(directory_) + EntryFileName(entries_[i]) : std::string();
}

int TFileListModel::FindEntry(const std::string& name) const {
    for (int i = 0; i < GetListCount(); ++i)
        if (plat::SameText(EntryDisplayName(entries_[i]), name)) return i;
    return -1;
}

void TFileListModel::GetTaggedNames(std::vector<std::string>& names) const {
    for (int i = FirstTagged(); i != -1; i = NextTagged(i)) names.push_back(GetEntryName(i));
}

void TFileListModel::WriteTaggedList(const std::string& fileName,
                                     const std::function<std::string(int)>& pathOf) const {
    plat::File file;
    if (plat::FileError e = plat::OpenFile(fileName, plat::OpenMode::CreateTruncate, file);
        e != plat::FileError::None)
        throw EInOutError("Bad open of: " + fileName, static_cast<int>(e));

    std::string text;
    auto flush = [&] {
        if (text.empty()) return;
        size_t written = 0;
        plat::FileError e = plat::WriteFile(file, text.data(), text.size(), written);
        if (e != plat::FileError::None) throw EInOutError(plat::ErrorText(e), static_cast<int>(e));
        if (written != text.size())
            throw EInOutError("Disk full?", static_cast<int>(plat::FileError::DiskFull));
        text.clear();
    };
    for (int i = FirstTagged(); i != -1; i = NextTagged(i)) {
        text += pathOf ? pathOf(i) : GetEntryPath(i);
        text += '\n';
        if (text.size() >= 65536) flush();
    }
    flush();
    if (plat::FileError e = plat::CloseFile(file); e != plat::FileError::None)
        throw EInOutError(plat::ErrorText(e), static_cast<int>(e));
}
