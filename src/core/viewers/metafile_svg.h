// Windows metafiles drawn for real: a WMF (with or without its placeable
// header) through libwmf and an EMF through libemf2svg, each turned into
// SVG text that the picture viewer draws. The records are checked first,
// so a damaged file is refused with a reason instead of reaching the
// libraries.
#pragma once

#include <string>
#include <string_view>

enum class TMetafileKind { None, Wmf, Emf };

// What the bytes are, by their header.
TMetafileKind MetafileKind(std::string_view bytes);

// Checks the record chain of a metafile: every record's size lies inside
// the file and the chain ends with its end record. Answers an empty text
// for a sound file, else the reason ("a record runs past the end of the
// file").
std::string MetafileDamage(TMetafileKind kind, std::string_view bytes);

// The metafile as an SVG document. False with a reason when the file is
// damaged or the library cannot draw it.
bool MetafileToSvg(std::string_view bytes, std::string& svg, std::string& reason);
