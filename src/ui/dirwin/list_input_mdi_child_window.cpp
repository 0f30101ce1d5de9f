// A directory window's file list, as both window kinds have it: the list
// and its header, Space, Delete and 8, the double click, and the left press
// in the Tag column.
#include <QHeaderView>
#include <QScrollBar>

#include "core/settings/startup.h"

#include "ui/dirwin/column_header.h"
#include "ui/dirwin/file_list_view.h"
#include "ui/dirwin/mdi_child_window.h"
#include "ui/frame/display_settings.h"

namespace {

constexpr int kListTag = 1426;

}  // namespace

void TMDIChild::BuildFileList(QWidget* client) {
    Header1 = new TColumnHeader(client);
    Header1->setObjectName("Header1");
    Header1->setToolTip("Adjust column sizes");
    Header1->setStatusTip("Adjust column sizes");
    Header1->setSectionsMovable(false);
    Header1->setSectionsClickable(false);
    Header1->setSectionResizeMode(QHeaderView::Interactive);
    Header1->setMinimumSectionSize(0);
    Header1->setFrameShape(QFrame::NoFrame);
    Header1->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    Header1->viewport()->installEventFilter(this);
    connect(Header1, &QHeaderView::sectionResized, this, [this] { RepaintList(); });
    connect(Header1, &TColumnHeader::ColumnResized, this, [this] { headerResized_ = true; });

    LB1 = new TFileListView(client);
    LB1->setObjectName("LB1");
    LB1->setProperty("Tag", kListTag);
    LB1->setToolTip("Select files to process");
    LB1->setStatusTip("Select files to process");
    LB1->SetRowPainter([this](QPainter& p, int row, QStyle::State state, const QRect& rect) {
        DrawEntry(p, row, Header1, state, rect);
    });
    LB1->FollowHeader(Header1);
    LB1->installEventFilter(this);
    connect(LB1, &TFileListView::KeyReleased, this, [this](int key, Qt::KeyboardModifiers m) {
        RunReportingErrors([&] { ListKeyReleased(key, m); });
    });
    connect(LB1, &TFileListView::RowDoubleClicked, this,
            [this](int row) { RunReportingErrors([&] { ListDoubleClicked(row); }); });
    connect(LB1, &TFileListView::Pressed, this, [this](const QPoint& p, Qt::MouseButton b, Qt::KeyboardModifiers m) {
        RunReportingErrors([&] { ListPressed(p, b, m); });
    });
    connect(LB1, &TFileListView::MouseMoved, this,
            [this](const QPoint& p, Qt::MouseButtons b, Qt::KeyboardModifiers m) {
                RunReportingErrors([&] { ListMouseMoved(p, b, m); });
            });
    connect(LB1, &TFileListView::ContextMenuAt, this, [this](const QPoint& p, bool byMouse) {
        RunReportingErrors([&] { PopupListMenu(p, byMouse); });
    });
    LB1->viewport()->setAcceptDrops(true);
    LB1->viewport()->installEventFilter(this);
}

void TMDIChild::CloseList() {
    CancelDrag();
    FreeEntries();
    LB1->SetRowCount(0);
    Closing = true;
}

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
