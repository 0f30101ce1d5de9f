// TSepDir's menus: those merged into the main window's menu bar (Tag,
// Perform, Directory, Options, Viewers, Applications), the tree's and the
// file list's context menus, and the one rule that enables their items.
// Each command is one action, placed into every menu that offers it; only
// where the context menu names a command differently (the tree's directory
// items, the list's viewers) it has an action of its own, enabled by the
// same rule. An item whose dialog or window no part has registered yet
// stays disabled.
#include <QAction>
#include <QMdiArea>
#include <QMenu>

#include "core/filelist/dir_navigation.h"
#include "ui/dirwin/dir_tree_widget.h"
#include "ui/dirwin/file_list_view.h"
#include "ui/dirwin/sep_dir_window.h"
#include "core/platform/platform.h"
#include "ui/tagging/set_wildcards_dialog.h"
#include "ui/dirwin/frame_services.h"
#include "core/settings/startup.h"
#include "ui/frame/shown_text_qt.h"
#include "ui/dirwin/menu_items_qt.h"

namespace {

// Merge groups of the window's menus in the main window's menu bar.
constexpr int kTagGroup = 12, kPerformGroup = 21, kDirectoryGroup = 31, kAppGroup = 32;

}  // namespace

QList<TMergeMenu> TSepDir::MergeMenus() {
    return {{kTagGroup, TagMenu},        {kPerformGroup, PerformMenu},     {kDirectoryGroup, DirectoryMenu},
            {kDirectoryGroup, OptionsMenu}, {kDirectoryGroup, ViewersMenu}, {kAppGroup, AppMenu}};
}

// ---------------------------------------------------------------- building

void TSepDir::BuildMenus() {
    BuildTagMenu(true);
    connect(TagMenu, &QMenu::aboutToShow, this,
            [this] { RunReportingErrors([this] { UpdateActions(TActionMoment::TagMenuOpening); }); });
    BuildPerformMenu();
    BuildDirectoryMenu();
    BuildOptionsMenu();
    BuildViewersMenu();
    for (QMenu* menu : {PerformMenu, ViewersMenu})
        connect(menu, &QMenu::aboutToShow, this, [this] { RunReportingErrors([this] { UpdateActions(); }); });
    BuildAppMenu();
    BuildTreeMenu();
    BuildListMenu();
    ListWildcardsItem = MenuItem(ListMenu, "ListWildcardsItem", "&Wildcards ...");
    OnTrigger(ListWildcardsItem, [this] { ShowSetWildcards(*this); });
    ListSortMenu = SubMenu(ListMenu, "ListSortMenu", "&Sort");
    const QList<QAction*> sort = AddSortItems(ListSortMenu, "List", "T&ype");
    ListSortNameItem = sort[0];
    ListSortTypeItem = sort[1];
    ListSortDateItem = sort[2];
    ListSortSizeItem = sort[3];
}

void TSepDir::BuildDirectoryMenu() {
    DirectoryMenu = TopMenu(this, "DirectoryMenu", "&Directory");
    DirCreateItem = MenuItem(DirectoryMenu, "DirCreateItem", "&Create ...", QKeySequence("Shift+Ins"));
    DirRemoveItem = MenuItem(DirectoryMenu, "DirRemoveItem", "&Remove  ...", QKeySequence("Shift+Del"));
    DirCopyItem = MenuItem(DirectoryMenu, "DirCopyItem", "&Copy ...");
    DirCopyItem->setEnabled(false);
    DirectoryMenu->addSeparator();
    DirViewItem = MenuItem(DirectoryMenu, "DirViewItem", "&View");
    DirViewNewItem = MenuItem(DirectoryMenu, "DirViewNewItem", "Vie&w new");
    DirBackItem = MenuItem(DirectoryMenu, "DirBackItem", "&Back one level");
    DirectoryMenu->addSeparator();
    DirRenameItem = MenuItem(DirectoryMenu, "DirRenameItem", "Re&name directory ...");
    ConnectDirectoryItems(DirViewItem, DirViewNewItem, DirCopyItem, DirCreateItem, DirRemoveItem,
                          DirRenameItem, DirBackItem);
    connect(DirectoryMenu, &QMenu::aboutToShow, this, [this] {
        RunReportingErrors([this] {
            PickTreeSelection();
            UpdateActions();
        });
    });
}

void TSepDir::ConnectDirectoryItems(QAction* view, QAction* viewNew, QAction* copy, QAction* create,
                                    QAction* remove, QAction* rename, QAction* back) {
    OnTrigger(view, [this] { ViewSelected(); });
    OnTrigger(viewNew, [this] { ViewNew(); });
    OnTrigger(copy, [this] { RunDirCommand(TCommand::CopyDirectory); });
    OnTrigger(create, [this] { RunDirCommand(TCommand::CreateDirectory); });
    OnTrigger(remove, [this] { RunDirCommand(TCommand::RemoveDirectory); });
    OnTrigger(rename, [this] { RunDirCommand(TCommand::RenameDirectory); });
    OnTrigger(back, [this] { BackOneLevel(); });
}

