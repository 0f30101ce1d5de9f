#include "core/text/column_text.h"

#include <cmath>
#include <cstdio>

#include "core/text/date_text.h"
#include "core/settings/quilby_options.h"

namespace {

int TrimmedLength(const std::string& format) {
    return static_cast<int>(plat::TrimRight(format).size());
}

bool Shown(const std::string& format) { return !format.empty() && format != "(none)"; }

std::string Printf(const char* format, long long value) {
    char buf[32];
    std::snprintf(buf, sizeof buf, format, value);
    return buf;
}

void AppendUtf8(std::string& out, unsigned cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

}  // namespace

std::vector<TColumn> HeaderColumns(const TQuilbyOptions& o, bool resultWindow) {
    std::vector<TColumn> columns;
    columns.push_back({'*', "Tag", 4});
    columns.push_back({'F', "Filename", resultWindow ? 50 : (o.SplitExe ? 8 : 14)});
    if (o.SplitExe) columns.push_back({'E', "Type", 5});
    if (o.Date != "(none)") columns.push_back({'D', "Date", TrimmedLength(o.Date)});
    if (o.Time != "(none)") columns.push_back({'T', "Time", TrimmedLength(o.Time)});
    if (o.Size > 0) columns.push_back({'S', "Size", 10});
    if (o.ShowAttr) columns.push_back({'A', "Attribute", 5});
    return columns;
}

std::string ColumnText(const TFileEntry& e, char column, const TQuilbyOptions& o) {
    switch (column) {
        case 'F': return ApplyCase(o.SplitExe ? e.Name : e.Name + "." + e.Ext, o.Case);
        case 'E': return ApplyCase(e.Ext, o.Case);
        case 'D': return DateColumnText(o.Date, plat::FileTimeToDateTime(e.Time));
        case 'T': return DateColumnText(o.Time, plat::FileTimeToDateTime(e.Time));
        case 'S': return SizeColumnText(e.Size, o.Size);
        case 'A':
            if (!o.ShowAttr) return std::string();
            return e.DanglingLink ? kDanglingLinkMark : AttrColumnText(e.Attr);
        default: return {};
    }
}

std::string ApplyCase(const std::string& text, const std::string& caseLetter) {
    if (caseLetter == "U") return plat::UpperCase(text);
    if (caseLetter == "L") return plat::LowerCase(text);
    return text;
}

std::string DateColumnText(const std::string& format, plat::DateTime value) {
    if (!Shown(format)) return {};
    std::string out;
    if (!std::isfinite(value) || !FormatDateTime(format, value, out)) return "?";
    return out;
}

std::string SizeColumnText(int64_t size, int32_t mode) {
    // Rounded half away from zero, as the classic formatting does.
    auto units = [size](double unit) { return static_cast<long long>(std::llround(size / unit)); };
    switch (mode) {
        case 1: return Printf("%10lld", size);
        case 2: return Printf("%7lld", size < 1024 ? 1 : units(1024.0)) + "k";
        case 3: return Printf("%4lld", size < 1048576 ? 1 : units(1048576.0)) + "m";
        default: return {};
    }
}

std::string AttrColumnText(uint32_t attr) {
    std::string s = " ";
    s += (attr & plat::faReadOnly) ? 'R' : '_';
    s += (attr & plat::faHidden) ? 'H' : '_';
    s += (attr & plat::faSysFile) ? 'S' : '_';
    s += (attr & plat::faArchive) ? 'A' : '_';
    return s;
}

bool IsExecutableExt(const std::string& ext) {
    std::string head = plat::UpperCase(ext.substr(0, 3));
    return head == "EXE" || head == "COM" || head == "BAT";
}

std::string ShortName12(const std::string& name) {
    std::string s = name.substr(0, 12);
    s.resize(12, ' ');
    size_t dot = s.find('.');
    if (dot < 8) {
        std::string ext = s.substr(dot + 1, 3);
        ext.resize(3, ' ');
        return s.substr(0, dot) + std::string(9 - dot, ' ') + ext;
    }
    if (dot == 8) s[8] = ' ';
    return s;
}

std::string ShownText(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        const auto c0 = static_cast<unsigned char>(text[i]);
        // U+F000..U+F0FF is EF 80 xx / EF 81 xx / EF 82 xx / EF 83 xx.
        if (c0 == 0xEF && i + 2 < text.size()) {
            const auto c1 = static_cast<unsigned char>(text[i + 1]);
            const auto c2 = static_cast<unsigned char>(text[i + 2]);
            if (c1 >= 0x80 && c1 <= 0x83 && (c2 & 0xC0) == 0x80) {
                unsigned code = ((c1 & 0x3F) << 6) | (c2 & 0x3F);
                if (code < 0x20)
                    AppendUtf8(out, 0x2400 + code);  // the control pictures
                else if (code == 0x7F)
                    AppendUtf8(out, 0x2421);
                else if (code >= 0x80 && code < 0xA0)
                    AppendUtf8(out, 0xFFFD);  // a stray byte with no character of its own
                else
                    AppendUtf8(out, code);
                i += 2;
                continue;
            }
        }
        out += text[i];
    }
    return out;
}
