// A pattern list as the user types it ("*.TXT;-*.BAK;A?.C"): split into
// name and extension patterns, checked for validity, and matched against
// file names. The first pattern that selects a name decides; a pattern that
// begins with "-" rejects what it selects.
#pragma once

#include <string>
#include <vector>

class TWildCard {
public:
    // Parses at once; never fails. A malformed list sets Invalid().
    explicit TWildCard(const std::string& list);

    // True when some pattern has an empty name part ("*.TXT;;*.DOC", ".TXT",
    // "   ", ";").
    bool Invalid() const { return invalid_; }
    int Count() const { return static_cast<int>(names_.size()); }
    // Pattern i rebuilt as NAME "." EXT, upper case, a leading "-" kept.
    std::string PatternText(int i) const;
    // True when pattern i is an exclusion ("-*.BAK").
    bool IsExclusion(int i) const;
    // Whether the list selects this file name; a directory part in front of
    // the name is ignored.
    bool Matches(const std::string& fileName) const;

private:
    std::vector<std::string> names_;  // upper case, may begin with "-"
    std::vector<std::string> exts_;   // upper case
    bool invalid_ = false;
};

// Only this much of a typed pattern list is used.
constexpr size_t kPatternListWidth = 255;
