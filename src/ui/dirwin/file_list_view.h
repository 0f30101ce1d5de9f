// The owner-drawn file list of a directory window (control LB1): any number
// of rows of one fixed height, with one current row. It stores nothing per
// row; on each paint it asks its row painter for the visible rows only.
// Rows are as wide as the columns of the header it follows; wider than the
// list, they scroll sideways together with that header.
#pragma once

#include <QAbstractScrollArea>
#include <QPointer>
#include <QStyle>
#include <functional>

class TColumnHeader;

class TFileListView : public QAbstractScrollArea {
    Q_OBJECT
public:
    // Draws row index into its rectangle: the whole row, columns from its
    // left edge (viewport coordinates, shifted by the sideways scroll).
    using RowPainter = std::function<void(QPainter&, int row, QStyle::State, const QRect&)>;

    explicit TFileListView(QWidget* parent = nullptr);

    void SetRowPainter(RowPainter painter) { painter_ = std::move(painter); }
    // The number of rows; the current row is dropped when it no longer exists.
    void SetRowCount(int count);
    int RowCount() const { return count_; }
    void SetRowHeight(int height);
    int RowHeight() const { return rowHeight_; }

    // The current row, -1 for none. Setting one scrolls it into view.
    int CurrentRow() const { return current_; }
    void SetCurrentRow(int row);
    int TopRow() const;
    // Rows that fit whole into the viewport (at least 1).
    int PageRows() const;
    // The row at a viewport point, -1 below the last row.
    int RowAt(const QPoint& point) const;
    // The visible part of row in the viewport.
    QRect RowRect(int row) const;

    // The columns: the rows are as wide as header's columns together, the
    // sideways scroll range is what of them does not fit, and the header
    // scrolls with the list.
    void FollowHeader(TColumnHeader* header);
    // The width of the columns together (0 without a header).
    int ContentWidth() const;
    // The header's sections were rebuilt (its signals were quiet).
    void ColumnsChanged() { UpdateSidewaysRange(); }

signals:
    void CurrentRowChanged(int row);
    // Keys go on to the window when released (Space, Delete, 8 ...).
    void KeyReleased(int key, Qt::KeyboardModifiers modifiers);
    void Pressed(const QPoint& point, Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
    // Movement with a button held (a drag may start).
    void MouseMoved(const QPoint& point, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers);
    void RowDoubleClicked(int row);
    // byMouse: asked for by the right button (not by the keyboard).
    void ContextMenuAt(const QPoint& point, bool byMouse);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void UpdateScrollRange();
    void UpdateSidewaysRange();

    RowPainter painter_;
    int count_ = 0;
    int rowHeight_ = 16;
    int current_ = -1;
    QPointer<TColumnHeader> header_;
};
