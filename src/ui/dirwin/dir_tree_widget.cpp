#include "ui/dirwin/dir_tree_widget.h"

#include <QHeaderView>
#include <QScrollBar>
#include <QTreeWidgetItemIterator>
#include <algorithm>
#include <vector>

#include "core/text/column_text.h"
#include "core/filelist/dir_navigation.h"
#include "core/filelist/subdirectories.h"
#include "core/platform/platform.h"

namespace {

constexpr int kPathRole = Qt::UserRole;        // the item's directory, Windows form
constexpr int kLoadedRole = Qt::UserRole + 1;  // its subdirectories were read
constexpr int kProbedRole = Qt::UserRole + 2;  // whether it has any was asked

char DriveOf(const std::string& dir) {
    return dir.size() >= 2 && dir[1] == ':' ? static_cast<char>(std::toupper(static_cast<unsigned char>(dir[0])))
                                             : '\0';
}

// Path components after the drive root: "C:\A\B" -> {"A", "B"}.
std::vector<std::string> Components(const std::string& dir) {
    std::vector<std::string> parts;
    std::string cur;
    for (size_t i = 3; i < dir.size(); ++i) {
        if (dir[i] == '\\') {
            if (!cur.empty()) parts.push_back(cur);
            cur.clear();
        } else {
            cur += dir[i];
        }
    }
    if (!cur.empty()) parts.push_back(cur);
    return parts;
}

}  // namespace

TDirTree::TDirTree(QWidget* parent) : QTreeWidget(parent) {
    setColumnCount(1);
    header()->hide();
    setUniformRowHeights(true);
    setExpandsOnDoubleClick(false);
    setRootIsDecorated(true);
    probeTimer_.setSingleShot(true);
    probeTimer_.setInterval(0);
    connect(&probeTimer_, &QTimer::timeout, this, &TDirTree::ProbeShownItems);
    connect(this, &QTreeWidget::itemExpanded, this, [this](QTreeWidgetItem* item) {
        LoadChildren(item);
        ScheduleProbe();
    });
    connect(this, &QTreeWidget::itemCollapsed, this, [this] { ScheduleProbe(); });
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, [this] { ScheduleProbe(); });
    connect(this, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) {
        if (item) SetDirectory(PathOf(item));
    });
}

std::string TDirTree::PathOf(const QTreeWidgetItem* item) {
    return item ? item->data(0, kPathRole).toString().toStdString() : std::string();
}

void TDirTree::MakeRoot(char drive) {
    clear();
    current_ = nullptr;
    auto* root = new QTreeWidgetItem(this);
    const std::string path = std::string(1, drive) + ":\\";
    root->setText(0, QString::fromStdString(path));
    root->setData(0, kPathRole, QString::fromStdString(path));
    root->setIcon(0, style()->standardIcon(QStyle::SP_DriveHDIcon));
    root->setChildIndicatorPolicy(QTreeWidgetItem::DontShowIndicator);
    ScheduleProbe();
}

QTreeWidgetItem* TDirTree::AddChild(QTreeWidgetItem* parent, const std::string& name) {
    auto* item = new QTreeWidgetItem(parent);
    item->setText(0, QString::fromStdString(ShownText(name)));
    item->setData(0, kPathRole, QString::fromStdString(WithBackslash(PathOf(parent)) + name));
    item->setIcon(0, style()->standardIcon(QStyle::SP_DirIcon));
    // No arrow until it is known to have a subdirectory (ProbeShownItems).
    item->setChildIndicatorPolicy(QTreeWidgetItem::DontShowIndicator);
    return item;
}

uint32_t TDirTree::ListedAttributes() const {
    return plat::faDirectory | (showHidden_ ? plat::faHidden | plat::faSysFile : 0);
}

void TDirTree::LoadChildren(QTreeWidgetItem* item) {
    if (!item || item->data(0, kLoadedRole).toBool()) return;
    item->setData(0, kLoadedRole, true);
    const std::vector<std::string> names = SubdirectoryNames(PathOf(item), ListedAttributes());
    for (const std::string& name : names) AddChild(item, name);
    item->setChildIndicatorPolicy(QTreeWidgetItem::DontShowIndicatorWhenChildless);
    ScheduleProbe();
}

void TDirTree::ProbeShownItems() {
    // Only the rows in view are asked: a folder of thousands of
    // subdirectories costs a look at the few on screen, each ending at its
    // first subdirectory.
    const int bottom = viewport()->height();
    for (QTreeWidgetItem* item = itemAt(0, 0); item && visualItemRect(item).top() < bottom;
         item = itemBelow(item)) {
        if (item->data(0, kLoadedRole).toBool() || item->data(0, kProbedRole).toBool()) continue;
        item->setData(0, kProbedRole, true);
        item->setChildIndicatorPolicy(HasSubdirectory(PathOf(item), ListedAttributes())
                                          ? QTreeWidgetItem::ShowIndicator
                                          : QTreeWidgetItem::DontShowIndicator);
    }
}

