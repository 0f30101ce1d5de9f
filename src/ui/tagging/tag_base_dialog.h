// What the four tagging dialogs share: the directory window they tag in,
// the OK, Cancel and Help buttons with their hints, refusals that keep the
// dialog open, and the end of a pass (the window's status and list redrawn).
#pragma once

#include <QDialog>
#include <QPointer>
#include <string>

class QLayout;
class QPushButton;
class TMDIChild;

class TTagDialog : public QDialog {
    Q_OBJECT
public:
    // window may be nullptr (or go away while the dialog is open); the
    // dialog then validates and closes without tagging anything.
    TTagDialog(TMDIChild* window, int helpContext, QWidget* parent = nullptr);

    QPushButton* OKBtn;
    QPushButton* CancelBtn;
    QPushButton* HelpBtn;

    // Validates the fields in their fixed order; the first failure is shown
    // and the dialog stays open with nothing changed. Otherwise tags in the
    // window and closes with OK.
    virtual void OKBtnClick() = 0;
    void HelpBtnClick();

    TMDIChild* Window() const { return window_; }

protected:
    // Puts content above the button row; call once from the constructor.
    void LayOut(QLayout* content);
    // The refusal: message through the prompter, focus back on field.
    void Refuse(const std::string& message, QWidget* field);
    // The conversion failure of a number field, shown as an error.
    void RefuseError(const std::string& message, QWidget* field);
    // After a pass: UpdateStatus, RepaintList, close with OK.
    void Finish();

private:
    QPointer<TMDIChild> window_;
    int helpContext_;
};
