// The subdirectories of one directory, as directory trees list them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Names of dir's subdirectories, sorted without regard to case (names equal
// but for case in byte order). Hidden and system directories only with their
// bits in attrMask. Empty when dir cannot be read.
std::vector<std::string> SubdirectoryNames(const std::string& dir, uint32_t attrMask);
// Whether dir has at least one subdirectory a tree would list (attrMask as
// above; a link to a directory counts, as the tree lists it). Stops at the
// first one; files are passed over by their listed kind, without a look at
// each. False when dir cannot be read.
bool HasSubdirectory(const std::string& dir, uint32_t attrMask);
