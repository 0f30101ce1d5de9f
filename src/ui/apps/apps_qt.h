// The applications and quick directories joined to the main window: the
// two lists (loaded once), their commands, the category box's hooks, the
// quick directory a new window opens on, and autoload at start-up.
#pragma once

#include <QObject>

#include "core/apps/app_list.h"
#include "core/apps/quick_dirs.h"

class TMDIFileBase;
class Tmainform;

class TAppsParts : public QObject {
    Q_OBJECT
public:
    explicit TAppsParts(Tmainform& form);
    ~TAppsParts() override;

    TTApp Apps;
    TDlist Quick;

    // The category chosen in the main window's category box.
    std::string Category() const;
    // Runs application index on window (none: no file window); true when
    // the program started.
    bool Run(int index, TMDIFileBase* window);
    // Runs the application at a position of the chosen category.
    void RunInCategory(int position, TMDIFileBase* window);
    // The active split window's directory becomes a new autoload entry.
    void QuickAdd(TMDIFileBase* window);

private:
    Tmainform& form_;
};

// Loads the lists and registers everything with form; the parts live as
// long as form. Answers them (tests reach the lists through it).
TAppsParts& InstallApplications(Tmainform& form);
