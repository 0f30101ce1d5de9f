// TSepDir's menus: those merged into the main window's menu bar (Tag,
// Perform, Directory, Options, Viewers, Applications), the tree's and the
// file list's context menus, and the rules that enable their items before
// they open. An item whose dialog or window no part has registered yet
// stays disabled.
#include <QAction>
#include <QMdiArea>
#include <QMenu>

#include "core/filelist/dir_commands.h"
#include "core/filelist/dir_navigation.h"
#include "ui/dirwin/dir_tree_widget.h"
#include "ui/dirwin/file_list_view.h"
#include "ui/dirwin/sep_dir_window.h"
#include "core/platform/platform.h"
#include "ui/tagging/set_wildcards_dialog.h"
#include "ui/frame/main_window.h"
#include "core/settings/startup.h"

namespace {

// Merge groups of the window's menus in the main window's menu bar.
constexpr int kTagGroup = 12, kPerformGroup = 21, kDirectoryGroup = 31, kAppGroup = 32;

QAction* Item(QMenu* menu, const QString& name, const char* caption,
             const QKeySequence& shortcut = {}) {
    QAction* a = menu->addAction(caption);
    a->setObjectName(name);
    if (!shortcut.isEmpty()) a->setShortcut(shortcut);
    return a;
}

QMenu* SubMenu(QMenu* parent, const char* name, const char* caption) {
    QMenu* m = parent->addMenu(caption);
    m->setObjectName(name);
    return m;
}

QMenu* TopMenu(QWidget* owner, const char* name, const char* caption) {
    auto* m = new QMenu(caption, owner);
    m->setObjectName(name);
    return m;
}

QString MenuText(const std::string& s) { return QString::fromStdString(s).replace("&", "&&"); }

TDirCommands& Commands() { return DirCommands(); }

}  // namespace

void TSepDir::OnTrigger(QAction* action, std::function<void()> fn) {
    connect(action, &QAction::triggered, this, [fn = std::move(fn)] { RunReportingErrors(fn); });
}

QList<TMergeMenu> TSepDir::MergeMenus() {
    return {{kTagGroup, TagMenu},        {kPerformGroup, PerformMenu},     {kDirectoryGroup, DirectoryMenu},
            {kDirectoryGroup, OptionsMenu}, {kDirectoryGroup, ViewersMenu}, {kAppGroup, AppMenu}};
}

// ---------------------------------------------------------------- building

void TSepDir::BuildMenus() {
    BuildTagMenu();
    BuildPerformMenu();
    BuildDirectoryMenu();
    BuildOptionsMenu();
    BuildViewersMenu();
    AppMenu = TopMenu(this, "AppMenu", "&Applications");
    BuildAppItems(AppMenu, AppItems, AppMoreItem, true);
    connect(AppMenu, &QMenu::aboutToShow, this,
            [this] { RunReportingErrors([this] { FillAppMenu(AppItems, AppMoreItem); }); });
    BuildTreeMenu();
    BuildListMenu();
}

void TSepDir::ConnectTagItems(QAction* all, QAction* reverse, QAction* none, QAction* date, QAction* size,
                              QAction* wild, QAction* compare, QAction* search) {
    OnTrigger(all, [this] { TagAll(); });
    OnTrigger(reverse, [this] {
        ToggleAll();
        RepaintList();
        UpdateStatus();
    });
    OnTrigger(none, [this] { TagNone(); });
    OnTrigger(date, [this] { TagByDate(); });
    OnTrigger(size, [this] {
        RunDirCommand(Commands().TagBySize);
        RepaintList();
    });
    OnTrigger(wild, [this] {
        if (Commands().TagByWildcards)
            RunDirCommand(Commands().TagByWildcards);
        else if (main_)
            main_->RunCommand(TMainCommand::TagByWildcards);
        RepaintList();
    });
    OnTrigger(compare, [this] {
        if (main_) main_->RunCommand(TMainCommand::ComparePaths);
    });
    OnTrigger(search, [this] { SearchText(); });
}

