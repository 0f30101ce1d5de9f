// The search result window TCmbDir: one flat list of every file found below
// a base directory that passes a drive search's criteria, each shown with
// its path relative to the base. There is no tree. It behaves as the split
// window otherwise: rows are tagged, and every file operation, tagging
// dialog, viewer and application works on it through TMDIChild. The search
// runs on the user-interface thread and hands control back several times a
// second, so the list grows as files are found and Escape or closing the
// window stops it.
#pragma once

#include <QList>
#include <cstdint>
#include <optional>
#include <string>

#include "core/search/drive_scan.h"
#include "ui/dirwin/column_header.h"
#include "ui/dirwin/mdi_child_window.h"

class QAction;
class QMenu;
class TFileListView;

class TCmbDir : public TMDIChild {
    Q_OBJECT
  public:
    // The window is made without searching; Search runs it (after the
    // frame has added the window, so that the list is seen growing).
    TCmbDir(TFrameServices* frame, const TDriveSearchCriteria& criteria);
    ~TCmbDir() override;

    bool IsResultWindow() const override { return true; }

    // ---- its menus are TMDIChild's, without Compare Paths

    // ---- the search
    const TDriveSearchCriteria& Criteria() const { return criteria_; }
    // Runs the search again from the base directory. Ends at once (the
    // window closing) when the list cannot take more files.
    void Search();
    bool Searching() const { return searching_; }
    // Asks a running search to stop after the file in hand.
    void StopSearch() { stopRequested_ = true; }
    // How long the last search took; ReadDirectory searches again only
    // when that was under the window's DSRefresh seconds.
    int64_t LastSearchMs = 0;
    // The most entries the list takes (tests lower it).
    int EntryLimit = INT32_MAX - 1;
    // How the last search ended, and the directories it could not read.
    TScanEnd LastEnd() const { return lastEnd_; }
    int SkippedDirectories() const { return scan_.SkippedDirectories(); }
    // The path of entry index's directory below the base ("A\B\", "" for the base).
    std::string RelativeDirectory(int index) const;

    // ---- TMDIFileBase / TMDIChild
    std::string GetDirectory() override { return criteria_.BaseDirectory; }
    void WriteTaggedList(const std::string& fileName) override;
    QList<TMergeMenu> MergeMenus() override;
    bool ShowsPath(const std::string& path) override;
    void ReadDirectory() override;
    void Refresh() override { Search(); }
    void UpdateTree() override { ReadDirectory(); }
    std::string GetSelectedDirectory() override;
    char GetDrive() override;
    std::string GetEntryName(int index) override;
    std::string GetEntryPath(int index) override;
    int FindEntry(const std::string& name) override;
    void GetTaggedNames(std::vector<std::string>& names) override;
    std::string GetColumnText(int index, char column) override;
    void FreeEntries() override;
    void ClearEntries() override;
    void SetupHeader() override;
    void UpdateStatus() override;
    void RepaintList() override;
    int GetCurrentIndex() override;
    bool ApplyListFont() override;
    void TagNone() override { FileList.TagNone(); }
    void TagAll() override { FileList.TagAll(); }
    void ReverseAll() override { FileList.ReverseAll(); }

    // ---- keys and mouse in the list (the others are TMDIChild's)
    void ListPressed(const QPoint& point, Qt::MouseButton button, Qt::KeyboardModifiers modifiers) override;
    void PopupListMenu(const QPoint& point, bool byMouse) override;
    // A drag entering or moving over, or dropped on, the list (viewport
    // points): taken over a row, which becomes the current row, into that
    // row's directory.
    void DragOver(QDropEvent* event);
    void Drop(QDropEvent* event);
    // The directory of entry index: the base, or a directory below it.
    std::string RowDirectory(int index) const;
    // Enables every item of the window's menus from its state.
    void UpdateActions();

  protected:
    void ListChanged() override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

    // The result window's own pictures, by ResultDragCursor.
    QPixmap FileDragPicture(int taggedCount, bool move) const override;

  private:
    class TSink;
    TDragFacts DragFacts(const QDropEvent& event);
    void BuildControls();
    void BuildMenus();
    void SetCaption();
    // The hint line after a search: stopped, directories passed over.
    std::string EndText() const;

    TFrameServices* main_;
    TDriveSearchCriteria criteria_;
    TDriveScan scan_;
    TScanEnd lastEnd_ = TScanEnd::Complete;
    bool searching_ = false;
    bool stopRequested_ = false;
    bool closeAfterSearch_ = false;
    bool listMenuReady_ = false;
};
