#include "ui/tagging/wildcard_field_qt.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "core/tagging/history.h"
#include "core/tagging/wild_card.h"

namespace {
const char* const kKey = "WILD";
const char* const kAllFiles = "*.*";
}  // namespace

TWildcardField::TWildcardField(QWidget* dialog, const char* section)
    : section_(section), history_(LoadHistory(section, kKey)) {
    Edit = new QLineEdit(dialog);
    Edit->setObjectName("E_Wild");
    Edit->setMaxLength(static_cast<int>(kPatternListWidth));
    Edit->setMinimumWidth(220);
    ResetBtn = new QPushButton(kAllFiles, dialog);
    ResetBtn->setObjectName("ResetBtn");
    ResetBtn->setAutoDefault(false);
    ResetBtn->setToolTip("Reset to *.*");
    History = new QListWidget(dialog);
    History->setObjectName("LB_History");
    History->setFixedHeight(110);
    for (const std::string& entry : history_) History->addItem(QString::fromStdString(entry));

    QObject::connect(ResetBtn, &QPushButton::clicked, dialog, [this] { Reset(); });
    QObject::connect(History, &QListWidget::itemClicked, dialog,
                     [this](QListWidgetItem* item) { ShowEntry(History->row(item)); });

    auto* row = new QHBoxLayout;
    row->addWidget(Edit, 1);
    row->addWidget(ResetBtn);
    Row = row;
}

void TWildcardField::Reset() { Edit->setText(kAllFiles); }

void TWildcardField::ShowEntry(int row) {
    if (QListWidgetItem* item = History->item(row)) Edit->setText(item->text());
}

void TWildcardField::Remember(const std::string& text) { AddToHistory(text, history_); }

void TWildcardField::Save() const { SaveHistory(section_, kKey, history_); }