void TDirTree::resizeEvent(QResizeEvent* event) {
    QTreeWidget::resizeEvent(event);
    ScheduleProbe();
}

void TDirTree::showEvent(QShowEvent* event) {
    QTreeWidget::showEvent(event);
    ScheduleProbe();
}

QTreeWidgetItem* TDirTree::FindOrLoad(const std::string& dir) {
    QTreeWidgetItem* item = Root();
    if (!item) return nullptr;
    for (const std::string& part : Components(dir)) {
        LoadChildren(item);
        QTreeWidgetItem* next = nullptr;
        // The exact spelling first; a typed or stored one finds its match
        // without regard to case.
        for (int i = 0; i < item->childCount() && !next; ++i) {
            const std::string path = PathOf(item->child(i));
            if (path.substr(path.rfind('\\') + 1) == part) next = item->child(i);
        }
        for (int i = 0; i < item->childCount() && !next; ++i) {
            const std::string path = PathOf(item->child(i));
            if (plat::SameText(path.substr(path.rfind('\\') + 1), part)) next = item->child(i);
        }
        if (!next) {
            // A directory the listing leaves out (hidden) is still reachable.
            const std::string path = WithBackslash(PathOf(item)) + part;
            if (!plat::DirectoryExists(path)) return nullptr;
            next = AddChild(item, plat::ActualSpelling(path).substr(WithBackslash(PathOf(item)).size()));
        }
        item = next;
    }
    return item;
}

bool TDirTree::SetDirectory(const std::string& dir) {
    const std::string full = plat::ExpandFileName(dir);
    const char drive = DriveOf(full);
    if (!drive || !plat::DirectoryExists(full)) return false;
    if (!Root() || DriveOf(PathOf(Root())) != drive) MakeRoot(drive);
    QTreeWidgetItem* item = FindOrLoad(full);
    if (!item) return false;
    // Open down to it, and open it: its subdirectories are the next steps.
    for (QTreeWidgetItem* up = item; up; up = up->parent()) up->setExpanded(true);
    setCurrentItem(item);
    scrollToItem(item);
    if (item == current_) return true;
    MarkCurrent(item);
    emit DirectoryChanged(PathOf(item));
    return true;
}

void TDirTree::MarkCurrent(QTreeWidgetItem* item) {
    if (current_) {
        QFont f = current_->font(0);
        f.setBold(false);
        current_->setFont(0, f);
        if (current_->parent()) current_->setIcon(0, style()->standardIcon(QStyle::SP_DirIcon));
    }
    current_ = item;
    QFont f = item->font(0);
    f.setBold(true);
    item->setFont(0, f);
    if (item->parent()) item->setIcon(0, style()->standardIcon(QStyle::SP_DirOpenIcon));
}

std::string TDirTree::Directory() const { return PathOf(current_); }

std::string TDirTree::SelectedPath() const { return PathOf(currentItem()); }

std::string TDirTree::PathAt(const QPoint& point) const { return PathOf(itemAt(point)); }

void TDirTree::SelectPath(const std::string& dir) {
    if (QTreeWidgetItem* item = FindOrLoad(plat::ExpandFileName(dir))) setCurrentItem(item);
}

void TDirTree::Reread() {
    const std::string was = Directory();
    if (was.empty()) return;
    // Open nodes and the selection come back where their directories still exist.
    std::vector<std::string> open;
    for (QTreeWidgetItemIterator it(this); *it; ++it)
        if ((*it)->isExpanded()) open.push_back(PathOf(*it));
    const std::string selected = SelectedPath();

    MakeRoot(DriveOf(was));
    std::string dir = was;
    while (!plat::DirectoryExists(dir) && dir.size() > 3) dir = ParentDirectory(dir);
    QTreeWidgetItem* item = FindOrLoad(dir);
    if (!item) return;
    for (const std::string& path : open)
        if (QTreeWidgetItem* node = FindOrLoad(path)) node->setExpanded(true);
    for (QTreeWidgetItem* up = item; up; up = up->parent()) up->setExpanded(true);
    MarkCurrent(item);
    QTreeWidgetItem* choice = selected.empty() ? nullptr : FindOrLoad(selected);
    setCurrentItem(choice ? choice : item);
    if (PathOf(item) != was) emit DirectoryChanged(PathOf(item));
}
