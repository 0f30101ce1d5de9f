// TCmbDir: creation, the search feeding the list, the operations of
// TMDIChild, keys and the close during a search. Its menus are in
// cmb_dir_menus_window.cpp.
#include "ui/dirwin/cmb_dir_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMenu>
#include <QScrollBar>
#include <new>

#include "core/filelist/dir_navigation.h"
#include "core/platform/errors.h"
#include "core/platform/platform.h"
#include "core/seams/prompter.h"
#include "core/settings/quilby_options.h"
#include "core/settings/startup.h"
#include "core/text/column_text.h"
#include "core/text/size_text.h"
#include "ui/dirwin/file_list_view.h"
#include "ui/frame/display_settings.h"

namespace {

constexpr int kHeaderHeight = 25;
const char* const kHeaderSection = "Header2";
// The list and the hint line follow the search this often; the events
// waiting meanwhile (Escape, a close, a repaint) are processed then.
constexpr uint64_t kHandBackMs = 100;

QString TitleText(const std::string& caption) {
    return QString::fromStdString(ShownText(caption))
        .replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
}

// The client area: the header across the top, the list below it.
class TCmbDirClient : public QWidget {
  public:
    using QWidget::QWidget;
    std::function<void()> resized;
    QSize sizeHint() const override { return {418, 381}; }

  protected:
    void resizeEvent(QResizeEvent*) override {
        if (resized) resized();
    }
};

}  // namespace

// What the scan tells the window: files go into the list in batches; every
// kHandBackMs the list and the hint line are brought up to date and the
// waiting events processed.
class TCmbDir::TSink : public TDriveScanSink {
  public:
    explicit TSink(TCmbDir& w)
        : w_(w), changes_(std::in_place, w.FileList), last_(plat::GetTickCount()) {}

    void DirectoryEntered(const std::string& dir) override {
        dir_ = dir;
        HandBackWhenDue();
    }
    bool FileFound(const plat::FindData& file, int32_t dirIndex) override {
        if (w_.FileList.GetListCount() >= w_.EntryLimit) return false;
        try {
            w_.FileList.AppendEntry(file, dirIndex);
        } catch (const std::bad_alloc&) {
            return false;
        }
        return true;
    }
    bool StopRequested() override {
        HandBackWhenDue();
        return w_.stopRequested_;
    }
    // The last batch goes into the list.
    void Finish() { changes_.reset(); }

  private:
    void HandBackWhenDue() {
        const uint64_t now = plat::GetTickCount();
        if (now - last_ < kHandBackMs) return;
        changes_.reset();  // the view and the counters follow
        if (w_.main_) w_.main_->SetHintText(dir_);
        QApplication::processEvents();
        changes_.emplace(w_.FileList);
        last_ = plat::GetTickCount();
    }

    TCmbDir& w_;
    std::optional<TFileListModel::TChanges> changes_;
    uint64_t last_;
    std::string dir_;
};

// ---------------------------------------------------------------- creation

TCmbDir::TCmbDir(TFrameServices* frame, const TDriveSearchCriteria& criteria)
    : TMDIChild(frame), main_(frame), criteria_(criteria), scan_(criteria) {
    if (main_) setFont(main_->Display().ListFont);
    Options.Wildcards = CutToWidth(criteria_.Patterns, kWildcardsWidth);
    BuildControls();
    BuildMenus();
    FollowListChanges();
    LB1->SetRowHeight(QFontMetrics(font()).height());
    SetupHeader();
    resize(sizeHint());
    SetCaption();
}

TCmbDir::~TCmbDir() {
    if (main_ && main_->Drag().Source == this) main_->Drag().Source = nullptr;
}

void TCmbDir::SetCaption() {
    std::vector<std::pair<std::string, int>> others;
    if (main_)
        for (TMDIChild* w : main_->DirectoryWindowsInOrder())
            if (auto* other = qobject_cast<TCmbDir*>(w); other && other != this)
                others.emplace_back(other->CaptionBase, other->WindowNumber);
    CaptionBase = criteria_.BaseDirectory + " " + criteria_.Patterns;
    WindowNumber = NextWindowNumber(others, CaptionBase);
    setWindowTitle(TitleText(NumberedCaption(CaptionBase, WindowNumber)));
}

void TCmbDir::BuildControls() {
    auto* client = new TCmbDirClient(this);
    client->setObjectName("Client");
    setWidget(client);

    BuildFileList(client);
    // The window sees every key press before its controls do.
    LB1->installEventFilter(this);
    client->installEventFilter(this);

    client->resized = [this, client] {
        if (Closing) return;
        Header1->setGeometry(0, 0, client->width(), kHeaderHeight);
        LB1->setGeometry(0, kHeaderHeight, client->width(),
                         std::max(0, client->height() - kHeaderHeight));
    };
}

