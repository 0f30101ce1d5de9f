#include "ui/fileops/find_directory_dialog.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <cctype>

#include "ui/frame/dialog_buttons.h"
#include "core/fileops/file_primitives.h"
#include "core/filelist/subdirectories.h"
#include "core/platform/platform.h"
#include "ui/frame/shown_text_qt.h"

namespace {

constexpr int kPathRole = Qt::UserRole;
constexpr int kLoadedRole = Qt::UserRole + 1;

char Upper(char c) { return static_cast<char>(std::toupper(static_cast<unsigned char>(c))); }

std::string DriveRoot(char letter) { return std::string(1, Upper(letter)) + ":\\"; }

}  // namespace

TUDFind::TUDFind(const std::string& start, QWidget* parent) : QDialog(parent) {
    setObjectName("UDFind");
    setWindowTitle("Find Directory");

    DCB1 = new QComboBox(this);
    DCB1->setObjectName("DCB1");
    for (const plat::Drive& d : plat::Drives()) {
        std::string text = std::string(1, d.letter) + ":";
        std::string label = plat::VolumeLabel(d.letter);
        if (!label.empty()) text += " [" + label + "]";
        DCB1->addItem(QString::fromStdString(text), QChar(d.letter));
    }
    DLB1 = new QTreeWidget(this);
    DLB1->setObjectName("DLB1");
    DLB1->setHeaderHidden(true);
    DLB1->setMinimumSize(260, 220);
    L_Directory = new QLabel(this);
    L_Directory->setObjectName("L_Directory");
    L_Directory->setTextInteractionFlags(Qt::TextSelectableByMouse);
    OKBtn = DialogButton(this, "OK", "OKBtn", true);
    CancelBtn = DialogButton(this, "Cancel", "CancelBtn");
    CancelBtn->setAutoDefault(false);

    connect(DCB1, &QComboBox::activated, this,
            [this](int index) { SetDrive(DCB1->itemData(index).toChar().toLatin1()); });
    connect(DLB1, &QTreeWidget::itemExpanded, this, [this](QTreeWidgetItem* item) { LoadChildren(item); });
    connect(DLB1, &QTreeWidget::currentItemChanged, this, [this] { ShowSelected(); });
    connect(OKBtn, &QPushButton::clicked, this, [this] {
        if (!Directory().empty()) accept();
    });
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(OKBtn);
    buttons->addWidget(CancelBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(DCB1);
    layout->addWidget(DLB1, 1);
    layout->addWidget(L_Directory);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    std::string first = plat::TrimRight(start);
    if (first.empty() || !plat::DirectoryExists(first)) first = plat::GetCurrentDir();
    if (first.empty() && !plat::Drives().empty()) first = DriveRoot(plat::Drives().front().letter);
    SetDirectory(first);

    adjustSize();
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

std::string TUDFind::Directory() const {
    QTreeWidgetItem* item = DLB1->currentItem();
    return item ? item->data(0, kPathRole).toString().toStdString() : std::string();
}

void TUDFind::SetDrive(char letter) {
    if (!plat::FindDrive(letter)) return;
    std::string dir = plat::GetDriveCurrentDir(letter);
    SetDirectory(dir.empty() ? DriveRoot(letter) : dir);
}

void TUDFind::SetDirectory(const std::string& path) {
    std::string full = plat::ActualSpelling(path);
    if (full.size() < 3 || full[1] != ':' || !plat::FindDrive(full[0])) return;
    const char letter = Upper(full[0]);
    if (letter != drive_ || DLB1->topLevelItemCount() == 0) {
        drive_ = letter;
        DLB1->clear();
        AddDirectoryItem(nullptr, DriveRoot(letter), DriveRoot(letter));
        QSignalBlocker quiet(DCB1);
        DCB1->setCurrentIndex(DCB1->findData(QChar(letter)));
    }
    // Down the tree as far as the path's directories exist.
    QTreeWidgetItem* item = DLB1->topLevelItem(0);
    for (const std::string& part : plat::SplitPathNames(full.substr(3))) {
        LoadChildren(item);
        QTreeWidgetItem* next = nullptr;
        for (int i = 0; i < item->childCount() && !next; ++i)
            if (item->child(i)->text(0) == ShownQText(part)) next = item->child(i);
        for (int i = 0; i < item->childCount() && !next; ++i)
            if (plat::SameText(item->child(i)->text(0).toStdString(), ShownText(part))) next = item->child(i);
        if (!next) break;
        item->setExpanded(true);
        item = next;
    }
    DLB1->setCurrentItem(item);
    DLB1->scrollToItem(item);
    ShowSelected();
}

QTreeWidgetItem* TUDFind::AddDirectoryItem(QTreeWidgetItem* parent, const std::string& path,
                                           const std::string& text) {
    auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(DLB1);
    item->setText(0, ShownQText(text));
    item->setData(0, kPathRole, QString::fromStdString(path));
    item->setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);
    return item;
}

void TUDFind::LoadChildren(QTreeWidgetItem* item) {
    if (!item || item->data(0, kLoadedRole).toBool()) return;
    item->setData(0, kLoadedRole, true);
    const std::string dir = AddBackslash(item->data(0, kPathRole).toString().toStdString());
    const std::vector<std::string> names = SubdirectoryNames(dir, plat::faDirectory);
    for (const std::string& name : names) AddDirectoryItem(item, dir + name, name);
    item->setChildIndicatorPolicy(QTreeWidgetItem::DontShowIndicatorWhenChildless);
}

void TUDFind::ShowSelected() { L_Directory->setText(ShownQText(Directory())); }

bool TUDFind::Execute(std::string& directory, QWidget* parent) {
    TUDFind dialog(directory, parent);
    if (dialog.exec() != QDialog::Accepted || dialog.Directory().empty()) return false;
    directory = dialog.Directory();
    return true;
}
