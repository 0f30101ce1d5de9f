// The split directory window TSepDir: the drive's directory tree on the
// left and, right of a movable splitter, the column header and the file
// list of the tree's current directory. Any number may be open, also
// several on one directory; their captions then carry numbers.
#pragma once

#include <QList>
#include <QPointer>
#include <functional>
#include <string>

#include "ui/dirwin/column_header.h"
#include "ui/dirwin/drag_drop_qt.h"
#include "core/filelist/drag_drop_rules.h"
#include "ui/dirwin/mdi_child_window.h"

class QAction;
class QDropEvent;
class QMimeData;
class QMenu;
class TDirTree;
class TFileListView;
class TFrameServices;

class TSepDir : public TMDIChild {
    Q_OBJECT
public:
    // Opens on quick directory quickDir when there is one (>= 0), else on
    // the process's current directory.
    explicit TSepDir(TFrameServices* frame, int quickDir = -1);
    ~TSepDir() override;

    // Looks up quick directory index: its directory and wildcards; false
    // when there is none. Set by the quick directory list.
    static std::function<bool(int index, std::string& directory, std::string& wildcards)>
        QuickDirectoryLookup;

    // ---- controls (the list and its header: TMDIChild)
    QWidget* Client = nullptr;         // the client area the controls are laid out in
    TDirTree* DLB1 = nullptr;          // the drive's directories
    QWidget* PSplitter = nullptr;      // between tree and list; tag 122
    // The tree directory last picked by the Directory menu or a right
    // click in the tree.
    std::string SelectedDir;

    // ---- menus merged into the main window's menu bar besides those of
    // TMDIChild
    QMenu* DirectoryMenu;
    QAction *DirCreateItem, *DirRemoveItem, *DirCopyItem, *DirViewItem, *DirViewNewItem, *DirBackItem,
        *DirRenameItem;
    QMenu* OptionsMenu;
    QMenu* SortMenu;
    QAction *SortNameItem, *SortTypeItem, *SortDateItem, *SortSizeItem;
    QAction *WildcardsItem, *AllOptionsItem, *ShowDrivesItem;

    // ---- the tree's context menu: the Directory commands by other names
    QMenu* TreeMenu;
    QAction *TreeViewItem, *TreeViewNewItem, *TreeBackItem, *TreeCreateItem, *TreeRemoveItem,
        *TreeCopyItem, *TreeRenameItem;

    // ---- the file list's context menu: TMDIChild's, with these
    QMenu* ListSortMenu;
    QAction* ListWildcardsItem;
    QAction *ListSortNameItem, *ListSortTypeItem, *ListSortDateItem, *ListSortSizeItem;

    // ---- TMDIFileBase / TMDIChild
    std::string GetDirectory() override;
    void WriteTaggedList(const std::string& fileName) override;
    QList<TMergeMenu> MergeMenus() override;
    bool ShowsPath(const std::string& path) override;
    void ReadDirectory() override;
    void Refresh() override { ReadDirectory(); }
    std::string GetSelectedDirectory() override;
    char GetDrive() override { return drive_; }
    void ReverseAll() override;
    std::string GetEntryPath(int index) override;
    void SetupHeader() override;
    void UpdateStatus() override;
    // UpdateStatus without the failure: false when the directory can no
    // longer be made current.
    bool ShowStatus();
    void RepaintList() override;
    int GetCurrentIndex() override;
    void UpdateTree() override;
    bool ApplyListFont() override;
    void TagNone() override;
    void TagAll() override;

    // ---- layout
    // Tree, splitter, header and list fill the client area from the stored
    // split: the tree from its margin up to the splitter, the header and the
    // list from just right of it to the right margin.
    void LayoutControls();
    // Moves the boundary between tree and list to client x (at least 100
    // pixels right of the tree's left edge), stores it for every window and
    // lays the controls out.
    void ApplySplit(int x);

