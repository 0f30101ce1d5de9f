#include "ui/dirwin/file_list_view.h"

#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyleOptionFocusRect>
#include <algorithm>

#include "ui/dirwin/column_header.h"

TFileListView::TFileListView(QWidget* parent) : QAbstractScrollArea(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    viewport()->setBackgroundRole(QPalette::Base);
    viewport()->setAutoFillBackground(true);
    verticalScrollBar()->setSingleStep(1);
    horizontalScrollBar()->setSingleStep(8);
}

void TFileListView::FollowHeader(TColumnHeader* header) {
    if (header_) disconnect(header_, nullptr, this, nullptr);
    header_ = header;
    if (header) {
        connect(header, &QHeaderView::sectionResized, this, [this] { UpdateSidewaysRange(); });
        connect(header, &QHeaderView::sectionCountChanged, this, [this] { UpdateSidewaysRange(); });
        connect(horizontalScrollBar(), &QScrollBar::valueChanged, header, &QHeaderView::setOffset,
                Qt::UniqueConnection);
    }
    UpdateSidewaysRange();
}

int TFileListView::ContentWidth() const { return header_ ? header_->ColumnsWidth() : 0; }

void TFileListView::UpdateSidewaysRange() {
    QScrollBar* bar = horizontalScrollBar();
    const int page = viewport()->width();
    bar->setPageStep(std::max(1, page));
    bar->setRange(0, std::max(0, ContentWidth() - page));
    if (header_) header_->setOffset(bar->value());
    viewport()->update();
}

void TFileListView::SetRowCount(int count) {
    count_ = std::max(0, count);
    if (current_ >= count_) current_ = -1;
    UpdateScrollRange();
    viewport()->update();
}

void TFileListView::SetRowHeight(int height) {
    rowHeight_ = std::max(1, height);
    UpdateScrollRange();
    viewport()->update();
}

int TFileListView::TopRow() const { return verticalScrollBar()->value(); }

int TFileListView::PageRows() const { return std::max(1, viewport()->height() / rowHeight_); }

void TFileListView::UpdateScrollRange() {
    QScrollBar* bar = verticalScrollBar();
    bar->setPageStep(PageRows());
    bar->setRange(0, std::max(0, count_ - PageRows()));
}

void TFileListView::SetCurrentRow(int row) {
    if (row < -1 || row >= count_) row = -1;
    if (row >= 0) {
        // Into view, scrolling as little as the row needs.
        const int top = TopRow();
        if (row < top)
            verticalScrollBar()->setValue(row);
        else if (row >= top + PageRows())
            verticalScrollBar()->setValue(row - PageRows() + 1);
    }
    if (row == current_) return;
    current_ = row;
    viewport()->update();
    emit CurrentRowChanged(row);
}

int TFileListView::RowAt(const QPoint& point) const {
    if (point.y() < 0) return -1;
    const int row = TopRow() + point.y() / rowHeight_;
    return row < count_ ? row : -1;
}

QRect TFileListView::RowRect(int row) const {
    return QRect(0, (row - TopRow()) * rowHeight_, viewport()->width(), rowHeight_);
}

void TFileListView::paintEvent(QPaintEvent* event) {
    QPainter painter(viewport());
    const QRect area = event->rect();
    const int first = TopRow() + std::max(0, area.top()) / rowHeight_;
    const int last = std::min(count_ - 1, TopRow() + area.bottom() / rowHeight_);
    const int scrolled = horizontalScrollBar()->value();
    for (int row = first; row <= last && painter_; ++row) {
        const QRect rect = RowRect(row);
        // The whole row from the columns' left edge, at least as wide as
        // the viewport so its background reaches the right border.
        const QRect whole(rect.left() - scrolled, rect.top(), std::max(ContentWidth(), rect.width() + scrolled),
                          rect.height());
        QStyle::State state = QStyle::State_Enabled;
        if (row == current_) state |= QStyle::State_Selected;
        painter.save();
        painter.setClipRect(rect);
        painter_(painter, row, state, whole);
        painter.restore();
        if (row == current_ && hasFocus()) {
            QStyleOptionFocusRect focus;
            focus.initFrom(this);
            focus.rect = rect;
            focus.state |= QStyle::State_KeyboardFocusChange;
            focus.backgroundColor = palette().color(QPalette::Highlight);
            style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
        }
    }
}

void TFileListView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollRange();
    UpdateSidewaysRange();
}

void TFileListView::keyPressEvent(QKeyEvent* event) {
    if (count_ == 0) {
        event->ignore();
        return;
    }
    const int row = current_;
    switch (event->key()) {
        case Qt::Key_Up: SetCurrentRow(std::max(0, row - 1)); break;
        case Qt::Key_Down: SetCurrentRow(std::min(count_ - 1, row + 1)); break;
        case Qt::Key_PageUp: SetCurrentRow(std::max(0, row - PageRows())); break;
        case Qt::Key_PageDown: SetCurrentRow(std::min(count_ - 1, std::max(0, row) + PageRows())); break;
        case Qt::Key_Home: SetCurrentRow(0); break;
        case Qt::Key_End: SetCurrentRow(count_ - 1); break;
        default: event->ignore(); return;
    }
    event->accept();
}

void TFileListView::keyReleaseEvent(QKeyEvent* event) {
    // A held key acts once, when it is let go.
    if (!event->isAutoRepeat()) emit KeyReleased(event->key(), event->modifiers());
    event->accept();
}

void TFileListView::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    // The pressed row becomes current before anyone hears of the press.
    if (event->button() == Qt::LeftButton) {
        const int row = RowAt(at);
        if (row >= 0) SetCurrentRow(row);
    }
    emit Pressed(at, event->button(), event->modifiers());
}

void TFileListView::mouseMoveEvent(QMouseEvent* event) {
    if (event->buttons() != Qt::NoButton)
        emit MouseMoved(event->position().toPoint(), event->buttons(), event->modifiers());
}

void TFileListView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    const int row = RowAt(event->position().toPoint());
    if (row >= 0) emit RowDoubleClicked(row);
}

void TFileListView::contextMenuEvent(QContextMenuEvent* event) {
    emit ContextMenuAt(event->pos(), event->reason() == QContextMenuEvent::Mouse);
    event->accept();
}

void TFileListView::focusInEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusInEvent(event);
    viewport()->update();
}

void TFileListView::focusOutEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusOutEvent(event);
    viewport()->update();
}
