// History lists: the most recent texts typed into a pattern, search or
// command field, newest first, kept in the settings file under a section
// and key of the dialog's own.
#pragma once

#include <string>
#include <vector>

constexpr size_t kHistoryMax = 25;

// Puts text first unless an entry equal to it (without regard to case) is
// already present, which then keeps its place; the list never holds more
// than kHistoryMax entries afterwards.
void AddToHistory(const std::string& text, std::vector<std::string>& list);

// The history stored under section/key ("SWILD", "WILD"): the count under
// key + "!", entry n under key + ":S" + n.
std::vector<std::string> LoadHistory(const std::string& section, const std::string& key);
void SaveHistory(const std::string& section, const std::string& key,
                 const std::vector<std::string>& list);
