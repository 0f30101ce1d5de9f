// The owner-drawn file list of a directory window (control LB1): any number
// of rows of one fixed height, with one current row. It stores nothing per
// row; on each paint it asks its row painter for the visible rows only.
#pragma once

#include <QAbstractScrollArea>
#include <QStyle>
#include <functional>

class TFileListView : public QAbstractScrollArea {
    Q_OBJECT
public:
    // Draws row index into its rectangle (viewport coordinates).
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
    QRect RowRect(int row) const;

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

    RowPainter painter_;
    int count_ = 0;
    int rowHeight_ = 16;
    int current_ = -1;
};
