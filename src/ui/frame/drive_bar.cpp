#include "ui/frame/drive_bar.h"

#include <QContextMenuEvent>
#include <QDragEnterEvent>
#include <QHeaderView>
#include <QMenu>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <QStyledItemDelegate>

#include "core/drives/drive_texts.h"
#include "core/platform/platform.h"
#include "ui/dirwin/drag_drop_qt.h"

// Draws a cell: the drive's picture (removable or other, asked at every
// repaint; the drive itself is not touched) and its letter.
class TDriveCellDelegate : public QStyledItemDelegate {
public:
    explicit TDriveCellDelegate(TDriveBar* bar) : QStyledItemDelegate(bar), bar_(bar) {}
    void paint(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QStyledItemDelegate::paint(p, option, QModelIndex());
        if (option.state & QStyle::State_Selected) p->fillRect(option.rect, option.palette.highlight());
        const char letter = bar_->DriveOfRow(index.row());
        const bool removable = plat::GetDriveType(letter) == plat::DriveType::Removable;
        const QPixmap& picture = removable ? bar_->floppyDisk_ : bar_->hardDisk_;
        const int w = bar_->hardDisk_.width(), h = bar_->hardDisk_.height();
        const int left = option.rect.left(), top = option.rect.top();
        p->drawPixmap(left + w / 4, top + 2 * (h / 4), picture);
        p->setPen(option.state & QStyle::State_Selected ? option.palette.highlightedText().color()
                                                        : option.palette.text().color());
        p->drawText(QPoint(left + w + w / 2, top + h / 4 + p->fontMetrics().ascent()), QString(QChar(letter)));
    }

private:
    TDriveBar* bar_;
};

TDriveBar::TDriveBar(const std::vector<std::string>& driveList, const QPixmap& hardDisk,
                     const QPixmap& floppyDisk, QWidget* parent)
    : QTableWidget(static_cast<int>(driveList.size()), 1, parent),
      drives_(driveList),
      hardDisk_(hardDisk),
      floppyDisk_(floppyDisk) {
    setObjectName("DriveBar");
    horizontalHeader()->hide();
    verticalHeader()->hide();
    setShowGrid(false);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setBackgroundRole(QPalette::Button);
    viewport()->setBackgroundRole(QPalette::Button);
    setMouseTracking(true);
    setAcceptDrops(true);
    viewport()->setAcceptDrops(true);
    setItemDelegate(new TDriveCellDelegate(this));
    for (int r = 0; r < rowCount(); ++r) {
        auto* item = new QTableWidgetItem();
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        setItem(r, 0, item);
    }
    UpdateBarSize();
    connect(this, &QTableWidget::cellClicked, this, [this](int row, int) {
        if (const char letter = DriveOfRow(row)) emit DriveChosen(letter);
    });
}

char TDriveBar::DriveOfRow(int row) const {
    if (row < 0 || row >= static_cast<int>(drives_.size()) || drives_[row].empty()) return '\0';
    return drives_[static_cast<size_t>(row)][0];
}

void TDriveBar::SelectDrive(char letter) {
    letter = static_cast<char>(plat::UpperCase(std::string(1, letter))[0]);
    for (int r = 0; r < rowCount(); ++r)
        if (DriveOfRow(r) == letter) {
            setCurrentCell(r, 0);
            return;
        }
}

void TDriveBar::UpdateBarSize() {
    const int w = hardDisk_.width(), h = hardDisk_.height();
    // The rows' height in force before this sizing decides the scroll allowance.
    const int rowHeight = rowCount() > 0 ? this->rowHeight(0) : 2 * h + h / 2;
    const bool scrolls = rowCount() * (rowHeight + 1) > height();
    const int allowance = scrolls ? style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 4 : 0;
    setFixedWidth(2 * w + w / 2 + allowance + 2 * frameWidth());
    setColumnWidth(0, 2 * w + w / 2);
    for (int r = 0; r < rowCount(); ++r) setRowHeight(r, 2 * h + h / 2);
}

void TDriveBar::mouseMoveEvent(QMouseEvent* e) {
    QTableWidget::mouseMoveEvent(e);
    // Below the last cell the hint keeps its text.
    const char letter = DriveOfRow(rowAt(e->position().toPoint().y()));
    if (!letter) return;
    emit HintChanged(QString::fromStdString(DriveHint(letter, ShowFloppy && ShowFloppy())));
}

void TDriveBar::contextMenuEvent(QContextMenuEvent* e) {
    QMenu menu(this);
    menu.setObjectName("DriveBarMenu");
    menu.addAction("&Left", this, [this] { emit DockRequested(true); });
    menu.addAction("&Right", this, [this] { emit DockRequested(false); });
    menu.addAction("&Hide", this, [this] {
        hiddenByUser_ = true;
        hide();
        emit HideRequested();
    });
    menu.exec(e->globalPos());
}

bool TDriveBar::AcceptsDrag(QDropEvent* e) {
    const TDragKind kind = ReadDragData(e->mimeData()).Kind;
    if (kind != TDragKind::FileList && kind != TDragKind::Tree) return false;
    const int row = rowAt(e->position().toPoint().y());
    const char letter = DriveOfRow(row);
    if (!letter) return false;
    // A drive that is not ready keeps the drag but is not selected.
    int64_t size = 0, freeBytes = 0;
    if (plat::DiskSpace(letter, size, freeBytes)) setCurrentCell(row, 0);
    return true;
}

void TDriveBar::dragEnterEvent(QDragEnterEvent* e) {
    if (AcceptsDrag(e)) e->acceptProposedAction();
    else e->ignore();
}

void TDriveBar::dragMoveEvent(QDragMoveEvent* e) {
    if (AcceptsDrag(e)) e->acceptProposedAction();
    else e->ignore();
}

void TDriveBar::dropEvent(QDropEvent* e) {
    if (!AcceptsDrag(e)) {
        e->ignore();
        return;
    }
    e->acceptProposedAction();
    const char letter = DriveOfRow(currentRow());
    if (letter) emit DroppedOnDrive(letter);
}
