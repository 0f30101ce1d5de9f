#include "core/filelist/drag_drop_rules.h"

#include "core/filelist/dir_navigation.h"
#include "core/platform/platform.h"

namespace {

// Without regard to case: a refusal too many is harmless, a copy into
// itself is not.
bool AtOrBelow(const std::string& dir, const std::string& root) {
    return DirectoryShowsPath(dir, WithBackslash(root));
}

bool IntoASourceDirectory(const TDragFacts& f) {
    for (const std::string& dir : f.SourceDirs)
        if (plat::SameText(WithBackslash(dir), WithBackslash(f.TargetDir))) return true;
    return false;
}

TDropAction FileAction(const TDragFacts& f) { return f.Move ? TDropAction::MoveFiles : TDropAction::CopyFiles; }

}  // namespace

TDropDecision DecideDrop(TDropTarget target, const TDragFacts& f) {
    const TDropDecision refused;
    switch (f.Kind) {
        case TDragKind::Splitter:
            if (target == TDropTarget::ResultList) return refused;
            if (target == TDropTarget::SplitTree && f.TreeX < kMinTreeWidth) return refused;
            return {true, TDropAction::Split};
        case TDragKind::FileList:
            if (!f.SourceAlive) return refused;
            // Taken by the own list, where it does nothing; a result
            // window's list takes it only over a row.
            if (target == TDropTarget::SplitList && f.FromThisWindow) return {true, TDropAction::Nothing};
            if (f.TargetDir.empty()) return refused;
            if (target == TDropTarget::ResultList && f.FromThisWindow) return {true, TDropAction::Nothing};
            if (IntoASourceDirectory(f)) return refused;
            return {true, FileAction(f)};
        case TDragKind::Tree:
            if (!f.SourceAlive || f.FromThisWindow || f.TargetDir.empty() || f.SourceDirs.empty())
                return refused;
            if (AtOrBelow(f.TargetDir, f.SourceDirs.front())) return refused;
            return {true, TDropAction::CopyDirectory};
        case TDragKind::Outside:
            if (f.SourceDirs.empty() || f.TargetDir.empty() || IntoASourceDirectory(f)) return refused;
            return {true, FileAction(f)};
        case TDragKind::None: break;
    }
    return refused;
}

int ResultDragCursor(int taggedCount, bool move) { return (taggedCount < 2 ? 1 : 2) + (move ? 2 : 0); }

std::string CommonDirectory(const std::vector<std::string>& files) {
    if (files.empty()) return {};
    // Whole components only: C:\AB\x and C:\ABC\y share C:\, not C:\AB.
    std::string common = WithBackslash(ParentDirectory(files.front()));
    for (const std::string& file : files) {
        const std::string dir = WithBackslash(ParentDirectory(file));
        while (!common.empty() && !plat::SameText(dir.substr(0, common.size()), common)) {
            if (common.size() <= 3) return {};
            common = WithBackslash(ParentDirectory(common));
        }
    }
    return common.size() > 3 ? common.substr(0, common.size() - 1) : common;
}

TFileSet DroppedFileSet(const std::vector<std::string>& files) {
    TFileSet set;
    set.Directory = CommonDirectory(files);
    bool oneDirectory = !set.Directory.empty();
    for (const std::string& f : files)
        if (!plat::SameText(ParentDirectory(f), set.Directory)) oneDirectory = false;
    // A full path carries its own directory; the runs take it as it is.
    for (const std::string& f : files) set.Files.push_back({oneDirectory ? FileNamePart(f) : f, f, 0});
    return set;
}
