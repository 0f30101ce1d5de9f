// Private-profile (ini) files with the Windows semantics: section and key
// names without regard to case, blanks around "=" ignored, lines ended by
// CR LF, LF or a lone CR, the first of duplicate sections or keys wins, lines
// before any section belong to none, a value in one pair of enclosing quotes
// reads without them.
//
// A file is parsed once per change: the parse (the bytes and where their
// sections and keys lie) is kept per host path and used again while the
// file's identity, size and times are those it was read with. A file beyond
// 16 MiB is refused: reads give defaults, writes fail and leave it alone.
//
// Every write is a read-modify-write under an advisory lock on a lock file
// beside the ini file, so two running copies never lose each other's keys;
// the new text goes into a temp file that takes the old file's owner and
// mode and is renamed over it, so a reader (or a crash) never sees half a
// file. A read-only file (owner write bit clear) is never replaced.
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "core/platform/host_internal.h"
#include "core/platform/platform.h"

namespace plat {
namespace {

constexpr off_t kLargestFile = off_t{16} << 20;

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsLineEnd(char c) { return c == '\n' || c == '\r'; }

std::string_view TrimBlanks(std::string_view s) {
    while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
    return s;
}

bool SameName(std::string_view a, const std::string& b) {
    return a.size() == b.size() && SameText(std::string(a), b);
}

// A section header: "[name]" after optional blanks. A line with "[" but no
// "]" is not a header.
bool SectionName(std::string_view line, std::string_view& name) {
    line = TrimBlanks(line);
    if (line.empty() || line.front() != '[') return false;
    size_t close = line.find(']', 1);
    if (close == std::string_view::npos) return false;
    name = TrimBlanks(line.substr(1, close - 1));
    return true;
}

// A key line: "key = value" (not a comment, not a header); the position of
// its "=" or npos.
size_t KeyEquals(std::string_view line) {
    size_t i = 0;
    while (i < line.size() && IsBlank(line[i])) ++i;
    if (i >= line.size() || line[i] == ';' || line[i] == '[') return std::string_view::npos;
    size_t eq = line.find('=', i);
    if (eq == std::string_view::npos || TrimBlanks(line.substr(i, eq - i)).empty())
        return std::string_view::npos;
    return eq;
}

// Length of the line end at pos: CR LF, LF, a lone CR, or none at the end.
size_t LineEndLength(const std::string& d, size_t pos) {
    if (pos >= d.size()) return 0;
    return d[pos] == '\r' && pos + 1 < d.size() && d[pos + 1] == '\n' ? 2 : 1;
}

// Offsets into the file's bytes (a file is at most 16 MiB).
struct KeyLine {
    uint32_t begin, equals, end;  // line start, its "=", end of its text
};

struct Section {
    uint32_t begin, end;          // header line start and end of its text
    uint32_t firstKey, keyCount;  // its key lines in Parsed::keys
    uint32_t bodyEnd;             // start of the next header, or the file's end
    uint32_t insertAt;            // past the line end of its last non-blank line
};

// One file's bytes and where its sections and keys lie: memory is the
// bytes plus a few words per header and key line.
struct Parsed {
    std::string data;
    std::vector<Section> sections;
    std::vector<KeyLine> keys;
    std::string eol = "\n";  // line end for new lines: the kind the file's first line has

    std::string_view Text(uint32_t begin, uint32_t end) const {
        return std::string_view(data).substr(begin, end - begin);
    }
    std::string_view KeyName(const KeyLine& k) const { return TrimBlanks(Text(k.begin, k.equals)); }
    std::string_view Value(const KeyLine& k) const { return TrimBlanks(Text(k.equals + 1, k.end)); }
    std::string_view Name(const Section& s) const {
        std::string_view name;
        SectionName(Text(s.begin, s.end), name);
        return name;
    }
    const KeyLine* Key(const Section& s, uint32_t i) const { return &keys[s.firstKey + i]; }

