#include "ui/frame/find_dialog_layout.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/settings/app_ini.h"

namespace {

QCheckBox* StoredBox(QWidget* dialog, const char* text, const char* name, const std::string& section,
                     const char* key, bool def) {
    auto* box = new QCheckBox(text, dialog);
    box->setObjectName(name);
    box->setChecked(AppIni().ReadBool(section, key, def));
    return box;
}

}  // namespace

QComboBox* FindHistoryBox(QWidget* dialog, const char* name, const std::vector<std::string>& history) {
    auto* box = new QComboBox(dialog);
    box->setObjectName(name);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setCompleter(nullptr);
    box->setMinimumWidth(300);
    for (const std::string& entry : history) box->addItem(QString::fromStdString(entry));
    box->setEditText(QString());
    return box;
}

TFindBoxes MakeFindBoxes(QWidget* dialog, const std::string& section, const char* topKey, bool topDefault,
                         const char* caseText, const char* caseKey, bool caseDefault) {
    return {StoredBox(dialog, "From &Top", "CB_Top", section, topKey, topDefault),
            StoredBox(dialog, caseText, "CB_Case", section, caseKey, caseDefault)};
}

void LayOutFindDialog(QWidget* dialog, QFormLayout* fields, const TFindBoxes& boxes, QPushButton* ok,
                      QPushButton* cancel) {
    auto* boxRow = new QHBoxLayout;
    boxRow->addWidget(boxes.Top);
    boxRow->addWidget(boxes.Case);
    boxRow->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(dialog);
    layout->addLayout(fields);
    layout->addLayout(boxRow);
    layout->addLayout(buttons);
}
