// The subdirectories of one directory, as directory trees list them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Names of dir's subdirectories, sorted without regard to case (names equal
// but for case in byte order). Hidden and system directories only with their
// bits in attrMask. Empty when dir cannot be read.
std::vector<std::string> SubdirectoryNames(const std::string& dir, uint32_t attrMask);
