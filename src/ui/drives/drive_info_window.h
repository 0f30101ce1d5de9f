// Tfinfo, the "Drive Information" window: a small non-modal window with a
// grid of every drive of the drive list, its size, free space and
// percentage free in bytes, kilobytes or megabytes. Its Options menu (also
// the grid's context menu) picks the unit, switches the figures of
// removable drives on or off and measures every drive again.
#pragma once

#include <QPointer>
#include <QWidget>
#include <functional>
#include <string>
#include <vector>

#include "core/drives/drive_info_table.h"

class QAction;
class QMenu;
class QMenuBar;
class QTableWidget;

class Tfinfo : public QWidget {
    Q_OBJECT
public:
    // The window sits above driveListControl (the frame's drive list) at
    // the left edge of parent.
    Tfinfo(const std::vector<std::string>& driveList, QWidget* driveListControl, QWidget* parent);

    // Measures the drive's row again, whatever the Show floppies flag says.
    void RefreshDrive(char letter);
    // Names, figures, column widths and row heights of every row; the unit
    // is written back to the settings.
    void Fill();
    // Size from the grid, placement above the drive list.
    void FitAndPlace();
    // The left edge of the frame, the bottom at the top of the drive list
    // (the top of the screen when there is no room).
    void Place();

    // Whether the whole program is closing: then closing this window keeps
    // "FInfo"/"Active" so that it opens again at the next start.
    std::function<bool()> ProgramClosing;

    QTableWidget* Grid;
    QMenuBar* MainMenu;
    QMenu* OptionsMenu;           // "&Options", also the grid's context menu
    QAction* OptShowFloppy;       // "&Show Floppy information"
    QAction* OptBytes;            // "&Bytes"
    QAction* OptKilobytes;        // "&Kilobytes"
    QAction* OptMegabytes;        // "&Megabytes"
    QAction* OptRefresh;          // "&Refresh Drives"

protected:
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void SetUnit(char unit);
    void CheckUnit();
    void ShowRow(int row);
    void SetCell(int row, int column, const std::string& text);
    void WidenColumn(int column, const QString& text);
    int RowHeight() const;

    TDriveInfoTable table_;
    QPointer<QWidget> driveListControl_;
    bool followingFrame_ = false;
};
