// "Quick Directory List": the quick directories with their Autoload flag,
// to open one, add, change or delete them.
#pragma once

#include <QDialog>
#include <functional>

class QAction;
class QMenu;
class QPushButton;
class QTableWidget;
class TDlist;

class TQuickDirListDialog : public QDialog {
    Q_OBJECT
public:
    // open opens the entry at an index in a new window.
    TQuickDirListDialog(TDlist& list, std::function<void(int)> open, QWidget* parent = nullptr);

    QTableWidget* Grid;  // "Name", "Autoload"
    QPushButton* LoadBtn;
    QPushButton* AddBtn;
    QPushButton* ChangeBtn;
    QPushButton* DeleteBtn;
    QPushButton* OKBtn;
    QMenu* PopupMenu;
    QAction* PopAutoload;  // "&Autoload", checked when the entry's flag is set

    // Opens Quick Directory Update on an index (-1: a new entry); true on
    // OK. Tests put their own here.
    std::function<bool(int)> OpenUpdate;

    int SelectedRow() const;
    void SelectRow(int row);
    void LoadClick();
    void AddClick();
    void ChangeClick();
    void DeleteClick();
    void ToggleAutoload();
    void ShowPopup(const QPoint& at);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Fill();
    void SetRow(int row);

    TDlist& list_;
    std::function<void(int)> open_;
    bool sized_ = false;
};
