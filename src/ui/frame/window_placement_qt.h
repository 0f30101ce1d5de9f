// The main window's place on the screen: the stored position and size
// restored as they were, or on a first start a size that shows the whole
// menu bar and speed bar, centred on the screen.
#pragma once

#include "core/settings/window_placement.h"

class QMainWindow;

// Puts window (not yet shown) where placement says, maximized when it was;
// false when no position and size were stored.
bool RestoreWindowPlacement(QMainWindow& window, const TWindowPlacement& placement);
// The width at which window's menu bar and tool bars show every item,
// without an overflow button.
int BarsWidth(const QMainWindow& window);
// Grows window to BarsWidth, with the height in the proportion of the
// classic 456 × 367 (both within the screen), and centres it on the
// screen; nothing when it is that wide already.
void FitToBars(QMainWindow& window);
// What to store at exit: the state and the normal position and size.
TWindowPlacement CurrentPlacement(const QMainWindow& window);
