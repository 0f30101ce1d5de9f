#include "ui/tagging/tag_attr_dialog.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QVBoxLayout>

#include "ui/dirwin/mdi_child_window.h"
#include "core/tagging/tag_rules.h"
#include "core/settings/app_ini.h"

namespace {
const char* const kSection = "F_BYATTR";

QCheckBox* AttrBox(QWidget* parent, const char* caption, const char* name, const char* key,
                   bool def) {
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(name);
    box->setChecked(AppIni().ReadBool(kSection, key, def));
    return box;
}
}  // namespace

TTagAttrDialog::TTagAttrDialog(TMDIChild* window, QWidget* parent)
    : TTagDialog(window, 9002, parent) {
    setObjectName("F_BYATTR");
    setWindowTitle("Tag based on attributes");
    auto* panel = new QGroupBox("Tag if:", this);
    panel->setObjectName("P_TagIf");
    CB_Archive = AttrBox(panel, "&Archive", "CB_Archive", "A", true);
    CB_Readonly = AttrBox(panel, "&Readonly", "CB_Readonly", "R", false);
    CB_System = AttrBox(panel, "&System", "CB_System", "S", false);
    CB_Hidden = AttrBox(panel, "&Hidden", "CB_Hidden", "H", false);
    auto* boxes = new QVBoxLayout(panel);
    for (QCheckBox* box : {CB_Archive, CB_Readonly, CB_System, CB_Hidden}) boxes->addWidget(box);
    setTabOrder(CB_Archive, CB_Readonly);
    setTabOrder(CB_Readonly, CB_System);
    setTabOrder(CB_System, CB_Hidden);

    auto* content = new QVBoxLayout;
    content->addWidget(panel);
    LayOut(content);
    CB_Archive->setFocus();
}

void TTagAttrDialog::OKBtnClick() {
    const bool a = CB_Archive->isChecked(), r = CB_Readonly->isChecked(),
               s = CB_System->isChecked(), h = CB_Hidden->isChecked();
    if (!a && !r && !s && !h) return Refuse("Please select one or more attributes!", CB_Archive);

    TAppIni& ini = AppIni();
    ini.WriteBool(kSection, "A", a);
    ini.WriteBool(kSection, "R", r);
    ini.WriteBool(kSection, "S", s);
    ini.WriteBool(kSection, "H", h);
    if (TMDIChild* window = Window()) TagWithAnyAttribute(*window, TagAttrMask(a, r, s, h));
    Finish();
}
