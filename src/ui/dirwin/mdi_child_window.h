// Base of both kinds of directory window: the split window (TSepDir) and
// the search result window (TCmbDir). The main window, the file operation
// and tagging dialogs, the searches and the application launcher reach a
// directory window only through these virtual operations, kept in their
// fixed order. Entry and tag operations forward to the window's file list;
// the two window kinds override what they show and do.
#pragma once

#include <QStyle>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "core/filelist/drag_drop_rules.h"
#include "core/filelist/file_list.h"
#include "ui/dirwin/drag_drop_qt.h"
#include "ui/dirwin/commands.h"
#include "ui/dirwin/frame_services.h"
#include "ui/dirwin/mdi_file_base_window.h"
#include "core/settings/quilby_options.h"

class QAction;
class QDropEvent;
class QHeaderView;
class QMenu;
class QMimeData;
class QPainter;
class QRect;
class TColumnHeader;
class TFileListView;

class TMDIChild : public TMDIFileBase {
    Q_OBJECT
public:
    explicit TMDIChild(TFrameServices* frame = nullptr, QWidget* parent = nullptr)
        : TMDIFileBase(frame, parent) {}

    // A search result window rather than a split window; the frame counts
    // the two kinds apart.
    virtual bool IsResultWindow() const { return false; }

    // The file list (one row per entry, tag 1426) and its column header.
    TFileListView* LB1 = nullptr;
    TColumnHeader* Header1 = nullptr;
    int DragStartX = 0, DragStartY = 0;  // last left-button press in the list or tree
    bool Closing = false;                // the window is closing; layout does nothing
    std::string CaptionBase;             // caption without its number suffix
    int WindowNumber = 0;                // tells apart windows on one directory
    // The entries, their tags and the counters EntryCount, EntryBytes,
    // TaggedCount and TaggedBytes.
    TFileListModel FileList;
    TQuilbyOptions Options;              // this window's own copy

    // 3-6 of the file-window operations that every directory window answers
    // the same way; GetDirectory and WriteTaggedList are the windows' own.
    int GetTaggedCount() override { return FileList.GetTaggedCount(); }
    std::string GetCurrentName() override {
        int i = GetCurrentIndex();
        return i >= 0 ? GetEntryName(i) : std::string();
    }

    // 7. Lays a name out in 12 columns, 8.3 style, at most maxLength long.
    virtual void FormatShortName(std::string& name, int maxLength);
    // 8.
    virtual void FreeEntries() { FileList.FreeEntries(); }
    // 9.
    virtual void ClearEntries() { FileList.ClearEntries(); }
    // 10. Text of one column ('*', 'F', 'E', 'D', 'T', 'S', 'A') of entry index.
    virtual std::string GetColumnText(int index, char column);
    // 11. Draws one row of the file list: background (selection colour when
    // selected), the columns of DFields at the header's section positions in
    // the painter's font (executables in the main window's colour and
    // styles of the frame's display settings), and the tag mark.
    virtual void DrawEntry(QPainter& painter, int index, QHeaderView* header, QStyle::State state,
                           const QRect& rect);
    // 12. Whether a change at path (compared without regard to case)
    // concerns this window.
    virtual bool ShowsPath(const std::string& path) = 0;
    // 13.
    virtual void ReadDirectory() = 0;
    // 14.
    virtual void Refresh() = 0;
    // 15. Split window: the tree's selected directory; result window: the
    // directory of the current row.
    virtual std::string GetSelectedDirectory() = 0;
    // 16. Drive letter of the directory the window was opened on.
    virtual char GetDrive() = 0;
    // 17. Called on every click on a row; no effect.
    virtual void PreviewPicture(int index) { (void)index; }
    // 18. Renames the tagged entries one by one (the rename dialog).
    virtual void RenameTagged();
    // 19. The entry in the picture viewer.
    virtual void ViewPicture(int index);
    // 20. The tag-by-text-search dialog.
    virtual void SearchText() { RunDirCommand(TCommand::SearchText); }
    // 21. The tag-by-attribute dialog.
    virtual void TagByAttribute();
    // 22. The tag-by-date-range dialog.
    virtual void TagByDate();
    // 23. ViewPicture when the entry is a picture file (.BMP .ICO .EMF .WMF).
    virtual void ViewIfPicture(int index);
    // 24. The attribute dialog.
    virtual void SetAttributes();