void TSepDir::BuildTagMenu() {
    TagMenu = TopMenu(this, "TagMenu", "&Tag");
    TagAllItem = Item(TagMenu, "TagAllItem", "&All");
    TagReverseItem = Item(TagMenu, "TagReverseItem", "&Reverse");
    TagNoneItem = Item(TagMenu, "TagNoneItem", "&None");
    TagMenu->addSeparator();
    TagDateItem = Item(TagMenu, "TagDateItem", "by &Date range ...");
    TagSizeItem = Item(TagMenu, "TagSizeItem", "by &Size ...");
    TagWildItem = Item(TagMenu, "TagWildItem", "by &Wildcards ...");
    TagAttrItem = Item(TagMenu, "TagAttrItem", "by Attr&ibute ...");
    TagMenu->addSeparator();
    TagCompareItem = Item(TagMenu, "TagCompareItem", "&Compare Paths ...");
    TagSearchItem = Item(TagMenu, "TagSearchItem", "Search &Text ...");
    ConnectTagItems(TagAllItem, TagReverseItem, TagNoneItem, TagDateItem, TagSizeItem, TagWildItem,
                    TagCompareItem, TagSearchItem);
    OnTrigger(TagAttrItem, [this] { TagByAttribute(); });
    connect(TagMenu, &QMenu::aboutToShow, this, [this] { RunReportingErrors([this] { UpdateTagState(); }); });
}

QList<QAction*> TSepDir::AddPerformItems(QMenu* menu, bool shortcuts, const char* prefix) {
    auto name = [prefix](const char* base) { return QString(prefix) + base; };
    auto key = [shortcuts](QKeySequence k) { return shortcuts ? k : QKeySequence(); };
    QList<QAction*> items = {
        Item(menu, name("CopyItem"), "&Copy ...", key(QKeySequence("Ctrl+C"))),
        Item(menu, name("MoveItem"), "&Move ...", key(QKeySequence("Ctrl+M"))),
        Item(menu, name("ShredItem"), "&Shred ..."),
        Item(menu, name("DeleteItem"), "&Delete ...", key(QKeySequence("Ctrl+Del"))),
        Item(menu, name("AttrItem"), "&Attributes ...", key(QKeySequence("Ctrl+A"))),
        Item(menu, name("RenameItem"), "&Rename ...", key(QKeySequence("Ctrl+R")))};
    OnTrigger(items[0], [this] { CopyTagged(); });
    OnTrigger(items[1], [this] { MoveTagged(); });
    OnTrigger(items[2], [this] { RunDirCommand(Commands().Shred); });
    OnTrigger(items[3], [this] { DeleteTagged(); });
    OnTrigger(items[4], [this] { SetAttributes(); });
    OnTrigger(items[5], [this] { RenameTagged(); });
    for (QAction* a : items) a->setEnabled(false);
    return items;
}

void TSepDir::BuildPerformMenu() {
    PerformMenu = TopMenu(this, "PerformMenu", "&Perform");
    const QList<QAction*> items = AddPerformItems(PerformMenu, true, "");
    CopyItem = items[0];
    MoveItem = items[1];
    ShredItem = items[2];
    DeleteItem = items[3];
    AttrItem = items[4];
    RenameItem = items[5];
    connect(PerformMenu, &QMenu::aboutToShow, this,
            [this] { RunReportingErrors([this] { UpdatePerformState(); }); });
}

void TSepDir::BuildDirectoryMenu() {
    DirectoryMenu = TopMenu(this, "DirectoryMenu", "&Directory");
    DirCreateItem = Item(DirectoryMenu, "DirCreateItem", "&Create ...", QKeySequence("Shift+Ins"));
    DirRemoveItem = Item(DirectoryMenu, "DirRemoveItem", "&Remove  ...", QKeySequence("Shift+Del"));
    DirCopyItem = Item(DirectoryMenu, "DirCopyItem", "&Copy ...");
    DirCopyItem->setEnabled(false);
    DirectoryMenu->addSeparator();
    DirViewItem = Item(DirectoryMenu, "DirViewItem", "&View");
    DirViewNewItem = Item(DirectoryMenu, "DirViewNewItem", "Vie&w new");
    DirBackItem = Item(DirectoryMenu, "DirBackItem", "&Back one level");
    DirectoryMenu->addSeparator();
    DirRenameItem = Item(DirectoryMenu, "DirRenameItem", "Re&name directory ...");
    ConnectDirectoryItems(DirViewItem, DirViewNewItem, DirCopyItem, DirCreateItem, DirRemoveItem,
                          DirRenameItem, DirBackItem);
    connect(DirectoryMenu, &QMenu::aboutToShow, this,
            [this] { RunReportingErrors([this] { UpdateDirectoryState(); }); });
}

