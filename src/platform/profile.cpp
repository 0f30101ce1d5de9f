// Private-profile (ini) files with the Windows semantics: section and key
// names without regard to case, blanks around "=" ignored, CRLF or LF lines,
// the first of duplicate sections or keys wins, lines before any section
// belong to none. Nothing is cached: every read parses the file, every write
// rewrites it whole into a temp file beside it and renames that over the
// old one, so a reader (or a crash) never sees half a file.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace plat {
namespace {

// One line of the file as it stands, with its own line end ("\r\n", "\n",
// "\r" or "" for a last line without one) so untouched lines keep their bytes.
struct Line {
    std::string text;
    std::string eol;
};

struct IniText {
    std::vector<Line> lines;
    std::string eol = "\n";  // line end for new lines: the style the file uses
};

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string TrimBlanks(const std::string& s) {
    size_t b = 0, e = s.size();
    while (b < e && IsBlank(s[b])) ++b;
    while (e > b && IsBlank(s[e - 1])) --e;
    return s.substr(b, e - b);
}

// A section header: "[name]" after optional blanks. A line with "[" but no
// "]" is not a header.
bool SectionName(const std::string& line, std::string& name) {
    size_t i = 0;
    while (i < line.size() && IsBlank(line[i])) ++i;
    if (i >= line.size() || line[i] != '[') return false;
    size_t close = line.find(']', i + 1);
    if (close == std::string::npos) return false;
    name = TrimBlanks(line.substr(i + 1, close - i - 1));
    return true;
}

// A key line: "key = value" (not a comment, not a header). Blanks around the
// key and the value are not part of them.
bool KeyValue(const std::string& line, std::string& key, std::string* value) {
    size_t i = 0;
    while (i < line.size() && IsBlank(line[i])) ++i;
    if (i >= line.size() || line[i] == ';' || line[i] == '[') return false;
    size_t eq = line.find('=', i);
    if (eq == std::string::npos) return false;
    key = TrimBlanks(line.substr(i, eq - i));
    if (key.empty()) return false;
    if (value) *value = TrimBlanks(line.substr(eq + 1));
    return true;
}

// Host path of the ini file: a Windows-form name goes through the drive table.
std::optional<std::string> HostPathOf(const std::string& file) {
    if (file.empty()) return std::nullopt;
    if (file.size() >= 2 && std::isalpha(static_cast<unsigned char>(file[0])) && file[1] == ':')
        return ToHost(file);
    return file;
}

enum class LoadResult { Ok, Missing, Failed };

// Reads the whole file. A missing file is empty; something that exists but
// is not a readable regular file (a directory, say) is a failure.
LoadResult LoadFile(const std::string& host, std::string& data) {
    data.clear();
    int fd = ::open(host.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return errno == ENOENT || errno == ENOTDIR ? LoadResult::Missing : LoadResult::Failed;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return LoadResult::Failed;
    }
    if (st.st_size > 0) data.reserve(static_cast<size_t>(st.st_size));
    char buf[65536];
    for (;;) {
        ssize_t n = ::read(fd, buf, sizeof buf);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            ::close(fd);
            return LoadResult::Failed;
        }
        if (n == 0) break;
        data.append(buf, static_cast<size_t>(n));
    }
    ::close(fd);
    return LoadResult::Ok;
}

IniText SplitLines(const std::string& data) {
    IniText ini;
    size_t pos = 0;
    while (pos < data.size()) {
        size_t nl = data.find('\n', pos);
        Line line;
        if (nl == std::string::npos) {
            line.text = data.substr(pos);
            pos = data.size();
            if (!line.text.empty() && line.text.back() == '\r') {
                line.text.pop_back();
                line.eol = "\r";
            }
        } else {
            size_t end = nl;
            if (end > pos && data[end - 1] == '\r') {
                --end;
                line.eol = "\r\n";
            } else {
                line.eol = "\n";
            }
            line.text = data.substr(pos, end - pos);
            pos = nl + 1;
        }
        ini.lines.push_back(std::move(line));
    }
    if (!ini.lines.empty() && ini.lines.front().eol == "\r\n") ini.eol = "\r\n";
    return ini;
}

