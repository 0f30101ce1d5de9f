#include "ui/tagging/tag_wildcards_dialog.h"

#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

#include "ui/dirwin/mdi_child_window.h"
#include "core/tagging/tag_rules.h"

namespace {
const char* const kSection = "FWILD";
}  // namespace

TTagWildcardsDialog::TTagWildcardsDialog(TMDIChild* window, QWidget* parent)
    : TTagDialog(window, 9009, parent), field_(this, kSection) {
    setObjectName("FWILD");
    setWindowTitle("Tag by Wildcards");

    E_Wild = field_.Edit;
    ResetBtn = field_.ResetBtn;
    LB_History = field_.History;
    field_.Reset();

    auto* content = new QVBoxLayout;
    content->addLayout(field_.Row);
    content->addWidget(LB_History);
    LayOut(content);
    E_Wild->setFocus();
}

void TTagWildcardsDialog::ResetBtnClick() { field_.Reset(); }

void TTagWildcardsDialog::HistoryClick(int row) { field_.ShowEntry(row); }

void TTagWildcardsDialog::OKBtnClick() {
    const std::string text = plat::TrimRight(E_Wild->text().toStdString());
    if (text.empty()) return Refuse("Please enter wildcards!", E_Wild);
    TWildCard patterns(text);
    if (patterns.Invalid()) return Refuse("Please enter valid wildcards!", E_Wild);

    if (TMDIChild* window = Window()) TagMatchingNames(*window, patterns);
    field_.Remember(text);
    // The tags are set: the window shows them even when the history cannot
    // be written (that failure is reported by whoever runs the dialog).
    Finish();
    field_.Save();
}
