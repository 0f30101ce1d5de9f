#include "core/viewers/metafile_svg.h"

#include <emf2svg.h>
#include <libwmf/api.h>
#include <libwmf/svg.h>

#include <cstdint>
#include <cstring>
#include <vector>

namespace {

constexpr uint32_t kPlaceableKey = 0x9AC6CDD7;
constexpr uint32_t kEmfSignature = 0x464D4520;  // " EMF"
constexpr uint32_t kEmrHeader = 1, kEmrEof = 14;
constexpr size_t kPlaceableSize = 22, kWmfHeaderSize = 18, kEmfHeaderMin = 88;

uint16_t Word(std::string_view b, size_t at) {
    return static_cast<uint16_t>(static_cast<unsigned char>(b[at]) | static_cast<unsigned char>(b[at + 1]) << 8);
}
uint32_t DWord(std::string_view b, size_t at) { return Word(b, at) | static_cast<uint32_t>(Word(b, at + 2)) << 16; }

// Where the WMF's own header starts: after the placeable header if any.
size_t WmfStart(std::string_view b) { return b.size() >= 4 && DWord(b, 0) == kPlaceableKey ? kPlaceableSize : 0; }

std::string WmfDamage(std::string_view b) {
    const size_t start = WmfStart(b);
    if (b.size() < start + kWmfHeaderSize) return "the file is shorter than its header";
    if (Word(b, start + 2) != 9) return "the header has a wrong size";
    size_t at = start + kWmfHeaderSize;
    for (;;) {
        if (at + 6 > b.size()) return "the file ends without its end record";
        const uint64_t bytes = uint64_t(DWord(b, at)) * 2;
        const uint16_t function = Word(b, at + 4);
        if (function == 0) return {};  // the end record
        if (bytes < 6) return "a record has a wrong size";
        if (bytes > b.size() - at) return "a record runs past the end of the file";
        at += bytes;
    }
}

std::string EmfDamage(std::string_view b) {
    if (b.size() < kEmfHeaderMin) return "the file is shorter than its header";
    const uint32_t headerSize = DWord(b, 4);
    if (headerSize < kEmfHeaderMin || headerSize > b.size()) return "the header has a wrong size";
    size_t at = 0;
    for (;;) {
        if (at + 8 > b.size()) return "the file ends without its end record";
        const uint32_t type = DWord(b, at), size = DWord(b, at + 4);
        if (size < 8 || size % 4 != 0) return "a record has a wrong size";
        if (size > b.size() - at) return "a record runs past the end of the file";
        if (type == kEmrEof) return {};
        at += size;
    }
}

bool WmfToSvg(std::string_view bytes, std::string& svg, std::string& reason) {
    wmfAPI_Options options{};
    options.function = wmf_svg_function;
    const unsigned long flags = WMF_OPT_FUNCTION | WMF_OPT_IGNORE_NONFATAL | WMF_OPT_NO_ERROR | WMF_OPT_NO_DEBUG;
    wmfAPI* api = nullptr;
    if (wmf_api_create(&api, flags, &options) != wmf_E_None) {
        if (api) wmf_api_destroy(api);
        reason = "the metafile library cannot start";
        return false;
    }
    // libwmf reads from a buffer it does not change but declares non-const.
    std::vector<unsigned char> data(bytes.begin(), bytes.end());
    wmfD_Rect box{};
    bool ok = wmf_mem_open(api, data.data(), static_cast<long>(data.size())) == wmf_E_None &&
              wmf_scan(api, 0, &box) == wmf_E_None;
    if (ok) {
        wmf_svg_t* device = WMF_SVG_GetData(api);
        device->out = wmf_stream_create(api, nullptr);
        device->Description = const_cast<char*>("Quilby");
        // The page of a placeable file, not only the extent of what is
        // drawn; the library counts in points.
        if (WmfStart(bytes) == kPlaceableSize && Word(bytes, 14) != 0) {
            const float toPoints = 72.0f / Word(bytes, 14);
            box.TL.x = static_cast<int16_t>(Word(bytes, 6)) * toPoints;
            box.TL.y = static_cast<int16_t>(Word(bytes, 8)) * toPoints;
            box.BR.x = static_cast<int16_t>(Word(bytes, 10)) * toPoints;
            box.BR.y = static_cast<int16_t>(Word(bytes, 12)) * toPoints;
        }
        device->bbox = box;
        unsigned int width = 0, height = 0;
        wmf_display_size(api, &width, &height, 96, 96);
        device->width = width;
        device->height = height;
        ok = device->out && wmf_play(api, 0, &box) == wmf_E_None;
        char* text = nullptr;
        unsigned long length = 0;
        if (device->out) wmf_stream_destroy(api, device->out, &text, &length);
        if (ok && text) svg.assign(text, length);
        ok = ok && text && length > 0;
    }
    if (!ok) reason = "the metafile library cannot draw it";
    wmf_api_destroy(api);  // frees everything the library allocated
    return ok;
}

bool EmfToSvg(std::string_view bytes, std::string& svg, std::string& reason) {
    generatorOptions options{};
    options.nameSpace = const_cast<char*>("svg");
    options.svgDelimiter = true;
    options.emfplus = true;
    std::vector<char> data(bytes.begin(), bytes.end());
    char* out = nullptr;
    size_t length = 0;
    const int ok = emf2svg(data.data(), data.size(), &out, &length, &options);
    if (ok && out) svg.assign(out, length);
    free(out);
    if (!ok || svg.empty()) {
        reason = "the metafile library cannot draw it";
        return false;
    }
    return true;
}

}  // namespace

TMetafileKind MetafileKind(std::string_view b) {
    if (b.size() >= 44 && DWord(b, 0) == kEmrHeader && DWord(b, 40) == kEmfSignature) return TMetafileKind::Emf;
    if (b.size() >= 4 && DWord(b, 0) == kPlaceableKey) return TMetafileKind::Wmf;
    // A WMF without the placeable header: type 1 (memory) or 2 (disk) and a
    // header of nine words.
    if (b.size() >= kWmfHeaderSize && (Word(b, 0) == 1 || Word(b, 0) == 2) && Word(b, 2) == 9 &&
        (Word(b, 4) == 0x0100 || Word(b, 4) == 0x0300))
        return TMetafileKind::Wmf;
    return TMetafileKind::None;
}

std::string MetafileDamage(TMetafileKind kind, std::string_view bytes) {
    switch (kind) {
        case TMetafileKind::Wmf: return WmfDamage(bytes);
        case TMetafileKind::Emf: return EmfDamage(bytes);
        case TMetafileKind::None: break;
    }
    return "it is no metafile";
}

bool MetafileToSvg(std::string_view bytes, std::string& svg, std::string& reason) {
    svg.clear();
    const TMetafileKind kind = MetafileKind(bytes);
    reason = MetafileDamage(kind, bytes);
    if (!reason.empty()) return false;
    return kind == TMetafileKind::Wmf ? WmfToSvg(bytes, svg, reason) : EmfToSvg(bytes, svg, reason);
}
