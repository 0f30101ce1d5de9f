// Base of every child window of the main window: the directory windows and
// the text editor. The rest of the program reaches a child only through
// these virtual operations (and those of TMDIChild), never through its kind.
#pragma once

#include <QList>
#include <QMdiSubWindow>
#include <string>
#include <vector>

class QAction;
class QMenu;
class TFrameServices;

// A menu that a child contributes to the main window's menu bar while it is
// the active child. Menus are ordered by group; a child menu whose group
// equals a main window menu's group replaces that menu for the time.
struct TMergeMenu {
    int Group = 0;
    QMenu* Menu = nullptr;
};

class TMDIFileBase : public QMdiSubWindow {
    Q_OBJECT
public:
    // frame: what the window may ask of the frame holding it (none
    // outside a frame).
    explicit TMDIFileBase(TFrameServices* frame = nullptr, QWidget* parent = nullptr);
    ~TMDIFileBase() override;

    TFrameServices* Frame() const { return frame_; }

    // 1. Fills an Applications menu: items A1..A9 get "&k: name" of the
    // applications in the frame's current category and carry k-1 as
    // their data; the rest are hidden; More shows when there are over nine.
    virtual void FillAppMenu(const QList<QAction*>& items, QAction* more);
    // 2. Whether the window may close; the editor asks to save here.
    virtual bool QuerySave();
    // 3. The window's directory.
    virtual std::string GetDirectory() = 0;
    // 4. Number of tagged entries.
    virtual int GetTaggedCount() = 0;
    // 5. Writes the full path of every tagged entry, one per line.
    virtual void WriteTaggedList(const std::string& fileName) = 0;
    // 6. Name of the entry under the cursor, "" when none.
    virtual std::string GetCurrentName() = 0;

    // Menus merged into the main window's menu bar while this child is
    // active. None by default.
    virtual QList<TMergeMenu> MergeMenus();

    // FillAppMenu's layout for a given list of application names.
    static void LayOutAppMenu(const std::vector<std::string>& names, const QList<QAction*>& items,
                              QAction* more);

protected:
    // QuerySave decides whether a close request goes on.
    void closeEvent(QCloseEvent* event) override;

private:
    TFrameServices* frame_;
};
