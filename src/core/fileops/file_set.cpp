#include "core/fileops/file_set.h"

std::string FileNamePart(const std::string& path) {
    size_t at = path.find_last_of("\\:");
    return at == std::string::npos ? path : path.substr(at + 1);
}

std::string DirectoryPart(const std::string& path) {
    size_t at = path.rfind('\\');
    return at == std::string::npos ? std::string() : path.substr(0, at + 1);
}
