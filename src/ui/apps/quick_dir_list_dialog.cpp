#include "ui/apps/quick_dir_list_dialog.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "core/apps/quick_dirs.h"
#include "ui/frame/dialog_buttons.h"
#include "ui/frame/shown_text_qt.h"

TQuickDirListDialog::TQuickDirListDialog(TDlist& list, std::function<void(int)> open, QWidget* parent)
    : QDialog(parent), list_(list), open_(std::move(open)) {
    setObjectName("QuickList");
    setWindowTitle("Quick Directory List");
    Grid = new QTableWidget(0, 2, this);
    Grid->setObjectName("Grid");
    Grid->setHorizontalHeaderLabels({"Name", "Autoload"});
    Grid->verticalHeader()->hide();
    Grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    Grid->setSelectionMode(QAbstractItemView::SingleSelection);
    Grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Grid->setContextMenuPolicy(Qt::CustomContextMenu);
    Grid->horizontalHeader()->setSectionsMovable(true);
    LoadBtn = DialogButton(this, "&Load", "LoadBtn");
    AddBtn = DialogButton(this, "&Add", "AddBtn");
    ChangeBtn = DialogButton(this, "&Change", "ChangeBtn");
    DeleteBtn = DialogButton(this, "&Delete", "DeleteBtn");
    OKBtn = DialogButton(this, "&OK", "OKBtn", true);
    PopupMenu = new QMenu(this);
    PopAutoload = PopupMenu->addAction("&Autoload");
    PopAutoload->setCheckable(true);

    auto* side = new QVBoxLayout;
    for (QPushButton* b : {LoadBtn, AddBtn, ChangeBtn, DeleteBtn, OKBtn}) side->addWidget(b);
    side->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(Grid, 1);
    layout->addLayout(side);
    resize(400, 280);

    OpenUpdate = [](int) { return false; };
    connect(LoadBtn, &QPushButton::clicked, this, &TQuickDirListDialog::LoadClick);
    connect(AddBtn, &QPushButton::clicked, this, &TQuickDirListDialog::AddClick);
    connect(ChangeBtn, &QPushButton::clicked, this, &TQuickDirListDialog::ChangeClick);
    connect(DeleteBtn, &QPushButton::clicked, this, &TQuickDirListDialog::DeleteClick);
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(PopAutoload, &QAction::triggered, this, &TQuickDirListDialog::ToggleAutoload);
    connect(Grid, &QTableWidget::cellDoubleClicked, this, [this] { LoadClick(); });
    connect(Grid, &QWidget::customContextMenuRequested, this, &TQuickDirListDialog::ShowPopup);
    auto storeWidths = [this] {
        if (!sized_) return;
        for (int c = 0; c < 2; ++c) StoreQuickGridWidth(c, Grid->columnWidth(c));
    };
    connect(Grid->horizontalHeader(), &QHeaderView::sectionResized, this, storeWidths);
    connect(Grid->horizontalHeader(), &QHeaderView::sectionMoved, this, storeWidths);
    Fill();
}

void TQuickDirListDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (sized_) return;
    const QFontMetrics metrics(font());
    Grid->verticalHeader()->setDefaultSectionSize(metrics.height() + 6);
    const int autoload = 10 * metrics.horizontalAdvance('A');
    Grid->setColumnWidth(1, autoload);
    Grid->setColumnWidth(0, std::max(40, Grid->viewport()->width() - autoload));
    for (int c = 0; c < 2; ++c)
        if (int stored = QuickGridWidth(c); stored > 0) Grid->setColumnWidth(c, stored);
    sized_ = true;
}

void TQuickDirListDialog::SetRow(int row) {
    Grid->setItem(row, 0, new QTableWidgetItem(ShownQText(list_.Name(row))));
    Grid->setItem(row, 1, new QTableWidgetItem(list_.GetLoad(row) ? "Yes" : "No"));
}

void TQuickDirListDialog::Fill() {
    const int keep = SelectedRow();
    Grid->setRowCount(list_.Count());
    for (int row = 0; row < list_.Count(); ++row) SetRow(row);
    const bool any = list_.Count() > 0;
    for (QWidget* w : std::initializer_list<QWidget*>{Grid, ChangeBtn, DeleteBtn, LoadBtn}) w->setEnabled(any);
    SelectRow(any ? std::clamp(keep, 0, list_.Count() - 1) : -1);
}

int TQuickDirListDialog::SelectedRow() const {
    const QList<QTableWidgetItem*> selected = Grid->selectedItems();
    return selected.isEmpty() ? -1 : selected.first()->row();
}

void TQuickDirListDialog::SelectRow(int row) {
    Grid->clearSelection();
    if (row >= 0 && row < Grid->rowCount()) Grid->selectRow(row);
}

void TQuickDirListDialog::LoadClick() {
    const int row = SelectedRow();
    if (row < 0) return;
    open_(row);
    accept();
}

void TQuickDirListDialog::AddClick() {
    if (!OpenUpdate(-1)) return;
    Fill();
    SelectRow(list_.Count() - 1);
}

void TQuickDirListDialog::ChangeClick() {
    const int row = SelectedRow();
    if (row < 0 || !OpenUpdate(row)) return;
    SetRow(row);
}

void TQuickDirListDialog::DeleteClick() {
    const int row = SelectedRow();
    if (row < 0) return;
    list_.Delete(row);
    Fill();
}

void TQuickDirListDialog::ToggleAutoload() {
    const int row = SelectedRow();
    if (row < 0) return;
    const TQuickDir e = list_.Entry(row);
    list_.Change(row, e.Name, e.Dir, !e.Load, e.Wild);
    Fill();
}

void TQuickDirListDialog::ShowPopup(const QPoint& at) {
    const int row = Grid->rowAt(at.y());
    if (row < 0) return;
    SelectRow(row);
    PopAutoload->setChecked(list_.GetLoad(row));
    PopupMenu->popup(Grid->viewport()->mapToGlobal(at));
}
