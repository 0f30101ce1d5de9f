// "Find Directory" (TUDFind): a drive selector over a directory tree; the
// label under them shows the selected directory's full path, which OK
// hands back. Used by the copy, move, directory and quick directory dialogs.
#pragma once

#include <QDialog>
#include <string>

class QComboBox;
class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

class TUDFind : public QDialog {
    Q_OBJECT
public:
    // Opens on start when it names a directory, else on the current one.
    explicit TUDFind(const std::string& start = "", QWidget* parent = nullptr);

    QComboBox* DCB1;      // drives
    QTreeWidget* DLB1;    // the drive's directory tree
    QLabel* L_Directory;  // the selected directory's full path
    QPushButton* OKBtn;
    QPushButton* CancelBtn;

    // The selected directory's full path; "" when none is selected.
    std::string Directory() const;
    // Moves the tree to drive letter, on that drive's current directory.
    void SetDrive(char letter);
    // Opens the tree down to path (an existing directory) and selects it;
    // as far as it exists otherwise.
    void SetDirectory(const std::string& path);

    // Runs the dialog on directory; true with the chosen path in directory
    // when it ended with OK.
    static bool Execute(std::string& directory, QWidget* parent = nullptr);

private:
    QTreeWidgetItem* AddDirectoryItem(QTreeWidgetItem* parent, const std::string& path,
                                      const std::string& text);
    // Lists the subdirectories of item once, when it is first opened.
    void LoadChildren(QTreeWidgetItem* item);
    void ShowSelected();
    char drive_ = 0;
};
