// The hex viewer's grid: one header row whose columns the user can widen,
// and data rows drawn on demand from the pager. The top row is 64-bit; when
// a file has more rows than a scroll bar can count, the bar's position is
// mapped onto the rows.
#pragma once

#include <QAbstractScrollArea>
#include <cstdint>
#include <functional>
#include <string>

class QHeaderView;
class QStandardItemModel;
class THexPager;

class THexGrid : public QAbstractScrollArea {
    Q_OBJECT
public:
    THexGrid(THexPager& pager, QWidget* parent = nullptr);

    // After a load or a change of bytes per row: columns, their widths,
    // the header texts, data row 1 current and on top.
    void Rebuild();
    // After the lower-case switch: header texts and cells.
    void Redraw();

    QHeaderView* Header() const { return header_; }
    // Rows with the header row, as the grid counts them.
    int64_t RowCount() const;
    // 0-based data rows.
    int64_t TopRow() const { return top_; }
    int64_t CurrentRow() const { return current_; }
    void SetTopRow(int64_t row);
    void SetCurrentRow(int64_t row);
    // Data rows that fit wholly under the header.
    int64_t VisibleRows() const;
    int RowHeight() const;

    // A failed reread while drawing, shown once the drawing is over.
    std::function<void(const std::string&)> ReadFailed;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    int64_t MaxTop() const;
    void UpdateScrollBars();
    void ScrollBarMoved(int value);
    void LayoutHeader();
    void ReportReadError();

    THexPager& pager_;
    QHeaderView* header_;
    QStandardItemModel* headerModel_;
    int64_t top_ = 0;
    int64_t current_ = 0;
    bool settingBar_ = false;
    bool reporting_ = false;
};
