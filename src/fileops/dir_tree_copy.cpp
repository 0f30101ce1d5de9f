#include "fileops/dir_tree_copy.h"

#include "fileops/dir_paths.h"
#include "fileops/file_primitives.h"
#include "platform/platform.h"
#include "shell/progress.h"
#include "shell/prompter.h"

namespace {

// The two error texts break their line with LF CR, in that order.
constexpr char kBreak[] = "\n\r";

// Makes the target directory of one line; answers the failure's text, ""
// when the directory is there. An existing directory is used as it is.
std::string MakeTarget(const std::string& dir) {
    if (plat::DirectoryExists(dir)) return std::string();
    plat::FileError e = plat::CreateDirectory(dir);
    return e == plat::FileError::None ? std::string() : plat::ErrorText(e);
}

}  // namespace

std::string TTreeCopy::TargetOf(const std::vector<std::string>& lines, size_t line) const {
    std::string base = BaseName.empty() ? std::string() : AddBackslash(BaseName);
    return AddBackslash(Destination) + base + TreeRelativePath(lines[0], TreeLinePath(lines, line));
}

void TTreeCopy::Run(const std::vector<std::string>& lines) {
    OperationRunning = true;
    CancelRequested = false;
    struct Finish {
        TTreeCopy& run;
        ~Finish() {
            run.OperationRunning = false;
            Progress().StopProgress();
        }
    } finish{*this};

    const size_t count = lines.empty() ? 0 : IncludeSubDirectories ? lines.size() : 1;
    Progress().StartProgress(100);
    for (size_t i = 0; i < count; ++i) {
        if (CancelRequested) return;
        if (SelectLine) SelectLine(i);
        const std::string full = TreeLinePath(lines, i);
        std::string target = TargetOf(lines, i);
        if (target.size() > 3) {
            target.pop_back();
            // The root line without a base directory goes straight into the
            // existing destination.
            if (!BaseName.empty() || i > 0) {
                std::string failure = MakeTarget(target);
                if (!failure.empty()) {
                    prompter().Message("Error Creating: " + target + kBreak + failure,
                                       MsgIcon::Error, mbOK);
                    return;
                }
            }
            target += '\\';
        }
        try {
            CopyDirectoryFiles(full, target, WarnOverwrite, OnFile);
        } catch (const ECopyDir&) {
            return;
        } catch (const std::exception& e) {
            MsgResult r =
                prompter().Message(std::string("Error Copying files: ") + kBreak + e.what(),
                                   MsgIcon::Error, mbCancel | mbRetry);
            // Retry goes on with the next directory.
            if (r != MsgResult::Retry) CancelRequested = true;
        }
        Progress().StepProgress(static_cast<int>(i + 1), static_cast<int>(count));
        Progress().ProcessEvents();
    }
}
