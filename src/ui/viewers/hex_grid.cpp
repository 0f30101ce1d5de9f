#include "ui/viewers/hex_grid.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QTimer>
#include <QWheelEvent>
#include <algorithm>
#include <limits>

#include "core/viewers/hex_pager.h"

namespace {

// A scroll bar counts in int; beyond this many top positions its value is
// a fraction of the rows.
constexpr int kBarSteps = 1 << 30;

}  // namespace

THexGrid::THexGrid(THexPager& pager, QWidget* parent)
    : QAbstractScrollArea(parent), pager_(pager), header_(new QHeaderView(Qt::Horizontal, this)),
      headerModel_(new QStandardItemModel(this)) {
    setObjectName("Grid");
    header_->setObjectName("Header");
    header_->setModel(headerModel_);
    header_->setSectionResizeMode(QHeaderView::Interactive);
    header_->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    header_->setMinimumSectionSize(4);
    header_->setHighlightSections(false);
    connect(header_, &QHeaderView::sectionResized, this, [this] {
        UpdateScrollBars();
        viewport()->update();
    });
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, &THexGrid::ScrollBarMoved);
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setBackgroundRole(QPalette::Base);
    viewport()->setAutoFillBackground(true);
}

int THexGrid::RowHeight() const { return QFontMetrics(font()).height() + 1; }

int64_t THexGrid::RowCount() const { return pager_.DataRows() + 1; }

int64_t THexGrid::VisibleRows() const { return std::max(1, viewport()->height() / RowHeight()); }

int64_t THexGrid::MaxTop() const { return std::max<int64_t>(0, pager_.DataRows() - VisibleRows()); }

void THexGrid::Rebuild() {
    const int n = pager_.BytesPerRow();
    headerModel_->clear();
    headerModel_->setColumnCount(pager_.ColumnCount());
    const QFontMetrics fm(font());
    const int pad = 6;  // the cell's margin and grid line
    header_->resizeSection(0, fm.horizontalAdvance(QString(pager_.OffsetDigits() + 1, '0')) + pad);
    for (int c = 1; c <= n; ++c) header_->resizeSection(c, fm.horizontalAdvance("000") + pad);
    header_->resizeSection(n + 1, fm.horizontalAdvance(QString(n + 3, '0')) + pad);
    Redraw();
    top_ = 0;
    current_ = 0;
    LayoutHeader();
    UpdateScrollBars();
}

void THexGrid::Redraw() {
    for (int c = 0; c < pager_.ColumnCount(); ++c)
        headerModel_->setHeaderData(c, Qt::Horizontal, QString::fromStdString(pager_.CellText(0, c)));
    viewport()->update();
}

void THexGrid::LayoutHeader() {
    const int h = header_->sizeHint().height();
    setViewportMargins(0, h, 0, 0);
    const QRect vp = viewport()->geometry();
    header_->setGeometry(vp.left(), vp.top() - h, vp.width(), h);
}

void THexGrid::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    LayoutHeader();
    UpdateScrollBars();
}

void THexGrid::UpdateScrollBars() {
    QScrollBar* h = horizontalScrollBar();
    h->setRange(0, std::max(0, header_->length() - viewport()->width()));
    h->setPageStep(viewport()->width());
    h->setSingleStep(20);

    settingBar_ = true;
    QScrollBar* v = verticalScrollBar();
    const int64_t maxTop = MaxTop();
    if (maxTop <= kBarSteps) {
        v->setRange(0, static_cast<int>(maxTop));
        v->setPageStep(static_cast<int>(VisibleRows()));
        v->setValue(static_cast<int>(top_));
    } else {
        v->setRange(0, kBarSteps);
        v->setPageStep(std::max(1, static_cast<int>(VisibleRows() * kBarSteps / maxTop)));
        v->setValue(static_cast<int>(static_cast<long double>(top_) * kBarSteps / maxTop));
    }
    settingBar_ = false;
}

void THexGrid::ScrollBarMoved(int value) {
    if (settingBar_) return;
    const int64_t maxTop = MaxTop();
    top_ = maxTop <= kBarSteps ? value
                               : static_cast<int64_t>(static_cast<long double>(value) * maxTop / kBarSteps);
    top_ = std::clamp<int64_t>(top_, 0, maxTop);
    viewport()->update();
}

