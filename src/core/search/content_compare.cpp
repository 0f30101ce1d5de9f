#include "core/search/content_compare.h"

#include <cstring>
#include <memory>

#include "core/platform/platform.h"
#include "core/search/read_only_file.h"

namespace {

// Larger than the classic 16 KB blocks, small enough for both to stay in
// the processor's cache while they are compared.
constexpr size_t kBlockSize = 256 * 1024;

// The size a directory lookup gives, or -1 when there is no such file: the
// open that follows then reports it.
int64_t LookedUpSize(const std::string& name) {
    plat::FindData found;
    if (!plat::GetFindData(name, found) || (found.attr & plat::faDirectory)) return -1;
    return found.size;
}

}  // namespace

bool ContentsDiffer(const std::string& file1, const std::string& file2) {
    const int64_t size1 = LookedUpSize(file1);
    const int64_t size2 = LookedUpSize(file2);
    if (size1 >= 0 && size2 >= 0 && size1 != size2) return true;

    TReadOnlyFile in1(file1);
    TReadOnlyFile in2(file2);
    std::unique_ptr<char[]> block1(new char[kBlockSize]);
    std::unique_ptr<char[]> block2(new char[kBlockSize]);
    for (;;) {
        const size_t got1 = in1.ReadNext(block1.get(), kBlockSize);
        const size_t got2 = in2.ReadNext(block2.get(), kBlockSize);
        // Files that change while they are compared: one that ends before
        // the other differs from it.
        if (got1 != got2) return true;
        if (got1 == 0) return false;
        if (std::memcmp(block1.get(), block2.get(), got1) != 0) return true;
    }
}

TNameLookup::TNameLookup(const std::vector<std::string>& names) {
    exact_.reserve(names.size());
    folded_.reserve(names.size());
    // emplace keeps the first, i.e. lowest, index of equal names.
    for (size_t i = 0; i < names.size(); ++i) {
        exact_.emplace(names[i], static_cast<int>(i));
        folded_.emplace(plat::UpperCase(names[i]), static_cast<int>(i));
    }
}

int TNameLookup::Find(const std::string& name) const {
    if (const auto it = exact_.find(name); it != exact_.end()) return it->second;
    const auto it = folded_.find(plat::UpperCase(name));
    return it == folded_.end() ? -1 : it->second;
}
