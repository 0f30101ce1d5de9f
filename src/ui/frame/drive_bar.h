// The drive bar: a narrow strip at the frame's edge with one cell per drive
// (a picture and the letter). Moving the mouse over a cell asks for the
// hint text, a click or a drop asks the frame to bring up a window on the
// drive, and its context menu moves the bar to the left or right edge or
// hides it. The frame owns the drive list and decides what a click does.
#pragma once

#include <QPixmap>
#include <QTableWidget>
#include <functional>
#include <string>
#include <vector>

class TDriveBar : public QTableWidget {
    Q_OBJECT
public:
    TDriveBar(const std::vector<std::string>& driveList, const QPixmap& hardDisk,
              const QPixmap& floppyDisk, QWidget* parent = nullptr);

    // The drive letter of a row ('\0' for none).
    char DriveOfRow(int row) const;
    // Selects the first row of the drive; nothing when the drive has none.
    void SelectDrive(char letter);
    // Row height, width and scroll allowance from the pictures' size.
    void UpdateBarSize();
    // Whether the user's "&Hide" is in force for this run.
    bool HiddenByUser() const { return hiddenByUser_; }

    // Whether a removable drive is measured for the hint (FINFO/SHOWFLOPPY).
    std::function<bool()> ShowFloppy;

signals:
    void HintChanged(const QString& text);
    void DriveChosen(char letter);
    // The context menu's "&Left" and "&Right".
    void DockRequested(bool left);
    // The context menu's "&Hide": the bar stays hidden for the run.
    void HideRequested();
    // A drop of a directory window's files or directory on a drive's cell.
    void DroppedOnDrive(char letter);

protected:
    void mouseMoveEvent(QMouseEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;
    void dragEnterEvent(QDragEnterEvent* e) override;
    void dragMoveEvent(QDragMoveEvent* e) override;
    void dropEvent(QDropEvent* e) override;

private:
    friend class TDriveCellDelegate;
    bool AcceptsDrag(QDropEvent* e);

    std::vector<std::string> drives_;
    QPixmap hardDisk_, floppyDisk_;
    bool hiddenByUser_ = false;
};
