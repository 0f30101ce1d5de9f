// The per-file loop every operation dialog runs over its list of names:
// a failure on one file is put to the user (retry it, skip it, or abort the
// rest), the status gauge advances between files, and a confirmed Cancel
// stops the loop before the next file. Qt-free; the dialogs own one loop,
// forward their Cancel click to CancelRequested and select rows on request.
#pragma once

#include <cstddef>
#include <functional>
#include <string>

#include "core/fileops/file_set.h"

// What the work on one row asks of the loop.
enum class LoopStep { Next, StopAll };

class TFileLoop {
public:
    // True from the start of Run until it ends.
    bool OperationRunning = false;
    // Set by a confirmed Cancel (handled while events are processed) or by
    // AbortAll; read before each file.
    bool CancelRequested = false;
    // Called when the gauge moved, with the index of the next row to be
    // processed (== row count after the last row: select nothing); events
    // are processed right after it.
    std::function<void(size_t row)> SelectRow;

    // Performs the operation on row i; raises EInOutError on failure.
    using RowWork = std::function<LoopStep(size_t row)>;
    // The error prompt's text for row i, given the exception's message.
    using PromptText = std::function<std::string(size_t row, const std::string& error)>;

    // Runs the loop over rows 0..count-1: StartProgress(100), then per row
    // the work, retried, skipped or aborted as the user answers the error
    // prompt, then StepProgress. Ends with StopProgress. Exceptions other
    // than EInOutError pass through (the gauge is stopped all the same).
    void Run(size_t count, const RowWork& work, const PromptText& prompt);

    // The deletion step of delete and move: while DeleteOneFile fails, asks
    // "Error: Deleteing file: " + path. True when the file was deleted;
    // AbortAll also sets CancelRequested.
    bool DeleteStep(const std::string& path);

    // The runs over a file set, one row per file.
    // Copies each file into the directory `to` under its file name; a name
    // listed with directories (from a result window) keeps them below `to`,
    // made when missing. With printer set, `to` is the port ("LPT1") and each
    // file ends with a form feed. A file the run wrote is never replaced
    // unasked; Cancel at the overwrite question stops the run.
    void CopyFiles(const TFileSet& set, const std::string& to, bool printer, bool warn);
    // Copies each file into `to` and deletes it once its copy is complete;
    // two files of one name never replace each other unasked.
    void MoveFiles(const TFileSet& set, const std::string& to, bool warn);
    // Performs step on each file's path, in set order; a failure is put to
    // the user with promptText's text (none: the exception's own text).
    using PathStep = std::function<void(const std::string& path)>;
    using PathPrompt = std::function<std::string(const std::string& error, const std::string& path)>;
    void EachPath(const TFileSet& set, const PathStep& step, const PathPrompt& promptText);
};

// Error prompt texts: E + CR LF + what was being done.
std::string CopyPrompt(const std::string& error, const std::string& source,
                       const std::string& target);
std::string MovePrompt(const std::string& error, const std::string& source,
                       const std::string& target);
std::string ShredPrompt(const std::string& error, const std::string& path);
std::string AttributesPrompt(const std::string& error, const std::string& path);
std::string DeletePrompt(const std::string& path);
