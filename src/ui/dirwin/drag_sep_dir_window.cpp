// TSepDir's dragging: directories from the tree, the splitter, and what
// the window takes when something is dropped on it. Files dragged from its
// list go as from every directory window (drag_mdi_child_window.cpp).
#include <QDropEvent>

#include "core/filelist/dir_navigation.h"
#include "ui/dirwin/dir_tree_widget.h"
#include "ui/dirwin/file_list_view.h"
#include "ui/dirwin/sep_dir_window.h"
#include "ui/dirwin/frame_services.h"

// ---------------------------------------------------------------- starting

bool TSepDir::TreeMouseMoved(const QPoint& point, Qt::MouseButtons buttons) {
    if (!(buttons & Qt::LeftButton) || Dragging() || !FarEnoughToDrag(point)) return false;
    if (DLB1->SelectedPath().empty()) return false;
    StartDirectoryDrag();
    return true;
}

void TSepDir::StartDirectoryDrag() {
    if (!main_) return;
    const std::string dir = GetSelectedDirectory();
    main_->Drag().IsMove = false;
    main_->Drag().IsDirectory = true;
    main_->Drag().SourceDirs = {dir};
    DLB1->viewport()->update();
    UpdateStatus();
    main_->Drag().Source = this;
    RunDrag(DLB1, MakeDragData(TDragKind::Tree, {dir}), DragPicture(GetTaggedCount()));
}

// ---------------------------------------------------------------- over and drop

TDragFacts TSepDir::DragFacts(TDropTarget target, const QDropEvent& event) {
    TDragFacts f = ReadDragFacts(event);
    f.TargetDir = target == TDropTarget::SplitTree ? DLB1->PathAt(event.position().toPoint()) : GetDirectory();
    return f;
}

void TSepDir::DragOver(TDropTarget target, QDropEvent* event) {
    // Over the tree, the item under the mouse is where the drop goes.
    if (AnswerDragOver(target, DragFacts(target, *event), event) && target == TDropTarget::SplitTree)
        DLB1->setCurrentItem(DLB1->itemAt(event->position().toPoint()));
}

void TSepDir::Drop(TDropTarget target, QDropEvent* event) { TakeDrop(target, DragFacts(target, *event), event); }

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
