// The texts of a directory window's columns and the column layout of its
// header, without any window: what each column letter shows for an entry,
// and which columns a window's options call for.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/filelist/file_entry.h"
#include "core/platform/platform.h"

class TQuilbyOptions;

// One section of a directory window's header.
struct TColumn {
    char Letter;          // '*', 'F', 'E', 'D', 'T', 'S', 'A'
    std::string Caption;  // "Tag", "Filename", ... (also the ini key of its width)
    int DefaultChars;     // default width in widths of the letter "A"
};

// The shown columns in header order, the Tag column first. The result
// window's Filename column is wider (it holds the relative path).
std::vector<TColumn> HeaderColumns(const TQuilbyOptions& options, bool resultWindow);

// Text of one column of an entry. 'F' joins Name and Ext unless SplitExe;
// '*' and unknown letters give "".
std::string ColumnText(const TFileEntry& entry, char column, const TQuilbyOptions& options);

// The case rule: "U" upper case, "L" lower case, anything else as stored.
std::string ApplyCase(const std::string& text, const std::string& caseLetter);
// A date or time column: "" for the format "(none)" or an empty one, "?"
// when the value does not convert, else the value in the format.
std::string DateColumnText(const std::string& format, plat::DateTime value);
// The size column by mode: 1 bytes "%10d", 2 kilobytes "%7.0f" + "k",
// 3 megabytes "%4.0f" + "m" (anything smaller than one unit shows as 1);
// other modes "".
std::string SizeColumnText(int64_t size, int32_t mode);
// A blank, then R H S A or "_" for each bit that is clear.
std::string AttrColumnText(uint32_t attr);
// What the attribute column shows for a link that leads nowhere, as wide
// as the letters: a link whose target is unknown.
inline constexpr char kDanglingLinkMark[] = " LNK?";
// EXE, COM and BAT in any case, also as the start of a longer extension.
bool IsExecutableExt(const std::string& ext);
// A name laid out in 12 columns 8.3 style: "AB.TXT" -> "AB       TXT".
std::string ShortName12(const std::string& name);
// The text as the user should read it: the characters a Windows-form name
// cannot carry come from the platform as U+F000 + code and are shown as the
// character they stand for (control characters as their visible symbols,
// stray bytes as Latin-1).
std::string ShownText(const std::string& text);
