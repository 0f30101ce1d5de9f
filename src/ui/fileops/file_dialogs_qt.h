// Registers the copy, move, delete, shred and attribute dialogs with the
// frame's command registry, and opens them.
#pragma once

#include <optional>
#include <string>

class TFrameServices;
class TMDIChild;
struct TFileSource;

void InstallFileOperationDialogs(TFrameServices& frame);

// Each runs its dialog modally for the tagged files of source and destroys
// it. preset is the destination of a drop (source is then the window the
// drag started from); without it the destination starts empty.
void OpenCopyDialog(TMDIChild& source, const std::optional<std::string>& preset = std::nullopt);
void OpenMoveDialog(TMDIChild& source, const std::optional<std::string>& preset = std::nullopt);
// The same for files that come from no window (a drop from another
// application).
void OpenCopyDialog(const TFileSource& source, const std::optional<std::string>& preset);
void OpenMoveDialog(const TFileSource& source, const std::optional<std::string>& preset);
void OpenDeleteDialog(TMDIChild& source);
void OpenShredDialog(TMDIChild& source);
void OpenAttributeDialog(TMDIChild& source);
