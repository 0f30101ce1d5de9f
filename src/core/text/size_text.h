// Size texts and the drive test shared by the drive bar, the status lines
// and the drive information window.
#pragma once

#include <cstdint>
#include <string>

// unit 'B': the bytes followed by a blank; 'K': whole kilobytes followed by
// "K"; 'M': whole megabytes followed by "M" (divisions towards zero). The
// number has "," between groups of three digits: 1234567 gives "1,234,567 ".
std::string FormatSize(int64_t value, char unit);
// Groups the decimal digits of value by three with ",".
std::string GroupDigits(int64_t value);

// Whether a drive's size can be read. Raises EConvertError "Not a valid
// drive ID" for a character that is no letter.
bool DriveReady(char letter);