void THexGrid::SetTopRow(int64_t row) {
    top_ = std::clamp<int64_t>(row, 0, MaxTop());
    UpdateScrollBars();
    viewport()->update();
}

void THexGrid::SetCurrentRow(int64_t row) {
    const int64_t last = std::max<int64_t>(0, pager_.DataRows() - 1);
    current_ = std::clamp<int64_t>(row, 0, last);
    if (current_ < top_)
        SetTopRow(current_);
    else if (current_ >= top_ + VisibleRows())
        SetTopRow(current_ - VisibleRows() + 1);
    viewport()->update();
}

void THexGrid::scrollContentsBy(int dx, int dy) {
    (void)dy;  // rows follow the vertical bar through ScrollBarMoved
    if (dx != 0) header_->setOffset(horizontalScrollBar()->value());
    viewport()->update();
}

void THexGrid::paintEvent(QPaintEvent* event) {
    (void)event;
    QPainter p(viewport());
    const int rowHeight = RowHeight();
    const int columns = pager_.ColumnCount();
    const int64_t rows = pager_.DataRows();
    const int width = std::min(viewport()->width(), header_->length() - header_->offset());
    const QColor line = palette().color(QPalette::Mid);
    const int ascent = QFontMetrics(font()).ascent();
    int y = 0;
    for (int64_t r = top_; r < rows && y < viewport()->height(); ++r, y += rowHeight) {
        const bool current = r == current_;
        if (current) p.fillRect(0, y, width, rowHeight, palette().color(QPalette::Highlight));
        const QColor text = palette().color(current ? QPalette::HighlightedText : QPalette::Text);
        for (int c = 0; c < columns; ++c) {
            const int x = header_->sectionViewportPosition(c);
            const int w = header_->sectionSize(c);
            if (x + w < 0 || x > viewport()->width()) continue;
            p.setPen(text);
            p.setClipRect(x, y, w - 1, rowHeight - 1);
            p.drawText(x + 2, y + ascent, QString::fromStdString(pager_.CellText(r + 1, c)));
            p.setClipping(false);
            p.setPen(line);
            p.drawLine(x + w - 1, y, x + w - 1, y + rowHeight - 1);
        }
        p.setPen(line);
        p.drawLine(0, y + rowHeight - 1, width, y + rowHeight - 1);
    }
    ReportReadError();
}

void THexGrid::ReportReadError() {
    const std::string error = pager_.TakeReadError();
    if (error.empty() || reporting_ || !ReadFailed) return;
    // Never a message box from inside a paint event; one at a time.
    reporting_ = true;
    QTimer::singleShot(0, this, [this, error] {
        ReadFailed(error);
        reporting_ = false;
    });
}

void THexGrid::keyPressEvent(QKeyEvent* event) {
    const int64_t page = VisibleRows();
    switch (event->key()) {
        case Qt::Key_Up: SetCurrentRow(current_ - 1); break;
        case Qt::Key_Down: SetCurrentRow(current_ + 1); break;
        case Qt::Key_PageUp: SetCurrentRow(current_ - page); break;
        case Qt::Key_PageDown: SetCurrentRow(current_ + page); break;
        case Qt::Key_Home:
            if (event->modifiers() & Qt::ControlModifier) SetCurrentRow(0);
            else horizontalScrollBar()->setValue(0);
            break;
        case Qt::Key_End:
            if (event->modifiers() & Qt::ControlModifier) SetCurrentRow(pager_.DataRows() - 1);
            else horizontalScrollBar()->setValue(horizontalScrollBar()->maximum());
            break;
        case Qt::Key_Left: horizontalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepSub); break;
        case Qt::Key_Right: horizontalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd); break;
        default: QAbstractScrollArea::keyPressEvent(event); return;
    }
    event->accept();
}

void THexGrid::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        const int64_t row = top_ + event->position().toPoint().y() / RowHeight();
        if (row < pager_.DataRows()) SetCurrentRow(row);
    }
    QAbstractScrollArea::mousePressEvent(event);
}

void THexGrid::wheelEvent(QWheelEvent* event) {
    const int steps = event->angleDelta().y() / 40;  // three rows a notch
    if (steps != 0) SetTopRow(top_ - steps);
    event->accept();
}