void TSepDir::ConnectDirectoryItems(QAction* view, QAction* viewNew, QAction* copy, QAction* create,
                                    QAction* remove, QAction* rename, QAction* back) {
    OnTrigger(view, [this] { ViewSelected(); });
    OnTrigger(viewNew, [this] { ViewNew(); });
    OnTrigger(copy, [this] { RunDirCommand(Commands().CopyDirectory); });
    OnTrigger(create, [this] { RunDirCommand(Commands().CreateDirectory); });
    OnTrigger(remove, [this] { RunDirCommand(Commands().RemoveDirectory); });
    OnTrigger(rename, [this] { RunDirCommand(Commands().RenameDirectory); });
    OnTrigger(back, [this] { BackOneLevel(); });
}

QList<QAction*> TSepDir::AddSortItems(QMenu* menu, const char* prefix, const char* typeCaption) {
    auto name = [prefix](const char* base) { return QString(prefix) + base; };
    QList<QAction*> items = {Item(menu, name("SortNameItem"), "&Name"),
                             Item(menu, name("SortTypeItem"), typeCaption),
                             Item(menu, name("SortDateItem"), "&Date"),
                             Item(menu, name("SortSizeItem"), "&Size")};
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
    WildcardsItem = Item(OptionsMenu, "WildcardsItem", "&Wildcards ...");
    AllOptionsItem = Item(OptionsMenu, "AllOptionsItem", "&All options ...");
    OptionsMenu->addSeparator();
    ShowDrivesItem = Item(OptionsMenu, "ShowDrivesItem", "Show &Drive list");
    OnTrigger(WildcardsItem, [this] { ShowSetWildcards(*this); });
    OnTrigger(AllOptionsItem, [this] {
        if (main_) main_->RunCommand(TMainCommand::WindowOptions);
    });
    // The drive bar is not part of the main window yet: there is nothing
    // to show.
    ShowDrivesItem->setEnabled(false);
    connect(OptionsMenu, &QMenu::aboutToShow, this,
            [this] { RunReportingErrors([this] { UpdateOptionsState(); }); });
    connect(SortMenu, &QMenu::aboutToShow, this,
            [this] { RunReportingErrors([this] { UpdateOptionsState(); }); });
}

void TSepDir::BuildViewersMenu() {
    ViewersMenu = TopMenu(this, "ViewersMenu", "&Viewers");
    ViewAsciiItem = Item(ViewersMenu, "ViewAsciiItem", "&Ascii");
    ViewHexItem = Item(ViewersMenu, "ViewHexItem", "&Hex");
    ViewPicturesItem = Item(ViewersMenu, "ViewPicturesItem", "&Pictures");
    ConnectViewerItems(ViewAsciiItem, ViewHexItem, ViewPicturesItem);
    connect(ViewersMenu, &QMenu::aboutToShow, this,
            [this] { RunReportingErrors([this] { UpdateViewersState(); }); });
}

void TSepDir::ConnectViewerItems(QAction* ascii, QAction* hex, QAction* picture) {
    OnTrigger(ascii, [this] {
        if (main_) ShowViewer(main_->ShowTextViewer);
    });
    OnTrigger(hex, [this] {
        if (main_) ShowViewer(main_->ShowHexViewer);
    });
    OnTrigger(picture, [this] {
        if (GetCurrentIndex() >= 0) ViewPicture(GetCurrentIndex());
    });
}

void TSepDir::BuildAppItems(QMenu* menu, QList<QAction*>& items, QAction*& more, bool numbered) {
    static const char* const kCaptions[9] = {"&A1", "&A2", "A3", "A4", "A5", "A6", "A7", "A8", "A9"};
    for (int k = 0; k < 9; ++k) {
        QAction* a = menu->addAction(numbered ? kCaptions[k] : "");
        a->setObjectName(QStringLiteral("%1A%2").arg(numbered ? "" : "List").arg(k + 1));
        OnTrigger(a, [this, a] { StartApplication(a); });
        items.append(a);
    }
    more = Item(menu, numbered ? "AppMoreItem" : "ListAppMoreItem", "&More ...");
    more->setVisible(false);
    OnTrigger(more, [this] {
        if (!main_) return;
        main_->RunCommand(TMainCommand::Applications);
        main_->ReloadCategoryBox();
    });
}