    // 25-44: entries and tags.
    virtual void GetTaggedNames(std::vector<std::string>& names) { FileList.GetTaggedNames(names); }
    virtual bool IsTagged(int index) { return FileList.IsTagged(index); }
    virtual int FirstTagged() { return FileList.FirstTagged(); }
    virtual int NextTagged(int index) { return FileList.NextTagged(index); }
    virtual int PrevTagged(int index) { return FileList.PrevTagged(index); }
    virtual int LastTagged() { return FileList.LastTagged(); }
    virtual void UntagEntry(int index) { FileList.UntagEntry(index); }
    virtual void TagEntry(int index) { FileList.TagEntry(index); }
    virtual void ToggleTag(int index) { FileList.ToggleTag(index); }
    // The main window's reverse command; the windows also repaint and
    // update the status.
    virtual void ReverseAll() { FileList.ReverseAll(); }
    virtual void ToggleAll() { FileList.ToggleAll(); }
    virtual int GetEntryCount() { return FileList.GetEntryCount(); }
    // Tag loops gather their changes: the views hear of them once.
    [[nodiscard]] TFileListModel::TChanges GatherChanges() { return FileList.GatherChanges(); }
    virtual plat::DateTime GetEntryDate(int index) { return FileList.GetEntryDate(index); }
    virtual int64_t GetEntrySize(int index) { return FileList.GetEntrySize(index); }
    virtual uint32_t GetEntryAttr(int index) { return FileList.GetEntryAttr(index); }
    virtual std::string GetEntryName(int index) { return FileList.GetEntryName(index); }
    virtual int FindEntry(const std::string& name) { return FileList.FindEntry(name); }
    virtual std::string GetEntryPath(int index) = 0;
    // Rebuilds the column header from the options and the stored widths.
    virtual void SetupHeader() = 0;
    // Writes the window's figures, sort key, patterns and button states into
    // the frame (TFrameServices::ShowDirectoryStatus).
    virtual void UpdateStatus() = 0;

    // 45. Opens the entry with its associated program; failures are said
    // through the prompter.
    virtual void OpenEntry(int index);
    // 46. A new text editor window on the entry.
    virtual void EditEntry(int index);
    // 47. Prints the entry through the shell.
    virtual void PrintEntry(int index);
    // 48.
    virtual void RepaintList() = 0;
    // 49.
    virtual int GetListCount() { return FileList.GetListCount(); }
    // 50. The list's current row, -1 when none.
    virtual int GetCurrentIndex() = 0;
    // 51. Nothing here; the split window re-reads its directory tree.
    virtual void UpdateTree() {}
    // 52. Takes the display settings' list font; true when it changed.
    virtual bool ApplyListFont() = 0;
    // 53. Ends a drag from this window without a drop.
    virtual void CancelDrag();
    // 54. The delete dialog.
    virtual void DeleteTagged();
    // 55. The copy dialog.
    virtual void CopyTagged();
    // 56. The move dialog.
    virtual void MoveTagged();
    // 57. The windows also repaint and update the status.
    virtual void TagNone() { FileList.TagNone(); }
    // 58.
    virtual void TagAll() { FileList.TagAll(); }

    // Width of the letter "A" in the window's font: the unit of the column
    // widths.
    int CharWidth() const;

    // ---- the menus both window kinds have (menus_mdi_child_window.cpp):
    // Tag, Perform, Viewers and Applications in the main window's menu
    // bar, and the file list's context menu, which shows the same Tag and
    // Perform actions. Its own items are those named differently from
    // their menu-bar twins, and those it alone has.
    QMenu* TagMenu = nullptr;
    QAction *TagAllItem, *TagReverseItem, *TagNoneItem, *TagDateItem, *TagSizeItem, *TagWildItem,
        *TagAttrItem, *TagSearchItem;
    QAction* TagCompareItem = nullptr;  // split windows only
    QMenu* PerformMenu = nullptr;
    QAction *CopyItem, *MoveItem, *ShredItem, *DeleteItem, *AttrItem, *RenameItem;
    QMenu* ViewersMenu = nullptr;
    QAction *ViewAsciiItem, *ViewHexItem, *ViewPicturesItem;
    QMenu* AppMenu = nullptr;
    QList<QAction*> AppItems;  // A1 .. A9
    QAction* AppMoreItem = nullptr;
    QMenu* ListMenu = nullptr;
    QMenu *ListEditMenu, *ListViewersMenu, *ListAppMenu, *ListTagMenu, *ListPerformMenu;
    QAction *ListEditItem, *ListNewFileItem;
    QAction *ListViewAsciiItem, *ListViewHexItem, *ListViewPictureItem;
    QList<QAction*> ListAppItems;
    QAction* ListAppMoreItem = nullptr;
    QAction *ListTagSingleItem, *ListTagAttrItem;

