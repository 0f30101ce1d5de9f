#include "ui/tagging/tag_size_dialog.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QRegularExpressionValidator>

#include "ui/dirwin/mdi_child_window.h"
#include "core/platform/platform.h"
#include "core/tagging/tag_rules.h"

namespace {

// Sizes are 64-bit: 19 digits hold every size; one more lets an
// out-of-range value be typed and refused rather than cut.
constexpr int kSizeFieldWidth = 20;

QLineEdit* SizeField(QWidget* parent, const char* name) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(name);
    field->setMaxLength(kSizeFieldWidth);
    // Digits as in a masked number field, whose unfilled places are blanks.
    field->setValidator(
        new QRegularExpressionValidator(QRegularExpression("[0-9 ]*"), field));
    return field;
}

}  // namespace

TTagSizeDialog::TTagSizeDialog(TMDIChild* window, QWidget* parent)
    : TTagDialog(window, 9005, parent) {
    setObjectName("FSIZE");
    setWindowTitle("Tag by Size");
    E_From = SizeField(this, "E_From");
    E_To = SizeField(this, "E_To");
    auto* content = new QFormLayout;
    content->addRow("From:", E_From);
    content->addRow("To:", E_To);
    LayOut(content);
    E_From->setFocus();
}

bool TTagSizeDialog::ReadBound(QLineEdit* field, const char* emptyMessage, int64_t& out) {
    const std::string text = field->text().toStdString();
    switch (ParseTagSize(text, out)) {
    case TSizeParse::Ok:
        return true;
    case TSizeParse::Empty:
        Refuse(emptyMessage, field);
        return false;
    case TSizeParse::NotInteger:
        RefuseError(NotIntegerMessage(plat::TrimRight(text)), field);
        return false;
    }
    return false;
}

void TTagSizeDialog::OKBtnClick() {
    int64_t from = 0, to = 0;
    if (!ReadBound(E_From, "Please enter a lower limit!", from)) return;
    if (!ReadBound(E_To, "Please enter an upper limit!", to)) return;
    if (TMDIChild* window = Window()) TagInSizeRange(*window, TSizeRange(from, to));
    Finish();
}
