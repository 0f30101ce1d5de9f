#include "ui/dirwin/column_header.h"

#include <QFontMetrics>
#include <algorithm>

TColumnHeader::TColumnHeader(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {
    connect(this, &QHeaderView::sectionResized, this, [this](int logical, int, int size) {
        if (filling_) return;
        if (logical == count() - 1) ownLast_ = size;
        FillRoom();
        emit ColumnResized();
    });
}

void TColumnHeader::SectionsSet() {
    ownLast_ = count() > 0 ? sectionSize(count() - 1) : 0;
    FillRoom();
}

int TColumnHeader::OwnSectionSize(int i) const { return i == count() - 1 ? ownLast_ : sectionSize(i); }

int TColumnHeader::ColumnsWidth() const {
    const int last = count() - 1;
    return last < 0 ? 0 : length() - sectionSize(last) + LastColumnWidth();
}

int TColumnHeader::LastColumnWidth() const {
    const int last = count() - 1;
    return last < 0 ? 0 : std::max(ownLast_, sectionSizeFromContents(last).width());
}

void TColumnHeader::resizeEvent(QResizeEvent* event) {
    QHeaderView::resizeEvent(event);
    FillRoom();
}

void TColumnHeader::FillRoom() {
    const int last = count() - 1;
    if (last < 0) return;
    const int width = std::max(LastColumnWidth(), viewport()->width() - sectionPosition(last));
    if (sectionSize(last) == width) return;
    filling_ = true;
    resizeSection(last, width);
    filling_ = false;
}

QString ElideToColumn(const QString& text, const QFontMetrics& metrics, int width) {
    if (metrics.horizontalAdvance(text) <= width) return text;
    if (width <= 0) return {};
    const QString cut = metrics.elidedText(text, Qt::ElideRight, width);
    return metrics.horizontalAdvance(cut) <= width ? cut : QString();
}