    // ---- keys and mouse in the file list (list_input_mdi_child_window.cpp)
    // A press at a viewport point of the list; the list's context menu
    // (byMouse: asked for by the right button).
    virtual void ListPressed(const QPoint& point, Qt::MouseButton button, Qt::KeyboardModifiers modifiers) = 0;
    virtual void PopupListMenu(const QPoint& point, bool byMouse) = 0;
    // Space toggles the current row and moves on; Delete deletes the tagged
    // entries (the current one when none is tagged); 8 shows a picture.
    void ListKeyReleased(int key, Qt::KeyboardModifiers modifiers);
    // Opens the entry (when double clicks run) or toggles its tag.
    void ListDoubleClicked(int row);

    // ---- dragging (drag_mdi_child_window.cpp)
    // Movement over the file list with the left button held, in viewport
    // points: 6 pixels from the press a file drag starts.
    void ListMouseMoved(const QPoint& point, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers);
    // A drag of the tagged rows with the current row (Shift: every row);
    // Ctrl makes it a move.
    void StartFileDrag(Qt::KeyboardModifiers modifiers);
    // A drag from this window is under way.
    bool Dragging() const { return dragging_; }

protected:
    // Rebuilds header's sections from Options (and DFields, TFields with
    // them), each width from the settings section ("Header" or "Header2")
    // under its caption, else its default.
    void BuildHeader(QHeaderView* header, const std::string& section, bool resultWindow);
    // Writes the widths of every shown section under their captions.
    void SaveColumnWidths(QHeaderView* header, const std::string& section);
    // The figures, sort key and patterns the frame's status line shows.
    TDirectoryStatus StatusFigures() const;
    // From now on every change of FileList is followed by ListChanged.
    void FollowListChanges() {
        FileList.SetChangeListener([this] { ListChanged(); });
    }
    // The entries or their tags changed: the view and the status follow.
    // The list tells from inside its changes, so nothing may escape.
    virtual void ListChanged();
    // Runs a command on this window through the frame's registry (nothing
    // outside a frame or when no part has registered it); the progress
    // gauge is hidden afterwards.
    void RunDirCommand(TCommand command);
    // Whether the frame holding the window has a handler for command.
    bool CanRun(TCommand command) const;
    // Shell "open" or "print" of an entry, with the two failure messages.
    void ShellEntry(const std::string& verb, int index);

    // Makes Header1 and LB1 in client, with the list's keys, mouse and
    // drags going to the window; the window watches the list, its viewport
    // and the header's viewport (a section resize ends at a release).
    void BuildFileList(QWidget* client);
    bool headerResized_ = false;  // a section was resized; widths are stored at the release
    // The window is closing: a drag from it ends, its entries and rows go,
    // and layout stops.
    void CloseList();
    // A left press at a viewport point of the list: where a drag is
    // measured from; in the Tag column of the current row it toggles the tag.
    void ListLeftPressed(const QPoint& point);

    // ---- building the menus both window kinds have
    // Runs fn when the item is chosen; errors are shown, the program goes on.
    void OnTrigger(QAction* action, std::function<void()> fn);
    // The Tag menu; withCompare: with "&Compare Paths ..." (split windows).
    void BuildTagMenu(bool withCompare);
    // The Perform items start disabled.
    void BuildPerformMenu();
    void BuildViewersMenu();
    void BuildAppMenu();
    // The list's context menu with Edit, Viewers, Applications, Tag and
    // Perform (built after the menus above).
    void BuildListMenu();
    // The nine application items and "&More ..." (hidden) of an
    // Applications menu; numbered: the menu bar's captions "&A1" ...
    void BuildAppItems(QMenu* menu, QList<QAction*>& items, QAction*& more, bool numbered);
    void ConnectViewerItems(QAction* ascii, QAction* hex, QAction* picture);
    // A viewer on the current row.
    void ShowViewer(TCommand viewer);

    // ---- dragging
    // The picture a file drag of taggedCount files shows.
    virtual QPixmap FileDragPicture(int taggedCount, bool move) const;
    // Whether the mouse has gone far enough from the press for a drag.
    bool FarEnoughToDrag(const QPoint& point) const;
    // Runs the drag of control's data (the frame's drag state is set).
    void RunDrag(QWidget* control, QMimeData* data, const QPixmap& picture);
    // What is dragged over this window and where it comes from; the
    // target directory is the caller's to fill in.
    TDragFacts ReadDragFacts(const QDropEvent& event);
    // The drag that entered has left (or a new one enters).
    void ForgetDraggedData() { dragRead_ = nullptr; }
    // Answers a drag entering or moving over target; true when the place
    // under the mouse takes it.
    bool AnswerDragOver(TDropTarget target, const TDragFacts& facts, QDropEvent* event);
    // A drop on target: the dialog it opens (none over the own window),
    // and the drag state cleared.
    void TakeDrop(TDropTarget target, const TDragFacts& facts, QDropEvent* event);

private:
    bool dragging_ = false;
    // What the drag over this window carries, read when it entered.
    const void* dragRead_ = nullptr;
    TDraggedData dragData_;
};
