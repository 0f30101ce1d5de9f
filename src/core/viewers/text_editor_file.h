// A file's bytes as the editor holds them and back: text in UTF-8 with LF
// line ends, and how to write it again so that an unchanged text gives the
// same bytes (its CR LF line ends, its bytes outside UTF-8).
#pragma once

#include <string>

struct TEditedText {
    std::string Text;          // UTF-8, lines ended by LF
    bool CrLf = false;         // the file's first line end was CR LF
    bool Windows1252 = false;  // the file was not UTF-8: each byte is its Windows-1252 character
};

TEditedText DecodeForEditing(const std::string& bytes);
// The bytes to save: LF back to CR LF where the file had it; in a
// Windows-1252 file every character of that code page is its byte again
// (characters it lacks are written in UTF-8, so nothing typed is lost).
std::string EncodeForSaving(const std::string& text, bool crLf, bool windows1252);
