#!/usr/bin/env bash
# Fails when a file of the Qt-free core includes a window: a src/ui header,
# QtGui or QtWidgets anywhere in src/core, or any Qt header outside
# src/core/platform; or when a child window or dialog (src/ui/dirwin,
# fileops, tagging) includes the main window. Prints each offending line.
set -uo pipefail
src=${1:?usage: check_include_layers.sh SRC_DIR}
bad=0
report() { [ -n "$1" ] && { echo "$1"; bad=1; }; }
report "$(grep -rnE '#include\s*[<"](ui/|Qt(Gui|Widgets)|Q[A-Z][A-Za-z]*(Widget|Window|Dialog|Application|Painter|Pixmap|Font|Color|Image|Icon)\b)' "$src/core")"
report "$(grep -rnE '#include\s*<Q' "$src/core" --exclude-dir=platform)"
# Child windows and their dialogs reach the frame only through
# ui/dirwin/frame_services.h, never through the main window itself.
report "$(grep -rnE '#include\s*[<"]ui/frame/main_window\.h[">]' "$src/ui/dirwin" "$src/ui/fileops" "$src/ui/tagging")"
[ -d "$src/core/platform" ] || { echo "no $src/core/platform"; exit 1; }
exit $bad
