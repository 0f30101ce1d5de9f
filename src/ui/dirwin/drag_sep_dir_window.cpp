// TSepDir's dragging: files dragged from the list, directories from the
// tree, the splitter, and what the window takes when something is dropped
// on it. The frame holds the drag state (TFrameServices::Drag).
#include <QDropEvent>
#include <QPointer>
#include <cstdlib>

#include "core/filelist/dir_navigation.h"
#include "ui/dirwin/dir_tree_widget.h"
#include "ui/dirwin/file_list_view.h"
#include "ui/dirwin/sep_dir_window.h"
#include "ui/dirwin/frame_services.h"

namespace {

constexpr int kDragDistance = 6;  // pixels from the press before a drag starts

bool FarEnough(const QPoint& point, int startX, int startY) {
    return std::abs(point.x() - startX) >= kDragDistance || std::abs(point.y() - startY) >= kDragDistance;
}

}  // namespace

// ---------------------------------------------------------------- starting

void TSepDir::ListMouseMoved(const QPoint& point, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers) {
    if (!(buttons & Qt::LeftButton) || dragging_ || !FarEnough(point, DragStartX, DragStartY)) return;
    if (GetCurrentIndex() < 0) return;
    StartFileDrag(modifiers);
}

bool TSepDir::TreeMouseMoved(const QPoint& point, Qt::MouseButtons buttons) {
    if (!(buttons & Qt::LeftButton) || dragging_ || !FarEnough(point, DragStartX, DragStartY)) return false;
    if (DLB1->SelectedPath().empty()) return false;
    StartDirectoryDrag();
    return true;
}

void TSepDir::StartFileDrag(Qt::KeyboardModifiers modifiers) {
    const int row = GetCurrentIndex();
    if (!main_ || row < 0) return;
    if (modifiers & Qt::ShiftModifier)
        FileList.TagAll();
    else if (!IsTagged(row))
        TagEntry(row);  // tags already set stay
    main_->Drag().IsMove = (modifiers & Qt::ControlModifier) != 0;
    main_->Drag().IsDirectory = false;
    main_->Drag().Source = this;

    std::vector<std::string> paths;
    for (int i = FirstTagged(); i != -1; i = NextTagged(i)) paths.push_back(GetEntryPath(i));
    RunDrag(LB1, MakeDragData(TDragKind::FileList, paths));
}

void TSepDir::StartDirectoryDrag() {
    if (!main_) return;
    main_->Drag().IsMove = false;
    main_->Drag().IsDirectory = true;
    DLB1->viewport()->update();
    UpdateStatus();
    main_->Drag().Source = this;
    RunDrag(DLB1, MakeDragData(TDragKind::Tree, {GetSelectedDirectory()}));
}

void TSepDir::RunDrag(QWidget* control, QMimeData* data) {
    // The window may be closed and gone by the time the drag loop returns.
    const QPointer<TSepDir> self(this);
    dragging_ = true;
    StartDrag(control, data, GetTaggedCount());
    if (self) dragging_ = false;
}

// ---------------------------------------------------------------- over and drop

TDragFacts TSepDir::DragFacts(TDropTarget target, const QDropEvent& event) {
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
    } else if (main_ && main_->Drag().Source) {
        TMDIChild* source = main_->Drag().Source;
        f.SourceAlive = true;
        f.FromThisWindow = source == this;
        f.Move = main_->Drag().IsMove;
        f.SourceDirs.push_back(f.Kind == TDragKind::Tree ? source->GetSelectedDirectory() : source->GetDirectory());
    }
    const QPoint at = event.position().toPoint();
    f.TargetDir = target == TDropTarget::SplitTree ? DLB1->PathAt(at) : GetDirectory();
    return f;
}

void TSepDir::DragOver(TDropTarget target, QDropEvent* event) {
    const TDragFacts facts = DragFacts(target, *event);
    // Only copies are offered to the source: a "move" answer would let
    // another application delete its files before the user said OK.
    const bool accepted = DecideDrop(target, facts).Accepted && (event->possibleActions() & Qt::CopyAction);
    // Over the tree, the item under the mouse is where the drop goes.
    if (accepted && target == TDropTarget::SplitTree)
        DLB1->setCurrentItem(DLB1->itemAt(event->position().toPoint()));
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
}

void TSepDir::Drop(TDropTarget target, QDropEvent* event) {
    const TDragFacts facts = DragFacts(target, *event);
    const std::vector<std::string> outside = dragData_.OutsideFiles;
    dragRead_ = nullptr;
    const TDropDecision decision = DecideDrop(target, facts);
    if (!decision.Accepted || !(event->possibleActions() & Qt::CopyAction) || !main_) {
        event->ignore();
        return;
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
    if (facts.Kind == TDragKind::Outside) {
        DropOutsideFiles(main_, outside, facts.TargetDir, facts.Move);
        return;
    }
    if (decision.Action != TDropAction::Nothing) DropIntoDirectory(*main_, facts.TargetDir);
    main_->Drag().Source = nullptr;
}

// ---------------------------------------------------------------- the splitter

bool TSepDir::SplitterAccepted(const QPoint& mouse) const {
    TDragFacts facts;
    facts.Kind = TDragKind::Splitter;
    const bool overTree = DLB1->geometry().contains(mouse);
    facts.TreeX = mouse.x() - DLB1->x();
    return DecideDrop(overTree ? TDropTarget::SplitTree : TDropTarget::SplitList, facts).Accepted;
}

bool TSepDir::SplitterDropped(const QPoint& mouse, int x) {
    if (!SplitterAccepted(mouse)) return false;
    ApplySplit(x);
    LayoutControls();
    return true;
}
