// Path pieces the directory operations need: the parts of a path, the
// default base name of a tree copy, a tree line's path relative to the
// tree's root, and whether one directory lies inside another.
#pragma once

#include <string>

// The last component of path: the text after its last backslash or colon.
std::string LastPathComponent(const std::string& path);
// path up to and including its last backslash or colon ("" when none).
std::string DirectoryPartOf(const std::string& path);

// The name a tree copy proposes for its base directory: the root's last
// component up to its first dot (C:\GAMES\DOOM.V2 gives DOOM); "" for a
// drive root.
std::string BaseDirectoryName(const std::string& root);

// full's path below root with a trailing backslash ("SUB1\DEEP\"); "" for
// the root itself. full is a TreeLinePath of a listing of root.
std::string TreeRelativePath(const std::string& root, const std::string& full);

// Whether path names root or a directory below it. Host identity decides,
// so another spelling, another drive letter on the same folder or a link
// does not hide the relation.
bool IsAtOrBelow(const std::string& path, const std::string& root);
