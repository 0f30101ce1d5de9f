#include "ui/drives/drive_info_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QHeaderView>
#include <QMenu>
#include <QMenuBar>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "core/settings/app_ini.h"

namespace {

constexpr int kColumns = 4;
const char* const kTitles[kColumns] = {"Drive name", "Disk Size", "Free Space", "% Free"};

// How long a newly shown window keeps to its place above the drive list
// while the frame is still moved by the window manager.
constexpr int kFollowFrameMs = 1000;

bool ShowFloppySetting() { return AppIni().ReadBool("FINFO", "SHOWFLOPPY", false); }

}  // namespace

Tfinfo::Tfinfo(const std::vector<std::string>& driveList, QWidget* driveListControl, QWidget* parent)
    : QWidget(parent, Qt::Tool), table_(driveList), driveListControl_(driveListControl) {
    setObjectName("finfo");
    setWindowTitle("Drive Information");
    setAttribute(Qt::WA_DeleteOnClose);

    MainMenu = new QMenuBar(this);
    MainMenu->setObjectName("MainMenu1");
    OptionsMenu = MainMenu->addMenu("&Options");
    OptionsMenu->setObjectName("OptionsMenu");
    auto item = [this](const char* name, const char* caption) {
        QAction* a = OptionsMenu->addAction(caption);
        a->setObjectName(name);
        return a;
    };
    OptShowFloppy = item("OptShowFloppy", "&Show Floppy information");
    OptShowFloppy->setCheckable(true);
    OptionsMenu->addSeparator();
    OptBytes = item("OptBytes", "&Bytes");
    OptKilobytes = item("OptKilobytes", "&Kilobytes");
    OptMegabytes = item("OptMegabytes", "&Megabytes");
    // The current unit carries a check mark (not a radio bullet).
    for (QAction* a : {OptBytes, OptKilobytes, OptMegabytes}) a->setCheckable(true);
    OptionsMenu->addSeparator();
    OptRefresh = item("OptRefresh", "&Refresh Drives");

    // The flag is read when the menu opens: the drive bar reads it too.
    connect(OptionsMenu, &QMenu::aboutToShow, this, [this] { OptShowFloppy->setChecked(ShowFloppySetting()); });
    connect(OptShowFloppy, &QAction::triggered, this, [this] {
        const bool show = !ShowFloppySetting();
        AppIni().WriteBool("FINFO", "SHOWFLOPPY", show);
        OptShowFloppy->setChecked(show);
        if (show) Fill();
    });
    connect(OptBytes, &QAction::triggered, this, [this] { SetUnit('B'); });
    connect(OptKilobytes, &QAction::triggered, this, [this] { SetUnit('K'); });
    connect(OptMegabytes, &QAction::triggered, this, [this] { SetUnit('M'); });
    connect(OptRefresh, &QAction::triggered, this, [this] { Fill(); });

    Grid = new QTableWidget(static_cast<int>(driveList.size()), kColumns, this);
    Grid->setObjectName("Grid");
    Grid->verticalHeader()->hide();
    Grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Grid->setSelectionMode(QAbstractItemView::SingleSelection);
    Grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    Grid->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    Grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    Grid->horizontalHeader()->setMinimumSectionSize(1);
    Grid->verticalHeader()->setMinimumSectionSize(1);
    Grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    Grid->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(Grid, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { OptionsMenu->popup(Grid->viewport()->mapToGlobal(pos)); });
    for (int c = 0; c < kColumns; ++c) {
        Grid->setHorizontalHeaderItem(c, new QTableWidgetItem(kTitles[c]));
        Grid->setColumnWidth(c, 1);
        WidenColumn(c, kTitles[c]);
    }

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(MainMenu);
    layout->addWidget(Grid);

    table_.SetUnit(DriveInfoUnit(AppIni().ReadString("Finfo", "Format", "B")));
    CheckUnit();
}

int Tfinfo::RowHeight() const {
    const int h = Grid->fontMetrics().height();
    return h + h / 4;
}

void Tfinfo::WidenColumn(int column, const QString& text) {
    const int needed = Grid->fontMetrics().horizontalAdvance(text + "WW");
    if (Grid->columnWidth(column) < needed) Grid->setColumnWidth(column, needed);
}

