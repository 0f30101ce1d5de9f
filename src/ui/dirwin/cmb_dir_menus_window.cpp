// TCmbDir's menus: Tag, Perform, Viewers and Applications in the main
// window's menu bar, the file list's context menu, and the rule that
// enables their items. The items act as their twins in the split window;
// a command no part has registered yet stays disabled.
#include <QAction>
#include <QMenu>

#include "core/settings/startup.h"
#include "ui/dirwin/cmb_dir_window.h"
#include "ui/dirwin/file_list_view.h"
#include "ui/dirwin/frame_services.h"
#include "ui/dirwin/menu_items_qt.h"

namespace {

// Merge groups of the window's menus in the main window's menu bar.
constexpr int kTagGroup = 12, kPerformGroup = 21, kViewersGroup = 31, kAppGroup = 32;

}  // namespace

QList<TMergeMenu> TCmbDir::MergeMenus() {
    return {{kTagGroup, TagMenu},
            {kPerformGroup, PerformMenu},
            {kViewersGroup, ViewersMenu},
            {kAppGroup, AppMenu}};
}

void TCmbDir::BuildMenus() {
    // The Tag menu's opening changes nothing; the others follow the state.
    BuildTagMenu(false);
    BuildPerformMenu();
    BuildViewersMenu();
    for (QMenu* menu : {PerformMenu, ViewersMenu})
        connect(menu, &QMenu::aboutToShow, this, [this] { RunReportingErrors([this] { UpdateActions(); }); });
    BuildAppMenu();
    BuildListMenu();
    // "&More ..." is visible from the start in a result window.
    AppMoreItem->setVisible(true);
    ListAppMoreItem->setVisible(true);
}

void TCmbDir::UpdateActions() {
    auto can = [this](TCommand command) { return CanRun(command); };
    const int row = GetCurrentIndex();
    const bool tagged = FileList.GetTaggedCount() > 0;
    const bool entries = FileList.GetEntryCount() > 0;

    const std::pair<QAction*, TCommand> perform[] = {
        {CopyItem, TCommand::Copy},       {MoveItem, TCommand::Move},
        {ShredItem, TCommand::Shred},     {DeleteItem, TCommand::Delete},
        {AttrItem, TCommand::Attributes}, {RenameItem, TCommand::Rename}};
    for (const auto& [item, command] : perform) item->setEnabled(tagged && can(command));

    TagDateItem->setEnabled(can(TCommand::TagByDate));
    TagSizeItem->setEnabled(can(TCommand::TagBySize));
    TagWildItem->setEnabled(can(TCommand::TagByWildcards));
    TagAttrItem->setEnabled(can(TCommand::TagByAttribute));
    TagSearchItem->setEnabled(can(TCommand::SearchText));
    ListTagAttrItem->setEnabled(entries && can(TCommand::Attributes));

    const bool onRow = row >= 0 && row < FileList.GetListCount();
    const std::pair<QAction*, TCommand> viewers[] = {
        {ViewAsciiItem, TCommand::ViewText},       {ListViewAsciiItem, TCommand::ViewText},
        {ViewHexItem, TCommand::ViewHex},          {ListViewHexItem, TCommand::ViewHex},
        {ViewPicturesItem, TCommand::ViewPicture}, {ListViewPictureItem, TCommand::ViewPicture}};
    for (const auto& [item, command] : viewers) item->setEnabled(onRow && can(command));
    ListTagSingleItem->setText(onRow ? "&Single: " + MenuText(GetEntryName(row))
                                     : QString("&Single: "));
    ListTagSingleItem->setEnabled(onRow);
    ListEditItem->setText(onRow ? "&Edit: " + MenuText(GetEntryName(row)) : QString("&Edit"));
    ListEditItem->setEnabled(onRow && can(TCommand::EditFile));
    ListNewFileItem->setEnabled(can(TCommand::NewFile));
    for (QMenu* menu : {AppMenu, ListAppMenu})
        menu->menuAction()->setEnabled(can(TCommand::StartApplication));
    for (QAction* more : {AppMoreItem, ListAppMoreItem})
        more->setEnabled(can(TCommand::StartApplication));
}