void TSepDir::BuildTreeMenu() {
    TreeMenu = TopMenu(this, "TreeMenu", "");
    TreeViewItem = Item(TreeMenu, "TreeViewItem", "&View");
    TreeViewNewItem = Item(TreeMenu, "TreeViewNewItem", "Vie&w New");
    TreeBackItem = Item(TreeMenu, "TreeBackItem", "&Back a level");
    TreeMenu->addSeparator();
    TreeCreateItem = Item(TreeMenu, "TreeCreateItem", "&Create ...");
    TreeRemoveItem = Item(TreeMenu, "TreeRemoveItem", "&Remove ...");
    TreeCopyItem = Item(TreeMenu, "TreeCopyItem", "C&opy ...");
    TreeCopyItem->setEnabled(false);
    TreeRenameItem = Item(TreeMenu, "TreeRenameItem", "Re&name ...");
    ConnectDirectoryItems(TreeViewItem, TreeViewNewItem, TreeCopyItem, TreeCreateItem, TreeRemoveItem,
                          TreeRenameItem, TreeBackItem);
}

void TSepDir::BuildListMenu() {
    ListMenu = TopMenu(this, "ListMenu", "");
    ListEditMenu = SubMenu(ListMenu, "ListEditMenu", "&Edit");
    ListEditItem = Item(ListEditMenu, "ListEditItem", "&Edit");
    ListNewFileItem = Item(ListEditMenu, "ListNewFileItem", "&New file");
    OnTrigger(ListEditItem, [this] {
        if (GetCurrentIndex() >= 0) EditEntry(GetCurrentIndex());
    });
    OnTrigger(ListNewFileItem, [this] {
        if (main_) main_->RunCommand(TMainCommand::NewFile);
    });

    ListViewersMenu = SubMenu(ListMenu, "ListViewersMenu", "&Viewers");
    ListViewAsciiItem = Item(ListViewersMenu, "ListViewAsciiItem", "View &Ascii");
    ListViewHexItem = Item(ListViewersMenu, "ListViewHexItem", "View &Hex");
    ListViewPictureItem = Item(ListViewersMenu, "ListViewPictureItem", "View &Picture");
    ConnectViewerItems(ListViewAsciiItem, ListViewHexItem, ListViewPictureItem);

    ListAppMenu = SubMenu(ListMenu, "ListAppMenu", "&Applications");
    BuildAppItems(ListAppMenu, ListAppItems, ListAppMoreItem, false);

    ListTagMenu = SubMenu(ListMenu, "ListTagMenu", "&Tag");
    ListTagSingleItem = Item(ListTagMenu, "ListTagSingleItem", "&Single");
    ListTagAllItem = Item(ListTagMenu, "ListTagAllItem", "&All");
    ListTagReverseItem = Item(ListTagMenu, "ListTagReverseItem", "&Reverse");
    ListTagNoneItem = Item(ListTagMenu, "ListTagNoneItem", "&None");
    ListTagMenu->addSeparator();
    ListTagDateItem = Item(ListTagMenu, "ListTagDateItem", "by &Date range ...");
    ListTagSizeItem = Item(ListTagMenu, "ListTagSizeItem", "by &Size ...");
    ListTagWildItem = Item(ListTagMenu, "ListTagWildItem", "by &Wildcards ...");
    ListTagAttrItem = Item(ListTagMenu, "ListTagAttrItem", "by Attr&ibute ...");
    ListTagMenu->addSeparator();
    ListTagCompareItem = Item(ListTagMenu, "ListTagCompareItem", "&Compare Paths ...");
    ListTagSearchItem = Item(ListTagMenu, "ListTagSearchItem", "Search &Text ...");
    OnTrigger(ListTagSingleItem, [this] {
        ToggleTag(GetCurrentIndex());
        RepaintList();
        UpdateStatus();
    });
    ConnectTagItems(ListTagAllItem, ListTagReverseItem, ListTagNoneItem, ListTagDateItem, ListTagSizeItem,
                    ListTagWildItem, ListTagCompareItem, ListTagSearchItem);
    // Here "by Attribute" opens the attribute dialog, as Perform's item does.
    OnTrigger(ListTagAttrItem, [this] { SetAttributes(); });

    ListPerformMenu = SubMenu(ListMenu, "ListPerformMenu", "&Perform");
    const QList<QAction*> perform = AddPerformItems(ListPerformMenu, false, "List");
    ListCopyItem = perform[0];
    ListMoveItem = perform[1];
    ListShredItem = perform[2];
    ListDeleteItem = perform[3];
    ListAttrItem = perform[4];
    ListRenameItem = perform[5];

    ListWildcardsItem = Item(ListMenu, "ListWildcardsItem", "&Wildcards ...");
    OnTrigger(ListWildcardsItem, [this] { ShowSetWildcards(*this); });
    ListSortMenu = SubMenu(ListMenu, "ListSortMenu", "&Sort");
    const QList<QAction*> sort = AddSortItems(ListSortMenu, "List", "T&ype");
    ListSortNameItem = sort[0];
    ListSortTypeItem = sort[1];
    ListSortDateItem = sort[2];
    ListSortSizeItem = sort[3];
}

