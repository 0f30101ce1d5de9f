// Starting programs and documents, the help topics, and where the ini file
// and the executable live.
#include <sys/stat.h>
#include <unistd.h>

#include <QProcess>
#include <QString>
#include <QStandardPaths>
#include <QStringList>
#include <cstdlib>
#include <fstream>

#include "core/platform/host_internal.h"
#include "core/platform/platform.h"

namespace plat {

namespace {

ShellHook shellHook;
ShellStartHook shellStartHook;
std::string helpFile;

constexpr int kShellOk = 42;
constexpr int kNoHandler = 31;
constexpr int kGeneralFailure = 0;

bool StartDetached(const QString& program, const QStringList& args, const std::string& dir) {
    return QProcess::startDetached(program, args, QString::fromStdString(dir));
}

}  // namespace

void SetShellHook(ShellHook hook) { shellHook = std::move(hook); }

int ShellExecute(const std::string& verb, const std::string& file, const std::string& params,
                 const std::string& dir) {
    if (shellHook) return shellHook(verb, file, params, dir);
    std::string workDir;
    if (!dir.empty()) {
        auto hostDir = ToHost(dir);
        struct stat st {};
        if (!hostDir || stat(hostDir->c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) return 3;
        workDir = *hostDir;
    }
    auto host = ToHost(file);
    struct stat st {};
    if (!host) return 3;
    if (stat(host->c_str(), &st) != 0) {
        size_t slash = host->rfind('/');
        struct stat pst {};
        std::string parent = slash == 0 ? "/" : host->substr(0, slash);
        return stat(parent.c_str(), &pst) == 0 ? 2 : 3;
    }
    QString target = QString::fromStdString(*host);
    QStringList args = QProcess::splitCommand(QString::fromStdString(params));
    if (verb == "print") {
        return StartDetached("lp", {target}, workDir) ? kShellOk : kNoHandler;
    }
    if (S_ISREG(st.st_mode) && (st.st_mode & S_IXUSR))
        return StartDetached(target, args, workDir) ? kShellOk : kGeneralFailure;
    return StartDetached("xdg-open", {target}, workDir) ? kShellOk : kNoHandler;
}

void SetShellStartHook(ShellStartHook hook) { shellStartHook = std::move(hook); }

namespace {

// The host path of the program to start, or the classic failure code.
int FindProgram(const std::string& program, const std::string& dir, std::string& host) {
    const bool bare = program.find_first_of("\\:/") == std::string::npos;
    if (program.empty()) return 2;
    const bool relative = bare || ((program.size() < 2 || program[1] != ':') && program[0] != '\\');
    std::string winPath = program;
    if (relative && !dir.empty()) winPath = (dir.back() == '\\' ? dir : dir + "\\") + program;
    if (auto found = ToHost(winPath); found && access(found->c_str(), F_OK) == 0) {
        host = *found;
        return 0;
    }
    if (bare) {
        const QString onPath = QStandardPaths::findExecutable(QString::fromStdString(WinNameToHost(program)));
        if (onPath.isEmpty()) return 2;
        host = onPath.toStdString();
        return 0;
    }
    auto missing = ToHost(winPath);
    if (!missing) return 3;
    const size_t slash = missing->rfind('/');
    const std::string parent = slash == 0 ? "/" : missing->substr(0, slash);
    struct stat st {};
    return stat(parent.c_str(), &st) == 0 && S_ISDIR(st.st_mode) ? 2 : 3;
}

}  // namespace

int ShellStart(const std::string& program, const std::vector<std::string>& args,
               const std::string& dir) {
    if (shellStartHook) return shellStartHook(program, args, dir);
    std::string workDir;
    if (!dir.empty()) {
        auto hostDir = ToHost(dir);
        struct stat st {};
        if (!hostDir || stat(hostDir->c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) return 3;
        workDir = *hostDir;
    }
    std::string host;
    if (int failure = FindProgram(program, dir, host)) return failure;
    struct stat st {};
    if (stat(host.c_str(), &st) != 0) return 2;
    const QString target = QString::fromStdString(host);
    if (S_ISREG(st.st_mode) && (st.st_mode & S_IXUSR)) {
        QStringList list;
        for (const std::string& a : args) list << QString::fromStdString(a);
        return StartDetached(target, list, workDir) ? kShellOk : kGeneralFailure;
    }
    // A document (or a file nobody may run) goes to its associated application.
    return StartDetached("xdg-open", {target}, workDir) ? kShellOk : kNoHandler;
}

void SetHelpFile(const std::string& hostPath) { helpFile = hostPath; }
std::string HelpFile() { return helpFile; }

// Topics are lines "#topic <number> <title>" followed by the topic's text.
std::optional<std::string> HelpTopic(int topic, std::string* title) {
    std::ifstream in(helpFile);
    if (!in) return std::nullopt;
    std::string line, text;
    bool inTopic = false, found = false;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.rfind("#topic ", 0) == 0) {
            if (inTopic) break;
            char* end = nullptr;
            long n = strtol(line.c_str() + 7, &end, 10);
            if (n == topic) {
                inTopic = found = true;
                if (title) *title = Trim(std::string(end));
            }
            continue;
        }
        if (inTopic) text += line + "\n";
    }
    if (!found) return std::nullopt;
    return text;
}

std::vector<HelpTopicTitle> HelpTopicTitles() {
    std::vector<HelpTopicTitle> topics;
    std::ifstream in(helpFile);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.rfind("#topic ", 0) != 0) continue;
        char* end = nullptr;
        const long n = strtol(line.c_str() + 7, &end, 10);
        if (end != line.c_str() + 7) topics.push_back({static_cast<int>(n), Trim(std::string(end))});
    }
    return topics;
}

std::string ExecutablePath() {
    char buf[4096];
    ssize_t n = readlink("/proc/self/exe", buf, sizeof buf - 1);
    if (n <= 0) return "";
    buf[n] = 0;
    return buf;
}

std::string DefaultIniPath(const std::string& exeHostPath) {
    if (const char* env = getenv("QUILBY_INI"); env && *env) return env;
    std::string base = exeHostPath;
    size_t slash = base.rfind('/');
    size_t dot = base.rfind('.');
    if (dot != std::string::npos && (slash == std::string::npos || dot > slash)) base.erase(dot);
    std::string beside = base + ".INI";
    std::string folder = slash == std::string::npos ? "." : exeHostPath.substr(0, slash ? slash : 1);
    if (!exeHostPath.empty() && access(folder.c_str(), W_OK) == 0) return beside;
    std::string config;
    if (const char* xdg = getenv("XDG_CONFIG_HOME"); xdg && *xdg) config = xdg;
    else if (const char* home = getenv("HOME"); home && *home) config = std::string(home) + "/.config";
    else config = "/tmp";
    std::string dir = config + "/quilby";
    mkdir(config.c_str(), 0755);
    mkdir(dir.c_str(), 0755);
    return dir + "/QUILBY.INI";
}

}  // namespace plat
