// What exists below a host directory, for comparing before and after an
// operation: every entry by relative path, with a file's bytes, a link's
// target text, or its kind. Links are recorded, never followed.
#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>

inline std::map<std::string, std::string> TreeSnapshot(const std::string& root) {
    namespace fs = std::filesystem;
    std::map<std::string, std::string> entries;
    for (const auto& e : fs::recursive_directory_iterator(root)) {
        // lexically: fs::relative would resolve a link to the path it names.
        const std::string rel = e.path().lexically_relative(root).string();
        const fs::file_status st = e.symlink_status();
        if (fs::is_symlink(st)) {
            entries[rel] = "link -> " + fs::read_symlink(e.path()).string();
        } else if (fs::is_directory(st)) {
            entries[rel] = "dir";
        } else if (fs::is_regular_file(st)) {
            std::ifstream in(e.path(), std::ios::binary);
            entries[rel] = "file " + std::string(std::istreambuf_iterator<char>(in), {});
        } else {
            entries[rel] = "special";
        }
    }
    return entries;
}

// The entries of a snapshot below one relative directory, keyed by the
// path below it.
inline std::map<std::string, std::string> Below(const std::map<std::string, std::string>& all,
                                                const std::string& dir) {
    std::map<std::string, std::string> part;
    const std::string prefix = dir + "/";
    for (const auto& [path, what] : all)
        if (path.rfind(prefix, 0) == 0) part[path.substr(prefix.size())] = what;
    return part;
}

// The snapshot without the entries at or below one relative path.
inline std::map<std::string, std::string> Without(std::map<std::string, std::string> all,
                                                  const std::string& dir) {
    const std::string prefix = dir + "/";
    std::erase_if(all, [&](const auto& kv) { return kv.first == dir || kv.first.rfind(prefix, 0) == 0; });
    return all;
}

// What the test drives C: and D: (the folders "c" and "d" of a TestEnv's
// root) hold; the settings file beside them is left out.
inline std::map<std::string, std::string> DrivesSnapshot(const std::string& envRoot) {
    std::map<std::string, std::string> all = TreeSnapshot(envRoot);
    std::erase_if(all, [](const auto& kv) { return kv.first.rfind("c/", 0) && kv.first.rfind("d/", 0); });
    return all;
}