std::string JoinLines(const IniText& ini) {
    std::string out;
    for (const Line& l : ini.lines) {
        out += l.text;
        out += l.eol;
    }
    return out;
}

// Index range [begin, end) of the body of the first section named section;
// begin is the header's index. False when there is none.
bool FindSection(const IniText& ini, const std::string& section, size_t& header, size_t& end) {
    std::string name;
    for (size_t i = 0; i < ini.lines.size(); ++i) {
        if (!SectionName(ini.lines[i].text, name) || !SameText(name, section)) continue;
        header = i;
        end = i + 1;
        while (end < ini.lines.size() && !SectionName(ini.lines[end].text, name)) ++end;
        return true;
    }
    return false;
}

// Cuts a value to what a buffer of bufSize bytes holds (bufSize - 1 bytes and
// the terminator), without leaving half a UTF-8 character at the end.
std::string CutToBuffer(const std::string& s, size_t bufSize) {
    if (bufSize == 0) return std::string();
    size_t n = bufSize - 1;
    if (s.size() <= n) return s;
    auto continuation = [&](size_t i) { return (static_cast<unsigned char>(s[i]) & 0xC0) == 0x80; };
    for (int back = 0; back < 3 && n > 0 && continuation(n); ++back) --n;
    return s.substr(0, n);
}

// Section, key and value texts are single lines in the file: a line break
// inside one would forge other keys or sections, so it becomes a blank.
std::string OneLine(std::string s) {
    for (char& c : s)
        if (c == '\r' || c == '\n') c = ' ';
    return s;
}

// Replaces the file with data: a temp file in the same folder, flushed to
// disk, then renamed over the old file. A symbolic link is followed so the
// link itself stays.
bool ReplaceFile(const std::string& host, const std::string& data) {
    std::string target = host;
    struct stat st {};
    bool exists = ::lstat(host.c_str(), &st) == 0;
    if (exists && S_ISLNK(st.st_mode)) {
        if (char* real = ::realpath(host.c_str(), nullptr)) {
            target = real;
            std::free(real);
        }
        exists = ::stat(target.c_str(), &st) == 0;
    }
    if (exists && !S_ISREG(st.st_mode)) return false;

    size_t slash = target.rfind('/');
    std::string dir = slash == std::string::npos ? std::string() : target.substr(0, slash + 1);
    std::string base = slash == std::string::npos ? target : target.substr(slash + 1);
    std::string tmp = dir + "." + base + ".XXXXXX";
    int fd = ::mkstemp(tmp.data());
    if (fd < 0) return false;

    bool ok = ::fchmod(fd, exists ? (st.st_mode & 07777) : 0644) == 0;
    size_t done = 0;
    while (ok && done < data.size()) {
        ssize_t n = ::write(fd, data.data() + done, data.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            ok = false;
            break;
        }
        done += static_cast<size_t>(n);
    }
    if (ok && ::fsync(fd) != 0) ok = false;
    if (::close(fd) != 0) ok = false;
    if (ok && ::rename(tmp.c_str(), target.c_str()) != 0) ok = false;
    if (!ok) ::unlink(tmp.c_str());
    return ok;
}

// Loads, lets edit change the lines, and writes back when they changed.
template <typename Edit>
bool Rewrite(const std::string& file, Edit edit) {
    auto host = HostPathOf(file);
    if (!host) return false;
    std::string data;
    if (LoadFile(*host, data) == LoadResult::Failed) return false;
    IniText ini = SplitLines(data);
    edit(ini);
    std::string fresh = JoinLines(ini);
    if (fresh == data) return true;
    return ReplaceFile(*host, fresh);
}

// Gives the last line a line end before anything is added after it.
void EndLastLine(IniText& ini) {
    if (!ini.lines.empty() && ini.lines.back().eol.empty()) ini.lines.back().eol = ini.eol;
}

}  // namespace

