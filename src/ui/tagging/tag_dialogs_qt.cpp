#include "ui/tagging/tag_dialogs_qt.h"

#include <QPointer>

#include "ui/dirwin/mdi_child_window.h"
#include "ui/tagging/tag_attr_dialog.h"
#include "ui/tagging/tag_date_dialog.h"
#include "ui/tagging/tag_size_dialog.h"
#include "ui/tagging/tag_wildcards_dialog.h"
#include "ui/dirwin/frame_services.h"

namespace {

// The dialog hangs on the window's frame, which outlives the window; it is
// deleted here unless the frame went first and took it along.
template <class Dialog>
void RunModal(TMDIChild& window) {
    QPointer<Dialog> dialog = new Dialog(&window, window.window());
    dialog->exec();
    delete dialog.data();
}

}  // namespace

void ShowTagByWildcards(TMDIChild& window) { RunModal<TTagWildcardsDialog>(window); }
void ShowTagByDate(TMDIChild& window) { RunModal<TTagDateDialog>(window); }
void ShowTagBySize(TMDIChild& window) { RunModal<TTagSizeDialog>(window); }
void ShowTagByAttribute(TMDIChild& window) { RunModal<TTagAttrDialog>(window); }

void InstallTaggingDialogs(TFrameServices& frame) {
    frame.RegisterCommand(TCommand::TagByWildcards, OnWindow(&ShowTagByWildcards));
    frame.RegisterCommand(TCommand::TagByDate, OnWindow(&ShowTagByDate));
    frame.RegisterCommand(TCommand::TagBySize, OnWindow(&ShowTagBySize));
    frame.RegisterCommand(TCommand::TagByAttribute, OnWindow(&ShowTagByAttribute));
}