QList<QAction*> TSepDir::AddSortItems(QMenu* menu, const char* prefix, const char* typeCaption) {
    auto name = [prefix](const char* base) { return QString(prefix) + base; };
    QList<QAction*> items = {MenuItem(menu, name("SortNameItem"), "&Name"),
                             MenuItem(menu, name("SortTypeItem"), typeCaption),
                             MenuItem(menu, name("SortDateItem"), "&Date"),
                             MenuItem(menu, name("SortSizeItem"), "&Size")};
    static const char* const kKeys[] = {"N   ", "E   ", "D   ", "S   "};
    for (int i = 0; i < 4; ++i) {
        items[i]->setCheckable(true);
        OnTrigger(items[i], [this, i] { SortBy(kKeys[i]); });
    }
    return items;
}

void TSepDir::BuildOptionsMenu() {
    OptionsMenu = TopMenu(this, "OptionsMenu", "&Options");
    SortMenu = SubMenu(OptionsMenu, "SortMenu", "&Sort");
    const QList<QAction*> sort = AddSortItems(SortMenu, "", "&Type");
    SortNameItem = sort[0];
    SortTypeItem = sort[1];
    SortDateItem = sort[2];
    SortSizeItem = sort[3];
    WildcardsItem = MenuItem(OptionsMenu, "WildcardsItem", "&Wildcards ...");
    AllOptionsItem = MenuItem(OptionsMenu, "AllOptionsItem", "&All options ...");
    OptionsMenu->addSeparator();
    ShowDrivesItem = MenuItem(OptionsMenu, "ShowDrivesItem", "Show &Drive list");
    OnTrigger(WildcardsItem, [this] { ShowSetWildcards(*this); });
    OnTrigger(AllOptionsItem, [this] { RunDirCommand(TCommand::WindowOptions); });
    // The drive bar is not part of the main window yet: there is nothing
    // to show.
    ShowDrivesItem->setEnabled(false);
    for (QMenu* menu : {OptionsMenu, SortMenu})
        connect(menu, &QMenu::aboutToShow, this, [this] { RunReportingErrors([this] { UpdateActions(); }); });
}

void TSepDir::BuildTreeMenu() {
    TreeMenu = TopMenu(this, "TreeMenu", "");
    TreeViewItem = MenuItem(TreeMenu, "TreeViewItem", "&View");
    TreeViewNewItem = MenuItem(TreeMenu, "TreeViewNewItem", "Vie&w New");
    TreeBackItem = MenuItem(TreeMenu, "TreeBackItem", "&Back a level");
    TreeMenu->addSeparator();
    TreeCreateItem = MenuItem(TreeMenu, "TreeCreateItem", "&Create ...");
    TreeRemoveItem = MenuItem(TreeMenu, "TreeRemoveItem", "&Remove ...");
    TreeCopyItem = MenuItem(TreeMenu, "TreeCopyItem", "C&opy ...");
    TreeCopyItem->setEnabled(false);
    TreeRenameItem = MenuItem(TreeMenu, "TreeRenameItem", "Re&name ...");
    ConnectDirectoryItems(TreeViewItem, TreeViewNewItem, TreeCopyItem, TreeCreateItem, TreeRemoveItem,
                          TreeRenameItem, TreeBackItem);
}

// ---------------------------------------------------------------- actions

void TSepDir::SortBy(const char* keys) {
    Options.SortKeys = keys;
    ReadDirectory();
}

// ---------------------------------------------------------------- states

