// Small Windows metafiles written record by record, for the picture tests
// and the fuzzer's seeds: a WMF with its placeable header and an EMF, each
// a white page of 100 × 50 units with one filled rectangle.
#pragma once

#include <cstdint>
#include <string>

namespace samples {

inline void PutWord(std::string& s, uint32_t v) {
    s += static_cast<char>(v & 0xFF);
    s += static_cast<char>((v >> 8) & 0xFF);
}
inline void PutDWord(std::string& s, uint32_t v) {
    PutWord(s, v & 0xFFFF);
    PutWord(s, v >> 16);
}

// COLORREF: 0x00BBGGRR.
inline uint32_t ColorRef(int r, int g, int b) { return uint32_t(r) | uint32_t(g) << 8 | uint32_t(b) << 16; }

// A WMF record: its size in words, its function and its parameters.
inline std::string WmfRecord(uint16_t function, std::initializer_list<uint16_t> params) {
    std::string r;
    PutDWord(r, static_cast<uint32_t>(3 + params.size()));
    PutWord(r, function);
    for (uint16_t p : params) PutWord(r, p);
    return r;
}

// A placeable WMF, 96 units an inch, page 100 × 50, the rectangle
// (left, top)-(right, bottom) filled with colour and no outline.
inline std::string Wmf(int left, int top, int right, int bottom, uint32_t colour) {
    std::string records;
    records += WmfRecord(0x020B, {0, 0});                 // SETWINDOWORG y, x
    records += WmfRecord(0x020C, {50, 100});              // SETWINDOWEXT y, x
    records += WmfRecord(0x02FA, {5, 0, 0, 0, 0});        // CREATEPENINDIRECT PS_NULL
    records += WmfRecord(0x012D, {0});                    // SELECTOBJECT pen
    records += WmfRecord(0x02FC, {0, uint16_t(colour & 0xFFFF), uint16_t(colour >> 16), 0});  // CREATEBRUSHINDIRECT solid
    records += WmfRecord(0x012D, {1});                    // SELECTOBJECT brush
    records += WmfRecord(0x041B, {uint16_t(bottom), uint16_t(right), uint16_t(top), uint16_t(left)});  // RECTANGLE
    records += WmfRecord(0x0000, {});                     // EOF

    std::string header;
    PutWord(header, 1);        // in memory
    PutWord(header, 9);        // header words
    PutWord(header, 0x0300);   // version
    PutDWord(header, static_cast<uint32_t>((18 + records.size()) / 2));
    PutWord(header, 2);        // objects
    PutDWord(header, 8);       // largest record in words
    PutWord(header, 0);

    std::string placeable;
    PutDWord(placeable, 0x9AC6CDD7);
    PutWord(placeable, 0);
    for (uint16_t v : {0, 0, 100, 50}) PutWord(placeable, v);  // bounding box
    PutWord(placeable, 96);    // units an inch
    PutDWord(placeable, 0);
    uint16_t sum = 0;
    for (size_t i = 0; i < placeable.size(); i += 2)
        sum ^= static_cast<uint16_t>(static_cast<unsigned char>(placeable[i]) | static_cast<unsigned char>(placeable[i + 1]) << 8);
    PutWord(placeable, sum);
    return placeable + header + records;
}

inline std::string EmfRecord(uint32_t type, std::initializer_list<uint32_t> params) {
    std::string r;
    PutDWord(r, type);
    PutDWord(r, static_cast<uint32_t>(8 + 4 * params.size()));
    for (uint32_t p : params) PutDWord(r, p);
    return r;
}

// An EMF of 100 × 50 pixels (on a 96 dpi device) with the rectangle
// filled with colour and no outline.
inline std::string Emf(int left, int top, int right, int bottom, uint32_t colour) {
    std::string records;
    records += EmfRecord(39, {1, 0, colour, 0});   // CREATEBRUSHINDIRECT handle 1, solid
    records += EmfRecord(37, {1});                 // SELECTOBJECT the brush
    records += EmfRecord(37, {0x80000008});        // SELECTOBJECT NULL_PEN
    records += EmfRecord(43, {uint32_t(left), uint32_t(top), uint32_t(right), uint32_t(bottom)});  // RECTANGLE
    records += EmfRecord(14, {0, 16, 20});         // EOF

    const uint32_t headerSize = 88;
    std::string h;
    PutDWord(h, 1);
    PutDWord(h, headerSize);
    for (uint32_t v : {0u, 0u, 99u, 49u}) PutDWord(h, v);          // bounds, pixels
    for (uint32_t v : {0u, 0u, 2646u, 1323u}) PutDWord(h, v);      // frame, 0.01 mm at 96 dpi
    PutDWord(h, 0x464D4520);
    PutDWord(h, 0x10000);
    PutDWord(h, static_cast<uint32_t>(headerSize + records.size()));
    PutDWord(h, 6);            // records
    PutWord(h, 2);             // handles
    PutWord(h, 0);
    PutDWord(h, 0);            // description
    PutDWord(h, 0);
    PutDWord(h, 0);            // palette entries
    PutDWord(h, 1920);         // device, pixels
    PutDWord(h, 1080);
    PutDWord(h, 508);          // device, millimetres
    PutDWord(h, 286);
    return h + records;
}

}  // namespace samples
