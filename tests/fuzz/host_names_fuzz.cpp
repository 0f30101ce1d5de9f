// libFuzzer target: the host name mapping over arbitrary bytes, in both
// directions, and paths built from them (see host_name_properties.h).
#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "fuzz/host_name_properties.h"
#include "core/platform/platform.h"

namespace {

// Drive C: over a temp directory holding "dir" with a few files, so
// lookups without regard to case have names to find.
std::string MakeDrive() {
    char tmpl[] = "/tmp/quilby-fuzz-XXXXXX";
    if (!mkdtemp(tmpl)) abort();
    const std::string root = tmpl;
    mkdir((root + "/dir").c_str(), 0755);
    for (const char* name : {"a", "A.txt", "victim.txt", "\xEF\x80\xAE"})
        if (FILE* f = fopen((root + "/dir/" + name).c_str(), "w")) fclose(f);
    plat::Drive c;
    c.letter = 'C';
    c.hostRoot = root;
    plat::SetDriveTable({c});
    return root;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::string root = MakeDrive();
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const std::string failure = host_name_properties::Failure(bytes, root);
    if (!failure.empty()) {
        fprintf(stderr, "%s\n", failure.c_str());
        abort();
    }
    return 0;
}