    // The first section of that name, or nullptr.
    const Section* Find(const std::string& section) const {
        for (const Section& s : sections)
            if (SameName(Name(s), section)) return &s;
        return nullptr;
    }
    const KeyLine* Find(const Section& s, const std::string& key) const {
        for (uint32_t i = 0; i < s.keyCount; ++i)
            if (SameName(KeyName(*Key(s, i)), key)) return Key(s, i);
        return nullptr;
    }
};

std::shared_ptr<const Parsed> Parse(std::string bytes) {
    auto p = std::make_shared<Parsed>();
    p->data = std::move(bytes);
    const std::string& d = p->data;
    bool eolSeen = false;
    Section* open = nullptr;  // the section being read; stays valid until the next push
    auto at = [](size_t n) { return static_cast<uint32_t>(n); };
    for (size_t pos = 0; pos < d.size();) {
        size_t end = pos;
        while (end < d.size() && !IsLineEnd(d[end])) ++end;
        size_t eolLen = LineEndLength(d, end);
        if (!eolSeen && eolLen > 0) {
            p->eol = d.substr(end, eolLen);
            eolSeen = true;
        }
        std::string_view text(d.data() + pos, end - pos);
        std::string_view name;
        if (TrimBlanks(text).empty()) {
            // a blank line is nothing to note
        } else if (SectionName(text, name)) {
            if (open) open->bodyEnd = at(pos);
            p->sections.push_back({at(pos), at(end), at(p->keys.size()), 0, at(d.size()),
                                   at(end + eolLen)});
            open = &p->sections.back();
        } else if (open) {
            size_t eq = KeyEquals(text);
            if (eq != std::string_view::npos) {
                p->keys.push_back({at(pos), at(pos + eq), at(end)});
                ++open->keyCount;
            }
            open->insertAt = at(end + eolLen);
        }
        pos = end + eolLen;
    }
    return p;
}

// Host path of the ini file: a Windows-form name goes through the drive table.
std::optional<std::string> HostPathOf(const std::string& file) {
    if (file.empty()) return std::nullopt;
    if (file.size() >= 2 && std::isalpha(static_cast<unsigned char>(file[0])) && file[1] == ':')
        return ToHost(file);
    return file;
}

// ------------------------------------------------------------ reading

// What identifies one version of a file: a change in place moves the
// times, a rename-replace brings another inode (possibly of the same size
// and modification time).
struct Version {
    dev_t dev;
    ino_t ino;
    off_t size;
    timespec mtime, ctime;

    explicit Version(const struct stat& st)
        : dev(st.st_dev), ino(st.st_ino), size(st.st_size), mtime(st.st_mtim), ctime(st.st_ctim) {}
    bool operator==(const Version& o) const {
        return dev == o.dev && ino == o.ino && size == o.size && mtime.tv_sec == o.mtime.tv_sec &&
               mtime.tv_nsec == o.mtime.tv_nsec && ctime.tv_sec == o.ctime.tv_sec &&
               ctime.tv_nsec == o.ctime.tv_nsec;
    }
};

// File times advance in coarse ticks (two seconds on some file systems), so
// a change made in the same tick as a read keeps the version the read saw.
// A parse is kept only when the file's times were that long past when it
// was read.
bool SettledBefore(const Version& v, const timespec& readAt) {
    auto seconds = [](const timespec& t) { return static_cast<double>(t.tv_sec) + t.tv_nsec / 1e9; };
    double read = seconds(readAt);
    return seconds(v.mtime) + 2.0 < read && seconds(v.ctime) + 2.0 < read;
}

struct Cached {
    Version version;
    std::shared_ptr<const Parsed> parsed;
};

std::mutex cacheLock;
std::map<std::string, Cached> cache;  // by host path; a process uses one or two ini files

enum class LoadResult { Ok, Missing, Failed };

struct Loaded {
    LoadResult result = LoadResult::Failed;
    std::shared_ptr<const Parsed> parsed;  // set when Ok or Missing (then empty)
};

// Reads and parses the file, or takes the parse kept from its last read. A
// missing file is empty; something that exists but is not a readable
// regular file of at most 16 MiB is a failure.
Loaded Load(const std::string& host) {
    Loaded out;
    // Non-blocking, so a FIFO in the file's place is refused, not waited on.
    int fd = ::open(host.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT || errno == ENOTDIR) {
            out.result = LoadResult::Missing;
            out.parsed = Parse(std::string());
        }
        return out;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_size > kLargestFile) {
        ::close(fd);
        return out;
    }
    const Version version(st);
    {
        std::lock_guard<std::mutex> hold(cacheLock);
        auto it = cache.find(host);
        if (it != cache.end() && it->second.version == version) {
            ::close(fd);
            out.result = LoadResult::Ok;
            out.parsed = it->second.parsed;
            return out;
        }
    }
    timespec readAt {};
    ::clock_gettime(CLOCK_REALTIME, &readAt);
    std::string data;
    data.reserve(static_cast<size_t>(st.st_size));
    char buf[65536];
    for (;;) {
        ssize_t n = ::read(fd, buf, sizeof buf);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 || data.size() + static_cast<size_t>(n) > static_cast<size_t>(kLargestFile)) {
            ::close(fd);
            return out;
        }
        if (n == 0) break;
        data.append(buf, static_cast<size_t>(n));
    }
    ::close(fd);
    out.result = LoadResult::Ok;
    out.parsed = Parse(std::move(data));
    if (SettledBefore(version, readAt)) {
        std::lock_guard<std::mutex> hold(cacheLock);
        if (cache.size() >= 4) cache.clear();
        cache.insert_or_assign(host, Cached{version, out.parsed});
    }
    return out;
}