    // ---- navigation
    void BackOneLevel();
    void ViewSelected();  // the tree goes to SelectedDir
    void ViewNew();       // a new window on SelectedDir
    // A right click in the tree at a viewport point, by the global options:
    // the context menu, or a jump (with Ctrl a new window), or back a level.
    void TreeRightClick(const QPoint& point, Qt::KeyboardModifiers modifiers);

    // ---- keys and mouse in the file list (the others are TMDIChild's)
    // A press at a viewport point: the left button in the Tag column
    // toggles the row; the right button readies the context menu for the
    // row under the mouse (not with Shift).
    void ListPressed(const QPoint& point, Qt::MouseButton button, Qt::KeyboardModifiers modifiers) override;
    // Opens the list's context menu; items not readied by a right press
    // (Shift, the keyboard) follow the current row.
    void PopupListMenu(const QPoint& point, bool byMouse) override;

    // ---- dragging (drag_sep_dir_window.cpp; file drags: TMDIChild)
    // Movement with the left button held, in viewport points of the tree:
    // 6 pixels from the press a directory drag starts.
    bool TreeMouseMoved(const QPoint& point, Qt::MouseButtons buttons);
    // A drag of the tree's selected directory.
    void StartDirectoryDrag();
    // A drag entering or moving over, or dropped on, the list or client
    // area (SplitList) or the tree; points in the receiving widget.
    void DragOver(TDropTarget target, QDropEvent* event);
    void Drop(TDropTarget target, QDropEvent* event);
    // The splitter let go with the mouse at a client point and its left
    // edge at client x: where it is accepted the split is applied (false
    // where it is not).
    bool SplitterAccepted(const QPoint& mouse) const;
    bool SplitterDropped(const QPoint& mouse, int x);

    // ---- enabling
    // The moment the enabling is computed at: the menu bar's Tag menu
    // opening offers its items on an empty list; every other moment (a
    // menu opening, a key press, activation, a status update) follows the
    // file list's rule.
    enum class TActionMoment { Other, TagMenuOpening };
    // Enables (and checks, and captions) every item of the window's menus
    // from its state: the one rule for all of them.
    void UpdateActions(TActionMoment moment = TActionMoment::Other);
    // SelectedDir := the tree's selected directory (the Directory menu
    // opening, a key press).
    void PickTreeSelection();
    // Readies the tree's context menu for a right click at a viewport point.
    void PrepareTreeMenu(const QPoint& point);
    // Readies the list's context menu for a right click at a viewport
    // point: tags the row when nothing is tagged, makes the row current and
    // enables the items.
    void PrepareListMenu(const QPoint& point);
    // Fills the list menu's applications and enables its items for the
    // current row.
    void ReadyListMenu();
    // The list's rows follow the entries (after the list changed).
    void SyncListRows();
    // The rows, the status line and the tag buttons follow the list.
    void ListChanged() override;

    // Sets the caption for directory dir (CaptionBase, WindowNumber).
    void SetCaptionFor(const std::string& dir);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildControls();
    void BuildMenus();
    void BuildDirectoryMenu();
    void BuildOptionsMenu();
    void BuildTreeMenu();
    // Item builders shared by the main menus and the context menus.
    QList<QAction*> AddSortItems(QMenu* menu, const char* prefix, const char* typeCaption);
    void ConnectDirectoryItems(QAction* view, QAction* viewNew, QAction* copy, QAction* create,
                               QAction* remove, QAction* rename, QAction* back);
    void SetDirectoryItems(QAction* view, QAction* viewNew, QAction* copy, QAction* create,
                           QAction* remove, QAction* rename, QAction* back, bool onItem,
                           bool createAlways);
    std::string StartDirectory();
    void DirectoryChanged(const std::string& dir);
    void SortBy(const char* keys);
    TDragFacts DragFacts(TDropTarget target, const QDropEvent& event);

    TFrameServices* main_;  // the frame holding the window; it outlives it
    int quickDir_ = -1;
    char drive_ = 0;
    bool listMenuReady_ = false;  // a right press readied the list menu
    bool treeMenuOnItem_ = false;  // the tree's menu opened on a directory
};
