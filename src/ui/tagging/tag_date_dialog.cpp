#include "ui/tagging/tag_date_dialog.h"

#include <QFormLayout>
#include <QLineEdit>

#include "ui/dirwin/mdi_child_window.h"
#include "core/tagging/tag_rules.h"

namespace {

QLineEdit* DateField(QWidget* parent, const char* name, const char* hint) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(name);
    // "0": a digit or nothing, so a half-typed date reaches the check on OK.
    field->setInputMask("00/00/00");
    field->setToolTip(hint);
    field->setStatusTip(hint);
    return field;
}

// The field as shown, blanks in place, so "12/ 1/  " is not read as "12/1/".
std::string Shown(const QLineEdit* field) { return field->displayText().toStdString(); }

}  // namespace

TTagDateDialog::TTagDateDialog(TMDIChild* window, QWidget* parent)
    : TTagDialog(window, 9003, parent) {
    setObjectName("FDATE");
    setWindowTitle("Tag by Date Range");
    E_From = DateField(this, "E_From", "Enter the lower date range (MM/DD/YY)");
    E_To = DateField(this, "E_To", "Enter the upper date");
    auto* content = new QFormLayout;
    content->addRow("From:", E_From);
    content->addRow("To:", E_To);
    LayOut(content);
    E_From->setFocus();
}

void TTagDateDialog::OKBtnClick() {
    plat::DateTime from = 0, to = 0;
    if (!ParseTagDate(Shown(E_From), from)) return Refuse("Invalid date entered!", E_From);
    if (!ParseTagDate(Shown(E_To), to)) return Refuse("Invalid date entered!", E_To);
    if (TMDIChild* window = Window()) TagInDayRange(*window, TDayRange(from, to));
    Finish();
}
