// What a directory window accepts while something is dragged over it, and
// what a drop there does. A drop never copies or moves by itself: it opens
// the copy, move or copy-directory dialog with the target filled in.
#pragma once

#include <string>
#include <vector>

#include "core/fileops/file_set.h"

// What is dragged, recognised by the control that started it: a directory
// window's file list (tag 1426), its tree, its splitter (tag 122), or files
// from another application.
enum class TDragKind { None, FileList, Tree, Splitter, Outside };

// Where it is: a split window's client area or file list, or its tree; a
// search result window's file list.
enum class TDropTarget { SplitList, SplitTree, ResultList };

enum class TDropAction { Nothing, Split, CopyFiles, MoveFiles, CopyDirectory };

// The splitter is not taken over the tree nearer than this to its left
// edge; a split never leaves the tree narrower.
constexpr int kMinTreeWidth = 100;

struct TDragFacts {
    TDragKind Kind = TDragKind::None;
    bool SourceAlive = false;     // the window the drag started from still exists
    bool FromThisWindow = false;  // ... and it is the window under the mouse
    bool Move = false;            // Ctrl at the start (outside files: at the drop)
    // Where the dragged things would land on themselves. A file drag: for
    // a copy the source window's directory, for a move the directories of
    // the dragged files. A directory drag: the dragged directory. Files
    // from outside: the directory of each file.
    std::vector<std::string> SourceDirs;
    // A split window's list or client area: the window's directory. The
    // tree: the directory of the item under the mouse. A result window's
    // list: the directory of the row under the mouse. "" on empty space.
    std::string TargetDir;
    int TreeX = 0;  // the splitter over the tree: mouse x from the tree's left edge
};

struct TDropDecision {
    bool Accepted = false;
    TDropAction Action = TDropAction::Nothing;
};

// Accepted answers the drag-over; Action is what a drop does. Files are
// not taken into their own directory, nor a directory into itself or a
// directory below it.
TDropDecision DecideDrop(TDropTarget target, const TDragFacts& facts);

// The picture a file drag from a search result window shows: 1 one file,
// 2 several files, 3 one file moved, 4 several files moved.
int ResultDragCursor(int taggedCount, bool move);

// The longest directory that holds every one of the files (full paths),
// without a trailing backslash except at a root; "" when they share no
// drive.
std::string CommonDirectory(const std::vector<std::string>& files);

// The files of a drop from another application (full paths) as a file set
// in their common directory: listed by name when they share one directory,
// by full path otherwise.
TFileSet DroppedFileSet(const std::vector<std::string>& files);
