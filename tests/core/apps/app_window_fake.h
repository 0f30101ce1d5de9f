// A file window as the application launcher sees it: a directory, the entry
// under the cursor, tagged paths, and whether its file may be used.
#pragma once

#include <string>
#include <vector>

#include "core/apps/command_template.h"

class TFakeAppWindow : public TAppWindow {
public:
    std::string directory = "C:\\DOCS";
    std::string current = "README.TXT";
    std::vector<std::string> tagged;
    bool saveAnswer = true;
    int saveQuestions = 0;

    bool QuerySave() override {
        ++saveQuestions;
        return saveAnswer;
    }
    std::string GetDirectory() override { return directory; }
    int GetTaggedCount() override { return static_cast<int>(tagged.size()); }
    std::string GetCurrentName() override { return current; }
    std::vector<std::string> TaggedPaths() override { return tagged; }
};
