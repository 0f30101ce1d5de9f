// The column header of a directory window's file list (control Header1):
// sections the user resizes, with the widths the settings store keeps. The
// last section is at least as wide as its caption and also takes the room
// left at the right of the header, so its caption is never cut; what is
// stored is its own width.
#pragma once

#include <QHeaderView>

class QFontMetrics;

class TColumnHeader : public QHeaderView {
    Q_OBJECT
public:
    explicit TColumnHeader(QWidget* parent = nullptr);

    // The sections were rebuilt: the last one's present width is its own.
    void SectionsSet();
    // The width of section i as set or stored; for the last section without
    // the room it fills.
    int OwnSectionSize(int i) const;
    // The sections together at their own widths: what the rows need.
    int ColumnsWidth() const;

signals:
    // The user resized a section (not the header filling its room).
    void ColumnResized();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void FillRoom();
    // The last section without the room it fills: its own width, at least
    // its caption's.
    int LastColumnWidth() const;

    int ownLast_ = 0;
    bool filling_ = false;
};

// text as it fits into a column width pixels wide: whole when it fits, else
// cut with an ellipsis at its end (empty where not even that fits).
QString ElideToColumn(const QString& text, const QFontMetrics& metrics, int width);
