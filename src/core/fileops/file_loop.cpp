#include "core/fileops/file_loop.h"

#include <climits>

#include "core/fileops/file_primitives.h"
#include "core/platform/errors.h"
#include "core/seams/progress.h"
#include "core/seams/prompter.h"

namespace {

constexpr char kCrLf[] = "\r\n";

// The gauge takes int counts; a longer list is scaled so the percentage
// stays right.
bool Step(size_t done, size_t total) {
    if (total > static_cast<size_t>(INT_MAX)) {
        const size_t scale = total / INT_MAX + 1;
        done /= scale;
        total /= scale;
    }
    return Progress().StepProgress(static_cast<int>(done), static_cast<int>(total));
}

}  // namespace

void TFileLoop::Run(size_t count, const RowWork& work, const PromptText& prompt) {
    CancelRequested = false;
    // The gauge is hidden however the loop ends.
    const TProgressRun running(OperationRunning);
    for (size_t i = 0; !CancelRequested && i < count;) {
        bool done = false;
        while (!done && !CancelRequested) {
            std::string message;
            try {
                if (work(i) == LoopStep::StopAll) CancelRequested = true;
                done = true;
            } catch (const EInOutError& e) {
                message = prompt ? prompt(i, e.what()) : std::string(e.what());
            }
            if (done) break;
            switch (prompter().AskErrorAction(message)) {
                case ErrorAction::Retry: break;
                case ErrorAction::SkipFile: done = true; break;
                case ErrorAction::AbortAll: CancelRequested = true; break;
            }
        }
        ++i;
        if (!CancelRequested && Step(i, count)) {
            if (SelectRow) SelectRow(i);
            Progress().ProcessEvents();
        }
    }
}

bool TFileLoop::DeleteStep(const std::string& path) {
    while (!DeleteOneFile(path)) {
        switch (prompter().AskErrorAction(DeletePrompt(path))) {
            case ErrorAction::Retry: break;
            case ErrorAction::SkipFile: return false;
            case ErrorAction::AbortAll: CancelRequested = true; return false;
        }
    }
    return true;
}

void TFileLoop::CopyFiles(const TFileSet& set, const std::string& to, bool printer, bool warn) {
    TCopyRun written;
    std::string source, target;
    Run(
        set.Files.size(),
        [&](size_t i) {
            const TFileSetEntry& file = set.Files[i];
            source = file.Path;
            if (printer) {
                target = to;
            } else {
                // A result window's name keeps its sub-directories below the
                // destination; they are made when missing.
                const bool absolute = file.Name.find(':') != std::string::npos;
                const std::string relative = absolute ? std::string() : DirectoryPart(file.Name);
                target = to + relative + FileNamePart(source);
                if (!relative.empty()) MakeDirectoryPath(DirectoryPart(target));
            }
            return CopyOneFile(source, target, warn, printer, &written) == CopyResult::Aborted
                       ? LoopStep::StopAll
                       : LoopStep::Next;
        },
        [&](size_t, const std::string& error) { return CopyPrompt(error, source, target); });
}

void TFileLoop::MoveFiles(const TFileSet& set, const std::string& to, bool warn) {
    // Two names from a result window may share a file name; the second must
    // not silently replace the first, whose source is gone by then.
    TCopyRun moved;
    std::string source, target;
    Run(
        set.Files.size(),
        [&](size_t i) {
            source = set.Files[i].Path;
            target = to + FileNamePart(source);
            // Only a complete copy lets the source go: a failed or changed
            // one raises before this and leaves it.
            CopyResult r = CopyOneFile(source, target, warn, false, &moved);
            if (r == CopyResult::Aborted) return LoopStep::StopAll;
            if (r == CopyResult::Copied) DeleteStep(source);
            return LoopStep::Next;
        },
        [&](size_t, const std::string& error) { return MovePrompt(error, source, target); });
}

void TFileLoop::EachPath(const TFileSet& set, const PathStep& step, const PathPrompt& promptText) {
    std::string path;
    PromptText prompt;
    if (promptText) prompt = [&](size_t, const std::string& error) { return promptText(error, path); };
    Run(
        set.Files.size(),
        [&](size_t i) {
            path = set.Files[i].Path;
            step(path);
            return LoopStep::Next;
        },
        prompt);
}

std::string CopyPrompt(const std::string& error, const std::string& source,
                       const std::string& target) {
    return error + kCrLf + "Copying file: " + source + kCrLf + "to: " + target;
}

std::string MovePrompt(const std::string& error, const std::string& source,
                       const std::string& target) {
    return error + kCrLf + "Moving file: " + source + kCrLf + "to: " + target;
}

std::string ShredPrompt(const std::string& error, const std::string& path) {
    return error + kCrLf + "Shredding file: " + path;
}

std::string AttributesPrompt(const std::string& error, const std::string& path) {
    return error + kCrLf + "Changing Attributes: " + path;
}

std::string DeletePrompt(const std::string& path) { return "Error: Deleteing file: " + path; }
