// TF_CreateDIR: creates one subdirectory below the directory selected in a
// directory window's tree.
#pragma once

#include <QPointer>
#include <string>

#include "ui/fileops/dir_op_dialog.h"

class QLineEdit;
class TMDIChild;

class TF_CreateDIR : public TDirOpDialog {
    Q_OBJECT
  public:
    // window: the active directory window the dialog was opened for.
    // Opens over window's frame.
    explicit TF_CreateDIR(TMDIChild* window);

    QLineEdit* E_Info;  // "Enter the directory to create as a child of: " + parent
    QLineEdit* E_Name;  // the new name

    void OKBtnClick() override;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    // The text line rebuilt from the window, the name emptied.
    void Rebuild();

    QPointer<TMDIChild> window_;
};
