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
    TagMenu = TopMenu(this, "TagMenu", "&Tag");
    TagAllItem = MenuItem(TagMenu, "TagAllItem", "&All");
    TagReverseItem = MenuItem(TagMenu, "TagReverseItem", "&Reverse");
    TagNoneItem = MenuItem(TagMenu, "TagNoneItem", "&None");
    TagMenu->addSeparator();
    TagDateItem = MenuItem(TagMenu, "TagDateItem", "by &Date range ...");
    TagSizeItem = MenuItem(TagMenu, "TagSizeItem", "by &Size ...");
    TagWildItem = MenuItem(TagMenu, "TagWildItem", "by &Wildcards ...");
    TagAttrItem = MenuItem(TagMenu, "TagAttrItem", "by Attr&ibute ...");
    TagMenu->addSeparator();
    TagSearchItem = MenuItem(TagMenu, "TagSearchItem", "Search &Text ...");
    OnTrigger(TagAllItem, [this] { TagAll(); });
    OnTrigger(TagReverseItem, [this] { ToggleAll(); });
    OnTrigger(TagNoneItem, [this] { TagNone(); });
    OnTrigger(TagDateItem, [this] { TagByDate(); });
    OnTrigger(TagSizeItem, [this] { RunDirCommand(TCommand::TagBySize); });
    OnTrigger(TagWildItem, [this] { RunDirCommand(TCommand::TagByWildcards); });
    OnTrigger(TagAttrItem, [this] { TagByAttribute(); });
    OnTrigger(TagSearchItem, [this] { SearchText(); });

    PerformMenu = TopMenu(this, "PerformMenu", "&Perform");
    CopyItem = MenuItem(PerformMenu, "CopyItem", "&Copy ...", QKeySequence("Ctrl+C"));
    MoveItem = MenuItem(PerformMenu, "MoveItem", "&Move ...", QKeySequence("Ctrl+M"));
    ShredItem = MenuItem(PerformMenu, "ShredItem", "&Shred ...");
    DeleteItem = MenuItem(PerformMenu, "DeleteItem", "&Delete ...", QKeySequence("Ctrl+Del"));
    AttrItem = MenuItem(PerformMenu, "AttrItem", "&Attributes ...", QKeySequence("Ctrl+A"));
    RenameItem = MenuItem(PerformMenu, "RenameItem", "&Rename ...", QKeySequence("Ctrl+R"));
    OnTrigger(CopyItem, [this] { CopyTagged(); });
    OnTrigger(MoveItem, [this] { MoveTagged(); });
    OnTrigger(ShredItem, [this] { RunDirCommand(TCommand::Shred); });
    OnTrigger(DeleteItem, [this] { DeleteTagged(); });
    OnTrigger(AttrItem, [this] { SetAttributes(); });
    OnTrigger(RenameItem, [this] { RenameTagged(); });
    for (QAction* a : PerformMenu->actions()) {
        a->setEnabled(false);
        a->setShortcutVisibleInContextMenu(false);
    }

    ViewersMenu = TopMenu(this, "ViewersMenu", "&Viewers");
    ViewAsciiItem = MenuItem(ViewersMenu, "ViewAsciiItem", "&Ascii");
    ViewHexItem = MenuItem(ViewersMenu, "ViewHexItem", "&Hex");
    ViewPicturesItem = MenuItem(ViewersMenu, "ViewPicturesItem", "&Pictures");

    AppMenu = TopMenu(this, "AppMenu", "&Applications");
    BuildAppItems(AppMenu, AppItems, AppMoreItem, true);
    connect(AppMenu, &QMenu::aboutToShow, this,
            [this] { RunReportingErrors([this] { FillAppMenu(AppItems, AppMoreItem); }); });

    ListMenu = TopMenu(this, "ListMenu", "");
    ListEditMenu = SubMenu(ListMenu, "ListEditMenu", "&Edit");
    ListEditItem = MenuItem(ListEditMenu, "ListEditItem", "&Edit");
    ListNewFileItem = MenuItem(ListEditMenu, "ListNewFileItem", "&New file");
    OnTrigger(ListEditItem, [this] {
        if (GetCurrentIndex() >= 0) EditEntry(GetCurrentIndex());
    });
    OnTrigger(ListNewFileItem, [this] {
        if (main_) main_->RunCommand(TCommand::NewFile);
    });
    ListViewersMenu = SubMenu(ListMenu, "ListViewersMenu", "&Viewers");
    ListViewAsciiItem = MenuItem(ListViewersMenu, "ListViewAsciiItem", "View &Ascii");
    ListViewHexItem = MenuItem(ListViewersMenu, "ListViewHexItem", "View &Hex");
    ListViewPictureItem = MenuItem(ListViewersMenu, "ListViewPictureItem", "View &Picture");
    for (auto [ascii, hex, picture] :
         {std::tuple{ViewAsciiItem, ViewHexItem, ViewPicturesItem},
          std::tuple{ListViewAsciiItem, ListViewHexItem, ListViewPictureItem}}) {
        OnTrigger(ascii, [this] { ShowViewer(TCommand::ViewText); });
        OnTrigger(hex, [this] { ShowViewer(TCommand::ViewHex); });
        OnTrigger(picture, [this] {
            if (GetCurrentIndex() >= 0) ViewPicture(GetCurrentIndex());
        });
    }
    ListAppMenu = SubMenu(ListMenu, "ListAppMenu", "&Applications");
    BuildAppItems(ListAppMenu, ListAppItems, ListAppMoreItem, false);
    // "&More ..." is visible from the start in a result window.
    AppMoreItem->setVisible(true);
    ListAppMoreItem->setVisible(true);

    ListTagMenu = SubMenu(ListMenu, "ListTagMenu", "&Tag");
    ListTagSingleItem = MenuItem(ListTagMenu, "ListTagSingleItem", "&Single");
    ListTagMenu->addActions({TagAllItem, TagReverseItem, TagNoneItem});
    ListTagMenu->addSeparator();
    ListTagMenu->addActions({TagDateItem, TagSizeItem, TagWildItem});
    ListTagAttrItem = MenuItem(ListTagMenu, "ListTagAttrItem", "by Attr&ibute ...");
    ListTagMenu->addSeparator();
    ListTagMenu->addAction(TagSearchItem);
    OnTrigger(ListTagSingleItem, [this] { ToggleTag(GetCurrentIndex()); });
    OnTrigger(ListTagAttrItem, [this] { SetAttributes(); });
    ListPerformMenu = SubMenu(ListMenu, "ListPerformMenu", "&Perform");
    ListPerformMenu->addActions(PerformMenu->actions());

    // The Tag menu's opening changes nothing; the others follow the state.
    for (QMenu* menu : {PerformMenu, ViewersMenu})
        connect(menu, &QMenu::aboutToShow, this,
                [this] { RunReportingErrors([this] { UpdateActions(); }); });
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