void TSepDir::UpdateActions(TActionMoment moment) {
    auto can = [this](TCommand command) { return CanRun(command); };
    const int row = GetCurrentIndex();
    const bool tagged = FileList.GetTaggedCount() > 0;
    const bool listEntries = FileList.GetEntryCount() > 0;
    const bool splitWindows = main_ && main_->SplitWindowCount() > 1;

    // Perform: the tagged entries.
    const std::pair<QAction*, TCommand> perform[] = {
        {CopyItem, TCommand::Copy},     {MoveItem, TCommand::Move},       {ShredItem, TCommand::Shred},
        {DeleteItem, TCommand::Delete}, {AttrItem, TCommand::Attributes}, {RenameItem, TCommand::Rename}};
    for (const auto& [item, command] : perform) item->setEnabled(tagged && can(command));

    // Tag: the file list's menu asks for entries; the menu bar's, opening,
    // offers its items on an empty list too.
    const bool menuBar = moment == TActionMoment::TagMenuOpening;
    const bool entries = menuBar || listEntries;
    TagAllItem->setEnabled(entries);
    TagReverseItem->setEnabled(entries);
    TagNoneItem->setEnabled(entries && (menuBar || tagged));
    TagDateItem->setEnabled(entries && can(TCommand::TagByDate));
    TagSizeItem->setEnabled(entries && can(TCommand::TagBySize));
    TagWildItem->setEnabled(entries && can(TCommand::TagByWildcards));
    TagAttrItem->setEnabled(can(TCommand::TagByAttribute));
    ListTagAttrItem->setEnabled(listEntries && can(TCommand::Attributes));
    TagCompareItem->setEnabled(entries && splitWindows && can(TCommand::ComparePaths));
    TagSearchItem->setEnabled(entries && can(TCommand::SearchText));

    // Directory: the menu bar's items and the tree's, for SelectedDir.
    SetDirectoryItems(DirViewItem, DirViewNewItem, DirCopyItem, DirCreateItem, DirRemoveItem, DirRenameItem,
                      DirBackItem, !SelectedDir.empty(), true);
    SetDirectoryItems(TreeViewItem, TreeViewNewItem, TreeCopyItem, TreeCreateItem, TreeRemoveItem,
                      TreeRenameItem, TreeBackItem, treeMenuOnItem_, false);

    // Viewers, the editor and "&Single" act on the current row (the file
    // list's menu makes the row under the mouse current first).
    const bool onRow = row >= 0 && row < FileList.GetListCount();
    const std::pair<QAction*, TCommand> viewers[] = {
        {ViewAsciiItem, TCommand::ViewText},      {ListViewAsciiItem, TCommand::ViewText},
        {ViewHexItem, TCommand::ViewHex},         {ListViewHexItem, TCommand::ViewHex},
        {ViewPicturesItem, TCommand::ViewPicture}, {ListViewPictureItem, TCommand::ViewPicture}};
    for (const auto& [item, command] : viewers) item->setEnabled(onRow && can(command));
    ListTagSingleItem->setText(onRow ? "&Single: " + MenuText(GetEntryName(row)) : QString("&Single: "));
    ListTagSingleItem->setEnabled(onRow);
    ListEditItem->setText(onRow ? "&Edit: " + MenuText(GetEntryName(row)) : QString("&Edit"));
    ListEditItem->setEnabled(onRow && can(TCommand::EditFile));
    // The application menus offer nothing until the applications are there.
    for (QMenu* menu : {AppMenu, ListAppMenu}) menu->menuAction()->setEnabled(can(TCommand::StartApplication));
    ListNewFileItem->setEnabled(can(TCommand::NewFile));

    // Options: the sort items show the first sort key.
    AllOptionsItem->setEnabled(can(TCommand::WindowOptions));
    const char first = Options.SortKeys.empty() ? ' ' : Options.SortKeys[0];
    const char letters[] = "NEDS";
    const QList<QAction*> sort = {SortNameItem,     SortTypeItem,     SortDateItem,     SortSizeItem,
                                  ListSortNameItem, ListSortTypeItem, ListSortDateItem, ListSortSizeItem};
    for (int i = 0; i < sort.size(); ++i) sort[i]->setChecked(letters[i % 4] == first);
}

void TSepDir::SetDirectoryItems(QAction* view, QAction* viewNew, QAction* copy, QAction* create,
                                QAction* remove, QAction* rename, QAction* back, bool onItem,
                                bool createAlways) {
    const std::string current = GetDirectory();
    // A directory shown by any window (this one too), or one above it,
    // cannot be removed or renamed; the backslash keeps C:\WO from
    // matching C:\WORK.
    const bool free = onItem && SelectedDir.size() > 3 && main_ &&
                      !main_->IsPathShown(WithBackslash(SelectedDir));
    view->setEnabled(onItem && !plat::SameText(SelectedDir, current));
    viewNew->setEnabled(onItem);
    copy->setEnabled(onItem && CanRun(TCommand::CopyDirectory));
    create->setEnabled((onItem || createAlways) && CanRun(TCommand::CreateDirectory));
    remove->setEnabled(free && CanRun(TCommand::RemoveDirectory));
    rename->setEnabled(free && CanRun(TCommand::RenameDirectory));
    back->setEnabled(current.size() > 3);
}

void TSepDir::PickTreeSelection() { SelectedDir = DLB1->SelectedPath(); }

void TSepDir::PrepareTreeMenu(const QPoint& point) {
    if (main_) main_->CancelDrag();
    if (mdiArea()) mdiArea()->setActiveSubWindow(this);
    const std::string path = DLB1->PathAt(point);
    if (!path.empty()) {
        DLB1->setCurrentItem(DLB1->itemAt(point));
        SelectedDir = path;
    }
    treeMenuOnItem_ = !path.empty();
    UpdateActions();
}

void TSepDir::PrepareListMenu(const QPoint& point) {
    if (main_) main_->CancelDrag();
    if (mdiArea()) mdiArea()->setActiveSubWindow(this);
    const int row = LB1->RowAt(point);
    // With nothing tagged the menu acts on the row under the mouse.
    FileList.TagIfNone(row);
    LB1->SetCurrentRow(row);
    ReadyListMenu();
    listMenuReady_ = true;
}

void TSepDir::ReadyListMenu() {
    FillAppMenu(ListAppItems, ListAppMoreItem);
    UpdateActions();
}