// ---------------------------------------------------------------- actions

void TSepDir::SortBy(const char* keys) {
    Options.SortKeys = keys;
    ReadDirectory();
}

void TSepDir::ShowViewer(const std::function<void(const std::string&)>& viewer) {
    const int row = GetCurrentIndex();
    if (viewer && row >= 0) viewer(GetEntryPath(row));
}

void TSepDir::StartApplication(QAction* item) {
    if (main_ && main_->StartApplication && item->data().isValid())
        main_->StartApplication(item->data().toInt(), *this);
}

// ---------------------------------------------------------------- states

void TSepDir::UpdatePerformState() {
    const bool tagged = FileList.GetTaggedCount() > 0;
    const TDirCommands& c = Commands();
    const bool available[6] = {bool(c.Copy),       bool(c.Move),       bool(c.Shred),
                               bool(c.Delete),     bool(c.Attributes), bool(c.Rename)};
    const QList<QAction*> lists[2] = {{CopyItem, MoveItem, ShredItem, DeleteItem, AttrItem, RenameItem},
                                      {ListCopyItem, ListMoveItem, ListShredItem, ListDeleteItem,
                                       ListAttrItem, ListRenameItem}};
    for (const QList<QAction*>& items : lists)
        for (int i = 0; i < 6; ++i) items[i]->setEnabled(tagged && available[i]);
}

void TSepDir::SetDirectoryItems(QAction* view, QAction* viewNew, QAction* copy, QAction* create,
                                QAction* remove, QAction* rename, QAction* back, bool onItem,
                                bool createAlways) {
    const std::string current = GetDirectory();
    const TDirCommands& c = Commands();
    // A directory shown by any window (this one too), or one above it,
    // cannot be removed or renamed; the backslash keeps C:\WO from
    // matching C:\WORK.
    const bool free = onItem && SelectedDir.size() > 3 && main_ &&
                      !main_->IsPathShown(WithBackslash(SelectedDir));
    view->setEnabled(onItem && !plat::SameText(SelectedDir, current));
    viewNew->setEnabled(onItem);
    copy->setEnabled(onItem && c.CopyDirectory);
    create->setEnabled((onItem || createAlways) && c.CreateDirectory);
    remove->setEnabled(free && c.RemoveDirectory);
    rename->setEnabled(free && c.RenameDirectory);
    back->setEnabled(current.size() > 3);
}

void TSepDir::UpdateDirectoryState() {
    SelectedDir = DLB1->SelectedPath();
    SetDirectoryItems(DirViewItem, DirViewNewItem, DirCopyItem, DirCreateItem, DirRemoveItem, DirRenameItem,
                      DirBackItem, !SelectedDir.empty(), true);
}

void TSepDir::PrepareTreeMenu(const QPoint& point) {
    if (main_) main_->CancelDrag();
    if (mdiArea()) mdiArea()->setActiveSubWindow(this);
    const std::string path = DLB1->PathAt(point);
    if (!path.empty()) {
        DLB1->setCurrentItem(DLB1->itemAt(point));
        SelectedDir = path;
    }
    SetDirectoryItems(TreeViewItem, TreeViewNewItem, TreeCopyItem, TreeCreateItem, TreeRemoveItem,
                      TreeRenameItem, TreeBackItem, !path.empty(), false);
}

