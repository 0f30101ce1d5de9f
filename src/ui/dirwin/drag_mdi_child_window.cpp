// Dragging as both kinds of directory window do it: files dragged from the
// file list, and what is dragged over or dropped on a window. The frame
// holds the drag state (TFrameServices::Drag); what a target takes is
// decided in drag_drop_rules.h.
#include <QDrag>
#include <QDropEvent>
#include <QPointer>
#include <cstdlib>

#include "core/filelist/dir_navigation.h"
#include "core/platform/platform.h"
#include "ui/dirwin/file_list_view.h"
#include "ui/dirwin/mdi_child_window.h"

namespace {

constexpr int kDragDistance = 6;  // pixels from the press before a drag starts

}  // namespace

bool TMDIChild::FarEnoughToDrag(const QPoint& point) const {
    return std::abs(point.x() - DragStartX) >= kDragDistance || std::abs(point.y() - DragStartY) >= kDragDistance;
}

void TMDIChild::ListMouseMoved(const QPoint& point, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers) {
    if (!(buttons & Qt::LeftButton) || dragging_ || !FarEnoughToDrag(point)) return;
    if (GetCurrentIndex() < 0) return;
    StartFileDrag(modifiers);
}

void TMDIChild::StartFileDrag(Qt::KeyboardModifiers modifiers) {
    const int row = GetCurrentIndex();
    TFrameServices* frame = Frame();
    if (!frame || row < 0) return;
    if (modifiers & Qt::ShiftModifier)
        FileList.TagAll();
    else if (!IsTagged(row))
        TagEntry(row);  // tags already set stay

    const bool move = (modifiers & Qt::ControlModifier) != 0;
    // Where the files may not be dropped, as that would put them onto
    // themselves: a move puts every file straight into the target, so not
    // into any file's directory; a result window's copy keeps the files'
    // directories below the target, so not into its base (a split window's
    // directory is its files' directory either way).
    std::vector<std::string> paths, dirs;
    if (!move) dirs.push_back(GetDirectory());
    for (int i = FirstTagged(); i != -1; i = NextTagged(i)) {
        paths.push_back(GetEntryPath(i));
        if (!move) continue;
        // A result window lists each directory's files together: a
        // directory already noted is mostly the last one.
        std::string dir = ParentDirectory(paths.back());
        if (dirs.empty() || !plat::SameText(dirs.back(), dir)) dirs.push_back(std::move(dir));
    }
    TDragState& drag = frame->Drag();
    drag.IsMove = move;
    drag.IsDirectory = false;
    drag.SourceDirs = std::move(dirs);
    drag.Source = this;
    RunDrag(LB1, MakeDragData(TDragKind::FileList, paths),
            FileDragPicture(GetTaggedCount(), drag.IsMove));
}

QPixmap TMDIChild::FileDragPicture(int taggedCount, bool) const { return DragPicture(taggedCount); }

void TMDIChild::RunDrag(QWidget* control, QMimeData* data, const QPixmap& picture) {
    // The window may be closed and gone by the time the drag loop returns.
    const QPointer<TMDIChild> self(this);
    dragging_ = true;
    StartDrag(control, data, picture);
    if (self) dragging_ = false;
}

void TMDIChild::CancelDrag() {
    // Ends the toolkit's drag loop without a drop.
    if (dragging_) QDrag::cancel();
    if (Frame() && Frame()->Drag().Source == this) Frame()->Drag().Source = nullptr;
}

TDragFacts TMDIChild::ReadDragFacts(const QDropEvent& event) {
    // Files from outside are looked at once per entry, not at every move.
    if (dragRead_ != event.mimeData()) {
        dragData_ = ReadDragData(event.mimeData());
        dragRead_ = event.mimeData();
    }
    TDragFacts f;
    f.Kind = dragData_.Kind;
    if (f.Kind == TDragKind::Outside) {
        for (const std::string& file : dragData_.OutsideFiles) f.SourceDirs.push_back(ParentDirectory(file));
        f.Move = (event.modifiers() & Qt::ControlModifier) != 0;
    } else if (Frame() && Frame()->Drag().Source) {
        const TDragState& drag = Frame()->Drag();
        f.SourceAlive = true;
        f.FromThisWindow = drag.Source == this;
        f.Move = drag.IsMove;
        f.SourceDirs = drag.SourceDirs;
    }
    return f;
}

bool TMDIChild::AnswerDragOver(TDropTarget target, const TDragFacts& facts, QDropEvent* event) {
    // Only copies are offered to the source: a "move" answer would let
    // another application delete its files before the user said OK.
    const bool accepted = DecideDrop(target, facts).Accepted && (event->possibleActions() & Qt::CopyAction);
    // A drag of something this window may take stays with the control it
    // entered (it does not fall through to the client area); each move
    // then says whether the place under the mouse takes it.
    const bool claimed = event->type() == QEvent::DragEnter && facts.Kind != TDragKind::None;
    if (accepted || claimed) {
        event->setDropAction(Qt::CopyAction);
        event->accept();
    } else {
        event->ignore();
    }
    return accepted;
}

void TMDIChild::TakeDrop(TDropTarget target, const TDragFacts& facts, QDropEvent* event) {
    const std::vector<std::string> outside = dragData_.OutsideFiles;
    dragRead_ = nullptr;
    const TDropDecision decision = DecideDrop(target, facts);
    TFrameServices* frame = Frame();
    if (!decision.Accepted || !(event->possibleActions() & Qt::CopyAction) || !frame) {
        event->ignore();
        return;
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
    if (facts.Kind == TDragKind::Outside) {
        DropOutsideFiles(frame, outside, facts.TargetDir, facts.Move);
        return;
    }
    if (decision.Action != TDropAction::Nothing) DropIntoDirectory(*frame, facts.TargetDir);
    frame->Drag().Source = nullptr;
}
