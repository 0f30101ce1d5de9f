// What "Compare to another path" asks of two files of the same name: how
// their sizes or dates compare, and whether their contents differ.
#pragma once

#include <string>
#include <unordered_map>
#include <vector>

// The comparison list, in the order its indexes are stored.
enum class TCompareKind { Different = 0, Equal = 1, Greater = 2, Less = 3 };

// Whether one (the file in directory 1) and two (directory 2) stand in the
// relation kind.
template <class T>
bool CompareHolds(TCompareKind kind, const T& one, const T& two) {
    switch (kind) {
        case TCompareKind::Different: return one != two;
        case TCompareKind::Equal: return one == two;
        case TCompareKind::Greater: return one > two;
        case TCompareKind::Less: return one < two;
    }
    return false;
}

// Whether the two files' contents differ: files of different sizes differ
// without being read. Raises EInOutError "Bad open of: NAME" when either
// cannot be opened (a file that vanished included) and "Error reading: NAME"
// when a read fails.
bool ContentsDiffer(const std::string& file1, const std::string& file2);

// Finds names in directory 2 without regard to letter case, the lowest index
// of equal names, in constant time, so that comparing two large directories
// does not take quadratic time. A name spelt exactly alike comes first:
// case twins ("a.txt" beside "A.TXT") each pair with their own twin.
class TNameLookup {
public:
    explicit TNameLookup(const std::vector<std::string>& names);
    // The index of name, or -1.
    int Find(const std::string& name) const;

private:
    std::unordered_map<std::string, int> exact_;
    std::unordered_map<std::string, int> folded_;
};
