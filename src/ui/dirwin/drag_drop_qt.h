// The toolkit side of dragging between directory windows: the data a drag
// carries, the drag loop, the drag pictures, and the dialogs a drop opens.
// What is accepted where is decided in drag_drop_rules.h.
#pragma once

#include <QPixmap>
#include <functional>
#include <string>
#include <vector>

#include "core/filelist/drag_drop_rules.h"

class QDrag;
class QMimeData;
class QWidget;
class TFrameServices;

// A drag between directory windows carries this format; its text names
// the process and the dragged control, so that a drag from another running
// Quilby counts as files from outside.
inline constexpr char kQuilbyDragFormat[] = "application/x-quilby-drag";

// The data of a drag from a file list or tree: the format above, and the
// host paths of files (Windows-form paths given) as text/uri-list so that
// other applications take them too.
QMimeData* MakeDragData(TDragKind kind, const std::vector<std::string>& paths);

struct TDraggedData {
    TDragKind Kind = TDragKind::None;
    // Files from outside: their Windows-form paths.
    std::vector<std::string> OutsideFiles;
};
// What a drag carries. Files from another application are taken only when
// every URI names an existing local file on one of the drives; anything
// else (http:, a directory, a file outside every drive) gives None.
TDraggedData ReadDragData(const QMimeData* data);

// Runs a started drag and disposes of it: by default the toolkit's drag
// loop, which returns when the mouse is let go. Tests put their own in
// place to leave the loop out.
std::function<void(QDrag* drag)>& DragLoop();

// Starts a drag from source with data, showing picture.
void StartDrag(QWidget* source, QMimeData* data, const QPixmap& picture);
// The picture of a drag from a split window: one item below 2 tagged
// entries, several from 2.
QPixmap DragPicture(int taggedCount);
// The pictures of a file drag from a search result window, 1 to 4
// (ResultDragCursor).
QPixmap ResultDragPicture(int cursor);

// Drop into directory dir, by the frame's drag state: the directory
// copy of the drag source's selected directory, or the move or copy dialog
// for its tagged files, preset with dir. The dialog opens once the drop
// event is over; nothing opens when the source has closed by then.
void DropIntoDirectory(TFrameServices& frame, const std::string& dir);
// The copy (move) dialog for files from another application, preset with
// dir; it opens once the drop event is over.
void DropOutsideFiles(TFrameServices* frame, const std::vector<std::string>& files, const std::string& dir,
                      bool move);
