#include "ui/apps/app_listing_dialog.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QMenu>
#include <QPushButton>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "core/apps/app_list.h"
#include "ui/apps/app_editor_dialog.h"
#include "ui/frame/dialog_buttons.h"
#include "ui/frame/shown_text_qt.h"

TAppListingDialog::TAppListingDialog(TTApp& apps, std::function<bool(int)> run, QWidget* parent)
    : QDialog(parent), apps_(apps), run_(std::move(run)) {
    setObjectName("AppListing");
    setWindowTitle("Application Listing");
    OpenEditor = [this](int index) {
        TAppEditorDialog editor(apps_, index, this);
        return editor.exec() == QDialog::Accepted;
    };

    LB_Apps = new QTreeWidget(this);
    LB_Apps->setObjectName("LB_Apps");
    LB_Apps->setHeaderLabels({"Application Name"});
    LB_Apps->setRootIsDecorated(false);
    LB_Apps->setSelectionMode(QAbstractItemView::SingleSelection);
    LB_Apps->setContextMenuPolicy(Qt::CustomContextMenu);
    OKBtn = DialogButton(this, "&OK", "OKBtn", true);
    ChangeBtn = DialogButton(this, "&Change", "ChangeBtn");
    AddBtn = DialogButton(this, "&Add", "AddBtn");
    DeleteBtn = DialogButton(this, "&Delete", "DeleteBtn");
    RunBtn = DialogButton(this, "&Run", "RunBtn");
    UpBtn = DialogButton(this, "", "UpBtn");
    UpBtn->setIcon(style()->standardIcon(QStyle::SP_ArrowUp));
    UpBtn->setToolTip("Move up");
    DownBtn = DialogButton(this, "", "DownBtn");
    DownBtn->setIcon(style()->standardIcon(QStyle::SP_ArrowDown));
    DownBtn->setToolTip("Move down");
    PopupMenu = new QMenu(this);
    PopAdd = PopupMenu->addAction("&Add ...");
    PopChange = PopupMenu->addAction("&Change ...");
    PopDelete = PopupMenu->addAction("&Delete ...");
    PopRun = PopupMenu->addAction("&Run ...");

    auto* side = new QVBoxLayout;
    for (QPushButton* b : {OKBtn, ChangeBtn, AddBtn, DeleteBtn, RunBtn}) side->addWidget(b);
    auto* arrows = new QHBoxLayout;
    arrows->addWidget(UpBtn);
    arrows->addWidget(DownBtn);
    side->addLayout(arrows);
    side->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(LB_Apps, 1);
    layout->addLayout(side);
    resize(380, 300);

    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(AddBtn, &QPushButton::clicked, this, &TAppListingDialog::AddClick);
    connect(ChangeBtn, &QPushButton::clicked, this, &TAppListingDialog::ChangeClick);
    connect(DeleteBtn, &QPushButton::clicked, this, &TAppListingDialog::DeleteClick);
    connect(RunBtn, &QPushButton::clicked, this, &TAppListingDialog::RunClick);
    connect(UpBtn, &QPushButton::clicked, this, &TAppListingDialog::UpClick);
    connect(DownBtn, &QPushButton::clicked, this, &TAppListingDialog::DownClick);
    connect(PopAdd, &QAction::triggered, this, &TAppListingDialog::AddClick);
    connect(PopChange, &QAction::triggered, this, &TAppListingDialog::ChangeClick);
    connect(PopDelete, &QAction::triggered, this, &TAppListingDialog::DeleteClick);
    connect(PopRun, &QAction::triggered, this, &TAppListingDialog::RunClick);
    connect(LB_Apps, &QTreeWidget::itemSelectionChanged, this, &TAppListingDialog::UpdateButtons);
    connect(LB_Apps, &QTreeWidget::itemDoubleClicked, this, [this] { RunClick(); });
    connect(LB_Apps, &QWidget::customContextMenuRequested, this, &TAppListingDialog::ShowPopup);
    Fill();
}

void TAppListingDialog::Fill() {
    LB_Apps->clear();
    for (int i = 0; i < apps_.Count(); ++i)
        LB_Apps->addTopLevelItem(new QTreeWidgetItem(QStringList{ShownQText(apps_.Entry(i).Name)}));
    LB_Apps->setEnabled(apps_.Count() > 0);
    UpdateButtons();
}

int TAppListingDialog::SelectedRow() const {
    const QList<QTreeWidgetItem*> selected = LB_Apps->selectedItems();
    return selected.isEmpty() ? -1 : LB_Apps->indexOfTopLevelItem(selected.first());
}

void TAppListingDialog::SelectRow(int row) {
    LB_Apps->clearSelection();
    if (QTreeWidgetItem* item = LB_Apps->topLevelItem(row)) {
        LB_Apps->setCurrentItem(item);
        item->setSelected(true);
    }
    UpdateButtons();
}

void TAppListingDialog::UpdateButtons() {
    const int row = SelectedRow();
    const bool selected = row >= 0;
    for (QPushButton* b : {ChangeBtn, DeleteBtn, RunBtn}) b->setEnabled(selected);
    for (QAction* a : {PopChange, PopDelete, PopRun}) a->setEnabled(selected);
    UpBtn->setEnabled(selected && row > 0);
    DownBtn->setEnabled(selected && row < LB_Apps->topLevelItemCount() - 1);
}

void TAppListingDialog::AddClick() {
    if (!OpenEditor(-1)) return;
    Fill();
    SelectRow(apps_.Count() - 1);
}

void TAppListingDialog::ChangeClick() {
    const int row = SelectedRow();
    if (row < 0 || !OpenEditor(row)) return;
    Fill();
    SelectRow(row);
}

void TAppListingDialog::DeleteClick() {
    const int row = SelectedRow();
    if (row < 0) return;
    apps_.Delete(row);
    Fill();
    SelectRow(std::min(row, apps_.Count() - 1));
}

void TAppListingDialog::RunClick() {
    const int row = SelectedRow();
    if (row >= 0 && run_ && run_(row)) accept();
}

void TAppListingDialog::UpClick() {
    const int row = SelectedRow();
    if (!apps_.MoveUp(row)) return;
    Fill();
    SelectRow(row - 1);
}

void TAppListingDialog::DownClick() {
    const int row = SelectedRow();
    if (!apps_.MoveDown(row)) return;
    Fill();
    SelectRow(row + 1);
}

void TAppListingDialog::ShowPopup(const QPoint& at) {
    if (QTreeWidgetItem* item = LB_Apps->itemAt(at)) SelectRow(LB_Apps->indexOfTopLevelItem(item));
    UpdateButtons();
    PopupMenu->popup(LB_Apps->viewport()->mapToGlobal(at));
}

void TAppListingDialog::done(int result) {
    if (apps_.Modified) apps_.Save();
    QDialog::done(result);
}
