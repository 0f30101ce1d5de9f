#include "ui/frame/speed_bar_widget.h"

#include <QAction>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QToolButton>

TSpeedBar::TSpeedBar(QWidget* parent) : QToolBar(parent) {
    setObjectName("SpeedBar");
    setWindowTitle("Speedbar");
    setMovable(false);
    setFloatable(false);
    setIconSize(QSize(16, 16));
    setFixedHeight(33);
    // The bar's own menu replaces the main window's toolbar menu.
    setContextMenuPolicy(Qt::DefaultContextMenu);

    SB_New = AddButton("SB_New", "Open a new directory window");
    SB_DriveSearch = AddButton("SB_DriveSearch", "Drive Search");
    SB_AppList = AddButton("SB_AppList", "Application List");
    addSeparator();
    SB_Copy = AddButton("SB_Copy", "Copy Files");
    SB_Delete = AddButton("SB_Delete", "Delete Files");
    addSeparator();
    SB_QuickDir = AddButton("SB_QuickDir", "Quick Directory List");
    SB_QuickAdd = AddButton("SB_QuickAdd", "Quick Add to Direcotry List");
    addSeparator();
    SB_TagAll = AddButton("SB_TagAll", "Tag all files");
    SB_TagNone = AddButton("SB_TagNone", "Clear all tags");
    SB_TagWild = AddButton("SB_TagWild", "Tag based on wildcards");
    SB_Compare = AddButton("SB_Compare", "Tag against another directory");
    SB_Options = AddButton("SB_Options", "Set Options");
    addSeparator();

    CB_Sort = new QComboBox(this);
    CB_Sort->setObjectName("CB_Sort");
    CB_Sort->addItems({"Type", "Name", "Date", "Size"});
    CB_Sort->setToolTip("Sort Order");
    CB_Sort->setStatusTip("Sort Order");
    CB_Sort->setFocusPolicy(Qt::ClickFocus);
    addWidget(CB_Sort);

    E_Pattern = new QLineEdit(this);
    E_Pattern->setObjectName("E_Pattern");
    E_Pattern->setReadOnly(true);
    E_Pattern->setFixedWidth(90);
    E_Pattern->setToolTip("File Pattern List");
    E_Pattern->setStatusTip("File Pattern List");
    E_Pattern->setCursor(Qt::PointingHandCursor);
    E_Pattern->installEventFilter(this);
    addWidget(E_Pattern);

    CB_Category = new QComboBox(this);
    CB_Category->setObjectName("CB_Category");
    CB_Category->setMinimumWidth(90);
    CB_Category->setFocusPolicy(Qt::ClickFocus);
    addWidget(CB_Category);
    addSeparator();

    SB_TileH = AddButton("SB_TileH", "Tile Horizontal");
    SB_TileV = AddButton("SB_TileV", "Tile Vertical");
    SB_Maximize = AddButton("SB_Maximize", "Maximize windows");

    DockMenu = new QMenu(this);
    DockMenu->setObjectName("SpeedBarMenu");
    DockTop = DockMenu->addAction("&Top");
    DockBottom = DockMenu->addAction("&Bottom");
    DockHide = DockMenu->addAction("&Hide");
}

QToolButton* TSpeedBar::AddButton(const char* name, const char* hint) {
    auto* b = new QToolButton(this);
    b->setObjectName(name);
    b->setIcon(QIcon(QStringLiteral(":/") + name));
    b->setToolTip(hint);
    b->setStatusTip(hint);
    b->setAutoRaise(false);
    b->setFocusPolicy(Qt::NoFocus);
    addWidget(b);
    return b;
}

void TSpeedBar::Follow(QToolButton* button, QAction* twin) {
    button->setEnabled(twin->isEnabled());
    connect(twin, &QAction::enabledChanged, button, &QWidget::setEnabled);
}

void TSpeedBar::Mirror(QToolButton* button, QAction* twin) {
    Follow(button, twin);
    connect(button, &QToolButton::clicked, twin, &QAction::trigger);
}

bool TSpeedBar::eventFilter(QObject* watched, QEvent* event) {
    // The pattern box is read-only: a click opens the pattern dialog.
    if (watched == E_Pattern && event->type() == QEvent::MouseButtonRelease && E_Pattern->isEnabled() &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        emit PatternClicked();
        return true;
    }
    return QToolBar::eventFilter(watched, event);
}

void TSpeedBar::contextMenuEvent(QContextMenuEvent* event) {
    emit ContextMenuOpening();
    DockMenu->popup(event->globalPos());
    event->accept();
}
