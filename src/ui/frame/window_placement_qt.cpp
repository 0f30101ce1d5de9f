#include "ui/frame/window_placement_qt.h"

#include <QAction>
#include <QMainWindow>
#include <QMenuBar>
#include <QScreen>
#include <QStyle>
#include <QToolBar>
#include <algorithm>

namespace {

constexpr int kClassicWidth = 456, kClassicHeight = 367;

TPlaceRect ToPlace(const QRect& r) { return {r.x(), r.y(), r.width(), r.height()}; }
QRect ToRect(const TPlaceRect& r) { return QRect(r.Left, r.Top, r.Width, r.Height); }

TPlaceRect FreeScreenArea(const QMainWindow& window) {
    const QScreen* screen = window.screen();
    return screen ? ToPlace(screen->availableGeometry()) : TPlaceRect{0, 0, kClassicWidth, kClassicHeight};
}

// The menu bar lays out every item, also those that do not fit: the right
// edge of the last one is the width it needs.
int MenuBarWidth(const QMenuBar* bar) {
    if (!bar) return 0;
    int right = 0;
    for (QAction* a : bar->actions())
        if (a->isVisible()) right = std::max(right, bar->actionGeometry(a).right() + 1);
    const int frame = bar->style()->pixelMetric(QStyle::PM_MenuBarPanelWidth, nullptr, bar);
    const int margin = bar->style()->pixelMetric(QStyle::PM_MenuBarHMargin, nullptr, bar);
    return right + frame + margin;
}

}  // namespace

bool RestoreWindowPlacement(QMainWindow& window, const TWindowPlacement& placement) {
    if (placement.Stored) window.setGeometry(ToRect(PlaceOnScreen(placement.Normal, FreeScreenArea(window))));
    if (placement.Maximized) window.setWindowState(window.windowState() | Qt::WindowMaximized);
    return placement.Stored;
}

int BarsWidth(const QMainWindow& window) {
    int width = MenuBarWidth(window.menuBar());
    // A tool bar's size hint holds every item; its overflow button shows
    // only when it is given less.
    for (const QToolBar* bar : window.findChildren<QToolBar*>())
        if (!bar->isHidden() && bar->orientation() == Qt::Horizontal)
            width = std::max(width, bar->sizeHint().width());
    return width;
}

void FitToBars(QMainWindow& window) {
    const int width = std::max(kClassicWidth, BarsWidth(window));
    if (window.width() >= width) return;
    const int height = std::max(kClassicHeight, width * kClassicHeight / kClassicWidth);
    window.setGeometry(ToRect(CentredOnScreen(width, height, FreeScreenArea(window))));
}

TWindowPlacement CurrentPlacement(const QMainWindow& window) {
    TWindowPlacement p;
    p.Maximized = window.isMaximized();
    const QRect normal = window.normalGeometry();
    p.Stored = normal.isValid() && !normal.isEmpty();
    if (p.Stored) p.Normal = ToPlace(normal);
    return p;
}
