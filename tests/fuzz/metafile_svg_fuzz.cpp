// libFuzzer target: the metafile path over arbitrary bytes, from the
// record checks through libwmf or libemf2svg to the SVG text. Seeds: the
// sample metafiles of the picture tests (write them with -seeds DIR).
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

#include "core/viewers/metafile_svg.h"
#include "support/metafile_samples.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    // "-seeds DIR" writes the seed files and stops.
    for (int i = 1; i + 1 < *argc; ++i) {
        if (std::strcmp((*argv)[i], "-seeds") != 0) continue;
        const std::string dir = (*argv)[i + 1];
        const std::string files[][2] = {
            {"a.wmf", samples::Wmf(20, 10, 60, 40, samples::ColorRef(0, 0, 255))},
            {"b.wmf", samples::Wmf(1, 1, 99, 49, samples::ColorRef(9, 9, 9)).substr(22)},
            {"c.emf", samples::Emf(20, 10, 60, 40, samples::ColorRef(255, 0, 0))},
        };
        for (const auto& f : files) {
            FILE* out = std::fopen((dir + "/" + f[0]).c_str(), "wb");
            if (!out) return 1;
            std::fwrite(f[1].data(), 1, f[1].size(), out);
            std::fclose(out);
        }
        std::exit(0);
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string svg, reason;
    MetafileToSvg(std::string_view(reinterpret_cast<const char*>(data), size), svg, reason);
    return 0;
}