// ---------------------------------------------------------------- the search

void TCmbDir::Search() {
    if (searching_) return;  // asked again from inside its own hand-back
    searching_ = true;
    stopRequested_ = false;
    const uint64_t start = plat::GetTickCount();
    {
        // The busy cursor, the hint line and the flag are restored however
        // the search ends.
        QApplication::setOverrideCursor(Qt::WaitCursor);
        struct TRestore {
            TCmbDir& w;
            uint64_t start;
            ~TRestore() {
                w.LastSearchMs = static_cast<int64_t>(plat::GetTickCount() - start);
                w.searching_ = false;
                QApplication::restoreOverrideCursor();
            }
        } restore{*this, start};
        LB1->SetCurrentRow(-1);
        ClearEntries();
        TSink sink(*this);
        lastEnd_ = scan_.Run(sink);
        sink.Finish();
        LB1->verticalScrollBar()->setValue(0);
    }
    if (main_) main_->SetHintText(EndText());
    if (lastEnd_ == TScanEnd::Full) {
        ShowMessage("Out of memory\r\nPlease limit selection!");
        closeAfterSearch_ = true;
    }
    if (closeAfterSearch_) {
        close();
        return;
    }
    RunReportingErrors([this] { UpdateStatus(); });
}

std::string TCmbDir::EndText() const {
    std::string text;
    if (lastEnd_ == TScanEnd::Stopped)
        text = "Search stopped: " + GroupDigits(FileList.GetEntryCount()) + " files found";
    const int skipped = scan_.SkippedDirectories();
    if (skipped > 0) {
        if (!text.empty()) text += "; ";
        text += GroupDigits(skipped) + (skipped == 1 ? " directory" : " directories") +
                " could not be read";
    }
    return text;
}

std::string TCmbDir::RelativeDirectory(int index) const {
    if (index < 0 || index >= FileList.GetListCount()) return {};
    return scan_.RelativeDirectory(FileList.Entry(index).DirIndex);
}

void TCmbDir::FreeEntries() { FileList.FreeEntries(); }

void TCmbDir::ClearEntries() { FileList.ClearEntries(); }

bool TCmbDir::ShowsPath(const std::string& path) {
    // The base itself is inside the tree too: a file copied into it concerns
    // this window.
    const std::string base = WithBackslash(criteria_.BaseDirectory), p = WithBackslash(path);
    return p.size() >= base.size() && plat::SameText(p.substr(0, base.size()), base);
}

void TCmbDir::ReadDirectory() {
    if (LastSearchMs < static_cast<int64_t>(Options.DSRefresh) * 1000) Search();
}

std::string TCmbDir::GetSelectedDirectory() { return RowDirectory(GetCurrentIndex()); }

std::string TCmbDir::RowDirectory(int row) const {
    const std::string rel = RelativeDirectory(row);
    if (rel.empty()) return criteria_.BaseDirectory;
    return WithBackslash(criteria_.BaseDirectory) + rel.substr(0, rel.size() - 1);
}

char TCmbDir::GetDrive() {
    return criteria_.BaseDirectory.empty()
               ? 'C'
               : static_cast<char>(
                     std::toupper(static_cast<unsigned char>(criteria_.BaseDirectory[0])));
}

std::string TCmbDir::GetEntryName(int index) {
    if (index < 0 || index >= FileList.GetListCount()) return {};
    return RelativeDirectory(index) + FileList.GetEntryName(index);
}

std::string TCmbDir::GetEntryPath(int index) {
    if (index < 0 || index >= FileList.GetListCount()) return {};
    // The file's own name: no dot added to a name without one.
    return WithBackslash(criteria_.BaseDirectory) + RelativeDirectory(index) +
           EntryFileName(FileList.Entry(index));
}

int TCmbDir::FindEntry(const std::string& name) {
    for (int i = 0; i < FileList.GetListCount(); ++i)
        if (plat::SameText(GetEntryName(i), name)) return i;
    return -1;
}

void TCmbDir::GetTaggedNames(std::vector<std::string>& names) {
    for (int i = FileList.FirstTagged(); i != -1; i = FileList.NextTagged(i))
        names.push_back(GetEntryName(i));
}

std::string TCmbDir::GetColumnText(int index, char column) {
    if (column != 'F') return TMDIChild::GetColumnText(index, column);
    return ApplyCase(GetEntryName(index), Options.Case);
}