void TSepDir::UpdateTagState() {
    const TDirCommands& c = Commands();
    const bool wildcards = c.TagByWildcards || (main_ && main_->HasCommand(TMainCommand::TagByWildcards));
    const bool compare = main_ && main_->HasCommand(TMainCommand::ComparePaths) && main_->SplitWindowCount > 1;
    TagDateItem->setEnabled(bool(c.TagByDate));
    TagSizeItem->setEnabled(bool(c.TagBySize));
    TagWildItem->setEnabled(wildcards);
    TagAttrItem->setEnabled(bool(c.TagByAttribute));
    TagCompareItem->setEnabled(compare);
    // The text search arrives with the searches.
    TagSearchItem->setEnabled(false);
}

void TSepDir::UpdateOptionsState() {
    AllOptionsItem->setEnabled(main_ && main_->HasCommand(TMainCommand::WindowOptions));
    const char first = Options.SortKeys.empty() ? ' ' : Options.SortKeys[0];
    const char letters[] = "NEDS";
    const QList<QAction*> items = {SortNameItem,     SortTypeItem,     SortDateItem,     SortSizeItem,
                                   ListSortNameItem, ListSortTypeItem, ListSortDateItem, ListSortSizeItem};
    for (int i = 0; i < items.size(); ++i) items[i]->setChecked(letters[i % 4] == first);
}

void TSepDir::UpdateViewersState() {
    const bool row = GetCurrentIndex() >= 0;
    const QList<QAction*> ascii = {ViewAsciiItem, ListViewAsciiItem};
    const QList<QAction*> hex = {ViewHexItem, ListViewHexItem};
    const QList<QAction*> picture = {ViewPicturesItem, ListViewPictureItem};
    for (QAction* a : ascii) a->setEnabled(row && main_ && main_->ShowTextViewer);
    for (QAction* a : hex) a->setEnabled(row && main_ && main_->ShowHexViewer);
    for (QAction* a : picture) a->setEnabled(row && main_ && main_->ViewPictureFile);
}

void TSepDir::PrepareListMenu(const QPoint& point) {
    if (main_) main_->CancelDrag();
    if (mdiArea()) mdiArea()->setActiveSubWindow(this);
    const int row = LB1->RowAt(point);
    // With nothing tagged the menu acts on the row under the mouse.
    if (FileList.TagIfNone(row)) {
        RepaintList();
        UpdateStatus();
    }
    SetListMenuItems(row);
    LB1->SetCurrentRow(row);
    listMenuReady_ = true;
}

void TSepDir::SetListMenuItems(int row) {
    const TDirCommands& c = Commands();
    const bool entries = FileList.GetEntryCount() > 0;
    const bool wildcards = c.TagByWildcards || (main_ && main_->HasCommand(TMainCommand::TagByWildcards));
    ListTagAllItem->setEnabled(entries);
    ListTagReverseItem->setEnabled(entries);
    ListTagNoneItem->setEnabled(entries && FileList.GetTaggedCount() > 0);
    ListTagDateItem->setEnabled(entries && c.TagByDate);
    ListTagSizeItem->setEnabled(entries && c.TagBySize);
    ListTagWildItem->setEnabled(entries && wildcards);
    ListTagAttrItem->setEnabled(entries && c.Attributes);
    ListTagSearchItem->setEnabled(false);
    ListTagCompareItem->setEnabled(entries && main_ && main_->SplitWindowCount > 1 &&
                                   main_->HasCommand(TMainCommand::ComparePaths));
    UpdatePerformState();

    const bool onRow = row >= 0 && row < FileList.GetListCount();
    ListTagSingleItem->setText(onRow ? "&Single: " + MenuText(GetEntryName(row)) : QString("&Single: "));
    ListTagSingleItem->setEnabled(onRow);
    // The viewers and the editor act on the current row, which the menu's
    // row becomes.
    const QList<QAction*> viewers = {ListViewAsciiItem, ListViewHexItem, ListViewPictureItem};
    const bool hooks[] = {main_ && main_->ShowTextViewer, main_ && main_->ShowHexViewer,
                          main_ && main_->ViewPictureFile};
    for (int i = 0; i < viewers.size(); ++i) viewers[i]->setEnabled(onRow && hooks[i]);
    ListEditItem->setText(onRow ? "&Edit: " + MenuText(GetEntryName(row)) : QString("&Edit"));
    ListEditItem->setEnabled(onRow && main_ && main_->EditFile);
    ListNewFileItem->setEnabled(main_ && main_->HasCommand(TMainCommand::NewFile));
    FillAppMenu(ListAppItems, ListAppMoreItem);
    UpdateOptionsState();
}
