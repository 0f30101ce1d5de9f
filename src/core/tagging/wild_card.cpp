#include "core/tagging/wild_card.h"

#include <string_view>

#include "core/platform/platform.h"

namespace {

// Length of the UTF-8 sequence that starts with byte c; 1 for a stray byte,
// so malformed names still advance.
size_t Utf8Length(unsigned char c) {
    if (c >= 0xF0 && c <= 0xF7) return 4;
    if (c >= 0xE0) return c <= 0xEF ? 3 : 1;
    if (c >= 0xC0) return 2;
    return 1;
}

std::string_view TrimTrailingBlanks(std::string_view s) {
    while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
    return s;
}

// Splits a pattern token or a file name: the directory part (through the
// last "\" or ":") is dropped; the name part runs to the first ".", the
// extension part follows the last "."; trailing blanks go from both.
void SplitParts(std::string_view text, std::string_view& name, std::string_view& ext) {
    size_t sep = text.find_last_of("\\:");
    if (sep != std::string_view::npos) text.remove_prefix(sep + 1);
    size_t lastDot = text.rfind('.');
    name = TrimTrailingBlanks(text.substr(0, text.find('.')));
    ext = lastDot == std::string_view::npos ? std::string_view()
                                            : TrimTrailingBlanks(text.substr(lastDot + 1));
}

// One part against one part pattern, both upper case. "*" accepts the rest
// (anything written after it is ignored); "?" needs one more character.
bool PartMatches(std::string_view pattern, std::string_view part) {
    size_t pos = 0;
    for (char c : pattern) {
        if (c == '*') return true;
        if (pos >= part.size()) return false;
        if (c == '?') {
            pos += Utf8Length(static_cast<unsigned char>(part[pos]));
            if (pos > part.size()) pos = part.size();
            continue;
        }
        if (part[pos] != c) return false;
        ++pos;
    }
    return pos == part.size();
}

// The first `width` bytes of s, not ending inside a UTF-8 sequence.
std::string CutUtf8(const std::string& s, size_t width) {
    if (s.size() <= width) return s;
    size_t end = width;
    while (end > 0 && (static_cast<unsigned char>(s[end]) & 0xC0) == 0x80) --end;
    return s.substr(0, end);
}

}  // namespace

TWildCard::TWildCard(const std::string& list) {
    const std::string text = CutUtf8(list, kPatternListWidth);
    size_t pos = 0;
    while (pos < text.size()) {
        size_t semi = text.find(';', pos);
        if (semi == std::string::npos) semi = text.size();
        // Upper case by the platform's rules, the same that the directory
        // read applies to found names, so non-ASCII letters match too.
        const std::string token = plat::UpperCase(text.substr(pos, semi - pos));
        pos = semi + 1;

        std::string_view name, ext;
        SplitParts(token, name, ext);
        names_.emplace_back(name);
        exts_.emplace_back(ext);
        if (name.empty()) invalid_ = true;
    }
}

std::string TWildCard::PatternText(int i) const {
    if (i < 0 || i >= Count()) return std::string();
    return names_[i] + "." + exts_[i];
}

bool TWildCard::IsExclusion(int i) const {
    return i >= 0 && i < Count() && !names_[i].empty() && names_[i][0] == '-';
}

bool TWildCard::Matches(const std::string& fileName) const {
    if (names_.empty()) return false;
    const std::string upper = plat::UpperCase(fileName);
    std::string_view name, ext;
    SplitParts(upper, name, ext);
    for (size_t i = 0; i < names_.size(); ++i) {
        std::string_view pattern = names_[i];
        const bool exclude = !pattern.empty() && pattern[0] == '-';
        if (exclude) pattern.remove_prefix(1);
        if (PartMatches(pattern, name) && PartMatches(exts_[i], ext)) return !exclude;
    }
    return false;
}