// Cuts a value to what a buffer of bufSize bytes holds (bufSize - 1 bytes and
// the terminator), without leaving half a UTF-8 character at the end.
std::string CutToBuffer(std::string_view s, size_t bufSize) {
    if (bufSize == 0) return std::string();
    size_t n = bufSize - 1;
    if (s.size() <= n) return std::string(s);
    auto continuation = [&](size_t i) { return (static_cast<unsigned char>(s[i]) & 0xC0) == 0x80; };
    for (int back = 0; back < 3 && n > 0 && continuation(n); ++back) --n;
    return std::string(s.substr(0, n));
}

// One pair of double or single quotes around the whole value is not part of it.
std::string_view Unquoted(std::string_view v) {
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
        return v.substr(1, v.size() - 2);
    return v;
}

// ------------------------------------------------------------ writing

// Section, key and value texts are single lines in the file: a line break
// inside one would forge other keys or sections, so it becomes a blank.
std::string OneLine(std::string s) {
    for (char& c : s)
        if (IsLineEnd(c)) c = ' ';
    return s;
}

// The text of the file's last line (without its line end).
std::string_view LastLine(const std::string& d) {
    size_t end = d.size();
    if (end > 0 && d[end - 1] == '\n') --end;
    if (end > 0 && d[end - 1] == '\r' && (end == d.size() || d[end] == '\n')) --end;
    size_t begin = end;
    while (begin > 0 && !IsLineEnd(d[begin - 1])) --begin;
    return std::string_view(d).substr(begin, end - begin);
}

// Appends a line end. Right after a lone CR, an LF would join it into one
// CR LF and the empty line meant here would vanish, so that one is a CR.
void AppendLineEnd(std::string& out, const std::string& eol) {
    out += !out.empty() && out.back() == '\r' && eol == "\n" ? "\r" : eol;
}

// The file's bytes after writing key = value.
std::string WithValue(const Parsed& p, const std::string& section, const std::string& key,
                      const std::string& value) {
    const std::string& d = p.data;
    const Section* s = p.Find(section);
    if (!s) {
        std::string out = d;
        if (!out.empty() && !IsLineEnd(out.back())) out += p.eol;
        if (!TrimBlanks(LastLine(d)).empty()) AppendLineEnd(out, p.eol);
        return out + "[" + section + "]" + p.eol + key + "=" + value + p.eol;
    }
    if (const KeyLine* k = p.Find(*s, key)) {
        // The stored spelling of the key stays.
        return d.substr(0, k->begin) + std::string(p.KeyName(*k)) + "=" + value + d.substr(k->end);
    }
    // A new key goes after the section's last non-blank line.
    size_t at = s->insertAt;
    std::string line = key + "=" + value + p.eol;
    if (at == d.size() && at > 0 && !IsLineEnd(d[at - 1])) line = p.eol + line;
    return d.substr(0, at) + line + d.substr(at);
}

