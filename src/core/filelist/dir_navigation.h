// Path and caption rules of the split directory window that need no window:
// going back one level, the prefix test of ShowsPath, and the numbers that
// tell apart several windows on one directory.
#pragma once

#include <string>
#include <utility>
#include <vector>

// The directory one level up: the text before the last backslash, a drive
// alone ("C:") getting its backslash back; a root stays the root.
std::string ParentDirectory(const std::string& dir);
// dir with exactly one trailing backslash.
std::string WithBackslash(const std::string& dir);
// Whether a change at path concerns a window on dir: dir, with a trailing
// backslash, begins with path (both without regard to case).
bool DirectoryShowsPath(const std::string& dir, const std::string& path);
// The number of a new window on dir: one more than the highest number among
// the other windows whose caption base is dir (compared without regard to
// case), so 1 when there is none.
int NextWindowNumber(const std::vector<std::pair<std::string, int>>& others, const std::string& dir);
// dir for number 1, else dir + " <n>".
std::string NumberedCaption(const std::string& dir, int number);
