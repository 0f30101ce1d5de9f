// "Drive Search - Setup" and "Multi Drive Search - Setup": the criteria of
// a search below one directory, or from the roots of several drives, with
// their histories under "FS_FDL". OK validates in a fixed order (each
// refusal shows its page and focuses its field) and opens one search
// result window per start directory; a multi-drive search closes at once
// every window that found nothing.
#pragma once

#include <QDialog>
#include <functional>
#include <string>
#include <vector>

#include "core/search/drive_scan.h"

class QCheckBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTabWidget;
class QWidget;
class TUDFind;
class TCmbDir;

class TDriveSearchDialog : public QDialog {
    Q_OBJECT
  public:
    enum class TMode { OneDirectory, MultiDrive };
    // Opens a result window on criteria; nullptr when it closed at once.
    using TWindowOpener = std::function<TCmbDir*(const TDriveSearchCriteria&)>;

    TDriveSearchDialog(TMode mode, TWindowOpener opener, QWidget* parent = nullptr);

    QTabWidget* PageControl;
    QWidget *DrivePage, *PatternPage, *DateSizePage, *TextPage;
    // "&Drive/Path" (one directory)
    TUDFind* DirectoryPicker = nullptr;
    // "&Drives" (several drives)
    QListWidget* LB_Available = nullptr;
    QListWidget* LB_Search = nullptr;
    QPushButton *MoveBtn = nullptr, *BackBtn = nullptr, *MoveAllBtn = nullptr,
                *BackAllBtn = nullptr;
    // "&Pattern"
    QPushButton* ResetBtn;
    QLineEdit* E_Wild;
    QListWidget* LB_Wild;
    // "D&ate/Size"
    QLineEdit *E_DateFrom, *E_DateTo, *E_SizeFrom, *E_SizeTo;
    // "&Text scan"
    QLineEdit* E_TScan;
    QListWidget* LB_TScan;
    QCheckBox* CB_CaseSensitive;
    QPushButton *OKBtn, *CancelBtn, *HelpBtn;

    // Validates, stores the histories and opens the result windows; the
    // dialog closes with success when they are open.
    void OKBtnClick();
    // The criteria of the fields as they stand; false (a message shown, its
    // page and field chosen) at the first field that does not convert.
    bool ReadCriteria(TDriveSearchCriteria& criteria);
    // The four move buttons' enabling.
    void UpdateMoveButtons();
    void MoveSelected(QListWidget* from, QListWidget* to);
    void MoveAll(QListWidget* from, QListWidget* to);

  private:
    void BuildDrivePage();
    void BuildDrivesPage();
    void BuildPatternPage();
    void BuildDateSizePage();
    void BuildTextPage(bool multi);
    // Shows message (as a conversion error when raised so), with page and field.
    bool Refuse(const std::string& message, QWidget* page, QWidget* field, bool conversion = false);

    TMode mode_;
    TWindowOpener opener_;
    std::vector<std::string> wildHistory_, textHistory_;
};

class Tmainform;
// Opens a result window in the frame, shows it and searches; nullptr when
// the search filled the list and the window closed.
TCmbDir* OpenResultWindow(Tmainform& form, const TDriveSearchCriteria& criteria);
// Registers "&Drive Search ..." and "&Multi Drive Search ..." with the frame.
void InstallDriveSearch(Tmainform& form);
