// The directory tree of a split window (control DLB1): the directories of
// one drive, read lazily (a node reads its subdirectories when it first
// opens). A node shows the expand arrow only when it has a subdirectory:
// that is asked once, when the node first comes into view, and the asking
// stops at the first subdirectory found. It has a current directory, shown
// open and bold, and a selected item that may differ from it; a double click
// or Enter on an item makes it the current directory.
#pragma once

#include <QTimer>
#include <QTreeWidget>
#include <string>

class TDirTree : public QTreeWidget {
    Q_OBJECT
public:
    explicit TDirTree(QWidget* parent = nullptr);

    // Hidden and system directories are listed only when asked for.
    void SetShowHidden(bool show) { showHidden_ = show; }
    // Makes dir (Windows form) the current directory, opening the nodes on
    // the way; a directory of another drive roots the tree there. False,
    // and nothing changes, when dir does not exist. DirectoryChanged is
    // emitted when the current directory becomes another one.
    bool SetDirectory(const std::string& dir);
    // The current directory as the file system spells it; "" before the
    // first SetDirectory.
    std::string Directory() const;
    // The selected item's directory; "" when nothing is selected.
    std::string SelectedPath() const;
    // The directory of the item at a viewport point; "" on empty space.
    std::string PathAt(const QPoint& point) const;
    // Selects the item of dir when the tree holds it (nothing opens).
    void SelectPath(const std::string& dir);
    // Reads the tree again from the file system and goes back to the
    // current directory, or to the nearest one above it that still exists.
    void Reread();

signals:
    void DirectoryChanged(const std::string& dir);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QTreeWidgetItem* Root() const { return topLevelItemCount() > 0 ? topLevelItem(0) : nullptr; }
    void MakeRoot(char drive);
    // Reads the subdirectories of an item once.
    void LoadChildren(QTreeWidgetItem* item);
    QTreeWidgetItem* AddChild(QTreeWidgetItem* parent, const std::string& name);
    // The item of dir, reading the nodes on the way; nullptr when it does
    // not exist.
    QTreeWidgetItem* FindOrLoad(const std::string& dir);
    void MarkCurrent(QTreeWidgetItem* item);
    static std::string PathOf(const QTreeWidgetItem* item);
    uint32_t ListedAttributes() const;
    // Asks the nodes in view that were not asked yet whether they have a
    // subdirectory, and shows their arrows accordingly; run once the view
    // has settled after a change (ScheduleProbe).
    void ProbeShownItems();
    void ScheduleProbe() { probeTimer_.start(); }

    QTreeWidgetItem* current_ = nullptr;
    bool showHidden_ = false;
    QTimer probeTimer_;
};
