// The Applications menu of a file window (directory windows, the editor,
// result windows) and what the launcher reads of such a window.
#pragma once

#include <QList>
#include <string>
#include <vector>

#include "core/apps/command_template.h"

class QAction;
class QMenu;
class TMDIFileBase;

// A file window as command templates see it.
class TFileWindowApps : public TAppWindow {
public:
    explicit TFileWindowApps(TMDIFileBase& window) : window_(window) {}
    bool QuerySave() override;
    std::string GetDirectory() override;
    int GetTaggedCount() override;
    std::string GetCurrentName() override;
    // A directory window's tagged entries; the editor's own file.
    std::vector<std::string> TaggedPaths() override;

private:
    TMDIFileBase& window_;
};

struct TAppMenuItems {
    QList<QAction*> Items;  // A1 .. A9
    QAction* More = nullptr;
};

// Adds the nine numbered items and "&More ..." to menu. Each time the menu
// opens they are refilled from the category chosen in the main window
// (TMDIFileBase::FillAppMenu); item k starts application k of the
// category on the window's entry, "&More ..." offers the category's whole
// list.
TAppMenuItems AddApplicationItems(QMenu* menu, TMDIFileBase& window);
