// "Application List": the applications of the chosen category, for the
// "&More ..." item of the Applications menus. Run starts the selected one
// and closes; a double-click starts one and leaves the list open.
#pragma once

#include <QDialog>
#include <functional>
#include <string>
#include <vector>

class QListWidget;
class QPushButton;

class TAppChooseDialog : public QDialog {
    Q_OBJECT
public:
    // run gets the position of the chosen name in names.
    TAppChooseDialog(const std::vector<std::string>& names, std::function<void(int)> run, QWidget* parent = nullptr);

    QListWidget* LB_Apps;
    QPushButton* RunBtn;
    QPushButton* CancelBtn;

    void RunBtnClick();
    void DoubleClick(int row);

private:
    std::function<void(int)> run_;
};