// The file's bytes without the ranges [begin, end), which are in order.
std::string Without(const std::string& d, const std::vector<std::pair<size_t, size_t>>& cuts) {
    std::string out;
    size_t from = 0;
    for (auto [begin, end] : cuts) {
        out.append(d, from, begin - from);
        from = end;
    }
    out.append(d, from, std::string::npos);
    return out;
}

std::string WithoutKey(const Parsed& p, const std::string& section, const std::string& key) {
    std::vector<std::pair<size_t, size_t>> cuts;
    if (const Section* s = p.Find(section)) {
        for (uint32_t i = 0; i < s->keyCount; ++i) {
            const KeyLine* k = p.Key(*s, i);
            if (SameName(p.KeyName(*k), key))
                cuts.emplace_back(k->begin, k->end + LineEndLength(p.data, k->end));
        }
    }
    return Without(p.data, cuts);
}

// Every copy of the section goes, so none is left to read.
std::string WithoutSection(const Parsed& p, const std::string& section) {
    std::vector<std::pair<size_t, size_t>> cuts;
    for (const Section& s : p.sections)
        if (SameName(p.Name(s), section)) cuts.emplace_back(s.begin, s.bodyEnd);
    return Without(p.data, cuts);
}


// An exclusive advisory lock on "<ini>.lock" for one read-modify-write. The
// holder removes the lock file before it lets go; whoever was waiting on
// the removed file sees that and locks the new one, so the file does not
// stay behind. The wait is bounded: a copy that hangs holding the lock
// makes the write fail rather than the program hang.
class WriteLock {
public:
    explicit WriteLock(std::string path) : path_(std::move(path)) {
        auto give_up = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        for (;;) {
            fd_ = ::open(path_.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
            if (fd_ < 0) return;
            while (::flock(fd_, LOCK_EX | LOCK_NB) != 0) {
                if ((errno != EWOULDBLOCK && errno != EINTR) ||
                    std::chrono::steady_clock::now() > give_up) {
                    Close();
                    return;
                }
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            }
            struct stat held {}, named {};
            if (::fstat(fd_, &held) == 0 && ::stat(path_.c_str(), &named) == 0 &&
                held.st_dev == named.st_dev && held.st_ino == named.st_ino)
                return;
            Close();
        }
    }
    ~WriteLock() {
        if (!Held()) return;
        ::unlink(path_.c_str());
        Close();
    }
    WriteLock(const WriteLock&) = delete;
    WriteLock& operator=(const WriteLock&) = delete;
    bool Held() const { return fd_ >= 0; }

private:
    void Close() {
        ::close(fd_);
        fd_ = -1;
    }
    std::string path_;
    int fd_ = -1;
};


// Replaces the file with data: a temp file in the same folder with the old
// file's owner, group and mode, flushed to disk, then renamed over the old
// file. A read-only file, or one whose owner cannot be kept, stays as it is.
bool ReplaceFile(const std::string& target, const std::string& data) {
    struct stat st {};
    bool exists = ::stat(target.c_str(), &st) == 0;
    if (exists && (!S_ISREG(st.st_mode) || !(st.st_mode & S_IWUSR))) return false;

    size_t slash = target.rfind('/');
    std::string dir = slash == std::string::npos ? std::string() : target.substr(0, slash + 1);
    std::string base = slash == std::string::npos ? target : target.substr(slash + 1);
    std::string tmp = dir + "." + base + ".XXXXXX";
    int fd = ::mkstemp(tmp.data());
    if (fd < 0) return false;

    bool ok = true;
    struct stat made {};
    if (exists && (::fstat(fd, &made) != 0 ||
                   ((made.st_uid != st.st_uid || made.st_gid != st.st_gid) &&
                    ::fchown(fd, st.st_uid, st.st_gid) != 0)))
        ok = false;
    // The mode after the owner: a change of owner clears set-id bits.
    if (ok && ::fchmod(fd, exists ? (st.st_mode & 07777) : 0644) != 0) ok = false;
    ok = ok && detail::WriteAll(fd, data) == FileError::None && ::fsync(fd) == 0;
    if (::close(fd) != 0) ok = false;
    if (ok && ::rename(tmp.c_str(), target.c_str()) != 0) ok = false;
    if (!ok) ::unlink(tmp.c_str());
    return ok;
}

// Loads under the lock, lets edit make the new bytes, and writes them back
// when they changed.
template <typename Edit>
bool Rewrite(const std::string& file, Edit edit) {
    auto host = HostPathOf(file);
    if (!host) return false;
    const std::string target = detail::LinkTarget(*host);
    WriteLock lock(target + ".lock");
    Loaded loaded = Load(target);
    if (loaded.result == LoadResult::Failed) return false;
    std::string fresh = edit(*loaded.parsed);
    if (fresh == loaded.parsed->data) return true;
    // A file that would be refused on its next read is not written at all.
    if (fresh.size() > static_cast<size_t>(kLargestFile)) return false;
    return lock.Held() && ReplaceFile(target, fresh);
}

}  // namespace

