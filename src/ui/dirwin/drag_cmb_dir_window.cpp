// TCmbDir's dragging: its own drag pictures, and drops on its rows, which
// go into the row's directory. Files dragged from its list go as from every
// directory window (drag_mdi_child_window.cpp).
#include <QDropEvent>

#include "ui/dirwin/cmb_dir_window.h"
#include "ui/dirwin/file_list_view.h"

QPixmap TCmbDir::FileDragPicture(int taggedCount, bool move) const {
    return ResultDragPicture(ResultDragCursor(taggedCount, move));
}

TDragFacts TCmbDir::DragFacts(const QDropEvent& event) {
    TDragFacts f = ReadDragFacts(event);
    const int row = LB1->RowAt(event.position().toPoint());
    if (row >= 0) f.TargetDir = RowDirectory(row);
    return f;
}

void TCmbDir::DragOver(QDropEvent* event) {
    const TDragFacts facts = DragFacts(*event);
    if (AnswerDragOver(TDropTarget::ResultList, facts, event))
        LB1->SetCurrentRow(LB1->RowAt(event->position().toPoint()));
}

void TCmbDir::Drop(QDropEvent* event) {
    const TDragFacts facts = DragFacts(*event);
    const int row = LB1->RowAt(event->position().toPoint());
    if (row >= 0) LB1->SetCurrentRow(row);
    TakeDrop(TDropTarget::ResultList, facts, event);
}
