// Lists kept in the settings as a "Count" and numbered keys ("Name:0",
// "Dir:0" ...): how many entries a section really holds.
#pragma once

#include <string>
#include <vector>

// The section's "Count", never negative, and never more than the section
// has keys or than the highest entry number the given key prefixes carry:
// a damaged count does not invent thousands of entries.
int StoredListCount(const std::string& section, const std::vector<std::string>& prefixes);
