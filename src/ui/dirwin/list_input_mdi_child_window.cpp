// Keys and mouse in a directory window's file list, as both window kinds
// take them: Space, Delete and 8, the double click, and the left press in
// the Tag column.
#include <QScrollBar>

#include "ui/dirwin/column_header.h"
#include "ui/dirwin/file_list_view.h"
#include "ui/dirwin/mdi_child_window.h"
#include "ui/frame/display_settings.h"

void TMDIChild::ListKeyReleased(int key, Qt::KeyboardModifiers modifiers) {
    if (modifiers & (Qt::ControlModifier | Qt::AltModifier)) return;
    const int row = LB1->CurrentRow();
    switch (key) {
        case Qt::Key_Space:
            ToggleTag(row);
            if (row < LB1->RowCount() - 1) LB1->SetCurrentRow(row + 1);
            break;
        case Qt::Key_Delete:
            if (FileList.GetTaggedCount() == 0 && row >= 0) ToggleTag(row);
            DeleteTagged();
            break;
        case Qt::Key_8:
            if (row >= 0) ViewIfPicture(row);
            break;
        default: break;
    }
}

void TMDIChild::ListDoubleClicked(int row) {
    if (row < 0) return;
    if (Frame() && Frame()->Display().DBLClickRun) {
        OpenEntry(row);
        return;
    }
    ToggleTag(row);
}

void TMDIChild::ListLeftPressed(const QPoint& point) {
    DragStartX = point.x();
    DragStartY = point.y();
    const int row = LB1->RowAt(point);
    if (row < 0) return;
    // A press in the Tag column toggles the row's tag.
    const int x = point.x() + LB1->horizontalScrollBar()->value();  // the list may be scrolled sideways
    if (Header1->count() > 0 && x < Header1->sectionSize(0) && row == LB1->CurrentRow()) ToggleTag(row);
    PreviewPicture(row);
}
