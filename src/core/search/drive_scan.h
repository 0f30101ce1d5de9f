// The recursive search below a base directory that fills a search result
// window: every file that passes the size and date ranges, matches the
// pattern list and, when a text is given, contains it. A directory's files
// come before those of its subdirectories; subdirectories are entered in
// the order the directory lists them. The walk stays on the base
// directory's file system, never enters a directory through a link, and
// passes over directories named with a leading dot. A directory that
// cannot be read is passed over and counted.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/platform/platform.h"
#include "core/tagging/wild_card.h"

struct TDriveSearchCriteria {
    std::string BaseDirectory;  // Windows form
    std::string Patterns;       // pattern list
    std::string ScanText;       // when not empty, a file must contain it
    bool CaseSensitive = false;
    bool UseSize = false;
    int64_t MinSize = 0, MaxSize = 0;  // both included
    bool UseDate = false;
    plat::DateTime DateFrom = 0, DateTo = 0;  // both included
};

// One directory found below the base: its own name and the index of its
// parent (0 the base, k the k-th record).
struct TScanDirectory {
    std::string Name;
    int32_t Parent = 0;
};

// Where the scan reports to and asks whether to go on.
class TDriveScanSink {
  public:
    virtual ~TDriveScanSink() = default;
    // The scan starts on directory dir (the status line shows it).
    virtual void DirectoryEntered(const std::string& dir) { (void)dir; }
    // A file passed every test; dirIndex names its directory. False when it
    // cannot be taken (the list is full): the scan ends at once.
    virtual bool FileFound(const plat::FindData& file, int32_t dirIndex) = 0;
    // Asked between files and directories; true ends the scan.
    virtual bool StopRequested() { return false; }
};

enum class TScanEnd { Complete, Stopped, Full };

class TDriveScan {
  public:
    explicit TDriveScan(TDriveSearchCriteria criteria);

    // Walks the tree from the base directory; the directory table and the
    // skipped count start empty.
    TScanEnd Run(TDriveScanSink& sink);

    const TDriveSearchCriteria& Criteria() const { return criteria_; }
    const std::vector<TScanDirectory>& DirTable() const { return dirs_; }
    // Directories passed over because they could not be read.
    int SkippedDirectories() const { return skipped_; }
    // Subdirectories not entered because they are the roots of other mounts.
    int OtherFileSystems() const { return otherMounts_; }
    // Path of dirIndex below the base, one backslash after each name
    // ("A\B\"); "" for the base itself.
    std::string RelativeDirectory(int32_t dirIndex) const;

  private:
    // Whether a file whose name matched passes the other tests; dir is
    // open on its directory (path dirPath). textHeld: the text was found
    // in it already.
    bool Passes(const plat::FindData& file, const plat::Dir& dir, const std::string& dirPath,
                bool textHeld) const;
    // Whether the regular file name in dir holds the text; Unknown when it
    // cannot be opened by name (a link, a pipe, gone).
    enum class TTextLook { Holds, Lacks, Unknown };
    TTextLook LookAtText(const plat::Dir& dir, const std::string& name, const std::string& dirPath) const;
    TScanEnd ScanDirectory(const std::string& dir, int32_t index, bool isBase,
                           TDriveScanSink& sink);

    TDriveSearchCriteria criteria_;
    TWildCard patterns_;
    std::vector<TScanDirectory> dirs_;
    int skipped_ = 0;
    int otherMounts_ = 0;
};