void Tfinfo::SetCell(int row, int column, const std::string& text) {
    QTableWidgetItem* cell = Grid->item(row, column);
    if (!cell) {
        cell = new QTableWidgetItem;
        // Figures line up on their last digit; the drive's name reads from the left.
        cell->setTextAlignment(column == 0 ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignRight | Qt::AlignVCenter);
        Grid->setItem(row, column, cell);
    }
    const QString shown = QString::fromStdString(text);
    if (cell->text() == shown) return;
    cell->setText(shown);
    WidenColumn(column, shown);
}

void Tfinfo::ShowRow(int row) {
    const TDriveInfoRow& r = table_.Rows()[static_cast<size_t>(row)];
    SetCell(row, 0, r.name);
    if (!r.size.empty()) SetCell(row, 1, r.size);
    if (!r.freeSpace.empty()) SetCell(row, 2, r.freeSpace);
    if (!r.percent.empty()) SetCell(row, 3, r.percent);
    Grid->setRowHeight(row, RowHeight());
}

void Tfinfo::Fill() {
    table_.Fill(ShowFloppySetting());
    for (int row = 0; row < Grid->rowCount(); ++row) ShowRow(row);
    Grid->horizontalHeader()->setFixedHeight(RowHeight());
    AppIni().WriteString("Finfo", "Format", std::string(1, table_.Unit()));
}

void Tfinfo::RefreshDrive(char letter) {
    const int row = table_.RefreshDrive(letter);
    if (row >= 0) ShowRow(row);
}

void Tfinfo::CheckUnit() {
    OptBytes->setChecked(table_.Unit() == 'B');
    OptKilobytes->setChecked(table_.Unit() == 'K');
    OptMegabytes->setChecked(table_.Unit() == 'M');
}

void Tfinfo::SetUnit(char unit) {
    table_.SetUnit(unit);
    CheckUnit();
    Fill();
}

void Tfinfo::FitAndPlace() {
    int width = 0;
    for (int c = 0; c < kColumns; ++c) width += Grid->columnWidth(c) + 1 + 3;
    int height = Grid->horizontalHeader()->height() + 2;
    for (int r = 0; r < Grid->rowCount(); ++r) height += Grid->rowHeight(r) + 2;
    // The grid's own frame comes on top of the cells.
    const int frame = 2 * Grid->frameWidth();
    // The menu bar takes what it needs above the grid.
    layout()->activate();
    const int menu = this->height() - Grid->height();
    resize(width + frame, height + frame + menu);

    Place();
    // At start-up the window manager may still be placing the frame: the
    // window follows it for a moment, then stays where the user puts it.
    QWidget* frameWindow = parentWidget() ? parentWidget()->window() : nullptr;
    if (frameWindow && !followingFrame_) {
        followingFrame_ = true;
        frameWindow->installEventFilter(this);
        QTimer::singleShot(kFollowFrameMs, this, [this, frameWindow] {
            followingFrame_ = false;
            frameWindow->removeEventFilter(this);
        });
    }
}

void Tfinfo::Place() {
    QWidget* frameWindow = parentWidget() ? parentWidget()->window() : nullptr;
    const int left = frameWindow ? frameWindow->frameGeometry().left() : 0;
    int bottom = 0;
    if (driveListControl_ && driveListControl_->isVisible())
        bottom = driveListControl_->mapToGlobal(QPoint(0, 0)).y();
    else if (frameWindow)
        bottom = frameWindow->mapToGlobal(QPoint(0, 0)).y();
    move(left, std::max(0, bottom - frameGeometry().height()));
}

bool Tfinfo::eventFilter(QObject* watched, QEvent* e) {
    if (followingFrame_ && (e->type() == QEvent::Move || e->type() == QEvent::Resize)) Place();
    return QWidget::eventFilter(watched, e);
}

void Tfinfo::closeEvent(QCloseEvent* e) {
    if (!(ProgramClosing && ProgramClosing())) AppIni().WriteBool("FInfo", "Active", false);
    QWidget::closeEvent(e);
}
