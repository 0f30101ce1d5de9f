#include "ui/search/search_dialogs_qt.h"

#include "ui/dirwin/frame_services.h"
#include "ui/search/compare_paths_dialog.h"
#include "ui/search/text_search_dialog.h"

void InstallSearchDialogs(TFrameServices& frame) {
    frame.RegisterCommand(TCommand::SearchText, OnWindow(&ShowTextSearch));
    frame.RegisterCommand(TCommand::ComparePaths, OnWindow(&ShowComparePaths));
}
