// The window options record: which files a directory window lists, how it
// sorts and shows them. One program-wide copy (the defaults) and one per
// directory window.
#pragma once

#include <cstdint>
#include <string>

#include "core/platform/platform.h"

class TQuilbyOptions {
public:
    // Starts as a copy of the defaults once they are ready, else empty.
    TQuilbyOptions();

    std::string SortKeys;     // up to 4: N name, E extension, D date, S size
    bool DirFull = false;
    std::string Wildcards;    // up to 80
    bool A_System = false;
    bool A_readonly = false;
    bool A_Hidden = false;
    bool A_Archive = false;
    int64_t SZ_MIN = 0;       // bytes, inclusive
    int64_t SZ_MAX = 0;
    bool UseSize = false;
    plat::DateTime DT_MIN = 0;  // inclusive
    plat::DateTime DT_MAX = 0;
    bool UseDate = false;
    int32_t DSRefresh = 0;    // seconds
    bool SplitExe = false;
    std::string Case;         // up to 1: U, L, P
    bool ShowAttr = false;
    std::string Date;         // up to 20
    std::string Time;         // up to 20
    int32_t Size = 0;         // 0 none, 1 bytes, 2 K, 3 M
    std::string DFields;      // up to 10
    int32_t TFields = 0;

    void LoadDefaults();
    void SaveDefaults() const;
    void CopyFrom(const TQuilbyOptions& source);

    // Attribute mask of the directory scan from the four switches.
    uint32_t AttributeMask() const;
};

// The program-wide defaults and their ready flag.
TQuilbyOptions& DefaultOptions();
bool DefaultsReady();
void SetDefaultsReady(bool ready);

// Field widths; longer texts are cut when stored.
constexpr size_t kSortKeysWidth = 4, kWildcardsWidth = 80, kCaseWidth = 1, kDateWidth = 20,
                 kTimeWidth = 20, kDFieldsWidth = 10;
// The first width characters of s (UTF-8 sequences kept whole).
std::string CutToWidth(const std::string& s, size_t width);
