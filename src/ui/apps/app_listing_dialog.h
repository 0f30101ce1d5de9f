// "Application Listing": every application of the list in list order,
// whatever its category, to add, change, delete, reorder and run.
#pragma once

#include <QDialog>
#include <functional>

class QAction;
class QMenu;
class QPushButton;
class QTreeWidget;
class TTApp;

class TAppListingDialog : public QDialog {
    Q_OBJECT
public:
    // run starts the entry at an index and answers whether it started.
    TAppListingDialog(TTApp& apps, std::function<bool(int)> run, QWidget* parent = nullptr);

    QTreeWidget* LB_Apps;  // one column, "Application Name"
    QPushButton* OKBtn;
    QPushButton* ChangeBtn;
    QPushButton* AddBtn;
    QPushButton* DeleteBtn;
    QPushButton* RunBtn;
    QPushButton* UpBtn;
    QPushButton* DownBtn;
    QMenu* PopupMenu;
    QAction* PopAdd;
    QAction* PopChange;
    QAction* PopDelete;
    QAction* PopRun;

    // Opens the Application Editor on an index (-1: a new entry); true on
    // OK. Tests put their own editor here.
    std::function<bool(int)> OpenEditor;

    int SelectedRow() const;
    void SelectRow(int row);
    void AddClick();
    void ChangeClick();
    void DeleteClick();
    void RunClick();
    void UpClick();
    void DownClick();
    // Change, Delete, Run and the arrows follow the selection.
    void UpdateButtons();
    // A right-button press selects the row under the pointer first.
    void ShowPopup(const QPoint& at);
    // A new order made by the arrows is kept when the listing closes.
    void done(int result) override;

private:
    void Fill();

    TTApp& apps_;
    std::function<bool(int)> run_;
};
