// Test data whose bytes differ from block to block and from seed to seed,
// so a repeated, missing or mixed-up block shows.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

inline std::string Pattern(size_t n, unsigned seed = 1) {
    std::string s(n, '\0');
    uint32_t x = seed * 2654435761u + 7;
    for (auto& c : s) {
        x = x * 1103515245u + 12345u;
        c = static_cast<char>(x >> 24);
    }
    return s;
}
