// The menus both kinds of directory window have: Tag, Perform, Viewers and
// Applications, and the file list's context menu. The result window's are
// the split window's without the items it has no use for.
#include <QAction>
#include <QMenu>

#include "core/settings/startup.h"
#include "ui/dirwin/mdi_child_window.h"
#include "ui/dirwin/menu_items_qt.h"

void TMDIChild::OnTrigger(QAction* action, std::function<void()> fn) {
    connect(action, &QAction::triggered, this, [fn = std::move(fn)] { RunReportingErrors(fn); });
}

void TMDIChild::BuildTagMenu(bool withCompare) {
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
    if (withCompare) TagCompareItem = MenuItem(TagMenu, "TagCompareItem", "&Compare Paths ...");
    TagSearchItem = MenuItem(TagMenu, "TagSearchItem", "Search &Text ...");
    OnTrigger(TagAllItem, [this] { TagAll(); });
    OnTrigger(TagReverseItem, [this] { ToggleAll(); });
    OnTrigger(TagNoneItem, [this] { TagNone(); });
    OnTrigger(TagDateItem, [this] { TagByDate(); });
    OnTrigger(TagSizeItem, [this] { RunDirCommand(TCommand::TagBySize); });
    OnTrigger(TagWildItem, [this] { RunDirCommand(TCommand::TagByWildcards); });
    OnTrigger(TagAttrItem, [this] { TagByAttribute(); });
    if (TagCompareItem) OnTrigger(TagCompareItem, [this] { RunDirCommand(TCommand::ComparePaths); });
    OnTrigger(TagSearchItem, [this] { SearchText(); });
}

void TMDIChild::BuildPerformMenu() {
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
        // The file list's context menu shows these items without their keys.
        a->setShortcutVisibleInContextMenu(false);
    }
}

void TMDIChild::BuildViewersMenu() {
    ViewersMenu = TopMenu(this, "ViewersMenu", "&Viewers");
    ViewAsciiItem = MenuItem(ViewersMenu, "ViewAsciiItem", "&Ascii");
    ViewHexItem = MenuItem(ViewersMenu, "ViewHexItem", "&Hex");
    ViewPicturesItem = MenuItem(ViewersMenu, "ViewPicturesItem", "&Pictures");
    ConnectViewerItems(ViewAsciiItem, ViewHexItem, ViewPicturesItem);
}

void TMDIChild::ConnectViewerItems(QAction* ascii, QAction* hex, QAction* picture) {
    OnTrigger(ascii, [this] { ShowViewer(TCommand::ViewText); });
    OnTrigger(hex, [this] { ShowViewer(TCommand::ViewHex); });
    OnTrigger(picture, [this] {
        if (GetCurrentIndex() >= 0) ViewPicture(GetCurrentIndex());
    });
}

void TMDIChild::BuildAppMenu() {
    AppMenu = TopMenu(this, "AppMenu", "&Applications");
    BuildAppItems(AppMenu, AppItems, AppMoreItem, true);
    connect(AppMenu, &QMenu::aboutToShow, this,
            [this] { RunReportingErrors([this] { FillAppMenu(AppItems, AppMoreItem); }); });
}

void TMDIChild::BuildListMenu() {
    ListMenu = TopMenu(this, "ListMenu", "");
    ListEditMenu = SubMenu(ListMenu, "ListEditMenu", "&Edit");
    ListEditItem = MenuItem(ListEditMenu, "ListEditItem", "&Edit");
    ListNewFileItem = MenuItem(ListEditMenu, "ListNewFileItem", "&New file");
    OnTrigger(ListEditItem, [this] {
        if (GetCurrentIndex() >= 0) EditEntry(GetCurrentIndex());
    });
    OnTrigger(ListNewFileItem, [this] {
        if (Frame()) Frame()->RunCommand(TCommand::NewFile);
    });

    ListViewersMenu = SubMenu(ListMenu, "ListViewersMenu", "&Viewers");
    ListViewAsciiItem = MenuItem(ListViewersMenu, "ListViewAsciiItem", "View &Ascii");
    ListViewHexItem = MenuItem(ListViewersMenu, "ListViewHexItem", "View &Hex");
    ListViewPictureItem = MenuItem(ListViewersMenu, "ListViewPictureItem", "View &Picture");
    ConnectViewerItems(ListViewAsciiItem, ListViewHexItem, ListViewPictureItem);

    ListAppMenu = SubMenu(ListMenu, "ListAppMenu", "&Applications");
    BuildAppItems(ListAppMenu, ListAppItems, ListAppMoreItem, false);

    // The Tag items of the menu bar, with "&Single" first; "by Attribute"
    // here opens the attribute dialog, as Perform's item does, so it is an
    // item of its own.
    ListTagMenu = SubMenu(ListMenu, "ListTagMenu", "&Tag");
    ListTagSingleItem = MenuItem(ListTagMenu, "ListTagSingleItem", "&Single");
    ListTagMenu->addActions({TagAllItem, TagReverseItem, TagNoneItem});
    ListTagMenu->addSeparator();
    ListTagMenu->addActions({TagDateItem, TagSizeItem, TagWildItem});
    ListTagAttrItem = MenuItem(ListTagMenu, "ListTagAttrItem", "by Attr&ibute ...");
    ListTagMenu->addSeparator();
    if (TagCompareItem) ListTagMenu->addAction(TagCompareItem);
    ListTagMenu->addAction(TagSearchItem);
    OnTrigger(ListTagSingleItem, [this] { ToggleTag(GetCurrentIndex()); });
    OnTrigger(ListTagAttrItem, [this] { SetAttributes(); });

    ListPerformMenu = SubMenu(ListMenu, "ListPerformMenu", "&Perform");
    ListPerformMenu->addActions(PerformMenu->actions());
}

void TMDIChild::BuildAppItems(QMenu* menu, QList<QAction*>& items, QAction*& more, bool numbered) {
    static const char* const kCaptions[9] = {"&A1", "&A2", "A3", "A4", "A5", "A6", "A7", "A8", "A9"};
    for (int k = 0; k < 9; ++k) {
        QAction* a = menu->addAction(numbered ? kCaptions[k] : "");
        a->setObjectName(QStringLiteral("%1A%2").arg(numbered ? "" : "List").arg(k + 1));
        OnTrigger(a, [this, a] {
            if (Frame() && a->data().isValid())
                Frame()->RunCommand(TCommand::StartApplication, {this, {}, a->data().toInt()});
        });
        items.append(a);
    }
    more = MenuItem(menu, numbered ? "AppMoreItem" : "ListAppMoreItem", "&More ...");
    more->setVisible(false);
    OnTrigger(more, [this] {
        if (Frame()) Frame()->RunCommand(TCommand::StartApplication, {this, {}, kChooseApplication});
    });
}

void TMDIChild::ShowViewer(TCommand viewer) {
    const int row = GetCurrentIndex();
    if (Frame() && row >= 0) Frame()->RunCommand(viewer, {this, GetEntryPath(row)});
}
