#include "search/tag_wildcards_dialog.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "dirwin/mdi_child_window.h"
#include "search/history.h"
#include "search/tag_rules.h"

namespace {
const char* const kSection = "FWILD";
const char* const kKey = "WILD";
const char* const kAllFiles = "*.*";
}  // namespace

TTagWildcardsDialog::TTagWildcardsDialog(TMDIChild* window, QWidget* parent)
    : TTagDialog(window, 9009, parent) {
    setObjectName("FWILD");
    setWindowTitle("Tag by Wildcards");

    E_Wild = new QLineEdit(kAllFiles, this);
    E_Wild->setObjectName("E_Wild");
    E_Wild->setMaxLength(static_cast<int>(kPatternListWidth));
    E_Wild->setMinimumWidth(220);
    ResetBtn = new QPushButton("*.*", this);
    ResetBtn->setObjectName("ResetBtn");
    ResetBtn->setAutoDefault(false);
    ResetBtn->setToolTip("Reset to *.*");
    LB_History = new QListWidget(this);
    LB_History->setObjectName("LB_History");
    LB_History->setFixedHeight(110);

    history_ = LoadHistory(kSection, kKey);
    for (const std::string& entry : history_) LB_History->addItem(QString::fromStdString(entry));

    connect(ResetBtn, &QPushButton::clicked, this, [this] { ResetBtnClick(); });
    connect(LB_History, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { HistoryClick(LB_History->row(item)); });

    auto* field = new QHBoxLayout;
    field->addWidget(E_Wild, 1);
    field->addWidget(ResetBtn);
    auto* content = new QVBoxLayout;
    content->addLayout(field);
    content->addWidget(LB_History);
    LayOut(content);
    E_Wild->setFocus();
}

void TTagWildcardsDialog::ResetBtnClick() { E_Wild->setText(kAllFiles); }

void TTagWildcardsDialog::HistoryClick(int row) {
    if (QListWidgetItem* item = LB_History->item(row)) E_Wild->setText(item->text());
}

void TTagWildcardsDialog::OKBtnClick() {
    const std::string text = plat::TrimRight(E_Wild->text().toStdString());
    if (text.empty()) return Refuse("Please enter wildcards!", E_Wild);
    TWildCard patterns(text);
    if (patterns.Invalid()) return Refuse("Please enter valid wildcards!", E_Wild);

    if (TMDIChild* window = Window()) TagMatchingNames(*window, patterns);
    AddToHistory(text, history_);
    // The tags are set: the window shows them even when the history cannot
    // be written (that failure is reported by whoever runs the dialog).
    Finish();
    SaveHistory(kSection, kKey, history_);
}
