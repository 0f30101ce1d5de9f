// What the two option dialogs share: a tab row of pages on top, and at the
// right OK, Cancel, the "Default" box (checked on opening) and Help, each
// with its hint. OK is the dialog's own; Cancel closes without a change.
#pragma once

#include <QDialog>

class QCheckBox;
class QPushButton;
class QTabWidget;
class QWidget;

class TOptionsDialogBase : public QDialog {
    Q_OBJECT
public:
    TOptionsDialogBase(const char* title, int helpContext, QWidget* parent);

    QTabWidget* TabSet;
    QPushButton* OKBtn;
    QPushButton* CancelBtn;
    QCheckBox* CB_Default;
    QPushButton* HelpBtn;

    virtual void OKBtnClick() = 0;
    void HelpBtnClick();

protected:
    // A new empty page under caption; the dialog opens on the first.
    QWidget* AddPage(const char* caption);
    // Shows the page holding field and gives it the focus.
    void FocusField(QWidget* field);

private:
    int helpContext_;
};

// A control's hint, shown as its tooltip and in the status line.
void SetHint(QWidget* control, const char* hint);
