#include "core/apps/command_template.h"

#include <cctype>

#include "core/platform/errors.h"
#include "core/seams/prompter.h"
#include "core/settings/app_ini.h"
#include "core/tagging/history.h"
#include "core/text/date_text.h"

namespace {

const char* const kEndOfLine = "Error: End of command line";
const char* const kSyntaxError = "Syntax error in command line!";
const char* const kNoWindow = "Error: A directory window must be open!";
const char* const kNoFile = "Error: The cursor MUST be on a filename!";
constexpr size_t kListNameMax = 50, kDateFormatMax = 20;

TParameterDialog parameterDialog;

// A failure already shown to the user.
struct TStop {};

[[noreturn]] void Fail(const std::string& message) {
    ShowMessage(message);
    throw TStop{};
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string HostPath(const std::string& winPath) {
    auto host = plat::ToHost(winPath);
    return host ? *host : winPath;
}

// A name relative to a directory ("SUB\A.TXT" in a result window) in host form.
std::string HostName(const std::string& name) {
    std::string out, part;
    for (char c : name + "\\") {
        if (c != '\\') {
            part += c;
            continue;
        }
        if (!out.empty()) out += '/';
        const std::string host = plat::WinNameToHost(part);
        out += host.empty() ? part : host;
        part.clear();
    }
    return out;
}

std::string WithBackslash(const std::string& dir) {
    return !dir.empty() && dir.back() == '\\' ? dir : dir + "\\";
}

// The date format's "t" and "tt" (short and long time) in the fields the
// date texts know; quoted text stays as it is.
std::string WithTimeFields(const std::string& format) {
    std::string out;
    char quote = 0;
    for (size_t i = 0; i < format.size(); ++i) {
        const char c = format[i];
        if (quote || c == '"' || c == '\'') {
            quote = quote == c ? 0 : (quote ? quote : c);
            out += c;
        } else if (c == 't' || c == 'T') {
            const bool longTime = i + 1 < format.size() && (format[i + 1] == 't' || format[i + 1] == 'T');
            out += longTime ? "hh:nn:ss" : "hh:nn";
            i += longTime ? 1 : 0;
        } else {
            out += c;
        }
    }
    return out;
}

bool ListNameChar(char c) {
    const unsigned char u = static_cast<unsigned char>(c);
    return std::isalnum(u) || c == '.' || c == '\\' || c == ':';
}

// Builds both forms side by side: literal characters of the template cut
// the host form into arguments, inserted values never do.
class TBuilder {
public:
    TExpansion out;

    void Literal(char c) {
        out.Text += c;
        Split(c);
    }
    // Text that counts as typed into the command line (the answer at "#").
    void Typed(const std::string& text) {
        out.Text += text;
        for (char c : text) Split(c);
    }
    void Value(const std::string& shown, const std::string& host) {
        out.Text += shown;
        current_ += host;
        if (!host.empty()) open_ = true;
    }
    TExpansion Finish() {
        if (open_) out.Args.push_back(current_);
        return out;
    }

private:
    void Split(char c) {
        if (c == '"') {
            quoted_ = !quoted_;
            open_ = true;
        } else if (IsBlank(c) && !quoted_) {
            if (open_) out.Args.push_back(current_);
            current_.clear();
            open_ = false;
        } else {
            current_ += c;
            open_ = true;
        }
    }

    std::string current_;
    bool open_ = false, quoted_ = false;
};

void WriteListFile(const std::string& winName, const std::vector<std::string>& lines) {
    plat::File file;
    if (plat::FileError e = plat::OpenFile(winName, plat::OpenMode::CreateTruncate, file); e != plat::FileError::None)
        throw EInOutError("Bad open of: " + winName, static_cast<int>(e));
    std::string text;
    for (const std::string& line : lines) text += HostPath(line) + "\n";
    size_t written = 0;
    if (plat::FileError e = plat::WriteFile(file, text.data(), text.size(), written); e != plat::FileError::None)
        throw EInOutError(plat::ErrorText(e), static_cast<int>(e));
    if (written != text.size()) throw EInOutError("Disk full?", static_cast<int>(plat::FileError::DiskFull));
    if (plat::FileError e = plat::CloseFile(file); e != plat::FileError::None)
        throw EInOutError(plat::ErrorText(e), static_cast<int>(e));
}

}  // namespace

std::vector<std::string> SplitCommandLine(const std::string& line) {
    TBuilder b;
    for (char c : line) b.Literal(c);
    return b.Finish().Args;
}

std::string JoinCommandLine(const std::vector<std::string>& args) {
    std::string line;
    for (const std::string& a : args) {
        if (!line.empty()) line += ' ';
        if (!a.empty() && a.find_first_of(" \t\"") == std::string::npos) {
            line += a;
            continue;
        }
        line += '"';
        for (char c : a) line += c == '"' ? std::string("\\\"") : std::string(1, c);
        line += '"';
    }
    return line;
}

void SetParameterDialog(TParameterDialog dialog) { parameterDialog = std::move(dialog); }

bool AskApplicationParameter(std::string& answer) {
    std::string value = AppIni().ReadString("FPARMS", "TEXT", "");
    std::vector<std::string> history = LoadHistory("FPARMS", "TEXT");
    const bool ok = parameterDialog
                        ? parameterDialog(value, history)
                        : prompter().Input("Application Parameters", "Please enter command line parameter", value);
    if (!ok) return false;
    AppIni().WriteString("FPARMS", "TEXT", value);
    AddToHistory(value, history);
    SaveHistory("FPARMS", "TEXT", history);
    answer = value;
    return true;
}

std::optional<TExpansion> TCommandExpander::ExpandCommand(const std::string& t) {
    TBuilder b;
    const size_t n = t.size();
    auto window = [&]() -> TAppWindow& {
        if (!Window) Fail(kNoWindow);
        return *Window;
    };
    // The file under the cursor, for the codes that need one.
    auto currentName = [&]() -> std::optional<std::string> {
        TAppWindow& w = window();
        if (!w.QuerySave()) return std::nullopt;
        std::string name = w.GetCurrentName();
        if (name.empty()) Fail(kNoFile);
        return name;
    };
    auto parameter = [&]() {
        std::string answer;
        if (!AskParameter || !AskParameter(answer)) throw TStop{};
        b.Typed(answer);
    };
    try {
        for (size_t i = 0; i < n; ++i) {
            const char c = t[i];
            if (c == '#') {
                parameter();
                continue;
            }
            if (c != '%') {
                b.Literal(c);
                continue;
            }
            if (++i >= n) Fail(kEndOfLine);
            const char code = static_cast<char>(std::toupper(static_cast<unsigned char>(t[i])));
            switch (code) {
            case '%':
                b.Value("%", "%");
                break;
            case '#':
                parameter();
                break;
            case 'N': case 'I': case 'E': case 'F': {
                auto name = currentName();
                if (!name) return std::nullopt;
                std::string shown;
                if (code == 'N') shown = plat::Trim(*name);
                if (code == 'I') shown = name->substr(0, name->find('.'));
                if (code == 'E') {
                    const size_t dot = name->rfind('.');
                    shown = dot == std::string::npos ? std::string() : plat::Trim(name->substr(dot + 1));
                }
                if (code == 'F') {
                    std::string dir = plat::TrimRight(Window->GetDirectory());
                    const bool root = dir.size() == 3 && dir[1] == ':' && dir[2] == '\\';
                    shown = (root ? dir.substr(0, 2) : WithBackslash(dir)) + *name;
                    b.Value(shown, HostPath(WithBackslash(dir) + *name));
                } else {
                    b.Value(shown, HostName(shown));
                }
                break;
            }
            case 'P': {
                const std::string dir = window().GetDirectory();
                std::string host = HostPath(dir);
                if (host.empty() || host.back() != '/') host += '/';
                b.Value(dir + "\\", host);
                break;
            }
            case 'D': {
                const std::string dir = window().GetDirectory();
                b.Value(dir.substr(0, 1), dir.substr(0, 1));
                break;
            }
            case 'C': {
                const std::string count = std::to_string(window().GetTaggedCount());
                b.Value(count, count);
                break;
            }
            case '*': {
                TAppWindow& w = window();
                if (++i >= n || t[i] != '(') Fail("Syntax error. Expected: (");
                if (++i >= n) Fail(kEndOfLine);
                std::string name;
                while (i < n && name.size() < kListNameMax && ListNameChar(t[i])) name += t[i++];
                if (i >= n) Fail(kSyntaxError);
                const std::string full = plat::ExpandFileName(name);
                b.Value(name, full.empty() ? name : HostPath(full));
                WriteListFile(full.empty() ? name : full, w.TaggedPaths());
                if (t[i] != ')') Fail("Syntax error. Expected: )");
                break;
            }
            case '@': {
                const size_t close = t.find('@', i + 1);
                if (close == std::string::npos) Fail(kEndOfLine);
                const std::string format = t.substr(i + 1, close - i - 1).substr(0, kDateFormatMax);
                const std::string date = FormatDateTime(WithTimeFields(format), Now ? Now() : plat::Now());
                b.Value(date, date);
                i = close;
                break;
            }
            default:
                Fail(kSyntaxError);
            }
        }
    } catch (const TStop&) {
        return std::nullopt;
    } catch (const EInOutError& e) {
        ShowMessage(e.what());
        return std::nullopt;
    }
    return b.Finish();
}