std::string ProfileReadString(const std::string& file, const std::string& section,
                              const std::string& key, const std::string& def, size_t bufSize) {
    auto host = HostPathOf(file);
    std::string data;
    if (!host || LoadFile(*host, data) != LoadResult::Ok) return CutToBuffer(def, bufSize);
    IniText ini = SplitLines(data);
    size_t header, end;
    if (FindSection(ini, section, header, end)) {
        std::string k, v;
        for (size_t i = header + 1; i < end; ++i)
            if (KeyValue(ini.lines[i].text, k, &v) && SameText(k, key)) return CutToBuffer(v, bufSize);
    }
    return CutToBuffer(def, bufSize);
}

bool ProfileWriteString(const std::string& file, const std::string& section,
                        const std::string& key, const std::string& value) {
    const std::string sec = OneLine(section), name = OneLine(key), val = OneLine(value);
    return Rewrite(file, [&](IniText& ini) {
        size_t header, end;
        if (!FindSection(ini, sec, header, end)) {
            EndLastLine(ini);
            if (!ini.lines.empty() && !TrimBlanks(ini.lines.back().text).empty())
                ini.lines.push_back({"", ini.eol});
            ini.lines.push_back({"[" + sec + "]", ini.eol});
            ini.lines.push_back({name + "=" + val, ini.eol});
            return;
        }
        std::string k;
        for (size_t i = header + 1; i < end; ++i) {
            if (KeyValue(ini.lines[i].text, k, nullptr) && SameText(k, name)) {
                ini.lines[i].text = k + "=" + val;  // the stored spelling of the key stays
                return;
            }
        }
        // A new key goes after the section's last non-blank line.
        size_t at = end;
        while (at > header + 1 && TrimBlanks(ini.lines[at - 1].text).empty()) --at;
        if (ini.lines[at - 1].eol.empty()) ini.lines[at - 1].eol = ini.eol;
        ini.lines.insert(ini.lines.begin() + static_cast<std::ptrdiff_t>(at),
                         Line{name + "=" + val, ini.eol});
    });
}

std::vector<std::string> ProfileReadKeys(const std::string& file, const std::string& section,
                                         size_t bufSize) {
    std::vector<std::string> keys;
    auto host = HostPathOf(file);
    std::string data;
    if (!host || LoadFile(*host, data) != LoadResult::Ok) return keys;
    IniText ini = SplitLines(data);
    size_t header, end;
    if (!FindSection(ini, section, header, end)) return keys;
    // The names travel as name NUL name NUL ... NUL NUL in bufSize bytes; a
    // name that does not fit whole is left out.
    size_t used = 1;
    std::string k;
    for (size_t i = header + 1; i < end; ++i) {
        if (!KeyValue(ini.lines[i].text, k, nullptr)) continue;
        bool seen = false;
        for (const std::string& have : keys)
            if (SameText(have, k)) seen = true;
        if (seen) continue;
        if (used + k.size() + 1 > bufSize) break;
        used += k.size() + 1;
        keys.push_back(k);
    }
    return keys;
}

bool ProfileDelete(const std::string& file, const std::string& section, const std::string& key) {
    return Rewrite(file, [&](IniText& ini) {
        size_t header, end;
        if (key.empty()) {
            // Every copy of the section goes, so none is left to read.
            while (FindSection(ini, section, header, end))
                ini.lines.erase(ini.lines.begin() + static_cast<std::ptrdiff_t>(header),
                                ini.lines.begin() + static_cast<std::ptrdiff_t>(end));
            return;
        }
        if (!FindSection(ini, section, header, end)) return;
        std::string k;
        for (size_t i = end; i-- > header + 1;)
            if (KeyValue(ini.lines[i].text, k, nullptr) && SameText(k, key))
                ini.lines.erase(ini.lines.begin() + static_cast<std::ptrdiff_t>(i));
    });
}

}  // namespace plat
