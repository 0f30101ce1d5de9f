// The main window's speed bar: command buttons, the sort box, the pattern
// box and the application category box. Docks at the top or the bottom edge
// or hides through its own context menu.
#pragma once

#include <QToolBar>

class QAction;
class QComboBox;
class QLineEdit;
class QMenu;
class QToolButton;

class TSpeedBar : public QToolBar {
    Q_OBJECT
public:
    explicit TSpeedBar(QWidget* parent = nullptr);

    // Left to right.
    QToolButton* SB_New;          // "Open a new directory window"
    QToolButton* SB_DriveSearch;  // "Drive Search"
    QToolButton* SB_AppList;      // "Application List"
    QToolButton* SB_Copy;         // "Copy Files"
    QToolButton* SB_Delete;       // "Delete Files"
    QToolButton* SB_QuickDir;     // "Quick Directory List"
    QToolButton* SB_QuickAdd;     // "Quick Add to Direcotry List"
    QToolButton* SB_TagAll;       // "Tag all files"
    QToolButton* SB_TagNone;      // "Clear all tags"
    QToolButton* SB_TagWild;      // "Tag based on wildcards"
    QToolButton* SB_Compare;      // "Tag against another directory"
    QToolButton* SB_Options;      // "Set Options"
    QComboBox* CB_Sort;           // "Type", "Name", "Date", "Size"
    QLineEdit* E_Pattern;         // the active window's wildcards; a click edits them
    QComboBox* CB_Category;       // application categories
    QToolButton* SB_TileH;        // "Tile Horizontal"
    QToolButton* SB_TileV;        // "Tile Vertical"
    QToolButton* SB_Maximize;     // "Maximize windows"

    // "&Top", "&Bottom", "&Hide".
    QMenu* DockMenu;
    QAction* DockTop;
    QAction* DockBottom;
    QAction* DockHide;

    // The button stands for its menu twin: enabled exactly when the twin
    // is (Follow), and with Mirror a click chooses the twin.
    static void Follow(QToolButton* button, QAction* twin);
    static void Mirror(QToolButton* button, QAction* twin);

signals:
    void PatternClicked();
    // The context menu is about to open (pending drags are cancelled).
    void ContextMenuOpening();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    QToolButton* AddButton(const char* name, const char* hint);
};
