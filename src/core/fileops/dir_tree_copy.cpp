#include "core/fileops/dir_tree_copy.h"

#include "core/fileops/dir_paths.h"
#include "core/fileops/file_primitives.h"
#include "core/platform/platform.h"
#include "core/seams/progress.h"
#include "core/seams/prompter.h"

namespace {

// The two error texts break their line with LF CR, in that order.
constexpr char kBreak[] = "\n\r";
constexpr char kCrLf[] = "\r\n";

// Makes the target directory of one line; answers the failure's text, ""
// when the directory is there. An existing directory is used as it is; a
// link or a file of that name is never written through.
std::string MakeTarget(const std::string& dir) {
    switch (plat::GetEntryKind(dir)) {
        case plat::EntryKind::Directory: return std::string();
        case plat::EntryKind::Missing: break;
        default: return plat::ErrorText(plat::FileError::AlreadyExists);
    }
    plat::FileError e = plat::CreateDirectory(dir);
    return e == plat::FileError::None ? std::string() : plat::ErrorText(e);
}

void ShowCreateFailure(const std::string& target, const std::string& failure) {
    prompter().Message("Error Creating: " + target + kBreak + failure, MsgIcon::Error, mbOK);
}

// Nothing the run passed over is reported as copied.
void ReportNotCopied(const std::vector<std::string>& paths) {
    if (paths.empty()) return;
    std::string text = "Not copied: devices, pipes and sockets are never read.";
    for (const auto& path : paths) text += kCrLf + path;
    prompter().Message(text, MsgIcon::Warning, mbOK);
}

}  // namespace

std::string TTreeCopy::TargetOf(const TTreeListing& tree, size_t line) const {
    std::string base = BaseName.empty() ? std::string() : AddBackslash(BaseName);
    return AddBackslash(Destination) + base +
           TreeRelativePath(tree.lines[0], TreeLinePath(tree, line));
}

void TTreeCopy::Run(const TTreeListing& tree) {
    CancelRequested = false;
    // The gauge is hidden however the loop ends.
    const TProgressRun running(OperationRunning);
    std::vector<std::string> notCopied;
    CopyLines(tree, notCopied);
    ReportNotCopied(notCopied);
}

void TTreeCopy::CopyRootLink(const std::string& root) {
    std::string target = AddBackslash(Destination) + (BaseName.empty() ? LastPathComponent(root) : BaseName);
    std::string text;
    plat::FileError e = plat::ReadLink(root, text);
    if (e == plat::FileError::None) e = plat::CreateLink(target, text);
    if (e != plat::FileError::None) ShowCreateFailure(target, plat::ErrorText(e));
}

void TTreeCopy::CopyLines(const TTreeListing& tree, std::vector<std::string>& notCopied) {
    const size_t count = tree.lines.empty() ? 0 : IncludeSubDirectories ? tree.lines.size() : 1;
    // A failure answered with Retry goes on with the next directory.
    auto goOn = [this](const std::string& what) {
        MsgResult r = prompter().Message(std::string("Error Copying files: ") + kBreak + what,
                                         MsgIcon::Error, mbCancel | mbRetry);
        if (r != MsgResult::Retry) CancelRequested = true;
    };
    for (size_t i = 0; i < count; ++i) {
        if (CancelRequested) return;
        if (SelectLine) SelectLine(i);
        const std::string full = TreeLinePath(tree, i);
        const plat::EntryKind kind = plat::GetEntryKind(full);
        // The root the user chose is a link: the copy is that link, nothing
        // behind it.
        if (i == 0 && kind == plat::EntryKind::Link) {
            CopyRootLink(full);
            return;
        }
        if (kind != plat::EntryKind::Directory) {
            // Gone, or replaced by a link or a file since it was listed: it
            // is named, nothing is made for it and nothing is followed.
            goOn("Cannot read the directory: " + full);
        } else {
            std::string target = TargetOf(tree, i);
            if (target.size() > 3) {
                target.pop_back();
                // The root line without a base directory goes straight into the
                // existing destination.
                if (!BaseName.empty() || i > 0) {
                    std::string failure = MakeTarget(target);
                    if (!failure.empty()) {
                        ShowCreateFailure(target, failure);
                        return;
                    }
                }
                target += '\\';
            }
            try {
                CopyDirectoryFiles(full, target, WarnOverwrite, OnFile, &notCopied);
            } catch (const ECopyDir&) {
                return;
            } catch (const std::exception& e) {
                goOn(e.what());
            }
        }
        Progress().StepProgress(static_cast<int>(i + 1), static_cast<int>(count));
        Progress().ProcessEvents();
    }
}
