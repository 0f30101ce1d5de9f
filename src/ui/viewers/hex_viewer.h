// TfVHex, the hex viewer: any file as rows of hexadecimal bytes with their
// characters beside them, never loaded whole. Bytes per row and lower-case
// digits are kept in section "VHex"; the search runs through the file
// search with the "Find Hex Characters" dialog.
#pragma once

#include <QWidget>
#include <cstdint>
#include <functional>
#include <string>

#include "core/viewers/hex_pager.h"

class QAction;
class QLabel;
class QMenu;
class QMenuBar;
class THexGrid;

class TfVHex : public QWidget {
    Q_OBJECT
public:
    explicit TfVHex(QWidget* parent = nullptr);

    // Shows fileName from its first row. A file that cannot be read is
    // reported with "Error reading file: " and the window closes; answers
    // whether it loaded.
    bool LoadFile(const std::string& fileName);

    void SetBytesPerRow(int32_t n);
    void AdjustToColumn1();
    void ToggleLowerCase();
    // "&Find ...": asks for the bytes, then searches.
    void Find();
    // "find &Again" and "Find &Next".
    void FindAgain();
    // Closes the viewer, or the document window that holds it.
    void CloseViewer();
    // Closed and waiting for its deletion.
    bool Closed() const { return closed_; }

    // Asks for the search: bytes, case sensitivity and from the top; false
    // on Cancel. The "Find Hex Characters" dialog unless a test sets it.
    std::function<bool(std::string& bytes, bool& caseSensitive, bool& fromTop)> AskSearch;

    THexPager Pager;
    THexGrid* Grid;
    QMenuBar* MainMenu;
    QMenu* ViewMenu;       // "&View"
    QAction* View4;        // "&4 bytes"
    QAction* View8;
    QAction* View16;
    QAction* View32;
    QAction* ViewAdjust;   // "&Adjust to column 1"
    QAction* ViewLower;    // "&Lowercase Hex"
    QMenu* SearchMenu;     // "&Search"
    QAction* SearchFind;   // "&Find ..."
    QAction* SearchAgain;  // "find &Again"
    QMenu* GridMenu;       // the grid's context menu
    QAction* GridNext;     // "Find &Next"
    QAction* GridClose;    // "C&lose"
    QLabel* SizeLabel;
    QLabel* DateLabel;
    bool FindAgainEnabled = false;
    // Sets FindAgainEnabled and the items that follow it, so that Ctrl+F3
    // works without opening a menu first.
    void EnableFindAgain(bool enabled);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildMenus();
    void CheckBytesPerRow();
    void SearchFrom(int64_t start);

    std::string searchBytes_;
    bool caseSensitive_ = false;
    int64_t lastHitRow_ = -1;  // the row of the last hit and the top row it gave
    int64_t hitTop_ = -1;
    bool closed_ = false;
};