void TCmbDir::WriteTaggedList(const std::string& fileName) {
    FileList.WriteTaggedList(fileName, [this](int i) { return GetEntryPath(i); });
}

void TCmbDir::SetupHeader() {
    BuildHeader(Header1, kHeaderSection, true);
    LB1->ColumnsChanged();
    RepaintList();
}

void TCmbDir::UpdateStatus() {
    UpdateActions();
    const bool current = plat::SetCurrentDir(criteria_.BaseDirectory);
    if (main_) main_->ShowDirectoryStatus(StatusFigures());
    if (!current)
        throw EInOutError(
            plat::ErrorText(plat::FileError::PathNotFound) + ": " + criteria_.BaseDirectory,
            static_cast<int>(plat::FileError::PathNotFound));
}

void TCmbDir::ListChanged() {
    LB1->SetRowCount(FileList.GetListCount());
    RepaintList();
    // While the search runs the base directory is made current only at
    // its end.
    UpdateActions();
    if (main_) main_->ShowDirectoryStatus(StatusFigures());
}

void TCmbDir::RepaintList() { LB1->viewport()->update(); }

int TCmbDir::GetCurrentIndex() { return LB1->CurrentRow(); }

bool TCmbDir::ApplyListFont() {
    if (!main_) return false;
    const QFont& listFont = main_->Display().ListFont;
    QFont f = font();
    if (f.family() == listFont.family() && f.pointSize() == listFont.pointSize()) return false;
    f.setFamily(listFont.family());
    f.setPointSize(listFont.pointSize());
    setFont(f);
    LB1->SetRowHeight(QFontMetrics(f).height());
    SetupHeader();
    return true;
}

// ---------------------------------------------------------------- keys and mouse

void TCmbDir::ListPressed(const QPoint& point, Qt::MouseButton button,
                          Qt::KeyboardModifiers modifiers) {
    const int row = LB1->RowAt(point);
    if (button == Qt::RightButton) {
        if (modifiers & Qt::ShiftModifier) return;
        if (main_) main_->CancelDrag();
        if (mdiArea()) mdiArea()->setActiveSubWindow(this);
        // With nothing tagged the menu acts on the row under the mouse.
        FileList.TagIfNone(row);
        LB1->SetCurrentRow(row);
        FillAppMenu(ListAppItems, ListAppMoreItem);
        UpdateActions();
        listMenuReady_ = true;
        return;
    }
    if (button == Qt::LeftButton) ListLeftPressed(point);
}

void TCmbDir::PopupListMenu(const QPoint& point, bool byMouse) {
    if (!listMenuReady_) {
        FillAppMenu(ListAppItems, ListAppMoreItem);
        UpdateActions();
    }
    listMenuReady_ = false;
    QPoint at = point;
    if (!byMouse)
        at = GetCurrentIndex() >= 0 ? LB1->RowRect(GetCurrentIndex()).center() : QPoint(0, 0);
    ListMenu->popup(LB1->viewport()->mapToGlobal(at));
}

// ---------------------------------------------------------------- events

void TCmbDir::closeEvent(QCloseEvent* event) {
    if (searching_) {
        // The search is on the stack below: it stops, then closes the window.
        stopRequested_ = true;
        closeAfterSearch_ = true;
        event->ignore();
        return;
    }
    TMDIChild::closeEvent(event);
    if (!event->isAccepted()) return;
    CloseList();
}

bool TCmbDir::eventFilter(QObject* watched, QEvent* event) {
    if (!LB1) return TMDIChild::eventFilter(watched, event);
    if (event->type() == QEvent::KeyPress && (watched == LB1 || watched == widget())) {
        if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape && searching_) {
            StopSearch();
            return true;
        }
        RunReportingErrors([this] { UpdateActions(); });
    }
    if (watched == LB1->viewport()) switch (event->type()) {
            case QEvent::DragEnter:
                ForgetDraggedData();
                [[fallthrough]];
            case QEvent::DragMove:
                RunReportingErrors([&] { DragOver(static_cast<QDropEvent*>(event)); });
                return true;
            case QEvent::Drop:
                event->ignore();
                RunReportingErrors([&] { Drop(static_cast<QDropEvent*>(event)); });
                return true;
            case QEvent::DragLeave:
                ForgetDraggedData();
                return true;
            default:
                break;
        }
    if (watched == Header1->viewport() && event->type() == QEvent::MouseButtonRelease &&
        headerResized_) {
        headerResized_ = false;
        RunReportingErrors([this] { SaveColumnWidths(Header1, kHeaderSection); });
    }
    return TMDIChild::eventFilter(watched, event);
}