std::string ProfileReadString(const std::string& file, const std::string& section,
                              const std::string& key, const std::string& def, size_t bufSize) {
    auto host = HostPathOf(file);
    if (!host) return CutToBuffer(def, bufSize);
    Loaded loaded = Load(*host);
    if (loaded.result != LoadResult::Ok) return CutToBuffer(def, bufSize);
    const Parsed& p = *loaded.parsed;
    if (const Section* s = p.Find(section))
        if (const KeyLine* k = p.Find(*s, key)) return CutToBuffer(Unquoted(p.Value(*k)), bufSize);
    return CutToBuffer(def, bufSize);
}

bool ProfileWriteString(const std::string& file, const std::string& section,
                        const std::string& key, const std::string& value) {
    const std::string sec = OneLine(section), name = OneLine(key), val = OneLine(value);
    return Rewrite(file, [&](const Parsed& p) { return WithValue(p, sec, name, val); });
}

std::vector<std::string> ProfileReadKeys(const std::string& file, const std::string& section,
                                         size_t bufSize) {
    std::vector<std::string> keys;
    auto host = HostPathOf(file);
    if (!host) return keys;
    Loaded loaded = Load(*host);
    if (loaded.result != LoadResult::Ok) return keys;
    const Parsed& p = *loaded.parsed;
    const Section* s = p.Find(section);
    if (!s) return keys;
    // The names travel as name NUL name NUL ... NUL NUL in bufSize bytes; a
    // name that does not fit whole is left out, and so is a name seen before.
    std::map<std::string, std::vector<std::string>> seen;  // by upper-case spelling
    size_t used = 1;
    for (uint32_t i = 0; i < s->keyCount; ++i) {
        std::string k(p.KeyName(*p.Key(*s, i)));
        std::vector<std::string>& same = seen[UpperCase(k)];
        bool again = false;
        for (const std::string& have : same) again = again || SameText(have, k);
        if (again) continue;
        if (used + k.size() + 1 > bufSize) break;
        used += k.size() + 1;
        same.push_back(k);
        keys.push_back(std::move(k));
    }
    return keys;
}

bool ProfileDelete(const std::string& file, const std::string& section, const std::string& key) {
    return Rewrite(file, [&](const Parsed& p) {
        return key.empty() ? WithoutSection(p, section) : WithoutKey(p, section, key);
    });
}

bool ProfileRefused(const std::string& file) {
    auto host = HostPathOf(file);
    struct stat st {};
    return host && ::stat(host->c_str(), &st) == 0 && S_ISREG(st.st_mode) && st.st_size > kLargestFile;
}

}  // namespace plat
