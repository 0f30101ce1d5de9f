// A hermetic world for one test: its own temp directory, its own ini file
// (QUILBY_INI) and its own drive table mapping C: and D: into the temp
// directory. Installs a settings store and a scripted prompter.
#pragma once

#include <memory>
#include <string>

#include "core/settings/app_ini.h"
#include "core/seams/prompter.h"

class TestEnv {
public:
    TestEnv();
    ~TestEnv();

    std::string root;     // host temp directory
    std::string iniPath;  // host path of the ini file
    std::string hostC;    // host root of drive C:
    std::string hostD;    // host root of drive D:
    ScriptedPrompter prompts;

    // Writes a file below root (host-relative path), creating directories.
    std::string WriteFile(const std::string& rel, const std::string& content);
    std::string ReadFile(const std::string& rel) const;
    bool Exists(const std::string& rel) const;
    std::string Host(const std::string& rel) const { return root + "/" + rel; }
    // Re-creates the settings store (after the test wrote the ini by hand).
    void ReopenIni();

private:
    std::unique_ptr<TAppIni> ini_;
};
